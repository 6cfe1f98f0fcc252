#include "upload/transfer/GitModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

using TEntry = TTransport* (*)();

QMutex g_lock;
QString g_folder;           // "" beside this binary
TEntry g_entry = nullptr;   // once loaded
QString g_problem;          // why it did not load, once tried
bool g_tried = false;

QString ModuleFolder() {
    if (!g_folder.isEmpty()) return g_folder;
#ifdef Q_OS_UNIX
    // The binary holding this code: the program library in a build folder,
    // a portable copy or an install, where the module lies beside it.
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&MakeGitTransport), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
#endif
    return QCoreApplication::applicationDirPath();
}

// Loads the module on the first call; the entry point, or null with the
// reason in g_problem. Transports are made on the client's threads.
TEntry Entry() {
    const QMutexLocker hold(&g_lock);
    if (g_tried) return g_entry;
    g_tried = true;
    const QString path = ModuleFolder() + QStringLiteral("/" TARVO_GIT_LIBRARY);
    // Destroying a QLibrary leaves its library loaded: the transports the
    // module makes live on after this function.
    QLibrary library(path);
    if (!QFileInfo::exists(path))
        g_problem = QCoreApplication::translate("FtpClient", "%1 is missing").arg(path);
    else if (!library.load() || !(g_entry = reinterpret_cast<TEntry>(library.resolve(TARVO_GIT_ENTRY))))
        g_problem = library.errorString();
    return g_entry;
}

// Stands in for the Git transport when the module cannot be had: every
// request fails with the reason, and nothing is left half done.
class TMissingGit final : public TTransport {
public:
    explicit TMissingGit(QString why) : why_(std::move(why)) {}
    TReply Run(const TRequest&, TRequestControl&) override {
        TReply reply;
        reply.Outcome = TFtpOutcome::Of(
            TFtpOutcome::TKind::Failed,
            QCoreApplication::translate("FtpClient", "Publishing to Git repositories is not available here: %1")
                .arg(why_));
        return reply;
    }

private:
    QString why_;
};

}  // namespace

std::unique_ptr<TTransport> MakeGitTransport() {
    if (const TEntry entry = Entry()) return std::unique_ptr<TTransport>(entry());
    const QMutexLocker hold(&g_lock);
    return std::make_unique<TMissingGit>(g_problem);
}

void SetGitModuleFolder(const QString& folder) {
    const QMutexLocker hold(&g_lock);
    g_folder = folder;
    g_tried = false;
    g_entry = nullptr;
}
