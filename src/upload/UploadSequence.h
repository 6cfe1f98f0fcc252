#pragma once
// The one upload sequence, shared by the upload window and the command
// line: connect and log in, make and enter the server folder, list the
// folders that hold files sent before and skip what the server still holds
// at the same size, make every other folder the files go to that the
// listing does not show, send the
// pictures, then the linked pages, then the page the visitor opens (the
// entry of that role) once everything it shows has arrived, and disconnect.
// Several files may travel at once over up to kMaxConnections connections.
// It talks to nobody: the caller shows its status texts and turns its
// outcome into messages or an exit status.

#include "upload/FtpClient.h"
#include "upload/ServerList.h"
#include "upload/UploadList.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct tWWWServerType;

// The server an upload goes to, as plain data: where and as whom the
// client logs in, and the folder.
struct TUploadTarget : TFtpLogin {
    QString Directory;  // "" the login folder
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

// The log-in of the upload and of the server test: connects to the target;
// when the server's certificate or host key is not trusted, asks once
// (AskTrust), and a key the user trusts goes into the target, Trusted is
// told, and the log-in is made again with it.
class TTrustingLogin {
public:
    std::function<bool(const TTrustQuestion&)> AskTrust;
    std::function<void(const TUploadTarget&)> Trusted;

    // Logs `ftp` in to `target`, which keeps a key trusted on the way;
    // `done` gets the outcome of the last try (on behalf of `context`).
    void Start(TFtpClient& ftp, TUploadTarget& target, QObject* context, TFtpDone done);
    // Nothing more is tried or told: the owner has stopped (a question
    // answered after that leads nowhere).
    void Stop() { stopped_ = true; }
    // After an untrusted key: the question asked, or that would have been
    // asked.
    const TTrustQuestion& Question() const { return question_; }

private:
    void Try(bool mayAsk);

    TFtpClient* ftp_ = nullptr;
    TUploadTarget* target_ = nullptr;
    QObject* context_ = nullptr;
    TFtpDone done_;
    bool stopped_ = false;
    TTrustQuestion question_;
};

enum class TUploadOutcome {
    Done,
    LoginFailed,   // the server cannot be reached or refuses the log-in
    FolderFailed,  // the server folder cannot be made or entered
    PageFailed,    // the page could not be sent (the files before it were)
    FileFailed,    // one or more of the other files could not be sent
    Cancelled,
};

// The upload as one asynchronous sequence: each step starts the client's
// next operation and returns; its outcome moves the sequence on. Cancel,
// a failure and the end all finish it in one place (Finish), which
// disconnects without waiting and emits Finished.
class TUploadSequence : public QObject {
    Q_OBJECT
public:
    // Connections used at most at once (the first one included) when
    // enough files are to go over FTP or FTPS; a server that refuses more
    // gets fewer.
    static constexpr int kMaxConnections = 3;

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
    // After LoginFailed: how the client's log-in failed (Refused, NotFound
    // and NoAnswer: the server was never reached).
    const TFtpOutcome& LoginFailure() const { return loginFailure_; }
    const TTrustQuestion& Untrusted() const { return login_.Question(); }
    // After a cancel or a failure: what the server now holds, in one
    // sentence ("Your old page is still on the server; 3 of 7 new files
    // were sent."); "" when the page arrived or nothing could have changed.
    QString ServerState() const;
    // Files left out because the server already held them.
    int SkippedCount() const { return skipped_; }

signals:
    // The upload is over: true when every file was sent.
    void Finished(bool ok);

private:
    enum class Step { Idle, Connecting, MakingFolder, EnteringFolder, Listing, MakingFolders, Sending,
                      SendingPage, Over };
    enum class FileState { Pending, Skipped, Sent, Failed };
    // One connection that sends files: the caller's client, or one of the
    // sequence's own opened beside it.
    struct TLane;
    void SetStatus(const QString& text);
    void OperationDone(const TFtpOutcome& outcome);
    // The next outcome of the first connection goes to OperationDone.
    TFtpDone Next();
    void EnterFolder();
    void InFolder();
    void OpenExtraLanes();
    void ExtraDone(TLane& lane, const TFtpOutcome& outcome);
    void Listed(const TFtpOutcome& outcome, const std::vector<TRemoteEntry>& entries);
    void ListNext();
    void MakeNext();
    void StartSending();
    void Dispatch();
    void SendOn(TLane& lane, size_t file);
    void LaneDone(TLane& lane, const TFtpOutcome& outcome);
    void ShowProgress();
    void Fail(TUploadOutcome outcome, const QString& detail);
    void Finish();

    TFtpClient& ftp_;
    TUploadTarget target_;
    std::vector<TUploadFile> files_;
    Step step_ = Step::Idle;
    std::vector<FileState> state_;
    std::vector<std::unique_ptr<TLane>> lanes_;  // the caller's client first
    std::vector<size_t> queue_;                  // files waiting for a connection (not the page)
    std::vector<QString> toList_, toMake_;       // remote folders
    size_t folderAt_ = 0;
    std::vector<std::pair<QString, std::vector<TRemoteEntry>>> listed_;
    int done_count_ = 0;  // files finished, skipped or refused
    int skipped_ = 0;
    bool serverFailed_ = false;  // a file failed on the server's side: the page is held back
    bool reachedFiles_ = false;  // logged in and in the folder
    bool oldPageThere_ = false;  // the listing showed a page of the same name
    TUploadOutcome outcome_ = TUploadOutcome::Done;
    QString detail_;
    bool cancelled_ = false;
    bool untrusted_ = false;
    TFtpOutcome loginFailure_;
    QString lastError_;  // the message of the first connection's last failure
    TTrustingLogin login_;
    QMetaObject::Connection progress_;
};
