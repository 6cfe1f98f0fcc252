#include "docs/FileCommands.h"

#include "app/Settings.h"
#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/UserDialogs.h"
#include "docs/PageFile.h"
#include "docs/SaveInfo.h"
#include "model/PageHistory.h"

#include <QCoreApplication>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

namespace {

QString DocumentFilter() { return QCoreApplication::translate("TFileCommands", "Tarvo Files (*.tve)"); }
QString TemplateFilter() { return QCoreApplication::translate("TFileCommands", "Tarvo Template (*.tvt)"); }

}  // namespace

TFileCommands* AttachFileCommands(TStageHost& window, TPageSession& session) {
    return new TFileCommands(window, session);
}

TFileCommands::TFileCommands(TStageHost& window, TPageSession& session)
    : QObject(&window), w_(window), s_(session) {
    setObjectName(QStringLiteral("FileCommands"));
    connect(w_.MenuItem(TStageHost::TMenuItem::FileNew), &QAction::triggered, this, &TFileCommands::mnuFileNewClick);
    connect(w_.MenuItem(TStageHost::TMenuItem::FileOpen), &QAction::triggered, this, &TFileCommands::menFileOpenClick);
    connect(w_.MenuItem(TStageHost::TMenuItem::FileSave), &QAction::triggered, this, &TFileCommands::menFileSaveClick);
    connect(w_.MenuItem(TStageHost::TMenuItem::FileSaveAs), &QAction::triggered, this, &TFileCommands::menFileSaveAsClick);
    connect(w_.MenuItem(TStageHost::TMenuItem::FileMake), &QAction::triggered, this, &TFileCommands::menFileMakeClick);

    s_.User = this;
    s_.ClearBlocks = [this] {
        if (w_.Hooks().ClearPage) w_.Hooks().ClearPage();
        else s_.Page.ClearChunks();
    };
    s_.ChunkLoaded = [this](int index) {
        if (w_.Hooks().LoadChunk) w_.Hooks().LoadChunk(index);
    };
    s_.RenderPage = [this] { return w_.Hooks().RenderSnapshot ? w_.Hooks().RenderSnapshot() : QImage(); };
    connect(&s_, &TPageSession::nameChanged, this, &TFileCommands::UpdateCaption);
    s_.Page.PageChanged.Flipped = [this](bool) { UpdateCaption(); };
    connect(&s_, &TPageSession::documentWritten, this, [this] {
        MarkPageSaved(w_);
        if (w_.CurrentStage() == TStageHost::stSend) emit w_.uploadListChanged();
    });
    connect(&s_, &TPageSession::savedAs, &w_, &TStageHost::uploadListChanged);

    w_.Hooks().SaveDocument = [this] { return SaveDocument(); };
    w_.Hooks().OpenDocument = [this](const QString& path) {
        // A template handed over by the command line or the file manager is
        // opened as the gallery opens it: a new untitled page with its
        // content, so a Save asks for a name and never writes over it.
        if (QFileInfo(path).suffix().compare(QLatin1String("tvt"), Qt::CaseInsensitive) == 0)
            LoadTemplate(path);
        else
            OpenDocument(path);
        return true;
    };
    w_.Hooks().AskForSave = [this] { return SavedOrDiscarded(); };
}

TFileCommands::~TFileCommands() { s_.Page.PageChanged.Flipped = nullptr; }

// ---- What the session asks ---------------------------------------------------------

