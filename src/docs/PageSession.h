#pragma once
// The page being worked on as a document: its blocks and title, its file
// name, whether it changed, the chosen style and logo, and its HTML as the
// View stage holds it; with the rules of the file commands that create,
// open and save it. No widgets: the windows ask the user (through
// TSessionUser), call the session and show the outcome it returns.

#include "app/OneHook.h"
#include "html/PageEncoding.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QImage>
#include <QObject>
#include <QString>

// How an operation ended. A cancelled or failed save stops the command that
// needed it, and the page stays as it was.
struct TSessionOutcome {
    enum Kind { Done, Cancelled, Failed };
    Kind kind = Done;
    // Failed: why ("Cannot create file ..."). Done: a warning to show, if any.
    QString message;

    bool done() const { return kind == Done; }
    static TSessionOutcome Ok(const QString& warning = QString()) { return {Done, warning}; }
    static TSessionOutcome Cancel() { return {Cancelled, QString()}; }
    static TSessionOutcome Fail(const QString& why) { return {Failed, why}; }
};

// Sets a flag (FillingPanel, LoadingDocument, ...) for as long as the
// object lives, whatever the way out.
struct TFlagScope {
    bool& flag;
    bool old;
    explicit TFlagScope(bool& f) : flag(f), old(f) { flag = true; }
    ~TFlagScope() { flag = old; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
};

enum class TSaveAnswer { Yes, No, Cancel };
// The document changed on the disk since it was opened or saved here.
enum class TDiskChangeAnswer { KeepBoth, Overwrite, Cancel };

// What the session asks of the person at the keyboard.
class TSessionUser {
public:
    virtual ~TSessionUser() = default;
    // "Do you want to save the changes to your Tarvo File?"
    virtual TSaveAnswer AskSaveChanges() = 0;
    // The hint before a page's first save (when the setting wants it).
    virtual void ShowSaveHint() = 0;
    // A document or template save dialog; "" when cancelled.
    virtual QString AskSavePath(const QString& caption, const QString& folder, const QString& fileName,
                                bool isTemplate) = 0;
    // The warning before the Send stage: for an untitled page an OK-only
    // notice (the answer does not count), for a changed one OK or Cancel.
    virtual bool ConfirmSaveBeforeUpload(bool untitled) = 0;
    // Another program or window changed `path` since this page was read or
    // written: keep both (save under a new name), overwrite, or cancel.
    virtual TDiskChangeAnswer AskDiskChanged(const QString& path) {
        Q_UNUSED(path);
        return TDiskChangeAnswer::Cancel;
    }
    // The page's HTML declares a charset that cannot hold one of its
    // characters: may it be written as UTF-8 (see AcceptPageBytes)? Without
    // a person to ask, the HTML file is not written.
    virtual bool AcceptPageBytes(const TPageBytes&) { return false; }
};

class TPageSession : public QObject {
    Q_OBJECT
public:
    // A fresh session's page is a new page: it fits phone screens and has
    // the page options of a new page.
    TPageSession() {
        Page.FitPhone = true;
        StartNewPageOptions();
    }

    TPage Page;  // blocks, PageTitle, DocFileName, PageChanged, FitPhone
    QString StyleName = kNoStyleName;  // the style list's text of the chosen style
    const TStyleList* Styles = nullptr;  // where StyleName is looked up
    TSessionUser* User = nullptr;

    // --- what the build canvas answers (unfilled: the page alone) ---
    TOneHook<void()> ClearBlocks;     // empties the page and its canvas
    TOneHook<void(int)> ChunkLoaded;  // a block appended by the reader
    TOneHook<QImage()> RenderPage;    // the page as the viewer shows it

