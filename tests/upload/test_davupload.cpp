// Uploads to a real WebDAV server (Apache with mod_dav) over plain HTTP and
// HTTPS, with Basic and Digest log-ins: a whole site, then only what
// changed, a refused log-in, a folder that cannot be made, the trust
// question of a self-signed certificate, and a cancel part way.
#include "DavTestServer.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "upload/transfer/FtpClient.h"
#include "upload/ServerProbe.h"
#include "ScopedVariable.h"
#include "upload/TrustQuestion.h"
#include "upload/UploadSequence.h"
#include "upload/transfer/Trust.h"
#include "upload/transfer/DavListing.h"
#include "upload/UploadCommand.h"

#include <QTimer>

namespace {

QString CertificateKeyFingerprintOf(const QString& pemFile) {
    QFile f(pemFile);
    return f.open(QIODevice::ReadOnly) ? CertificateKeyFingerprint(f.readAll()) : QString();
}

}  // namespace

class TestDavUpload : public QObject {
    Q_OBJECT

    TCertificates certs_;
    QTemporaryDir local_;
    const QByteArray page_ = "<HTML>\r\n<IMG SRC=\"bilder/grüße a.gif\">\r\n</HTML>\r\n";

    QString MakeFile(const QString& name, const QByteArray& data) {
        QFile f(local_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(data);
        return f.fileName();
    }
    // The page, its picture (a Unicode name with a space, in a folder) and
    // a second picture.
    std::vector<TUploadFile> Files(const QByteArray& picture) {
        return {{MakeFile("a.gif", picture), "bilder/grüße a.gif", true},
                {MakeFile("b.gif", "GIF89a b"), "b.gif", true},
                {MakeFile("p.html", page_), "mypage.html", false, TFileRole::VisitorPage}};
    }

    struct TRun {
        bool ok = false;
        QList<TTrustQuestion> asked;
        QString trusted;
        TUploadOutcome outcome = TUploadOutcome::Done;
        QString detail;
        QStringList sent;
        int skipped = 0;
    };
    // `unchanged`: the remote names marked as sent before.
    TRun Upload(const TUploadTarget& target, std::vector<TUploadFile> files, bool answer = false,
                const QStringList& unchanged = {}) {
        TFtpClient ftp;
        ftp.TimeoutSeconds = 10;
        for (TUploadFile& f : files) f.Unchanged = unchanged.contains(f.Remote);
        TUploadSequence upload(ftp, target, files);
        TRun r;
        upload.AskTrust = [&](const TTrustQuestion& q) {
            r.asked << q;
            return answer;
        };
        QObject::connect(&upload, &TUploadSequence::Trusted, [&](const TUploadTarget& t) { r.trusted = t.TrustedKey; });
        QObject::connect(&upload, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool sent, const QString&) {
            if (sent) r.sent << f.Remote;
        });
        r.ok = upload.Run();
        r.skipped = upload.SkippedCount();
        r.outcome = upload.Outcome();
        r.detail = upload.Detail();
        r.sent.sort();
        ftp.DisconnectAndWait();
        return r;
    }

private slots:
    void initTestCase() { QVERIFY(certs_.ok()); }

    void wholeSiteThenOnlyWhatChanged_data() {
        QTest::addColumn<bool>("digest");
        QTest::addColumn<bool>("tls");
        QTest::newRow("Basic over HTTP") << false << false;
        QTest::newRow("Digest over HTTP") << true << false;
        QTest::newRow("Basic over HTTPS") << false << true;
        QTest::newRow("Digest over HTTPS") << true << true;
    }
    void wholeSiteThenOnlyWhatChanged() {
        QFETCH(bool, digest);
        QFETCH(bool, tls);
        TScopedVariable ca("SSL_CERT_FILE", certs_.Path("ca.pem").toLocal8Bit());
        TDavTestServer server(digest, tls ? certs_.Path("server.pem") : QString(), tls ? certs_.Path("server.key") : QString());
        QVERIFY2(server.ok(), qPrintable(server.log()));
        const QByteArray old = TestPattern(300000, 1);
        const TRun whole = Upload(server.Target("my site"), Files(old));
        QVERIFY2(whole.ok, qPrintable(whole.detail + server.log()));
        QVERIFY(whole.asked.isEmpty());
        const QStringList all{"my site/b.gif", "my site/bilder/grüße a.gif", "my site/mypage.html"};
        QCOMPARE(server.files(), all);
        QCOMPARE(server.read("my site/bilder/grüße a.gif"), old);
        QCOMPARE(server.read("my site/mypage.html"), page_);

        // Nothing changed: the listings show every file, none goes.
        const TRun same = Upload(server.Target("my site"), Files(old), false,
                                 {"bilder/grüße a.gif", "b.gif", "mypage.html"});
        QVERIFY2(same.ok, qPrintable(same.detail));
        QCOMPARE(same.sent, QStringList());
        QCOMPARE(same.skipped, 3);

        // One picture changed: only it goes, over the old one.
        const QByteArray changed = TestPattern(300000, 9);
        const TRun one = Upload(server.Target("my site"), Files(changed), false, {"b.gif", "mypage.html"});
        QVERIFY2(one.ok, qPrintable(one.detail));
        QCOMPARE(one.sent, QStringList{"bilder/grüße a.gif"});
        QCOMPARE(server.read("my site/bilder/grüße a.gif"), changed);
        QCOMPARE(server.files(), all);
    }

