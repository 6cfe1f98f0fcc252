#pragma once
// A real WebDAV server for a test: Debian's Apache with mod_dav and
// mod_dav_fs, run in the foreground on 127.0.0.1 on a free port with its
// own configuration, logs and lock database in a temporary folder. One
// user logs in with Basic or Digest; over HTTPS with the certificate given.
// The folder "locked" below the site is shown but never written.
// Started by the constructor, stopped by the destructor.

#include "upload/UploadSequence.h"

#include "ServerFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TDavTestServer {
public:
    static constexpr const char* kUser = "webuser";
    static constexpr const char* kPassword = "s3cret pass";
    static constexpr const char* kRealm = "Tarvo test";

    // `cert`, `key`: PEM files for HTTPS; empty for plain HTTP.
    TDavTestServer(bool digest, const QString& cert = QString(), const QString& key = QString()) {
        tls_ = !cert.isEmpty();
        QDir(dir_.path()).mkpath(QStringLiteral("www/locked"));
        if (!WriteUsers(digest) || !WriteConfig(digest, cert, key)) return;
        if (getuid() == 0) GiveToServerUser();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral("/usr/sbin/apache2"),
                       {QStringLiteral("-f"), dir_.filePath(QStringLiteral("httpd.conf")), QStringLiteral("-DFOREGROUND")});
        if (!process_.waitForStarted(10000)) return;
        for (int i = 0; i < 100 && process_.state() == QProcess::Running; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QStringLiteral("127.0.0.1"), quint16(port_));
            if (probe.waitForConnected(200)) {
                ok_ = true;
                return;
            }
            QTest::qWait(50);
        }
    }
    ~TDavTestServer() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(3000);
    }
    bool ok() const { return ok_; }
    int port() const { return port_; }
    // What the server said on starting and in its error log.
    QString log() {
        output_ += QString::fromLocal8Bit(process_.readAll());
        QFile f(dir_.filePath(QStringLiteral("error.log")));
        return output_ + (f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString());
    }
    // The site's folder on the server's disk.
    QString home() const { return dir_.filePath(QStringLiteral("www")); }
    QString path(const QString& name) const { return home() + QLatin1Char('/') + name; }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file below the site's folder, relative, sorted.
    QStringList files() const { return FilesUnder(home()); }
    TUploadTarget Target(const QString& dir, const QString& password = QLatin1String(kPassword)) const {
        TUploadTarget t;
        t.Address = QStringLiteral("127.0.0.1");
        t.Port = port_;
        t.Directory = dir;
        t.UserName = QLatin1String(kUser);
        t.Password = password;
        t.Security = tls_ ? TSecurity::WebDAVS : TSecurity::WebDAV;
        return t;
    }

private:
    bool Write(const QString& name, const QByteArray& text) {
        QFile f(dir_.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }
    bool WriteUsers(bool digest) {
        const QByteArray user = kUser, realm = kRealm, password = kPassword;
        if (digest)
            return Write(QStringLiteral("users"),
                         user + ":" + realm + ":" +
                             QCryptographicHash::hash(user + ":" + realm + ":" + password, QCryptographicHash::Md5).toHex() +
                             "\n");
        return Write(QStringLiteral("users"),
                     user + ":{SHA}" + QCryptographicHash::hash(password, QCryptographicHash::Sha1).toBase64() + "\n");
    }
    static int FreePort() {
        QTcpServer s;
        return s.listen(QHostAddress::LocalHost, 0) ? s.serverPort() : 0;
    }
    bool WriteConfig(bool digest, const QString& cert, const QString& key) {
        port_ = FreePort();
        const QByteArray d = dir_.path().toLocal8Bit(), mods = "/usr/lib/apache2/modules/";
        QByteArray conf = "ServerRoot \"" + d + "\"\nDefaultRuntimeDir \"" + d + "\"\nListen 127.0.0.1:" +
                          QByteArray::number(port_) + "\nServerName 127.0.0.1\nPidFile \"" + d +
                          "/httpd.pid\"\nErrorLog \"" + d + "/error.log\"\nLogLevel warn\nMutex file:" + d + " default\n";
        for (const char* m : {"mpm_event", "authz_core", "authz_user", "authn_core", "authn_file", "auth_basic",
                              "auth_digest", "dav", "dav_fs", "ssl"})
            conf += "LoadModule " + QByteArray(m) + "_module " + mods + "mod_" + m + ".so\n";
        if (getuid() == 0) conf += "User www-data\nGroup www-data\n";
        conf += "DavLockDB \"" + d + "/lock/DavLock\"\nDocumentRoot \"" + d + "/www\"\n";
        if (!cert.isEmpty())
            conf += "SSLEngine on\nSSLCertificateFile \"" + cert.toLocal8Bit() + "\"\nSSLCertificateKeyFile \"" +
                    key.toLocal8Bit() + "\"\n";
        conf += "<Directory \"" + d + "/www\">\n  Dav On\n  AuthType " + (digest ? "Digest" : "Basic") +
                "\n  AuthName \"" + kRealm + "\"\n  " + (digest ? "AuthDigestProvider" : "AuthBasicProvider") +
                " file\n  AuthUserFile \"" + d + "/users\"\n  Require valid-user\n</Directory>\n";
        conf += "<Directory \"" + d + "/www/locked\">\n  <LimitExcept GET OPTIONS PROPFIND>\n"
                "    Require all denied\n  </LimitExcept>\n</Directory>\n";
        QDir(dir_.path()).mkpath(QStringLiteral("lock"));
        return Write(QStringLiteral("httpd.conf"), conf);
    }
    // Run as root, the server works as www-data: the site and the lock
    // database become its own, the temporary folder open to it.
    void GiveToServerUser() {
        QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("www-data:www-data"), home(),
                                                    dir_.filePath(QStringLiteral("lock")), dir_.filePath(QStringLiteral("users"))});
    }
    QTemporaryDir dir_;
    QProcess process_;
    QString output_;
    int port_ = 0;
    bool tls_ = false;
    bool ok_ = false;
};
