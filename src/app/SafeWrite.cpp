#include "app/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

qint64 g_writeLimit = -1;
TWriteStep g_failAt = TWriteStep::None;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The first missing or blocked level above `path`, in words.
QString FolderReason(const QString& path) {
    QFileInfo folder(QFileInfo(path).absolutePath());
    while (!folder.absoluteFilePath().isEmpty() && !folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    if (folder.exists() && !folder.isDir())
        return QCoreApplication::translate("SafeWrite", "\"%1\" is a file, not a folder").arg(Native(folder.absoluteFilePath()));
    if (!QFileInfo(QFileInfo(path).absolutePath()).exists())
        return QCoreApplication::translate("SafeWrite", "the folder \"%1\" does not exist").arg(Native(QFileInfo(path).absolutePath()));
    return QString();
}

TWriteOutcome FromErrno(int code) {
    TWriteOutcome out{false, QString(), false};
    switch (code) {
        case ENOSPC:
        case EDQUOT:
            out.reason = QCoreApplication::translate("SafeWrite", "the disk is full");
            out.diskFull = true;
            break;
        case EACCES:
        case EPERM: out.reason = QCoreApplication::translate("SafeWrite", "you are not allowed to write there"); break;
        case EROFS: out.reason = QCoreApplication::translate("SafeWrite", "the disk can only be read"); break;
        case EISDIR: out.reason = QCoreApplication::translate("SafeWrite", "a folder of that name is in the way"); break;
        case EIO: out.reason = QCoreApplication::translate("SafeWrite", "the disk reported an error"); break;
        default: out.reason = code ? QString::fromLocal8Bit(std::strerror(code)) : QString();
    }
    return out;
}

TWriteOutcome Failed(const QString& path, int code, const QString& fallback) {
    if (QFileInfo(path).isDir()) return FromErrno(EISDIR);
    const QString folder = FolderReason(path);
    if (!folder.isEmpty()) return {false, folder, false};
    TWriteOutcome out = FromErrno(code);
    if (out.reason.isEmpty()) out.reason = fallback.isEmpty() ? FromErrno(EIO).reason : fallback;
    return out;
}

TWriteOutcome LinkRefused(const QString& link) {
    return {false, QCoreApplication::translate("SafeWrite", "\"%1\" is a link to another place, and Tarvo does not write through links").arg(Native(link)), false};
}

TWriteOutcome OutsideRefused(const QString& folder) {
    return {false, QCoreApplication::translate("SafeWrite", "it would lie outside the folder \"%1\"").arg(Native(folder)), false};
}

// The levels from `within` down to `path`, each a full path; empty when
// `path` does not lie below `within` as written.
QStringList LevelsBelow(const QString& within, const QString& path) {
    const QString root = QDir::cleanPath(QFileInfo(within).absoluteFilePath());
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!target.startsWith(root + QLatin1Char('/')) && !(root == QLatin1String("/") && target.startsWith(root)))
        return {};
    QStringList levels;
    QString at = root;
    for (const QString& part : target.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = at + QLatin1Char('/') + part;
        levels << at;
    }
    return levels;
}

// Refuses a write below `within` that would pass through a link or land
// outside it on the disk. `levels` are the folders from `within` down to
// the file's folder (the file itself is checked on its own).
TWriteOutcome CheckWithin(const QString& within, const QString& path) {
    if (within.isEmpty()) return {};
    const QStringList levels = LevelsBelow(within, path);
    if (levels.isEmpty()) return OutsideRefused(within);
    for (const QString& level : levels)
        if (IsSymbolicLink(level)) return LinkRefused(level);
    if (!LiesInsideOnDisk(within, path)) return OutsideRefused(within);
    return {};
}

#ifdef Q_OS_UNIX

