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

bool TUploadSequence::ConnectToServer() {
    ftp_.LastError = 0;
    SetStatus(QStringLiteral("Connecting to ") + target_.Address);
    ftp_.HostAddress = target_.Address;
    ftp_.Port = target_.Port;
    ftp_.UserName = target_.UserName;
    ftp_.Password = target_.Password;
    ftp_.LastError = 0;
    ftp_.Blocking = true;
    ftp_.Connect();
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
