#include "app/Startup.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "model/BuildCanvas.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

void InitTarvoResources();

TfrmMain* CreateMainWindow(const QString& document) {
    auto* w = new TfrmMain(document);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    AttachBuildStage(*w);
    w->ShowRedPill(TfrmMain::stChoose);
    return w;
}

namespace {

// Resident memory of this process in kilobytes (0 where unknown).
long ResidentKB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

}  // namespace

int RunTarvo(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    InitTarvoResources();
    const QStringList args = app.arguments().mid(1);
    const QString document = args.isEmpty() ? QString() : args.constFirst();

    TfrmSplash splash;
    splash.Run();
    TfrmMain* main = CreateMainWindow(document);
    main->show();
    splash.hide();

    // The start-up benchmark: report when the window is up, then leave.
    if (qEnvironmentVariableIsSet("TARVO_BENCH_STARTUP")) {
        QTimer::singleShot(0, main, [main] {
            std::printf("shown rss_kb=%ld\n", ResidentKB());
            std::fflush(stdout);
            main->close();
        });
    }
    const int rc = app.exec();
    delete main;
    return rc;
}
