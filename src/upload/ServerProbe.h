#pragma once
// The server test: with the details of a server (not yet saved), connect
// and log in, enter the server folder (or make it, when the caller's
// question says so), write a small test file under a name of its own and
// remove it again, and tell in one plain sentence what worked and what did
// not. Nothing else on the server changes: no rename, no folder but the one
// the user agreed to.
//
// Like the upload, a sequence of steps (see StepSequence.h): nothing waits
// in a nested event loop, so the window that runs it stays usable and
// Cancel is answered at once.

#include "app/OneHook.h"
#include "upload/StepSequence.h"
#include "upload/UploadSequence.h"
#include "upload/transfer/FtpClient.h"

#include <QObject>
#include <QString>

class TServerProbe : public TStepSequence, private TTrustingLogin::TOwner {
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

    // Asked when the server's certificate or host key is not trusted; true
    // trusts the key shown (the log-in is then tried again with it).
    TOneHook<bool(const TTrustQuestion&)> AskTrust;
    // Asked when the folder does not exist: true makes it. Without an
    // answer the folder is not made.
    TOneHook<bool(const QString& folder)> AskMakeFolder;

    TOutcome Outcome() const { return outcome_; }
    // The result in one plain sentence.
    QString Sentence() const { return sentence_; }
    // The name the test file has on the server.
    QString TestFileName() const { return remoteName_; }

signals:
    // What the test is doing ("Connecting to ..."), for a status line.
    void Status(const QString& text);
    // Told after the user trusted a key, with the target holding it.
    void Trusted(const TUploadTarget& target);

private:
    enum TStepId { kConnect, kEnterFolder, kMakeFolder, kEnterMade, kWrite, kRemove };
    void Connect();
    void LoggedIn(const TFtpOutcome& outcome);
    void EnterFolder();
    void MakeFolder();
    void EnterMade();
    void Write();
    void Remove();
    void End(TOutcome outcome, const QString& sentence);
    void Concluding() override;
    void Cancelling() override;
    QString FolderName() const;
    static QString Reason(const TFtpOutcome& outcome);
    bool AnswerTrust(const TTrustQuestion& question) override { return AskTrust && AskTrust(question); }
    void KeyTrusted(const TUploadTarget& target) override { emit Trusted(target); }

    TUploadTarget target_;
    TOutcome outcome_ = TOutcome::Ready;
    QString sentence_;
    QString localFile_;   // the test file's content on this computer
    QString remoteName_;  // and its name on the server
    TTrustingLogin login_{*this};
};
