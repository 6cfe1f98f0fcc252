#pragma once
// Tables: a table is one section of its cell's list. It holds rows of
// cells, each cell a list of sections laid out like the document itself,
// and an optional caption. Layout (column widths, row heights, placement),
// hit tests and copying are in HtmlTable.cpp; drawing in TableDraw.cpp.

#include "viewer/SectionList.h"

#include <QColor>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <vector>

class TAttributeList;

// One cell of a row. A cell covered by another cell's span is a filler:
// ColSpan 0 and no cell of its own (row fillers also have RowSpan 0).
class TCellObj {
public:
    // A filler.
    TCellObj() : Cell(nullptr) {}
    // A cell made from the attributes of TD, TH or CAPTION.
    TCellObj(TSectionList* master, const TAttributeList& attrs, TVAlign valign);

    // The content, held in the cell itself (a table of many small cells
    // would otherwise pay an allocation more for each); empty for fillers.
    // Read like a pointer: *Cell, Cell->.
    class Content {
    public:
        explicit Content(TSectionList* master) : cell_(master) {}
        TCell& operator*() { return cell_; }
        TCell* operator->() { return &cell_; }
        const TCell& operator*() const { return cell_; }
        const TCell* operator->() const { return &cell_; }

    private:
        TCell cell_;
    };
    Content Cell;
    int RowSpan = 1;
    int Wd = 0, Ht = 0;   // px, the box: widths of its columns, heights of its rows
    int VSize = 0;        // px, height of the content
    int YIndent = 0;      // px, content offset for VAlign
    int SpecWd = 0;       // px or percent (WIDTH); 0 when not given
    // Cached content widths (px); -1 until measured.
    int MinW = -1, MaxW = -1;
    QRgb BgColor = 0;     // BGCOLOR, opaque; 0 (transparent) when none
    // At most MaxCols + 1: narrow, beside the other small fields, so that a
    // cell takes 80 bytes, not 88 (a table may hold hundreds of thousands).
    std::int16_t ColSpan = 1;
    TVAlign VAlign = vaMiddle;
    bool SpecWdPercent = false;

    bool filler() const { return ColSpan == 0; }
    bool hasContent() const { return !Cell->isEmpty(); }
    bool hasBgColor() const { return qAlpha(BgColor) != 0; }
    void contentMinMax(TMeasurer& m, int& Min, int& Max);
};
static_assert(sizeof(void*) != 8 || sizeof(TCellObj) <= 80, "a cell's fields no longer pack");

// The cells of one table, in blocks of many taken from the document's
// arena: a table of thousands of small cells takes its memory where its
// sections do, and its rows are walked through neighbouring memory. Cells
// keep their address; their blocks are abandoned to the arena with the
// table (Arena.h).
class TCellArena {
public:
    explicit TCellArena(TArena& arena) : arena_(arena) {}
    ~TCellArena();
    TCellArena(const TCellArena&) = delete;
    TCellArena& operator=(const TCellArena&) = delete;

    template <class... Args>
    TCellObj* make(Args&&... args) {
        if (blocks_.empty() || used_ == blockSize(blocks_.size() - 1)) {
            const size_t n = size_t(blockSize(blocks_.size()));
            blocks_.push_back(static_cast<TCellObj*>(arena_.allocate(sizeof(TCellObj) * n, alignof(TCellObj))));
            used_ = 0;
        }
        TCellObj* c = new (blocks_.back() + used_) TCellObj(std::forward<Args>(args)...);
        ++used_;
        return c;
    }

private:
    // Blocks grow from 4 cells to 32 (about 3 KB), so neither a small table
    // nor the last block of a large one leaves much room unused, and a
    // large one keeps a short list of blocks.
    static int blockSize(size_t block) { return 4 << std::min<size_t>(block, 3); }
    TArena& arena_;
    std::vector<TCellObj*> blocks_;
    int used_ = 0;  // cells made in the last block
};

// One row: the table's cells in column order (the arena owns them).
class TCellList {
public:
    int RowHeight = 0;  // px

    int count() const { return int(cells_.size()); }
    bool isEmpty() const { return cells_.empty(); }
    TCellObj* at(int i) const { return cells_[size_t(i)].p; }
    void add(TCellObj* c) { cells_.push_back({c}); }
    void reserve(int n) { cells_.reserve(size_t(n)); }
    void insert(int i, TCellObj* c) { cells_.insert(size_t(i), {c}); }
    void swapItems(TCellList& other) { cells_.swap(other.cells_); }
    void moveListTo(TArena& arena) { cells_.moveTo(arena); }
    const TItemPtr<TCellObj>* begin() const { return cells_.begin(); }
    const TItemPtr<TCellObj>* end() const { return cells_.end(); }

private:
    TPackedArray<TItemPtr<TCellObj>> cells_;
};

// A table's rows, side by side in one array rather than one allocation
// each: layout walks every row several times, and a table of many rows
// outgrows the processor's caches, so each row found at the next address
// saves a fetch from memory.
class TRowList {
public:
    int count() const { return int(rows_.size()); }
    TCellList* at(int i) { return &rows_[size_t(i)]; }
    const TCellList* at(int i) const { return &rows_[size_t(i)]; }
    void add(TCellList&& row) { rows_.push_back(std::move(row)); }
    // The room beyond the rows is given back once parsing is done.
    void squeeze() { rows_.shrink_to_fit(); }

