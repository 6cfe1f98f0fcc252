#pragma once
// A real Git server for a test: a bare repository served by Apache's
// own httpd running git's http-backend (CGI) over HTTPS on 127.0.0.1 on a
// free port, behind one Basic user whose password is a token. Its
// configuration, certificate, log and repository are in a temporary
// folder. Started by the constructor, stopped by the destructor. As root
// the server's children run as nobody, who then owns the repository.

#include "TestCertificates.h"
#include "upload/UploadSequence.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TGitTestServer {
public:
    static constexpr const char* kUser = "publisher";
    static constexpr const char* kToken = "ghp_test0token0for0tarvo";
    // A user who may fetch but not push (the same token).
    static constexpr const char* kReader = "reader";

    explicit TGitTestServer(const TCertificates& certs) {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                               QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        ok_ = Step({"init", "-q", "--bare", "-b", "main", Repo()}) &&
              Step({"-C", Repo(), "config", "http.receivepack", "true"}) && WriteConfig(certs);
        if (!ok_) return;
        if (geteuid() == 0) QProcess::execute("chown", {"-R", "nobody:nogroup", Repo()});
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // A group of its own: stopping, the server signals its whole group.
        process_.setChildProcessModifier([] { setsid(); });
        process_.start("/usr/sbin/apache2", {"-f", dir_.filePath("httpd.conf"), "-DFOREGROUND"});
        ok_ = process_.waitForStarted(5000) && WaitListening();
    }
    ~TGitTestServer() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(3000);
    }
    bool ok() const { return ok_; }
    QString Url() const { return QStringLiteral("https://127.0.0.1:%1/git/site.git").arg(port_); }
    QString Repo() const { return dir_.filePath("repos/site.git"); }
    QString Log() const {
        QFile f(dir_.filePath("error.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    TUploadTarget Target(const QString& branch = "main") const {
        TUploadTarget t;
        t.Address = Url();
        t.UserName = kUser;
        t.Password = kToken;
        t.Security = TSecurity::Git;
        t.Branch = branch;
        return t;
    }
    // Runs git on the server's side (ownership checks off: the repository
    // may belong to nobody); its output, or a null string on failure.
    QString Git(const QStringList& args, bool quiet = false) const {
        QProcess p;
        QStringList all{"-c", "safe.directory=*", "-c", "user.name=Someone Else", "-c", "user.email=else@example.org"};
        p.start("git", all + args);
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            if (!quiet) qWarning() << "git" << args << p.readAllStandardError();
            return QString();
        }
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        return out.isNull() ? QString("") : out;
    }
    // The branch's files ("git ls-tree -r --name-only").
    QStringList Files(const QString& branch = "main") const {
        return Git({"-C", Repo(), "ls-tree", "-r", "--name-only", branch}, true).split('\n', Qt::SkipEmptyParts);
    }
    QByteArray Read(const QString& path, const QString& branch = "main") const {
        QProcess p;
        p.start("git", {"-c", "safe.directory=*", "-C", Repo(), "show", branch + ":" + path});
        p.waitForFinished(30000);
        return p.readAllStandardOutput();
    }
    // Someone else commits `path` with `content` on top of `branch`,
    // in the repository itself.
    bool CommitAsSomeoneElse(const QString& path, const QByteArray& content, const QString& branch = "main") const {
        QTemporaryDir work;
        QFile f(work.filePath("blob"));
        if (!f.open(QIODevice::WriteOnly)) return false;
        f.write(content);
        f.close();
        qputenv("GIT_INDEX_FILE", work.filePath("index").toLocal8Bit());
        const QString blob = Git({"-C", Repo(), "hash-object", "-w", f.fileName()}).trimmed();
        const bool ok = !blob.isEmpty() && Step({"-C", Repo(), "read-tree", branch}) &&
                        Step({"-C", Repo(), "update-index", "--add", "--cacheinfo", "100644," + blob + "," + path});
        const QString tree = ok ? Git({"-C", Repo(), "write-tree"}).trimmed() : QString();
        qunsetenv("GIT_INDEX_FILE");
        const QString commit = tree.isEmpty() ? QString()
                                              : Git({"-C", Repo(), "commit-tree", tree, "-p", branch, "-m", "Custom domain"}).trimmed();
        if (commit.isEmpty() || !Step({"-C", Repo(), "update-ref", "refs/heads/" + branch, commit})) return false;
        if (geteuid() == 0) QProcess::execute("chown", {"-R", "nobody:nogroup", Repo()});
        return true;
    }
    // Installs a pre-receive hook that refuses every push with `words`.
    void Refuse(const QString& words) const {
        QFile hook(Repo() + "/hooks/pre-receive");
        hook.open(QIODevice::WriteOnly);
        hook.write(("#!/bin/sh\necho '" + words + "' >&2\nexit 1\n").toUtf8());
        hook.close();
        hook.setPermissions(hook.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }

private:
    bool Step(const QStringList& args) const { return !Git(args).isNull(); }
    bool WriteConfig(const TCertificates& certs) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) return false;
        port_ = probe.serverPort();
        probe.close();
        const QByteArray sha = QCryptographicHash::hash(kToken, QCryptographicHash::Sha1).toBase64();
        QFile users(dir_.filePath("htpasswd"));
        if (!users.open(QIODevice::WriteOnly)) return false;
        users.write(QByteArray(kUser) + ":{SHA}" + sha + "\n" + kReader + ":{SHA}" + sha + "\n");
        users.close();
        users.setPermissions(users.permissions() | QFile::ReadOther);
        QStringList lines;
        for (const char* m : {"mpm_prefork", "authz_core", "authz_user", "authn_core", "authn_file", "auth_basic",
                              "alias", "cgi", "env", "ssl", "socache_shmcb"})
            lines << QString("LoadModule %1_module /usr/lib/apache2/modules/mod_%1.so").arg(m);
        const QString d = dir_.path();
        lines << "ServerName 127.0.0.1" << QString("Listen 127.0.0.1:%1").arg(port_)
              << "PidFile " + d + "/httpd.pid" << "ErrorLog " + d + "/error.log" << "DefaultRuntimeDir " + d
              << "Mutex file:" + d << "LogLevel warn" << "SSLEngine on"
              << "SSLCertificateFile " + certs.Path("self.pem") << "SSLCertificateKeyFile " + certs.Path("self.key")
              << "SetEnv GIT_PROJECT_ROOT " + d + "/repos" << "SetEnv GIT_HTTP_EXPORT_ALL 1"
              << "ScriptAlias /git/ /usr/lib/git-core/git-http-backend/"
              << "<Location /git/>" << "AuthType Basic" << "AuthName git" << "AuthUserFile " + d + "/htpasswd"
              << "Require valid-user" << "</Location>"
              // The reader may fetch, only the publisher may push.
              << "<LocationMatch \"^/git/.*/git-receive-pack$\">" << "Require user publisher" << "</LocationMatch>"
              << "<If \"%{QUERY_STRING} =~ /service=git-receive-pack/\">" << "Require user publisher" << "</If>";
        if (geteuid() == 0) lines << "User nobody" << "Group nogroup";
        QFile conf(dir_.filePath("httpd.conf"));
        if (!conf.open(QIODevice::WriteOnly)) return false;
        conf.write(lines.join('\n').toUtf8() + "\n");
        return true;
    }
    bool WaitListening() {
        for (int i = 0; i < 200; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, quint16(port_));
            if (s.waitForConnected(100)) return true;
            if (process_.state() != QProcess::Running) break;
            QTest::qWait(25);
        }
        qWarning() << process_.readAll() << Log();
        return false;
    }

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool ok_ = false;
};

