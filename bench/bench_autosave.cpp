// Measures what the automatic save costs the person typing: a page of
// 1,000 blocks in the Build stage, 600 keystrokes typed into the heading
// box 5 ms apart while the automatic save runs every 50 ms (instead of every
// minute), so it saves about every tenth keystroke. Each keystroke is timed
// from its key event to the end of the events it caused, the automatic
// save's included. Prints the longest pause, the median keystroke, and the
// GUI thread's share of one automatic save (making the page's bytes); the
// goal is a longest pause under 16 ms.

#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "docs/AutoSave.h"
#include "model/BuildCanvas.h"
#include "model/WebBlock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

void InitTarvoResources();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TARVO_MUTE", "1");
    qputenv("TARVO_AUTOSAVE_MS", "50");
    QTemporaryDir appDir, dataDir;
    QDir(appDir.path()).mkpath(QStringLiteral("HTMLFiles/graphics"));
    qputenv("TARVO_APPDIR", appDir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataDir.path().toLocal8Bit());

    TTarvoApplication app(argc, argv);
    InitTarvoResources();
    TfrmMain* w = CreateMainWindow();
    w->show();
    w->ChangeState(TfrmMain::stBuild);
    TBuildCanvas* canvas = BuildCanvasOf(*w);
    constexpr int kBlocks = 1000;
    for (int i = 0; i < kBlocks; ++i) {
        auto chunk = NewChunkForKind(i == 0 ? int(bkHeading) : i % kBlockKindCount);
        if (chunk->Heading) chunk->Heading->HeadText = QStringLiteral("Heading number %1 of the long page").arg(i);
        w->Page().InsertChunk(i, std::move(chunk));
        canvas->LoadChunk(i, false);
    }
    w->Hooks().SelectAndHighlight(0);
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtHeading"));
    if (!box || !box->isVisible()) {
        std::fprintf(stderr, "bench_autosave: the heading box is not shown\n");
        return 1;
    }
    box->setFocus();
    TAutoSave* autosave = AttachAutoSave(*w, w->Session());
    QCoreApplication::processEvents();
    const qsizetype startLength = w->Page().Chunk(0)->Heading->HeadText.size();

    constexpr int kKeys = 600;
    std::vector<double> keyMs, saveMs;
    qint64 longestSaveUs = 0;
    int saves = 0;
    QElapsedTimer clock;
    for (int i = 0; i < kKeys; ++i) {
        QThread::msleep(5);
        const QChar c = QChar(u'a' + i % 26);
        const qint64 before = autosave->LastPauseMicroseconds();
        clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + i % 26, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + i % 26, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
        QCoreApplication::processEvents();
        keyMs.push_back(clock.nsecsElapsed() / 1e6);
        if (autosave->LastPauseMicroseconds() != before) {
            ++saves;
            saveMs.push_back(autosave->LastPauseMicroseconds() / 1000.0);
        }
        longestSaveUs = std::max(longestSaveUs, autosave->LastPauseMicroseconds());
    }
    autosave->WaitForWrites();
    if (w->Page().Chunk(0)->Heading->HeadText.size() != startLength + kKeys) {
        std::fprintf(stderr, "bench_autosave: the keystrokes did not reach the page\n");
        return 1;
    }
    const QFileInfo saved(QDir(TAutoSave::Folder()).filePath(QString::number(QCoreApplication::applicationPid()) +
                                                             QStringLiteral(".tve")));
    std::vector<double> sorted = keyMs;
    std::sort(sorted.begin(), sorted.end());
    std::printf("page of %d blocks, %d keystrokes, %d automatic saves (file %lld bytes)\n", kBlocks, kKeys, saves,
                saved.size());
    std::printf("longest pause while typing: %.2f ms (goal under 16 ms)\n", sorted.back());
    std::printf("median keystroke: %.3f ms\n", sorted[sorted.size() / 2]);
    std::sort(saveMs.begin(), saveMs.end());
    std::printf("automatic save on the GUI thread: median %.2f ms, longest %.2f ms\n",
                saveMs.empty() ? 0.0 : saveMs[saveMs.size() / 2], longestSaveUs / 1000.0);
    delete w;
    return 0;
}