    void refusedLoginAndUnmadeFolder() {
        TDavTestServer server(true);
        QVERIFY2(server.ok(), qPrintable(server.log()));
        const TRun wrong = Upload(server.Target("site", "wrong"), Files("x"));
        QVERIFY(!wrong.ok);
        QCOMPARE(wrong.outcome, TUploadOutcome::LoginFailed);
        QVERIFY2(wrong.detail.contains("user name or password"), qPrintable(wrong.detail));
        QCOMPARE(server.files(), QStringList());

        // The server refuses to make a folder in "locked".
        const TRun unmade = Upload(server.Target("locked/site"), Files("x"));
        QVERIFY(!unmade.ok);
        QCOMPARE(unmade.outcome, TUploadOutcome::FolderFailed);
        QCOMPARE(server.files(), QStringList());
    }

    void addressesForTheCommandLine() {
        TUploadTarget t;
        QVERIFY(ParseUploadUrl("davs://jo%20x@dav.example.org/remote.php/webdav/www", t));
        QCOMPARE(t.Security, TSecurity::WebDAVS);
        QCOMPARE(t.Port, 443);
        QCOMPARE(t.UserName, QString("jo x"));
        QCOMPARE(t.Directory, QString("remote.php/webdav/www"));
        QVERIFY(ParseUploadUrl("dav://jo@[::1]:8080/", t));
        QCOMPARE(t.Security, TSecurity::WebDAV);
        QCOMPARE(t.Port, 8080);
        QCOMPARE(t.Directory, QString());
        QVERIFY(ParseUploadUrl("dav://jo@host", t));
        QCOMPARE(t.Port, 80);
    }

    void aListingStaysInsideItsFolder() {
        // Entries of the folder itself, another folder, a deeper path, a
        // climb and another server are left out; names come decoded.
        const QByteArray xml =
            "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\">"
            "<D:response><D:href>/s%20ite/</D:href><D:propstat><D:prop><D:resourcetype><D:collection/>"
            "</D:resourcetype></D:prop></D:propstat></D:response>"
            "<D:response><D:href>http://127.0.0.1/s%20ite/gr%C3%BC%C3%9Fe.html</D:href><D:propstat><D:prop>"
            "<D:getcontentlength>12</D:getcontentlength><D:resourcetype/></D:prop></D:propstat></D:response>"
            "<D:response><D:href>/s%20ite/bilder/</D:href><D:propstat><D:prop><D:resourcetype><D:collection/>"
            "</D:resourcetype></D:prop></D:propstat></D:response>"
            "<D:response><D:href>/s%20ite/bilder/a.gif</D:href></D:response>"
            "<D:response><D:href>/s%20ite/%2E%2E/</D:href></D:response>"
            "<D:response><D:href>/s%20ite/a%2Fb</D:href></D:response>"
            "<D:response><D:href>/other/x.html</D:href></D:response>"
            "</D:multistatus>";
        std::vector<TRemoteEntry> got;
        QVERIFY(ParseDavListing(xml, "/s%20ite/", got));
        QCOMPARE(int(got.size()), 2);
        QCOMPARE(got[0].Name, QString("grüße.html"));
        QCOMPARE(got[0].Size, 12);
        QVERIFY(!got[0].Folder);
        QCOMPARE(got[1].Name, QString("bilder"));
        QVERIFY(got[1].Folder);
        // Cut off, or not a multi-status: no half listing.
        QVERIFY(!ParseDavListing(xml.left(xml.size() / 2), "/s%20ite/", got));
        QVERIFY(got.empty());
        QVERIFY(!ParseDavListing("<html>Sorry</html>", "/s%20ite/", got));
    }

