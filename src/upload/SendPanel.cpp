#include "upload/SendPanel.h"

#include "app/AppPaths.h"
#include "app/StageHost.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "docs/HtmlCommand.h"
#include "app/SafeWrite.h"
#include "html/PageEncoding.h"
#include "model/WebBlocks.h"
#include "upload/ServerBox.h"
#include "upload/SiteExport.h"
#include "upload/UploadSequence.h"
#include "upload/UploadWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QTimer>

#include "upload/FtpClient.h"

namespace {

// Where each frame of the flight is drawn, on the Send panel.
struct TFlightFrame {
    const char* picture;
    int x, y;
};
constexpr TFlightFrame kFlight[9] = {
    {"Web_Upload1", 489, 102}, {"Web_Upload2", 504, 151}, {"Web_Upload3", 501, 151},
    {"Web_Upload4", 500, 150}, {"Web_Upload5", 482, 150}, {"Web_Upload6", 466, 149},
    {"Web_Upload7", 463, 149}, {"Web_Upload8", 442, 150}, {"Web_Upload9", 401, 142},
};

// "Index.html" and the like: the start page, but not as servers that tell
// capital and small letters apart look for it.
bool IsCapitalIndex(const QString& name) {
    const QString lower = QStringLiteral("index.html");
    return name != lower && name.compare(lower, Qt::CaseInsensitive) == 0;
}

QString IndexAnswer() {
    TTarvoReg reg;
    if (!reg.OpenSection(QString::fromLatin1(SettingKeys::General), false)) return QString();
    return reg.ReadString(QString::fromLatin1(SettingKeys::IndexInSmallLetters));
}

}  // namespace

QString SentPageName(const QString& docFileName) {
    const QString name = PageFileName(docFileName).remove(QLatin1Char(' '));
    if (IsCapitalIndex(name) && IndexAnswer() == QLatin1String("Yes")) return QStringLiteral("index.html");
    return name;
}

TSendPanel* AttachSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture) {
    return new TSendPanel(window, page, servers, flightPicture);
}

