#pragma once
// A picture control: a label showing a pixmap that reports the mouse to its
// owner, like a picture or image control of a form designer.

#include <QLabel>

class TPicture : public QLabel {
    Q_OBJECT
public:
    explicit TPicture(QWidget* parent = nullptr, const QString& name = QString());

    int Tag = 0;  // a free integer, as forms give every control

    // Shows the named resource picture, sized to it unless `keepSize`.
    void ShowBitmap(const QString& name, bool keepSize = false);

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    // A left-button press and release on the control.
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};
