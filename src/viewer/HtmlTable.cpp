// Tables: spans and fillers, column widths, row heights and placement.
// Every cell is a list of sections laid out once at its width and then
// moved to its place. Hit tests, searching and copying are in TableHits.cpp,
// drawing in TableDraw.cpp.
#include "viewer/HtmlTable.h"

#include "viewer/HtmlTokens.h"
#include "viewer/IndentManager.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr int kMaxSpan = 100000;      // ROWSPAN beyond this is cut here first
constexpr int kMaxWidthPx = 32000;    // px, a WIDTH in pixels at most
constexpr int kMinFreeColumn = 40;    // px, a column without a width in an all-absolute table
constexpr int kNoRoom = 30000;        // px, natural width when percentages leave none

int clampHeight(qint64 h) { return int(std::clamp<qint64>(h, 0, TCell::MaxDocumentHeight)); }

// WIDTH of TABLE, TD or TH: pixels, or a percentage 1..100.
void readWidth(const TAttributeList& attrs, int& width, bool& percent) {
    const TAttribute* a = attrs.find(Attr::WIDTH);
    if (!a || a->Value <= 0)
        return;
    percent = a->Name.contains(QLatin1Char('%'));
    width = percent ? std::min(a->Value, 100) : std::min(a->Value, kMaxWidthPx);
}

int sum(const std::vector<int>& v, size_t from, size_t to) {
    return std::accumulate(v.begin() + qsizetype(from), v.begin() + qsizetype(to), 0);
}

// Shares `total` among the entries in proportion to `weights` (equally
// when they sum to 0), so that the shares add up to `total`.
std::vector<int> share(int total, const std::vector<int>& weights) {
    std::vector<int> out(weights.size(), 0);
    if (weights.empty() || total <= 0)
        return out;
    const qint64 wsum = std::accumulate(weights.begin(), weights.end(), qint64(0));
    qint64 given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const qint64 part = wsum > 0 ? qint64(total) * weights[i] / wsum : total / qint64(weights.size());
        out[i] = int(part);
        given += part;
    }
    out.back() += int(total - given);  // what rounding left over
    return out;
}
}  // namespace

// ---- construction -------------------------------------------------------------

TCellObj::TCellObj(TSectionList* master, const TAttributeList& attrs, TVAlign valign)
    : Cell(master), VAlign(valign) {
    if (const TAttribute* a = attrs.find(Attr::COLSPAN); a && a->Value > 1)
        ColSpan = std::int16_t(std::min(a->Value, ThtmlTable::MaxCols + 1));
    if (const TAttribute* a = attrs.find(Attr::ROWSPAN); a && a->Value > 1)
        RowSpan = std::min(a->Value, kMaxSpan);
    readWidth(attrs, SpecWd, SpecWdPercent);
    if (const TAttribute* a = attrs.find(Attr::BGCOLOR))
        if (auto c = ParseColor(a->Name); c && c->alpha() > 0)
            BgColor = c->rgba();
}

TCellArena::~TCellArena() {
    for (size_t b = 0; b < blocks_.size(); ++b) {
        const int n = b + 1 == blocks_.size() ? used_ : blockSize(b);
        for (int i = 0; i < n; ++i)
            blocks_[b][i].~TCellObj();
        TArena::abandon(blocks_[b], sizeof(TCellObj) * size_t(blockSize(b)));
    }
}

void TCellObj::contentMinMax(TMeasurer& m, int& Min, int& Max) {
    if (MinW < 0)
        Cell->MinMaxWidth(m, MinW, MaxW);
    Min = MinW;
    Max = MaxW;
}

