#pragma once
// The build canvas of the Build stage: a page in a ring binder with the
// toolbox column at its top left and the shredder at its bottom left. The
// user drags toolbox blocks onto the page column, moves page blocks up and
// down, drops them on the shredder, and clicks one to edit its fields.
//
// Geometry is in the coordinates of pnlToolBox. The page column shows at
// most 8 consecutive blocks (the canvas rows); ScrollBar1 and automatic
// scrolling during a drag reach the rest.

#include <QObject>
#include <QPoint>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QMouseEvent;
class QPlainTextEdit;
class QScrollBar;
class QTimer;
class TStageHost;
class TPage;
class TPicture;
class TPropertyPanels;
class TCanvasKeys;
class TWebBlock;
struct TWebChunk;

namespace canvas {
inline constexpr int BlockWidth = 95;
inline constexpr int BlockHeight = 22;
inline constexpr int HomeLeft = 1;         // left of a toolbox block at home
inline constexpr int SlideDistance = 100;  // a returning block starts this far left of home
inline constexpr int DropLeft = 152;       // smallest left that counts as dropped on the page
inline constexpr int ToolboxEdge = 97;     // right edge of the toolbox column
inline constexpr int RowPitch = 31;
inline constexpr int FirstRowTop = 1;
inline constexpr int ColumnLeft = 199;  // left of the page column; right bound of every drag
inline constexpr int ShownRows = 8;     // rows 0..7; row 8 is the shredder row of a drag
inline constexpr int MaxDragTop = 265;
inline constexpr int ScrollLeft = ColumnLeft - 5;  // right of this on row 8 scrolls down

// The top of row r.
constexpr int RowTop(int row) { return row * RowPitch + FirstRowTop; }
// The row of a dragged page block from its top.
constexpr int PageRowOfTop(int top) { return (top - 1) / RowPitch; }
// The row of a dragged toolbox block from its top (pitch and first top together).
constexpr int BrickRowOfTop(int top) { return top / (RowPitch + FirstRowTop); }
}  // namespace canvas

class TBuildCanvas : public QObject {
    Q_OBJECT
public:
    TBuildCanvas(TStageHost& window, TPage& page);
    ~TBuildCanvas() override;

    // --- the page model operations other parts call ---
    // Makes block `index` current and fills its property panel.
    void SelectBlock(int index);
    // Called after a chunk was appended at `index` (by the document reader):
    // creates its record when `allocate`, its canvas row when it lies within
    // the first 8 blocks, its picture, and shows or hides the scroll bar.
    void LoadChunk(int index, bool allocate);
    // Frees every row and block, hides the scroll bar, shows the blank panel
    // and resets the title. The document name and changed flag are the
    // caller's.
    void ClearPage();
    // Highlights row `row` and selects its block.
    void HighLightBlock(int row);

    // --- row bookkeeping ---
    // Makes row `row` show block `block` and the other rows follow; appends
    // one row control first when `addRow`.
    void RefreshRows(int row, int block, bool addRow);
    // One row down / up; false when there was nothing to scroll.
    bool ScrollRowsDown();
    bool ScrollRowsUp();
    void ScrollBar1Change(int position);
    // The index of the view's first block (0 on an empty page).
    int FirstShown() const;
    int RowCount() const { return int(CanvasRows.size()); }

    // --- the three page changes and the shredder ---
    void AddBlockFromBrick(TPicture* brick);
    void ArrayDrop(TWebBlock* picture);
    void ShredWebBlock(TWebBlock* picture);
    void AnimateShredder();
    void ReturnBrickHome(TPicture* brick);

    // --- the page changes of undo and redo: each changes the page, then
    // shows the block concerned on the canvas, lit and selected ---
    void InsertBlockAt(int index, std::unique_ptr<TWebChunk> chunk);
    void MoveBlockTo(int from, int to);
    // Takes block `index` out of the page; the block that moves into its
    // place (or the one above) becomes current, or none on an empty page.
    std::unique_ptr<TWebChunk> RemoveBlockAt(int index);
    // Rebuilds the rows so that block `index` is in view (keeping the view
    // where it is when it already shows it), lights it and selects it.
    void ShowBlock(int index);

    // --- the page changes of the keyboard, made as the mouse makes them
    // (with their sounds and the changed flag); nothing while a block is
    // carried by the mouse ---
    bool Carrying() const;
    // A block of `kind` below the selected one, selected.
    void KeyInsert(int kind);
    // The selected block `places` up (negative) or down.
    void KeyMove(int places);
    void KeyShred();
    void KeySelect(int index);
    TCanvasKeys& Keys() { return *keys_; }

