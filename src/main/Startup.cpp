#include "main/Startup.h"
#include "main/ProgramKeys.h"

#include "app/Application.h"
#include "docs/PageSession.h"
#include "app/CommandLine.h"
#include "app/HelpSystem.h"
#include "main/MainWindow.h"
#include "app/Resources.h"
#include "app/SplashWindow.h"
#include "app/Translations.h"
#include "app/UserDialogs.h"
#include "app/WheelGuard.h"
#include "main/WindowSize.h"
#include "docs/AutoSave.h"
#include "docs/FileCommands.h"
#include "docs/Gallery.h"
#include "docs/HtmlCommand.h"
#include "docs/PageCheckup.h"
#include "preview/ViewStage.h"
#include "model/BuildCanvas.h"
#include "model/PageHistory.h"
#include "preview/BrowserPreview.h"
#include "preview/SendWeb.h"
#include "styles/StyleWizard.h"
#include "upload/ServerBox.h"
#include "upload/LiveNotice.h"
#include "upload/SendPanel.h"
#include "upload/SiteExport.h"
#include "upload/UploadCommand.h"
#include "viewer/ViewerCommand.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <tuple>

#include "TarvoResources.h"

// View > Check Page... (main/CheckPageItem.cpp).
void AttachCheckPageItem(TfrmMain& w, QMenu* viewMenu);
// Send > History... (main/HistoryItem.cpp).
void AttachHistoryItem(TfrmMain& w);
// Site > Pages and Menu... (main/SiteItem.cpp).
void AttachSiteItem(TfrmMain& w);

TfrmMain* CreateMainWindow(const QString& document) {
    // A relative name is the user's, from the folder the program started
    // in; the window changes folder before it opens the document.
    auto* w = new TfrmMain(document.isEmpty() ? document : QFileInfo(document).absoluteFilePath());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    // The subsystems meet only here: each gets the page (or its session) and
    // the subsystems it uses, so one that needs another (the gallery the file
    // commands, the browser preview the View stage, the web the server box
    // and the browser) is attached after it.
    TPageSession& session = w->Session();
    TStageParts parts;
    AttachBuildStage(*w, session.Page);
    PageHistoryOf(*w)->StyleName = [&session] { return session.StyleName; };
    parts.View = AttachViewStage(*w, session);
    parts.Files = AttachFileCommands(*w, session);
    AttachGallery(*w, parts.Files);
    // The View stage's "Edit Styles" runs the wizard modally on its style list.
    parts.View->RunStyleWizard = [w, view = parts.View] {
        TfrmStyleWiz wizard(view->StyleList, w);
        Dialogs().Run(&wizard);
    };
    parts.Servers = AttachServerBox(*w);
    parts.Browser = AttachBrowserPreview(*w, session.Page, parts.View);
    parts.Web = AttachSendWeb(*w, session.Page, parts.Servers, parts.Browser);
    TSendPanel* send = AttachSendPanel(*w, session.Page, parts.Servers, parts.Web->imgWebBack);
    // The Sent stage's Open shows the page on the web in the browser.
    send->Live()->OpenAddress = [browser = parts.Browser](const QString& address) {
        browser->OpenURLInBrowser(address);
    };
    parts.Help = AttachHelp(*w);
    w->SetParts(parts);
    AttachProgramKeys(*w);
    AttachCheckPageItem(*w, AttachWindowSizeMenu(*w));
    AttachHistoryItem(*w);
    AttachSiteItem(*w);
    GuardWheels(w);
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

QStringList ArgumentList(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// The commands that work on the site's files and the server: nothing of
// theirs is drawn or measured.
bool IsSiteCommand(const char* command) {
    for (const char* name : {"--upload", "--export", "--history", "--put-back"})
        if (std::strcmp(command, name) == 0) return true;
    return false;
}

int RunWindowFreeCommand(int argc, char** argv) {
    if (std::strcmp(argv[1], "--text") == 0) {
        InitTarvoResources();  // the viewer's stand-in pictures
        RunTextProcess(argc, argv);
    }
    // No window is opened, so no display is needed either. Widgets (not
    // windows): pages with form controls render them. The commands that
    // send, export or list files draw and measure nothing, so they do
    // without the platform and widget set-up.
    const bool laysOut = !IsSiteCommand(argv[1]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietCommandMessages);
    const std::unique_ptr<QCoreApplication> app =
        laysOut ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    app->setApplicationName(QStringLiteral("Tarvo"));
    app->setOrganizationName(QStringLiteral("Brenfold"));
    InitTarvoResources();
    const QStringList args = app->arguments().mid(1);
    QTextStream err(stderr);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) return 2;
    if (args.constFirst() == QLatin1String("--html")) return RunHtmlCommand(args, out, err);
    if (args.constFirst() == QLatin1String("--check")) {
        QTextStream lines(stdout);
        const int rc = RunCheckCommand(args, lines, err);
        lines.flush();
        return rc;
    }
    if (!laysOut) {
        QTextStream lines(stdout);
        const QString& command = args.constFirst();
        const int rc = command == QLatin1String("--upload")    ? RunUploadCommand(args, lines, err)
                       : command == QLatin1String("--history") ? RunHistoryCommand(args, lines, err)
                       : command == QLatin1String("--put-back") ? RunPutBackCommand(args, lines, err)
                                                                : RunExportCommand(args, lines, err);
        // Every file is on the disk and the connections are closed when
        // the command returns; tearing Qt's platform and font state down
        // would only add to the time the command takes.
        lines.flush();
        err.flush();
        std::fflush(nullptr);
        std::_Exit(rc);
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

namespace {

const char kNeedsDisplay[] =
    "tarvo: needs a graphical display; without one, use --html, --text or --render for scripts\n";

// True when the windowing system Qt would use has no display to talk to.
bool DisplayMissing() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty()) return x11 && wayland;
    if (platform.startsWith("xcb")) return x11;
    if (platform.startsWith("wayland")) return wayland;
    return false;
}

// While the application connects to the display, Qt's notes are held back:
// when it cannot connect, the one line above is all the user sees.
QtMessageHandler g_previousHandler = nullptr;
QList<std::tuple<QtMsgType, QString>> g_heldMessages;

void HoldMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg) {
        std::fputs(kNeedsDisplay, stderr);
        std::_Exit(1);
    }
    g_heldMessages.append({type, msg});
}

