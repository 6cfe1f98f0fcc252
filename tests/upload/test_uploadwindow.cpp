// The Send stage's upload through the real windows, against a real local
// FTP server: the click on the page picture, the upload window, its
// messages and Cancel, and the success dialog.
#include "FtpTestServer.h"
#include "TestSupport.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Settings.h"
#include "main/Startup.h"
#include "docs/FileCommands.h"
#include "preview/ViewStage.h"
#include "preview/SendWeb.h"
#include "upload/transfer/FtpClient.h"
#include "upload/SendPanel.h"
#include "upload/ServerBox.h"
#include "upload/ServerList.h"
#include "upload/PublishHistory.h"
#include "upload/UploadWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>

#include "TarvoResources.h"

class TestUploadWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs_ = nullptr;

    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    static QByteArray Pattern(int size) {
        QByteArray b(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i) b[i] = char((i * 7 + 3) & 0xFF);
        return b;
    }
    // A plain FTP record with its six fields.
    static tWWWServerType Record(const QString& name, const QString& address, const QString& dir,
                                 const QString& user, const QString& password, const QString& url) {
        tWWWServerType r;
        r.Name = name;
        r.Address = address;
        r.Directory = dir;
        r.UserName = user;
        r.Password = password;
        r.URL = url;
        return r;
    }
    static tWWWServerType Server(const TFtpTestServer& s, const QString& dir,
                                 const QString& password = QLatin1String(TFtpTestServer::kPassword)) {
        return Record("Local test server", QStringLiteral("127.0.0.1:%1").arg(s.port()), dir,
                      QLatin1String(TFtpTestServer::kUser), password, "http://127.0.0.1/");
    }
    static tWWWServerType Secure(tWWWServerType s) {
        s.Security = TSecurity::FTPS;
        return s;
    }
    static void StoreServers(const std::vector<tWWWServerType>& servers) {
        TServerList list;
        for (const auto& s : servers) list.push_back(std::make_unique<tWWWServerType>(s));
        SaveServerList(list);
        ServerList().clear();
    }
    // A saved page with two pictures, open in a new main window on the
    // Send stage.
    std::unique_ptr<TfrmMain> WindowOnSendStage() {
        const QString doc = env_->appDir() + "/save/my page.tve";
        QFile::copy(env_->appDir() + "/template/Family.tvt", doc);
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        w->Files()->OpenDocument(doc);
        w->ShowRedPill(TfrmMain::stSend);
        return w;
    }
    static TSendPanel* Panel(TfrmMain& w) { return w.findChild<TSendPanel*>("SendPanel"); }
    // The Send panel's list of files and its page picture.
    static QListWidget* Files(TfrmMain& w) { return Child<QListWidget>(w.StagePanel(TfrmMain::stSend), "lstFiles"); }
    static TPicture* PagePicture(TfrmMain& w) { return Child<TPicture>(w.StagePanel(TfrmMain::stSend), "imgUpload"); }
    static QProgressBar* Bar(QDialog* upload) { return Child<QProgressBar>(upload, "pbProgress"); }
    // Runs the upload window as the user sees it; `during` is called on it
    // once it shows.
    static int RunUploadWindow(QDialog* d, const std::function<void(TfrmUpload*)>& during = {}) {
        auto* up = qobject_cast<TfrmUpload*>(d);
        if (!up) return -1;
        if (during) QTimer::singleShot(0, up, [up, during] { during(up); });
        return up->exec();
    }