    // --- mouse handlers of the toolbox blocks and the page rows ---
    void BrickMouseDown(TPicture* brick, QMouseEvent* event);
    void DragBrick(TPicture* brick, QMouseEvent* event);
    void DropBrick(TPicture* brick, QMouseEvent* event);
    void BlockMouseDown(TWebBlock* row, QMouseEvent* event);
    void BlockClick(TWebBlock* row);
    void BlockMouseMove(TWebBlock* row, QMouseEvent* event);
    void BlockMouseUp(TWebBlock* row, QMouseEvent* event);

    // --- timers ---
    void timAnimTimer();
    void timUpTimer();
    void timDownTimer();
    void timShredderTimer();

    TPropertyPanels& Panels() { return *panels_; }

signals:
    // Reported before the page changes, for the undo history. A block of
    // `kind` is inserted at `index`; a block moves; a block is shredded.
    void blockInserting(int index, int kind);
    void blockMoving(int from, int to);
    void blockShredding(int index);
    // The page was cleared (New, Open, the gallery).
    void pageCleared();

public:
    TStageHost& Window() { return w_; }
    TPage& Page() { return page_; }

    // --- controls (named as their objectName) ---
    QFrame* pnlToolBox = nullptr;
    TPicture* imgBackground = nullptr;
    TPicture* imgBrPara = nullptr;
    TPicture* imgBrLink = nullptr;
    TPicture* imgBrImage = nullptr;
    TPicture* imgBrHeading = nullptr;
    TPicture* imgBrEmail = nullptr;
    TPicture* imgBrLine = nullptr;
    QLabel* lblBuildBlocks = nullptr;
    QLabel* lblDelete = nullptr;
    TPicture* imgShredderBack = nullptr;
    TPicture* imgShredder = nullptr;
    QScrollBar* ScrollBar1 = nullptr;

    // The rows of the page column, entry i on row i (at most 8).
    std::vector<TWebBlock*> CanvasRows;

    // --- canvas state ---
    int HighlightedSlot = 0;
    bool DraggingBrick = false;
    TPicture* DraggedBrick = nullptr;  // the toolbox block that follows the mouse
    bool BrickOutOfToolbox = false;
    bool BrickReturning = false;
    TPicture* ReturningBrick = nullptr;
    bool DraggingBlock = false;
    TWebBlock* DraggedBlock = nullptr;  // the picture that follows the mouse
    int GrabX = 0;
    int GrabY = 0;

    // The six toolbox blocks by kind.
    TPicture* Brick(int kind) const;
    // The scroll bar's position the rows were last moved to.
    int LastScrollPos() const { return lastScrollPos_; }

protected:
    // The mouse wheel over the column of blocks scrolls it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void WireControls();
    // After the rows scrolled: the selected block stays selected, its row
    // lit while it is in view, no row lit while it is not.
    void LightSelectedRow();
    TWebBlock* NewRow(int chunkIndex, int slot);
    void ShowRow(TWebBlock* row, int chunkIndex, int slot);
    void UpdateScrollBar();
    // Moves the view until its first block matches the scroll bar.
    void FollowScrollBar();
    // Sets the scroll bar without scrolling the rows.
    void SetScrollQuietly(int position);
    void StopAutoScroll();
    // Starts or stops automatic scrolling for a dragged block on `row`
    // whose left was `oldLeft` before this move.
    void AutoScrollForRow(int row, int oldLeft);
    // Grabs the dragged control at its top centre and puts the pointer there.
    void GrabAtTopCentre(QWidget* control);
    void ShredOutOfView(int chunkIndex, int first);

    TStageHost& w_;
    TPage& page_;
    TPropertyPanels* panels_ = nullptr;
    TCanvasKeys* keys_ = nullptr;
    TWebBlock* pressedRow_ = nullptr;  // a row pressed with the left button, for its click
    bool clickCancelled_ = false;      // the press became a drag
    bool scrollQuiet_ = false;
    int lastScrollPos_ = 0;
    int wheelRest_ = 0;  // eighths of a degree the wheel turned short of a row
    // The canvas's timers: a dragged block's slide back, scrolling while a
    // block is dragged over the top or bottom row, the shredder's frames.
    QTimer* timAnim = nullptr;
    QTimer* timUp = nullptr;
    QTimer* timDown = nullptr;
    QTimer* timShredder = nullptr;
    QPlainTextEdit* memBuzzsaw = nullptr;  // the shredder's frames, one picture name a line
};

// Builds the canvas and the property panels on the Build stage of `window`
// and plugs them into its stage switch.
TBuildCanvas* AttachBuildStage(TStageHost& window, TPage& page);
// The canvas of `window` (null before AttachBuildStage).
TBuildCanvas* BuildCanvasOf(TStageHost& window);