void ReleaseMessages() {
    qInstallMessageHandler(g_previousHandler);
    for (const auto& [type, msg] : std::as_const(g_heldMessages)) {
        const QByteArray text = msg.toLocal8Bit();
        switch (type) {
            case QtDebugMsg: qDebug("%s", text.constData()); break;
            case QtInfoMsg: qInfo("%s", text.constData()); break;
            case QtWarningMsg: qWarning("%s", text.constData()); break;
            default: qCritical("%s", text.constData()); break;
        }
    }
    g_heldMessages.clear();
}

}  // namespace

int RunTarvo(int argc, char** argv) {
    // Qt's own options (-platform, -style, ...) are taken out by the
    // application below; the first look needs no display.
    TCommandLine line = ParseCommandLine(ArgumentList(argc, argv));
    switch (line.action) {
        case TCommandLine::ShowHelp: std::fputs(qPrintable(CommandLineHelp()), stdout); return 0;
        case TCommandLine::ShowVersion: std::fputs(qPrintable(VersionText()), stdout); return 0;
        case TCommandLine::RunCommand: return RunWindowFreeCommand(argc, argv);
        default: break;
    }
    if (DisplayMissing()) {
        std::fputs(kNeedsDisplay, stderr);
        return 1;
    }
    g_previousHandler = qInstallMessageHandler(HoldMessages);
    PrepareWindowSize(argc, argv);
    TTarvoApplication app(argc, argv);
    ReleaseMessages();
    InitTarvoResources();
    // The interface in the user's language; the command-line messages
    // above and below stay English, as scripts read them.
    InstallTranslations(app);
    app.setWindowIcon(ProgramIcon());
    line = ParseCommandLine(app.arguments().mid(1));
    if (line.action == TCommandLine::Wrong) {
        std::fprintf(stderr, "tarvo: %s\nTry 'tarvo --help'.\n", qPrintable(line.error));
        return 1;
    }
    const QString document = line.document;

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
    // Work left by a Tarvo that ended without closing is offered once the
    // command-line document is open.
    TAutoSave* autosave = AttachAutoSave(*main, main->Session());
    QTimer::singleShot(0, autosave, &TAutoSave::OfferRecovery);

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
