#include "docs/AutoSave.h"

#include "app/StageHost.h"
#include "docs/PageSession.h"
#include "model/WebBlocks.h"
#include "app/UserDialogs.h"
#include "docs/PageFile.h"
#include "app/AppPaths.h"
#include "app/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kDefaultIntervalMs = 60 * 1000;

int IntervalMs() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TARVO_AUTOSAVE_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultIntervalMs;
}

// The .info file: the document's full path (empty while untitled) on the
// first line, the time of the save (ISO 8601, UTC) on the second, and the
// document file's size and time (milliseconds) as the session knew them on
// the third, so a version saved elsewhere meanwhile is noticed.
QByteArray InfoBytes(const QString& document, TPageSession::TDiskStamp stamp) {
    return document.toUtf8() + '\n' + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8() + '\n' +
           QByteArray::number(stamp.size) + ' ' + QByteArray::number(stamp.time) + '\n';
}

struct TRecoveryInfo {
    QString document;  // "" when untitled, or when the record names no page of the user's
    QDateTime when;
    bool stamped = false;
    TPageSession::TDiskStamp stamp;
};

bool Below(const QString& folder, const QString& path) {
    return !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

// A recovery record is a file anybody with the user's rights could have
// planted: the page it names is taken only when it is a page document
// (.tve or .tvt) that lies, links resolved, in the user's home or Tarvo's
// folder and not among the shipped files. Anything else is recovered as an
// untitled page, so a Save asks for a name.
QString TrustedDocument(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isAbsolute()) return QString();
    const QString suffix = info.suffix().toLower();
    if (suffix != QLatin1String("tve") && suffix != QLatin1String("tvt")) return QString();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty()) return QString();
    const QString real = info.exists() ? info.canonicalFilePath() : folder + QLatin1Char('/') + info.fileName();
    const QString shipped = QFileInfo(ShippedDir()).canonicalFilePath();
    const QString app = QFileInfo(AppDir()).canonicalFilePath();
    if (shipped != app && Below(shipped, real)) return QString();
    if (!Below(QFileInfo(QDir::homePath()).canonicalFilePath(), real) && !Below(app, real)) return QString();
    return path;
}

TRecoveryInfo ReadInfo(const QString& path) {
    TightenToPrivate(path);
    QFile f(path);
    // A record is a few lines; a larger file is no record of ours.
    const QStringList lines = f.open(QIODevice::ReadOnly) && f.size() < 64 * 1024
                                  ? QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))
                                  : QStringList();
    TRecoveryInfo out;
    out.document = TrustedDocument(lines.value(0));
    out.when = QDateTime::fromString(lines.value(1), Qt::ISODateWithMs).toLocalTime();
    const QStringList stamp = lines.value(2).split(QLatin1Char(' '));
    bool sizeOk = false, timeOk = false;
    if (stamp.size() == 2) {
        out.stamp.size = stamp[0].toLongLong(&sizeOk);
        out.stamp.time = stamp[1].toLongLong(&timeOk);
    }
    out.stamped = sizeOk && timeOk;
    return out;
}

}  // namespace

bool TProcessLock::TryLock(const QString& path) {
    Unlock();
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return false;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    ::close(fd_);
    fd_ = -1;
    return false;
}

void TProcessLock::Unlock() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

TAutoSave* AttachAutoSave(TStageHost& window, TPageSession& session) { return new TAutoSave(window, session); }

QString TAutoSave::Folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

TAutoSave::TAutoSave(TStageHost& window, TPageSession& session)
    : QObject(&window), w_(window), session_(session) {
    setObjectName(QStringLiteral("AutoSave"));
    writer_.setMaxThreadCount(1);
    // The recovery copies are the user's pages: only the user may read them.
    MakePrivateFolder(Folder());
    // Work an earlier process of the same number left behind is still
    // offered: it moves to a name of its own first.
    if (QFile::exists(OwnPath(QStringLiteral(".info")))) {
        const QString moved = QDir(Folder()).filePath(
            QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()));
        QFile::rename(OwnPath(QStringLiteral(".tve")), moved + QStringLiteral(".tve"));
        QFile::rename(OwnPath(QStringLiteral(".info")), moved + QStringLiteral(".info"));
    }
    lock_.TryLock(OwnPath(QStringLiteral(".lock")));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("timAutoSave"));
    timer_->setInterval(IntervalMs());
    connect(timer_, &QTimer::timeout, this, &TAutoSave::SaveNow);
    timer_->start();
}

TAutoSave::~TAutoSave() {
    WaitForWrites();
    RemoveOwnFiles();
    QFile::remove(OwnPath(QStringLiteral(".lock")));
    lock_.Unlock();
}

QString TAutoSave::OwnPath(const QString& suffix) const {
    return QDir(Folder()).filePath(QString::number(QCoreApplication::applicationPid()) + suffix);
}

