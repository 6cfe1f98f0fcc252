// Publishing to a Git repository against a real server: Apache's httpd
// with git's http-backend over HTTPS (a certificate signed by itself, a
// Basic user with a token). A first publish, a second that commits only
// what changed, a file someone else committed kept, a push a hook refuses,
// and the trust question for the certificate.
#include "GitTestServer.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "upload/ServerProbe.h"
#include "upload/UploadCommand.h"
#include "upload/UploadSequence.h"
#include "upload/transfer/FtpClient.h"
#include "upload/transfer/GitModule.h"
#include "upload/transfer/Trust.h"

#include <QElapsedTimer>

class TestGitPublish : public QObject {
    Q_OBJECT

    TCertificates certs_;
    QTemporaryDir local_, data_;

    QString Local(const QString& name, const QByteArray& content) {
        const QString path = local_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }
    std::vector<TUploadFile> Site(const QByteArray& picture) {
        TUploadFile a{Local("graphics/a.gif", picture), "graphics/a.gif"};
        TUploadFile b{Local("graphics/b.gif", "GIF89a-b"), "graphics/b.gif"};
        TUploadFile p{Local("p.html", "<HTML><IMG SRC=\"graphics/a.gif\"></HTML>\n"), "index.html", false,
                      TFileRole::VisitorPage};
        // Sent before: skipped where the branch holds them at that size.
        for (TUploadFile* f : {&a, &b, &p}) f->Unchanged = true;
        return {a, b, p};
    }
    struct TRun {
        bool ok = false;
        QString detail, state;
        int skipped = 0;
        QStringList asked;  // fingerprints of the trust questions
    };
    TRun Publish(TUploadTarget target, std::vector<TUploadFile> files, bool trust = true) {
        TFtpClient ftp;
        TUploadSequence upload(ftp, target, std::move(files));
        TRun run;
        upload.AskTrust = [&](const TTrustQuestion& q) {
            run.asked << q.Fingerprint;
            return trust;
        };
        run.ok = upload.Run();
        run.detail = upload.Detail();
        run.state = upload.ServerState();
        run.skipped = upload.SkippedCount();
        return run;
    }
    static QString Subject(const TGitTestServer& s) { return s.Git({"-C", s.Repo(), "log", "-1", "--format=%s", "main"}).trimmed(); }
    static int Commits(const TGitTestServer& s) {
        return s.Git({"-C", s.Repo(), "rev-list", "--count", "main"}).trimmed().toInt();
    }
    QString Pin() const {
        QFile f(certs_.Path("self.pem"));
        f.open(QIODevice::ReadOnly);
        return CertificateKeyFingerprint(f.readAll());
    }

private slots:
    void initTestCase() {
        QVERIFY(certs_.ok());
        // The cache of fetched branches goes into the test's own data folder.
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
        // The Git transport is a module of the build's program folder.
        SetGitModuleFolder(qEnvironmentVariable("TARVO_BIN_DIR"));
    }

    // Without the module, a Git log-in fails with the reason instead of
    // crashing or hanging.
    void missingModuleIsAFailureThatSaysSo() {
        QTemporaryDir empty;
        SetGitModuleFolder(empty.path());
        TRequestControl control;
        TRequest login;
        login.Login.Security = TSecurity::Git;
        const TReply reply = MakeTransport(TSecurity::Git)->Run(login, control);
        SetGitModuleFolder(qEnvironmentVariable("TARVO_BIN_DIR"));
        QCOMPARE(reply.Outcome.Kind, TFtpOutcome::TKind::Failed);
        QVERIFY2(reply.Outcome.Message.contains("libtarvo-git.so is missing"), qPrintable(reply.Outcome.Message));
        QVERIFY(!reply.Alive);
    }

