#include "app/PictureControl.h"

#include "app/Resources.h"

#include <QMouseEvent>

TPicture::TPicture(QWidget* parent, const QString& name) : QLabel(parent) {
    if (!name.isEmpty()) setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TPicture::ShowBitmap(const QString& name, bool keepSize) {
    const QPixmap pm = ResourceBitmap(name);
    if (pm.isNull()) return;
    setPixmap(pm);
    if (!keepSize) resize(pm.deviceIndependentSize().toSize());
}

void TPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    emit mousePressed(event);
}

void TPicture::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }

void TPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDown = leftDown_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton) leftDown_ = false;
    emit mouseReleased(event);
    if (wasDown && rect().contains(event->position().toPoint())) emit clicked();
}

void TPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    else QLabel::mouseDoubleClickEvent(event);
}