void TAutoSave::RemoveOwnFiles() {
    QFile::remove(OwnPath(QStringLiteral(".tve")));
    QFile::remove(OwnPath(QStringLiteral(".info")));
    lastWritten_.clear();
}

void TAutoSave::WaitForWrites() { writer_.waitForDone(); }

void TAutoSave::SaveNow() {
    QElapsedTimer clock;
    clock.start();
    const TPageSession& s = session_;
    if (!s.Page.PageChanged) {
        // Saved or untouched: there is nothing to bring back.
        if (!lastWritten_.isEmpty()) {
            WaitForWrites();
            RemoveOwnFiles();
        }
        lastPauseUs_ = clock.nsecsElapsed() / 1000;
        return;
    }
    QByteArray bytes = PageFileBytes(s.Page, s.StyleName);
    if (bytes == lastWritten_) {
        lastPauseUs_ = clock.nsecsElapsed() / 1000;
        return;
    }
    lastWritten_ = bytes;
    const QByteArray info = InfoBytes(s.Page.DocFileName, s.DiskStamp());
    const QString page = OwnPath(QStringLiteral(".tve"));
    const QString infoPath = OwnPath(QStringLiteral(".info"));
    // The disk's own pace stays off the GUI thread; one write at a time,
    // in order. The info goes last: a page without it is not offered.
    writer_.start([bytes = std::move(bytes), info, page, infoPath] {
        const TWriteOptions mine{QString(), true};
        if (WriteFileChecked(page, bytes, mine).ok) WriteFileChecked(infoPath, info, mine);
    });
    lastPauseUs_ = clock.nsecsElapsed() / 1000;
}

void TAutoSave::OfferRecovery() {
    const QDir folder(Folder());
    const QString own = QString::number(QCoreApplication::applicationPid());
    // Locks of processes that ended with nothing to recover.
    for (const QFileInfo& lock : folder.entryInfoList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString base = lock.completeBaseName();
        if (base == own || QFile::exists(folder.filePath(base + QStringLiteral(".info")))) continue;
        TProcessLock theirs;
        if (theirs.TryLock(lock.absoluteFilePath())) QFile::remove(lock.absoluteFilePath());
    }
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.info")}, QDir::Files, QDir::Time)) {
        const QString base = info.completeBaseName();
        if (base == own) continue;
        // A living Tarvo holds its lock: its work is its own.
        TProcessLock theirs;
        const QString lockPath = folder.filePath(base + QStringLiteral(".lock"));
        if (!theirs.TryLock(lockPath)) continue;
        const TRecoveryInfo record = ReadInfo(info.absoluteFilePath());
        TightenToPrivate(folder.filePath(base + QStringLiteral(".tve")));
        const QString document = record.document;
        const QDateTime when = record.when;
        // The whole path: two pages of one name in different folders must
        // not be mistaken for each other.
        const QString name = document.isEmpty() ? QCoreApplication::translate("AutoSave", "an untitled page")
                                                : QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(document));
        const QString text = QCoreApplication::translate("AutoSave", "Tarvo was not closed normally. Your work on %1 was saved automatically on "
                                            "%2.\n\nDo you want to bring it back?")
                                 .arg(name, QLocale().toString(when, QLocale::LongFormat));
        const auto answer = Dialogs().Ask(&w_, w_.ApplicationTitle(), text, TMsgIcon::Question,
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        // Kept when it could not be brought back, so it can be offered again.
        if (answer == QMessageBox::Yes && !Recover(folder.filePath(base))) continue;
        QFile::remove(folder.filePath(base + QStringLiteral(".tve")));
        QFile::remove(info.absoluteFilePath());
        QFile::remove(lockPath);
    }
}

bool TAutoSave::Recover(const QString& base) {
    const TRecoveryInfo record = ReadInfo(base + QStringLiteral(".info"));
    const QString document = record.document;
    TPageSession& s = session_;
    const QString saved = base + QStringLiteral(".tve");
    const TSessionOutcome opened = s.Open(saved, false);
    if (!opened.done()) {
        if (!opened.message.isEmpty())
            Dialogs().Tell(&w_, w_.ApplicationTitle(), opened.message, TMsgIcon::Critical);
        return false;
    }
    // Opened as a template would be, the page is a new one; its choices are
    // the ones it was saved with.
    TPage stored;
    ReadPageFile(saved, stored);
    s.SetFitPhone(stored.FitPhone);
    // The page is the document it was, with changes not yet saved there.
    s.SetName(document);
    // The document as it was on the disk when the work was saved: a version
    // saved since by another window makes the next Save ask. A record of an
    // earlier version has no stamp; the file as it is now stands in.
    if (record.stamped) s.SetDiskStamp(record.stamp);
    else s.StampDisk();
    s.Page.PageChanged = true;
    if (session_.Page.Count() > 0 && w_.Hooks().SelectAndHighlight) w_.Hooks().SelectAndHighlight(0);
    w_.ShowRedPill(TStageHost::stBuild, false);
    SaveNow();
    return true;
}
