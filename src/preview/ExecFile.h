#pragma once
// The launcher: starts a program or, when the command line is a document
// (a page, an address's redirect file), the program the desktop associates
// with it. The main window opens the browser through one of these.

#include "app/OneHook.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

class TExecFile : public QObject {
    Q_OBJECT
public:
    enum TPriority { pcNormal, pcIdle, pcHigh, pcRealTime };
    enum TWaitStyle { wRegular, wSuspend };
    enum TWindowStyle { wsNorm, wsMinimize, wsMaximize, wsHide, wsMinNoActivate, wsShowNoActivate };

    explicit TExecFile(QObject* parent = nullptr);

    // When the command line cannot be started as a program, start the
    // program associated with it.
    bool Associate = false;
    // The program or document to start, and further command-line text.
    QString CommandLine;
    QString Parameters;
    TPriority Priority = pcNormal;
    // Wait until the started process ends: processing events (wRegular) or
    // blocked (wSuspend).
    bool Wait = false;
    TWaitStyle WaitStyle = wRegular;
    // How the started program's window is shown (honoured where the system
    // lets the starter choose; a desktop browser on Linux decides itself).
    TWindowStyle WindowStyle = wsNorm;
    // Fired when nothing could be started (one owner: the browser preview).
    TOneHook<void(TExecFile&)> OnFail;

    // The system error code of the last failed start (errno style: 2 no
    // such program, 13 not allowed to run it), and its text.
    int LastError = 0;
    QString LastErrorText;
    // The associated program found by the last start that needed one.
    QString AssociatedProgram;
    // The process id of the last start (0 when nothing was started).
    qint64 ProcessId = 0;
    // The desktop's opener started but soon ended with this status (not 0):
    // it found no browser, or the browser it started failed. OnFail is told
    // then too, after Execute has returned true.
    int OpenerStatus = 0;
    // How long after its start an opener's failure is still told.
    int OpenerWatchMs = 20000;

    // Starts the command line; true when a process was started. A page (an
    // .html, .htm, .shtml or .xhtml file) is never started as a program:
    // with Associate it goes to the desktop's opener, without it nothing
    // starts.
    bool Execute();
    static bool IsDocument(const QString& path);
    // Openers started by Execute whose outcome is still awaited.
    int AwaitedOpeners() const { return int(watched_.size()); }

private:
    bool Start(const QString& program, const QStringList& arguments, bool watch = false);
    void CheckOpeners();

    // A detached opener whose exit status is awaited in a file.
    struct TWatchedStart {
        QString StatusFile;
        QString Document;
        qint64 Started;
    };
    std::unique_ptr<QTemporaryDir> statusDir_;
    std::vector<TWatchedStart> watched_;
    QTimer* watchTimer_ = nullptr;
    int starts_ = 0;
};
