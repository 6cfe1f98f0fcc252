// Whether a sent page is on the web: the page fetched from its web address
// after an upload to a real local FTP server, with a real local web server
// over the server's folder (or another folder, or none), as the Sent stage
// and `tarvo --upload` tell it; the trust rules of HTTPS; and web servers
// that never end an answer or never give one.
#include "../preview/LauncherSeam.h"
#include "FtpTestServer.h"
#include "TarvoCommand.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "WebTestServer.h"
#include "app/AppPaths.h"
#include "app/Utils.h"
#include "app/Settings.h"
#include "app/Translations.h"
#include "docs/FileCommands.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "upload/LiveNotice.h"
#include "upload/SendPanel.h"
#include "upload/ServerList.h"
#include "upload/UploadWindow.h"
#include "upload/transfer/LiveCheck.h"
#include "upload/transfer/Trust.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>

#include "TarvoResources.h"

class TestLiveCheck : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;

    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    TCommandRun Upload(const QString& doc, const TFtpTestServer& ftp, const QString& web) const {
        return RunTarvoCommand(*env_,
                               {"--upload", doc, "--to", QStringLiteral("ftp://webuser@127.0.0.1:%1/site").arg(ftp.port()),
                                "--web-address", web},
                               env_->appDir() + "/data-home");
    }
    static TLiveRequest Request(const QString& address, const QByteArray& sent, int limitMs = 20000) {
        TLiveRequest r;
        r.Address = address;
        r.Sent = sent;
        r.TimeLimitMs = limitMs;
        return r;
    }
    // A free port on 127.0.0.1 that nothing listens on.
    static int UnusedPort() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost);
        return s.serverPort();
    }
    // The sentence of the Sent stage, as it reads.
    static QString Shown(QLabel* label) { return label->text().remove(QChar(0x200B)); }

