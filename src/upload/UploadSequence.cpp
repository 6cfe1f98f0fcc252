#include "upload/UploadSequence.h"

#include "upload/FtpClient.h"
#include "upload/ServerList.h"

#include <QCoreApplication>
#include <QEventLoop>

TUploadSequence::TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files,
                                 QObject* parent)
    : QObject(parent), ftp_(ftp), target_(target), files_(std::move(files)) {}

TUploadSequence::~TUploadSequence() {
    disconnect(done_);
    disconnect(progress_);
}

void TUploadSequence::SetStatus(const QString& text) {
    if (Status) Status(text);
}

void TUploadSequence::Fail(TUploadOutcome outcome, const QString& detail) {
    if (cancelled_) outcome = TUploadOutcome::Cancelled;
    // The first failure is the one reported.
    if (outcome_ == TUploadOutcome::Done) {
        outcome_ = outcome;
        if (!cancelled_) detail_ = detail;
    }
}

TUploadTarget UploadTargetOf(const tWWWServerType& server) {
    TUploadTarget target;
    if (!SplitAddress(server.Address, DefaultPort(server.Security), target.Address, target.Port)) {
        // Left for the connection to report as not valid.
        target.Address = server.Address.trimmed();
        target.Port = DefaultPort(server.Security);
    }
    target.Directory = server.Directory;
    target.UserName = server.UserName;
    target.Password = server.Password;
    target.Security = server.Security;
    target.TrustedKey = server.TrustedKey;
    target.HostKey = server.HostKey;
    return target;
}

void TUploadSequence::Start() {
    if (step_ != Step::Idle) return;
    ftp_.Blocking = false;
    done_ = connect(&ftp_, &TFtpClient::OperationDone, this, &TUploadSequence::OperationDone);
    // Within a file, the bar moves with its bytes.
    progress_ = connect(&ftp_, &TFtpClient::Progress, this, [this](qint64 sent, qint64 total) {
        if (step_ == Step::Sending && Progress && total > 0)
            Progress(int(next_) * 100 + int(sent * 100 / total), int(files_.size()) * 100);
    });
    ftp_.LastError = 0;
    untrusted_ = false;
    step_ = Step::Connecting;
    SetStatus(QCoreApplication::translate("UploadSequence", "Connecting to ") + target_.Address);
    Login();
}

