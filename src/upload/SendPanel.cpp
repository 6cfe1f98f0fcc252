#include "upload/SendPanel.h"

#include "upload/PublishHistory.h"

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
#include "upload/LiveNotice.h"
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
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <numeric>

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

}  // namespace

TSendPanel* AttachSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture) {
    return new TSendPanel(window, page, servers, flightPicture);
}

TSendPanel::TSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture)
    : QObject(&window), w_(window), page_(page), servers_(servers), flightPicture_(flightPicture) {
    setObjectName(QStringLiteral("SendPanel"));
    w_.Hooks().LinkedPageFile = [this](const QString& doc) { return LinkedPageFile(doc); };
    lblFiles = new QLabel(tr("Files to upload to the server:"), w_.StagePanel(TStageHost::stSend));
    lblFiles->setObjectName(QStringLiteral("lblFiles"));
    lblFiles->setGeometry(16, 90, 170, 16);
    lstFiles = new QListWidget(w_.StagePanel(TStageHost::stSend));
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setGeometry(16, 108, 170, 104);
    // A list to read, not to choose from; not greyed out as if disabled.
    lstFiles->setSelectionMode(QAbstractItemView::NoSelection);
    lstCheckup = new QListWidget(w_.StagePanel(TStageHost::stSend));
    lstCheckup->setObjectName(QStringLiteral("lstCheckup"));
    lstCheckup->setGeometry(16, 108, 170, 54);
    lstCheckup->setWordWrap(true);
    lstCheckup->hide();
    connect(lstCheckup, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int block = item->data(Qt::UserRole).toInt();
        if (block < 0 || block >= page_.Count()) return;
        w_.ShowRedPill(TStageHost::stBuild);
        if (w_.CurrentStage() == TStageHost::stBuild) w_.Hooks().SelectAndHighlight(block);
    });
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
        connect(servers_, &TServerBox::serverChanged, this, &TSendPanel::Refresh);

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
    connect(&w_, &TStageHost::uploadListChanged, this, [this] { BuildUploadList(); UpdateFileList(); });
    live_ = new TLiveNotice(w_);
}

QString TSendPanel::LinkedPageFile(const QString& doc) {
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
}

QString TSendPanel::PageFile() const {
    if (page_.DocFileName.isEmpty()) return QString();
    return JoinPath(HTMLDir(), PageFileName(page_.DocFileName));
}

void TSendPanel::Refresh() {
    BuildUploadList();
    UpdateFileList();
}

void TSendPanel::BuildUploadList() {
    // An unsaved page has no files to send: what an earlier page listed
    // must not stay on show.
    Plan = PlanUpload(PageFile(), nullptr, false, ChosenWebAddress());
    TPageReadOutcome read;
    Findings = page_.DocFileName.isEmpty() ? QList<TCheckFinding>() : CheckDocument(page_.DocFileName, read);
}

void TSendPanel::AddFindings() {
    // What needs attention stands above the files, which then have less
    // room; a click on a finding about a block shows that block in the
    // Build stage. It never stops the upload.
    lstCheckup->clear();
    for (const TCheckFinding& f : Findings) {
        auto* item = new QListWidgetItem(QStringLiteral("\u26A0 ") + f.Text, lstCheckup);
        item->setToolTip(f.Text);
        item->setData(Qt::UserRole, f.Block);
    }
    lstCheckup->setVisible(!Findings.isEmpty());
    lstFiles->setGeometry(Findings.isEmpty() ? QRect(16, 108, 170, 104) : QRect(16, 164, 170, 48));
}

TSentRecord TSendPanel::ChosenServerRecord() const {
    const tWWWServerType* server = servers_ ? servers_->SelectedServer() : nullptr;
    return TSentRecord(server ? UploadTargetOf(*server) : TUploadTarget());
}

QString TSendPanel::ChosenWebAddress() const {
    const tWWWServerType* server = servers_ ? servers_->SelectedServer() : nullptr;
    return server ? UploadTargetOf(*server).WebAddress : QString();
}

void TSendPanel::UpdateFileList() {
    lstFiles->clear();
    lblSendSize->clear();
    if (page_.DocFileName.isEmpty()) {
        Plan = TUploadPlan();
        Findings.clear();
        AddFindings();
        return;
    }
    AddFindings();
    const bool all = chkSendAll->isChecked();
    Plan.States = ChosenServerRecord().Classify(Plan.Files, all);
    // The files in the order they go: what the pages show, the linked
    // pages, and the visitor's page last.
    std::vector<size_t> order(Plan.Files.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return Plan.Files[a].Role < Plan.Files[b].Role; });
    int files = 0, going = 0;
    qint64 bytes = 0;
    for (const size_t i : order) {
        const TSendState state = Plan.States[i];
        AddListItem(Plan.Files[i], state, all);
        if (state == TSendState::Refused || state == TSendState::Missing) continue;
        ++files;
        if (all || state != TSendState::Unchanged) {
            ++going;
            bytes += qMax<qint64>(0, Plan.Files[i].Size);
        }
    }
    lblSendSize->setText(tr("To send: %1 of %2 files, %3")
                             .arg(going)
                             .arg(files)
                             .arg(QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat)));
}

