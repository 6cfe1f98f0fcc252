#include "main/WindowSize.h"

#include "main/MainWindow.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <cmath>
#include <vector>

namespace {

// The main window's designed size with its menu, in logical pixels.
constexpr int kWindowHeight = 454;

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

int FittingWindowSize(int screenHeight) {
    int best = kWindowSizes[0];
    for (int size : kWindowSizes)
        if (kWindowHeight * size <= screenHeight * 2 / 3 * 100) best = size;
    return best;
}

void PrepareWindowSize(int& argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    int percent = StoredWindowSize();
    if (percent == 0) {
        // The first start: the screen is known only to an application.
        int height = 0;
        {
            // A copy of the arguments: the application takes its own out.
            std::vector<char*> args(argv, argv + argc);
            args.push_back(nullptr);
            int count = argc;
            QGuiApplication probe(count, args.data());
            if (QScreen* screen = QGuiApplication::primaryScreen()) height = screen->availableGeometry().height();
        }
        percent = height > 0 ? FittingWindowSize(height) : kWindowSizes[0];
        StoreWindowSize(percent);
    }
    if (percent != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
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
            Dialogs().Tell(&w, w.ApplicationTitle(),
                           QCoreApplication::translate("WindowSize", "Tarvo will open at the new window size, %1 %, the next time it starts. "
                                          "Close Tarvo and start it again to see it now.")
                               .arg(size),
                           TMsgIcon::Information);
        });
    }
    w.menuBar()->insertMenu(w.HelpMenu()->menuAction(), view);
    return view;
}