// The same kind of bare repository over SSH: Debian's sshd started with a
// host key, configuration and authorized key of its own in a temporary
// folder, on 127.0.0.1 on a free port, letting in the user running the
// test with a key made for it. The key sits in a home folder of its own
// (home()/.ssh), for the client to find there.
class TGitSshServer {
public:
    TGitSshServer() {
        const QString d = dir_.path();
        QDir().mkpath(d + "/home/.ssh");
        ok_ = Run("git", {"init", "-q", "--bare", "-b", "main", Repo()}) &&
              Run("ssh-keygen", {"-q", "-t", "ecdsa", "-b", "256", "-N", "", "-f", d + "/host_key"}) &&
              Run("ssh-keygen", {"-q", "-t", "ecdsa", "-b", "256", "-m", "PEM", "-N", "", "-f", d + "/home/.ssh/id_ecdsa"}) &&
              QFile::copy(d + "/home/.ssh/id_ecdsa.pub", d + "/authorized_keys") && WriteConfig();
        if (!ok_) return;
        // Root's sshd wants its privilege separation folder.
        if (geteuid() == 0) QDir().mkpath("/run/sshd");
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start("/usr/sbin/sshd", {"-D", "-e", "-f", d + "/sshd_config"});
        ok_ = process_.waitForStarted(5000) && WaitListening();
    }
    ~TGitSshServer() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(3000);
    }
    bool ok() const { return ok_; }
    QString Home() const { return dir_.filePath("home"); }
    QString Repo() const { return dir_.filePath("site.git"); }
    QString Url() const { return QStringLiteral("ssh://127.0.0.1:%1%2").arg(port_).arg(Repo()); }
    // "SHA256:..." of the host key, as the client shows it.
    QString HostKey() const {
        QFile f(dir_.filePath("host_key.pub"));
        if (!f.open(QIODevice::ReadOnly)) return QString();
        const QByteArray blob = QByteArray::fromBase64(f.readAll().split(' ').value(1));
        return QStringLiteral("SHA256:") +
               QString::fromLatin1(QCryptographicHash::hash(blob, QCryptographicHash::Sha256)
                                       .toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
    }
    TUploadTarget Target() const {
        TUploadTarget t;
        t.Address = Url();
        t.UserName = QString::fromLocal8Bit(qgetenv("USER"));
        if (t.UserName.isEmpty()) t.UserName = geteuid() == 0 ? "root" : QString();
        t.Security = TSecurity::Git;
        t.Branch = "main";
        return t;
    }
    QStringList Files() const {
        QProcess p;
        p.start("git", {"-C", Repo(), "ls-tree", "-r", "--name-only", "main"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    QString Log() { return QString::fromLocal8Bit(process_.readAll()); }

private:
    static bool Run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    bool WriteConfig() {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) return false;
        port_ = probe.serverPort();
        probe.close();
        const QString d = dir_.path();
        const QStringList lines{QString("Port %1").arg(port_), "ListenAddress 127.0.0.1", "HostKey " + d + "/host_key",
                                "PidFile " + d + "/sshd.pid", "AuthorizedKeysFile " + d + "/authorized_keys",
                                "StrictModes no", "PasswordAuthentication no", "KbdInteractiveAuthentication no",
                                "PubkeyAuthentication yes", "UsePAM no", "PermitRootLogin prohibit-password"};
        QFile conf(d + "/sshd_config");
        if (!conf.open(QIODevice::WriteOnly)) return false;
        conf.write(lines.join('\n').toUtf8() + "\n");
        return true;
    }
    bool WaitListening() {
        for (int i = 0; i < 200; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, quint16(port_));
            if (s.waitForConnected(100)) return true;
            if (process_.state() != QProcess::Running) break;
            QTest::qWait(25);
        }
        qWarning() << process_.readAll();
        return false;
    }

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool ok_ = false;
};
