#pragma once
// The parser: reads tokens and builds the document's sections through a
// small set of calls (start a section, add text, add an image, change the
// font, append the section). It never rejects a document.

#include "viewer/HtmlSections.h"
#include "viewer/HtmlTokens.h"

#include <bitset>
#include <memory>
#include <vector>

class TCell;
class TFormControlObj;
class ThtmlForm;
class TSectionList;

class THtmlParser {
public:
    explicit THtmlParser(TSectionList& list);
    ~THtmlParser();

    // Parses the whole text into the section list (appending to it).
    // Returns the error message ("" when none); what was read before an
    // error is kept.
    QString Parse(const QString& text);

    QString Title;
    QString Base;

    static constexpr int MaxFonts = 25;
    static constexpr int MaxListDepth = 40;
    static constexpr int MaxTableDepth = 16;  // tables inside tables

private:
    using TermSet = std::bitset<SymCount>;

    TSectionList& List;
    THtmlTokenizer* T = nullptr;
    TCell* Cell = nullptr;
    std::unique_ptr<TSection> Section;
    std::vector<QString> SectionAnchors;  // anchor names made in Section
    std::vector<TMyFont> FontStack;
    // The font stack where each open table's current cell began, one per
    // table depth, kept between cells so that a cell costs no allocation.
    std::vector<TMyFont> CellFontStacks[MaxTableDepth];
    // The cell stack of CellFontStacks not copied yet: the font stack is
    // copied there only before the cell's content first changes it (most
    // cells never do), and copied back only then.
    std::vector<TMyFont>* UnsavedFonts = nullptr;
    // Copies the font stack for the open cell, if it waits for that.
    void saveFontsForCell() {
        if (UnsavedFonts) {
            UnsavedFonts->assign(FontStack.begin(), FontStack.end());
            UnsavedFonts = nullptr;
        }
    }
    QString CurrentURL;
    bool Bold = false, Italic = false, Underline = false;
    TScript SScript = TScript::Normal;
    TJustify Justify = jsLeft;  // default justification
    int BaseFontSize = 3;  // BASEFONT size, 1..7
    bool InPre = false;
    int ListDepth = 0;
    int TableDepth = 0;
    ThtmlForm* Form = nullptr;  // the current form
    static constexpr int kWidgetsAtOnce = 100;  // controls given widgets while parsing
    int WidgetsMade = 0;

    // Asked for every token: inline.
    int sy() const { return T->Sy; }
    void Next() { T->Next(); }
    const TAttribute* attr(Attr a) const;

    TMyFont runFont() const;
    void newSection(int level, TJustify justify);
    void appendSection();
    // Appends a full section and goes on in a new one of the same kind, so
    // that no text is dropped.
    void continueIfFull();
    void changeFont();
    void pushFont(const TMyFont& f);
    void popFont();

    // What the tag table says of a symbol.
    using Handler = void (THtmlParser::*)(int level);
    enum PreRule { Breaks, Runs, Skips };
    struct Rule {
        Handler handler = nullptr;  // null: not a tag of running text
        bool readsOn = false;       // the handler reads past its tag itself
        bool listStart = false, listEnd = false;
        PreRule inPre = Skips;
    };
    static const Rule& rule(int sy);
    static bool isListStart(int sy) { return rule(sy).listStart; }
    static bool isListEnd(int sy) { return rule(sy).listEnd; }
    // Text and the tags of running text, read by DoCommon.
    static bool isCommon(int sy) { return sy == TextSy || rule(sy).handler != nullptr; }

    // The markers of the tag table: never called.
    void Frame(int) {}
    void Lists(int) {}
    // A tag read past.
    void Ignore(int) {}
    // The handlers of running text (HtmlTags.h); each reads no token unless
    // its rule says it reads on.
    void BoldOn(int);
    void BoldOff(int);
    void ItalicOn(int);
    void ItalicOff(int);
    void UnderlineOn(int);
    void UnderlineOff(int);
    void SubOn(int);
    void SupOn(int);
    void ScriptEnd(int);
    void FixedOn(int);
    void FontEnd(int);
    void DoFont(int);
    void DoBaseFont(int);
    void DoBig(int);
    void DoSmall(int);
    void HeadingOpen(int level);
    void HeadingEnd(int);
    void AddressOpen(int level);
    void AddressEnd(int);
    void CenterOpen(int level);
    void CenterEnd(int level);
    void ImageTag(int level);
    void LinkEnd(int);
    void FormOpen(int);
    void FormEnd(int);
    void DoMap(int);

    void DoBody(const TermSet& term);
    void DoBodyTag();
    void DoCommon(int level);
    void DoP(int level);
    void DoBR(int level);
    void DoA(int level);
    void fontTag(bool isBase);
    void bigSmall(bool big);
    void DoHR();
    // Reads its own end tag; stops without reading on a token of `term`.
    void DoLists(int level, int kind, const TermSet& term);
    void DoPre(int level);
    // Reads the whole table and appends it to the current cell.
    void DoTable(int level);
    // INPUT, SELECT (up to /SELECT) and TEXTAREA (its content read as
    // typed up to its end tag). Each leaves the reader after what it
    // consumed, reading no further token.
    void DoInput(int level);
    void DoSelect(int level);
    void DoTextArea(int level);
    ThtmlForm* currentForm();
    void addControl(int level, std::unique_ptr<TFormControlObj> c);
};
