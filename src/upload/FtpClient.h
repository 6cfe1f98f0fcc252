#pragma once
// The FTP client of the upload: one control connection to one server,
// reused for every operation until Disconnect. It speaks plain FTP, FTP
// with explicit TLS on the control and data connections (FTPS), or SFTP,
// as the log-in's `Security` says. Every operation runs on a worker thread
// of its own and returns at once; its outcome comes back on the event loop
// to the function the caller handed it, so progress moves, Cancel is
// answered and the window never freezes. An operation refused before
// anything is sent (no connection, a name that climbs out) answers before
// the call returns.
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
// KeyUnknown or KeyChanged, and the outcome's Fingerprint names the key the
// server showed, in the form TrustedKey or HostKey takes it.

#include "upload/ServerList.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

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

// A server's words as they may be shown in a window or on a terminal:
// without control characters and escape sequences (a reply could
// otherwise clear the screen or draw a prompt of its own), without marks
// that turn the direction of text, and at most 500 characters long.
QString ShownServerText(QStringView text);


// Where and as whom the client logs in.
struct TFtpLogin {
    QString Address;  // host name or address
    int Port = 21;
    QString UserName;
    QString Password;
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS: "sha256//<base64>", a public key accepted without the store
    QString HostKey;     // SFTP: "SHA256:<base64>", the host key accepted
};

// What one operation came to: done, or a failure of a kind the caller can
// act on, with a message in plain words to show as it is.
struct TFtpOutcome {
    enum class TKind {
        Done,
        Refused,       // the server refused the connection
        NotFound,      // the server's name could not be found
        NoAnswer,      // the server could not be reached or did not answer in time
        LoginRefused,  // the server refused the user name or password
        KeyUnknown,    // the certificate or host key is not trusted (not verified, or met for the first time)
        KeyChanged,    // the certificate key or host key differs from the one trusted before
        Missing,       // the server has no such folder or file, or refuses to show it
        ServerRefused, // the server refused the operation for another reason
        LocalFile,     // the local file could not be read
        BadName,       // a remote name or folder the client does not send (climbs out, holds a line break)
        NotConnected,  // no connection is open
        Busy,          // another operation is still running
        Cancelled,
        Failed,        // anything else: the connection broke, the encryption could not be set up, ...
    };
    TKind Kind = TKind::Done;
    QString Message;      // "" when done
    QString Reply;        // the server's reply the message quotes ("550 No such file"), or ""
    QString Fingerprint;  // KeyUnknown, KeyChanged: the key the server showed

    bool Ok() const { return Kind == TKind::Done; }
    bool Untrusted() const { return Kind == TKind::KeyUnknown || Kind == TKind::KeyChanged; }
    // The server was never reached: refused, not found or no answer (so a
    // failed log-in is not the password's fault).
    bool Unreached() const { return Kind == TKind::Refused || Kind == TKind::NotFound || Kind == TKind::NoAnswer; }
};

using TFtpDone = std::function<void(const TFtpOutcome&)>;
using TFtpListDone = std::function<void(const TFtpOutcome&, const std::vector<TRemoteEntry>&)>;

class TFtpClient : public QObject {
    Q_OBJECT
public:
    explicit TFtpClient(QObject* parent = nullptr);
    ~TFtpClient() override;

    // Every wait on the server is bounded by this many seconds: connecting,
    // each reply, and a transfer in which no byte moves.
    int TimeoutSeconds = 30;

    bool Connected() const;
    // The remote folder the operations are relative to, as given to
    // ChangeFolder ("" the login folder).
    QString CurrentFolder() const { return cwd_; }
    // Whether an operation is running.
    bool Busy() const { return busy_; }

    // Each operation calls `done` with its outcome once, unless `context`
    // is gone by then or the operation was abandoned by Disconnect.

    // Connects and logs in.
    void Connect(const TFtpLogin& login, QObject* context, TFtpDone done);
    // Makes `folder` (relative to the current remote folder, or absolute
    // with a leading "/", as the user's server folder may be) the current
    // remote folder when it succeeds; it must exist.
    void ChangeFolder(const QString& folder, QObject* context, TFtpDone done);
    // Creates `folder` with every missing level above it; an existing
    // folder is no error.
    void MakeFolder(const QString& folder, QObject* context, TFtpDone done);
    // Lists `folder` (relative to the current remote folder; "" itself).
    // A folder that does not exist fails like ChangeFolder. The listing is
    // bounded in size and time: a server that sends too much or never ends
    // it fails the call.
    void ListFolder(const QString& folder, QObject* context, TFtpListDone done);
    // Sends `localFile` as `remoteName`, relative to the current remote
    // folder (missing folders on the way are made), under a temporary name
    // renamed over the real one when complete. `binary` false: a text
    // (ASCII) transfer.
    void SendFile(const QString& localFile, const QString& remoteName, bool binary, QObject* context,
                  TFtpDone done);
    // Writes `localFile` as `name` (a plain name) in the current remote
    // folder directly, with no temporary name and no rename; a failed or
    // cancelled write removes what arrived. (The server test.)
    void WriteFile(const QString& localFile, const QString& name, QObject* context, TFtpDone done);
    // Removes the file `name` (a plain name) from the current remote folder;
    // a refusal is a failure.
    void RemoveFile(const QString& name, QObject* context, TFtpDone done);
    // Closes the connection, abandoning an operation in progress (its
    // outcome is never told); raises OnDisconnect when one was open. Returns
    // at once; closing cannot fail.
    void Disconnect();
    // Disconnect, then waits until the worker has done its last work (such
    // as removing the temporary file of a cancelled transfer), for a
    // program about to end.
    void DisconnectAndWait();
    // Abandons the operation in progress (it ends Cancelled); returns at once.
    void Cancel();

signals:
    // The connection was closed, whatever closed it.
    void OnDisconnect();
    // Bytes sent of the file in transfer, and its size.
    void Progress(qint64 sent, qint64 total);

private:
    struct Worker;
    struct Request;
    struct Result;
    // Starts `request` with `done` waiting for its result.
    void Run(Request request, QObject* context, std::function<void(const Result&)> done);
    // Answers at once what was refused before anything was sent.
    static void Refuse(TFtpOutcome::TKind kind, const QString& message, const TFtpDone& done);
    // Refuses while another operation runs; true when it did.
    bool RefuseWhileBusy(const TFtpDone& done);
    void Finished(const Result& result);
    QString JoinRemote(const QString& folder) const;
    // Why a folder request may not go: no connection, an unsafe name; ""
    // when it may. Sets `kind`.
    QString FolderRefusal(const QString& folder, TFtpOutcome::TKind& kind) const;
    // The same for the plain file name of a WriteFile or RemoveFile.
    QString PlainNameRefusal(const QString& name, TFtpOutcome::TKind& kind) const;

    std::unique_ptr<Worker> worker_;
    TFtpLogin login_;
    QString cwd_;
    bool connected_ = false;
    bool busy_ = false;
    bool closing_ = false;    // the operation running is a Disconnect
    quint64 generation_ = 0;  // of the operation waited for
    quint64 finished_ = 0;    // the last operation whose outcome was taken
    std::optional<QString> pendingCwd_;  // the folder a running ChangeFolder enters
    // Who waits for the running operation.
    QPointer<QObject> context_;
    bool hasContext_ = false;
    std::function<void(const Result&)> done_;
};