private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() {
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
    }
    void cleanup() {
        ServerList().clear();
        env_.reset();
    }

    // What counts as the page: the same bytes, white space added or lost at
    // the very end, and (for a text transfer only) other line ends; never a
    // page cut short or with a byte changed or added inside.
    void theSamePageDespiteWhatServersAdd() {
        const QByteArray page = "<html>\r\n<p>Hello</p>\r\n</html>\r\n";
        QVERIFY(SamePage(page, page, false));
        QVERIFY(SamePage(page + "\n\n", page, false));
        QVERIFY(SamePage(page.chopped(2), page, false));
        QVERIFY(SamePage("<html>\n<p>Hello</p>\n</html>\n", page, true));
        QVERIFY(!SamePage("<html>\n<p>Hello</p>\n</html>\n", page, false));
        QVERIFY(!SamePage("<html>\r\n<p>Hello</p>\r\n", page, true));
        QVERIFY(!SamePage("<html>\r\n<p>Hallo</p>\r\n</html>\r\n", page, true));
        QVERIFY(!SamePage("<html>\r\n<p>Hello</p>\r\n</html>\r\n<!-- proxy -->", page, true));
        QVERIFY(!SamePage(QByteArray(), page, true));
    }

    // tarvo --upload: the live page on standard output after the files; an
    // older page, a 404 and no web server at all on standard error; the
    // upload succeeded each time (exit 0).
    void theCommandLineSaysWhatTheWebShows() {
        TFtpTestServer ftp;
        QVERIFY(ftp.ok());
        TWebTestServer web(ftp.home());
        QVERIFY(web.ok());
        const QString doc = WriteParagraphDocument(*env_, "home", "<P>Hello from the choir</P>");
        QVERIFY(!doc.isEmpty());
        const QString page = web.Address("site/home.html");

        TCommandRun run = Upload(doc, ftp, web.Address("site/"));
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith("home.html\nYour page is live at " + page + "\n"), qPrintable(run.out));
        QVERIFY2(!run.err.contains("live"), qPrintable(run.err));

        // A put-back says the same of the page it put back.
        const QByteArray first = ftp.read("site/home.html");
        QVERIFY(!WriteParagraphDocument(*env_, "home", "<P>The choir sings again</P>").isEmpty());
        QCOMPARE(Upload(doc, ftp, web.Address("site/")).status, 0);
        run = RunTarvoCommand(*env_,
                              {"--put-back", "1", "--to", QStringLiteral("ftp://webuser@127.0.0.1:%1/site").arg(ftp.port()),
                               "--web-address", web.Address("site/")},
                              env_->appDir() + "/data-home");
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith("home.html\nYour page is live at " + page + "\n"), qPrintable(run.out));
        QCOMPARE(ftp.read("site/home.html"), first);

        QTemporaryDir other;
        QDir().mkpath(other.filePath("site"));
        QVERIFY(WriteFileBytes(other.filePath("site/home.html"), "<html><p>Last year's page</p></html>\n"));
        TWebTestServer elsewhere(other.path());
        QVERIFY(elsewhere.ok());
        run = Upload(doc, ftp, elsewhere.Address("site/"));
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("tarvo: The server holds the new page, but " + elsewhere.Address("site/home.html") +
                                  " shows an older one: the web address may point to another folder\n"),
                 qPrintable(run.err));
        QVERIFY(!run.out.contains("live"));

        run = Upload(doc, ftp, web.Address("choir/"));
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("tarvo: " + web.Address("choir/home.html") +
                                  " answers 404: check the folder and the web address\n"),
                 qPrintable(run.err));

        const QString nowhere = QStringLiteral("http://127.0.0.1:%1/").arg(UnusedPort());
        run = Upload(doc, ftp, nowhere);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("tarvo: Your page was sent, but Tarvo could not connect to " + nowhere +
                                  "home.html, so it is not seen there yet\n"),
                 qPrintable(run.err));
    }

    // The Sent stage: "checking" while it runs, then the sentence; Open
    // hands the page's address to the browser. An older page there has no
    // Open; leaving the stage ends a check that has no answer yet.
    void theSentStageSaysWhetherThePageIsLive() {
        TLauncherSeam seam;
        seam.AddRecorder("xdg-open");
        auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
        TFtpTestServer ftp;
        QVERIFY(ftp.ok());
        TWebTestServer web(ftp.home());
        QVERIFY(web.ok());
        const auto store = [&](const QString& webAddress) {
            TServerList list;
            auto s = std::make_unique<tWWWServerType>();
            s->Name = "Local test server";
            s->Address = QStringLiteral("127.0.0.1:%1").arg(ftp.port());
            s->Directory = "site";
            s->UserName = TFtpTestServer::kUser;
            s->Password = TFtpTestServer::kPassword;
            s->WebAddress = webAddress;
            list.push_back(std::move(s));
            SaveServerList(list);
            ServerList().clear();
            LoadServerList(ServerList());
        };
        store(web.Address("site/"));
        const QString doc = env_->appDir() + "/save/my page.tve";
        QVERIFY(QFile::copy(env_->appDir() + "/template/Family.tvt", doc));
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(doc);
        auto* panel = w->findChild<TSendPanel*>("SendPanel");
        auto* label = Child<QLabel>(w->StagePanel(TfrmMain::stSent), "lblLive");
        auto* open = Child<QPushButton>(w->StagePanel(TfrmMain::stSent), "butOpenLive");
        const auto upload = [&] {
            w->ShowRedPill(TfrmMain::stSend);
            QVERIFY(!label->isVisible());
            dialogs->runs << [](QDialog* d) {
                auto* up = qobject_cast<TfrmUpload*>(d);
                return up ? up->exec() : -1;
            };
            // The congratulation, while the check runs.
            dialogs->runs << [](QDialog* d) { return qobject_cast<TfrmJoy*>(d) ? 1 : -1; };
            Click(Child<QWidget>(w->StagePanel(TfrmMain::stSend), "imgUpload"));
            QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 60000);
            QVERIFY2(dialogs->unexpected == 0, qPrintable(dialogs->texts().join('|')));
            QVERIFY(label->isVisible());
        };

        upload();
        const QString page = web.Address("site/mypage.html");
        QTRY_COMPARE(panel->Live()->Sentence(), "Your page is live at " + page);
        QCOMPARE(Shown(label), "Your page is live at " + page);
        QVERIFY(open->isVisible());
        QCOMPARE(open->text(), QString("Open"));
        Click(open);
        const QStringList opened = seam.Arguments(1);
        QCOMPARE(opened, QStringList{PreviewFileName()});
        QString redirect;
        LoadFileText(PreviewFileName(), redirect);
        QVERIFY2(redirect.contains("URL=" + page + "\""), qPrintable(redirect));
        const QString shots = qEnvironmentVariable("TARVO_SHOTS");
        if (!shots.isEmpty()) w->grab().save(shots + "/sent-live-en.png");

        QTemporaryDir other;
        QDir().mkpath(other.filePath("site"));
        QVERIFY(WriteFileBytes(other.filePath("site/mypage.html"), "<html><p>Last year's page</p></html>\n"));
        TWebTestServer elsewhere(other.path());
        QVERIFY(elsewhere.ok());
        store(elsewhere.Address("site/"));
        upload();
        QTRY_VERIFY(panel->Live()->Sentence().contains("shows an older one"));
        QCOMPARE(Shown(label), "The server holds the new page, but " + elsewhere.Address("site/mypage.html") +
                                   " shows an older one: the web address may point to another folder");
        QVERIFY(!open->isVisible());
        if (!shots.isEmpty()) {
            w->grab().save(shots + "/sent-older-en.png");
            qputenv("LANGUAGE", "de");
            qputenv("LC_ALL", "de_DE.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
            store(web.Address("site/"));
            upload();
            QTRY_VERIFY(open->isVisible());
            w->grab().save(shots + "/sent-live-de.png");
            store(elsewhere.Address("site/"));
            upload();
            QTRY_VERIFY(!panel->Live()->Checking());
            w->grab().save(shots + "/sent-older-de.png");
            qputenv("LANGUAGE", "en");
            qputenv("LC_ALL", "C.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
        }

        // A host that publishes a while after the upload (a Git page host)
        // is looked at again until it shows the page.
        TLiveNotice* notice = panel->Live();
        notice->AgainMs = 50;
        TLiveRequest later;
        later.Address = elsewhere.Address("site/mypage.html");
        later.Sent = "<html><p>This year's page</p></html>\n";
        notice->Begin(later, 100);
        QTRY_VERIFY(notice->Sentence().endsWith(" shows an older one: the web address may point to another folder. "
                                                "Tarvo looks again in a few seconds."));
        QVERIFY(!open->isVisible());
        QVERIFY(WriteFileBytes(other.filePath("site/mypage.html"), later.Sent));
        QTRY_COMPARE(notice->Sentence(), "Your page is live at " + later.Address);
        QVERIFY(open->isVisible());

        TWebTestServer silent(other.path(), "silent");
        QVERIFY(silent.ok());
        store(silent.Address("site/"));
        upload();
        QCOMPARE(panel->Live()->Sentence(),
                 "Checking whether your page is live at " + silent.Address("site/mypage.html") + " ...");
        QVERIFY(panel->Live()->Checking());
        QTest::qWait(300);
        w->ShowRedPill(TfrmMain::stBuild);
        QVERIFY(!panel->Live()->Checking());
        QVERIFY(!label->isVisible());
        QVERIFY(panel->Live()->Sentence().isEmpty());
        // Nothing comes of the ended check later either.
        QTest::qWait(500);
        QVERIFY(panel->Live()->Sentence().isEmpty());
    }

    // HTTPS as the upload trusts it: a certificate the store vouches for, or
    // the key the user trusted for the very host the upload logs in to;
    // never that key for another host.
    void httpsIsTrustedAsTheUploadTrustsIt() {
        TCertificates certs;
        QVERIFY(certs.ok());
        QTemporaryDir folder;
        const QByteArray page = "<html><p>secure</p></html>\n";
        QVERIFY(WriteFileBytes(folder.filePath("index.html"), page));
        TWebTestServer self(folder.path(), "serve", certs.Server("self"));
        QVERIFY(self.ok());
        TLiveRequest r = Request(self.Address(), page);
        TLiveResult result = CheckLiveAndWait(r);
        QCOMPARE(int(result.Kind), int(TLiveResult::TKind::Untrusted));
        QCOMPARE(LiveSentence(result), "Your page was sent, but Tarvo cannot see it at " + self.Address() +
                                           " yet: the web server's certificate is not trusted");
        r.TrustedKey = CertificateKeyFingerprint(ReadFileBytes(certs.Path("self.pem")));
        QVERIFY(r.TrustedKey.startsWith("sha256//"));
        r.TrustedHost = "ftp.elsewhere.example";
        QCOMPARE(int(CheckLiveAndWait(r).Kind), int(TLiveResult::TKind::Untrusted));
        r.TrustedHost = "127.0.0.1";
        QCOMPARE(int(CheckLiveAndWait(r).Kind), int(TLiveResult::TKind::Live));
        r.TrustedKey = CertificateKeyFingerprint(ReadFileBytes(certs.Path("server.pem")));
        QCOMPARE(int(CheckLiveAndWait(r).Kind), int(TLiveResult::TKind::Untrusted));

        TWebTestServer signedByAuthority(folder.path(), "serve", certs.Server("server"));
        QVERIFY(signedByAuthority.ok());
        const QByteArray oldCa = qgetenv("SSL_CERT_FILE");
        qputenv("SSL_CERT_FILE", certs.Path("ca.pem").toLocal8Bit());
        result = CheckLiveAndWait(Request(signedByAuthority.Address(), page));
        qputenv("SSL_CERT_FILE", oldCa);
        QCOMPARE(int(result.Kind), int(TLiveResult::TKind::Live));
    }

    // A body that never ends stops at the bound and is no page; a server
    // that never answers stops at the time limit; a cancelled check ends at
    // once and tells nothing.
    void hostileWebServersStopAtTheBounds() {
        QTemporaryDir folder;
        TWebTestServer endless(folder.path(), "endless");
        QVERIFY(endless.ok());
        QElapsedTimer clock;
        clock.start();
        TLiveResult result = CheckLiveAndWait(Request(endless.Address("page.html"), "<p>mine</p>"));
        QCOMPARE(int(result.Kind), int(TLiveResult::TKind::Other));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));

        TWebTestServer silent(folder.path(), "silent");
        QVERIFY(silent.ok());
        clock.restart();
        result = CheckLiveAndWait(Request(silent.Address("page.html"), "<p>mine</p>", 1500));
        const qint64 waited = clock.elapsed();
        QCOMPARE(int(result.Kind), int(TLiveResult::TKind::TimedOut));
        QVERIFY2(waited >= 1400 && waited < 5000, qPrintable(QString::number(waited)));
        QCOMPARE(LiveSentence(result), "Your page was sent, but " + silent.Address("page.html") +
                                           " did not answer within 2 seconds, so it is not seen there yet");

        int told = 0;
        clock.restart();
        {
            TLiveCheck check;
            connect(&check, &TLiveCheck::Finished, this, [&] { ++told; });
            check.Start(Request(silent.Address("page.html"), "<p>mine</p>"));
            QTest::qWait(300);
            check.Cancel();
            QVERIFY(!check.Running());
            QTest::qWait(300);
        }
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(told, 0);
    }
};

QTEST_MAIN(TestLiveCheck)
#include "test_livecheck.moc"