void TSendPanel::AddListItem(const TUploadFile& f, TSendState sendState, bool all) {
    // The page's own file, or the name it goes up as when that is
    // index.html.
    const QString name = f.Role == TFileRole::VisitorPage && f.Remote != QLatin1String("index.html")
                             ? PageFileName(page_.DocFileName)
                             : f.Remote;
    QString state;
    switch (sendState) {
        case TSendState::New: state = tr("new"); break;
        case TSendState::Changed: state = tr("changed"); break;
        case TSendState::Unchanged: state = all ? tr("sent again") : tr("unchanged"); break;
        case TSendState::Missing: state = tr("missing"); break;
        // A refused reference is listed with why it will not be sent.
        case TSendState::Refused: state = tr("not sent: ") + f.Refused; break;
    }
    // A site file goes only where the server folder has none of its own.
    QString why;
    if (f.OnlyIfOurs && !f.Ours && sendState == TSendState::New) {
        const TSentRecord record = ChosenServerRecord();
        const auto it = leftAlone_.constFind(f.Remote);
        if (it != leftAlone_.constEnd() && leftAloneServer_ == record.FileName()) {
            state = tr("left alone: the server's own");
            why = *it;
        } else {
            state = tr("new, if the server has none");
        }
    }
    // The state stays in sight: a name too long for one line with it gets
    // a line of its own, with the state below, and gives way in its middle
    // only when even that line is too short (a reason for not sending is
    // too long for that, and is left whole).
    const QFontMetrics metrics(lstFiles->font());
    const int room = lstFiles->width() - 2 * lstFiles->frameWidth() - 6;
    const QString suffix = QStringLiteral(" (") + state + QLatin1Char(')');
    QString text = name + suffix;
    if (sendState != TSendState::Refused && metrics.horizontalAdvance(text) > room)
        text = metrics.elidedText(name, Qt::ElideMiddle, room) + QLatin1Char('\n') + suffix.trimmed();
    auto* item = new QListWidgetItem(text, lstFiles);
    item->setData(Qt::UserRole, name);
    item->setData(Qt::UserRole + 1, int(sendState));
    item->setToolTip(why.isEmpty() ? name + suffix : name + QStringLiteral(" (") + why + QLatin1Char(')'));
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
    TSentRecord record(UploadTargetOf(*server));
    const TUploadTarget target = UploadTargetOf(*server);
    const std::vector<TUploadFile> files =
        PlanUpload(PageFile(), &record, chkSendAll->isChecked(), target.WebAddress).Files;
    TfrmUpload upload(*server, files, &w_);
    TPublishHistory history(target);
    upload.SetRecord(&record);
    upload.SetHistory(&history);
    Dialogs().Run(&upload);
    leftAlone_ = upload.LeftAlone();
    leftAloneServer_ = record.FileName();
    QString unsaved;
    if (!record.Save(&unsaved)) Dialogs().Tell(&w_, w_.ApplicationTitle(), unsaved, TMsgIcon::Warning);
    if (!history.Record(upload.Succeeded(), false, &unsaved))
        Dialogs().Tell(&w_, w_.ApplicationTitle(), unsaved, TMsgIcon::Warning);
    else if (const QString unkept = upload.UnkeptWords(history.Unkept()); !unkept.isEmpty())
        Dialogs().Tell(&w_, w_.ApplicationTitle(), unkept, TMsgIcon::Warning);
    BuildUploadList();
    UpdateFileList();
    // The entry as the upload left it: a key the user trusted on the way
    // is in it.
    const tWWWServerType* sent = servers_ ? servers_->SelectedServer() : nullptr;
    liveRequest_.reset();
    if (upload.Succeeded() && sent) {
        liveRequest_ = LiveRequestOf(UploadTargetOf(*sent), files);
        liveTries_ = LiveTriesOf(UploadTargetOf(*sent));
    }
    return upload.Succeeded();
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
    const std::vector<TUploadFile> plan = PlanUpload(PageFile()).Files;
    const QStringList replaced = ExportWouldReplace(plan, folder);
    if (!replaced.isEmpty() &&
        Dialogs().Ask(&w_, w_.ApplicationTitle(),
                      tr("%1 already holds files of these names with other contents:\n\n%2\n\nDo you want to replace them?")
                          .arg(QDir::toNativeSeparators(folder), replaced.join(QLatin1Char('\n'))),
                      TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const TExportResult result = ExportSite(plan, folder);
    BuildUploadList();
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
    if (!IsCapitalIndex(name) || !IndexNameAnswer().isEmpty()) return;
    const auto answer = Dialogs().Ask(
        &w_, w_.ApplicationTitle(),
        tr("Your page is named \"%1\". Web servers show the page called \"index.html\", in small "
                       "letters, to people who visit your site, and many of them tell capital and small letters "
                       "apart: visitors may not find your page.\n\nSend it as \"index.html\" instead?")
            .arg(name),
        TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    WriteSetting(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::IndexInSmallLetters),
                 answer == QMessageBox::Yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    BuildUploadList();
    UpdateFileList();
}

void TSendPanel::UploadDone(bool ok) {
    if (!ok) {
        imgUpload->show();
        return;
    }
    w_.ShowRedPill(TStageHost::stSent);
    // Checked while the congratulation shows.
    if (liveRequest_ && w_.CurrentStage() == TStageHost::stSent) live_->Begin(*liveRequest_, liveTries_);
    ShowJoyIfWanted(&w_);
    emit w_.uploadSucceeded();
}
