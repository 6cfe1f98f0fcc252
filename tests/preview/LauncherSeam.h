#pragma once
// The launcher's seam for tests: scripts on PATH that stand in for the
// programs it starts (the desktop's opener among them) and write down what
// they were given. No browser is ever started.

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A folder put in front of PATH holding scripts that write their arguments,
// one a line, to a log. Removed, and PATH restored, with the object.
class TLauncherSeam {
public:
    TLauncherSeam() : oldPath_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toLocal8Bit() + ':' + oldPath_); }
    ~TLauncherSeam() { qputenv("PATH", oldPath_); }

    // A program named `name` that records its arguments, after `delay`
    // seconds when given.
    QString AddRecorder(const QString& name, const QString& delay = QString()) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return QString();
        QByteArray script = "#!/bin/sh\n";
        if (!delay.isEmpty()) script += "sleep " + delay.toLatin1() + "\n";
        script += "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" + Log().toLocal8Bit() + "'\n";
        script += "echo . >> '" + Log().toLocal8Bit() + ".done'\n";
        f.write(script);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    // Only this folder on PATH: no opener of the desktop can be found.
    void Isolate() { qputenv("PATH", dir_.path().toLocal8Bit()); }

    QString Log() const { return dir_.filePath("launched.log"); }
    // The arguments of the recorded starts, once `starts` have finished
    // (detached starts end on their own time).
    // Woken by the file system's notice of each change to the folder or the
    // done file; a minute at the most.
    QStringList Arguments(int starts = 1) const {
        QFileSystemWatcher watcher({dir_.path()});
        QEventLoop loop;
        QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, &QEventLoop::quit);
        QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, &QEventLoop::quit);
        QTimer bound;
        bound.setSingleShot(true);
        QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
        bound.start(60000);
        const QString done = Log() + ".done";
        while (Starts() < starts && bound.isActive()) {
            if (QFile::exists(done) && watcher.files().isEmpty()) watcher.addPath(done);
            if (Starts() >= starts) break;
            loop.exec();
        }
        return QString::fromLocal8Bit(ReadBytes(Log())).split('\n', Qt::SkipEmptyParts);
    }
    int Starts() const { return int(ReadBytes(Log() + ".done").count('\n')); }
    QString Folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
};
