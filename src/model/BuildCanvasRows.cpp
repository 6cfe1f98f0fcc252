// The rows of the page column: which block each row shows, the highlight,
// scrolling, and the three page changes (insert, move, shred).

#include "model/BuildCanvas.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "model/PropertyPanels.h"
#include "model/WebBlock.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>

using namespace canvas;

int TBuildCanvas::FirstShown() const { return CanvasRows.empty() ? 0 : CanvasRows.front()->ChunkIndex; }

void TBuildCanvas::RefreshRows(int row, int block, bool addRow) {
    if (addRow) CanvasRows.push_back(NewRow(block - row + RowCount(), RowCount()));
    for (int i = 0; i < RowCount(); ++i) ShowRow(CanvasRows[size_t(i)], block - row + i, i);
}

void TBuildCanvas::HighLightBlock(int row) {
    if (row < 0 || row >= RowCount()) return;
    for (TWebBlock* r : CanvasRows) r->ClearHighlight();
    TWebBlock* lit = CanvasRows[size_t(row)];
    if (const TWebChunk* chunk = page_.Chunk(lit->ChunkIndex)) {
        const QPixmap pm = ResourceBitmap(KindPictureName(chunk->Kind) + QStringLiteral("_H"));
        if (!pm.isNull()) lit->setPixmap(pm);
    }
    HighlightedSlot = row;
    SelectBlock(lit->ChunkIndex);
}

bool TBuildCanvas::ScrollRowsDown() {
    if (CanvasRows.empty() || CanvasRows.back()->ChunkIndex >= page_.Count() - 1) return false;
    RefreshRows(0, FirstShown() + 1, RowCount() < ShownRows);
    LightSelectedRow();
    return true;
}

bool TBuildCanvas::ScrollRowsUp() {
    if (CanvasRows.empty() || FirstShown() == 0) return false;
    RefreshRows(0, FirstShown() - 1, RowCount() < ShownRows);
    LightSelectedRow();
    return true;
}

void TBuildCanvas::LightSelectedRow() {
    for (TWebBlock* r : CanvasRows) r->ClearHighlight();
    const int slot = page_.CurrentIndex - FirstShown();
    if (page_.CurrentIndex < 0 || slot < 0 || slot >= RowCount()) return;
    if (const TWebChunk* chunk = page_.Chunk(page_.CurrentIndex)) {
        const QPixmap pm = ResourceBitmap(KindPictureName(chunk->Kind) + QStringLiteral("_H"));
        if (!pm.isNull()) CanvasRows[size_t(slot)]->setPixmap(pm);
    }
    HighlightedSlot = slot;
}