TSaveAnswer TFileCommands::AskSaveChanges() {
    switch (Dialogs().Ask(&w_, w_.ApplicationTitle(),
                          tr("Do you want to save the changes to your Tarvo File?"), TMsgIcon::Question,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes: return TSaveAnswer::Yes;
        case QMessageBox::No: return TSaveAnswer::No;
        default: return TSaveAnswer::Cancel;
    }
}

void TFileCommands::ShowSaveHint() { ShowSaveInfoIfWanted(&w_); }

QString TFileCommands::AskSavePath(const QString& caption, const QString& folder, const QString& fileName,
                                   bool isTemplate) {
    TFileRequest req;
    req.caption = caption;
    req.folder = folder;
    req.fileName = fileName;
    req.filters = isTemplate ? TemplateFilter() : DocumentFilter();
    req.defaultSuffix = isTemplate ? QStringLiteral("tvt") : QStringLiteral("tve");
    return Dialogs().SaveFile(&w_, req);
}

bool TFileCommands::AcceptPageBytes(const TPageBytes& page) {
    return ::AcceptPageBytes(&w_, w_.ApplicationTitle(), page);
}

bool TFileCommands::ConfirmSaveBeforeUpload(bool untitled) {
    if (untitled) {
        Dialogs().Tell(&w_, w_.ApplicationTitle(),
                       tr("Before uploading this file, you will need to save the Tarvo File."),
                       TMsgIcon::Warning);
        return true;
    }
    // A page with a name is saved to that name: one question, or none once
    // the user chose to be asked no more.
    const QString general = QString::fromLatin1(SettingKeys::General);
    const QString key = QString::fromLatin1(SettingKeys::SaveBeforeSend);
    {
        TTarvoReg reg;
        if (reg.OpenSection(general, false) && reg.ReadString(key) == QLatin1String("Yes")) return true;
    }
    QMessageBox box(QMessageBox::Question, w_.ApplicationTitle(),
                    tr("Your page has changes that are not saved yet. Tarvo saves them to \"%1\" and then "
                       "sends the page.")
                        .arg(s_.DocumentName()),
                    QMessageBox::Save | QMessageBox::Cancel, &w_);
    box.setObjectName(QStringLiteral("msgSaveBeforeSend"));
    box.setDefaultButton(QMessageBox::Save);
    auto* always = new QCheckBox(tr("Always save before sending, without asking"), &box);
    always->setObjectName(QStringLiteral("chkAlwaysSave"));
    box.setCheckBox(always);
    if (Dialogs().Run(&box) != QMessageBox::Save) return false;
    if (always->isChecked()) {
        TTarvoReg reg;
        if (reg.OpenSection(general, true)) {
            reg.WriteString(key, QStringLiteral("Yes"));
            reg.Sync();
        }
    }
    return true;
}

TDiskChangeAnswer TFileCommands::AskDiskChanged(const QString& path) {
    const QString text =
        tr("%1 was changed on the disk by another program or Tarvo window since you opened or saved "
                       "it here.\n\nYes: save your page under another name and keep both.\nNo: overwrite the file "
                       "with your page.\nCancel: do not save.")
            .arg(QDir::toNativeSeparators(path));
    switch (Dialogs().Ask(&w_, w_.ApplicationTitle(), text, TMsgIcon::Warning,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes: return TDiskChangeAnswer::KeepBoth;
        case QMessageBox::No: return TDiskChangeAnswer::Overwrite;
        default: return TDiskChangeAnswer::Cancel;
    }
}

bool TFileCommands::Show(const TSessionOutcome& outcome) {
    if (!outcome.message.isEmpty())
        Dialogs().Tell(&w_, w_.ApplicationTitle(), outcome.message,
                       outcome.kind == TSessionOutcome::Failed ? TMsgIcon::Critical : TMsgIcon::Warning);
    return outcome.done();
}

// ---- The commands ------------------------------------------------------------------

QString TFileCommands::SaveFolder() const { return s_.SaveFolder(); }
QString TFileCommands::TemplateFolder() const { return s_.TemplateFolder(); }

void TFileCommands::UpdateCaption() {
    // "*" before the name while the page has changes not saved.
    const QString mark = s_.Page.PageChanged ? QStringLiteral("*") : QString();
    w_.setWindowTitle(w_.ApplicationTitle() + QStringLiteral(" - ") + mark + s_.DocumentName());
}

QMessageBox::StandardButton TFileCommands::AskForSave() {
    if (!s_.Page.PageChanged) return QMessageBox::No;
    switch (AskSaveChanges()) {
        case TSaveAnswer::Yes: return QMessageBox::Yes;
        case TSaveAnswer::No: return QMessageBox::No;
        case TSaveAnswer::Cancel: break;
    }
    return QMessageBox::Cancel;
}

bool TFileCommands::SavedOrDiscarded() { return Show(s_.SavedOrDiscarded()); }
bool TFileCommands::SaveBuilder(const QString& path) { return Show(s_.SaveBuilder(path)); }
bool TFileCommands::FileSaveAs() { return Show(s_.SaveAs()); }
bool TFileCommands::SaveChanges() { return Show(s_.SaveChanges()); }
bool TFileCommands::SaveDocument() { return Show(s_.SaveDocument()); }
void TFileCommands::OpenDocument(const QString& path) { Show(s_.OpenDocument(path)); }
void TFileCommands::LoadTemplate(const QString& path) { Show(s_.LoadTemplate(path)); }

void TFileCommands::FileNew() {
    s_.FileNew();
    // The program's own switch: a gallery entry still selected in the
    // Choose stage must not replace the empty page.
    w_.ShowRedPill(TStageHost::stBuild, false);
    if (w_.Hooks().ShowBlankPanel) w_.Hooks().ShowBlankPanel();
}

void TFileCommands::DoTemplate(const QString& path, bool isSavedPage) {
    TFlagScope loading(s_.Page.LoadingDocument);
    TFlagScope filling(s_.Page.FillingPanel);
    if (!Show(s_.Open(path, isSavedPage))) return;
    if (s_.Page.Count() > 0 && w_.Hooks().SelectAndHighlight) w_.Hooks().SelectAndHighlight(0);
    // Opened from the gallery, the user's own switch goes on by itself.
    if (!w_.OpeningFromGallery()) w_.ShowRedPill(TStageHost::stBuild, false);
}

void TFileCommands::mnuFileNewClick() {
    if (SavedOrDiscarded()) FileNew();
}

void TFileCommands::menFileOpenClick() {
    TFileRequest req;
    req.caption = tr("Open");
    req.folder = SaveFolder();
    req.filters = DocumentFilter() + QStringLiteral(";;") + TemplateFilter();
    req.filterIndex = 0;
    req.defaultSuffix = QStringLiteral("tve");
    req.typeNames = {{QStringLiteral("tve"), tr("Tarvo page")}, {QStringLiteral("tvt"), tr("Tarvo template")}};
    // Each saved page's snapshot lies beside it.
    req.previewPicture = [](const QString& file) {
        const QString snapshot = SnapshotPath(file);
        return QFileInfo::exists(snapshot) ? snapshot : QString();
    };
    const QString path = Dialogs().OpenFile(&w_, req);
    if (path.isEmpty()) return;
    // The filter chosen decides, not the file's own extension.
    DoTemplate(path, req.filterIndex == 0);
}

void TFileCommands::menFileSaveClick() { Show(s_.Save()); }

void TFileCommands::menFileSaveAsClick() {
    FileSaveAs();
    emit savedAs();
}

void TFileCommands::menFileMakeClick() { Show(s_.MakeTemplate()); }