TSendPanel::TSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture)
    : QObject(&window), w_(window), page_(page), servers_(servers), flightPicture_(flightPicture) {
    setObjectName(QStringLiteral("SendPanel"));
    // A link to a saved page names its HTML file, which the upload sends:
    // a page saved before it ever had one gets it now.
    w_.Hooks().LinkedPageFile = [this](const QString& doc) {
        const QString name = PageFileName(doc);
        const QString html = JoinPath(HTMLDir(), name);
        if (!QFileInfo::exists(html)) {
            TPageReadOutcome read;
            const QString text = PageHtmlOfDocument(doc, true, read);
            if (read.Result == TPageReadResult::Ok) {
                const TWriteOutcome written = WriteFileChecked(html, EncodePageHTML(text).Bytes);
                if (!written.ok) Dialogs().Tell(&w_, w_.ApplicationTitle(), written.Message(html), TMsgIcon::Warning);
            }
        }
        return name;
    };
    lblFiles = new QLabel(tr("Files to upload to the server:"), w_.StagePanel(TStageHost::stSend));
    lblFiles->setObjectName(QStringLiteral("lblFiles"));
    lblFiles->setGeometry(16, 90, 170, 16);
    lstFiles = new QListWidget(w_.StagePanel(TStageHost::stSend));
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setGeometry(16, 108, 170, 104);
    // A list to read, not to choose from; not greyed out as if disabled.
    lstFiles->setSelectionMode(QAbstractItemView::NoSelection);
    lblSendSize = new QLabel(w_.StagePanel(TStageHost::stSend));
    lblSendSize->setObjectName(QStringLiteral("lblSendSize"));
    // Two lines: the count and size take more room in some languages.
    lblSendSize->setGeometry(16, 213, 170, 30);
    lblSendSize->setWordWrap(true);
    lblSendSize->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkSendAll = new QCheckBox(tr("Send every file again"), w_.StagePanel(TStageHost::stSend));
    chkSendAll->setObjectName(QStringLiteral("chkSendAll"));
    chkSendAll->setGeometry(16, 243, 170, 20);
    connect(chkSendAll, &QCheckBox::toggled, this, &TSendPanel::UpdateFileList);
    // What goes depends on what went to the chosen server before.
    if (servers_)
        connect(servers_, &TServerBox::serverChanged, this, &TSendPanel::UpdateFileList);

    menFileExport = new QAction(tr("E&xport Site..."), this);
    menFileExport->setObjectName(QStringLiteral("menFileExport"));
    const QList<QAction*> fileActions = w_.FileMenu()->actions();
    const qsizetype after = fileActions.indexOf(w_.MenuItem(TStageHost::TMenuItem::ExternalPreview));
    w_.FileMenu()->insertAction(after >= 0 ? fileActions.value(after + 1) : nullptr, menFileExport);
    connect(menFileExport, &QAction::triggered, this, &TSendPanel::menFileExportClick);

    imgUpload = new TPicture(w_.StagePanel(TStageHost::stSend), QStringLiteral("imgUpload"));
    imgUpload->setGeometry(512, 184, 71, 93);
    imgUpload->ShowBitmap(QStringLiteral("Web_Page"), true);
    imgUpload->setCursor(ScreenCursor(5));
    imgUpload->Tag = 40;  // not 0: the first flash step shows the bright page
    connect(imgUpload, &TPicture::clicked, this, &TSendPanel::imgUploadClick);

    ftp = new TFtpClient(this);
    ftp->setObjectName(QStringLiteral("ftp"));

    connect(&w_, &TStageHost::sendStageTick, this, &TSendPanel::timFlashPageTimer);
    timUpload = new QTimer(&w_);  // the window's, where its name is looked up
    timUpload->setObjectName(QStringLiteral("timUpload"));
    timUpload->setInterval(50);
    connect(timUpload, &QTimer::timeout, this, &TSendPanel::timUploadTimer);

    w_.OnStage(&TStageHost::stageEntered, TStageHost::stSend, this, [this](int) {
        imgUpload->show();
        imgUpload->raise();
        BuildUploadList();
        UpdateFileList();
    });
    connect(&w_, &TStageHost::uploadListChanged, this, [this] {
        BuildUploadList();
        UpdateFileList();
    });
    w_.installEventFilter(this);
}

QString TSendPanel::PageFile() const {
    if (page_.DocFileName.isEmpty()) return QString();
    return JoinPath(HTMLDir(), PageFileName(page_.DocFileName));
}

void TSendPanel::BuildUploadList() {
    // An unsaved page has no files to send: what an earlier page listed
    // must not stay on show.
    const QString page = PageFile();
    Uploads = page.isEmpty() ? UploadList() : BuildSiteList(page);
}

std::vector<TUploadFile> TSendPanel::MakePlan() const {
    const QString page = PageFile();
    std::vector<TUploadFile> plan = MakeUploadPlan(page, Uploads);
    // The page the visitor opens is the plan's last entry; a copy of it
    // that a link names otherwise keeps the link's name.
    if (!plan.empty() && plan.back().Local == page) plan.back().Remote = SentPageName(page_.DocFileName);
    return plan;
}

TSentRecord TSendPanel::ChosenServerRecord() const {
    const tWWWServerType* server = servers_ ? servers_->SelectedServer() : nullptr;
    return TSentRecord(server ? UploadTargetOf(*server) : TUploadTarget());
}