    void serverTest() {
        TDavTestServer server(true, certs_.Path("self.pem"), certs_.Path("self.key"));
        QVERIFY2(server.ok(), qPrintable(server.log()));
        TFtpClient ftp;
        // The certificate is asked about, the folder made, the test file
        // written and removed.
        TServerProbe probe(ftp, server.Target("public_html"));
        int asked = 0;
        probe.AskTrust = [&](const TTrustQuestion&) { return ++asked > 0; };
        probe.AskMakeFolder = [](const QString&) { return true; };
        QVERIFY2(probe.Run(), qPrintable(probe.Sentence()));
        QCOMPARE(asked, 1);
        QCOMPARE(probe.Outcome(), TServerProbe::TOutcome::Ready);
        QVERIFY(QFileInfo(server.path("public_html")).isDir());
        QCOMPARE(server.files(), QStringList());

        // A folder the server will not make is named with its status.
        TUploadTarget locked = server.Target("locked/public_html");
        locked.TrustedKey = CertificateKeyFingerprintOf(certs_.Path("self.pem"));
        TServerProbe notMade(ftp, locked);
        notMade.AskMakeFolder = [](const QString&) { return true; };
        QVERIFY(!notMade.Run());
        QCOMPARE(notMade.Outcome(), TServerProbe::TOutcome::FolderNotMade);
        QVERIFY2(notMade.Sentence().endsWith("(403)."), qPrintable(notMade.Sentence()));
        // The wrong password is the password's fault.
        TUploadTarget wrong = server.Target("public_html", "wrong");
        wrong.TrustedKey = locked.TrustedKey;
        TServerProbe refused(ftp, wrong);
        QVERIFY(!refused.Run());
        QCOMPARE(refused.Outcome(), TServerProbe::TOutcome::LoginRefused);
    }

    void selfSignedIsAskedAboutThenPinned() {
        TDavTestServer server(false, certs_.Path("self.pem"), certs_.Path("self.key"));
        QVERIFY2(server.ok(), qPrintable(server.log()));
        const TRun refused = Upload(server.Target("site"), Files("x"), false);
        QVERIFY(!refused.ok);
        QCOMPARE(refused.outcome, TUploadOutcome::LoginFailed);
        QCOMPARE(refused.asked.size(), 1);
        QVERIFY(refused.asked.first().Fingerprint.startsWith("sha256//"));
        QCOMPARE(server.files(), QStringList());

        const TRun accepted = Upload(server.Target("site"), Files("x"), true);
        QVERIFY2(accepted.ok, qPrintable(accepted.detail));
        QCOMPARE(accepted.trusted, refused.asked.first().Fingerprint);
        QCOMPARE(server.files().size(), 3);

        // Trusted: no question; another certificate with the same name is.
        TUploadTarget pinned = server.Target("site");
        pinned.TrustedKey = accepted.trusted;
        const TRun again = Upload(pinned, Files("y"));
        QVERIFY2(again.ok, qPrintable(again.detail));
        QVERIFY(again.asked.isEmpty());
        TDavTestServer other(false, certs_.Path("other.pem"), certs_.Path("other.key"));
        QVERIFY(other.ok());
        TUploadTarget moved = other.Target("site");
        moved.TrustedKey = accepted.trusted;
        const TRun changed = Upload(moved, Files("y"), false);
        QVERIFY(!changed.ok);
        QCOMPARE(changed.asked.size(), 1);
        QVERIFY(changed.asked.first().Changed);
        QCOMPARE(other.files(), QStringList());
    }

    void cancelPartWayLeavesTheOldPageWhole() {
        TDavTestServer server(false);
        QVERIFY2(server.ok(), qPrintable(server.log()));
        const QByteArray old = TestPattern(1000, 2);
        QVERIFY(Upload(server.Target(""), Files(old)).ok);
        TFtpClient ftp;
        std::vector<TUploadFile> files = Files(TestPattern(64 << 20, 5));
        TUploadSequence upload(ftp, server.Target(""), files);
        bool cancelled = false;
        qint64 bigSent = 0;
        QObject::connect(&ftp, &TFtpClient::Progress, [&](qint64 sent, qint64 total) {
            if (total != (64 << 20)) return;
            bigSent = qMax(bigSent, sent);
            if (!cancelled) {
                cancelled = true;
                QTimer::singleShot(0, [&] { upload.Cancel(); });
            }
        });
        QVERIFY(!upload.Run());
        QVERIFY(cancelled);
        QCOMPARE(upload.Outcome(), TUploadOutcome::Cancelled);
        QVERIFY2(bigSent < (64 << 20), qPrintable(QString::number(bigSent)));
        ftp.DisconnectAndWait();
        QCOMPARE(server.read("bilder/grüße a.gif"), old);
        QCOMPARE(server.read("mypage.html"), page_);
        QTRY_COMPARE(server.files(), (QStringList{"b.gif", "bilder/grüße a.gif", "mypage.html"}));
    }
};

QTEST_MAIN(TestDavUpload)
#include "test_davupload.moc"