    // A first publish asks about the certificate and commits everything;
    // a second commits the one changed picture and keeps a file someone
    // else committed in between.
    void publishesOnlyWhatChanged() {
        TGitTestServer server(certs_);
        QVERIFY2(server.ok(), qPrintable(server.Log()));
        QElapsedTimer clock;
        clock.start();
        TRun first = Publish(server.Target(), Site("GIF89a-first"));
        const qint64 firstMs = clock.elapsed();
        QVERIFY2(first.ok, qPrintable(first.detail + server.Log()));
        QCOMPARE(first.asked, QStringList{Pin()});
        QCOMPARE(server.Files(), (QStringList{"graphics/a.gif", "graphics/b.gif", "index.html"}));
        QCOMPARE(Subject(server), QString("Published with Tarvo: 3 files changed"));

        // Someone else adds a file to the branch.
        QVERIFY(server.CommitAsSomeoneElse("CNAME", "www.example.org\n"));

        TUploadTarget trusted = server.Target();
        trusted.TrustedKey = Pin();
        clock.restart();
        TRun second = Publish(trusted, Site("GIF89a-second, longer"));
        // Told, not judged: the figures of the README.
        qInfo("first publish %lld ms, second %lld ms", firstMs, clock.elapsed());
        QVERIFY2(second.ok, qPrintable(second.detail));
        QVERIFY(second.asked.isEmpty());
        QCOMPARE(second.skipped, 2);
        QCOMPARE(Subject(server), QString("Published with Tarvo: 1 file changed"));
        QCOMPARE(Commits(server), 3);
        QCOMPARE(server.Read("graphics/a.gif"), QByteArray("GIF89a-second, longer"));
        QCOMPARE(server.Read("CNAME"), QByteArray("www.example.org\n"));

        // Nothing changed: no commit at all.
        TRun third = Publish(trusted, Site("GIF89a-second, longer"));
        QVERIFY2(third.ok, qPrintable(third.detail));
        QCOMPARE(Commits(server), 3);
    }

    // A hook that refuses the push: the upload fails with the server's
    // words in one sentence, and the branch is as it was.
    void refusedPushIsTold() {
        TGitTestServer server(certs_);
        QVERIFY(server.ok());
        server.Refuse("The branch main is protected.");
        TUploadTarget target = server.Target();
        target.TrustedKey = Pin();
        const TRun run = Publish(target, Site("GIF89a"));
        QVERIFY(!run.ok);
        QCOMPARE(run.detail, QString("The repository refused the new version of the branch (pre-receive hook declined: "
                                     "The branch main is protected)."));
        QCOMPARE(run.state, QString("The branch is as it was: nothing of this upload was published."));
        QVERIFY(server.Files().isEmpty());
    }

    // The server test logs in, stages its test file and takes it back:
    // nothing reaches the branch.
    void serverTestLeavesTheBranchAlone() {
        TGitTestServer server(certs_);
        QVERIFY(server.ok());
        TFtpClient ftp;
        TServerProbe probe(ftp, server.Target());
        QStringList asked;
        probe.AskTrust = [&](const TTrustQuestion& q) {
            asked << q.Fingerprint;
            return true;
        };
        QVERIFY2(probe.Run(), qPrintable(probe.Sentence()));
        QCOMPARE(probe.Outcome(), TServerProbe::TOutcome::Ready);
        QCOMPARE(asked, QStringList{Pin()});
        QVERIFY(server.Files().isEmpty());

        // A user who may fetch but not push is told so.
        TUploadTarget reader = server.Target();
        reader.UserName = TGitTestServer::kReader;
        reader.TrustedKey = Pin();
        TServerProbe readOnly(ftp, reader);
        QVERIFY(!readOnly.Run());
        QCOMPARE(readOnly.Sentence(), QString("Tarvo could log in and enter your login folder, but could not write a "
                                              "file there (The server refused the user name, the token or the key)."));
        TRun refused = Publish(reader, Site("GIF89a"));
        QVERIFY(!refused.ok);
        QVERIFY(server.Files().isEmpty());
    }

