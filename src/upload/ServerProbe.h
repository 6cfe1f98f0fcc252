#pragma once
// The server test: with the details of a server (not yet saved), connect
// and log in, enter the server folder (or make it, when the caller's
// question says so), write a small test file under a name of its own and
// remove it again, and tell in one plain sentence what worked and what did
// not. Nothing else on the server changes: no rename, no folder but the one
// the user agreed to.
//
// Like the upload, one asynchronous sequence on the outcomes of the
// client's operations: nothing waits in a nested event loop, so the window that runs it stays
// usable and Cancel is answered at once.

#include "upload/FtpClient.h"
#include "upload/UploadSequence.h"

#include <QObject>
#include <QString>
#include <functional>

class TServerProbe : public QObject {
    Q_OBJECT
public:
    enum class TOutcome {
        Ready,          // logged in, entered the folder, wrote and removed the test file
        Unreachable,    // refused, not found or no answer: the address, port or server
        LoginRefused,   // the server refused the login name or password
        LoginFailed,    // reached, but the log-in failed for another reason
        Untrusted,      // the certificate or host key was not trusted
        FolderMissing,  // the folder does not exist and the user chose not to make it
        FolderNotMade,  // the folder does not exist and the server refused to make it
        FolderFailed,   // the folder could not be entered for another reason
        WriteFailed,    // the test file could not be written
        RemoveFailed,   // the test file was written but could not be removed
        Cancelled,
    };

    TServerProbe(TFtpClient& ftp, const TUploadTarget& target, QObject* parent = nullptr);
    ~TServerProbe() override;

    // What the test is doing ("Connecting to ..."), for a status line.
    std::function<void(const QString&)> Status;
    // Asked when the server's certificate or host key is not trusted; true
    // trusts the key shown (the log-in is then tried again with it).
    std::function<bool(const TTrustQuestion&)> AskTrust;
    // Told after the user trusted a key, with the target holding it.
    std::function<void(const TUploadTarget&)> Trusted;
    // Asked when the folder does not exist: true makes it. Without an
    // answer the folder is not made.
    std::function<bool(const QString& folder)> AskMakeFolder;

    // Starts the test and returns at once; Finished tells the end.
    void Start();
    // Starts it and waits in an event loop of its own until it ends (tests).
    bool Run();
    bool Running() const { return step_ != Step::Idle && step_ != Step::Over; }
    // Abandons the test at once; Finished comes before Cancel returns.
    void Cancel();

    TOutcome Outcome() const { return outcome_; }
    // The result in one plain sentence.
    QString Sentence() const { return sentence_; }
    // The name the test file has on the server.
    QString TestFileName() const { return remoteName_; }

signals:
    // The test is over: true when the server is ready for an upload.
    void Finished(bool ready);

private:
    enum class Step { Idle, Connecting, EnteringFolder, MakingFolder, EnteringMade, Writing, Removing, Over };
    void OperationDone(const TFtpOutcome& outcome);
    // The next outcome goes to OperationDone.
    TFtpDone Next();
    void Enter(Step step);
    void Write();
    void Conclude(TOutcome outcome, const QString& sentence);
    QString FolderName() const;
    static QString Reason(const TFtpOutcome& outcome);

    TFtpClient& ftp_;
    TUploadTarget target_;
    Step step_ = Step::Idle;
    TOutcome outcome_ = TOutcome::Ready;
    QString sentence_;
    QString localFile_;   // the test file's content on this computer
    QString remoteName_;  // and its name on the server
    bool cancelled_ = false;
    TTrustingLogin login_;
};
