#pragma once
// Work in progress saved automatically, and brought back after a crash.
//
// While the page has unsaved changes, its document bytes are written at
// most a minute apart into the user's data folder (recovery/<process id>.tve
// with a small .info beside it), never over the document itself. Each
// running Tarvo holds recovery/<process id>.lock, so two of them never take
// each other's work. A normal close removes this process's files; files
// whose lock no living process holds are offered at the next start.

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>

class QTimer;
class TPageSession;
class TStageHost;

// A lock that lives exactly as long as its process: the system lets go of
// it when the process ends, however it ends (a kill included).
class TProcessLock {
public:
    TProcessLock() = default;
    ~TProcessLock() { Unlock(); }
    TProcessLock(const TProcessLock&) = delete;
    TProcessLock& operator=(const TProcessLock&) = delete;
    // True when this object now holds the lock of `path` (made if missing).
    bool TryLock(const QString& path);
    void Unlock();

private:
    int fd_ = -1;
};

class TAutoSave : public QObject {
    Q_OBJECT
public:
    // Starts the timer: every minute, or every $TARVO_AUTOSAVE_MS
    // milliseconds (a seam for tests and the benchmark).
    TAutoSave(TStageHost& window, TPageSession& session);
    // A normal close: nothing is left to recover.
    ~TAutoSave() override;

    // The folder of every process's automatic saves.
    static QString Folder();

    // The timer's work: the page's bytes are made here, on the GUI thread,
    // and written on a worker thread. A page without unsaved changes
    // removes this process's files instead.
    void SaveNow();
    // Waits until the last write is on the disk.
    void WaitForWrites();
    // Asks about each piece of work a Tarvo that ended without closing left
    // behind ("which page, when"); Yes brings it back as the current page,
    // No discards it.
    void OfferRecovery();

    // Microseconds the GUI thread spent in the last SaveNow (the benchmark).
    qint64 LastPauseMicroseconds() const { return lastPauseUs_; }

private:
    QString OwnPath(const QString& suffix) const;
    void RemoveOwnFiles();
    bool Recover(const QString& base);

    TStageHost& w_;
    TPageSession& session_;
    QTimer* timer_ = nullptr;
    TProcessLock lock_;
    QThreadPool writer_;
    QByteArray lastWritten_;
    qint64 lastPauseUs_ = 0;
};

// Creates the automatic save for the main window (owned by the window).
TAutoSave* AttachAutoSave(TStageHost& window, TPageSession& session);
