#include "docs/PageSession.h"

#include "app/AppPaths.h"
#include "app/Translations.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "app/SafeWrite.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "html/PageHead.h"
#include "html/PhoneFit.h"
#include "html/SiteMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>


// ---- The logo and the HTML -------------------------------------------------------

TSessionOutcome TPageSession::SetLogo(bool on) {
    if (logo_ == on) return TSessionOutcome::Ok();
    logo_ = on;
    emit logoChanged();
    // An empty text (the Choose and Build stages, or a page being opened or
    // started anew) holds no page: writing it would empty the page's last
    // good HTML file.
    if (html_.isEmpty()) return TSessionOutcome::Ok();
    html_ = on ? InsertLogo(html_) : RemoveLogo(html_);
    emit htmlChanged();
    return WritePageHTML(PageHTMLPath());
}

void TPageSession::SetFitPhone(bool on) {
    if (Page.FitPhone == on) return;
    Page.FitPhone = on;
    emit fitPhoneChanged();
    if (html_.isEmpty()) return;
    html_ = on ? WithPhoneFit(html_) : WithoutPhoneFit(html_);
    emit htmlChanged();
}

void TPageSession::SetPageOptions(const QString& language, const QString& description, bool readable,
                                  const QString& icon) {
    if (Page.Language == language && Page.Description == description && Page.ReadableLayout == readable &&
        Page.IconFile == icon)
        return;
    // A page written before gets a language with its first option: from
    // then on it is a standards page.
    Page.Language = language.isEmpty() ? InterfaceLanguage() : language;
    Page.Description = description;
    Page.ReadableLayout = readable;
    Page.IconFile = icon;
    // Text edited by hand is the user's: the options take effect when the
    // page is made from its blocks again.
    if (html_.isEmpty() || HandEdited) return;
    html_ = AddBodyDef(BuildPageHTML(Page, logo_), ChosenStyle());
    emit htmlChanged();
}

void TPageSession::SetShowSiteMenu(bool on) {
    if (Page.ShowSiteMenu == on) return;
    Page.ShowSiteMenu = on;
    Page.PageChanged = true;
    if (html_.isEmpty() || HandEdited) return;
    html_ = AddBodyDef(BuildPageHTML(Page, logo_), ChosenStyle());
    emit htmlChanged();
}

void TPageSession::SiteMenuChanged() {
    if (html_.isEmpty() || html_ == QLatin1String("<BODY>") || !Page.ShowSiteMenu) return;
    if (HandEdited) {
        TSite site = LoadSite(HTMLDir());
        const QString file = QFileInfo(PageHTMLPath()).fileName();
        for (TSitePage& p : site.Pages)
            if (SiteFileName(p.File) == SiteFileName(file)) p.Title = SiteTitleText(TitleElementText(Page));
        int replaced = 0;
        const QString text = ReplaceSiteMenu(html_, SiteMenuLines(site, file), &replaced);
        if (replaced == 0) return;
        html_ = text;
    } else {
        html_ = AddBodyDef(BuildPageHTML(Page, logo_), ChosenStyle());
    }
    emit htmlChanged();
}

void TPageSession::StartNewPageOptions() {
    Page.Language = InterfaceLanguage();
    Page.ReadableLayout = true;
    // A new page shows the menu once the folder's site has one.
    Page.ShowSiteMenu = LoadSite(HTMLDir()).HasMenu();
    emit pageOptionsChanged();
}

