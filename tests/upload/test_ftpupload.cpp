// The FTP client and the upload sequence against a real local server.
#include "FtpTestServer.h"
#include "upload/transfer/FtpClient.h"
#include "upload/UploadList.h"
#include "upload/UploadPlan.h"
#include "upload/UploadSequence.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

#include <curl/curl.h>

#include <optional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Waits (with the event loop running) for the outcome of an operation of
// the client; the listing of a ListFolder into `listing`.
TFtpOutcome Await(TFtpOperation* op, std::vector<TRemoteEntry>* listing = nullptr) {
    std::optional<TFtpOutcome> got;
    QEventLoop loop;
    QObject::connect(op, &TFtpOperation::Finished, &loop, [&, op](const TFtpOutcome& o) {
        got = o;
        if (listing) *listing = op->Listing();
        loop.quit();
    });
    if (!got) loop.exec();
    return *got;
}

TFtpLogin Login(int port, const QString& password = QLatin1String(TFtpTestServer::kPassword)) {
    TFtpLogin login;
    login.Address = QStringLiteral("127.0.0.1");
    login.Port = port;
    login.UserName = QLatin1String(TFtpTestServer::kUser);
    login.Password = password;
    return login;
}

using K = TFtpOutcome::TKind;

}  // namespace

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
    static TUploadTarget Target(const TFtpTestServer& s, const QString& dir,
                                const QString& password = QLatin1String(TFtpTestServer::kPassword)) {
        return s.Target(TSecurity::FTP, dir, password);
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
                               MakeUploadPlan(page, list));
        QStringList told;
        QObject::connect(&upload, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool sent, const QString& why) {
            told << f.Remote + (sent ? QString() : " - " + why);
        });
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::FileFailed);
        QCOMPARE(told.size(), 7);
        QVERIFY(told.contains("graphics/ok.gif"));
        QVERIFY(told.contains("../secret.txt - outside the page's folder"));
        // Nothing outside the server folder, no secret anywhere.
        QCOMPARE(server.files(), (QStringList{"public_html/site/graphics/ok.gif", "public_html/site/page.html"}));

        // The client itself refuses names and folders that climb out.
        QVERIFY(Await(ftp.Connect(Login(server.port()))).Ok());
        for (const char* name : {"../x.txt", "/x.txt", "graphics/../../x.txt", "a\\..\\..\\x.txt"}) {
            const TFtpOutcome o =
                Await(ftp.SendFile(secret, QString::fromUtf8(name), true));
            QCOMPARE(o.Kind, K::BadName);
        }
        QCOMPARE(Await(ftp.ChangeFolder("public_html/../..")).Kind, K::BadName);
        QCOMPARE(Await(ftp.MakeFolder("../up")).Kind, K::BadName);
        QCOMPARE(server.files(), (QStringList{"public_html/site/graphics/ok.gif", "public_html/site/page.html"}));
    }

    // The one table of outcomes: what each failure is, whether the
    // connection survives it, and which reply its words may quote.
    void outcomesComeFromOneTable() {
        const auto judge = [](int code, const QString& reply, bool loggingIn = false, bool listing = false) {
            TCurlFacts facts;
            facts.Code = code;
            facts.Reply = reply;
            facts.Detail = QStringLiteral("the library's words");
            return Judge(facts, loggingIn, listing);
        };
        // A refusal is quoted; a success before a failure never is.
        TCurlVerdict v = judge(CURLE_REMOTE_ACCESS_DENIED, "550 No such folder");
        QCOMPARE(v.Outcome.Kind, K::Missing);
        QCOMPARE(v.Outcome.Message, QStringLiteral("The server replied: 550 No such folder"));
        QCOMPARE(v.Outcome.Reply, QStringLiteral("550 No such folder"));
        QVERIFY(v.KeepsConnection);
        v = judge(CURLE_UPLOAD_FAILED, "200 Type set to I");
        QCOMPARE(v.Outcome.Kind, K::ServerRefused);
        QCOMPARE(v.Outcome.Message, QStringLiteral("the library's words."));
        QVERIFY(v.Outcome.Reply.isEmpty());
        // The same code fails a log-in for good, not a later request.
        QVERIFY(!judge(CURLE_REMOTE_ACCESS_DENIED, "550 No", true).KeepsConnection);
        // A listing cut short for its size keeps the connection; a
        // broken connection does not, and has words of its own.
        QVERIFY(judge(CURLE_WRITE_ERROR, "", false, true).KeepsConnection);
        QVERIFY(!judge(CURLE_WRITE_ERROR, "").KeepsConnection);
        v = judge(CURLE_RECV_ERROR, "550 Quoted only by rows without words");
        QCOMPARE(v.Outcome.Message, QStringLiteral("The server closed the connection."));
        QVERIFY(!v.KeepsConnection);
        // A wrong password: the server's refusal when it gave one.
        QCOMPARE(judge(CURLE_LOGIN_DENIED, "", true).Outcome.Message,
                 QStringLiteral("The server refused the user name or password."));
        QCOMPARE(judge(CURLE_LOGIN_DENIED, "530 Login incorrect.", true).Outcome.Message,
                 QStringLiteral("The server replied: 530 Login incorrect."));
        // An encryption failure names the library's reason.
        QCOMPARE(judge(CURLE_SSL_CONNECT_ERROR, "").Outcome.Message,
                 QStringLiteral("The encrypted connection could not be set up: the library's words."));
        QVERIFY(judge(CURLE_OK, "226 Done").Outcome.Ok());
    }

    void listingsInEveryFormAreReadAndOddLinesLeftOut() {
        const auto entries = [](const QByteArray& text, bool facts) {
            QStringList out;
            for (const TRemoteEntry& e : ParseListing(text, facts))
                out << QStringLiteral("%1|%2%3").arg(e.Name).arg(e.Size).arg(e.Folder ? "/" : "");
            return out;
        };
        QCOMPARE(entries("type=cdir;size=4096; .\r\ntype=pdir; ..\r\n"
                         "type=file;size=1234;modify=20240101100000; my page.html\r\n"
                         "Type=DIR;Modify=20240101; graphics\r\n"
                         "type=OS.unix=symlink;size=9; link\r\nsize=5; untyped\r\n"
                         "type=file;size=-3; odd.gif\r\ntype=file;size=1; a/b.gif\r\n",
                         true),
                 (QStringList{"my page.html|1234", "graphics|-1/", "odd.gif|-1"}));
        QCOMPARE(entries("total 12\n"
                         "-rw-r--r--    1 web      web        102400 Dec  8 20:00 pic 1.gif\n"
                         "drwxr-xr-x    2 web      web          4096 Jan 31  2023 graphics\n"
                         "-rw-r--r--    1 Domain Users  77 Mar  1 09:05 owner with spaces.gif\n"
                         "-rw-r--r-- 1 0 0 61 Dec 08 20:00 caf\xc3\xa9.png\n"
                         "lrwxrwxrwx    1 web web 11 Dec  8 20:00 index.html -> other.html\n"
                         "01-31-24  10:00AM               12345 dos name.gif\r\n"
                         "01-31-2024  10:00PM       <DIR>          folder\r\n"
                         "-rw-r--r-- 1 0 0 5 Dec 08 20:00 ..\ngarbage\n",
                         false),
                 (QStringList{"pic 1.gif|102400", "graphics|4096/", "owner with spaces.gif|77",
                              QString::fromUtf8("caf\xc3\xa9.png|61"), "index.html|-1", "dos name.gif|12345",
                              "folder|-1/"}));
        // A listing of one endless line, or of junk, lists nothing.
        QVERIFY(ParseListing(QByteArray(9 << 20, 'x'), false).empty());
        QVERIFY(ParseListing(QByteArray(1 << 20, '\n') + "type=file", true).empty());
    }

    // A hostile server's plain listing: 2000 lines of 4000 digits each (as
    // much as a listing may hold) in no known form, then one entry. A
    // pattern that backtracks spent seconds of processor time on it; read
    // in one pass per line it is over long before the child's bound of 5
    // seconds of processor time.
    void hostileListingIsReadInOnePass() {
        QByteArray listing;
        const QByteArray digits(4000, '7');
        for (int i = 0; i < 2000; ++i) listing += "-rw-r--r-- 1 " + digits + "\r\n";
        listing += "-rw-r--r-- 1 web web 12 Jan 31 2023 last.gif\r\n";
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            const rlimit cpu = {5, 5};
            setrlimit(RLIMIT_CPU, &cpu);
            const std::vector<TRemoteEntry> entries = ParseListing(listing, false);
            _exit(entries.size() == 1 && entries[0].Name == QLatin1String("last.gif") && entries[0].Size == 12 ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY2(WIFEXITED(status), "stopped: the listing took more than 5 seconds of processor time");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // The page after every picture (server log order), several connections
    // at once; the second upload sends only what the server lacks.
    void onlyWhatTheServerLacksIsSentAndThePageComesLast() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        std::vector<TUploadFile> plan;
        for (int i = 0; i < 12; ++i) {
            const QString name = QStringLiteral("pic%1.gif").arg(i);
            plan.push_back({MakeFile("site/" + name, Pattern(3000 + i, char(i))),
                            (i == 11 ? "more/deep/" : "graphics/") + name, true});
        }
        plan.push_back({MakeFile("site/p.html", "<HTML>new</HTML>"), "p.html", false, TFileRole::VisitorPage});
        const auto upload = [&](QStringList& sent, QStringList& skipped) {
            TFtpClient ftp;
            TUploadSequence up(ftp, Target(server, "www"), plan);
            QObject::connect(&up, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool ok, const QString& why) {
                sent << f.Remote + (ok ? "" : why);
            });
            QObject::connect(&up, &TUploadSequence::FileSkipped, [&](const TUploadFile& f) { skipped << f.Remote; });
            return up.Run();
        };
        QStringList sent, skipped;
        QVERIFY(upload(sent, skipped));
        QCOMPARE(sent.size(), 13);
        QCOMPARE(sent.last(), QStringLiteral("p.html"));
        QVERIFY(skipped.isEmpty());
        QCOMPARE(server.read("www/more/deep/pic11.gif"), Pattern(3011, char(11)));
        QCOMPARE(server.files().size(), 13);
        // The page is stored only after the last picture has its name.
        const QString log = server.log();
        const qsizetype page = log.indexOf("STOR .tarvo-upload.p.html");
        QVERIFY(page > 0);
        for (int i = 0; i < 12; ++i)
            QVERIFY2(log.indexOf(QStringLiteral("RNTO pic%1.gif").arg(i)) < page, qPrintable(log));
        QCOMPARE(server.sessions(), TUploadSequence::kMaxConnections);  // twelve files: every connection it may use

        // By hand on the server: one picture deleted, another of another
        // size. Everything is marked as sent before.
        QVERIFY(QFile::remove(server.path("www/graphics/pic3.gif")));
        QFile changed(server.path("www/more/deep/pic11.gif"));
        QVERIFY(changed.open(QIODevice::WriteOnly));
        changed.write("other");
        changed.close();
        for (TUploadFile& f : plan) f.Unchanged = true;
        const qsizetype before = server.log().size();
        sent.clear();
        QVERIFY(upload(sent, skipped));
        QCOMPARE(sent, (QStringList{"graphics/pic3.gif", "more/deep/pic11.gif"}));
        QCOMPARE(skipped.size(), 11);
        QVERIFY(skipped.contains("p.html"));
        QCOMPARE(server.read("www/graphics/pic3.gif"), Pattern(3003, 3));
        QCOMPARE(server.read("www/more/deep/pic11.gif"), Pattern(3011, char(11)));
        QCOMPARE(server.log().mid(before).count("<- STOR "), 2);
    }

    void aServerTakingOneConnectionGetsEverythingOverIt() {
        TFtpTestServer server(QStringLiteral("ftpserver.py"), {"0", "0", "1"});
        QVERIFY(server.ok());
        std::vector<TUploadFile> plan;
        for (int i = 0; i < 10; ++i)
            plan.push_back({MakeFile(QStringLiteral("one/%1.gif").arg(i), Pattern(100, char(i))),
                            QStringLiteral("graphics/%1.gif").arg(i), true});
        plan.push_back({MakeFile("one/p.html", "x"), "p.html", false});
        TFtpClient ftp;
        TUploadSequence up(ftp, Target(server, ""), plan);
        QVERIFY2(up.Run(), qPrintable(up.Detail()));
        QCOMPARE(server.files().size(), 11);
    }

    // A file the server refuses part way: the page is held back, the old one
    // stays, and the sentence says so.
    void aFailurePartWayKeepsTheOldPage() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        QDir().mkpath(server.path("www"));
        for (const char* name : {"www/p.html", "www/blocked"}) {
            QFile f(server.path(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old page");
        }
        const std::vector<TUploadFile> plan = {{MakeFile("fail/ok.gif", "ok"), "ok.gif", true},
                                               {MakeFile("fail/x.gif", "x"), "blocked/x.gif", true},
                                               {MakeFile("fail/p.html", "new page"), "p.html", false, TFileRole::VisitorPage}};
        TFtpClient ftp;
        TUploadSequence up(ftp, Target(server, "www"), plan);
        QVERIFY(!up.Run());
        QCOMPARE(up.Outcome(), TUploadOutcome::FileFailed);
        QVERIFY2(up.Detail().startsWith("blocked/x.gif: "), qPrintable(up.Detail()));
        QCOMPARE(server.read("www/p.html"), QByteArray("old page"));
        QCOMPARE(server.read("www/ok.gif"), QByteArray("ok"));
        QCOMPARE(up.ServerState(), QStringLiteral("Your old page is still on the server; 1 of 2 new files were sent."));
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
        // Connected, and waiting for the greeting that never comes.
        QTRY_VERIFY(silent.hasPendingConnections());
        QVERIFY(upload.Running());
        upload.Cancel();
        // Over before Cancel returns.
        QCOMPARE(finished.size(), 1);
        QCOMPARE(upload.Outcome(), TUploadOutcome::Cancelled);
    }

    void wholeUploadOverOneConnection() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QByteArray page = "<HTML>\r\n<IMG SRC=\"graphics/a.gif\">\r\n</HTML>\r\n";
        const QByteArray a = Pattern(150000, 1), b = Pattern(7, 2);
        std::vector<TUploadFile> files = {{MakeFile("graphics/a.gif", a), "graphics/a.gif", true},
                                          {MakeFile("backgrnd/b.jpg", b), "backgrnd/b.jpg", true},
                                          {MakeFile("p.html", page), "mypage.html", false}};
        TFtpClient ftp;
        TUploadSequence upload(ftp, Target(server, "public_html/site"), files);
        QStringList status;
        int lastValue = -1, maximum = 0;
        bool monotonic = true;
        QObject::connect(&upload, &TUploadSequence::Status, [&](const QString& s) { status << s; });
        QObject::connect(&upload, &TUploadSequence::Progress, [&](int v, int m) {
            if (v < lastValue) monotonic = false;
            lastValue = v;
            maximum = m;
        });
        QVERIFY(upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::Done);
        QCOMPARE(status, (QStringList{"Connecting to 127.0.0.1",
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
        TUploadSequence upload(ftp, Target(server, ""), {{MakeFile("x.gif", "new"), "x.gif", true},
                                                         {MakeFile("p.html", "x"), "p.html", false}});
        QVERIFY(upload.Run());
        QCOMPARE(server.read("x.gif"), QByteArray("new"));
        QCOMPARE(server.files(), (QStringList{"p.html", "x.gif"}));
        QVERIFY(!QFileInfo::exists(server.path("graphics")));
        QVERIFY(!QFileInfo::exists(server.path("backgrnd")));
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
                               {{local_.filePath("missing.gif"), "graphics/missing.gif", true},
                                {MakeFile("ok.gif", "ok"), "graphics/ok.gif", true},
                                {MakeFile("p.html", "x"), "p.html", false}});
        QObject::connect(&upload, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool ok, const QString&) {
            if (ok) sent << f.Remote;
        });
        QVERIFY(!upload.Run());
        QCOMPARE(upload.Outcome(), TUploadOutcome::FileFailed);
        QVERIFY(upload.Detail().contains("missing.gif"));
        // The others are still sent, the page too: a file missing here
        // could never be sent, so it holds nothing back.
        QCOMPARE(sent, (QStringList{"graphics/ok.gif", "p.html"}));
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
        TUploadSequence upload(ftp, Target(server, ""), {{MakeFile("before.gif", "a"), "before.gif", true},
                                                         {MakeFile("big.bmp", Pattern(8 << 20, 3)), "graphics/big.bmp", true},
                                                         {MakeFile("p.html", "x"), "p.html", false, TFileRole::VisitorPage}});
        bool cancelled = false;
        int during = 0;
        qint64 bigSent = 0;
        connect(&ftp, &TFtpClient::Progress, [&](qint64 sent, qint64 total) {
            if (total == (8 << 20)) bigSent = qMax(bigSent, sent);
        });
        QObject::connect(&upload, &TUploadSequence::Progress, [&](int v, int) {
            // Moving within the big file: between its start and its end.
            if (v > 100 && v < 200) ++during;
            if (v > 110 && !cancelled) {
                cancelled = true;
                QTimer::singleShot(0, [&] { upload.Cancel(); });
            }
        });
        QVERIFY(!upload.Run());
        QVERIFY(cancelled);
        // The cancel stopped the big file; it did not wait for its end.
        QVERIFY2(bigSent > 0 && bigSent < (8 << 20), qPrintable(QString::number(bigSent)));
        QCOMPARE(upload.Outcome(), TUploadOutcome::Cancelled);
        QVERIFY(during >= 1);
        ftp.DisconnectAndWait();
        QCOMPARE(server.read("graphics/big.bmp"), QByteArray("the old picture"));
        // Nor was the page sent after the cancel.
        QTRY_COMPARE(server.files(), (QStringList{"before.gif", "graphics/big.bmp"}));
        QCOMPARE(upload.ServerState(), QStringLiteral("Your page was not sent (the server shows what it showed "
                                                      "before); 1 of 2 other files were sent."));
    }

    void boundedWaits() {
        // A closed port fails at once.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int closed = probe.serverPort();
        probe.close();
        TFtpClient ftp;
        TFtpOutcome o = Await(ftp.Connect(Login(closed)));
        QCOMPARE(o.Kind, K::Refused);
        QCOMPARE(o.Message, QStringLiteral("The connection was refused."));

        // A listener that never answers fails within the time-out, while
        // the event loop keeps running.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        ftp.TimeoutSeconds = 2;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(100);
        o = Await(ftp.Connect(Login(silent.serverPort())));
        QCOMPARE(o.Kind, K::NoAnswer);
        QCOMPARE(o.Message, QStringLiteral("The server did not answer."));
        // The event loop ran while it waited.
        QVERIFY(ticks >= 2);
    }

    void operationsNeedAConnectionAndSafeNames() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        TFtpClient ftp;
        TFtpOutcome o = Await(ftp.ChangeFolder(QStringLiteral("x")));
        QCOMPARE(o.Kind, K::NotConnected);
        QCOMPARE(o.Message, QStringLiteral("There is no connection to the server."));
        QVERIFY(Await(ftp.Connect(Login(server.port()))).Ok());
        QVERIFY(ftp.Connected());
        // A name with a line break would smuggle a command to the server.
        const QString local = MakeFile("n.gif", "n");
        o = Await(ftp.SendFile(local, QStringLiteral("a.gif\r\nDELE p.html"), true));
        QCOMPARE(o.Kind, K::BadName);
        QVERIFY(server.files().isEmpty());
        int disconnects = 0;
        connect(&ftp, &TFtpClient::OnDisconnect, [&] { ++disconnects; });
        ftp.Disconnect();
        QCOMPARE(disconnects, 1);
        QVERIFY(!ftp.Connected());
    }

    // What each failure is, for callers that act on it, and the server's
    // reply that its message quotes.
    void failuresTellTheirKindAndTheServersReply() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        TFtpClient ftp;
        TFtpOutcome o = Await(ftp.Connect(Login(server.port(), "wrong")));
        QCOMPARE(o.Kind, K::LoginRefused);
        QVERIFY2(o.Reply.startsWith("530"), qPrintable(o.Reply));
        QCOMPARE(o.Message, "The server replied: " + o.Reply);
        QVERIFY(!o.Unreached() && !ftp.Connected());

        QVERIFY(Await(ftp.Connect(Login(server.port()))).Ok());
        o = Await(ftp.ChangeFolder("nowhere"));
        QCOMPARE(o.Kind, K::Missing);
        QVERIFY2(o.Reply.startsWith("550"), qPrintable(o.Reply));
        QVERIFY(ftp.Connected());
        QCOMPARE(ftp.CurrentFolder(), QString());
        std::vector<TRemoteEntry> listed{{"stale", 1, false}};
        o = Await(ftp.ListFolder("nowhere"), &listed);
        QCOMPARE(o.Kind, K::Missing);
        QVERIFY(listed.empty());
        o = Await(ftp.RemoveFile("absent.gif"));
        QCOMPARE(o.Kind, K::ServerRefused);
        QVERIFY2(o.Reply.startsWith("550"), qPrintable(o.Reply));
        const QString missing = local_.filePath("not-here.gif");
        o = Await(ftp.SendFile(missing, "a.gif", true));
        QCOMPARE(o.Kind, K::LocalFile);
        QCOMPARE(o.Message, "the file " + missing + " could not be read");

        // Operations started together wait their turn on the one
        // connection, in order; an outcome whose receiver is gone is not
        // delivered.
        const QString big = MakeFile("big.bin", Pattern(1 << 20, 3));
        std::optional<TFtpOutcome> first;
        {
            QObject gone;
            ftp.MakeFolder("made")->Then(&gone, [&](const TFtpOutcome& r) { first = r; });
        }
        QVERIFY(Await(ftp.SendFile(big, "made/big.bin", true)).Ok());
        QVERIFY(!first);
        QCOMPARE(server.read("made/big.bin"), Pattern(1 << 20, 3));
        // With a second connection several run at once, each told its own
        // outcome.
        ftp.Reserve(2);
        QTRY_COMPARE(ftp.OpenConnections(), 2);
        QStringList arrived;
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("made/%1.bin").arg(i);
            ftp.SendFile(big, name, true)->Then(this, [&, name](const TFtpOutcome& r) {
                if (r.Ok()) arrived << name;
            });
        }
        QTRY_COMPARE(arrived.size(), 4);
        for (const QString& name : arrived) QCOMPARE(server.read(name), Pattern(1 << 20, 3));
    }
};

QTEST_GUILESS_MAIN(TestFtpUpload)
#include "test_ftpupload.moc"
