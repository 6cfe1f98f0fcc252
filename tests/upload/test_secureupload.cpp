// Uploads over FTP with TLS and over SFTP against real local servers:
// certificates made by the test (self-signed, from a test authority, for
// another name), host keys trusted on first contact and changed, the trust
// question, and the command line's --trust.
#include "FtpTestServer.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "upload/transfer/FtpClient.h"
#include "upload/ServerList.h"
#include "ScopedVariable.h"
#include "upload/TrustQuestion.h"
#include "upload/UploadSequence.h"

#include <QPushButton>

class TestSecureUpload : public QObject {
    Q_OBJECT

    TCertificates certs_;
    QTemporaryDir local_;
    QTemporaryDir keys_;
    const QByteArray page_ = "<HTML>\r\n<IMG SRC=\"graphics/a.gif\">\r\n</HTML>\r\n";
    const QByteArray picture_ = TestPattern(200000, 3);

    std::vector<TUploadFile> Files() {
        QDir().mkpath(local_.filePath("graphics"));
        QFile p(local_.filePath("p.html")), a(local_.filePath("graphics/a.gif"));
        p.open(QIODevice::WriteOnly);
        p.write(page_);
        a.open(QIODevice::WriteOnly);
        a.write(picture_);
        return {{a.fileName(), "graphics/a.gif", true}, {p.fileName(), "mypage.html", false}};
    }
    static TUploadTarget Target(const TFtpTestServer& s, TSecurity security, const QString& dir = "my site") {
        return s.Target(security, dir);
    }
    // The page and its picture arrived whole in `dir`, nothing else.
    void VerifyArrived(const TFtpTestServer& s, const QString& dir = "my site") {
        const QString at = dir.isEmpty() ? dir : dir + "/";
        QCOMPARE(s.files(), (QStringList{at + "graphics/a.gif", at + "mypage.html"}));
        QCOMPARE(s.read(at + "mypage.html"), page_);
        QCOMPARE(s.read(at + "graphics/a.gif"), picture_);
    }
    QStringList SftpArgs(const QString& key) const { return {keys_.filePath(key)}; }

    struct TRun {
        bool ok = false;
        QList<TTrustQuestion> asked;
        QString trusted;  // the key handed to Trusted
        TUploadOutcome outcome = TUploadOutcome::Done;
        QString detail;
        int sent = 0, skipped = 0;
    };
    // `unchanged`: every file marked as sent before.
    TRun Upload(const TUploadTarget& target, bool answer, bool unchanged = false) {
        TFtpClient ftp;
        ftp.TimeoutSeconds = 10;
        std::vector<TUploadFile> files = Files();
        for (TUploadFile& f : files) f.Unchanged = unchanged;
        TUploadSequence upload(ftp, target, files);
        TRun r;
        upload.AskTrust = [&](const TTrustQuestion& q) {
            r.asked << q;
            return answer;
        };
        QObject::connect(&upload, &TUploadSequence::Trusted, [&](const TUploadTarget& t) {
            r.trusted = target.Security == TSecurity::SFTP ? t.HostKey : t.TrustedKey;
        });
        QObject::connect(&upload, &TUploadSequence::FileDone,
                         [&](const TUploadFile&, bool sent, const QString&) { r.sent += sent; });
        r.ok = upload.Run();
        r.skipped = upload.SkippedCount();
        r.outcome = upload.Outcome();
        r.detail = upload.Detail();
        return r;
    }

private slots:
    void initTestCase() { QVERIFY(certs_.ok()); }