bool TBuildCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlToolBox && event->type() == QEvent::Wheel && ScrollBar1->isVisible()) {
        // One row a notch (120 eighths of a degree); a fine wheel's small
        // turns add up.
        wheelRest_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int rows = wheelRest_ / 120;
        wheelRest_ -= rows * 120;
        if (rows != 0) ScrollBar1->setValue(ScrollBar1->value() - rows);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TBuildCanvas::ScrollBar1Change(int position) {
    if (scrollQuiet_) {
        lastScrollPos_ = position;
        return;
    }
    // A change of one place scrolls one row. When the thumb jumps several
    // places at once the view follows it all the way, so the bar always
    // tells which blocks are shown; the result is that of single steps.
    const int steps = position - lastScrollPos_;
    w_.LockWindow(&w_);
    if (steps == 1) {
        ScrollRowsDown();
    } else if (steps == -1) {
        ScrollRowsUp();
    } else if (steps != 0 && !CanvasRows.empty()) {
        const int first = FirstShown();
        const int last = std::max(0, page_.Count() - RowCount());
        const int target = std::clamp(first + steps, 0, last);
        if (target != first) {
            RefreshRows(0, target, false);
            LightSelectedRow();
        }
    }
    lastScrollPos_ = position;
    w_.LockWindow(nullptr);
}

void TBuildCanvas::SetScrollQuietly(int position) {
    scrollQuiet_ = true;
    ScrollBar1->setValue(position);
    scrollQuiet_ = false;
    lastScrollPos_ = ScrollBar1->value();
}

void TBuildCanvas::StopAutoScroll() {
    timUp->stop();
    timDown->stop();
}

void TBuildCanvas::AutoScrollForRow(int row, int oldLeft) {
    // A running timer keeps its rhythm while the mouse moves on.
    auto enable = [](QTimer* t, bool on) {
        if (!on) t->stop();
        else if (!t->isActive()) t->start();
    };
    enable(timUp, row == 0);
    enable(timDown, row == ShownRows && oldLeft > ScrollLeft);
}

void TBuildCanvas::timUpTimer() { ScrollBar1->setValue(ScrollBar1->value() - 1); }
void TBuildCanvas::timDownTimer() { ScrollBar1->setValue(ScrollBar1->value() + 1); }

void TBuildCanvas::AddBlockFromBrick(TPicture* brick) {
    StopAutoScroll();
    auto chunk = NewChunkForBrick(brick->objectName());
    if (!chunk) {
        ReturnBrickHome(brick);
        return;
    }
    int r = PageRowOfTop(brick->y());
    int n = 0;
    const int rows = RowCount();
    emit blockInserting(r > rows - 1 ? page_.Count() : CanvasRows[size_t(r)]->ChunkIndex, chunk->Kind);
    if (r > rows - 1) {
        // Below the last row: appended at the end of the page.
        r = std::min(rows, ShownRows - 1);
        n = page_.InsertChunk(page_.Count(), std::move(chunk));
    } else {
        n = page_.InsertChunk(CanvasRows[size_t(r)]->ChunkIndex, std::move(chunk));
    }
    if (rows < ShownRows) {
        RefreshRows(r, n, true);
    } else {
        RefreshRows(r, n, false);
        if (r == ShownRows - 1) {
            // A drop on the last row scrolls one step when the bar allows it,
            // so the block pushed down stays in view. The new block stays the
            // selected one, on whichever row it now stands.
            ScrollBar1->setValue(ScrollBar1->value() + 1);
            r = n - FirstShown();
        }
    }
    page_.PageChanged = true;
    SelectBlock(n);
    HighLightBlock(r);
    w_.StopHintBlink();
    UpdateScrollBar();
    if (RowCount() == ShownRows)
        ScrollBar1->setValue(ScrollBar1->maximum() - (page_.Count() - (CanvasRows.back()->ChunkIndex + 1)));
    ReturnBrickHome(brick);
}

void TBuildCanvas::ArrayDrop(TWebBlock* picture) {
    StopAutoScroll();
    int r = PageRowOfTop(picture->y());
    if (r == ShownRows && picture->x() < ToolboxEdge) {
        ShredWebBlock(picture);
    } else if (!CanvasRows.empty()) {
        PlayResourceSound(QStringLiteral("wavClick2"));
        // Below the last row counts as the last row.
        r = std::min(r, RowCount() - 1);
        const int e = CanvasRows[size_t(r)]->ChunkIndex;
        const int f = picture->ChunkIndex;
        if (e != f) {
            emit blockMoving(f, e);
            // Down it lands after the target, up before it; the view stays.
            page_.MoveChunk(f, e);
            const int first = e - r;
            for (int i = 0; i < RowCount(); ++i) ShowRow(CanvasRows[size_t(i)], first + i, i);
            HighLightBlock(r);
            page_.PageChanged = true;
        }
    }
    // The dragged picture goes; the row made at the start of the drag stays.
    picture->hide();
    picture->deleteLater();
    if (DraggedBlock == picture) DraggedBlock = nullptr;
}

void TBuildCanvas::ShredWebBlock(TWebBlock* picture) {
    int s = picture->SlotIndex;
    const int k = picture->ChunkIndex;
    if (!page_.Chunk(k)) return;
    emit blockShredding(k);
    // When the view scrolled during the drag, the rows are rebuilt from the
    // view as it is now, so that it keeps agreeing with the scroll bar.
    const int shown = FirstShown();
    if (!CanvasRows.empty() && shown != k - s) {
        if (k < shown || k - shown >= RowCount()) {
            ShredOutOfView(k, shown);
            return;
        }
        s = k - shown;
    }
    const int first = k - s;
    const int count = RowCount();

    delete CanvasRows[size_t(s)];
    CanvasRows.erase(CanvasRows.begin() + s);
    page_.DeleteChunk(k);
    page_.CurrentIndex = -1;
    // A shredded block is a change of the page like any other: without the
    // flag, closing would drop the deletion without asking to save.
    page_.PageChanged = true;

    if (count == ShownRows && page_.Chunk(first + ShownRows - 1)) {
        RefreshRows(s, k, true);  // the next block moves into view at the bottom
    } else if (count == ShownRows && first > 0) {
        RefreshRows(s, k, false);  // 7 rows; one step up brings the eighth back
        ScrollBar1->setValue(ScrollBar1->value() - 1);
    } else {
        if (RowCount() > 0) RefreshRows(RowCount() - 1, page_.Count() - 1, false);
        if (s == count - 1) --s;
    }

    AnimateShredder();
    PlayResourceSound(QStringLiteral("wavShred"));
    UpdateScrollBar();
    if (s >= 0) {
        HighLightBlock(std::min(s, RowCount() - 1));
    } else {
        panels_->ShowPanel(-1);
        panels_->pnlBlank->raise();
    }
}

void TBuildCanvas::ShredOutOfView(int chunkIndex, int first) {
    // The block scrolled out of a full view during the drag: the view keeps
    // showing the same blocks, and the lit row stays lit.
    page_.DeleteChunk(chunkIndex);
    page_.CurrentIndex = -1;
    page_.PageChanged = true;
    if (chunkIndex < first) --first;
    first = std::clamp(first, 0, std::max(0, page_.Count() - RowCount()));
    RefreshRows(0, first, false);
    AnimateShredder();
    PlayResourceSound(QStringLiteral("wavShred"));
    scrollQuiet_ = true;
    UpdateScrollBar();
    scrollQuiet_ = false;
    SetScrollQuietly(first);
    HighLightBlock(std::clamp(HighlightedSlot, 0, RowCount() - 1));
}

void TBuildCanvas::AnimateShredder() {
    timShredder->setInterval(125);
    imgShredder->Tag = 0;
    timShredder->start();
}

void TBuildCanvas::timShredderTimer() {
    // Eight frames, then the shredder disappears on the ninth tick.
    if (imgShredder->Tag >= 8) {
        imgShredderBack->raise();
        imgShredder->hide();
        imgShredder->Tag = 0;
        timShredder->stop();
    } else {
        imgShredder->show();
        const QString frame = memBuzzsaw->document()->findBlockByNumber(imgShredder->Tag).text().trimmed();
        imgShredder->setPixmap(ResourceBitmap(frame));
        imgShredder->Tag = imgShredder->Tag + 1;
    }
    imgShredder->repaint();
}
