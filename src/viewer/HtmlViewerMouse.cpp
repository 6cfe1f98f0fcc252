// The viewer's mouse: selection by dragging (with scrolling past the top or
// bottom edge), the hand cursor over links, and following links.
#include "viewer/HtmlViewer.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>

namespace {
// The pointing hand over links: the program's own when its pictures are
// linked in, else the system's.
const QCursor& hotSpotCursor() {
    static const QCursor cursor = [] {
        const QPixmap hand(QStringLiteral(":/cursors/Cursor_Hand.png"));
        return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 13, 1);
    }();
    return cursor;
}
}  // namespace

QPoint THTMLViewer::toDocument(int x, int y) const { return QPoint(x - 10 + hpos_, y + vpos_); }

void THTMLViewer::HTMLMouseDown(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pt = e->position().toPoint();
    lastMouse_ = pt;
    const QPoint d = toDocument(pt.x(), pt.y());
    selAnchor_ = doc_.cursorAt(d.x(), d.y());
    if (selAnchor_ < 0)
        return;
    TSectionList& list = doc_.list();
    if (list.SelB != list.SelE)
        panel_->update();
    list.SelB = list.SelE = selLast_ = selAnchor_;
}

void THTMLViewer::HTMLMouseMove(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    const QPoint d = toDocument(pt.x(), pt.y());
    const QString url = doc_.urlAt(d.x(), d.y());
    panel_->setCursor(url.isEmpty() ? cursor() : hotSpotCursor());
    if (url != hotSpotURL_) {
        hotSpotURL_ = url;
        host_->HotSpotCovered(url);
    }
    if (e->buttons() & Qt::LeftButton) {
        lastMouse_ = pt;
        if (!autoScrolling_ && (pt.y() < 1 || pt.y() > height())) {
            autoScrolling_ = true;
            autoScrollTimer_->start();
        }
        if (!noSelect_)
            ExtendSelection(pt.x(), pt.y());
    }
}

void THTMLViewer::HTMLMouseUp(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pt = e->position().toPoint();
    ExtendSelection(pt.x(), pt.y());
    autoScrolling_ = false;
    autoScrollTimer_->stop();
    const TSectionList& list = doc_.list();
    if (list.SelB + 1 >= list.SelE) {
        const QPoint d = toDocument(pt.x(), pt.y());
        const QString url = doc_.urlAt(d.x(), d.y());
        if (!url.isEmpty()) {
            hotSpotURL_ = url;
            HotSpotClick();
        }
    }
}

void THTMLViewer::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    host_->MouseReleased(e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
}

void THTMLViewer::ExtendSelection(int x, int y) {
    if (selAnchor_ < 0)
        return;
    y = std::clamp(y, 0, height());
    const QPoint d = toDocument(x, y);
    const int index = doc_.cursorAt(d.x(), d.y());
    if (index != selLast_ && index >= 0 && !noSelect_) {
        doc_.setSelection(selAnchor_, index);
        panel_->update();
    }
    selLast_ = index;
}

// One step of scrolling while a selection is dragged past the top or the
// bottom edge: 4 pixels when far out, 1 when close.
void THTMLViewer::AutoScrollTick() {
    const int y = lastMouse_.y(), h = height();
    if (!autoScrolling_ || (y >= 1 && y <= h)) {
        autoScrolling_ = false;
        autoScrollTimer_->stop();
        return;
    }
    int pos = vpos_;
    if (y < -15)
        pos -= 4;
    else if (y <= 0)
        pos -= 1;
    else if (y > h + 15)
        pos += 4;
    else
        pos += 1;
    ScrollTo(pos);
    ExtendSelection(lastMouse_.x(), y);
}

void THTMLViewer::SelectAll() {
    doc_.selectAll();
    panel_->update();
}

void THTMLViewer::HotSpotClick() {
    lastError_.clear();
    if (host_->HotSpotClicked(hotSpotURL_))
        return;
    const TReadingPosition pos = GetPosition();
    const QString url = hotSpotURL_;
    if (url.startsWith(QLatin1Char('#'))) {
        if (PositionTo(url))
            AddToHistory(currentFile_, title_, pos);
        return;
    }
    const int hash = url.indexOf(QLatin1Char('#'));
    const QString dest = hash >= 0 ? url.mid(hash) : QString();
    const QString name = HTMLExpandFilename(hash >= 0 ? url.left(hash) : url);
    const QString ext = QFileInfo(name).suffix().toUpper();
    if (ext != QLatin1String("HTM") && ext != QLatin1String("HTML"))
        return;
    if (QFileInfo(name).absoluteFilePath() != currentFile_) {
        lastError_ = LoadFromFile(name + dest);
    } else if (PositionTo(dest)) {
        AddToHistory(currentFile_, title_, pos);
    }
}

bool THTMLViewer::PositionTo(const QString& dest) {
    QString name = dest;
    if (name.startsWith(QLatin1Char('#')))
        name.remove(0, 1);
    if (name.isEmpty())
        return false;
    const auto& names = doc_.list().NameList;
    const auto it = names.find(name.toUpper());
    if (it == names.end() || !it.value())
        return false;
    ScrollTo(it.value()->YValue);
    setHorizontal(0);
    return true;
}