// Writes all of `bytes` to `fd`; false with errno set when it cannot.
bool WriteAll(int fd, const QByteArray& bytes) {
    const qint64 wanted = g_writeLimit >= 0 ? qMin<qint64>(g_writeLimit, bytes.size()) : bytes.size();
    const char* at = bytes.constData();
    qint64 left = wanted;
    while (left > 0) {
        const ssize_t n = ::write(fd, at, size_t(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        at += n;
        left -= n;
    }
    if (wanted < bytes.size()) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

// A temporary file of a name nobody else has, beside `target`.
int OpenTemporary(const QString& target, mode_t mode, QByteArray& tempName) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        tempName = QFile::encodeName(QDir(info.absolutePath()).filePath(name));
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // some file systems cannot sync a folder; the rename stands
    ::close(fd);
}

TWriteOutcome WritePosix(const QString& path, const QByteArray& bytes, const TWriteOptions& options) {
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return FromErrno(EISDIR);
    // A private file starts private; a replaced file keeps its mode once
    // it is complete (set below), so it is never more open meanwhile.
    const mode_t mode = options.Private || exists ? 0600 : 0666;
    QByteArray temp;
    const int fd = OpenTemporary(path, mode, temp);
    if (fd < 0) return Failed(path, errno, QString());
    auto fail = [&](int code) {
        ::close(fd);
        ::unlink(temp.constData());
        return Failed(path, code, QString());
    };
    if (!WriteAll(fd, bytes)) return fail(errno);
    if (g_failAt == TWriteStep::Flush) return fail(ENOSPC);
    if (::fsync(fd) != 0) return fail(errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0) return fail(errno);
    // What the disk holds is what counts: a file shorter than its bytes is
    // a failed write, whatever the calls before said.
    if (written.st_size != bytes.size()) return fail(ENOSPC);
    if (exists && !options.Private && ::fchmod(fd, old.st_mode & 07777) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.constData());
        return Failed(path, code, QString());
    }
    // The target may have become a link since the check above.
    if (IsSymbolicLink(path)) {
        ::unlink(temp.constData());
        return LinkRefused(path);
    }
    if (g_failAt == TWriteStep::Rename || ::rename(temp.constData(), target.constData()) != 0) {
        const int code = g_failAt == TWriteStep::Rename ? ENOSPC : errno;
        ::unlink(temp.constData());
        return Failed(path, code, QString());
    }
    SyncFolder(QFileInfo(path).absolutePath());
    return {};
}

#else

// Elsewhere Qt's save file does the renaming; the flush is checked before
// the commit, so a full disk cannot commit a short file.
TWriteOutcome WritePosix(const QString& path, const QByteArray& bytes, const TWriteOptions& options) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return Failed(path, errno, f.errorString());
    const qint64 wanted = g_writeLimit >= 0 ? qMin<qint64>(g_writeLimit, bytes.size()) : bytes.size();
    if (f.write(bytes.constData(), wanted) != bytes.size() || g_failAt == TWriteStep::Flush || !f.flush()) {
        f.cancelWriting();
        return FromErrno(ENOSPC);
    }
    if (options.Private) f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (g_failAt == TWriteStep::Rename || !f.commit()) return Failed(path, errno, f.errorString());
    return {};
}

#endif

}  // namespace

QString TWriteOutcome::Message(const QString& path) const {
    return QCoreApplication::translate("SafeWrite", "Cannot create file %1: %2.").arg(Native(path), reason);
}

void SetWriteLimitForTests(qint64 bytes) { g_writeLimit = bytes; }
void SetWriteFailureForTests(TWriteStep step) { g_failAt = step; }

bool IsSymbolicLink(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
#else
    return QFileInfo(path).isSymbolicLink();
#endif
}

bool LiesInsideOnDisk(const QString& folder, const QString& path) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty()) return false;
    // The nearest level that exists decides where the rest would go; the
    // missing levels below it are plain names (no "..": the path is clean).
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing) && !IsSymbolicLink(existing)) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0) return false;
        rest = existing.mid(slash) + rest;
        existing = existing.left(slash);
    }
    const QString real = QFileInfo(existing).canonicalFilePath();
    if (real.isEmpty()) return false;  // a dangling link leads nowhere known
    const QString whole = real + rest;
    return whole == root || whole.startsWith(root == QLatin1String("/") ? root : root + QLatin1Char('/'));
}

TWriteOutcome WriteFileChecked(const QString& path, const QByteArray& bytes, const TWriteOptions& options) {
    if (IsSymbolicLink(path)) return LinkRefused(path);
    const TWriteOutcome inside = CheckWithin(options.Within, path);
    if (!inside.ok) return inside;
    const QString folder = FolderReason(path);
    if (!folder.isEmpty()) return {false, folder, false};
    return WritePosix(path, bytes, options);
}

TWriteOutcome MakeFolderChecked(const QString& folder, const QString& within) {
    const TWriteOutcome inside = CheckWithin(within, folder + QStringLiteral("/x"));
    if (!inside.ok) return inside;
    QStringList levels = within.isEmpty() ? QStringList{folder} : LevelsBelow(within, folder);
    for (const QString& level : levels) {
        // The folder the user named may be reached through a link; a level
        // below `within` may not.
        if (!within.isEmpty() && IsSymbolicLink(level)) return LinkRefused(level);
        const QFileInfo info(level);
        if (info.isDir()) continue;
        if (info.exists()) return {false, QCoreApplication::translate("SafeWrite", "\"%1\" is a file, not a folder").arg(Native(level)), false};
        if (!QDir().mkpath(level)) return Failed(level + QStringLiteral("/x"), errno, QString());
    }
    return {};
}

bool MakePrivateFolder(const QString& folder) {
    if (folder.isEmpty() || IsSymbolicLink(folder)) return false;
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TightenToPrivate(const QString& file) {
    if (IsSymbolicLink(file) || !QFileInfo(file).isFile()) return;
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (QFile::permissions(file) & others) QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