ThtmlTable::ThtmlTable(TSectionList* list, const TAttributeList& attrs, TJustify justify, int level)
    : TSectionBase(list), Cells(list->Arena), Justify(justify == jsNone ? jsLeft : justify), ListLevel(level) {
    if (const TAttribute* a = attrs.find(Attr::BORDER))
        Border = a->Value > 0;
    if (const TAttribute* a = attrs.find(Attr::ALIGN)) {
        const QString v = a->Name.toUpper();
        if (v == QLatin1String("CENTER"))
            Justify = jsCenter;
        else if (v == QLatin1String("RIGHT"))
            Justify = jsRight;
    }
    readWidth(attrs, SpecWidth, SpecWidthPercent);
    // One pixel more than asked, so that 0 still leaves one.
    if (const TAttribute* a = attrs.find(Attr::CELLPADDING))
        CellPadding = std::clamp(a->Value, 0, 49) + 1;
    if (const TAttribute* a = attrs.find(Attr::CELLSPACING))
        CellSpacing = std::clamp(a->Value, 0, 39) + 1;
    if (const TAttribute* a = attrs.find(Attr::BGCOLOR))
        if (auto c = ParseColor(a->Name))
            BgColor = *c;
    if (const TAttribute* a = attrs.find(Attr::BORDERCOLOR))
        if (auto c = ParseColor(a->Name))
            BorderColor = *c;
}

// ---- spans --------------------------------------------------------------------

void ThtmlTable::AddRow(TCellList&& row) {
    const bool tableColor = BgColor.isValid() && BgColor.alpha() > 0;
    for (const auto& c : row) {
        noted_.spans = noted_.spans || c->ColSpan != 1 || c->RowSpan != 1;
        if (c->SpecWd > 0) {
            noted_.anyWidth = true;
            noted_.anyPercent = noted_.anyPercent || c->SpecWdPercent;
        }
        if (tableColor && !c->hasBgColor())
            c->BgColor = BgColor.rgba();
    }
    noted_.widest = std::max(noted_.widest, row.count());
    ++noted_.rows;
    Rows.add(std::move(row));
}

void ThtmlTable::InitSpans(TArena* arena) {
    if (Initialized)
        return;
    Initialized = true;
    // A row wider than MaxCols drops the table, so expansion stops there:
    // no row is ever made longer than MaxCols + 1 entries, which keeps the
    // work linear in the page however large the spans.
    auto tooWide = [this] {
        TooManyCols = true;
        NumCols = MaxCols + 1;
    };
    if (noted_.rows == Rows.count() && !noted_.spans) {
        // Every row noted as it was added, and no spans: no fillers to
        // make and the colours passed down already; the columns are
        // counted, the rows' lists move into the arena.
        if (noted_.widest > MaxCols)
            return tooWide();
        NumCols = noted_.widest;
        MaxColSpan = 1;
        if (arena)
            for (const auto& row : Rows)
                row->moveListTo(*arena);
        AllAbsolute = noted_.anyWidth && !noted_.anyPercent;
        return;
    }
    // Two passes over the cells, each doing all it can for a row while the
    // row's cells are at hand: a large table does not fit the processor's
    // caches, and every further pass would fetch it from memory again.
    const bool tableColor = BgColor.isValid() && BgColor.alpha() > 0;
    for (const auto& row : Rows) {
        int width = 0;
        for (const auto& c : *row) {
            if ((width += c->ColSpan) > MaxCols)
                return tooWide();
            if (tableColor && !c->hasBgColor())
                c->BgColor = BgColor.rgba();
        }
        if (width == row->count())
            continue;  // no column spans: nothing to fill
        // The row rebuilt once: each cell, then its column fillers.
        TCellList expanded;
        expanded.RowHeight = row->RowHeight;
        for (const auto& c : *row) {
            expanded.add(c.get());
            // Column fillers carry the cell's row span, so that the rows
            // below are covered in every column the cell spans.
            for (int k = 1; k < c->ColSpan; ++k) {
                TCellObj* f = Cells.make();
                f->ColSpan = 0;
                f->RowSpan = c->RowSpan;
                expanded.add(f);
            }
        }
        row->swapItems(expanded);
    }
    // Row spans, top down: when row i is reached, the rows above have put
    // their fillers into it, so it is complete and counts for the columns
    // (and, after parsing, its list moves into the arena; the cells' own
    // lists moved there as the parser finished each cell).
    NumCols = 0;
    MaxColSpan = 1;
    bool anyWidth = false, anyPercent = false;
    const int rows = Rows.count();
    for (int i = 0; i < rows; ++i) {
        TCellList* row = Rows.at(i);
        if (row->count() > MaxCols)
            return tooWide();
        NumCols = std::max(NumCols, row->count());
        for (int j = 0; j < row->count(); ++j) {
            TCellObj* c = row->at(j);
            MaxColSpan = std::max(MaxColSpan, int(c->ColSpan));
            if (c->SpecWd > 0) {
                anyWidth = true;
                anyPercent = anyPercent || c->SpecWdPercent;
            }
            c->RowSpan = std::min(c->RowSpan, rows - i);
            AnyRowSpan = AnyRowSpan || c->RowSpan > 1;
            for (int k = 1; k < c->RowSpan; ++k) {
                TCellList* below = Rows.at(i + k);
                if (below->count() > MaxCols)
                    return tooWide();
                TCellObj* f = Cells.make();
                f->ColSpan = 0;
                f->RowSpan = 0;
                if (j < below->count())
                    below->insert(j, f);
                else
                    below->add(f);
            }
        }
        if (arena)
            row->moveListTo(*arena);
    }
    TooManyCols = NumCols > MaxCols;
    AllAbsolute = anyWidth && !anyPercent;
}

