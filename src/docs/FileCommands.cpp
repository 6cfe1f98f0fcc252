#include "docs/FileCommands.h"

#include "app/AppPaths.h"
#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "docs/SaveInfo.h"
#include "html/ViewStage.h"
#include "model/PageHistory.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDocumentFilter = QStringLiteral("Tarvo Files (*.tve)");
const QString kTemplateFilter = QStringLiteral("Tarvo Template (*.tvt)");

}  // namespace

QString TFileCommands::AskSavePath(const QString& caption, const QString& folder, const QString& fileName,
                                   bool isTemplate) {
    TFileRequest req;
    req.caption = caption;
    req.folder = folder;
    req.fileName = fileName;
    req.filters = isTemplate ? kTemplateFilter : kDocumentFilter;
    req.defaultSuffix = isTemplate ? QStringLiteral("tvt") : QStringLiteral("tve");
    return Dialogs().SaveFile(&w_, req);
}

TFileCommands* AttachFileCommands(TfrmMain& window) {
    auto* files = new TFileCommands(window);
    window.Files = files;
    return files;
}

TFileCommands::TFileCommands(TfrmMain& window) : QObject(&window), w_(window) {
    setObjectName(QStringLiteral("FileCommands"));
    connect(w_.mnuFileNew, &QAction::triggered, this, &TFileCommands::mnuFileNewClick);
    connect(w_.menFileOpen, &QAction::triggered, this, &TFileCommands::menFileOpenClick);
    connect(w_.menFileSave, &QAction::triggered, this, &TFileCommands::menFileSaveClick);
    connect(w_.menFileSaveAs, &QAction::triggered, this, &TFileCommands::menFileSaveAsClick);
    connect(w_.menFileMake, &QAction::triggered, this, &TFileCommands::menFileMakeClick);

    w_.hooks.SaveDocument = [this] { return SaveDocument(); };
    w_.hooks.OpenDocument = [this](const QString& path) {
        OpenDocument(path);
        return true;
    };
    w_.hooks.AskForSave = [this] {
        return SavedOrDiscarded();
    };
}

QString TFileCommands::SaveFolder() const { return JoinPath(AppDir(), QStringLiteral("save")); }
QString TFileCommands::TemplateFolder() const { return JoinPath(AppDir(), QStringLiteral("template")); }

QString TFileCommands::StartFolder() const {
    const QString folder = QFileInfo(w_.Page.DocFileName).absolutePath();
    if (!w_.Page.DocFileName.isEmpty() && QFileInfo(folder).isDir()) return QDir::toNativeSeparators(folder);
    return SaveFolder();
}

void TFileCommands::UpdateCaption() {
    const QString name = QFileInfo(w_.Page.DocFileName).fileName();
    w_.setWindowTitle(w_.ApplicationTitle() + QStringLiteral(" - ") +
                      (w_.Page.DocFileName.isEmpty() ? QStringLiteral("Untitled") : name));
}

QMessageBox::StandardButton TFileCommands::AskForSave() {
    if (!w_.Page.PageChanged) return QMessageBox::No;
    return Dialogs().Ask(&w_, w_.ApplicationTitle(), QStringLiteral("Do you want to save the changes to your Tarvo File?"),
                         TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                         QMessageBox::Yes);
}

bool TFileCommands::SavedOrDiscarded() {
    // A save dialog cancelled after Yes, or a save that failed, keeps the
    // page just as Cancel does: the command must not discard it.
    switch (AskForSave()) {
        case QMessageBox::Yes: return FileSaveAs();
        case QMessageBox::Cancel: return false;
        default: return true;
    }
}

bool TFileCommands::SaveBuilder(const QString& path) {
    const QImage rendering = w_.hooks.RenderSnapshot ? w_.hooks.RenderSnapshot() : QImage();
    const QImage snapshot = CapturePageSnapshot(w_.Page, rendering);
    const QString style = w_.View ? w_.View->SelectedStyleName() : QStringLiteral("[None]");
    QString error;
    if (!WritePageFile(path, w_.Page, style, snapshot, &error)) {
        // The page keeps its old name and stays marked changed.
        Dialogs().Tell(&w_, w_.ApplicationTitle(), error, TMsgIcon::Critical);
        return false;
    }
    w_.Page.PageChanged = false;
    MarkPageSaved(w_);
    w_.Page.DocFileName = path;
    UpdateCaption();
    if (w_.CurrentStage == TfrmMain::stSend)
        for (auto& work : w_.hooks.UploadListChanged) work();
    return true;
}

bool TFileCommands::FileSaveAs() {
    ShowSaveInfoIfWanted(&w_);
    const QString path = AskSavePath(QStringLiteral("Save As"), StartFolder(), w_.Page.DocFileName, false);
    if (path.isEmpty()) return false;
    // A save that failed is no save: the caller must not go on as if the
    // page were safe on disk.
    if (!SaveBuilder(path)) return false;
    if (w_.View) w_.View->SaveFromHTML(w_.View->PageHTMLPath());
    for (auto& work : w_.hooks.UploadListChanged) work();
    return true;
}

bool TFileCommands::SaveChanges() {
    const QString path = AskSavePath(QStringLiteral("Save"), SaveFolder(), w_.Page.DocFileName, false);
    if (path.isEmpty()) return false;
    return SaveBuilder(path);
}

