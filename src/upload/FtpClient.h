#pragma once
// The FTP client of the upload: one control connection to one server,
// reused for every operation until Disconnect. It speaks plain FTP, FTP
// with explicit TLS on the control and data connections (FTPS), or SFTP,
// as `Security` says. Every network operation runs
// on a worker thread of its own; with `Blocking` set (what the upload uses)
// the call returns when the operation has finished, while the caller's
// event loop keeps running, so progress moves, Cancel is answered and the
// window never freezes.
//
// A file is sent under a temporary name in its remote folder and renamed
// over the real name once it is complete, so a failed or cancelled transfer
// never leaves half a file under the real name.
//
// Trust: an FTPS server's certificate must verify against the system's
// certificate store (or the authorities named by SSL_CERT_FILE and
// SSL_CERT_DIR), or its public key must be `TrustedKey`. An SFTP server's
// host key must be `HostKey`; with none yet the first contact is refused
// too, so that the user can decide. Either refusal ends Connect with
// ftpUntrusted, and PeerFingerprint names the key the server showed, in
// the form TrustedKey or HostKey takes it.

#include "upload/ServerList.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// Values of LastError besides 0 (none) and the transfer library's own codes.
enum TFtpError : int {
    ftpNotConnected = 1001,     // an operation needs a connection that is not open
    ftpLocalFileMissing = 1002, // LocalFile cannot be opened
    ftpBadAction = 1003,        // an Action value this client does not know
    ftpBusy = 1004,             // another operation is still running
    ftpUntrusted = 1005,        // the server's certificate or host key is not trusted
    ftpOutside = 1006,          // a remote name or folder climbs out with "..", or a name starts at "/"
};

// One entry of a server folder's listing.
struct TRemoteEntry {
    QString Name;
    qint64 Size = -1;  // -1 where the listing gives none
    bool Folder = false;
};

// The entries of a folder listing as servers send it: machine-readable
// facts ("type=file;size=12; name"), or the Unix ("-rw-r--r-- 1 u g 12 Jan 1
// 10:00 name") or DOS ("01-31-24 10:00AM 12 name") form of a plain listing.
// Lines in no known form, "." and "..", and names with a "/" are left out.
std::vector<TRemoteEntry> ParseListing(const QByteArray& text, bool facts);

class TFtpClient : public QObject {
    Q_OBJECT
public:
    explicit TFtpClient(QObject* parent = nullptr);
    ~TFtpClient() override;

    // --- properties ---
    QString HostAddress;   // host name or address
    int Port = 21;
    QString UserName;
    QString Password;
    bool Blocking = true;  // calls return when their operation has finished (the thread waits)
    QString LocalFile;     // local path of the next transfer
    QString RemoteFile;    // its remote name, relative to the current remote folder
    bool Binary = true;    // false: text (ASCII) transfer
    int LastError = 0;     // error of the last operation, 0 none
    // Every wait on the server is bounded by this many seconds: connecting,
    // each reply, and a transfer in which no byte moves.
    int TimeoutSeconds = 30;
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS: "sha256//<base64>", a public key accepted without the store
    QString HostKey;     // SFTP: "SHA256:<base64>", the host key accepted

    enum { actSend = 6 };
    // Setting 6 sends LocalFile to the server as RemoteFile.
    void SetAction(int action);
    bool Connected() const;
    // The remote folder the operations are relative to, as given to
    // ChangeDirectory ("" the login folder).
    QString CurrentDirectory() const { return cwd_; }
    // What went wrong in the last failed operation, in plain words: the
    // server's reply, or "the server did not answer", ...
    QString LastErrorText() const { return lastErrorText_; }
    // After ftpUntrusted: the fingerprint of the key the server showed, why
    // it is not trusted in plain words, and whether it differs from the key
    // trusted before (a changed SFTP host key or FTPS certificate key).
    QString PeerFingerprint() const { return peerFingerprint_; }
    QString TrustProblem() const { return trustProblem_; }
    bool KeyChanged() const { return keyChanged_; }
    // Whether an operation is running (for Blocking false).
    bool Busy() const { return busy_; }
    // Whether the last failed operation reached the server at all: it
    // refused the connection, its name is unknown, or it did not answer
    // (so a failed log-in is not the password's fault).
    enum class TReach { Reached, Refused, NotFound, NoAnswer };
    TReach Reach() const;

    // --- methods (results are LastError) ---
    // Connects to HostAddress and logs in with UserName and Password.
    int Connect();
    // Closes the connection (abandoning an operation in progress); raises
    // OnDisconnect when one was open. Returns at once unless Blocking.
    int Disconnect();
    // Abandons the operation in progress; returns at once.
    int Cancel();
    // Makes `folder` (relative to the current remote folder, or absolute
    // with a leading "/", as the user's server folder may be) the current
    // remote folder when the operation succeeds; it must exist.
    int ChangeDirectory(const QString& folder);
    // Creates `folder` with every missing level above it; an existing
    // folder is no error.
    int MakeDirectory(const QString& folder);
    // Lists `folder` (relative to the current remote folder; "" itself):
    // Listing() then holds its files and folders. A folder that does not
    // exist fails like ChangeDirectory. The listing is bounded in size and
    // time: a server that sends too much or never ends it fails the call.
    int ListDirectory(const QString& folder);
    const std::vector<TRemoteEntry>& Listing() const { return listing_; }
    // Disconnects and releases the client's resources.
    int Cleanup();

signals:
    // The connection was closed, whatever closed it.
    void OnDisconnect();
    // Bytes sent of the file in transfer, and its size.
    void Progress(qint64 sent, qint64 total);
    // An operation finished (with Blocking false, the moment to read
    // LastError).
    void OperationDone(int error);

private:
    struct Worker;
    struct Request;
    int Run(Request request);
    struct Outcome;
    void Finished(const Outcome& outcome);
    QString JoinRemote(const QString& folder) const;
    // A connection is open and the folder name is safe to send.
    bool FolderRequestAllowed(const QString& folder);

    std::unique_ptr<Worker> worker_;
    QString cwd_;
    QString lastErrorText_;
    QString peerFingerprint_, trustProblem_;
    bool keyChanged_ = false;
    bool connected_ = false;
    bool busy_ = false;
    bool closing_ = false;  // the operation running is a Disconnect
    quint64 generation_ = 0;  // of the operation waited for
    quint64 finished_ = 0;    // the last operation whose outcome was taken
    std::optional<QString> pendingCwd_;  // the folder a running ChangeDirectory enters
    std::vector<TRemoteEntry> listing_;  // the last folder listing read

    // --- a file written and removed as it is (the server test) ---
public:
    // Writes LocalFile as RemoteFile (a plain name) in the current remote
    // folder directly, with no temporary name and no rename; a failed or
    // cancelled write removes what arrived.
    int PutFile();
    // Removes the file `name` (a plain name) from the current remote folder;
    // a refusal is an error.
    int RemoveFile(const QString& name);

private:
    // The plain file name of a PutFile or RemoveFile, or false (and told).
    bool PlainNameAllowed(const QString& name);
};