// ---- column widths --------------------------------------------------------------

int ThtmlTable::colX(int j) const { return sum(Placed.Widths, 0, size_t(std::clamp(j, 0, int(Placed.Widths.size())))); }

void ThtmlTable::absoluteWidths(std::vector<int>& w) const {
    w.assign(size_t(NumCols), 0);
    for (int k = 1; k <= std::min(MaxColSpan, NumCols); ++k) {
        for (const auto& row : Rows) {
            for (int j = 0; j < row->count(); ++j) {
                const TCellObj* c = row->at(j);
                if (c->ColSpan != k)
                    continue;
                const int end = std::min(j + k, NumCols);
                if (k == 1) {
                    w[size_t(j)] = std::max(w[size_t(j)], c->SpecWd);
                    continue;
                }
                int known = 0, unknown = 0;
                for (int x = j; x < end; ++x)
                    w[size_t(x)] > 0 ? known += w[size_t(x)] : ++unknown;
                if (c->SpecWd <= 0 && known <= 0)
                    continue;
                if (unknown > 0) {
                    for (int x = j; x < end; ++x)
                        if (w[size_t(x)] == 0)
                            w[size_t(x)] = std::max(0, (c->SpecWd - known) / unknown);
                } else if (known < c->SpecWd) {
                    for (int x = j; x < end; ++x)
                        w[size_t(x)] = int(qint64(w[size_t(x)]) * c->SpecWd / known);
                }
            }
        }
    }
}