void TPageSession::DropHTML() {
    html_.clear();
    HandEdited = false;
    emit htmlChanged();
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

TSessionOutcome TPageSession::WritePageHTML(const QString& path) {
    const TPageBytes page = EncodePageHTML(PageHTMLText());
    if (!page.Fits() && !(User && User->AcceptPageBytes(page))) return TSessionOutcome::Cancel();
    const TWriteOutcome written = WriteFileChecked(path, page.Bytes);
    return written.ok ? TSessionOutcome::Ok() : TSessionOutcome::Fail(written.Message(path));
}

// ---- Names and folders -------------------------------------------------------------

QString TPageSession::DocumentName() const {
    return Page.DocFileName.isEmpty() ? QCoreApplication::translate("PageSession", "Untitled") : QFileInfo(Page.DocFileName).fileName();
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
    emit nameChanged();
}

void TPageSession::ChooseStyle(const QString& name) {
    StyleName = name;
    emit styleChanged();
}

QString TPageSession::AskPath(const QString& caption, const QString& folder, const QString& name,
                              bool isTemplate) const {
    return User ? User->AskSavePath(caption, folder, name, isTemplate) : QString();
}

// ---- Saving ----------------------------------------------------------------------

void TPageSession::StampDisk() {
    QFileInfo info(Page.DocFileName);
    info.refresh();
    const bool known = !Page.DocFileName.isEmpty() && info.isFile();
    diskSize_ = known ? info.size() : -1;
    diskTime_ = known ? info.lastModified().toMSecsSinceEpoch() : -1;
}

bool TPageSession::DiskChanged() const {
    if (diskSize_ < 0 || Page.DocFileName.isEmpty()) return false;
    const QFileInfo info(Page.DocFileName);
    // A file deleted since is written again without a question.
    if (!info.isFile()) return false;
    return info.size() != diskSize_ || info.lastModified().toMSecsSinceEpoch() != diskTime_;
}

TSessionOutcome TPageSession::SaveBuilder(const QString& path) {
    if (path == Page.DocFileName && DiskChanged()) {
        switch (User ? User->AskDiskChanged(path) : TDiskChangeAnswer::Cancel) {
            case TDiskChangeAnswer::Overwrite: break;
            case TDiskChangeAnswer::KeepBoth: {
                const QString other = AskPath(QCoreApplication::translate("PageSession", "Save As"), StartFolder(), QString(), false);
                if (other.isEmpty() || other == path) return TSessionOutcome::Cancel();
                return SaveBuilder(other);
            }
            case TDiskChangeAnswer::Cancel: return TSessionOutcome::Cancel();
        }
    }
    const QImage snapshot = CapturePageSnapshot(Page, RenderPage ? RenderPage() : QImage());
    QString error;
    // On failure the page keeps its old name and stays marked changed.
    if (!WritePageFile(path, Page, StyleName, snapshot, &error)) return TSessionOutcome::Fail(error);
    Page.PageChanged = false;
    SetName(path);
    StampDisk();
    emit documentWritten();
    // Hand edits live only in the page's HTML file: they are written with
    // the document, so a save keeps them.
    if (HandEdited) return WritePageHTML(PageHTMLPath());
    return TSessionOutcome::Ok();
}

TSessionOutcome TPageSession::SaveAs() {
    if (User) User->ShowSaveHint();
    const QString path = AskPath(QCoreApplication::translate("PageSession", "Save As"), StartFolder(), Page.DocFileName, false);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    const TSessionOutcome saved = SaveBuilder(path);
    if (!saved.done()) return saved;
    const TSessionOutcome html = HandEdited ? saved : WritePageHTML(PageHTMLPath());
    emit savedAs();
    return html;
}

TSessionOutcome TPageSession::SaveChanges() {
    const QString path = AskPath(QCoreApplication::translate("PageSession", "Save"), SaveFolder(), Page.DocFileName, false);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    return SaveBuilder(path);
}

TSessionOutcome TPageSession::Save() {
    QString path = Page.DocFileName;
    if (path.isEmpty() || !QFile::exists(path)) {
        if (User) User->ShowSaveHint();
        path = AskPath(QCoreApplication::translate("PageSession", "Save"), StartFolder(), QString(), false);
        if (path.isEmpty()) return TSessionOutcome::Cancel();
    }
    const TSessionOutcome saved = SaveBuilder(path);
    // The page's HTML file goes with it, as Save As writes it: a page that
    // links to this one sends it as it was last saved. (SaveBuilder has
    // written hand edits already.)
    return saved.done() && !HandEdited ? WritePageHTML(PageHTMLPath()) : saved;
}

TSessionOutcome TPageSession::MakeTemplate() {
    const QString path = AskPath(QCoreApplication::translate("PageSession", "Make Template"), TemplateFolder(), QString(), true);
    if (path.isEmpty()) return TSessionOutcome::Cancel();
    return SaveBuilder(path);
}

TSessionOutcome TPageSession::SaveDocument() {
    TSessionOutcome result = TSessionOutcome::Ok();
    if (Page.DocFileName.isEmpty()) {
        if (User) User->ConfirmSaveBeforeUpload(true);
        result = SaveAs();
    } else if (Page.PageChanged) {
        // Saved to its own name, with no file dialog (unless the file has
        // gone since).
        if (!User || !User->ConfirmSaveBeforeUpload(false)) result = TSessionOutcome::Cancel();
        else result = QFile::exists(Page.DocFileName) ? SaveBuilder(Page.DocFileName) : SaveAs();
    }
    // The Send stage uploads this file: it is not entered unless the file
    // was written whole.
    if (result.done()) result = WritePageHTML(PageHTMLPath());
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
    // The old page's HTML never outlives it: with it gone, resetting the
    // logo writes nothing, least of all into the next page's file.
    DropHTML();
    SetLogo(true);
    SetFitPhone(true);
    Page.Description.clear();
    Page.IconFile.clear();
    StartNewPageOptions();
    if (ClearBlocks) ClearBlocks();
    else Page.ClearChunks();
    Page.PageChanged = false;
    SetName(QString());
    StampDisk();
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

TSessionOutcome TPageSession::CheckReadable(const QString& path) const {
    TPage scratch;
    const TPageReadOutcome outcome = ReadPageFile(path, scratch);
    if (outcome.Result == TPageReadResult::Ok) return TSessionOutcome::Ok();
    return TSessionOutcome::Fail(outcome.Message + QCoreApplication::translate("PageSession", " Your page was kept as it was."));
}

void TPageSession::ReadInto(const QString& path) {
    const TPageReadOutcome outcome = ReadPageFile(path, Page, [this](int index) {
        if (ChunkLoaded) ChunkLoaded(index);
    });
    emit fitPhoneChanged();
    emit pageOptionsChanged();
    ChooseStyle(outcome.HasStyleName ? outcome.StyleName : kNoStyleName);
}

TSessionOutcome TPageSession::OpenDocument(const QString& path) {
    // A missing, foreign or damaged file is told, and the current page
    // stays: it never becomes an empty page under the file's name.
    const TSessionOutcome readable = CheckReadable(path);
    if (!readable.done()) return readable;
    ClearForOpen();
    ReadInto(path);
    SetName(path);
    StampDisk();
    return TSessionOutcome::Ok();
}

TSessionOutcome TPageSession::LoadTemplate(const QString& path) {
    const TSessionOutcome readable = CheckReadable(path);
    if (!readable.done()) return readable;
    // The page stays untitled, so a plain Save never overwrites the template.
    // It is a new page, made to fit phone screens whatever the template says.
    ClearForOpen();
    ReadInto(path);
    // Its title is the template's until the user types one.
    if (Page.HasOwnTitle()) Page.TemplateTitle = Page.PageTitle;
    SetFitPhone(true);
    if (!Page.Standards()) StartNewPageOptions();
    return TSessionOutcome::Ok();
}

TSessionOutcome TPageSession::Open(const QString& path, bool isDocument) {
    TFlagScope loading(Page.LoadingDocument);
    TFlagScope filling(Page.FillingPanel);
    // Checked before the question: a file that cannot be opened costs the
    // current page nothing.
    const TSessionOutcome readable = CheckReadable(path);
    if (!readable.done()) return readable;
    const TSessionOutcome asked = SavedOrDiscarded();
    if (!asked.done()) return asked;
    return isDocument ? OpenDocument(path) : LoadTemplate(path);
}
