#include "docs/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

qint64 g_writeLimit = -1;

// The first missing or blocked level above `path`, in words.
QString FolderReason(const QString& path) {
    QFileInfo folder(QFileInfo(path).absolutePath());
    while (!folder.absoluteFilePath().isEmpty() && !folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    if (folder.exists() && !folder.isDir())
        return QCoreApplication::translate("SafeWrite", "\"%1\" is a file, not a folder").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!QFileInfo(QFileInfo(path).absolutePath()).exists())
        return QCoreApplication::translate("SafeWrite", "the folder \"%1\" does not exist")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return QString();
}

QString ErrnoReason(int code) {
    switch (code) {
        case ENOSPC:
        case EDQUOT: return QCoreApplication::translate("SafeWrite", "the disk is full");
        case EACCES:
        case EPERM: return QCoreApplication::translate("SafeWrite", "you are not allowed to write there");
        case EROFS: return QCoreApplication::translate("SafeWrite", "the disk can only be read");
        case EISDIR: return QCoreApplication::translate("SafeWrite", "a folder of that name is in the way");
        case EIO: return QCoreApplication::translate("SafeWrite", "the disk reported an error");
        default: return code ? QString::fromLocal8Bit(std::strerror(code)) : QString();
    }
}

TWriteOutcome Failed(const QString& path, const QString& fallback) {
    const int code = errno;
    if (QFileInfo(path).isDir()) return {false, ErrnoReason(EISDIR)};
    QString reason = FolderReason(path);
    if (reason.isEmpty()) reason = ErrnoReason(code);
    if (reason.isEmpty()) reason = fallback;
    return {false, reason};
}

}  // namespace

QString TWriteOutcome::Message(const QString& path) const {
    return QCoreApplication::translate("SafeWrite", "Cannot create file %1: %2.").arg(QDir::toNativeSeparators(path), reason);
}

void SetWriteLimitForTests(qint64 bytes) { g_writeLimit = bytes; }

TWriteOutcome WriteFileChecked(const QString& path, const QByteArray& bytes) {
    errno = 0;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return Failed(path, f.errorString());
    const qint64 wanted = g_writeLimit >= 0 ? qMin<qint64>(g_writeLimit, bytes.size()) : bytes.size();
    errno = 0;
    const qint64 written = f.write(bytes.constData(), wanted);
    if (written != bytes.size()) {
        const int code = errno;
        f.cancelWriting();
        // A short write without an error of its own is the disk filling up.
        if (written == wanted && wanted < bytes.size()) return {false, ErrnoReason(ENOSPC)};
        errno = code;
        return Failed(path, f.errorString());
    }
    errno = 0;
    if (!f.commit()) return Failed(path, f.errorString());
    return {};
}