bool TUploadSequence::Run() {
    Start();
    if (Running()) {
        QEventLoop loop;
        connect(this, &TUploadSequence::Finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome_ == TUploadOutcome::Done && !cancelled_;
}

void TUploadSequence::Login() {
    ftp_.HostAddress = target_.Address;
    ftp_.Port = target_.Port;
    ftp_.UserName = target_.UserName;
    ftp_.Password = target_.Password;
    ftp_.Security = target_.Security;
    ftp_.TrustedKey = target_.TrustedKey;
    ftp_.HostKey = target_.HostKey;
    ftp_.LastError = 0;
    ftp_.Connect();
    // Refused before anything was sent: no OperationDone will come.
    if (!ftp_.Busy()) OperationDone(ftp_.LastError);
}

// After a log-in refused for an untrusted key: asks, and on "trust" keeps
// the key in the target. True when the log-in is to be tried again.
bool TUploadSequence::TrustAsked() {
    untrusted_ = true;
    question_ = TTrustQuestion{target_.Security, target_.Address, ftp_.TrustProblem(), ftp_.PeerFingerprint(),
                               ftp_.KeyChanged()};
    if (!AskTrust || !AskTrust(question_) || cancelled_) return false;
    (target_.Security == TSecurity::SFTP ? target_.HostKey : target_.TrustedKey) = question_.Fingerprint;
    if (Trusted) Trusted(target_);
    untrusted_ = false;
    return true;
}

void TUploadSequence::EnterFolder() {
    step_ = Step::MakingFolder;
    ftp_.MakeDirectory(target_.Directory);
    if (!ftp_.Busy()) OperationDone(ftp_.LastError);
}

void TUploadSequence::OperationDone(int error) {
    if (cancelled_ || !Running()) return;
    switch (step_) {
        case Step::Connecting:
        case Step::Reconnecting:
            if (error == ftpUntrusted && step_ == Step::Connecting && TrustAsked()) {
                if (cancelled_) return;
                step_ = Step::Reconnecting;
                Login();
                return;
            }
            if (error) {
                untrusted_ = error == ftpUntrusted;
                reach_ = ftp_.Reach();
                Fail(TUploadOutcome::LoginFailed, ftp_.LastErrorText());
                Finish();
                return;
            }
            SetStatus(QCoreApplication::translate("UploadSequence", "Connecting to ") + target_.Address);
            if (!target_.Directory.isEmpty()) {
                EnterFolder();
                return;
            }
            break;
        case Step::MakingFolder:
            // An existing folder is no error; entering it tells.
            step_ = Step::EnteringFolder;
            ftp_.LastError = 0;
            ftp_.ChangeDirectory(target_.Directory);
            if (!ftp_.Busy()) OperationDone(ftp_.LastError);
            return;
        case Step::EnteringFolder:
            if (error) {
                Fail(TUploadOutcome::FolderFailed, ftp_.LastErrorText());
                Finish();
                return;
            }
            break;
        case Step::MakingGraphics:
            step_ = Step::MakingBackgrounds;
            ftp_.MakeDirectory(QStringLiteral("backgrnd"));
            if (!ftp_.Busy()) OperationDone(ftp_.LastError);
            return;
        case Step::MakingBackgrounds:
            ftp_.LastError = 0;
            next_ = 0;
            step_ = Step::Sending;
            SendNext();
            return;
        case Step::Sending: {
            const TUploadFile& file = files_[next_];
            const QString why = error ? ftp_.LastErrorText() : QString();
            ++next_;
            if (Progress) Progress(int(next_) * 100, int(files_.size()) * 100);
            if (FileDone) FileDone(file, !error, why);
            if (error && next_ == 1) {
                // Without the page nothing else is worth sending.
                Fail(TUploadOutcome::PageFailed, why);
                Finish();
                return;
            }
            // The other files are all tried; the first failure is reported.
            if (error) Fail(TUploadOutcome::FileFailed, why);
            SendNext();
            return;
        }
        default:
            return;
    }
    // Logged in and in the folder: the files.
    if (Progress) Progress(0, int(files_.size()) * 100);
    SetStatus(QCoreApplication::translate("UploadSequence", "Uploading files to Web Server..."));
    step_ = Step::MakingGraphics;
    ftp_.MakeDirectory(QStringLiteral("graphics"));
    if (!ftp_.Busy()) OperationDone(ftp_.LastError);
}

void TUploadSequence::SendNext() {
    // Refused files are told in their turn and never reach the client.
    while (next_ < files_.size() && !files_[next_].Refused.isEmpty()) {
        const TUploadFile& file = files_[next_++];
        if (Progress) Progress(int(next_) * 100, int(files_.size()) * 100);
        if (FileDone) FileDone(file, false, file.Refused);
        Fail(TUploadOutcome::FileFailed, file.Remote + QStringLiteral(": ") + file.Refused);
    }
    if (next_ >= files_.size()) {
        if (files_.empty()) Fail(TUploadOutcome::PageFailed, QCoreApplication::translate("UploadSequence", "There is no page to send."));
        Finish();
        return;
    }
    const TUploadFile& file = files_[next_];
    ftp_.LastError = 0;
    ftp_.LocalFile = file.Local;
    ftp_.RemoteFile = file.Remote;
    const bool binary = IsBinaryTransfer(file.Local);
    if (ftp_.Binary != binary) ftp_.Binary = binary;
    ftp_.SetAction(TFtpClient::actSend);
    if (!ftp_.Busy()) OperationDone(ftp_.LastError);
}

void TUploadSequence::Finish() {
    if (!Running()) return;
    const bool sending = step_ == Step::Sending;
    step_ = Step::Over;
    disconnect(done_);
    disconnect(progress_);
    // Closing never waits: an operation still running is abandoned.
    if (sending && !cancelled_) SetStatus(QCoreApplication::translate("UploadSequence", "Disconnecting from Web Server..."));
    ftp_.Disconnect();
    if (sending && !cancelled_) SetStatus(QCoreApplication::translate("UploadSequence", "Upload Completed."));
    emit Finished(outcome_ == TUploadOutcome::Done && !cancelled_);
}

void TUploadSequence::Cancel() {
    if (cancelled_) return;
    cancelled_ = true;
    outcome_ = TUploadOutcome::Cancelled;
    detail_.clear();
    ftp_.Cancel();
    Finish();
}
