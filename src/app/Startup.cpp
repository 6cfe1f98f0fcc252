#include "app/Startup.h"

#include "app/Application.h"
#include "app/HelpSystem.h"
#include "app/MainWindow.h"
#include "app/Resources.h"
#include "app/SplashWindow.h"
#include "docs/FileCommands.h"
#include "docs/Gallery.h"
#include "docs/HtmlCommand.h"
#include "html/ViewStage.h"
#include "model/BuildCanvas.h"
#include "styles/StyleWizard.h"
#include "upload/ServerBox.h"
#include "upload/UploadCommand.h"
#include "viewer/ViewerCommand.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "TarvoResources.h"

TfrmMain* CreateMainWindow(const QString& document) {
    auto* w = new TfrmMain(document);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    AttachBuildStage(*w);
    AttachViewStage(*w);
    AttachFileCommands(*w);
    AttachGallery(*w);
    AttachStyleWizard(*w);
    AttachServerBox(*w);
    AttachHelp(*w);
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

namespace {

// The options that answer without opening a window.
bool IsWindowFreeCommand(int argc, char** argv) {
    if (argc < 2) return false;
    const QByteArray first(argv[1]);
    return first == "--html" || first == "--text" || first == "--render" || first == "--upload";
}

// Qt's own notes (about the platform and its folders) would only clutter
// the one-line messages these commands print.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tarvo: %s\n", qPrintable(msg));
        std::abort();
    }
}

int RunWindowFreeCommand(int argc, char** argv) {
    // No window is opened, so no display is needed either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tarvo"));
    app.setOrganizationName(QStringLiteral("Brenfold"));
    InitTarvoResources();
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) return 2;
    if (args.constFirst() == QLatin1String("--html")) return RunHtmlCommand(args, out, err);
    if (args.constFirst() == QLatin1String("--upload")) {
        QTextStream lines(stdout);
        return RunUploadCommand(args, lines, err);
    }
    const int rc = RunViewerCommand(args, out, err);
    out.flush();
    err.flush();
    // The document and Qt's font and platform state would only be freed
    // page by page before the process ends: leave at once instead.
    out.close();
    std::fflush(nullptr);
    std::_Exit(rc);
}

}  // namespace

int RunTarvo(int argc, char** argv) {
    if (IsWindowFreeCommand(argc, argv)) return RunWindowFreeCommand(argc, argv);
    TTarvoApplication app(argc, argv);
    InitTarvoResources();
    app.setWindowIcon(ProgramIcon());
    const QStringList args = app.arguments().mid(1);
    const QString document = args.isEmpty() ? QString() : args.constFirst();

    TfrmSplash splash;
    splash.Run();
    TfrmMain* main = CreateMainWindow(document);
    // Centred on the screen, as the splash was.
    main->adjustSize();
    if (QScreen* screen = main->screen()) {
        const QRect frame = main->frameGeometry();
        main->move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
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