void ThtmlTable::gatherColumns(TMeasurer& m, Columns& c) {
    const size_t n = size_t(NumCols);
    c.min.assign(n, 0);
    c.max.assign(n, 0);
    c.pct.assign(n, 0);
    const int extra = 2 * CellPadding + CellSpacing;
    for (int k = 1; k <= std::min(MaxColSpan, NumCols); ++k) {
        for (const auto& row : Rows) {
            for (int j = 0; j < row->count(); ++j) {
                TCellObj* cell = row->at(j);
                if (cell->ColSpan != k)
                    continue;
                int mn = 0, mx = 0;
                cell->contentMinMax(m, mn, mx);
                mn += extra;
                mx += extra;
                // Here every WIDTH counts as a percentage.
                const int pct = std::clamp(cell->SpecWd, 0, 100);
                const size_t a = size_t(j), b = size_t(std::min(j + k, NumCols));
                if (k == 1) {
                    c.min[a] = std::max(c.min[a], mn);
                    c.max[a] = std::max(c.max[a], mx);
                    c.pct[a] = std::max(c.pct[a], pct);
                    continue;
                }
                int known = 0, unknown = 0;
                for (size_t x = a; x < b; ++x)
                    c.pct[x] > 0 ? known += c.pct[x] : ++unknown;
                if (pct > 0 || known > 0) {
                    if (unknown > 0 && pct > known) {
                        for (size_t x = a; x < b; ++x)
                            if (c.pct[x] == 0)
                                c.pct[x] = (pct - known) / unknown;
                    } else if (unknown == 0 && known < pct) {
                        for (size_t x = a; x < b; ++x)
                            c.pct[x] = c.pct[x] * pct / known;
                    }
                    const int all = std::max(pct, sum(c.pct, a, b));
                    if (all <= 0)
                        continue;
                    for (size_t x = a; x < b; ++x) {
                        c.max[x] = std::max(c.max[x], int(qint64(mx) * c.pct[x] / all));
                        c.min[x] = std::max(c.min[x], int(qint64(mn) * c.pct[x] / all));
                    }
                } else {
                    const std::vector<int> curMax(c.max.begin() + qsizetype(a), c.max.begin() + qsizetype(b));
                    const std::vector<int> curMin(c.min.begin() + qsizetype(a), c.min.begin() + qsizetype(b));
                    const std::vector<int> maxShare = share(mx, curMax), minShare = share(mn, curMin);
                    for (size_t x = a; x < b; ++x) {
                        c.max[x] = std::max(c.max[x], maxShare[x - a]);
                        c.min[x] = std::max(c.min[x], minShare[x - a]);
                    }
                }
            }
        }
    }
    for (size_t x = 0; x < n; ++x)
        c.max[x] = std::max(c.max[x], c.min[x]);
}

const ThtmlTable::Columns& ThtmlTable::columns(TMeasurer& m) {
    if (!columnsKnown_) {
        gatherColumns(m, columns_);
        columnsKnown_ = true;
    }
    return columns_;
}

int ThtmlTable::captionMin(TMeasurer& m) {
    if (!Caption)
        return 0;
    int mn = 0, mx = 0;
    Caption->contentMinMax(m, mn, mx);
    return mn;
}

