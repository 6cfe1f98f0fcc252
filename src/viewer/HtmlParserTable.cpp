// The parser's table loop: rows, cells and the caption of one TABLE, each
// cell's content read by the body loop into the cell's own section list.
#include "viewer/HtmlParser.h"

#include "viewer/HtmlTable.h"

#include <algorithm>
#include <utility>

namespace {
// The tokens that end a cell's content.
const std::bitset<SymCount>& cellEnds() {
    static const std::bitset<SymCount> set = [] {
        std::bitset<SymCount> t;
        for (int s : {E(Tag::TABLE), S(Tag::TD), E(Tag::TD), S(Tag::TR), S(Tag::TH), E(Tag::TH),
                      S(Tag::CAPTION), E(Tag::CAPTION)})
            t.set(size_t(s));
        return t;
    }();
    return set;
}

bool isBlank(const QString& s) {
    for (QChar c : s)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

// Row ALIGN, jsNone when not given.
TJustify rowAlign(const TAttributeList& attrs) {
    const TAttribute* a = attrs.find(Attr::ALIGN);
    return a ? ParseAlign(a->Name, jsNone, 9) : jsNone;
}
}  // namespace

void THtmlParser::DoTable(int level) {
    if (TableDepth >= MaxTableDepth) {
        Next();  // too deep: the tag is ignored, its cells join the cell around
        return;
    }
    ++TableDepth;
    appendSection();
    TCell* const outer = Cell;
    const TJustify outerJustify = Justify;
    const bool oldBold = Bold, oldItalic = Italic, oldUnderline = Underline;
    auto table = List.MakeSection<ThtmlTable>(&List, T->Attributes, Justify, level);
    auto row = std::make_unique<TCellList>();
    TCellObj* cell = nullptr;  // the open cell, made in the table's arena
    TJustify rowJustify = jsNone;
    TVAlign rowVAlign = vaMiddle;

    auto finishCell = [&] {
        if (!cell)
            return;
        appendSection();
        // The cell is complete: its list of sections moves into the arena
        // now, while it is at hand, rather than in a walk over every cell
        // once the table ends.
        cell->Cell->FinishParse(List.Arena);
        row->add(std::exchange(cell, nullptr));
        Cell = outer;
    };
    // A row is open from its TR (or its first cell) to the next TR or the
    // table's end; an empty one is kept, so that row spans count it.
    bool rowOpen = false;
    auto finishRow = [&] {
        // The next row most likely has as many cells as this one.
        const int cells = row->count();
        if (rowOpen)
            table->AddRow(std::move(*row));
        *row = TCellList();
        row->reserve(std::min(cells, ThtmlTable::MaxCols));
        rowOpen = false;
    };
    // Content read by the body loop into `into` until a cell-ending token.
    // What opened inside (a heading, a link, a font) ends with the cell.
    std::vector<TMyFont>& fonts = CellFontStacks[TableDepth - 1];
    auto readInto = [&](TCell* into) {
        // The stack is copied only if the content changes it; a cell around
        // this one that waits to copy its own does so now.
        saveFontsForCell();
        UnsavedFonts = &fonts;
        const QString url = CurrentURL;
        const TScript sscript = SScript;
        Cell = into;
        DoBody(cellEnds());
        appendSection();
        Cell = outer;
        if (UnsavedFonts == &fonts)
            UnsavedFonts = nullptr;  // unchanged
        else
            FontStack = fonts;
        CurrentURL = url;
        SScript = sscript;
        Italic = oldItalic;
        Underline = oldUnderline;
    };

    Next();
    while (sy() != E(Tag::TABLE) && sy() != EofSy) {
        const int s = sy();
        if (s == S(Tag::TD) || s == S(Tag::TH)) {
            finishCell();
            const bool head = s == S(Tag::TH);
            Justify = rowJustify != jsNone ? rowJustify : head ? jsCenter : jsLeft;
            if (const TAttribute* a = attr(Attr::ALIGN))
                Justify = ParseAlign(a->Name, Justify, 9);
            Bold = head;
            TVAlign valign = rowVAlign;
            if (const TAttribute* a = attr(Attr::VALIGN))
                valign = ParseVAlign(a->Name, valign);
            cell = table->Cells.make(&List, T->Attributes, valign);
            rowOpen = true;
            Next();
            readInto(&*cell->Cell);
        } else if (s == E(Tag::TD) || s == E(Tag::TH)) {
            finishCell();
            Next();
        } else if (s == S(Tag::TR)) {
            finishCell();
            finishRow();
            rowOpen = true;
            rowJustify = rowAlign(T->Attributes);
            rowVAlign = vaMiddle;
            if (const TAttribute* a = attr(Attr::VALIGN))
                rowVAlign = ParseVAlign(a->Name, vaMiddle);
            Next();
        } else if (s == S(Tag::CAPTION)) {
            finishCell();
            const TAttribute* a = attr(Attr::ALIGN);
            // A second caption's content joins the first: freeing the first
            // would leave its anchors pointing at freed sections.
            if (!table->Caption) {
                table->TopCaption = !(a && a->Name.compare(QLatin1String("bottom"), Qt::CaseInsensitive) == 0);
                table->Caption = std::make_unique<TCellObj>(&List, TAttributeList(), vaMiddle);
            }
            Justify = jsCenter;
            Bold = oldBold;
            Next();
            readInto(&*table->Caption->Cell);
            if (sy() == E(Tag::CAPTION))
                Next();
        } else if ((s == TextSy && !isBlank(T->Token)) ||
                   (s != TextSy && (isCommon(s) || isListStart(s) || s == S(Tag::HR)))) {
            // Outside any cell: shown before the table, as the cell around has it.
            finishCell();
            Justify = outerJustify;
            Bold = oldBold;
            readInto(outer);
        } else {
            Next();
        }
    }
    finishCell();
    finishRow();
    Cell = outer;
    outer->Add(std::move(table));
    Bold = oldBold;
    Italic = oldItalic;
    Underline = oldUnderline;
    Justify = outerJustify;
    --TableDepth;
    Next();
}
