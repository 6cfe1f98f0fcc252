#include "upload/UploadSequence.h"

#include "upload/FtpClient.h"

#include <QObject>

TUploadSequence::TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files)
    : ftp_(ftp), target_(target), files_(std::move(files)) {}

void TUploadSequence::SetStatus(const QString& text) {
    if (Status) Status(text);
}

void TUploadSequence::Fail(TUploadOutcome outcome) {
    if (cancelled_) outcome = TUploadOutcome::Cancelled;
    // The first failure is the one reported.
    if (outcome_ == TUploadOutcome::Done) {
        outcome_ = outcome;
        if (!cancelled_) detail_ = ftp_.LastErrorText();
    }
}

TUploadTarget UploadTargetOf(tWWWServerType server) {
    FetchPassword(server);
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

void TUploadSequence::Login() {
    ftp_.HostAddress = target_.Address;
    ftp_.Port = target_.Port;
    ftp_.UserName = target_.UserName;
    ftp_.Password = target_.Password;
    ftp_.Security = target_.Security;
    ftp_.TrustedKey = target_.TrustedKey;
    ftp_.HostKey = target_.HostKey;
    ftp_.LastError = 0;
    ftp_.Blocking = true;
    ftp_.Connect();
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

bool TUploadSequence::ConnectToServer() {
    ftp_.LastError = 0;
    untrusted_ = false;
    SetStatus(QStringLiteral("Connecting to ") + target_.Address);
    Login();
    if (ftp_.LastError == ftpUntrusted && !cancelled_ && TrustAsked()) Login();
    if (ftp_.LastError == ftpUntrusted) untrusted_ = true;
    if (cancelled_ || ftp_.LastError > 0) {
        Fail(TUploadOutcome::LoginFailed);
        ftp_.LastError = 0;
        return false;
    }
    SetStatus(QStringLiteral("Connecting to ") + target_.Address);
    if (!target_.Directory.isEmpty() && !cancelled_) {
        ftp_.MakeDirectory(target_.Directory);
        ftp_.LastError = 0;
        ftp_.ChangeDirectory(target_.Directory);
    }
    if (cancelled_ || ftp_.LastError > 0) {
        Fail(TUploadOutcome::FolderFailed);
        ftp_.Cancel();
        return false;
    }
    return true;
}

void TUploadSequence::SetTransferMode(const QString& localFile) {
    const bool binary = IsBinaryTransfer(localFile);
    if (ftp_.Binary != binary) ftp_.Binary = binary;
}

bool TUploadSequence::SendOne(const TUploadFile& file) {
    ftp_.LastError = 0;
    ftp_.LocalFile = file.Local;
    ftp_.RemoteFile = file.Remote;
    SetTransferMode(ftp_.LocalFile);
    ftp_.SetAction(TFtpClient::actSend);
    const bool ok = ftp_.LastError == 0 && !cancelled_;
    ++done_;
    if (Progress) Progress(done_ * 100, int(files_.size()) * 100);
    if (FileDone) FileDone(file, ok, ok ? QString() : ftp_.LastErrorText());
    return ok;
}

bool TUploadSequence::SendFiles() {
    const int maximum = int(files_.size()) * 100;
    done_ = 0;
    if (Progress) Progress(0, maximum);
    SetStatus(QStringLiteral("Uploading files to Web Server..."));
    // Within a file, the bar moves with its bytes.
    const auto connection = QObject::connect(&ftp_, &TFtpClient::Progress, [this, maximum](qint64 sent, qint64 total) {
        if (Progress && total > 0) Progress(done_ * 100 + int(sent * 100 / total), maximum);
    });
    ftp_.MakeDirectory(QStringLiteral("graphics"));
    ftp_.MakeDirectory(QStringLiteral("backgrnd"));
    ftp_.LastError = 0;

    bool ok = !files_.empty() && !cancelled_ && SendOne(files_.front());
    if (!ok) {
        Fail(TUploadOutcome::PageFailed);
    } else {
        // The other files are all tried; the first failure is reported.
        for (size_t i = 1; i < files_.size() && !cancelled_; ++i)
            if (!SendOne(files_[i])) {
                ok = false;
                Fail(TUploadOutcome::FileFailed);
            }
        if (cancelled_ && ok) {
            ok = false;
            Fail(TUploadOutcome::Cancelled);
        }
    }
    QObject::disconnect(connection);
    if (!cancelled_) {
        SetStatus(QStringLiteral("Disconnecting from Web Server..."));
        ftp_.Disconnect();
        SetStatus(QStringLiteral("Upload Completed."));
    }
    return ok;
}

bool TUploadSequence::Run() { return ConnectToServer() && !cancelled_ && SendFiles(); }

void TUploadSequence::Cancel() {
    cancelled_ = true;
    ftp_.Cancel();
}
