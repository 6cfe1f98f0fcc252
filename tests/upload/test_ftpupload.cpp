// The FTP client and the upload sequence against a real local server.
#include "FtpTestServer.h"
#include "upload/FtpClient.h"
#include "upload/UploadList.h"
#include "upload/UploadSequence.h"

#include <QSignalSpy>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

class TestFtpUpload : public QObject {
    Q_OBJECT

    QTemporaryDir local_;

    QString MakeFile(const QString& name, const QByteArray& bytes) {
        const QString p = local_.filePath(name);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }
    static QByteArray Pattern(int size, char seed) {
        QByteArray b(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i) b[i] = char((i * 31 + seed) & 0xFF);
        return b;
    }
    static TUploadTarget Target(const TFtpTestServer& s, const QString& dir, const QString& password = QLatin1String(TFtpTestServer::kPassword)) {
        TUploadTarget t;
        t.Address = QStringLiteral("127.0.0.1");
        t.Port = s.port();
        t.Directory = dir;
        t.UserName = QLatin1String(TFtpTestServer::kUser);
        t.Password = password;
        return t;
    }

private slots:
    void referencesOutsideThePageAreRefusedTheRestSent() {
        // Secrets planted where hostile references point: above the HTML
        // folder, and by absolute path and file: URL.
        const QString secret = MakeFile("secret.txt", "private key");
        const QString page = MakeFile("HTMLFiles/page.html", "");
        MakeFile("HTMLFiles/graphics/ok.gif", "ok");
        const QString text = "<IMG SRC=\"" + secret + "\"><IMG SRC=\"../secret.txt\">"
                             "<IMG SRC=\"graphics/../../secret.txt\"><IMG SRC=\"file://" + secret + "\">"
                             "<IMG SRC=\"graphics/./ok.gif\"><BODY BACKGROUND=\"..\\secret.txt\">";
        const UploadList list = BuildUploadList(text, page);
        QStringList refused;
        for (const ResourceDetail& d : list)
            if (d.State == TUploadState::Refused) refused << d.Remote + " " + d.Reason;
        QCOMPARE(refused, (QStringList{secret + " outside the page's folder", "../secret.txt outside the page's folder",
                                       "graphics/../../secret.txt outside the page's folder",
                                       "file://" + secret + " outside the page's folder",
                                       "..\\secret.txt outside the page's folder"}));

        TFtpTestServer server;
        QVERIFY(server.ok());
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, "public_html/site"),
                               MakeUploadPlan(QFileInfo(page).path(), page, list));
        QStringList told;
        upload.FileDone = [&](const TUploadFile& f, bool sent, const QString& why) {
            told << f.Remote + (sent ? QString() : " - " + why);
        };
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::FileFailed);
        QCOMPARE(told.size(), 7);
        QVERIFY(told.contains("graphics/ok.gif"));
        QVERIFY(told.contains("../secret.txt - outside the page's folder"));
        // Nothing outside the server folder, no secret anywhere.
        QCOMPARE(server.files(), (QStringList{"public_html/site/graphics/ok.gif", "public_html/site/page.html"}));

        // The client itself refuses names and folders that climb out.
        ftp.Blocking = true;
        QCOMPARE(ftp.Connect(), 0);
        ftp.LocalFile = secret;
        for (const char* name : {"../x.txt", "/x.txt", "graphics/../../x.txt", "a\\..\\..\\x.txt"}) {
            ftp.RemoteFile = QString::fromUtf8(name);
            ftp.SetAction(TFtpClient::actSend);
            QCOMPARE(ftp.LastError, int(ftpOutside));
        }
        QCOMPARE(ftp.ChangeDirectory("public_html/../.."), int(ftpOutside));
        QCOMPARE(ftp.MakeDirectory("../up"), int(ftpOutside));
        QCOMPARE(server.files(), (QStringList{"public_html/site/graphics/ok.gif", "public_html/site/page.html"}));
    }

    void cancelAnswersAtOnceWhileTheServerStalls() {
        // A listener that never answers: the log-in waits on it.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        TFtpClient ftp;
        TUploadTarget t;
        t.Address = "127.0.0.1";
        t.Port = silent.serverPort();
        TUploadSequence upload(ftp, t, {{MakeFile("p.html", "x"), "p.html", false}});
        QSignalSpy finished(&upload, &TUploadSequence::Finished);
        upload.Start();
        QVERIFY(upload.Running());
        QTest::qWait(300);
        QVERIFY(upload.Running());
        QElapsedTimer t0;
        t0.start();
        upload.Cancel();
        // Over before Cancel returns; the client's destruction (which ends
        // its worker) is measured too.
        QCOMPARE(finished.size(), 1);
        QCOMPARE(upload.Outcome(), TUploadOutcome::Cancelled);
        qInfo("cancel answered after %lld ms", t0.elapsed());
    }

    void wholeUploadOverOneConnection() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QByteArray page = "<HTML>\r\n<IMG SRC=\"graphics/a.gif\">\r\n</HTML>\r\n";
        const QByteArray a = Pattern(150000, 1), b = Pattern(7, 2);
        std::vector<TUploadFile> files = {{MakeFile("p.html", page), "mypage.html", false},
                                          {MakeFile("graphics/a.gif", a), "graphics/a.gif", true},
                                          {MakeFile("backgrnd/b.jpg", b), "backgrnd/b.jpg", true}};
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, "public_html/site"), files);
        QStringList status;
        int lastValue = -1, maximum = 0;
        bool monotonic = true;
        upload.Status = [&](const QString& s) { status << s; };
        upload.Progress = [&](int v, int m) {
            if (v < lastValue) monotonic = false;
            lastValue = v;
            maximum = m;
        };
        QVERIFY(upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::Done);
        QCOMPARE(status, (QStringList{"Connecting to 127.0.0.1", "Connecting to 127.0.0.1",
                                      "Uploading files to Web Server...", "Disconnecting from Web Server...",
                                      "Upload Completed."}));
        QVERIFY(monotonic);
        QCOMPARE(lastValue, 300);
        QCOMPARE(maximum, 300);
        // Every level of the folder made; no temporary file left.
        QCOMPARE(server.files(), (QStringList{"public_html/site/backgrnd/b.jpg", "public_html/site/graphics/a.gif",
                                              "public_html/site/mypage.html"}));
        QCOMPARE(server.read("public_html/site/graphics/a.gif"), a);
        QCOMPARE(server.read("public_html/site/backgrnd/b.jpg"), b);
        QCOMPARE(server.read("public_html/site/mypage.html"), page);
        QVERIFY(server.log().contains("TYPE A"));
        QCOMPARE(server.sessions(), 1);
        QVERIFY(!ftp.Connected());
    }

    void emptyFolderUsesTheLoginFolderAndReplacesOldFiles() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        QFile old(server.path("x.gif"));
        old.open(QIODevice::WriteOnly);
        old.write("old");
        old.close();
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, ""), {{MakeFile("p.html", "x"), "p.html", false},
                                                         {MakeFile("x.gif", "new"), "x.gif", true}});
        QVERIFY(upload.Run());
        QCOMPARE(server.read("x.gif"), QByteArray("new"));
        QVERIFY(server.files().contains("graphics/") == false);
        QCOMPARE(server.files(), (QStringList{"p.html", "x.gif"}));
        QVERIFY(QFileInfo(server.path("graphics")).isDir());
    }

    void wrongPasswordIsALoginFailureInPlainWords() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, "", "wrong"), {{MakeFile("p.html", "x"), "p.html", false}});
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::LoginFailed);
        QVERIFY2(upload.Detail().contains("530"), qPrintable(upload.Detail()));
        QVERIFY(!ftp.Connected());
    }

    void aFolderThatCannotBeEnteredAndAMissingFile() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        QFile blocker(server.path("blocked"));  // a file where the folder should be
        blocker.open(QIODevice::WriteOnly);
        blocker.close();
        {
            TFtpClient ftp;
            TUploadSequence upload(ftp, Target(server, "blocked"), {{MakeFile("p.html", "x"), "p.html", false}});
            QVERIFY(!upload.Run());
            QCOMPARE(upload.Outcome(), TUploadOutcome::FolderFailed);
            QVERIFY2(upload.Detail().contains("550"), qPrintable(upload.Detail()));
        }
        TFtpClient ftp;
        QStringList sent;
        TUploadSequence upload(ftp, Target(server, "www"),
                               {{MakeFile("p.html", "x"), "p.html", false},
                                {local_.filePath("missing.gif"), "graphics/missing.gif", true},
                                {MakeFile("ok.gif", "ok"), "graphics/ok.gif", true}});
        upload.FileDone = [&](const TUploadFile& f, bool ok, const QString&) { if (ok) sent << f.Remote; };
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::FileFailed);
        QVERIFY(upload.Detail().contains("missing.gif"));
        // The others are still sent.
        QCOMPARE(sent, (QStringList{"p.html", "graphics/ok.gif"}));
        QCOMPARE(server.read("www/graphics/ok.gif"), QByteArray("ok"));
    }

    void cancelDuringALargeFileLeavesTheOldFileWhole() {
        TFtpTestServer server(400 * 1024);
        QVERIFY(server.ok());
        QDir().mkpath(server.path("graphics"));
        QFile old(server.path("graphics/big.bmp"));
        old.open(QIODevice::WriteOnly);
        old.write("the old picture");
        old.close();
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, ""), {{MakeFile("p.html", "x"), "p.html", false},
                                                         {MakeFile("big.bmp", Pattern(8 << 20, 3)), "graphics/big.bmp", true},
                                                         {MakeFile("after.gif", "a"), "after.gif", true}});
        bool cancelled = false;
        int during = 0;
        qint64 bigSent = 0;
        connect(&ftp, &TFtpClient::Progress, [&](qint64 sent, qint64 total) {
            if (total == (8 << 20)) bigSent = qMax(bigSent, sent);
        });
        upload.Progress = [&](int v, int) {
            // Moving within the big file: between its start and its end.
            if (v > 100 && v < 200) ++during;
            if (v > 110 && !cancelled) {
                cancelled = true;
                QTimer::singleShot(0, [&] { upload.Cancel(); });
            }
        };
        QVERIFY(!upload.Run());
        QVERIFY(cancelled);
        // The cancel stopped the big file; it did not wait for its end.
        QVERIFY2(bigSent > 0 && bigSent < (8 << 20), qPrintable(QString::number(bigSent)));
        QCOMPARE(upload.Outcome(), TUploadOutcome::Cancelled);
        QVERIFY(during >= 1);
        ftp.Cleanup();
        QCOMPARE(server.read("graphics/big.bmp"), QByteArray("the old picture"));
        QTRY_COMPARE(server.files(), (QStringList{"graphics/big.bmp", "p.html"}));
    }

    void boundedWaits() {
        // A closed port fails at once.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int closed = probe.serverPort();
        probe.close();
        TFtpClient ftp;
        ftp.HostAddress = QStringLiteral("127.0.0.1");
        ftp.Port = closed;
        ftp.Connect();
        QVERIFY(ftp.LastError > 0);
        QCOMPARE(ftp.LastErrorText(), QStringLiteral("The connection was refused."));

        // A listener that never answers fails within the time-out, while
        // the event loop keeps running.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        ftp.Port = silent.serverPort();
        ftp.TimeoutSeconds = 2;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(100);
        QElapsedTimer t;
        t.start();
        ftp.Blocking = false;
        QSignalSpy done(&ftp, &TFtpClient::OperationDone);
        ftp.Connect();
        QVERIFY(done.wait(10000));
        QVERIFY(ftp.LastError > 0);
        QCOMPARE(ftp.LastErrorText(), QStringLiteral("The server did not answer."));
        // It waited for the time-out, with the event loop running meanwhile.
        QVERIFY2(t.elapsed() >= 1500, qPrintable(QString::number(t.elapsed())));
        QVERIFY(ticks >= 2);
    }

    void operationsNeedAConnectionAndSafeNames() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        TFtpClient ftp;
        ftp.ChangeDirectory(QStringLiteral("x"));
        QCOMPARE(ftp.LastError, int(ftpNotConnected));
        ftp.HostAddress = QStringLiteral("127.0.0.1");
        ftp.Port = server.port();
        ftp.UserName = QLatin1String(TFtpTestServer::kUser);
        ftp.Password = QLatin1String(TFtpTestServer::kPassword);
        QCOMPARE(ftp.Connect(), 0);
        QVERIFY(ftp.Connected());
        // A name with a line break would smuggle a command to the server.
        ftp.LocalFile = MakeFile("n.gif", "n");
        ftp.RemoteFile = QStringLiteral("a.gif\r\nDELE p.html");
        ftp.SetAction(TFtpClient::actSend);
        QVERIFY(ftp.LastError > 0);
        QVERIFY(server.files().isEmpty());
        int disconnects = 0;
        connect(&ftp, &TFtpClient::OnDisconnect, [&] { ++disconnects; });
        ftp.Disconnect();
        QCOMPARE(disconnects, 1);
        QVERIFY(!ftp.Connected());
    }
};

QTEST_GUILESS_MAIN(TestFtpUpload)
#include "test_ftpupload.moc"
