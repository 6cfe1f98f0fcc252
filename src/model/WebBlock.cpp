#include "model/WebBlock.h"

#include "app/Resources.h"
#include "model/WebBlocks.h"

#include <QMouseEvent>

TWebBlock::TWebBlock(const TPage* page, QWidget* parent) : QLabel(parent), page_(page) {
    setFixedSize(BlockWidth, BlockHeight);
    setObjectName(QStringLiteral("WebBlock"));
}

void TWebBlock::ClearHighlight() {
    const TWebChunk* chunk = page_ ? page_->Chunk(ChunkIndex) : nullptr;
    if (!chunk) return;
    const QPixmap pm = ResourceBitmap(KindPictureName(chunk->Kind));
    if (!pm.isNull()) setPixmap(pm);
}

void TWebBlock::mousePressEvent(QMouseEvent* event) { emit pressed(this, event); }
void TWebBlock::mouseMoveEvent(QMouseEvent* event) { emit moved(this, event); }
void TWebBlock::mouseReleaseEvent(QMouseEvent* event) { emit released(this, event); }
