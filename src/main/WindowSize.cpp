#include "main/WindowSize.h"

#include "main/MainWindow.h"
#include "docs/PageSession.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <vector>

namespace {

// The main window's designed size with its menu, in logical pixels.
constexpr int kWindowWidth = 632;
constexpr int kWindowHeight = 454;
// The share of the screen (per cent of its width and of its height) the
// first start lets the window take.
constexpr int kScreenShare = 90;

// This run scaled itself (from the settings or the first start's choice),
// rather than by a QT_SCALE_FACTOR the user set.
bool g_scaledBySettings = false;

std::function<bool(const QString&, const QStringList&)>& Starter() {
    static std::function<bool(const QString&, const QStringList&)> start = [](const QString& program,
                                                                                const QStringList& args) {
        return QProcess::startDetached(program, args);
    };
    return start;
}

// After a new size was chosen: closes the window (which asks about unsaved
// changes first) and starts the program again on the page.
void Restart(TfrmMain& w) {
    if (!w.close()) return;
    // The new run takes its size from the settings, not from this run's.
    if (g_scaledBySettings) qunsetenv("QT_SCALE_FACTOR");
    QStringList args;
    if (!w.Page().DocFileName.isEmpty()) args << w.Page().DocFileName;
    Starter()(QCoreApplication::applicationFilePath(), args);
}

bool Offered(int percent) {
    for (int size : kWindowSizes)
        if (size == percent) return true;
    return false;
}

}  // namespace

int StoredWindowSize() {
    TTarvoReg reg;
    if (!reg.OpenSection(QString::fromLatin1(SettingKeys::General), false)) return 0;
    bool ok = false;
    const int percent = reg.ReadString(QString::fromLatin1(SettingKeys::WindowSize)).toInt(&ok);
    return ok && Offered(percent) ? percent : 0;
}

void StoreWindowSize(int percent) {
    if (!Offered(percent)) return;
    TTarvoReg reg;
    if (!reg.OpenSection(QString::fromLatin1(SettingKeys::General), true)) return;
    reg.WriteString(QString::fromLatin1(SettingKeys::WindowSize), QString::number(percent));
    reg.Sync();
}

int FittingWindowSize(const QSize& screen) {
    int best = kWindowSizes[0];
    for (int size : kWindowSizes)
        if (kWindowWidth * size <= screen.width() * kScreenShare && kWindowHeight * size <= screen.height() * kScreenShare)
            best = size;
    return best;
}

void SetProgramStarter(std::function<bool(const QString& program, const QStringList& args)> start) {
    Starter() = std::move(start);
}

void PrepareWindowSize(int& argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    int percent = StoredWindowSize();
    if (percent == 0) {
        // The first start: the screen is known only to an application.
        QSize screenSize;
        {
            // A copy of the arguments: the application takes its own out.
            std::vector<char*> args(argv, argv + argc);
            args.push_back(nullptr);
            int count = argc;
            QGuiApplication probe(count, args.data());
            if (QScreen* screen = QGuiApplication::primaryScreen()) screenSize = screen->availableGeometry().size();
        }
        percent = screenSize.isValid() && !screenSize.isEmpty() ? FittingWindowSize(screenSize) : kWindowSizes[0];
        StoreWindowSize(percent);
    }
    if (percent != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
    g_scaledBySettings = true;
}

int CurrentWindowSize() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? int(std::lround(factor * 100)) : 100;
}

QMenu* AttachWindowSizeMenu(TfrmMain& w) {
    auto* view = new QMenu(QCoreApplication::translate("WindowSize", "&View"), &w);
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* sizes = view->addMenu(QCoreApplication::translate("WindowSize", "Window &Size"));
    sizes->setObjectName(QStringLiteral("mnuViewSize"));
    auto* group = new QActionGroup(sizes);
    group->setExclusive(true);
    const int running = CurrentWindowSize();
    const int stored = StoredWindowSize();
    for (int size : kWindowSizes) {
        QAction* item = sizes->addAction(QStringLiteral("%1 %").arg(size));
        item->setObjectName(QStringLiteral("mnuViewSize%1").arg(size));
        item->setCheckable(true);
        item->setChecked(size == (stored != 0 ? stored : running));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &w, [&w, size, running] {
            const int before = StoredWindowSize();
            StoreWindowSize(size);
            if (size == running || size == before) return;
            QMessageBox box(QMessageBox::Information, w.ApplicationTitle(),
                            QCoreApplication::translate("WindowSize", "Tarvo will open at the new window size, %1 %, the "
                                                                      "next time it starts. Restart it now to see it?")
                                .arg(size),
                            QMessageBox::NoButton, &w);
            box.setObjectName(QStringLiteral("msgWindowSize"));
            QPushButton* now = box.addButton(QCoreApplication::translate("WindowSize", "Restart now"), QMessageBox::AcceptRole);
            now->setObjectName(QStringLiteral("butRestartNow"));
            QPushButton* later = box.addButton(QCoreApplication::translate("WindowSize", "Later"), QMessageBox::RejectRole);
            later->setObjectName(QStringLiteral("butRestartLater"));
            box.setDefaultButton(now);
            Dialogs().Run(&box);
            if (box.clickedButton() == now) Restart(w);
        });
    }
    w.menuBar()->insertMenu(w.HelpMenu()->menuAction(), view);
    return view;
}
