// The mascot that glides along the toolbar to the stage the user picks.

#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"

#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QTimer>

void TfrmMain::WalkThePim(int stage) {
    PlayResourceSound(QStringLiteral("wavGlide"));
    if (stage == pimPosition_) return;
    if (stage > pimPosition_) MovePimUp(pimPosition_, stage);
    else MovePimDown(pimPosition_, stage);
}

void TfrmMain::MovePimUp(int from, int to) {
    int left = 0;
    int step = 12;
    switch (from) {
        case 0: left = 24; step = 13; break;
        case 1: left = 156; break;
        case 2: left = 284; break;
        case 3: left = 408; break;
        default: return;
    }
    QPointer<TfrmMain> self(this);
    for (int i = 0; i < 10; ++i) {
        left += step;
        PimStep(left, true);
        PauseStep();
        if (!self) return;
    }
    if (from + 1 != to) MovePimUp(from + 1, to);
    pimPosition_ = to;
}

void TfrmMain::MovePimDown(int from, int to) {
    int left = 0;
    int step = 12;
    switch (from) {
        case 1: left = 156; step = 13; break;
        case 2: left = 284; break;
        case 3: left = 408; break;
        case 4: left = 532; break;
        default: return;
    }
    QPointer<TfrmMain> self(this);
    for (int i = 0; i < 10; ++i) {
        left -= step;
        PimStep(left, false);
        PauseStep();
        if (!self) return;
    }
    if (from != to + 1) MovePimDown(from - 1, to);
    pimPosition_ = to;
}

void TfrmMain::PimStep(int left, bool right) {
    picWindy->move(left, 10);
    // The toolbar is drawn afresh (erasing the last mascot) with the
    // mascot over it.
    QPixmap frame = ResourceBitmap(QStringLiteral("Toolbar"));
    if (frame.isNull()) return;
    const QPixmap pim = (right ? imgWindyPim : imgWindyPimB)->pixmap();
    if (!pim.isNull()) {
        QPainter p(&frame);
        p.drawPixmap(left, 10, pim);
    }
    picToolbar->setPixmap(frame);
    picToolbar->repaint();
}

void TfrmMain::PauseStep() {
    // About 25 ms: the timer's first tick ends the wait; other events are
    // handled meanwhile. Closing the window ends it too.
    QEventLoop loop;
    QTimer* timer = timTopPim;
    connect(timer, &QTimer::timeout, &loop, [timer, &loop] {
        timer->stop();
        loop.quit();
    });
    connect(timer, &QObject::destroyed, &loop, &QEventLoop::quit);
    timer->start();
    loop.exec();
}
