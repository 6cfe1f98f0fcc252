#pragma once
// The sections of a document: paragraph-like text sections (with list item
// and preformatted kinds), vertical spaces and horizontal rules. Each lays
// itself out to a width (DrawLogic), draws itself, and answers hit tests.
// Layout and hit tests measure only through TMeasurer; drawing lives in
// SectionDraw.cpp.

#include "viewer/Arena.h"
#include "viewer/HtmlCodes.h"
#include "viewer/FreeList.h"
#include "viewer/HtmlImages.h"
#include "viewer/HtmlMeasure.h"
#include "viewer/SectionText.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>
#include <new>
#include <vector>

class IndentManager;
class TFormControlObj;
class TCell;
class TSectionList;
struct TDrawContext;

constexpr char16_t ImageCode = 4;  // placeholder of an inline image
constexpr char16_t FormCode = 2;   // placeholder of a form control
constexpr int MaxSectionText = 20000;  // characters; text beyond is dropped
constexpr int MaxCopyIndent = 120;     // spaces before a copied line, at most

// A font as the parser builds it: nominal size in points, before the
// document's font size scales it.
struct TMyFont {
    QString name;
    int nominal = 12;  // pt, at a document font size of 12
    bool fixedPitch = false;
    bool bold = false, italic = false, underline = false;
    QColor color = Qt::black;
};

// One distinct run font of the document. Runs share these through the
// section list's font table, so a long document holds a few dozen fonts,
// not one per run, and each is measured once.
struct TRunFont {
    TMyFont TheFont;
    TScript SScript = TScript::Normal;
    bool Hot = false;  // used by linked runs (coloured as hot spots)
    // Resolved against a measurer by layout:
    int FontId = -1;
    const TMeasurer* IdOwner = nullptr;
    int FontHeight = 0;  // px, height + external leading
    int tmHeight = 0;    // px
    int Ascent = 0;      // px
    int Overhang = 0;    // px
    int Descent = 0;     // px
};

// The font and hot-spot URL of runs; runs share these through the section
// list's style table, so a run is two numbers, not three.
struct TRunStyle {
    int Font = 0;  // index into the section list's font table
    int Url = -1;  // index into the section list's URL table; -1: none
};

// One font run: from Pos to the next run's Pos.
struct TFontObj {
    int Pos = 0;
    int Style = 0;  // index into the section list's style table
};

struct LineRec {
    int Start = 0;        // index into the section's text
    int Ln = 0;           // characters
    int SpaceBefore = 0;  // px, above the text (taller images, clear space)
    int SpaceAfter = 0;   // px
    int LineHt = 0;       // px, tallest font of the line
    int DrawHeight = 0;   // px, >= the line's flow height when a float hangs below
    int Descent = 0;      // px, of the tallest font
    int LineIndent = 0;   // px, X of the first character in cell coordinates
    int Top = 0;          // px, document Y of the line's top
    int TextWidth = 0;    // px, without trailing spaces
};

class TSection;
class TSectionBase {
public:
    explicit TSectionBase(TSectionList* list) : ParentSectionList(list) {}
    virtual ~TSectionBase() = default;

    // The parser makes sections in their document's arena (Arena.h),
    // through TSectionList::MakeSection; one made with a plain `new` comes
    // from the allocator. Deleting one runs its destructor and gives its
    // memory back, recycling an arena piece (the parser drops many empty
    // sections), so the delete reads the piece's size and arena before
    // destroying it. No section holds anything aligned more strictly than a
    // pointer.
    static void* operator new(size_t bytes) { return ::operator new(bytes); }
    static void operator delete(TSectionBase* s, std::destroying_delete_t);

    TSectionList* ParentSectionList;
    int SectionHeight = 0;  // px, height taken in the flow
    int DrawHeight = 0;     // px, height drawn (floats may hang below)
    int YValue = 0;         // px, document Y of the top
    int StartCurs = 0;      // index of its first character in the document
    int Len = 0;            // characters
    bool Anchored = false;  // an anchor name points here: kept even when empty
    std::uint8_t PieceUnits = 0;  // its size in the arena, in steps of 8 bytes; 0: not in one

