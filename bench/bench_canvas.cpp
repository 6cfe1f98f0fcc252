// Times the build canvas on long pages: one insert (a toolbox block dropped
// on row 3), one move (a page block dragged from row 1 to row 5), one shred
// (a page block dragged onto the shredder) and one scroll step, each on
// pages of 100, 1,000 and 10,000 blocks, with the view in the middle of the
// page. Every step is a full gesture of real mouse events followed by the
// repaint it causes. Undo and redo are timed on the shreds made beforehand,
// one Edit menu command per step. Prints the time per step; the goal is a time that does
// not grow with the page (within 2x from 100 to 10,000 blocks).

#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "main/Startup.h"
#include "model/BuildCanvas.h"
#include "model/PageHistory.h"
#include "model/WebBlock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QAction>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>

void InitTarvoResources();

namespace {

constexpr int kSteps = 60;  // per round
constexpr int kRounds = 5;  // the fastest round counts: the machine may be busy

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Drags `w` through the given top-left places and lets it go at the last.
void Drag(QWidget* w, std::initializer_list<QPoint> places) {
    Send(w, QEvent::MouseButtonPress, QPoint(30, 8), Qt::LeftButton);
    Send(w, QEvent::MouseMove, QPoint(31, 8), Qt::LeftButton);
    for (const QPoint& p : places)
        Send(w, QEvent::MouseMove, QPoint(p.x() - w->x() + 47, p.y() - w->y()), Qt::LeftButton);
    Send(w, QEvent::MouseButtonRelease, QPoint(47, 2), Qt::NoButton);
}

class TBench {
public:
    TBench(TfrmMain& w, TBuildCanvas& c) : w_(w), c_(c) {}

    void MakePage(int blocks) {
        c_.ClearPage();
        for (int i = 0; i < blocks; ++i) {
            w_.Page().InsertChunk(i, NewChunkForKind(i % kBlockKindCount));
            c_.LoadChunk(i, false);
        }
        c_.ScrollBar1->setValue(blocks / 2);
        c_.HighLightBlock(0);
        w_.Page().PageChanged = false;
        Settle();
    }

    // Microseconds per step of `step` in the fastest of kRounds rounds.
    template <typename Step>
    double Time(Step step) {
        double best = 1e30;
        for (int round = 0; round < kRounds; ++round) {
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < kSteps; ++i) {
                step(i);
                Settle();
            }
            best = std::min(best, double(t.nsecsElapsed()) / 1000.0 / kSteps);
        }
        return best;
    }

    void Insert(int) {
        TPicture* brick = c_.imgBrPara;
        Drag(brick, {QPoint(150, brick->y()), QPoint(199, 3 * 32 + 2)});
        // The block slides home in the background; finish it at once.
        w_.findChild<QTimer*>(QStringLiteral("timAnim"))->stop();
        while (c_.DraggingBrick) c_.timAnimTimer();
    }
    void Move(int) { Drag(c_.CanvasRows[1], {QPoint(199, 5 * 31 + 1)}); }
    void Shred(int) {
        TWebBlock* row = c_.CanvasRows[2];
        Drag(row, {QPoint(150, 255), QPoint(50, 255)});
        w_.findChild<QTimer*>(QStringLiteral("timShredder"))->stop();
        c_.imgShredder->hide();
    }
    // Shreds `count` blocks for undo and redo to take back and do again.
    void PrepareHistory(int count) {
        for (int i = 0; i < count; ++i) {
            Shred(i);
            Settle();
        }
    }
    void Undo(int) { Command(w_.findChild<QAction*>(QStringLiteral("menEditUndo"))); }
    void Redo(int) { Command(w_.findChild<QAction*>(QStringLiteral("menEditRedo"))); }
    void Scroll(int i) { c_.ScrollBar1->setValue(c_.ScrollBar1->value() + (i % 2 ? -1 : 1)); }

private:
    void Command(QAction* action) {
        action->trigger();
        w_.findChild<QTimer*>(QStringLiteral("timShredder"))->stop();
        c_.imgShredder->hide();
    }
    void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TfrmMain& w_;
    TBuildCanvas& c_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TARVO_MUTE", "1");
    QTemporaryDir appDir;
    QDir(appDir.path()).mkpath(QStringLiteral("HTMLFiles/graphics"));
    qputenv("TARVO_APPDIR", appDir.path().toLocal8Bit());

    TTarvoApplication app(argc, argv);
    InitTarvoResources();
    TfrmMain* w = CreateMainWindow();
    w->show();
    w->ChangeState(TfrmMain::stBuild);
    TBuildCanvas* c = BuildCanvasOf(*w);
    TBench bench(*w, *c);

    const int sizes[] = {100, 1000, 10000};
    const char* names[] = {"insert", "move", "shred", "scroll", "undo", "redo"};
    constexpr int total = kSteps * kRounds;
    static_assert(total <= TPageHistory::MaxSteps);
    std::map<std::pair<int, int>, double> us;
    std::printf("%-8s %12s %12s %12s\n", "step", "100 blocks", "1,000", "10,000");
    for (int op = 0; op < 6; ++op) {
        for (int size : sizes) {
            // Shredding shrinks the page; undo is timed on shreds made
            // beforehand, redo on those shreds undone.
            bench.MakePage(op == 2 || op >= 4 ? size + total : size);
            if (op >= 4) bench.PrepareHistory(total);
            if (op == 5)
                for (int i = 0; i < total; ++i) bench.Undo(i);
            us[{op, size}] = bench.Time([&](int i) {
                switch (op) {
                    case 0: bench.Insert(i); break;
                    case 1: bench.Move(i); break;
                    case 2: bench.Shred(i); break;
                    case 3: bench.Scroll(i); break;
                    case 4: bench.Undo(i); break;
                    default: bench.Redo(i); break;
                }
            });
            // Every gesture did what it should.
            const int expected = op == 0 || op == 4 ? size + total : size;
            if (w->Page().Count() != expected || (op != 3 && w->Page().PageChanged != (op != 4))) {
                std::fprintf(stderr, "%s on %d blocks: the page has %d blocks, not %d, or the wrong changed flag\n", names[op], size,
                             w->Page().Count(), expected);
                return 1;
            }
        }
        std::printf("%-8s %9.1f us %9.1f us %9.1f us   (10,000 / 100: %.2fx)\n", names[op], us[{op, 100}],
                    us[{op, 1000}], us[{op, 10000}], us[{op, 10000}] / us[{op, 100}]);
    }
    delete w;
    return 0;
}
