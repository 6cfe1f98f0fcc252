#pragma once
// The one upload sequence, shared by the upload window and the command
// line: connect and log in, make and enter the server folder, make
// "graphics" and "backgrnd", send the page and then its files, disconnect.
// It talks to nobody: the caller shows its status texts and turns its
// outcome into messages or an exit status.

#include "upload/FtpClient.h"
#include "upload/ServerList.h"
#include "upload/UploadList.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

struct tWWWServerType;

// The server an upload goes to, as plain data.
struct TUploadTarget {
    QString Address;
    int Port = 21;
    QString Directory;  // "" the login folder
    QString UserName;
    QString Password;
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS: the certificate key trusted besides the store
    QString HostKey;     // SFTP: the host key trusted
};

// The upload target of a stored server: its address split into host and
// port (the connection kind's usual port when none is typed). The password
// is the record's: read it from the keyring first (FetchPassword,
// TakePasswordReply) where it is kept there.
TUploadTarget UploadTargetOf(const tWWWServerType& server);

// A server whose certificate or host key is not trusted, for the question.
struct TTrustQuestion {
    TSecurity Security = TSecurity::FTP;
    QString Address;
    QString Problem;      // what is wrong, in plain words
    QString Fingerprint;  // of the key the server showed
    // The key differs from one trusted before. A changed SFTP host key is
    // refused with a warning, not asked about.
    bool Changed = false;
    bool CanTrust() const { return !(Changed && Security == TSecurity::SFTP) && !Fingerprint.isEmpty(); }
};

enum class TUploadOutcome {
    Done,
    LoginFailed,   // the server cannot be reached or refuses the log-in
    FolderFailed,  // the server folder cannot be made or entered
    PageFailed,    // the page could not be sent; nothing else was
    FileFailed,    // one or more of the other files could not be sent
    Cancelled,
};

// The upload as one asynchronous sequence: each step starts the client's
// next operation and returns; the client's OperationDone moves it on. Cancel,
// a failure and the end all finish it in one place (Finish), which
// disconnects without waiting and emits Finished.
class TUploadSequence : public QObject {
    Q_OBJECT
public:
    TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files,
                    QObject* parent = nullptr);
    ~TUploadSequence() override;

    // Status texts as the upload goes ("Connecting to ...").
    std::function<void(const QString&)> Status;
    // Progress: `value` of `maximum`; one hundred steps per file, moving
    // within each file as its bytes go.
    std::function<void(int value, int maximum)> Progress;
    // Each file after its transfer, and each refused file when its turn
    // comes (not sent, with the reason).
    std::function<void(const TUploadFile&, bool sent, const QString& whyNot)> FileDone;
    // Each file left out because it is unchanged and the server already
    // holds it at the same size (nothing was sent).
    std::function<void(const TUploadFile&)> FileSkipped;
    // Asked when the server's certificate or host key is not trusted; true
    // trusts the key shown (the connection is then made again with it).
    std::function<bool(const TTrustQuestion&)> AskTrust;
    // Told after the user trusted a key, with the target holding it, so
    // that the caller can keep it with the server.
    std::function<void(const TUploadTarget&)> Trusted;

    // Starts the upload and returns at once: connect and log in, make and
    // enter the folder, send the files, disconnect. Finished tells the end.
    void Start();
    // Starts it and waits in an event loop of its own until it ends: for
    // callers that have no event loop running (the command line, tests).
    bool Run();
    bool Running() const { return step_ != Step::Idle && step_ != Step::Over; }

    // Abandons the upload at once: the file in transfer is left under its
    // temporary name (removed where the server allows), nothing more is
    // sent, and Finished comes before Cancel returns.
    void Cancel();
    bool Cancelled() const { return cancelled_; }

    TUploadOutcome Outcome() const { return outcome_; }
    // What went wrong, in plain words ("" when nothing did).
    QString Detail() const { return detail_; }
    const std::vector<TUploadFile>& Files() const { return files_; }
    const TUploadTarget& Target() const { return target_; }
    // The log-in failed because the server's key is not trusted; the
    // question asked (or that would have been asked) is Untrusted().
    bool WasUntrusted() const { return untrusted_; }
    // After LoginFailed: whether the server was reached at all.
    TFtpClient::TReach Reach() const { return reach_; }
    const TTrustQuestion& Untrusted() const { return question_; }

signals:
    // The upload is over: true when every file was sent.
    void Finished(bool ok);

private:
    enum class Step { Idle, Connecting, Reconnecting, MakingFolder, EnteringFolder, MakingGraphics, MakingBackgrounds,
                      Sending, Over };
    void SetStatus(const QString& text);
    void OperationDone(int error);
    void Login();
    bool TrustAsked();
    void EnterFolder();
    void SendNext();
    void Fail(TUploadOutcome outcome, const QString& detail);
    void Finish();

    TFtpClient& ftp_;
    TUploadTarget target_;
    std::vector<TUploadFile> files_;
    Step step_ = Step::Idle;
    size_t next_ = 0;  // the file in transfer (Sending) or to send next
    TUploadOutcome outcome_ = TUploadOutcome::Done;
    QString detail_;
    bool cancelled_ = false;
    bool untrusted_ = false;
    TFtpClient::TReach reach_ = TFtpClient::TReach::Reached;
    TTrustQuestion question_;
    QMetaObject::Connection done_, progress_;
};
