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

#include "app/StageHost.h"
#include "upload/ServerList.h"
#include "upload/StepSequence.h"
#include "upload/UploadList.h"
#include "upload/transfer/FtpClient.h"

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

struct tWWWServerType;

// The server an upload goes to, as plain data: where and as whom the
// client logs in, and the folder.
struct TUploadTarget : TFtpLogin {
    QString Directory;  // "" the login folder
    // Where the folder is seen on the web, ending in "/"
    // ("https://www.example.org/choir/"); "" not known.
    QString WebAddress;
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
    bool CanTrust() const { return !(Changed && ShowsHostKey(Security, Address)) && !Fingerprint.isEmpty(); }
};

// The log-in of the upload and of the server test: connects to the target;
// when the server's certificate or host key is not trusted, asks its owner
// once, and a key the user trusts goes into the target, the owner is told,
// and the log-in is made again with it.
class TTrustingLogin {
public:
    // What the log-in asks and tells; its owner answers for the user.
    class TOwner {
    public:
        // True trusts the key of the question.
        virtual bool AnswerTrust(const TTrustQuestion& question) = 0;
        // The target now holds the key the user trusted.
        virtual void KeyTrusted(const TUploadTarget& target) = 0;

    protected:
        ~TOwner() = default;
    };

    explicit TTrustingLogin(TOwner& owner) : owner_(owner) {}

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

    TOwner& owner_;
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

// The upload as one sequence of steps (see StepSequence.h): log in, make
// and enter the server folder, list and make folders, send the files
// (several at once where the server takes more than one connection),
// then the page.
class TUploadSequence : public TStepSequence, private TTrustingLogin::TOwner {
    Q_OBJECT
public:
    // Connections used at most at once (the first one included) when
    // enough files are to go over FTP or FTPS; a server that refuses more
    // gets fewer.
    static constexpr int kMaxConnections = 4;

    TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files,
                    QObject* parent = nullptr);
    ~TUploadSequence() override;

    // Asked when the server's certificate or host key is not trusted; true
    // trusts the key shown (the connection is then made again with it).
    // One answers; without an answer the key is not trusted.
    TOneHook<bool(const TTrustQuestion&)> AskTrust;

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
    // Files (names below the server folder) to remove once the visitor's
    // page has arrived: those an earlier publish put there that the one
    // put back did not have. Set before the sequence starts.
    void SetRemovals(std::vector<QString> remotes) { toRemove_ = std::move(remotes); }
    // The files, for a caller that plans them after Start while the log-in
    // goes on. Only before the log-in's outcome is handled (which needs the
    // event loop); false, and nothing changed, after that.
    bool SetFiles(std::vector<TUploadFile> files);

signals:
    // Status texts as the upload goes ("Connecting to ...").
    void Status(const QString& text);
    // Progress: `value` of `maximum`; one hundred steps per file, moving
    // within each file as its bytes go.
    void Progress(int value, int maximum);
    // Each file after its transfer, and each refused file when its turn
    // comes (not sent, with the reason).
    void FileDone(const TUploadFile& file, bool sent, const QString& whyNot);
    // Each file left out because it is unchanged and the server already
    // holds it at the same size (nothing was sent).
    void FileSkipped(const TUploadFile& file);
    // Each file that goes only where the server folder has none of its own
    // (OnlyIfOurs), left out because the folder has one that Tarvo did not
    // put there, or because its listing could not be read; `why` says
    // which in plain words. Nothing was sent, and the file is not Tarvo's.
    void FileLeftAlone(const TUploadFile& file, const QString& why);
    // Each file of SetRemovals after its removal was asked for.
    void FileRemoved(const QString& remote, bool removed, const QString& whyNot);
    // After the user trusted a key, with the target holding it, so that
    // the caller can keep it with the server.
    void Trusted(const TUploadTarget& target);

private:
    enum TStepId { kConnect, kMakeFolder, kEnterFolder, kList, kMakeFolders, kSend, kSendPage, kRemove, kCommit };
    enum class FileState { Pending, Skipped, LeftAlone, Sent, Failed };
    void Connect();
    void MakeServerFolder();
    void EnterServerFolder();
    void ListFolders();
    void Listed(size_t at, const TFtpOutcome& outcome, const std::vector<TRemoteEntry>& entries);
    void SkipWhatIsThere();
    void LeaveOthersAlone();
    void MakeFolders();
    void SendFiles();
    void SendPage();
    void RemoveOld();
    void CommitAll();
    void SendOne(size_t file);
    void FileSent(size_t file, const TFtpOutcome& outcome);
    // Whether a file is the visitor's page, which goes last.
    bool IsPage(size_t file) const { return files_[file].Role == TFileRole::VisitorPage; }
    // The visitor's page (files_.size() when the plan has none).
    size_t VisitorPage() const;
    void PlanFolders();
    void SetStatus(const QString& text) { emit Status(text); }
    void ShowProgress();
    void Fail(TUploadOutcome outcome, const QString& detail);
    void End() { Conclude(outcome_ == TUploadOutcome::Done); }
    void Concluding() override;
    void Concluded() override;
    void Cancelling() override;
    bool AnswerTrust(const TTrustQuestion& question) override { return AskTrust && AskTrust(question); }
    void KeyTrusted(const TUploadTarget& target) override { emit Trusted(target); }

    TUploadTarget target_;
    std::vector<TUploadFile> files_;
    std::vector<FileState> state_;
    std::map<size_t, int> inFlight_;        // files in transfer, with the hundredths sent
    std::vector<QString> toList_, toMake_;  // remote folders
    std::vector<QString> toRemove_;         // remote files
    std::vector<std::optional<std::vector<TRemoteEntry>>> listed_;  // of toList_, as they come
    size_t pending_ = 0;                    // listings or folders still to come
    int toSend_ = 0;                        // files other than the page to send
    int done_count_ = 0;  // files finished, skipped or refused
    int skipped_ = 0;
    bool serverFailed_ = false;  // a file failed on the server's side: the page is held back
    bool reachedFiles_ = false;  // logged in and in the folder
    bool oldPageThere_ = false;  // the listing showed a page of the same name
    bool committed_ = false;     // the last request succeeded (Git: the branch changed)
    TUploadOutcome outcome_ = TUploadOutcome::Done;
    QString detail_;
    bool untrusted_ = false;
    TFtpOutcome loginFailure_;
    QString lastError_;  // the message of the last failure
    TTrustingLogin login_{*this};
};