std::vector<int> ThtmlTable::findWidths(TMeasurer& m, int avail) {
    const size_t n = size_t(NumCols);
    std::vector<int> w(n, 0);
    if (n == 0)
        return w;
    int target = avail;
    if (SpecWidth > 0)
        target = SpecWidthPercent ? int(qint64(avail) * SpecWidth / 100) : SpecWidth;
    const int TW = std::max(target - CellSpacing, 20);

    Columns c = columns(m);  // a copy: percentages are cut back below
    if (AllAbsolute) {
        absoluteWidths(w);
        int zeros = 0;
        for (int x : w)
            zeros += x == 0;
        if (zeros > 0) {
            const int each = std::max(kMinFreeColumn, (TW - sum(w, 0, n)) / zeros);
            for (int& x : w)
                if (x == 0)
                    x = each;
        }
        // A word wider than its column's WIDTH widens the column.
        for (size_t x = 0; x < n; ++x)
            w[x] = std::max(w[x], c.min[x]);
        return w;
    }

    int sumMin = sum(c.min, 0, n);
    if (sumMin >= TW)
        return c.min;

    int pctSum = sum(c.pct, 0, n);
    if ((pctSum >= 1 && pctSum <= 100) || SpecWidth > 0) {
        // Percentages adding up to more than 100 share the table by their
        // proportions.
        const qint64 whole = std::max(100, pctSum);
        qint64 natural = 0, othersMax = 0;
        for (size_t x = 0; x < n; ++x) {
            if (c.pct[x] > 0)
                natural = std::max(natural, qint64(c.max[x]) * whole / c.pct[x]);
            else
                othersMax += c.max[x];
        }
        if (pctSum < 100)
            natural = std::max(natural, othersMax * 100 / (100 - pctSum));
        else if (othersMax > 0)
            natural = kNoRoom;
        if (TW >= natural) {
            const int W = SpecWidth > 0 ? TW : int(natural);
            int used = 0;
            std::vector<int> weights;
            for (size_t x = 0; x < n; ++x)
                if (c.pct[x] > 0) {
                    w[x] = int(qint64(W) * c.pct[x] / whole);
                    used += w[x];
                } else {
                    weights.push_back(c.max[x]);
                }
            if (weights.empty() && SpecWidth > 0) {
                // Only percentage columns: what they leave of the table's
                // WIDTH goes to them in proportion, so the table keeps it.
                const std::vector<int> more = share(std::max(0, W - used), c.pct);
                for (size_t x = 0; x < n; ++x)
                    w[x] += more[x];
                return w;
            }
            const std::vector<int> rest = share(std::max(0, W - used), weights);
            for (size_t x = 0, k = 0; x < n; ++x)
                if (c.pct[x] == 0)
                    w[x] = rest[k++];
            return w;
        }
        // Percentages that do not fit are cut back, a column at a time.
        for (int round = 0; round <= NumCols + 1; ++round) {
            for (size_t x = 0; x < n; ++x)
                if (c.pct[x] > 0 && qint64(TW) * c.pct[x] / 100 - 1 < c.min[x])
                    c.pct[x] = 0;
            qint64 shares = 0, othersMin = 0;
            for (size_t x = 0; x < n; ++x)
                c.pct[x] > 0 ? shares += qint64(TW) * c.pct[x] / 100 : othersMin += c.min[x];
            if (shares > 0 && shares + othersMin > TW && round <= NumCols) {
                for (size_t x = 0; x < n; ++x)
                    c.pct[x] = int(c.pct[x] * std::max<qint64>(0, TW - othersMin) / shares);
                continue;
            }
            for (size_t x = 0; x < n; ++x)
                if (c.pct[x] > 0)
                    c.min[x] = c.max[x] = std::max(c.min[x], int(qint64(TW) * c.pct[x] / 100));
            break;
        }
        sumMin = sum(c.min, 0, n);
        if (sumMin >= TW)
            return c.min;
    }

    const int sumMax = sum(c.max, 0, n);
    if (TW < sumMax && sumMax != sumMin) {
        for (size_t x = 0; x < n; ++x)
            w[x] = c.min[x] + int(qint64(c.max[x] - c.min[x]) * (TW - sumMin) / (sumMax - sumMin));
        return w;
    }
    return c.max;
}

void ThtmlTable::MinMaxWidth(TMeasurer& m, int& Min, int& Max) {
    InitSpans();
    if (TooManyCols) {
        Min = Max = 0;  // dropped when laid out
        return;
    }
    if (minMaxCache_ < 0) {
        const size_t n = size_t(NumCols);
        int mn = 0, mx = 0;
        const Columns& c = columns(m);
        if (AllAbsolute) {
            std::vector<int> w;
            absoluteWidths(w);
            for (size_t x = 0; x < n; ++x)
                w[x] = std::max(w[x] ? w[x] : kMinFreeColumn, c.min[x]);
            mn = mx = sum(w, 0, n);
        } else {
            mn = sum(c.min, 0, n);
            mx = sum(c.max, 0, n);
        }
        mn += CellSpacing;
        mx += CellSpacing;
        if (SpecWidth > 0 && !SpecWidthPercent) {
            mn = std::max(mn, SpecWidth);
            mx = std::max(mx, SpecWidth);
        }
        const int cap = captionMin(m);
        minMaxCache_ = std::max(mn, cap);
        maxCache_ = std::max(mx, cap);
    }
    Min = minMaxCache_;
    Max = maxCache_;
}

// ---- layout -----------------------------------------------------------------------