    // Walks hand out pointers, as the other lists of the viewer do.
    class Iterator {
    public:
        explicit Iterator(TCellList* p) : p_(p) {}
        TItemPtr<TCellList> operator*() const { return {p_}; }
        Iterator& operator++() {
            ++p_;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return p_ != o.p_; }

    private:
        TCellList* p_;
    };
    Iterator begin() const { return Iterator(const_cast<TCellList*>(rows_.data())); }
    Iterator end() const { return Iterator(const_cast<TCellList*>(rows_.data() + rows_.size())); }

private:
    std::vector<TCellList> rows_;
};

class ThtmlTable : public TSectionBase {
public:
    static constexpr int MaxCols = 30;

    // `justify` is the default justification where the table starts,
    // `level` the list level it stands in.
    ThtmlTable(TSectionList* list, const TAttributeList& attrs, TJustify justify, int level);

    TCellArena Cells;  // every cell of the rows, fillers included
    TRowList Rows;
    std::unique_ptr<TCellObj> Caption;
    bool TopCaption = true;

    bool Initialized = false;  // spans and fillers done
    bool TooManyCols = false;
    bool Border = false;
    TJustify Justify = jsLeft;
    int ListLevel = 0;
    int SpecWidth = 0;         // px or percent (WIDTH); 0 when not given
    bool SpecWidthPercent = false;
    int CellPadding = 2;       // px
    int CellSpacing = 3;       // px
    QColor BgColor, BorderColor;  // invalid when not given
    int NumCols = 0;
    int MaxColSpan = 1;        // the widest COLSPAN of a cell
    bool AnyRowSpan = false;   // some cell spans rows
    bool AllAbsolute = false;  // some cell has a WIDTH and none is a percentage

    // What the last layout made of the table, apart from what was parsed.
    struct TPlaced {
        std::vector<int> Widths;  // px, per column
        int TableWidth = 0;       // px, CellSpacing + the column widths
        int OuterWidth = 0;       // px, TableWidth or the caption's minimum
        int Left = 0;             // px, table's left edge in its cell's coordinates
        int RowIndent = 0;        // px, rows' offset under a wider caption
        int CaptionHeight = 0;    // px
        int RowsTop = 0;          // px, document Y of the first row
        int RowsHeight = 0;       // px, the rows without the last spacing
    };
    TPlaced Placed;

    void CopyToClipboard(QString& out, int selB, int selE) const override;
    int DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) override;
    int Draw(TDrawContext& dc, int X, int Y) override;
    bool GetURL(TMeasurer& m, int X, int Y, QString& URL) const override;
    int FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const override;
    int FindString(int From, const QString& S, bool MatchCase) const override;
    bool CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const override;
    void UpdateFonts() override;
    void MinMaxWidth(TMeasurer& m, int& Min, int& Max) override;
    void MoveBy(int dy, int dcurs) override;
    void ResetImages() override;
    void ForEachCell(const std::function<void(TCell&)>& f) const override;
    void FinishParse(TArena& arena) override;

    // Spans: fillers, colours passed down, the column count. Once.
    void InitSpans(TArena* arena = nullptr);
    // Appends a row the parser has read, noting what the spans pass needs
    // of it while its cells are at hand: a table whose rows were all noted
    // and have no spans is then not walked cell by cell again. The rows'
    // lists move into the arena after parsing all the same: moved one by
    // one as they are read, they leave more of the heap to be given back to
    // the system with the document, which the next load then pays for.
    void AddRow(TCellList&& row);

private:
    struct Columns {
        std::vector<int> min, max, pct;  // px, px, percent
    };
    int minMaxCache_ = -1, maxCache_ = -1;  // px, MinMaxWidth; -1 until measured
    // The columns' measures, from the cells' cached widths: a table laid
    // out again (a window resized) need not walk its cells for them. Kept
    // until the fonts or pictures change, as those widths are.
    Columns columns_;
    bool columnsKnown_ = false;
    // The measurer the cells were last laid out with; null after a change
    // of fonts or pictures.
    const TMeasurer* laidWith_ = nullptr;

    // What AddRow noted of the rows it appended.
    struct Noted {
        int rows = 0;
        int widest = 0;  // cells in the longest row
        bool spans = false;  // some cell spans columns or rows
        bool anyWidth = false, anyPercent = false;
    };
    Noted noted_;

    void gatherColumns(TMeasurer& m, Columns& c);
    const Columns& columns(TMeasurer& m);
    void absoluteWidths(std::vector<int>& w) const;
    std::vector<int> findWidths(TMeasurer& m, int avail);
    int captionMin(TMeasurer& m);
    qint64 layRows(TMeasurer& m, bool sameMeasurer, qint64 y, int& Curs);
    int colX(int j) const;  // px, left of column j from the rows' left
    // The cell whose box holds (X, Y), X from the rows' left edge.
    const TCellObj* cellAt(int X, int Y, int& col, int& rowTop) const;
    int contentX(int col) const { return colX(col) + CellSpacing + CellPadding; }
};