    virtual void CopyToClipboard(QString& out, int selB, int selE) const;
    // Lays out at document Y; returns the height taken in the flow.
    virtual int DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr);
    // Draws with the cell's left edge at X and its top at Y (document
    // coordinates); returns the Y of the next section.
    virtual int Draw(TDrawContext& dc, int X, int Y);
    virtual bool GetURL(TMeasurer& m, int X, int Y, QString& URL) const;
    virtual int FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const;
    virtual int FindString(int From, const QString& S, bool MatchCase) const;
    virtual bool CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const;
    virtual void UpdateFonts();
    virtual void UpdateSpacing() {}
    virtual void MinMaxWidth(TMeasurer& m, int& Min, int& Max);
    // Moves a laid-out section down by dy px and its characters by dcurs
    // (a table cell is laid out once, then moved to its place).
    virtual void MoveBy(int dy, int dcurs);
    // Forgets the pictures, so the next layout fetches (or sets aside) them.
    virtual void ResetImages() {}
    // The cells a section holds (a table's), for walks through the document.
    virtual void ForEachCell(const std::function<void(TCell&)>&) const {}
    // The document is parsed: lists that stay as they are move into `arena`.
    virtual void FinishParse(TArena&) {}
    // The section as a text section (preformatted ones included), else
    // null: asked for every section added, where a dynamic_cast shows.
    virtual TSection* asText() { return nullptr; }
};

class TParagraphSpace : public TSectionBase {
public:
    using TSectionBase::TSectionBase;
    void UpdateSpacing() override;
    void CopyToClipboard(QString& out, int selB, int selE) const override;
};

class THeadingSpace : public TSectionBase {
public:
    THeadingSpace(TSectionList* list, int level) : TSectionBase(list), Level(level) {}
    int Level;
    void UpdateSpacing() override;
    void CopyToClipboard(QString& out, int selB, int selE) const override;
};

class THorzLine : public TSectionBase {
public:
    THorzLine(TSectionList* list, int size, int width, bool percent)
        : TSectionBase(list), Size(size), Width(width), Percent(percent) {}
    int Size;      // px, 1..20
    int Width;     // px or percent; -1 when not given
    bool Percent;
    int Left = 0, Right = 0;  // px, the margins at its top, from layout
    void UpdateSpacing() override;
    void CopyToClipboard(QString& out, int selB, int selE) const override;
    int DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) override;
    int Draw(TDrawContext& dc, int X, int Y) override;
};

class TSection : public TSectionBase {
public:
    TSection(TSectionList* list, int level, TJustify justify, const TMyFont& font, TScript sscript,
             const QString& url);
    // The font runs start in the arena (TPackedArray's push_back with an
    // arena): a section dropped while parsing (most often an empty one)
    // gives their piece back to be handed out again.
    ~TSection() override;
    TSection* asText() override { return this; }

    // The small fields first and narrow, so that they fill what the base
    // leaves of its last word: a long page holds thousands of sections.
    std::uint8_t Plain : 1 = false;  // bulleted item without a bullet
    std::uint8_t Preformatted : 1 = false;
    TJustify Justify : 2 = jsLeft;
    TClear ClearAttr : 2 = clNone;
    TListKind ListType = TListKind::None;
    TSectionText Buff;  // the text; ImageCode / FormCode mark images and controls
    QString text() const { return Buff.toString(); }
    TPackedArray<TFontObj> Fonts;
    TSparseFreeList<TImageObj> Images;
    TPackedArray<LineRec> Lines;
    int ListLevel = 0;
    int SectionFont = 0;  // the font it started with (list numbers), in the font table
    int ListNumber = 0;
    int LeftIndentAtTop = 0;  // px
    int indent() const { return ListLevel * 35; }  // px
    // The width of the whole text on one line, as MinMaxWidth measured it
    // for a section of one font without pictures or controls, while the
    // fonts are those of NaturalGen (0: not measured). Layout then places
    // a text that fits without measuring it again: a table of many small
    // cells measures each once.
    int NaturalWidth = 0;  // px
    quint32 NaturalGen = 0;  // the list's FontsGeneration() when measured

