// The page changes that undo and redo make: a block put in, moved or taken
// out by index rather than by a gesture, then shown on the canvas the way a
// gesture leaves it (rows rebuilt, the block lit and selected).

#include "model/BuildCanvas.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "model/PropertyPanels.h"
#include "model/WebBlock.h"

#include <QFrame>
#include <QScrollBar>
#include <algorithm>

using namespace canvas;

void TBuildCanvas::InsertBlockAt(int index, std::unique_ptr<TWebChunk> chunk) {
    if (!chunk) return;
    ShowBlock(page_.InsertChunk(index, std::move(chunk)));
}

void TBuildCanvas::MoveBlockTo(int from, int to) {
    if (!page_.Chunk(from) || !page_.Chunk(to)) return;
    page_.MoveChunk(from, to);
    ShowBlock(to);
}

std::unique_ptr<TWebChunk> TBuildCanvas::RemoveBlockAt(int index) {
    if (!page_.Chunk(index)) return nullptr;
    std::unique_ptr<TWebChunk> chunk = std::move(page_.WebChunks[size_t(index)]);
    page_.DeleteChunk(index);
    page_.CurrentIndex = -1;
    ShowBlock(std::min(index, page_.Count() - 1));
    return chunk;
}

void TBuildCanvas::ShowBlock(int index) {
    const int count = page_.Count();
    const int rows = std::min(count, ShownRows);
    while (RowCount() > rows) {
        delete CanvasRows.back();
        CanvasRows.pop_back();
    }
    if (rows == 0) {
        page_.CurrentIndex = -1;
        HighlightedSlot = 0;
        SetScrollQuietly(0);
        UpdateScrollBar();
        panels_->ShowPanel(-1);
        panels_->pnlBlank->raise();
        return;
    }
    index = std::clamp(index, 0, count - 1);
    // The view moves only as far as it must to show the block.
    int first = FirstShown();
    if (index < first) first = index;
    else if (index >= first + rows) first = index - rows + 1;
    first = std::clamp(first, 0, count - rows);
    while (RowCount() < rows) CanvasRows.push_back(NewRow(first + RowCount(), RowCount()));
    RefreshRows(0, first, false);
    scrollQuiet_ = true;
    UpdateScrollBar();
    scrollQuiet_ = false;
    SetScrollQuietly(first);
    w_.StopHintBlink();
    HighLightBlock(index - first);
}
