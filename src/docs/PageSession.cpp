#include "docs/PageSession.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void Run(const std::function<void()>& f) {
    if (f) f();
}

}  // namespace

// ---- The logo and the HTML -------------------------------------------------------

void TPageSession::SetLogo(bool on) {
    if (logo_ == on) return;
    logo_ = on;
    Run(LogoChanged);
    // An empty text (the Choose and Build stages, or a page being opened or
    // started anew) holds no page: writing it would empty the page's last
    // good HTML file.
    if (html_.isEmpty()) return;
    html_ = on ? InsertLogo(html_) : RemoveLogo(html_);
    Run(HTMLChanged);
    WritePageHTML(PageHTMLPath());
}

const TStyleChunk* TPageSession::ChosenStyle() const {
    if (!Styles) return nullptr;
    return StyleForListBoxIndex(*Styles, StyleListBoxIndex(*Styles, StyleName));
}

QString TPageSession::PageHTMLText() {
    if (!html_.isEmpty() && html_ != QLatin1String("<BODY>")) return html_;
    return AddBodyDef(BuildPageHTML(Page, logo_), ChosenStyle());
}

QString TPageSession::PageHTMLPath() const {
    const QString name = StripExtension(QFileInfo(Page.DocFileName).fileName());
    return JoinPath(HTMLDir(), name + QStringLiteral(".html"));
}

bool TPageSession::WritePageHTML(const QString& path) {
    // Written beside the old file and renamed over it, so a failed write
    // never destroys the last good page.
    const TPageBytes page = EncodePageHTML(PageHTMLText());
    if (!page.Fits() && !(User && User->AcceptPageBytes(page))) return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(page.Bytes);
    return f.commit();
}

// ---- Names and folders -------------------------------------------------------------

QString TPageSession::DocumentName() const {
    return Page.DocFileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(Page.DocFileName).fileName();
}

QString TPageSession::SaveFolder() const { return JoinPath(AppDir(), QStringLiteral("save")); }
QString TPageSession::TemplateFolder() const { return JoinPath(AppDir(), QStringLiteral("template")); }

QString TPageSession::StartFolder() const {
    const QString folder = QFileInfo(Page.DocFileName).absolutePath();
    if (!Page.DocFileName.isEmpty() && QFileInfo(folder).isDir()) return QDir::toNativeSeparators(folder);
    return SaveFolder();
}

void TPageSession::SetName(const QString& path) {
    Page.DocFileName = path;
    Run(NameChanged);
}

void TPageSession::ChooseStyle(const QString& name) {
    StyleName = name;
    Run(StyleChanged);
}

QString TPageSession::AskPath(const QString& caption, const QString& folder, const QString& name,
                              bool isTemplate) const {
    return User ? User->AskSavePath(caption, folder, name, isTemplate) : QString();
}

// ---- Saving ----------------------------------------------------------------------

TSessionOutcome TPageSession::SaveBuilder(const QString& path) {
    const QImage snapshot = CapturePageSnapshot(Page, RenderPage ? RenderPage() : QImage());
    QString error;
    // On failure the page keeps its old name and stays marked changed.
    if (!WritePageFile(path, Page, StyleName, snapshot, &error)) return TSessionOutcome::Fail(error);
    Page.PageChanged = false;
    SetName(path);
    Run(DocumentWritten);
    return TSessionOutcome::Ok();
}

TSessionOutcome TPageSession::SaveAs() {
    if (User) User->ShowSaveHint();
    const QString path = AskPath(QStringLiteral("Save As"), StartFolder(), Page.DocFileName, false);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    const TSessionOutcome saved = SaveBuilder(path);
    if (!saved.done()) return saved;
    WritePageHTML(PageHTMLPath());
    Run(SavedAs);
    return saved;
}

TSessionOutcome TPageSession::SaveChanges() {
    const QString path = AskPath(QStringLiteral("Save"), SaveFolder(), Page.DocFileName, false);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    return SaveBuilder(path);
}

TSessionOutcome TPageSession::Save() {
    if (!Page.DocFileName.isEmpty() && QFile::exists(Page.DocFileName)) return SaveBuilder(Page.DocFileName);
    if (User) User->ShowSaveHint();
    const QString path = AskPath(QStringLiteral("Save"), StartFolder(), QString(), false);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    return SaveBuilder(path);
}

TSessionOutcome TPageSession::MakeTemplate() {
    const QString path = AskPath(QStringLiteral("Make Template"), TemplateFolder(), QString(), true);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    return SaveBuilder(path);
}

TSessionOutcome TPageSession::SaveDocument() {
    TSessionOutcome result = TSessionOutcome::Ok();
    if (Page.DocFileName.isEmpty()) {
        if (User) User->ConfirmSaveBeforeUpload(true);
        result = SaveAs();
    } else if (Page.PageChanged) {
        result = User && User->ConfirmSaveBeforeUpload(false) ? SaveChanges() : TSessionOutcome::Cancel();
    }
    if (result.done()) WritePageHTML(PageHTMLPath());
    return result;
}

TSessionOutcome TPageSession::SavedOrDiscarded() {
    if (!Page.PageChanged) return TSessionOutcome::Ok();
    // A save dialog cancelled after Yes, or a save that failed, keeps the
    // page just as Cancel does: the command must not discard it.
    switch (User ? User->AskSaveChanges() : TSaveAnswer::Cancel) {
        case TSaveAnswer::Yes: return SaveAs();
        case TSaveAnswer::No: return TSessionOutcome::Ok();
        case TSaveAnswer::Cancel: break;
    }
    return TSessionOutcome::Cancel();
}

// ---- New and open ------------------------------------------------------------------

void TPageSession::ClearForOpen() {
    SetLogo(true);
    if (ClearBlocks) ClearBlocks();
    else Page.ClearChunks();
    Page.PageChanged = false;
    SetName(QString());
}

void TPageSession::FileNew() {
    TFlagScope filling(Page.FillingPanel);
    ClearForOpen();
    ChooseStyle(kNoStyleName);
}

TSessionOutcome TPageSession::New() {
    const TSessionOutcome asked = SavedOrDiscarded();
    if (asked.done()) FileNew();
    return asked;
}

bool TPageSession::ReadInto(const QString& path, QString* warning) {
    if (!QFile::exists(path)) return false;
    const TPageReadOutcome outcome = ReadPageFile(path, Page, [this](int index) {
        if (ChunkLoaded) ChunkLoaded(index);
    });
    ChooseStyle(outcome.HasStyleName ? outcome.StyleName : kNoStyleName);
    if (outcome.Fault == TPageReadFault::BadVersionText) *warning = outcome.Message;
    return outcome.Result == TPageReadResult::Ok;
}

TSessionOutcome TPageSession::OpenDocument(const QString& path) {
    ClearForOpen();
    QString warning;
    // A file that is not a page, or a damaged one, never names the page:
    // the next Save would overwrite it with what little was read.
    if (ReadInto(path, &warning)) SetName(path);
    return TSessionOutcome::Ok(warning);
}

TSessionOutcome TPageSession::LoadTemplate(const QString& path) {
    // The page stays untitled, so a plain Save never overwrites the template.
    ClearForOpen();
    QString warning;
    ReadInto(path, &warning);
    return TSessionOutcome::Ok(warning);
}

TSessionOutcome TPageSession::Open(const QString& path, bool isDocument) {
    TFlagScope loading(Page.LoadingDocument);
    TFlagScope filling(Page.FillingPanel);
    const TSessionOutcome asked = SavedOrDiscarded();
    if (!asked.done()) return asked;
    return isDocument ? OpenDocument(path) : LoadTemplate(path);
}
