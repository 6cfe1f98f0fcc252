#include "app/WheelGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace {

class TWheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        auto* box = qobject_cast<QWidget*>(watched);
        if (!box || box->hasFocus()) return false;
        // Not for this box: its holder may scroll instead.
        event->ignore();
        return true;
    }
};

void Guard(QWidget* box, QObject* guard) {
    // The wheel no longer takes the focus either: a click or Tab does.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(guard);
}

}  // namespace

void GuardWheels(QWidget* root) {
    auto* guard = new TWheelGuard(root);
    if (qobject_cast<QComboBox*>(root) || qobject_cast<QAbstractSpinBox*>(root)) Guard(root, guard);
    for (QComboBox* box : root->findChildren<QComboBox*>()) Guard(box, guard);
    for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>()) Guard(box, guard);
}