void TSendPanel::UpdateFileList() {
    lstFiles->clear();
    lblSendSize->clear();
    Plan.clear();
    States.clear();
    if (page_.DocFileName.isEmpty()) return;
    Plan = MakePlan();
    const bool all = chkSendAll->isChecked();
    States = ChosenServerRecord().Classify(Plan, all);

    const QString page = PageFile();
    const QFontMetrics metrics(lstFiles->font());
    const int room = lstFiles->width() - 2 * lstFiles->frameWidth() - 6;
    int files = 0, going = 0;
    qint64 bytes = 0;
    auto add = [&](size_t i) {
        const TUploadFile& f = Plan[i];
        // The page's own file, or the name it goes up as when that was chosen.
        const QString name = f.Local == page && f.Remote != QLatin1String("index.html")
                                 ? PageFileName(page_.DocFileName)
                                 : f.Remote;
        QString state;
        switch (States[i]) {
            case TSendState::New: state = tr("new"); break;
            case TSendState::Changed: state = tr("changed"); break;
            case TSendState::Unchanged: state = all ? tr("sent again") : tr("unchanged"); break;
            case TSendState::Missing: state = tr("missing"); break;
            // A refused reference is listed with why it will not be sent.
            case TSendState::Refused: state = tr("not sent: ") + f.Refused; break;
        }
        if (States[i] != TSendState::Refused && States[i] != TSendState::Missing) {
            ++files;
            if (all || States[i] != TSendState::Unchanged) {
                ++going;
                bytes += qMax<qint64>(0, f.Size);
            }
        }
        // The state stays in sight: a name too long for one line with it
        // gets a line of its own, with the state below, and gives way in its
        // middle only when even that line is too short (a reason for not
        // sending is too long for that, and is left whole).
        const QString suffix = QStringLiteral(" (") + state + QLatin1Char(')');
        const bool elide = States[i] != TSendState::Refused;
        QString text = name + suffix;
        if (elide && metrics.horizontalAdvance(text) > room)
            text = metrics.elidedText(name, Qt::ElideMiddle, room) + QLatin1Char('\n') + suffix.trimmed();
        auto* item = new QListWidgetItem(text, lstFiles);
        item->setData(Qt::UserRole, name);
        item->setData(Qt::UserRole + 1, int(States[i]));
        item->setToolTip(name + suffix);
    };
    // The files first and the page last, as the visitor's page goes up
    // after what it shows.
    for (size_t i = 0; i < Plan.size(); ++i)
        if (Plan[i].Local != page) add(i);
    for (size_t i = 0; i < Plan.size(); ++i)
        if (Plan[i].Local == page) add(i);
    lblSendSize->setText(tr("To send: %1 of %2 files, %3")
                             .arg(going)
                             .arg(files)
                             .arg(QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat)));
}

void TSendPanel::timFlashPageTimer() {
    imgUpload->ShowBitmap(imgUpload->Tag != 0 ? QStringLiteral("Web_PageFlash") : QStringLiteral("Web_Page"), true);
    imgUpload->repaint();
    imgUpload->Tag = imgUpload->Tag == 0 ? 1 : 0;
}

void TSendPanel::imgUploadClick() {
    // One upload at a time: clicks during the flight are not a second one.
    if (timUpload->isActive() || UploadAnimFrame != 0) return;
    if (!servers_ || servers_->ServerCount() == 0) {
        Dialogs().Tell(&w_, w_.ApplicationTitle(),
                       tr("There is no WWW server to upload your page to yet.\n\nClick \"Edit WWW Server "
                                      "List\" and enter the details your Internet provider gave you, then click your "
                                      "page again."),
                       TMsgIcon::Information);
        return;
    }
    if (page_.DocFileName.isEmpty()) {
        Dialogs().Tell(&w_, w_.ApplicationTitle(),
                       tr("Please save your page first.\n\nThe upload sends the page as it was last "
                                      "saved, so it needs a name on your computer."),
                       TMsgIcon::Information);
        return;
    }
    AskAboutIndexName();
    imgUpload->ShowBitmap(QStringLiteral("Web_Page"), true);
    imgUpload->Tag = 1;  // the next flash step shows the bright page
    timUpload->start();
}

void TSendPanel::timUploadTimer() {
    // The flight is drawn into the web picture of the panel.
    TPicture* web = flightPicture_;
    if (UploadAnimFrame >= 9) {
        if (web) {
            DrawResourceBitmap(web, QStringLiteral("Web_Back"), 0, 0);
            web->repaint();
        }
        UploadAnimFrame = 0;
        timUpload->stop();
        UploadDone(UploadFiles());
        return;
    }
    const TFlightFrame& f = kFlight[UploadAnimFrame];
    if (UploadAnimFrame == 0) {
        imgUpload->hide();
        PlayResourceSound(QStringLiteral("wavUpload"));
    }
    if (web) {
        w_.LockWindow(&w_);
        DrawResourceBitmap(web, QStringLiteral("Web_Back"), 0, 0);
        DrawResourceBitmap(web, QLatin1String(f.picture), f.x - web->x(), f.y - web->y());
        w_.LockWindow(nullptr);
        web->repaint();
    }
    ++UploadAnimFrame;
}

