// Painting of the viewer: the border and the document panel with its
// background colour or tiled background picture.
#include "viewer/HtmlViewer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
// Tiles `image` over `clip` so that tile (0, 0) sits at the document's
// top-left, shifted by the scroll positions.
void tileBackground(QPainter& p, const QImage& image, const QRect& clip, int hpos, int vpos) {
    const int w = image.width(), h = image.height();
    const int x0 = (hpos / w) * w - hpos;
    const int y0 = (vpos / h) * h - vpos;
    const int startX = x0 + ((clip.left() - x0) / w) * w;
    const int startY = y0 + ((clip.top() - y0) / h) * h;
    for (int y = startY; y <= clip.bottom(); y += h)
        for (int x = startX; x <= clip.right(); x += w)
            p.drawImage(x, y, image);
}
}  // namespace

TPaintPanel::TPaintPanel(THTMLViewer* viewer) : QWidget(viewer), viewer_(viewer) {
    // The panel paints every pixel itself; Qt's backing store is the
    // off-screen buffer, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::IBeamCursor);
}

void TPaintPanel::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    viewer_->HTMLPaint(p, e->rect());
}

void TPaintPanel::mousePressEvent(QMouseEvent* e) { viewer_->HTMLMouseDown(e); }
void TPaintPanel::mouseMoveEvent(QMouseEvent* e) { viewer_->HTMLMouseMove(e); }
void TPaintPanel::mouseReleaseEvent(QMouseEvent* e) { viewer_->HTMLMouseUp(e); }

void THTMLViewer::HTMLPaint(QPainter& p, const QRect& clip) {
    TSectionList& list = doc_.list();
    // The colour first: a see-through picture shows it, never what the
    // panel held before.
    p.fillRect(clip, list.Background);
    if (list.ShowImages && !background_.isNull() && background_.width() > 0 &&
        background_.height() > 0) {
        p.save();
        p.setClipRect(clip);
        tileBackground(p, background_, clip, hpos_, vpos_);
        p.restore();
    }
    if (processing_)
        return;
    // A 10-pixel margin on the left; lines wider than the panel scroll.
    const QRect area = QRect(QPoint(10, 0), QPoint(panel_->width() - 1, panel_->height() - 1))
                           .intersected(clip);
    if (!area.isEmpty())
        doc_.draw(p, area, QPoint(10 - hpos_, 0));
}

void THTMLViewer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool shown = borderStyle_ == htSingle || (borderStyle_ == htFocused && hasFocus());
    p.setPen(shown ? palette().color(QPalette::ButtonText) : palette().color(QPalette::Window));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The corner between two scroll bars.
    if (vbar_->isVisible() && hbar_->isVisible())
        p.fillRect(vbar_->x(), hbar_->y(), vbar_->width(), hbar_->height(),
                   palette().color(QPalette::Window));
}

void THTMLViewer::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void THTMLViewer::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}
