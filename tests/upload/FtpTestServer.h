#pragma once
// A real FTP server for a test: pyftpdlib run by the system's own python3
// on 127.0.0.1 on a free port, with one user and a temporary home folder.
// Started by the constructor, stopped by the destructor.

#include "upload/UploadSequence.h"

#include "ServerFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TFtpTestServer {
public:
    static constexpr const char* kUser = "webuser";
    static constexpr const char* kPassword = "s3cret pass";

    // `readLimit` > 0 slows every upload to that many bytes a second.
    explicit TFtpTestServer(int readLimit = 0) {
        QStringList extra;
        if (readLimit > 0) extra << QString::number(readLimit);
        start(QStringLiteral("ftpserver.py"), extra);
    }
    // Another server script of this folder, run as SCRIPT HOME USER
    // PASSWORD EXTRA...
    TFtpTestServer(const QString& script, const QStringList& extra) { start(script, extra); }
    ~TFtpTestServer() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(3000);
    }
    bool ok() const { return port_ > 0; }
    int port() const { return port_; }
    QString home() const { return home_.path(); }
    // This server as an upload target: its user, logging in to `dir`.
    TUploadTarget Target(TSecurity security, const QString& dir,
                         const QString& password = QLatin1String(kPassword)) const {
        TUploadTarget t;
        t.Address = QStringLiteral("127.0.0.1");
        t.Port = port_;
        t.Directory = dir;
        t.UserName = QLatin1String(kUser);
        t.Password = password;
        t.Security = security;
        return t;
    }
    QString path(const QString& name) const { return home_.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file below the home folder, relative, sorted.
    QStringList files() const { return FilesUnder(home_.path()); }
    // The server's log (on its standard error).
    QString log() {
        log_ += QString::fromLocal8Bit(process_.readAllStandardError());
        return log_;
    }
    int sessions() { return int(log().count(QStringLiteral("FTP session opened"))); }

private:
    void start(const QString& script, const QStringList& extra) {
        const QStringList args = QStringList{QString::fromLocal8Bit(qgetenv("TARVO_TEST_SOURCE")) +
                                                 QStringLiteral("/upload/") + script,
                                             home_.path(), QLatin1String(kUser), QLatin1String(kPassword)} +
                                 extra;
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        // Not the test's own folder: the program may have entered a folder
        // that a finished test has already removed.
        process_.setWorkingDirectory(home_.path());
        // Debian's own python3, where the server library is installed.
        process_.start(QStringLiteral("/usr/bin/python3"), args);
        if (!process_.waitForStarted(10000)) return;
        port_ = AnnouncedPort(process_);
    }
    QTemporaryDir home_;
    QProcess process_;
    QString log_;
    int port_ = 0;
};
