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
    QString CurrentURL;
    bool Bold = false, Italic = false, Underline = false;
    int SScript = 0;       // 0 normal, 1 subscript, 2 superscript
    int Justify = 1;       // default justification
    int BaseFontSize = 3;  // BASEFONT size, 1..7
    bool InPre = false;
    int ListDepth = 0;
    int TableDepth = 0;
    ThtmlForm* Form = nullptr;  // the current form
    static constexpr int kWidgetsAtOnce = 100;  // controls given widgets while parsing
    int WidgetsMade = 0;

    int sy() const;
    void Next();
    const TAttribute* attr(Attr a) const;

    TMyFont runFont() const;
    void newSection(int level, int justify);
    void appendSection();
    // Appends a full section and goes on in a new one of the same kind, so
    // that no text is dropped.
    void continueIfFull();
    void changeFont();
    void pushFont(const TMyFont& f);
    void popFont();

    static bool isListStart(int sy);
    static bool isListEnd(int sy);
    static bool isCommon(int sy);
    // Font and style tags shared by the common handler and PRE; true when
    // the token was one of them. Reads no token.
    bool applyStyle(int sy);

    void DoBody(const TermSet& term);
    void DoBodyTag();
    void DoCommon(int level);
    void DoP(int level);
    void DoBR(int level);
    void DoA(int level);
    void DoFont(bool isBase);
    void DoBigSmall(bool big);
    void DoHR();
    // Reads its own end tag; stops without reading on a token of `term`.
    void DoLists(int level, int kind, const TermSet& term);
    void DoPre(int level);
    void DoMap(bool inPre);
    // Reads the whole table and appends it to the current cell.
    void DoTable(int level);
    // FORM and /FORM; INPUT, SELECT (up to /SELECT) and TEXTAREA (its
    // content read as typed up to its end tag). Each leaves the reader
    // after what it consumed, reading no further token.
    void DoForm(bool start);
    void DoInput(int level);
    void DoSelect(int level);
    void DoTextArea(int level);
    ThtmlForm* currentForm();
    void addControl(int level, std::unique_ptr<TFormControlObj> c);
};
