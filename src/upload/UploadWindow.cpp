#include "upload/UploadWindow.h"

#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "upload/transfer/FtpClient.h"
#include "upload/Keyring.h"
#include "upload/PublishHistory.h"
#include "upload/SentRecord.h"
#include "upload/ServerList.h"
#include "upload/TrustQuestion.h"
#include "upload/UploadSequence.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QString kCaption = QStringLiteral("Tarvo");
QString UploadError() { return QCoreApplication::translate("TfrmUpload", "An error has occurred uploading the files to your Web server."); }

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(at);
    return l;
}

// The dialogs' own font, so the texts fit the same on every desktop.
void UseDialogFont(QWidget* w) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    w->setFont(f);
}

void CenterOnScreen(QWidget* w) {
    if (QScreen* s = QGuiApplication::primaryScreen()) w->move(s->geometry().center() - w->rect().center());
}

}  // namespace

TfrmUpload::TfrmUpload(const tWWWServerType& server, std::vector<TUploadFile> files, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      UploadServer(server),
      files_(std::move(files)) {
    setObjectName(QStringLiteral("frmUpload"));
    setWindowTitle(tr("Uploading Files to Web Server"));
    setFixedSize(372, 150);
    UseDialogFont(this);

    imgUpload = new TPicture(this, QStringLiteral("imgUpload"));
    imgUpload->setGeometry(14, 14, 64, 64);
    imgUpload->ShowBitmap(QStringLiteral("Upload_Window"), true);

    lblProgress = MakeLabel(this, "lblProgress", tr("Upload Progress:"), QRect(94, 12, 264, 16));
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setGeometry(94, 30, 264, 18);
    pbProgress->setRange(0, 100);
    pbProgress->setValue(0);
    pbProgress->setTextVisible(false);

    lblStatus = MakeLabel(this, "lblStatus", tr("FTP Status:"), QRect(94, 58, 264, 16));
    lblFTPStatus = MakeLabel(this, "lblFTPStatus", QString(), QRect(94, 76, 264, 20));
    lblFTPStatus->setFrameShape(QFrame::Panel);
    lblFTPStatus->setFrameShadow(QFrame::Sunken);

    butCancel = new QPushButton(tr("Cancel"), this);
    butCancel->setObjectName(QStringLiteral("butCancel"));
    butCancel->setGeometry(146, 112, 80, 27);
    connect(butCancel, &QPushButton::clicked, this, &TfrmUpload::butCancelClick);

    ftp = new TFtpClient(this);
    ftp->setObjectName(QStringLiteral("ftp"));
    connect(ftp, &TFtpClient::OnDisconnect, this, [this] { SetStatus(tr("Disconnected from Web Server.")); });

    timInit = new QTimer(this);
    timInit->setObjectName(QStringLiteral("timInit"));
    timInit->setInterval(100);
    connect(timInit, &QTimer::timeout, this, &TfrmUpload::RunUpload);
    timInit->start();

    CenterOnScreen(this);
}

TfrmUpload::~TfrmUpload() = default;

void TfrmUpload::SetStatus(const QString& text) { lblFTPStatus->setText(QLatin1Char(' ') + text); }

void TfrmUpload::TellFailure(const QString& message, const QString& detail) {
    QString text = detail.isEmpty() ? message : message + QStringLiteral("\n\n") + detail;
    // Stopped part way: what the server holds now.
    if (upload_ && !upload_->ServerState().isEmpty()) text += QStringLiteral("\n\n") + upload_->ServerState();
    Dialogs().Tell(this, kCaption, text, TMsgIcon::Warning);
}

void TfrmUpload::RunUpload() {
    timInit->stop();
    if (running_ || upload_ || Cancelled) return;
    running_ = true;
    if (UploadServer.KeyringName.isEmpty()) {
        StartSequence();
        return;
    }
    // The password is asked of the keyring on its own thread; the window
    // says so, and Cancel works, while it is waiting. A keyring slow to
    // answer is most likely showing its unlock prompt: the upload goes on
    // once it is unlocked, however long that takes.
    SetStatus(tr("Reading the password from the keyring..."));
    auto slow = [this] {
        if (!Cancelled) SetStatus(tr("Waiting for you to unlock the keyring..."));
    };
    Keyring::ReadAsync(UploadServer.KeyringName, this, [this](const Keyring::TReply& reply) {
        if (Cancelled) return;
        if (!TakePasswordReply(UploadServer, reply)) {
            TellFailure(tr("Couldn't read the password of this server from the keyring."),
                        reply.Error + tr("\n\nUnlock the keyring, or type the password again in the "
                                                     "server list, and try again."));
            Finish(false);
            return;
        }
        StartSequence();
    }, slow);
}

void TfrmUpload::StartSequence() {
    upload_ = std::make_unique<TUploadSequence>(*ftp, UploadTargetOf(UploadServer), files_);
    upload_->SetRemovals(Removals);
    TUploadSequence* up = upload_.get();
    connect(up, &TUploadSequence::Status, this, &TfrmUpload::SetStatus);
    connect(up, &TUploadSequence::Progress, this, [this](int value, int maximum) {
        pbProgress->setMaximum(qMax(1, maximum));
        pbProgress->setValue(value);
    });
    // An untrusted certificate or host key is the user's to decide; a key
    // trusted is kept with the server so the next upload asks nothing.
    up->AskTrust = [this](const TTrustQuestion& q) { return AskToTrustServer(this, q); };
    connect(up, &TUploadSequence::Trusted, this, [this](const TUploadTarget& t) {
        UploadServer.TrustedKey = t.TrustedKey;
        UploadServer.HostKey = t.HostKey;
        SaveServerTrust(UploadServer);
        // The list in memory too, or the next upload of this run would ask
        // again.
        for (auto& server : ServerList())
            if (server && server->Name == UploadServer.Name) {
                server->TrustedKey = t.TrustedKey;
                server->HostKey = t.HostKey;
            }
    });
    connect(up, &TUploadSequence::FileDone, this, [this](const TUploadFile& file, bool sent, const QString& why) {
        // The history reads the file to keep it; the record takes the hash
        // of those bytes instead of reading the file a second time.
        QString unkept;
        QByteArray hash;
        if (sent && History && !History->Note(file, true, &unkept, &hash) && !unkept.isEmpty()) unkept_ << unkept;
        if (sent && Record) Record->RecordSent(file, hash);
        if (!sent && !Cancelled)
            failedFiles_ << (why.isEmpty() ? file.Remote : file.Remote + QStringLiteral(": ") + why);
    });
    connect(up, &TUploadSequence::FileSkipped, this, [this](const TUploadFile& file) {
        QByteArray hash;
        if (History) History->Note(file, false, nullptr, &hash);
        if (Record) Record->RecordSent(file, hash);
    });
    connect(up, &TUploadSequence::FileLeftAlone, this,
            [this](const TUploadFile& file, const QString& why) { leftAlone_.insert(file.Remote, why); });
    connect(up, &TUploadSequence::FileRemoved, this, [this](const QString& remote, bool removed, const QString& why) {
        if (removed && Record) Record->RecordRemoved(remote);
        if (removed && History) History->NoteRemoved(remote);
        if (!removed && !Cancelled) failedFiles_ << remote + QStringLiteral(": ") + why;
    });
    connect(upload_.get(), &TUploadSequence::Finished, this, &TfrmUpload::SequenceFinished);
    upload_->Start();
}

void TfrmUpload::SequenceFinished(bool ok) {
    if (Cancelled) return;
    if (!ok) TellOutcome();
    Finish(ok);
}

void TfrmUpload::TellOutcome() {
    // Declined at the trust question (or warned of a changed host key):
    // the user has been told already.
    if (upload_->WasUntrusted()) return;
    switch (upload_->Outcome()) {
        case TUploadOutcome::LoginFailed: {
            // A server that was never reached is no fault of the password.
            const QString server = upload_->Target().Address;
            switch (upload_->LoginFailure().Kind) {
                case TFtpOutcome::TKind::Refused:
                    TellFailure(tr("The server %1 refused the connection: check the address and port.")
                                    .arg(server),
                                upload_->Detail());
                    return;
                case TFtpOutcome::TKind::NotFound:
                    TellFailure(tr("The server %1 could not be found: check the address and port.")
                                    .arg(server),
                                upload_->Detail());
                    return;
                case TFtpOutcome::TKind::NoAnswer:
                    TellFailure(tr("The server %1 did not answer: check the address and port, or try "
                                               "again later.")
                                    .arg(server),
                                upload_->Detail());
                    return;
                case TFtpOutcome::TKind::LoginRefused:
                    TellFailure(LoginFailedText, upload_->Detail());
                    return;
                default:
                    // Reached, but the log-in failed for another reason
                    // (no encryption offered, the connection broke): the
                    // password is not blamed, the detail says why.
                    TellFailure(tr("Tarvo reached the server %1 but could not log in.").arg(server),
                                upload_->Detail());
                    return;
            }
            return;
        }
        case TUploadOutcome::FolderFailed:
            TellFailure(tr("Couldn't change to the specified directory.\r\rPlease check your directory "
                                       "details and try again."),
                        upload_->Detail());
            return;
        case TUploadOutcome::FileFailed:
            // A picture that did not go is told as well: the page on the
            // server would show a hole where it belongs.
            // Stopped before any file's turn (a folder listing that lost
            // the connection): no list, but what went wrong.
            if (failedFiles_.isEmpty()) {
                TellFailure(UploadError(), upload_->Detail());
                return;
            }
            TellFailure(UploadError(),
                        tr("These files were not sent:\n") + failedFiles_.join(QLatin1Char('\n')));
            return;
        default:
            TellFailure(UploadError(), upload_->Detail());
            return;
    }
}

// The one end of every upload: the window closes with its result.
void TfrmUpload::Finish(bool ok) {
    UploadOK = ok && !Cancelled;
    running_ = false;
    close();
}

void TfrmUpload::butCancelClick() {
    if (Cancelled) return;
    Cancelled = true;
    // The sequence disconnects without waiting; a keyring read still out
    // is dropped when it comes.
    if (upload_) upload_->Cancel();
    ftp->Disconnect();
    SetStatus(tr("Connection to Web Server cancelled."));
    Finish(false);
    // Cancelled part way: what the server holds now (nothing to say when
    // the cancel came before any file could go).
    if (upload_ && !upload_->ServerState().isEmpty())
        Dialogs().Tell(this, kCaption, upload_->ServerState(), TMsgIcon::Information);
}

void TfrmUpload::reject() {
    if (running_ && !Cancelled) {
        butCancelClick();
        return;
    }
    QDialog::reject();
}

void TfrmUpload::closeEvent(QCloseEvent* event) {
    // Closed by the window system while sending: that is a cancel.
    if (running_ && !Cancelled) {
        event->ignore();
        butCancelClick();
        return;
    }
    ftp->Disconnect();
    QDialog::closeEvent(event);
}

// --- the success dialog ---

TfrmJoy::TfrmJoy(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmJoy"));
    setWindowTitle(tr("Upload Successful"));
    UseDialogFont(this);

    imgFire = new TPicture(this, QStringLiteral("imgFire"));
    imgFire->setGeometry(12, 12, 160, 160);
    imgFire->setStyleSheet(QStringLiteral("background: black;"));

    // The texts stacked beside the picture, each as tall as it needs.
    int top = 10;
    auto text = [this, &top](const char* name, const QString& s, bool bold = false) {
        QLabel* l = MakeLabel(this, name, s, QRect(186, top, 318, 20));
        QFont f = l->font();
        f.setBold(bold);
        l->setFont(f);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->resize(318, l->heightForWidth(318));
        top += l->height() + 8;
        return l;
    };
    lblCongrats = text("lblCongrats",
                       tr("Congratulations, your page has been successfully uploaded to the Internet."), true);
    lblView = text("lblView",
                   tr("If you click on your page under the magnifying glass you can view your page using "
                                  "your favorite Web Browser. And after that why not rotate the web and check out the "
                                  "Web Pages of the people who helped you get on the Internet."));
    lblTrouble = text("lblTrouble",
                      tr("If for some reason you can't click on your page to go and see your page on the "
                                     "Web, your ISP may have a non-standard upload procedure or you don't have a Web "
                                     "Browser on your system."));
    lblContact = text("lblContact",
                      tr("If your system has a Web Browser, contact your ISP for help to see your page on the Web."));
    const int bottom = qMax(top, 180);
    setFixedSize(516, bottom + 40);

    chkShow = new QCheckBox(tr("Don't show this screen again."), this);
    chkShow->setObjectName(QStringLiteral("chkShow"));
    chkShow->setGeometry(12, bottom + 8, 220, 20);
    butOK = new QPushButton(tr("&OK"), this);
    butOK->setObjectName(QStringLiteral("butOK"));
    butOK->setGeometry(426, bottom + 4, 78, 27);
    butOK->setDefault(true);
    connect(butOK, &QPushButton::clicked, this, &TfrmJoy::butOKClick);

    timFire = new QTimer(this);
    timFire->setObjectName(QStringLiteral("timFire"));
    timFire->setInterval(200);
    connect(timFire, &QTimer::timeout, this, &TfrmJoy::timFireTimer);
    // The first frame is drawn at once, so the picture is never empty.
    timFireTimer();
    timFire->start();

    CenterOnScreen(this);
}

void TfrmJoy::timFireTimer() {
    if (FireFrame == 0) PlayResourceSound(QStringLiteral("wavWorks"));
    DrawResourceBitmap(imgFire, QStringLiteral("Fire%1").arg(FireFrame + 1), 0, 0);
    imgFire->repaint();
    FireFrame = FireFrame >= 10 ? 0 : FireFrame + 1;
}

void TfrmJoy::butOKClick() {
    if (chkShow->isChecked())
        WriteSetting(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::ShowJoy),
                     QStringLiteral("No"));
    accept();
}

void ShowJoyIfWanted(QWidget* parent) {
    if (!ReadSettingBool(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::ShowJoy), true))
        return;
    TfrmJoy joy(parent);
    Dialogs().Run(&joy);
}

QString TfrmUpload::UnkeptWords(const QStringList& alsoUnkept) const {
    const QStringList unkept = unkept_ + alsoUnkept;
    if (unkept.isEmpty()) return QString();
    return tr("The files went to the server, but Tarvo could not keep these for putting this publish back "
              "later:\n\n%1").arg(unkept.join(QLatin1Char('\n')));
}