int ThtmlTable::DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) {
    InitSpans();
    if (TooManyCols)
        throw THtmlLayoutError("Table has too many Columns");
    IMgr.SetLevel(Y, ListLevel);
    const int left = IMgr.LeftIndent(Y) - IMgr.LfEdge;
    const int avail = IMgr.RightSide(Y) - IMgr.LeftIndent(Y);
    std::vector<int> widths = findWidths(m, avail);
    const int tableWidth = CellSpacing + sum(widths, 0, widths.size());
    const int outerWidth = std::max(tableWidth, captionMin(m));
    // Placement between the margins; rows centred under a wider caption.
    int indent = 0;
    if (outerWidth < avail) {
        if (Justify == jsCenter)
            indent = (avail - outerWidth) / 2;
        else if (Justify == jsRight)
            indent = avail - outerWidth;
    }
    const bool sameMeasurer = laidWith_ == &m;
    // Laid out before at this place, with these columns and the same fonts
    // and pictures: every cell would keep its lines and its place, so the
    // table stays as it is (a window resized around a table that fits).
    if (sameMeasurer && Y == YValue && Curs == StartCurs && widths == Placed.Widths &&
        left + indent == Placed.Left && outerWidth == Placed.OuterWidth) {
        Curs += Len;
        MaxWidth = Placed.Left + Placed.OuterWidth;
        return SectionHeight;
    }
    StartCurs = Curs;
    YValue = Y;
    laidWith_ = &m;
    Placed.Widths = std::move(widths);
    Placed.TableWidth = tableWidth;
    Placed.OuterWidth = outerWidth;
    Placed.Left = left + indent;
    Placed.RowIndent = (Placed.OuterWidth - Placed.TableWidth) / 2;

    qint64 y = Y;
    Placed.CaptionHeight = 0;
    auto layCaption = [&] {
        int mw = 0;
        Placed.CaptionHeight = Caption->Cell->DoLogic(m, int(y), Placed.OuterWidth, Curs, mw);
        y += Placed.CaptionHeight;
    };
    if (Caption && TopCaption)
        layCaption();
    Placed.RowsTop = clampHeight(y);
    y = layRows(m, sameMeasurer, y, Curs);
    Placed.RowsHeight = clampHeight(y - Placed.RowsTop);
    y += CellSpacing;
    if (Caption && !TopCaption)
        layCaption();

    Len = Curs - StartCurs;
    SectionHeight = DrawHeight = clampHeight(y - Y);
    MaxWidth = Placed.Left + Placed.OuterWidth;
    return SectionHeight;
}

