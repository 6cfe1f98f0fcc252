#include "docs/AutoSave.h"

#include "app/StageHost.h"
#include "docs/PageSession.h"
#include "model/WebBlocks.h"
#include "app/UserDialogs.h"
#include "docs/PageFile.h"
#include "docs/SafeWrite.h"

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
// first line, the time of the save (ISO 8601, UTC) on the second.
QByteArray InfoBytes(const QString& document) {
    return document.toUtf8() + '\n' + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8() + '\n';
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
    QDir().mkpath(Folder());
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
    const QByteArray info = InfoBytes(s.Page.DocFileName);
    const QString page = OwnPath(QStringLiteral(".tve"));
    const QString infoPath = OwnPath(QStringLiteral(".info"));
    // The disk's own pace stays off the GUI thread; one write at a time,
    // in order. The info goes last: a page without it is not offered.
    writer_.start([bytes = std::move(bytes), info, page, infoPath] {
        if (WriteFileChecked(page, bytes).ok) WriteFileChecked(infoPath, info);
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
        QFile f(info.absoluteFilePath());
        const QStringList lines =
            f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')) : QStringList();
        const QString document = lines.value(0);
        const QDateTime when = QDateTime::fromString(lines.value(1), Qt::ISODateWithMs).toLocalTime();
        const QString name =
            document.isEmpty() ? QCoreApplication::translate("AutoSave", "an untitled page") : QStringLiteral("\"%1\"").arg(QFileInfo(document).fileName());
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
    QFile f(base + QStringLiteral(".info"));
    const QString document =
        f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
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
    s.Page.DocFileName = document;
    if (s.NameChanged) s.NameChanged();
    s.Page.PageChanged = true;
    if (session_.Page.Count() > 0 && w_.Hooks().SelectAndHighlight) w_.Hooks().SelectAndHighlight(0);
    w_.ShowRedPill(TStageHost::stBuild, false);
    SaveNow();
    return true;
}