    void sftpSendsNothingFromOutsideThePageNorAboveTheFolder() {
        TFtpTestServer server("sftpserver.py", SftpArgs("outside"));
        QVERIFY(server.ok());
        // A file the server would delete first if a name could climb out.
        QFile above(server.path("keep.txt"));
        QVERIFY(above.open(QIODevice::WriteOnly));
        above.write("kept");
        above.close();
        std::vector<TUploadFile> files = Files();
        const QString secret = local_.filePath("p.html");
        // Before the page: a name that climbs (refused by the client) and a
        // reference refused before.
        files.insert(files.begin(), {secret, "../keep.txt", false});
        files.insert(files.begin(), {QString(), "/etc/passwd", true, TFileRole::Picture, "outside the page's folder"});
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, TSecurity::SFTP, "site"), files);
        upload.AskTrust = [](const TTrustQuestion&) { return true; };
        QStringList notSent;
        QObject::connect(&upload, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool sent, const QString&) {
            if (!sent) notSent << f.Remote;
        });
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::FileFailed);
        QCOMPARE(notSent, (QStringList{"/etc/passwd", "../keep.txt"}));
        QCOMPARE(server.read("keep.txt"), QByteArray("kept"));
        QCOMPARE(server.files(), (QStringList{"keep.txt", "site/graphics/a.gif", "site/mypage.html"}));

        // Again with every file sent before: the SFTP listing shows both.
        TUploadTarget known = Target(server, TSecurity::SFTP, "site");
        known.HostKey = upload.Target().HostKey;
        const TRun unchanged = Upload(known, false, true);
        QVERIFY2(unchanged.ok, qPrintable(unchanged.detail));
        QCOMPARE(unchanged.sent, 0);
        QCOMPARE(unchanged.skipped, 2);
    }

    void ftpsSelfSignedIsAskedAboutThenPinned() {
        TFtpTestServer server("ftpsserver.py", certs_.Server("self"));
        QVERIFY(server.ok());
        // Refused: nothing is sent, not even the log-in.
        TRun refused = Upload(Target(server, TSecurity::FTPS), false);
        QVERIFY(!refused.ok);
        QCOMPARE(refused.outcome, TUploadOutcome::LoginFailed);
        QCOMPARE(refused.asked.size(), 1);
        const TTrustQuestion q = refused.asked.first();
        QVERIFY(q.Fingerprint.startsWith("sha256//"));
        QCOMPARE(q.Fingerprint.size(), 8 + 44);
        QVERIFY2(q.Problem.contains("signed only by the server itself"), qPrintable(q.Problem));
        QVERIFY(!q.Changed);
        QVERIFY(q.CanTrust());
        QVERIFY(server.files().isEmpty());
        QVERIFY(!server.log().contains("USER webuser"));

        TRun trusted = Upload(Target(server, TSecurity::FTPS), true);
        QVERIFY2(trusted.ok, qPrintable(trusted.detail));
        QCOMPARE(trusted.trusted, q.Fingerprint);
        VerifyArrived(server);

        // With the key kept, no question; the upload replaces the files.
        TUploadTarget pinned = Target(server, TSecurity::FTPS);
        pinned.TrustedKey = q.Fingerprint;
        const int sessions = server.sessions();
        TRun again = Upload(pinned, false);
        QVERIFY2(again.ok, qPrintable(again.detail));
        QVERIFY(again.asked.isEmpty());
        VerifyArrived(server);
        // The kept key is tried first: one connection, none refused before.
        QCOMPARE(server.sessions(), sessions + 1);
        // Sent before and still there: nothing goes, over the encrypted
        // listing.
        const TRun unchanged = Upload(pinned, false, true);
        QVERIFY2(unchanged.ok, qPrintable(unchanged.detail));
        QCOMPARE(unchanged.sent, 0);
        QCOMPARE(unchanged.skipped, 2);
        // Every command went over TLS, data included.
        QVERIFY(server.log().contains("AUTH TLS"));
        QVERIFY(server.log().contains("PROT P"));
    }

    void ftpsCertificateOfAnotherServerIsAChange() {
        TFtpTestServer server("ftpsserver.py", certs_.Server("self"));
        TFtpTestServer otherServer("ftpsserver.py", certs_.Server("other"));
        QVERIFY(server.ok() && otherServer.ok());
        const TRun first = Upload(Target(server, TSecurity::FTPS), false);
        QCOMPARE(first.asked.size(), 1);
        // The key trusted for one server does not open the other.
        TUploadTarget t = Target(otherServer, TSecurity::FTPS);
        t.TrustedKey = first.asked.first().Fingerprint;
        const TRun r = Upload(t, false);
        QCOMPARE(r.asked.size(), 1);
        QVERIFY(r.asked.first().Changed);
        QVERIFY(r.asked.first().CanTrust());
        QVERIFY(r.asked.first().Fingerprint != first.asked.first().Fingerprint);
        QVERIFY(r.asked.first().Problem.contains("not the one you trusted"));
        QVERIFY(otherServer.files().isEmpty());
    }

    void ftpsAuthorityFromSslCertFile() {
        TFtpTestServer server("ftpsserver.py", certs_.Server("server"));
        TFtpTestServer wrongName("ftpsserver.py", certs_.Server("other"));
        QVERIFY(server.ok() && wrongName.ok());
        // Unknown authority without the variable.
        TRun unknown = Upload(Target(server, TSecurity::FTPS), false);
        QCOMPARE(unknown.asked.size(), 1);
        QVERIFY2(unknown.asked.first().Problem.contains("authority this computer does not know"),
                 qPrintable(unknown.asked.first().Problem));

        TScopedVariable authority("SSL_CERT_FILE", certs_.Path("ca.pem").toLocal8Bit());
        TRun r = Upload(Target(server, TSecurity::FTPS), false);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QVERIFY(r.asked.isEmpty());
        VerifyArrived(server);
        // The authority vouches for another name only.
        TRun named = Upload(Target(wrongName, TSecurity::FTPS), false);
        QCOMPARE(named.asked.size(), 1);
        QVERIFY2(named.asked.first().Problem.contains("made for another name"), qPrintable(named.asked.first().Problem));
    }

    void wrongPasswordsAndPlainServers() {
        TScopedVariable authority("SSL_CERT_FILE", certs_.Path("ca.pem").toLocal8Bit());
        TFtpTestServer ftps("ftpsserver.py", certs_.Server("server"));
        TFtpTestServer sftp("sftpserver.py", SftpArgs("wrongpass"));
        TFtpTestServer plain;
        QVERIFY(ftps.ok() && sftp.ok() && plain.ok());
        for (TFtpTestServer* s : {&ftps, &sftp}) {
            TUploadTarget t = Target(*s, s == &sftp ? TSecurity::SFTP : TSecurity::FTPS);
            t.Password = "not it";
            if (s == &sftp) t.HostKey = Upload(Target(*s, TSecurity::SFTP), false).asked.value(0).Fingerprint;
            const TRun r = Upload(t, false);
            QCOMPARE(r.outcome, TUploadOutcome::LoginFailed);
            QVERIFY(r.asked.isEmpty());
            QVERIFY2(!r.detail.isEmpty(), qPrintable(r.detail));
            QVERIFY(s->files().isEmpty());
        }
        // FTPS chosen, the server speaks plain FTP only: refused before the
        // password goes out in clear.
        const TRun r = Upload(Target(plain, TSecurity::FTPS), false);
        QCOMPARE(r.outcome, TUploadOutcome::LoginFailed);
        QVERIFY2(r.detail.contains("this server does not offer encrypted FTP", Qt::CaseInsensitive), qPrintable(r.detail));
        QVERIFY(!plain.log().contains("PASS"));
    }

    void sftpHostKeyOnFirstContactThenRefusedWhenChanged() {
        QString fingerprint;
        {
            TFtpTestServer server("sftpserver.py", SftpArgs("host1"));
            QVERIFY(server.ok());
            const TRun r = Upload(Target(server, TSecurity::SFTP), true);
            QVERIFY2(r.ok, qPrintable(r.detail));
            QCOMPARE(r.asked.size(), 1);
            fingerprint = r.asked.first().Fingerprint;
            QVERIFY(fingerprint.startsWith("SHA256:"));
            QVERIFY(!r.asked.first().Changed);
            QVERIFY(r.asked.first().Problem.contains("first connection"));
            QCOMPARE(r.trusted, fingerprint);
            VerifyArrived(server);
            // A second upload replaces the files (the server refuses a
            // rename onto an existing name) and leaves no temporary file.
            TUploadTarget known = Target(server, TSecurity::SFTP);
            known.HostKey = fingerprint;
            const TRun again = Upload(known, false);
            QVERIFY2(again.ok, qPrintable(again.detail));
            QVERIFY(again.asked.isEmpty());
            VerifyArrived(server);
        }
        // The same key after a restart: no question.
        TFtpTestServer same("sftpserver.py", SftpArgs("host1"));
        TFtpTestServer changed("sftpserver.py", SftpArgs("host2"));
        QVERIFY(same.ok() && changed.ok());
        TUploadTarget t = Target(same, TSecurity::SFTP, "");
        t.HostKey = fingerprint;
        const TRun r = Upload(t, false);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QVERIFY(r.asked.isEmpty());
        QCOMPARE(same.files(), (QStringList{"graphics/a.gif", "mypage.html"}));
        // A new key on a known server: a warning, not a question.
        t.Port = changed.port();
        const TRun refused = Upload(t, false);
        QCOMPARE(refused.outcome, TUploadOutcome::LoginFailed);
        QCOMPARE(refused.asked.size(), 1);
        QVERIFY(refused.asked.first().Changed);
        QVERIFY(!refused.asked.first().CanTrust());
        QVERIFY(refused.asked.first().Fingerprint != fingerprint);
        QVERIFY(changed.files().isEmpty());
        QVERIFY(!changed.log().contains("login webuser"));
    }

    // The question the upload shows, answered by clicking its buttons, and
    // the trusted key kept with the stored server across a restart.
    void trustQuestionAndKeptTrust() {
        TTestEnv env;
        auto* dialogs = InstallScriptedDialogs();
        TFtpTestServer server("sftpserver.py", SftpArgs("kept"));
        QVERIFY(server.ok());
        TServerList list;
        auto s = std::make_unique<tWWWServerType>();
        s->Name = "Home";
        s->Address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        s->UserName = TFtpTestServer::kUser;
        s->Password = TFtpTestServer::kPassword;
        s->Security = TSecurity::SFTP;
        list.push_back(std::move(s));
        SaveServerList(list);

        for (const char* button : {"btnCancel", "btnTrust"}) {
            dialogs->runs << [button](QDialog* d) {
                d->findChild<QPushButton*>(button)->click();
                return 0;
            };
            TFtpClient ftp;
            tWWWServerType stored = ReadServer("Home");
            TUploadSequence upload(ftp, UploadTargetOf(stored), Files());
            upload.AskTrust = [](const TTrustQuestion& q) { return AskToTrustServer(nullptr, q); };
            QObject::connect(&upload, &TUploadSequence::Trusted, [&](const TUploadTarget& t) {
                stored.HostKey = t.HostKey;
                SaveServerTrust(stored);
            });
            QCOMPARE(upload.Run(), QByteArray(button) == "btnTrust");
        }
        QCOMPARE(dialogs->shown.size(), 2);
        QCOMPARE(dialogs->shown[0].text, QStringLiteral("dlgTrustServer"));
        VerifyArrived(server, "");
        const QString key = ReadServer("Home").HostKey;
        QVERIFY(key.startsWith("SHA256:"));

        // Read anew: the key is there, nothing is asked.
        TServerList reloaded;
        LoadServerList(reloaded);
        QCOMPARE(reloaded.size(), size_t(1));
        QCOMPARE(reloaded[0]->HostKey, key);
        TFtpClient ftp;
        TUploadSequence upload(ftp, UploadTargetOf(*reloaded[0]), Files());
        upload.AskTrust = [](const TTrustQuestion& q) { return AskToTrustServer(nullptr, q); };
        QVERIFY2(upload.Run(), qPrintable(upload.Detail()));
        QCOMPARE(dialogs->shown.size(), 2);

        // A changed key is only warned about.
        TTrustQuestion changed{TSecurity::SFTP, "127.0.0.1", "changed", "SHA256:abc", true};
        QVERIFY(!AskToTrustServer(nullptr, changed));
        QCOMPARE(dialogs->shown.last().kind, QStringLiteral("tell"));
        QVERIFY(dialogs->shown.last().text.contains("SHA256:abc"));
        QVERIFY(dialogs->shown.last().text.contains("The upload was stopped."));
        // Met by the server test, the warning speaks of the test.
        QVERIFY(!AskToTrustServer(nullptr, changed, TTrustAsker::ServerTest));
        QVERIFY(dialogs->shown.last().text.contains("The test was stopped."));
        QVERIFY(!dialogs->shown.last().text.contains("upload"));
        QCOMPARE(dialogs->unexpected, 0);
    }
};

QTEST_MAIN(TestSecureUpload)
#include "test_secureupload.moc"
