#include "app/MediaModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

// The folder of the binary this code was linked into: the program library
// in a build folder, a portable copy or an install, where the module lies
// beside it.
QString OwnFolder() {
#ifdef Q_OS_UNIX
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&OwnFolder), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
#endif
    return QCoreApplication::applicationDirPath();
}

}  // namespace

TMediaModule* LoadMediaModule(const QString& folder) {
    const QString path = folder + QStringLiteral("/" TARVO_MEDIA_LIBRARY);
    if (!QFileInfo::exists(path)) return nullptr;
    // Destroying a QLibrary leaves its library loaded: the players the
    // module made live as long as the program.
    QLibrary library(path);
    using Entry = TMediaModule* (*)();
    const auto entry = library.load() ? reinterpret_cast<Entry>(library.resolve(TARVO_MEDIA_ENTRY)) : nullptr;
    if (!entry) {
        qWarning("tarvo: no sound or video: %s", qPrintable(library.errorString()));
        return nullptr;
    }
    return entry();
}

TMediaModule* MediaModule() {
    static TMediaModule* const module = LoadMediaModule(OwnFolder());
    return module;
}
