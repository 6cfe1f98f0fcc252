#include "preview/ExecFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// The nice value of each priority class; raising the priority needs the
// right to do so and is silently left at normal without it.
int NiceValue(TExecFile::TPriority p) {
    switch (p) {
        case TExecFile::pcIdle: return 19;
        case TExecFile::pcHigh: return -5;
        case TExecFile::pcRealTime: return -15;
        default: return 0;
    }
}
#endif

// The program the desktop opens documents and addresses with.
QString AssociationProgram() {
#ifdef Q_OS_WIN
    return QStandardPaths::findExecutable(QStringLiteral("explorer"));
#elif defined(Q_OS_MACOS)
    return QStandardPaths::findExecutable(QStringLiteral("open"));
#else
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#endif
}

// Why `program` cannot be started, as an errno value.
int StartError(const QString& program) {
    const QString found = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(found);
    if (found.isEmpty() || !info.exists()) return ENOENT;
    if (!info.isExecutable() || info.isDir()) return EACCES;
    return ENOEXEC;
}

}  // namespace

TExecFile::TExecFile(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("ExecFile")); }

bool TExecFile::Start(const QString& program, const QStringList& arguments, bool watch) {
    if (program.isEmpty()) return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QString statusFile;
#ifdef Q_OS_UNIX
    // The opener is started detached (the browser it starts outlives Tarvo),
    // so its exit status is written to a file in a folder of our own by the
    // shell that runs it: a status other than 0 means no browser came up.
    if (watch && !Wait) {
        if (!statusDir_) statusDir_ = std::make_unique<QTemporaryDir>();
        if (statusDir_->isValid()) {
            statusFile = statusDir_->filePath(QStringLiteral("opener-%1.status").arg(++starts_));
            process.setProgram(QStringLiteral("/bin/sh"));
            process.setArguments(QStringList{QStringLiteral("-c"),
                                             QStringLiteral("\"$0\" \"$@\"; echo $? > \"$OPENER_STATUS\""),
                                             program} +
                                 arguments);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("OPENER_STATUS"), statusFile);
            process.setProcessEnvironment(env);
        }
    }
#else
    Q_UNUSED(watch);
#endif
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
    const int nice = NiceValue(Priority);
    if (nice != 0) process.setChildProcessModifier([nice] { setpriority(PRIO_PROCESS, 0, nice); });
#endif
    if (!Wait) {
        qint64 pid = 0;
        if (!process.startDetached(&pid)) {
            LastErrorText = process.errorString();
            return false;
        }
        ProcessId = pid;
        if (!statusFile.isEmpty()) {
            watched_.push_back({statusFile, arguments.value(0), QDateTime::currentMSecsSinceEpoch()});
            if (!watchTimer_) {
                watchTimer_ = new QTimer(this);
                watchTimer_->setInterval(200);
                connect(watchTimer_, &QTimer::timeout, this, &TExecFile::CheckOpeners);
            }
            watchTimer_->start();
        }
        return true;
    }
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1)) {
        LastErrorText = process.errorString();
        return false;
    }
    ProcessId = process.processId();
    if (WaitStyle == wSuspend) {
        process.waitForFinished(-1);
    } else {
        // Events go on being handled; the program quitting ends the wait.
        QEventLoop loop;
        connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning) loop.exec();
        if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
    }
    return true;
}

void TExecFile::CheckOpeners() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::vector<std::pair<QString, int>> failed;  // document, status
    for (auto it = watched_.begin(); it != watched_.end();) {
        QFile status(it->StatusFile);
        // The status is whole once its line has ended.
        const QByteArray line = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        if (line.endsWith('\n')) {
            bool ok = false;
            const int code = QString::fromLatin1(line).trimmed().toInt(&ok);
            status.close();
            status.remove();
            if (ok && code != 0) failed.emplace_back(it->Document, code);
            it = watched_.erase(it);
        } else if (now - it->Started > OpenerWatchMs) {
            // Still running after the watch time: the browser is up (an
            // opener that waits for the browser it started ends only when
            // the browser closes).
            it = watched_.erase(it);
        } else {
            ++it;
        }
    }
    if (watched_.empty() && watchTimer_) watchTimer_->stop();
    // Told after the list is settled: the message box runs an event loop of
    // its own, in which this check can run again.
    for (const auto& [document, code] : failed) {
        OpenerStatus = code;
        CommandLine = document;
        LastError = 0;
        LastErrorText.clear();
        if (OnFail) OnFail(*this);
    }
}

bool TExecFile::IsDocument(const QString& path) {
    static const QStringList documents = {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("shtml"),
                                          QStringLiteral("xhtml")};
    return documents.contains(QFileInfo(path).suffix().toLower());
}

bool TExecFile::Execute() {
    ProcessId = 0;
    OpenerStatus = 0;
    LastError = 0;
    LastErrorText.clear();
    const QStringList params = QProcess::splitCommand(Parameters);
    // The command line as a program: a file of that name (spaces in its
    // path included), else a command whose first word is the program. A
    // page is a document, never a program, whatever its permissions say:
    // it goes only to the program the desktop opens pages with.
    const bool document = IsDocument(CommandLine);
    QString program;
    QStringList arguments;
    if (QFileInfo(CommandLine).isFile()) {
        program = CommandLine;
        arguments = params;
    } else {
        arguments = QProcess::splitCommand(CommandLine + QLatin1Char(' ') + Parameters);
        if (!arguments.isEmpty()) program = arguments.takeFirst();
    }
    bool started = document || QFileInfo(program).isDir() ? false : Start(program, arguments);
    int error = started ? 0 : document ? EACCES : StartError(program);
    if (!started && Associate) {
        // The document goes to its program as one argument, whatever
        // spaces its path holds.
        AssociatedProgram = AssociationProgram();
        if (AssociatedProgram.isEmpty()) {
            error = ENOENT;
        } else {
            started = Start(AssociatedProgram, QStringList{CommandLine} + params, true);
            if (!started) error = StartError(AssociatedProgram);
        }
    }
    if (started) return true;
    LastError = error;
    if (OnFail) OnFail(*this);
    return false;
}
