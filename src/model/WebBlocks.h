#pragma once
// The page as an ordered list of Web Blocks: the six kind records, the chunk
// that holds one block, and the page-level state that goes with them.

#include <QPixmap>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Kind codes; stored in document files, so the numbering is fixed.
enum TBlockKind : int {
    bkPara = 0,
    bkLink = 1,
    bkImage = 2,
    bkHeading = 3,
    bkEmail = 4,
    bkLine = 5,
};
inline constexpr int kBlockKindCount = 6;

// Alignment codes: 0 none (no markup), 1 left, 2 center, 3 right.
enum TAlignCode : quint8 { alNone = 0, alLeft = 1, alCenter = 2, alRight = 3 };

struct TBlockPara {
    QString Paragraph;  // lines separated by CR LF
    quint8 Align = alNone;
    quint8 NewLine = 0;
    bool operator==(const TBlockPara&) const = default;
};

struct TBlockLink {
    QString PreText;
    QString URL = QStringLiteral("http://");
    QString LinkText;
    QString PostText;
    quint8 Align = alNone;
    quint8 NewLine = 0;
    bool operator==(const TBlockLink&) const = default;
};

struct TBlockImage {
    QString FileName;
    QString ImgHeight;  // as typed; empty means not given
    QString ImgWidth;
    QString AltText;
    QString ImgLink = QStringLiteral("http://");  // "http://" alone means no link
    quint8 Align = alNone;
    quint8 NewLine = 0;
    // The picture is decoration only (a border, a flourish): it is written
    // with an empty text, so readers pass over it, and needs no words.
    // Kept in the document's page options, not in the block's record.
    bool Decoration = false;
    bool operator==(const TBlockImage&) const = default;
};

struct TBlockHeading {
    QString HeadSize = QStringLiteral("1 (Largest)");  // only the first character (the level) is used
    QString HeadText;
    quint8 Align = alNone;
    quint8 NewLine = 0;  // set by the panel; not generated and not stored
    bool operator==(const TBlockHeading&) const = default;
};

struct TBlockEmail {
    QString PreText;
    QString Address;
    QString LinkText;
    QString PostText;
    quint8 Align = alNone;
    quint8 NewLine = 0;
    bool operator==(const TBlockEmail&) const = default;
};

struct TBlockLine {
    QString LineWidth;                                   // percent as typed; empty is full width
    QString Thickness = QStringLiteral("6 (Thickest)");  // only the first character is used
    bool operator==(const TBlockLine&) const = default;
};

// One block of the page. Exactly the record that matches Kind is set.
struct TWebChunk {
    qint32 Kind = bkPara;
    QString HTML;     // what the generator last made for this block
    QPixmap Picture;  // the block's picture on the canvas (the toolbox picture of its kind)
    std::unique_ptr<TBlockPara> Para;
    std::unique_ptr<TBlockLink> Link;
    std::unique_ptr<TBlockImage> Image;
    std::unique_ptr<TBlockHeading> Heading;
    std::unique_ptr<TBlockEmail> Email;
    std::unique_ptr<TBlockLine> Line;

    // Creates the empty record for Kind (with its defaults), dropping others.
    void AllocateRecord();
};

using TWebChunkList = std::vector<std::unique_ptr<TWebChunk>>;

// The items of the heading size and line thickness lists.
extern const char* const kHeadSizes[6];
extern const char* const kLineThicknesses[6];

// The toolbox block names, by kind: "imgBrPara", "imgBrLink", ...
QString BrickName(int kind);
// The kind of a toolbox block found from its name; -1 for any other name.
int KindFromBrickName(const QString& name);
// The picture names of a kind: "Para", "Link", "Image", "Heading", "Email",
// "Line"; empty for a kind outside 0..5.
QString KindPictureName(int kind);

// A new chunk of the given kind with the defaults and its picture; null for
// a kind outside 0..5.
std::unique_ptr<TWebChunk> NewChunkForKind(int kind);
// The same for a dropped toolbox block, found from its name.
std::unique_ptr<TWebChunk> NewChunkForBrick(const QString& brickName);

// The page's changed flag: a bool that tells one listener when it flips
// (the window's title marks unsaved changes).
class TChangedFlag {
public:
    TChangedFlag& operator=(bool on) {
        if (on != on_) {
            on_ = on;
            if (Flipped) Flipped(on);
        }
        return *this;
    }
    operator bool() const { return on_; }
    std::function<void(bool)> Flipped;

private:
    bool on_ = false;
};

// The page and its state, owned by the main window.
class TPage {
public:
    static const QString DefaultTitle;  // "Tarvo Version 1.0 Document"

    TWebChunkList WebChunks;
    QString PageTitle = DefaultTitle;
    // The title the template this page was made from gave it ("" when the
    // page is not from a template).
    QString TemplateTitle;
    QString DocFileName;  // full path; empty while untitled
    TChangedFlag PageChanged;
    int CurrentIndex = -1;  // the block the property panel shows; -1 none
    // "Fit phone screens": the page's head asks phones to show it at their
    // own width (see html/PhoneFit.h). Stored with the document; a document
    // that does not store it, and a page made in code, has it off.
    bool FitPhone = false;
    // The page's language as a language tag ("pl"). A page made since pages
    // carry it has one; a page written before has none and is written as it
    // always was, until the user gives it one (or another page option
    // below). With a language the page is written in standards mode, with
    // its description, a word for every picture, an icon and a social card.
    QString Language;
    // One sentence for search engines and link previews; empty means the
    // first sentence of the page's first paragraph.
    QString Description;
    // "Readable layout": the text stands in a centred column of reading
    // width (see html/ReadableLayout.h).
    bool ReadableLayout = false;
    // "Show the site menu": the menu of the page's site (html/SiteMenu.h)
    // stands at the top of the page.
    bool ShowSiteMenu = false;
    // The picture the browser shows for the page (its tab, bookmarks), as
    // a picture block names its file; empty for the icon drawn
    // from the title's first letter.
    QString IconFile;
    bool Standards() const { return !Language.isEmpty(); }

    // True while the program itself opens, loads or clears a page: every
    // field-change handler does nothing meanwhile.
    bool FillingPanel = false;
    // True while a page is being loaded: filling a panel does not move the
    // keyboard focus.
    bool LoadingDocument = false;

    // Whether the user (or the template) gave the page a title: not the
    // program's default, not blank.
    bool HasOwnTitle() const;
    // The title the page goes out with: its own, else the text of its first
    // heading, else the document's name ("" for an untitled page without
    // a heading).
    QString PublishedTitle() const;

    int Count() const { return int(WebChunks.size()); }
    TWebChunk* Chunk(int index) const;
    TWebChunk* CurrentChunk() const { return Chunk(CurrentIndex); }

    // Inserts before `index` (appends when index >= count); returns the index.
    int InsertChunk(int index, std::unique_ptr<TWebChunk> chunk);
    // Moves the chunk at `from` so that it ends up at index `to`.
    void MoveChunk(int from, int to);
    void DeleteChunk(int index);
    // Disposes every chunk and resets the title; keeps the document name,
    // the changed flag, the logo option and the page options.
    void ClearChunks();
};
