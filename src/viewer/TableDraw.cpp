// Drawing of tables: the caption, the rows' area in BORDERCOLOR, each
// cell's background, content and sunken frame, and the raised frame round
// the rows.
#include "viewer/HtmlTable.h"
#include "viewer/SectionDraw.h"

#include <algorithm>

namespace {
constexpr int kFrameLimit = 30000;  // px, frame coordinates are clamped to +-this

// A one-pixel frame round [x1, x2) x [y1, y2): `topLeft` on the top and
// left edges, `bottomRight` on the others.
void frame(QPainter& p, int x1, int y1, int x2, int y2, const QColor& topLeft, const QColor& bottomRight) {
    const auto c = [](int v) { return std::clamp(v, -kFrameLimit, kFrameLimit); };
    x1 = c(x1), y1 = c(y1), x2 = c(x2), y2 = c(y2);
    if (x2 <= x1 || y2 <= y1)
        return;
    p.fillRect(x1, y2 - 1, x2 - x1, 1, bottomRight);
    p.fillRect(x2 - 1, y1, 1, y2 - y1, bottomRight);
    p.fillRect(x1, y1, x2 - x1, 1, topLeft);
    p.fillRect(x1, y1, 1, y2 - y1, topLeft);
}
}  // namespace

int ThtmlTable::Draw(TDrawContext& dc, int X, int Y) {
    if (!dc.meets(YValue, SectionHeight))
        return Y + SectionHeight;
    QPainter& p = dc.p;
    const int x0 = X + Placed.Left;
    if (Caption && TopCaption)
        Caption->Cell->Draw(dc, x0, YValue);

    const int xr = x0 + Placed.RowIndent;
    const int rowsTop = Placed.RowsTop + dc.yShift;
    if (BorderColor.isValid())
        p.fillRect(QRect(xr, rowsTop, Placed.TableWidth, Placed.RowsHeight + CellSpacing), BorderColor);
    const QColor light = LightEdge(dc.list);
    int top = Placed.RowsTop;
    for (const auto& row : Rows) {
        if (top + dc.yShift > dc.clip.bottom())
            break;  // rows come in order; spans reach only downwards
        int x = xr;
        for (int j = 0; j < row->count(); ++j) {
            TCellObj* c = row->at(j);
            if (!c->filler() && c->hasContent() && dc.meets(top, c->Ht + CellSpacing)) {
                const QRect box(QPoint(x + CellSpacing, top + CellSpacing + dc.yShift),
                                QPoint(x + c->Wd - 1, top + c->Ht - 1 + dc.yShift));
                if (c->hasBgColor() && box.isValid())
                    p.fillRect(box, QColor::fromRgba(c->BgColor));
                c->Cell->Draw(dc, x + CellSpacing + CellPadding, top + CellSpacing + CellPadding + c->YIndent);
                if (Border)
                    frame(p, box.left(), box.top(), box.right() + 1, box.bottom() + 1, kShadow, light);
            }
            x += j < NumCols ? Placed.Widths[size_t(j)] : 0;
        }
        top += row->RowHeight;
    }
    if (Border)
        frame(p, xr, rowsTop, xr + Placed.TableWidth, rowsTop + Placed.RowsHeight + CellSpacing, light, kShadow);
    if (Caption && !TopCaption)
        Caption->Cell->Draw(dc, x0, Placed.RowsTop + Placed.RowsHeight + CellSpacing);
    return Y + SectionHeight;
}