// Lays out every row's cells from `y` on and places them (the cursor
// positions counted on in `Curs`); the y below the last row.
qint64 ThtmlTable::layRows(TMeasurer& m, bool sameMeasurer, qint64 y, int& Curs) {
    const int rows = Rows.count();
    const int extra = 2 * CellPadding + CellSpacing;
    // Each cell once, at its width; its place comes after its row's
    // height. A cell already laid out at the same width with the same fonts
    // and pictures keeps its lines (a window made narrower seldom changes
    // every column).
    auto layCell = [&](TCellObj* c, int j) {
        c->Wd = sum(Placed.Widths, size_t(std::min(j, NumCols)), size_t(std::min(j + c->ColSpan, NumCols)));
        const int width = std::max(1, c->Wd - extra);
        if (!sameMeasurer || c->Cell->Width != width) {
            int curs = 0, mw = 0;
            c->VSize = c->Cell->DoLogic(m, 0, width, curs, mw);
        }
    };
    auto placeRow = [&](int i) {
        TCellList* row = Rows.at(i);
        for (const auto& c : *row) {
            if (c->filler())
                continue;
            qint64 ht = 0;
            for (int r = i; r < i + c->RowSpan; ++r)
                ht += Rows.at(r)->RowHeight;
            c->Ht = clampHeight(ht);
            const int room = std::max(0, c->Ht - c->VSize - extra);
            c->YIndent = c->VAlign == vaTop ? 0 : c->VAlign == vaMiddle ? room / 2 : room;
            const int top = clampHeight(y + CellSpacing + CellPadding + c->YIndent);
            c->Cell->MoveBy(top - c->Cell->LastY, Curs - c->Cell->StartCurs);
            Curs += c->Cell->Len;
        }
        y += row->RowHeight;
    };

    // Lays out row i's cells and takes its height from those that span no
    // other row; the spanning ones wait for every row's own height.
    struct Spanning {
        int row;
        TCellObj* cell;
    };
    std::vector<Spanning> spanning;
    auto layRow = [&](int i) {
        TCellList* row = Rows.at(i);
        row->RowHeight = 0;
        for (int j = 0; j < row->count(); ++j) {
            TCellObj* c = row->at(j);
            if (c->filler())
                continue;
            layCell(c, j);
            if (c->RowSpan > 1)
                spanning.push_back({i, c});
            else
                row->RowHeight = clampHeight(std::max<qint64>(row->RowHeight, qint64(c->VSize) + extra));
        }
    };
    if (!AnyRowSpan) {
        // Each row's height is its own: its cells are placed while they are
        // at hand, in the pass that lays them out.
        for (int i = 0; i < rows; ++i) {
            layRow(i);
            placeRow(i);
        }
    } else {
        // Row heights: single rows first, then the spanning cells in
        // increasing span (in page order within one span), each adding what
        // it lacks evenly over its rows; the cells are placed once every
        // height is known.
        for (int i = 0; i < rows; ++i)
            layRow(i);
        std::stable_sort(spanning.begin(), spanning.end(),
                         [](const Spanning& a, const Spanning& b) { return a.cell->RowSpan < b.cell->RowSpan; });
        for (const Spanning& s : spanning) {
            const int k = s.cell->RowSpan;
            const qint64 need = qint64(s.cell->VSize) + extra;
            qint64 have = 0;
            for (int r = s.row; r < s.row + k; ++r)
                have += Rows.at(r)->RowHeight;
            if (have < need)
                for (int r = s.row; r < s.row + k; ++r)
                    Rows.at(r)->RowHeight = clampHeight(Rows.at(r)->RowHeight + (need - have) / k + 1);
        }
        for (int i = 0; i < rows; ++i)
            placeRow(i);
    }
    return y;
}

void ThtmlTable::MoveBy(int dy, int dcurs) {
    TSectionBase::MoveBy(dy, dcurs);
    Placed.RowsTop += dy;
    if (Caption)
        Caption->Cell->MoveBy(dy, dcurs);
    for (const auto& row : Rows)
        for (const auto& c : *row)
            if (!c->filler())
                c->Cell->MoveBy(dy, dcurs);
}

void ThtmlTable::UpdateFonts() {
    minMaxCache_ = maxCache_ = -1;
    columnsKnown_ = false;
    ForEachCell([](TCell& cell) { cell.UpdateFonts(); });
    // Placed.Widths measured and lines laid out with the old fonts are stale.
    laidWith_ = nullptr;
    auto forget = [](TCellObj& c) { c.MinW = c.MaxW = -1; };
    if (Caption)
        forget(*Caption);
    for (const auto& row : Rows)
        for (const auto& c : *row)
            forget(*c);
}

void ThtmlTable::ResetImages() {
    ForEachCell([](TCell& cell) { cell.ResetImages(); });
    UpdateFonts();  // sizes of pictures change the widths
}

void ThtmlTable::ForEachCell(const std::function<void(TCell&)>& f) const {
    if (Caption && TopCaption)
        f(*Caption->Cell);
    for (const auto& row : Rows)
        for (const auto& c : *row)
            if (!c->filler())
                f(*c->Cell);
    if (Caption && !TopCaption)
        f(*Caption->Cell);
}

void ThtmlTable::FinishParse(TArena& arena) {
    // The fillers first: each row is complete, and moves into the arena as
    // the spans pass leaves it. The cells were finished as they were read.
    InitSpans(&arena);
    Rows.squeeze();
    if (Caption)
        Caption->Cell->FinishParse(arena);
}