    virtual void AddText(const QString& S);
    // One space, also at the start (which AddText drops).
    void AddSpace() {
        Buff += QLatin1Char(' ');
        Len = int(Buff.size());
    }
    // Ends the current run at the text's end and starts one in this font.
    void ChangeFont(const TMyFont& font, TScript sscript, const QString& url);
    void AddImage(const class TAttributeList& attrs);
    // Form controls in text order (their forms own them).
    TPackedArray<TFormControlObj*> FormControls;
    // Adds the control's placeholder to the text.
    void AddControl(TFormControlObj* c);
    TFormControlObj* controlAt(int pos) const;
    // The font of character `index`: of the run with the greatest Pos not beyond it.
    const TRunFont& fontAt(int index) const;
    const TRunFont& runFont(const TFontObj& run) const;
    const TRunFont& sectionFont() const;
    // The hot-spot URL of character `index`, "" when none.
    QString urlAt(int index) const;
    int fontIndexAt(int index) const;
    TImageObj* imageAt(int pos) const;
    void resolveFonts(TMeasurer& m);
    // Finds every image's picture and box, ALT text included.
    void measureImages(TMeasurer& m);

    void CopyToClipboard(QString& out, int selB, int selE) const override;
    int DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) override;
    int Draw(TDrawContext& dc, int X, int Y) override;
    bool GetURL(TMeasurer& m, int X, int Y, QString& URL) const override;
    int FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const override;
    int FindString(int From, const QString& S, bool MatchCase) const override;
    bool CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const override;
    void MinMaxWidth(TMeasurer& m, int& Min, int& Max) override;
    void MoveBy(int dy, int dcurs) override;
    void ResetImages() override;

    // Width in px of text [from, to) (images and controls included).
    int textWidth(TMeasurer& m, int from, int to) const;
    // X in cell coordinates of character `index` in line `line`.
    int xOfChar(TMeasurer& m, const LineRec& line, int index) const;

private:
    // How many characters of [from, to) fit into `room` px; when all do,
    // `allWidth` (if given) receives their width, less the overhang.
    int fitRun(TMeasurer& m, const TRunFont& f, int from, int to, int room, int* allWidth = nullptr) const;
    int charIndexAtX(TMeasurer& m, const LineRec& line, int X) const;
};

class TPreFormated : public TSection {
public:
    TPreFormated(TSectionList* list, int level, const TMyFont& font, TScript sscript, const QString& url)
        : TSection(list, level, jsLeft, font, sscript, url) {
        Preformatted = true;
    }
    void AddText(const QString& S) override;
    int DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) override;
    void MinMaxWidth(TMeasurer& m, int& Min, int& Max) override;
};

class TUListItem : public TSection {
public:
    TUListItem(TSectionList* list, int level, bool plain, const TMyFont& font, TScript sscript,
               const QString& url)
        : TSection(list, level, jsLeft, font, sscript, url) {
        ListType = TListKind::Bulleted;
        Plain = plain;
    }
};

class TDListItem : public TUListItem {
public:
    TDListItem(TSectionList* list, int level, const TMyFont& font, TScript sscript, const QString& url)
        : TUListItem(list, level, false, font, sscript, url) {
        ListType = TListKind::Definition;
    }
};

class TOListItem : public TUListItem {
public:
    TOListItem(TSectionList* list, int level, int number, const TMyFont& font, TScript sscript,
               const QString& url)
        : TUListItem(list, level, false, font, sscript, url) {
        ListType = TListKind::Numbered;
        ListNumber = number;
    }
};