private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() {
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
        dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
        TTarvoReg reg;
        reg.OpenSection(QString(), true);
        PlayedSounds().clear();
    }
    void cleanup() {
        ServerList().clear();
        env_.reset();
    }

    void wholeUploadFromTheFlashingPageToTheFireworks() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        StoreServers({Server(server, "public_html/site")});
        auto w = WindowOnSendStage();
        QVERIFY(w);
        TSendPanel* send = Panel(*w);
        QVERIFY(send);
        QCOMPARE(w->CurrentStage(), int(TfrmMain::stSend));
        QCOMPARE(Files(*w)->count(), 3);
        QCOMPARE(Files(*w)->item(0)->text(), QString("graphics/house.png (new)"));
        QCOMPARE(Files(*w)->item(1)->text(), QString("graphics/button.gif (new)"));
        QCOMPARE(Files(*w)->item(2)->text(), QString("my page.html (new)"));
        // Read, not chosen from, and not greyed out either.
        QVERIFY(Files(*w)->isEnabled());
        QCOMPARE(Files(*w)->selectionMode(), QAbstractItemView::NoSelection);
        QCOMPARE(PagePicture(*w)->geometry(), QRect(512, 184, 71, 93));
        QVERIFY(PagePicture(*w)->isVisible());
        // The page flashes: the bright picture first, then the plain one.
        const QImage plain = ResourceBitmap("Web_Page").toImage(), bright = ResourceBitmap("Web_PageFlash").toImage();
        QVERIFY(plain != bright);
        QTRY_COMPARE_WITH_TIMEOUT(PagePicture(*w)->pixmap().toImage(), bright, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(PagePicture(*w)->pixmap().toImage(), plain, 30000);

        int succeeded = 0;
        QObject::connect(w.get(), &TStageHost::uploadSucceeded, w.get(), [&] {
            QCOMPARE(w->CurrentStage(), int(TfrmMain::stSent));
            ++succeeded;
        });
        QStringList statuses;
        int progressMax = 0, progressValue = 0;
        bool fireworksMoved = false;
        dialogs_->runs << [&](QDialog* d) {
            return RunUploadWindow(d, [&](TfrmUpload* up) {
                QCOMPARE(up->windowTitle(), QString("Uploading Files to Web Server"));
                connect(Bar(up), &QProgressBar::valueChanged, up, [&, up](int v) {
                    progressValue = v;
                    progressMax = Bar(up)->maximum();
                });
                connect(Child<TFtpClient>(up, "ftp"), &TFtpClient::OnDisconnect, up,
                        [&, up] { statuses << Child<QLabel>(up, "lblFTPStatus")->text(); });
            });
        };
        dialogs_->runs << [&](QDialog* d) {
            auto* joy = qobject_cast<TfrmJoy*>(d);
            if (!joy) return -1;
            joy->show();
            statuses << joy->windowTitle() << Child<QLabel>(joy, "lblCongrats")->text();
            // Two more frames of the fireworks.
            int frames = 0;
            connect(Child<QTimer>(joy, "timFire"), &QTimer::timeout, joy, [&] { ++frames; });
            fireworksMoved = QTest::qWaitFor([&] { return frames >= 2; });
            Click(Child<QCheckBox>(joy, "chkShow"));
            Click(Child<QPushButton>(joy, "butOK"));
            return joy->result();
        };
        Click(PagePicture(*w));
        QVERIFY(w->findChild<QTimer*>(QStringLiteral("timUpload"))->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(succeeded, 1, 30000);
        QCOMPARE(dialogs_->unexpected, 0);
        QVERIFY(fireworksMoved);
        QCOMPARE(statuses, (QStringList{" Disconnected from Web Server.", "Upload Successful",
                                        "Congratulations, your page has been successfully uploaded to the Internet."}));
        QVERIFY(progressMax > 0);
        QCOMPARE(progressValue, progressMax);
        QCOMPARE(PlayedSounds().count("wavupload"), 1);
        QVERIFY(PlayedSounds().count("wavworks") >= 1);
        QVERIFY(!w->findChild<QTimer*>(QStringLiteral("timUpload"))->isActive());
        QVERIFY(!PagePicture(*w)->isVisible());
        // Byte for byte on the server, the page under its name without spaces.
        QCOMPARE(server.files(), (QStringList{"public_html/site/graphics/button.gif", "public_html/site/graphics/house.png",
                                              "public_html/site/mypage.html"}));
        const QString html = env_->appDir() + "/HTMLFiles/";
        QCOMPARE(server.read("public_html/site/mypage.html"), ReadFileBytes(html + "my page.html"));
        QCOMPARE(server.read("public_html/site/graphics/house.png"), ReadFileBytes(html + "graphics/house.png"));
        QCOMPARE(server.read("public_html/site/graphics/button.gif"), ReadFileBytes(html + "graphics/button.gif"));
        QVERIFY(!server.read("public_html/site/graphics/house.png").isEmpty());

        // Ticked "Don't show this screen again.": the next upload ends
        // without the dialog.
        QVERIFY(!ReadSettingBool("General", "ShowJoy", true));
        w->ShowRedPill(TfrmMain::stSend);
        QVERIFY(PagePicture(*w)->isVisible());
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QTRY_COMPARE_WITH_TIMEOUT(succeeded, 2, 20000);
        QCOMPARE(dialogs_->unexpected, 0);
        QCOMPARE(dialogs_->runs.size(), 0);
    }

    // An SFTP server met for the first time: the upload window asks, the
    // user trusts it, the files go, and the key is kept with the server so
    // the next upload asks nothing.
    void untrustedServerIsAskedAboutAndItsKeyKept() {
        QTemporaryDir keys;
        TFtpTestServer server(QStringLiteral("sftpserver.py"), {keys.filePath(QStringLiteral("host"))});
        QVERIFY(server.ok());
        tWWWServerType record = Server(server, QString());
        record.Security = TSecurity::SFTP;
        StoreServers({record});
        auto w = WindowOnSendStage();
        QVERIFY(w);
        int succeeded = 0;
        QObject::connect(w.get(), &TStageHost::uploadSucceeded, w.get(), [&] { ++succeeded; });
        WriteSetting("General", "ShowJoy", "No");
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        dialogs_->runs << [](QDialog* d) {
            auto* trust = d->findChild<QPushButton*>(QStringLiteral("btnTrust"));
            if (!trust) return -1;
            trust->click();
            return 0;
        };
        Click(PagePicture(*w));
        QTRY_COMPARE_WITH_TIMEOUT(succeeded, 1, 20000);
        QCOMPARE(dialogs_->unexpected, 0);
        QCOMPARE(dialogs_->shown.size(), 2);
        QCOMPARE(dialogs_->shown[1].text, QStringLiteral("dlgTrustServer"));
        QCOMPARE(server.read(QStringLiteral("mypage.html")), ReadFileBytes(env_->appDir() + "/HTMLFiles/my page.html"));
        QVERIFY(ReadServer(record.Name).HostKey.startsWith(QLatin1String("SHA256:")));

        w->ShowRedPill(TfrmMain::stSend);
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QTRY_COMPARE_WITH_TIMEOUT(succeeded, 2, 20000);
        QCOMPARE(dialogs_->shown.size(), 3);
        QCOMPARE(dialogs_->unexpected, 0);
    }

    // A picture too large for the store of versions goes up, and the user
    // is told it cannot be put back later instead of finding out then.
    void aFileTheHistoryCannotKeepIsTold() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        StoreServers({Server(server, QString())});
        SetVersionStoreLimitMB(1);
        QVERIFY(WriteFileBytes(env_->appDir() + "/HTMLFiles/graphics/house.png", QByteArray(700 * 1024, 'x')));
        auto w = WindowOnSendStage();
        QVERIFY(w);
        int succeeded = 0;
        QObject::connect(w.get(), &TStageHost::uploadSucceeded, w.get(), [&] { ++succeeded; });
        WriteSetting("General", "ShowJoy", "No");
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QTRY_COMPARE_WITH_TIMEOUT(succeeded, 1, 20000);
        QCOMPARE(server.read("graphics/house.png").size(), 700 * 1024);
        QVERIFY2(dialogs_->lastText().contains("graphics/house.png is too large to be kept"), qPrintable(dialogs_->lastText()));
    }

    void clickRulesAndTheLogoBox() {
        auto w = WindowOnSendStage();
        QVERIFY(w);
        TSendPanel* send = Panel(*w);
        // No server yet: told so, nothing starts.
        Click(PagePicture(*w));
        QVERIFY(!w->findChild<QTimer*>(QStringLiteral("timUpload"))->isActive());
        QCOMPARE(dialogs_->shown.size(), 1);
        QVERIFY(dialogs_->lastText().contains("no WWW server"));

        // The logo box takes the logo's picture out of the list and puts it
        // back, through the page file on disk.
        const QStringList withLogo = {Files(*w)->item(0)->text(), Files(*w)->item(1)->text()};
        const int before = Files(*w)->count();
        Click(w->View()->chkLogo);
        QVERIFY(!w->View()->chkLogo->isChecked());
        QCOMPARE(Files(*w)->count(), before - 1);
        QVERIFY(!ReadFileBytes(send->PageFile()).contains("button.gif"));
        Click(w->View()->chkLogo);
        QCOMPARE(Files(*w)->count(), before);
        QCOMPARE(Files(*w)->item(1)->text(), withLogo.at(1));

        // A page that has no name any more: asked to save first.
        StoreServers({Record("Somewhere", "ftp.example", "", "jo", "pw", "")});
        LoadServerList(ServerList());
        w->Servers()->FillServerCombo();
        w->Page().DocFileName.clear();
        send->Refresh();
        QCOMPARE(Files(*w)->count(), 0);
        Click(PagePicture(*w));
        QVERIFY(!w->findChild<QTimer*>(QStringLiteral("timUpload"))->isActive());
        QCOMPARE(dialogs_->shown.size(), 2);
        QVERIFY(dialogs_->lastText().contains("save your page first"));
        QCOMPARE(dialogs_->unexpected, 0);
    }

    void failuresAreToldExactlyWithTheReason() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        QTemporaryDir local;
        QFile page(local.filePath("p.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<HTML></HTML>\r\n");
        page.close();
        const std::vector<TUploadFile> plan = {{page.fileName(), "p.html", false}};
        QFile blocker(server.path("blocked"));  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        struct TCase {
            tWWWServerType server;
            std::vector<TUploadFile> plan;
            QString message;
            QString reason;  // part of the line below the message
        };
        const QString missing = local.filePath("graphics/gone.gif");
        const TCase cases[] = {
            {Server(server, "", "wrong"), plan,
             "Couldn't log in.  Please check that the Login and Password are correct.", "530"},
            {Server(server, "blocked/site"), plan,
             "Couldn't change to the specified directory.\r\rPlease check your directory details and try again.", ""},
            {Server(server, "site"), {{missing, "graphics/gone.gif", true}, plan[0]},
             "An error has occurred uploading the files to your Web server.", "graphics/gone.gif"},
            // A closed port is not blamed on the password.
            {Record("Closed", "127.0.0.1:1", "", "a", "b", ""), plan,
             "The server 127.0.0.1 refused the connection: check the address and port.", "refused"},
            // Nor is encryption the server does not offer.
            {Secure(Server(server, "site")), plan, "Tarvo reached the server 127.0.0.1 but could not log in.",
             "This server does not offer encrypted FTP."},
        };
        for (const TCase& c : cases) {
            dialogs_->shown.clear();
            TfrmUpload up(c.server, c.plan);
            up.exec();
            QVERIFY(!up.Succeeded());
            QCOMPARE(dialogs_->shown.size(), 1);
            const QString text = dialogs_->lastText();
            QVERIFY2(text.startsWith(c.message + "\n\n"), qPrintable(text));
            const QString below = text.mid(c.message.size() + 2);
            QVERIFY2(!below.trimmed().isEmpty() && below.contains(c.reason), qPrintable(below));
            QVERIFY(!Child<TFtpClient>(&up, "ftp")->Connected());
        }
        // A picture missing here holds the page back no more than it could
        // ever be sent: the page still went.
        QCOMPARE(server.read("site/p.html"), QByteArray("<HTML></HTML>\r\n"));

        // The connection lost while looking at the server folder, before
        // any file's turn: what went wrong, not an empty list of files.
        TFtpTestServer dropping("oddserver.py", {"droplist"});
        QVERIFY(dropping.ok());
        dialogs_->shown.clear();
        TfrmUpload up(Server(dropping, ""), plan);
        up.exec();
        QVERIFY(!up.Succeeded());
        QCOMPARE(dialogs_->shown.size(), 1);
        const QString text = dialogs_->lastText();
        QVERIFY2(text.startsWith(cases[2].message + "\n\nThe server closed the connection."), qPrintable(text));
        QVERIFY2(!text.contains("were not sent:"), qPrintable(text));
    }

    // A page that points outside its folder: the list shows why a file
    // will not go, the upload sends the rest and names it in its report.
    void refusedReferencesAreListedAndReported() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        StoreServers({Server(server, "site")});
        auto w = WindowOnSendStage();
        QVERIFY(w);
        TSendPanel* send = Panel(*w);
        QFile page(env_->appDir() + "/HTMLFiles/my page.html");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<HTML><IMG SRC=\"../Styles.data\"><IMG SRC=\"graphics/button.gif\"></HTML>");
        page.close();
        send->Refresh();
        QCOMPARE(Files(*w)->item(0)->text(), QString("../Styles.data (not sent: outside the page's folder)"));
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QTRY_VERIFY_WITH_TIMEOUT(dialogs_->lastText().contains("not sent"), 20000);
        QVERIFY2(dialogs_->lastText().endsWith("These files were not sent:\n../Styles.data: outside the page's folder"),
                 qPrintable(dialogs_->lastText()));
        QCOMPARE(server.files(), (QStringList{"site/graphics/button.gif", "site/mypage.html"}));
        QCOMPARE(w->CurrentStage(), int(TfrmMain::stSend));
    }

    // A server that accepts the connection and then says nothing: Cancel
    // still closes the window before it returns.
    void cancelAnswersWhileTheServerStalls() {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QTemporaryDir local;
        QFile page(local.filePath("p.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        TfrmUpload up(Record("Silent", QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), "", "u", "p", ""),
                      {{page.fileName(), "p.html", false}});
        bool clicked = false, closedInClick = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &up, [&] {
            if (!clicked && silent.hasPendingConnections()) {
                clicked = true;
                Click(Child<QPushButton>(&up, "butCancel"));
                closedInClick = !up.isVisible();
            }
        });
        poll.start(20);
        up.exec();
        QVERIFY(clicked && closedInClick);
        QVERIFY(up.WasCancelled() && !up.Succeeded());
        QCOMPARE(dialogs_->shown.size(), 0);
    }

    void cancelDuringALargeTransferLeavesTheOldFileWhole() {
        TFtpTestServer server(400 * 1024);  // 400 KiB a second
        QVERIFY(server.ok());
        const QByteArray old = "the old picture";
        {
            QFile f(server.path("big.gif"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        QTemporaryDir local;
        QFile page(local.filePath("p.html")), big(local.filePath("big.gif"));
        QVERIFY(page.open(QIODevice::WriteOnly) && big.open(QIODevice::WriteOnly));
        page.write("<HTML></HTML>");
        big.write(Pattern(8 * 1024 * 1024));
        page.close();
        big.close();
        TfrmUpload up(Server(server, ""), {{big.fileName(), "big.gif", true}, {page.fileName(), "p.html", false, TFileRole::VisitorPage}});
        int valueAtCancel = 0, valueAtEnd = -1;
        // Cancel once the bar has moved within the big file.
        QTimer poll;
        connect(&poll, &QTimer::timeout, &up, [&] {
            const int step = Bar(&up)->maximum() / 2;
            if (step > 0 && Bar(&up)->value() > step / 20 && !up.WasCancelled()) {
                valueAtCancel = Bar(&up)->value();
                Click(Child<QPushButton>(&up, "butCancel"));
            }
        });
        connect(&up, &QDialog::finished, &up, [&] { valueAtEnd = Bar(&up)->value(); });
        poll.start(20);
        up.exec();
        poll.stop();
        QVERIFY2(up.WasCancelled(), qPrintable(dialogs_->texts().join('|')));
        QVERIFY(!up.Succeeded());
        QVERIFY(valueAtCancel > 0);
        // The window closed within the big file: the cancel did not wait
        // for the rest of it to be sent.
        QVERIFY2(valueAtEnd >= valueAtCancel && valueAtEnd < Bar(&up)->maximum() / 2,
                 qPrintable(QString("%1 %2").arg(valueAtEnd).arg(Bar(&up)->maximum())));
        QCOMPARE(Child<QLabel>(&up, "lblFTPStatus")->text(), QString(" Connection to Web Server cancelled."));
        // What the server holds now, in one sentence.
        QCOMPARE(dialogs_->texts(), QStringList{"Your page was not sent (the server shows what it showed before); 0 "
                                                "of 1 other files were sent."});
        QTRY_COMPARE_WITH_TIMEOUT(server.read("big.gif"), old, 30000);
        // The temporary file is removed behind the closed window.
        QTRY_VERIFY_WITH_TIMEOUT(!server.files().join(" ").contains(".tarvo-upload"), 30000);
        QVERIFY(!Child<TFtpClient>(&up, "ftp")->Connected());
    }

    // A page saved as "Index": listed as index.html, asked once, then sent
    // as index.html, which the site's address finds.
    void capitalIndexGoesUpInSmallLetters() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        StoreServers({Server(server, "site")});
        const QString doc = env_->appDir() + "/save/Index.tve";
        QVERIFY(QFile::copy(env_->appDir() + "/template/Family.tvt", doc));
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(doc);
        w->ShowRedPill(TfrmMain::stSend);
        QCOMPARE(Files(*w)->item(Files(*w)->count() - 1)->text(), QString("index.html (new)"));
        WriteSetting("General", "ShowJoy", "No");
        auto asked = [this] {
            int n = 0;
            for (const auto& shown : dialogs_->shown) n += shown.kind == "ask";
            return n;
        };
        dialogs_->answers << QMessageBox::Yes;
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QCOMPARE(asked(), 1);
        QVERIFY(dialogs_->shown[0].text.contains("Send it as \"index.html\" instead?"));
        QCOMPARE(Files(*w)->item(Files(*w)->count() - 1)->text(), QString("index.html (new)"));
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 20000);
        QVERIFY(server.files().contains("site/index.html"));
        QVERIFY(!server.files().contains("site/Index.html"));
        QCOMPARE(w->Web()->YourPageAddress(), QString("http://127.0.0.1/index.html"));
        // Not asked again.
        w->ShowRedPill(TfrmMain::stSend);
        dialogs_->runs << [&](QDialog* d) { return RunUploadWindow(d); };
        Click(PagePicture(*w));
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 20000);
        QCOMPARE(asked(), 1);
        QCOMPARE(dialogs_->unexpected, 0);
    }
};

QTEST_MAIN(TestUploadWindow)
#include "test_uploadwindow.moc"