bool TFileCommands::SaveDocument() {
    bool result = false;
    if (w_.Page.DocFileName.isEmpty()) {
        Dialogs().Tell(&w_, w_.ApplicationTitle(),
                       QStringLiteral("Before uploading this file, you will need to save the Tarvo File."),
                       TMsgIcon::Warning);
        result = FileSaveAs();
    } else if (!w_.Page.PageChanged) {
        result = true;
    } else {
        const auto answer = Dialogs().Ask(
            &w_, w_.ApplicationTitle(),
            QStringLiteral("Before uploading this file, you will need to save changes to the Tarvo File."),
            TMsgIcon::Warning, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        result = answer == QMessageBox::Ok && SaveChanges();
    }
    if (result && w_.View) w_.View->SaveFromHTML(w_.View->PageHTMLPath());
    return result;
}

void TFileCommands::ClearForOpen() {
    if (w_.View) w_.View->chkLogo->setChecked(true);
    if (w_.hooks.ClearPage) w_.hooks.ClearPage();
    else w_.Page.ClearChunks();
    w_.Page.DocFileName.clear();
    UpdateCaption();
    w_.Page.PageChanged = false;
}

TPageReadResult TFileCommands::ReadInto(const QString& path) {
    if (!QFile::exists(path)) return TPageReadResult::Unreadable;
    const TPageReadOutcome outcome = ReadPageFile(path, w_.Page, [this](int index) {
        if (w_.hooks.LoadChunk) w_.hooks.LoadChunk(index);
    });
    if (w_.View) w_.View->SelectStyleByName(outcome.HasStyleName ? outcome.StyleName : QStringLiteral("[None]"));
    if (outcome.Fault == TPageReadFault::BadVersionText)
        Dialogs().Tell(&w_, w_.ApplicationTitle(), outcome.Message, TMsgIcon::Warning);
    return outcome.Result;
}

void TFileCommands::OpenDocument(const QString& path) {
    ClearForOpen();
    if (!QFile::exists(path)) return;
    // A file that is not a page, or a damaged one, never names the page:
    // the next Save would overwrite it with what little was read.
    if (ReadInto(path) != TPageReadResult::Ok) return;
    w_.Page.DocFileName = path;
    UpdateCaption();
}

void TFileCommands::LoadTemplate(const QString& path) {
    // The page stays untitled, so a plain Save never overwrites the template.
    ClearForOpen();
    ReadInto(path);
}

void TFileCommands::FileNew() {
    w_.Page.FillingPanel = true;
    if (w_.View) w_.View->chkLogo->setChecked(true);
    if (w_.hooks.ClearPage) w_.hooks.ClearPage();
    else w_.Page.ClearChunks();
    w_.Page.DocFileName.clear();
    UpdateCaption();
    w_.Page.PageChanged = false;
    if (w_.View) w_.View->SelectStyleByName(QStringLiteral("[None]"));
    w_.Page.FillingPanel = false;
    w_.ShowRedPill(TfrmMain::stBuild);
    if (w_.hooks.ShowBlankPanel) w_.hooks.ShowBlankPanel();
}

void TFileCommands::DoTemplate(const QString& path, bool isSavedPage) {
    w_.Page.LoadingDocument = true;
    w_.Page.FillingPanel = true;
    if (w_.View) w_.View->SelectStyleByName(QStringLiteral("[None]"));
    if (SavedOrDiscarded()) {
        if (isSavedPage) OpenDocument(path);
        else LoadTemplate(path);
        if (w_.Page.Count() > 0 && w_.hooks.SelectAndHighlight) w_.hooks.SelectAndHighlight(0);
        if (!w_.OpeningFromGallery) w_.ShowRedPill(TfrmMain::stBuild);
    }
    w_.Page.LoadingDocument = false;
    w_.Page.FillingPanel = false;
}

void TFileCommands::mnuFileNewClick() {
    if (SavedOrDiscarded()) FileNew();
}

void TFileCommands::menFileOpenClick() {
    TFileRequest req;
    req.caption = QStringLiteral("Open");
    req.folder = SaveFolder();
    req.filters = kDocumentFilter + QStringLiteral(";;") + kTemplateFilter;
    req.filterIndex = 0;
    req.defaultSuffix = QStringLiteral("tve");
    const QString path = Dialogs().OpenFile(&w_, req);
    if (path.isEmpty()) return;
    // The filter chosen decides, not the file's own extension.
    DoTemplate(path, req.filterIndex == 0);
}

void TFileCommands::menFileSaveClick() {
    if (!w_.Page.DocFileName.isEmpty() && QFile::exists(w_.Page.DocFileName)) {
        SaveBuilder(w_.Page.DocFileName);
        return;
    }
    ShowSaveInfoIfWanted(&w_);
    const QString path = AskSavePath(QStringLiteral("Save"), StartFolder(), QString(), false);
    if (!path.isEmpty()) SaveBuilder(path);
}

void TFileCommands::menFileSaveAsClick() {
    FileSaveAs();
    for (auto& work : w_.hooks.StageEntered[TfrmMain::stChoose])
        if (w_.CurrentStage == TfrmMain::stChoose) work(TfrmMain::stChoose);
}

void TFileCommands::menFileMakeClick() {
    const QString path = AskSavePath(QStringLiteral("Make Template"), TemplateFolder(), QString(), true);
    if (!path.isEmpty()) SaveBuilder(path);
}
