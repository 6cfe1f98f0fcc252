// Tables: what lies under a point, where a character is, searching and
// copying, each passed on to the cell concerned.
#include "viewer/HtmlTable.h"

#include <algorithm>

const TCellObj* ThtmlTable::cellAt(int X, int Y, int& col, int& rowTop) const {
    // Rows from the top down to Y: a cell spanning rows from above may
    // reach the point. A box takes the spacing above and left of it.
    int top = Placed.RowsTop;
    for (const auto& row : Rows) {
        if (top > Y)
            break;
        int x = 0;
        for (int j = 0; j < row->count(); ++j) {
            const TCellObj* c = row->at(j);
            if (!c->filler() && X >= x && X < x + c->Wd && Y < top + c->Ht) {
                col = j;
                rowTop = top;
                return c;
            }
            x += j < NumCols ? Placed.Widths[size_t(j)] : 0;
        }
        top += row->RowHeight;
    }
    return nullptr;
}

bool ThtmlTable::GetURL(TMeasurer& m, int X, int Y, QString& URL) const {
    if (Y < YValue || Y >= YValue + SectionHeight)
        return false;
    if (Caption && (TopCaption ? Y < Placed.RowsTop : Y >= Placed.RowsTop + Placed.RowsHeight + CellSpacing))
        return Caption->Cell->GetURL(m, X - Placed.Left, Y, URL);
    int col = 0, top = 0;
    const TCellObj* c = cellAt(X - Placed.Left - Placed.RowIndent, Y, col, top);
    return c && c->Cell->GetURL(m, X - Placed.Left - Placed.RowIndent - contentX(col), Y, URL);
}

int ThtmlTable::FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const {
    if (Caption && (TopCaption ? Y < Placed.RowsTop : Y >= Placed.RowsTop + Placed.RowsHeight + CellSpacing)) {
        const int r = Caption->Cell->FindCursor(m, X - Placed.Left, Y, LineY, LineHt);
        return r >= 0 ? r : Caption->Cell->StartCurs + (TopCaption ? Caption->Cell->Len : 0);
    }
    int col = 0, top = 0;
    const int rx = X - Placed.Left - Placed.RowIndent;
    const TCellObj* c = cellAt(std::clamp(rx, 0, std::max(0, Placed.TableWidth - CellSpacing - 1)),
                               std::clamp(Y, Placed.RowsTop, std::max(Placed.RowsTop, Placed.RowsTop + Placed.RowsHeight - 1)), col, top);
    if (!c)
        return -1;
    const int r = c->Cell->FindCursor(m, rx - contentX(col), Y, LineY, LineHt);
    if (r >= 0)
        return r;
    // Beside the content: the cell's start above it, its end below.
    LineY = Y;
    LineHt = 1;
    const int contentTop = top + CellSpacing + CellPadding + c->YIndent;
    return c->Cell->StartCurs + (Y < contentTop ? 0 : c->Cell->Len);
}

bool ThtmlTable::CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const {
    // The cell holding the character; an index at a cell's end is the
    // next cell's start, unless no cell follows.
    auto tryCell = [&](const TCell& cell, int dx, bool atEnd) {
        if (cell.Len == 0 || Index < cell.StartCurs || Index > cell.StartCurs + cell.Len - (atEnd ? 0 : 1) ||
            !cell.CursorToXY(m, Index, X, Y))
            return false;
        X += dx;
        return true;
    };
    for (const bool atEnd : {false, true}) {
        if (Caption && TopCaption && tryCell(*Caption->Cell, Placed.Left, atEnd))
            return true;
        for (const auto& row : Rows)
            for (int j = 0; j < row->count(); ++j) {
                const TCellObj* c = row->at(j);
                if (!c->filler() && tryCell(*c->Cell, Placed.Left + Placed.RowIndent + contentX(j), atEnd))
                    return true;
            }
        if (Caption && !TopCaption && tryCell(*Caption->Cell, Placed.Left, atEnd))
            return true;
    }
    return false;
}

int ThtmlTable::FindString(int From, const QString& S, bool MatchCase) const {
    int found = -1;
    ForEachCell([&](TCell& cell) {
        if (found < 0 && cell.StartCurs + cell.Len > From)
            found = cell.FindString(From, S, MatchCase);
    });
    return found;
}

void ThtmlTable::CopyToClipboard(QString& out, int selB, int selE) const {
    ForEachCell([&](TCell& cell) { cell.CopyToClipboard(out, selB, selE); });
}