bool TSendPanel::UploadFiles() {
    const tWWWServerType* server = servers_ ? servers_->SelectedServer() : nullptr;
    if (!server) return false;
    // The site as it is now, each file checked against what went to this
    // server and folder before.
    BuildUploadList();
    std::vector<TUploadFile> plan = MakePlan();
    TSentRecord record(UploadTargetOf(*server));
    record.Classify(plan, chkSendAll->isChecked());
    TfrmUpload upload(*server, plan, &w_);
    upload.Record = &record;
    Dialogs().Run(&upload);
    QString unsaved;
    if (!record.Save(&unsaved)) Dialogs().Tell(&w_, w_.ApplicationTitle(), unsaved, TMsgIcon::Warning);
    UpdateFileList();
    return upload.UploadOK;
}

void TSendPanel::menFileExportClick() {
    // The export writes the page as saved, like an upload.
    if (!w_.Hooks().SaveDocument || !w_.Hooks().SaveDocument()) return;
    TFileRequest request;
    request.caption = tr("Export Site");
    request.folder = QDir::homePath();
    request.chooseFolder = true;
    const QString folder = Dialogs().OpenFile(&w_, request);
    if (folder.isEmpty()) return;
    BuildUploadList();
    const std::vector<TUploadFile> plan = MakePlan();
    const QStringList replaced = ExportWouldReplace(plan, folder);
    if (!replaced.isEmpty() &&
        Dialogs().Ask(&w_, w_.ApplicationTitle(),
                      tr("%1 already holds files of these names with other contents:\n\n%2\n\nDo you want to replace them?")
                          .arg(QDir::toNativeSeparators(folder), replaced.join(QLatin1Char('\n'))),
                      TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const TExportResult result = ExportSite(plan, folder);
    UpdateFileList();
    if (result.ok()) {
        Dialogs().Tell(&w_, w_.ApplicationTitle(),
                       tr("Your site is in %1: %2 files, ready to send to your web server by hand.")
                           .arg(QDir::toNativeSeparators(folder))
                           .arg(result.Written.size()),
                       TMsgIcon::Information);
        return;
    }
    Dialogs().Tell(&w_, w_.ApplicationTitle(),
                   tr("These files of your site were not written to %1:\n\n%2")
                       .arg(QDir::toNativeSeparators(folder), result.Failed.join(QLatin1Char('\n'))),
                   TMsgIcon::Warning);
}

// Asked once: the answer holds for every later upload of such a page.
void TSendPanel::AskAboutIndexName() {
    const QString name = PageFileName(page_.DocFileName).remove(QLatin1Char(' '));
    if (!IsCapitalIndex(name) || !IndexAnswer().isEmpty()) return;
    const auto answer = Dialogs().Ask(
        &w_, w_.ApplicationTitle(),
        tr("Your page will be sent as \"%1\". Web servers show the page called \"index.html\", in small "
                       "letters, to people who visit your site, and many of them tell capital and small letters "
                       "apart: visitors may not find your page.\n\nSend it as \"index.html\" instead?")
            .arg(name),
        TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    WriteSetting(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::IndexInSmallLetters),
                 answer == QMessageBox::Yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    UpdateFileList();
}

void TSendPanel::UploadDone(bool ok) {
    if (!ok) {
        imgUpload->show();
        return;
    }
    w_.ShowRedPill(TStageHost::stSent);
    ShowJoyIfWanted(&w_);
    emit w_.uploadSucceeded();
}

bool TSendPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        ftp->Cancel();
    return QObject::eventFilter(watched, event);
}