    // Over SSH with the user's key from ~/.ssh: the host key is asked
    // about once, then trusted; a second publish sends only the change.
    void publishesOverSsh() {
        TGitSshServer server;
        QVERIFY(server.ok());
        const QByteArray home = qgetenv("HOME"), agent = qgetenv("SSH_AUTH_SOCK");
        qputenv("HOME", server.Home().toLocal8Bit());
        qunsetenv("SSH_AUTH_SOCK");
        const TRun first = Publish(server.Target(), Site("GIF89a-ssh"));
        TUploadTarget known = server.Target();
        known.HostKey = server.HostKey();
        const TRun second = Publish(known, Site("GIF89a-ssh, changed"));
        TUploadTarget changed = known;
        changed.HostKey = "SHA256:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
        const TRun intercepted = Publish(changed, Site("GIF89a-ssh, changed"), false);
        qputenv("HOME", home);
        if (!agent.isEmpty()) qputenv("SSH_AUTH_SOCK", agent);
        QVERIFY2(first.ok, qPrintable(first.detail + server.Log()));
        QCOMPARE(first.asked, QStringList{server.HostKey()});
        QCOMPARE(server.Files(), (QStringList{"graphics/a.gif", "graphics/b.gif", "index.html"}));
        QVERIFY2(second.ok, qPrintable(second.detail));
        QVERIFY(second.asked.isEmpty());
        QCOMPARE(second.skipped, 2);
        // A changed host key is told as such.
        QVERIFY(!intercepted.ok);
        QCOMPARE(intercepted.asked, QStringList{server.HostKey()});
        QVERIFY2(intercepted.detail.startsWith("The server's host key has changed"), qPrintable(intercepted.detail));
    }

    // The command line's two forms of a repository.
    void commandLineAddresses() {
        TUploadTarget t;
        QVERIFY(ParseUploadUrl("git+https://jo@pages.example.org/jo/site.git#gh-pages", t));
        QCOMPARE(t.Security, TSecurity::Git);
        QCOMPARE(t.Address, QString("https://pages.example.org/jo/site.git"));
        QCOMPARE(t.UserName, QString("jo"));
        QCOMPARE(t.Branch, QString("gh-pages"));
        QVERIFY(ParseUploadUrl("git+ssh://git@pages.example.org:2222/jo/site.git", t));
        QCOMPARE(t.Address, QString("ssh://pages.example.org:2222/jo/site.git"));
        QCOMPARE(t.UserName, QString("git"));
        QCOMPARE(t.Branch, QString("main"));
        QVERIFY(ShowsHostKey(t.Security, t.Address));
        QVERIFY(!ParseUploadUrl("git+https://pages.example.org/", t));
        QVERIFY(!ParseUploadUrl("git+https://pages.example.org/site.git#", t));
    }

    // A wrong token, an untrusted certificate declined, a branch name Git
    // does not allow: the log-in fails with the matching words.
    void loginFailures() {
        TGitTestServer server(certs_);
        QVERIFY(server.ok());
        TUploadTarget wrong = server.Target();
        wrong.TrustedKey = Pin();
        wrong.Password = "not the token";
        QCOMPARE(Publish(wrong, Site("x")).detail, QString("The server refused the user name, the token or the key."));
        const TRun declined = Publish(server.Target(), Site("x"), false);
        QCOMPARE(declined.asked.size(), 1);
        QCOMPARE(declined.detail, QString("The server's certificate is signed only by the server itself."));
        TUploadTarget bad = wrong;
        bad.Password = TGitTestServer::kToken;
        bad.Branch = "two..dots";
        QCOMPARE(Publish(bad, Site("x")).detail, QString("The branch's name is not valid."));
        QVERIFY(server.Files().isEmpty());
    }
};

QTEST_MAIN(TestGitPublish)
#include "test_gitpublish.moc"