    // --- the logo and the HTML ---
    bool Logo() const { return logo_; }
    // Puts the logo line into the page's HTML or takes it out; a page in
    // the editor is then written to its HTML file.
    // Fails when the page's HTML file could not be written.
    TSessionOutcome SetLogo(bool on);
    // "Fit phone screens": sets Page.FitPhone and puts the phone lines into
    // the held HTML or takes them out (WithPhoneFit, WithoutPhoneFit). The
    // caller marks the page changed when the user asked for it.
    void SetFitPhone(bool on);
    // The page options the user chose: language (empty: the interface's),
    // description, readable layout and icon (a picture of the page's
    // folders as a picture block names it; empty for the title's letter).
    // A page that had no language has one from now on. The held HTML is
    // made again from the blocks unless it was edited by hand. The caller
    // marks the page changed.
    void SetPageOptions(const QString& language, const QString& description, bool readable,
                        const QString& icon);
    // A new page's options: the interface's language, the readable layout.
    void StartNewPageOptions();
    // Turns "Show the site menu" on or off and makes the page's HTML again.
    void SetShowSiteMenu(bool on);
    // The site's menu changed: held HTML that shows it takes the new menu,
    // made again from the blocks, or put in place of the old menu where
    // the text was edited by hand.
    void SiteMenuChanged();
    // The page's HTML as the View stage holds it; empty in the Choose and
    // Build stages, where the blocks are the page.
    const QString& HTML() const { return html_; }
    void SetHTML(const QString& text) { html_ = text; }
    // The held HTML was edited by hand in the View stage: it is the user's
    // work, kept until the user agrees to lose it, and written with the
    // page. Cleared when the HTML is made from the blocks again.
    bool HandEdited = false;
    // Drops the held HTML (hand edits included) and shows the empty text.
    void DropHTML();
    // The page's real HTML: the held text when it holds the page, else the
    // page made from the blocks with the chosen style and logo (what the
    // View stage would show).
    QString PageHTMLText();
    // The page's HTML file: in the HTML folder, the document's name without
    // its extension, then ".html" (".html" alone while untitled).
    QString PageHTMLPath() const;
    // Writes the page's real HTML to `path` (temporary file, then rename),
    // as EncodePageHTML gives it; a failure keeps the old file and says which
    // file and why; a page its charset cannot hold is written only when the
    // user accepts UTF-8 (cancelled otherwise).
    TSessionOutcome WritePageHTML(const QString& path);
    // The chosen style (null for "[None]" or a name not in the list).
    const TStyleChunk* ChosenStyle() const;

    // --- names and folders ---
    // Makes `path` the document's file name (and the caption's).
    void SetName(const QString& path);
    // The caption's document part: the file name, or "Untitled".
    QString DocumentName() const;
    QString SaveFolder() const;
    QString TemplateFolder() const;
    // Where save dialogs start: the document's folder when it exists.
    QString StartFolder() const;

    // --- the file commands ---
    // The question before discarding changes: Done when the page was saved
    // or may be discarded (asks nothing when unchanged).
    TSessionOutcome SavedOrDiscarded();
    // A new page fits phone screens and has a new page's options; a
    // document keeps the choices it was saved with, and a page started from
    // a template fits phone screens and has a new page's options unless the
    // template has its own.
    TSessionOutcome New();
    // Opens a document (isDocument) or a template after the question.
    TSessionOutcome Open(const QString& path, bool isDocument);
    TSessionOutcome Save();
    TSessionOutcome SaveAs();
    TSessionOutcome MakeTemplate();
    // Before the Send stage: the page must be saved; then its HTML file is
    // written. Anything but Done stays where it is.
    TSessionOutcome SaveDocument();
    // Closing the window: Done when it may close.
    TSessionOutcome Close() { return SavedOrDiscarded(); }

    // --- the steps the commands are made of ---
    TSessionOutcome SaveBuilder(const QString& path);
    TSessionOutcome SaveChanges();
    void FileNew();
    TSessionOutcome OpenDocument(const QString& path);
    TSessionOutcome LoadTemplate(const QString& path);

    // The document file's size and time as this session last read or wrote
    // it; a later save asks when the file on the disk no longer matches.
    struct TDiskStamp {
        qint64 size = -1;
        qint64 time = -1;
    };
    TDiskStamp DiskStamp() const { return {diskSize_, diskTime_}; }
    void SetDiskStamp(TDiskStamp stamp) {
        diskSize_ = stamp.size;
        diskTime_ = stamp.time;
    }
    // Takes the stamp from the file as it is on the disk now.
    void StampDisk();

signals:
    void nameChanged();         // DocFileName changed: the caption
    void styleChanged();        // the session chose StyleName itself
    void logoChanged();         // the session set Logo itself
    void fitPhoneChanged();     // Page.FitPhone set by the session or the reader
    void pageOptionsChanged();  // Language, Description or ReadableLayout set by the session or the reader
    void htmlChanged();         // the session rewrote HTML itself
    void documentWritten();     // after every successful document write
    void savedAs();             // after Save As wrote the page's files

private:
    void ClearForOpen();
    void ChooseStyle(const QString& name);
    // Done when `path` reads as a whole page; else why not. Reads into a
    // scratch page, so the current page is untouched.
    TSessionOutcome CheckReadable(const QString& path) const;
    // Reads `path` (checked readable) into the cleared page.
    void ReadInto(const QString& path);
    bool DiskChanged() const;
    QString AskPath(const QString& caption, const QString& folder, const QString& name, bool isTemplate) const;

    bool logo_ = true;
    QString html_;
    // The document file as this session last read or wrote it.
    qint64 diskSize_ = -1;
    qint64 diskTime_ = -1;
};
