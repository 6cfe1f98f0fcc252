// The mouse on the build canvas: dragging toolbox blocks onto the page,
// dragging page blocks up, down and onto the shredder, and clicking a block
// to select it.

#include "model/BuildCanvas.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/WhatsThis.h"
#include "model/WebBlock.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

using namespace canvas;

namespace {

// Only the left button, and no Shift, Ctrl or Alt, drags.
bool LeftAlone(const QMouseEvent* e) {
    return e->buttons() == Qt::LeftButton &&
           !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

// Platforms without a pointer of their own (offscreen, minimal) answer a
// pointer move with a late synthetic mouse event; there is nothing to move.
bool CanMovePointer() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void TBuildCanvas::GrabAtTopCentre(QWidget* control) {
    // The dragged picture hangs from its top centre: the pointer jumps there
    // so that the picture then moves exactly as far as the mouse.
    GrabX = BlockWidth / 2;
    GrabY = 0;
    if (CanMovePointer()) QCursor::setPos(control->screen(), control->mapToGlobal(QPoint(GrabX, GrabY)));
}

// --- toolbox blocks ---

void TBuildCanvas::BrickMouseDown(TPicture*, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetScreenCursor(13);
    PlayResourceSound(QStringLiteral("wavClick1"));
}

void TBuildCanvas::DragBrick(TPicture* brick, QMouseEvent* event) {
    if (BrickReturning || DraggingBlock || !LeftAlone(event)) return;
    if (!DraggingBrick) {
        // A drag starts only from home.
        if (brick->x() != HomeLeft) return;
        brick->raise();
        imgShredderBack->raise();
        imgShredder->raise();
        DraggingBrick = true;
        DraggedBrick = brick;
        GrabAtTopCentre(brick);
        return;
    }
    if (brick != DraggedBrick) return;
    const QPoint at = event->position().toPoint();
    const int top = std::clamp(brick->y() + at.y() - GrabY, 0, MaxDragTop);
    int left = brick->x() + at.x() - GrabX;
    int newTop = brick->y();
    if (left > ToolboxEdge) BrickOutOfToolbox = true;
    // Inside the toolbox column the block only moves sideways; once out, it
    // snaps to the rows and cannot go back into the column.
    if (BrickOutOfToolbox) {
        left = std::max(left, ToolboxEdge);
        const int row = std::max(BrickRowOfTop(top), 0);
        AutoScrollForRow(row, brick->x());
        newTop = RowTop(row);
    }
    left = std::clamp(left, HomeLeft, ColumnLeft);
    brick->move(left, newTop);
}

void TBuildCanvas::DropBrick(TPicture* brick, QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (!DraggingBrick) ShowBrickWhatsThis(brick);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (DraggingBrick && !BrickReturning && brick == DraggedBrick) {
        if (brick->x() >= DropLeft) {
            PlayResourceSound(QStringLiteral("wavClick2"));
            AddBlockFromBrick(brick);
        } else if (brick->x() < ToolboxEdge) {
            // It never left the toolbox column: straight home.
            StopAutoScroll();
            brick->move(HomeLeft, brick->Tag);
            BrickReturning = false;
            DraggingBrick = false;
            DraggedBrick = nullptr;
        } else {
            ReturnBrickHome(brick);
        }
    }
    BrickOutOfToolbox = false;
    SetScreenCursor(0);
}

void TBuildCanvas::ReturnBrickHome(TPicture* brick) {
    ReturningBrick = brick;
    brick->move(HomeLeft - SlideDistance, brick->Tag);
    timAnim->start();
    StopAutoScroll();
}

void TBuildCanvas::timAnimTimer() {
    BrickReturning = true;
    TPicture* brick = ReturningBrick;
    const int left = brick ? brick->x() + SlideDistance / 10 : HomeLeft;
    if (left < HomeLeft) {
        brick->move(left, brick->y());
        return;
    }
    for (int kind = 0; kind < kBlockKindCount; ++kind)
        if (TPicture* b = Brick(kind)) b->move(HomeLeft, b->Tag);
    timAnim->stop();
    BrickReturning = false;
    DraggingBrick = false;
    ReturningBrick = nullptr;
    DraggedBrick = nullptr;
}

// --- page blocks ---

void TBuildCanvas::BlockMouseDown(TWebBlock* row, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetScreenCursor(13);
    pressedRow_ = row;
    clickCancelled_ = false;
}

void TBuildCanvas::BlockClick(TWebBlock* row) {
    if (DraggingBrick) return;
    if (row->ChunkIndex != page_.CurrentIndex && page_.Chunk(row->ChunkIndex)) {
        SelectBlock(row->ChunkIndex);
        HighLightBlock(row->SlotIndex);
    }
    SetScreenCursor(13);
}

void TBuildCanvas::BlockMouseMove(TWebBlock* row, QMouseEvent* event) {
    if (DraggingBrick || !LeftAlone(event)) return;
    if (!DraggingBlock) {
        const int slot = row->SlotIndex;
        if (slot < 0 || slot >= RowCount() || CanvasRows[size_t(slot)] != row) return;
        // A fresh row takes the pressed one's place in the column; the
        // pressed control itself follows the mouse.
        TWebBlock* fresh = NewRow(row->ChunkIndex, slot);
        fresh->setPixmap(row->pixmap());
        CanvasRows[size_t(slot)] = fresh;
        DraggedBlock = row;
        GrabAtTopCentre(row);
        row->raise();
        imgShredderBack->raise();
        imgShredder->raise();
        HighLightBlock(slot);
        // The carried copy looks like the lit row it came from.
        row->setPixmap(fresh->pixmap());
        SetScreenCursor(13);
        DraggingBlock = true;
        clickCancelled_ = true;
        PlayResourceSound(QStringLiteral("wavClick1"));
        return;
    }
    if (row != DraggedBlock) return;
    const QPoint at = event->position().toPoint();
    const int top = std::clamp(row->y() + at.y() - GrabY, 0, MaxDragTop);
    const int r = std::max(PageRowOfTop(top), 0);
    AutoScrollForRow(r, row->x());
    // Sideways only to the left of the column, and into the toolbox column
    // only on the shredder row.
    int left = row->x() + at.x() - GrabX;
    left = std::min(std::max(left, r == ShownRows ? HomeLeft : ToolboxEdge), ColumnLeft);
    row->move(left, RowTop(r));
}

void TBuildCanvas::BlockMouseUp(TWebBlock* row, QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (!DraggingBlock) ShowWhatsThis(row, 11);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        if (DraggingBlock && row == DraggedBlock) {
            ArrayDrop(row);
            DraggingBlock = false;
        } else if (row == pressedRow_ && !clickCancelled_ && row->rect().contains(event->position().toPoint())) {
            BlockClick(row);
        }
        pressedRow_ = nullptr;
    }
    SetScreenCursor(0);
}
