// The launcher. `tarvo --text` needs the viewer and fonts alone; the rest
// of the program links sound, network, keyring and widget libraries whose
// loading and binding would cost it more than the page itself. So this
// small program does --text itself and loads the program library for
// everything else, from beside it (a build or a portable copy) or from its
// install folder.

#include "viewer/ViewerCommand.h"

#include "TarvoResources.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {

// The folder of this program, without needing an application object.
QString LauncherFolder(const char* argv0) {
#ifdef Q_OS_LINUX
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) return QFileInfo(self.canonicalFilePath()).absolutePath();
#endif
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--text") == 0) {
        InitTarvoResources();  // the viewer's stand-in pictures
        RunTextProcess(argc, argv);
    }

    const QString folder = LauncherFolder(argv[0]);
    const QString name = QStringLiteral(TARVO_PROGRAM_LIBRARY);
    const QStringList places{folder + QLatin1Char('/') + name,
                             folder + QStringLiteral("/" TARVO_PROGRAM_LIBRARY_DIR "/") + name};
    for (const QString& path : places) {
        if (!QFileInfo::exists(path)) continue;
        QLibrary library(path);
        if (!library.load()) {
            std::fprintf(stderr, "tarvo: %s\n", qPrintable(library.errorString()));
            return 1;
        }
        using Entry = int (*)(int, char**);
        const auto entry = reinterpret_cast<Entry>(library.resolve("TarvoProgramMain"));
        if (!entry) {
            std::fprintf(stderr, "tarvo: %s\n", qPrintable(library.errorString()));
            return 1;
        }
        // The library stays loaded until the process ends.
        return entry(argc, argv);
    }
    std::fprintf(stderr, "tarvo: the program library %s is missing (looked in %s and %s)\n", qPrintable(name),
                 qPrintable(folder), qPrintable(QFileInfo(places.last()).absolutePath()));
    return 1;
}
