// `tarvo --upload`: what it sends and its exit statuses, against a real
// local server, a closed port and a listener that never answers.
#include "FtpTestServer.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "docs/PageFile.h"
#include "model/WebBlocks.h"
#include "upload/ServerList.h"

#include <QSettings>

#include <QElapsedTimer>
#include <QTcpServer>

#include <csignal>

class TestUploadCommand : public QObject {
    Q_OBJECT

    struct TResult {
        int status = -1;
        QString out, err;
        qint64 ms = 0;
    };

    // Runs the program in `env`'s folder; `whileRunning` is called once it
    // has written `waitFor` to standard error.
    TResult Tarvo(const TTestEnv& env, const QStringList& args, const QString& waitFor = QString(),
                  const std::function<void(QProcess&)>& whileRunning = {}) {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("TARVO_APPDIR", env.appDir());
        e.insert("XDG_CONFIG_HOME", env.configDir());
        p.setProcessEnvironment(e);
        QElapsedTimer t;
        t.start();
        p.start(QString::fromLocal8Bit(qgetenv("TARVO_BIN_DIR")) + "/tarvo", args);
        TResult r;
        if (!waitFor.isEmpty()) {
            QByteArray err;
            while (p.state() != QProcess::NotRunning && !err.contains(waitFor.toUtf8())) {
                p.waitForReadyRead(100);
                err += p.readAllStandardError();
            }
            r.err = QString::fromUtf8(err);
            if (whileRunning) whileRunning(p);
        }
        p.waitForFinished(120000);
        r.ms = t.elapsed();
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err += QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    static QString Document(const TTestEnv& env) {
        const QString doc = env.appDir() + "/save/my page.tve";
        QFile::copy(env.appDir() + "/template/Family.tvt", doc);
        return doc;
    }
    static QString Url(const TFtpTestServer& s, const QString& dir = QString(), const QString& pass = "s3cret%20pass") {
        return QStringLiteral("ftp://webuser:%1@127.0.0.1:%2/%3").arg(pass).arg(s.port()).arg(dir);
    }

private slots:
    // A page from a stranger whose text points at files outside the HTML
    // folder: none is read or sent, each is named on standard error, the
    // rest still goes, and the status is 7. The password comes privately.
    void refusedReferencesAndAPrivatePassword() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QString secret = env.appDir() + "/secret.txt";
        QFile f(secret);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("private");
        f.close();
        TPage page;
        page.InsertChunk(0, NewChunkForKind(bkPara));
        page.Chunk(0)->Para->Paragraph = "<IMG SRC=\"../secret.txt\"><IMG SRC=\"" + secret +
                                       "\"><IMG SRC=\"graphics/button.gif\">";
        const QString doc = env.appDir() + "/save/hostile.tve";
        QVERIFY(WritePageFile(doc, page, QString(), QImage()));

        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("TARVO_APPDIR", env.appDir());
        e.insert("XDG_CONFIG_HOME", env.configDir());
        p.setProcessEnvironment(e);
        p.start(QString::fromLocal8Bit(qgetenv("TARVO_BIN_DIR")) + "/tarvo",
                {"--upload", doc, "--no-logo", "--password-stdin", "--to",
                 QStringLiteral("ftp://webuser@127.0.0.1:%1/www").arg(server.port())});
        p.write("s3cret pass\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 7);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("graphics/button.gif\nhostile.html\n"));
        QVERIFY2(err.contains("tarvo: ../secret.txt was not sent: outside the page's folder\n"), qPrintable(err));
        QVERIFY2(err.contains("tarvo: " + secret + " was not sent: outside the page's folder\n"), qPrintable(err));
        QCOMPARE(server.files(), (QStringList{"www/graphics/button.gif", "www/hostile.html"}));

        // The password from the environment; one in the address is warned about.
        e.insert("TARVO_PASSWORD", "s3cret pass");
        p.setProcessEnvironment(e);
        p.start(QString::fromLocal8Bit(qgetenv("TARVO_BIN_DIR")) + "/tarvo",
                {"--upload", Document(env), "--to", QStringLiteral("ftp://webuser@127.0.0.1:%1/env").arg(server.port())});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFileInfo::exists(server.path("env/mypage.html")));
        const TResult inUrl = Tarvo(env, {"--upload", Document(env), "--to", Url(server, "url")});
        QCOMPARE(inUrl.status, 0);
        QVERIFY(inUrl.err.contains("--password-stdin"));
    }

    void sendsThePageAndItsPicturesByteForByte() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QString doc = Document(env);
        const TResult r = Tarvo(env, {"--upload", doc, "--to", Url(server, "public_html/site")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("graphics/house.png\ngraphics/button.gif\nmypage.html\n"));
        // The page is what --html prints, written where the Send stage reads it.
        QProcess html;
        html.start(QString::fromLocal8Bit(qgetenv("TARVO_BIN_DIR")) + "/tarvo", {"--html", doc});
        html.waitForFinished();
        const QByteArray page = html.readAllStandardOutput();
        QVERIFY(page.contains("graphics/button.gif"));
        QCOMPARE(ReadFileBytes(env.appDir() + "/HTMLFiles/my page.html"), page);
        QCOMPARE(server.read("public_html/site/mypage.html"), page);
        for (const char* pic : {"graphics/house.png", "graphics/button.gif"})
            QCOMPARE(server.read(QStringLiteral("public_html/site/") + pic), ReadFileBytes(env.appDir() + "/HTMLFiles/" + pic));
        QVERIFY(QFileInfo(server.path("public_html/site/backgrnd")).isDir());

        // An entry of the user's server list.
        TServerList list;
        auto entry = std::make_unique<tWWWServerType>();
        entry->Name = "My Web Server";
        entry->Address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        entry->Directory = "public_html";
        entry->UserName = TFtpTestServer::kUser;
        entry->Password = TFtpTestServer::kPassword;
        list.push_back(std::move(entry));
        SaveServerList(list);
        const TResult named = Tarvo(env, {"--upload", doc, "--server", "My Web Server"});
        QCOMPARE(named.status, 0);
        QCOMPARE(server.read("public_html/graphics/button.gif"), ReadFileBytes(env.appDir() + "/HTMLFiles/graphics/button.gif"));

        // Without the logo its picture is not sent.
        const TResult n = Tarvo(env, {"--upload", doc, "--no-logo", "--to", Url(server)});
        QCOMPARE(n.status, 0);
        QCOMPARE(n.out, QStringLiteral("graphics/house.png\nmypage.html\n"));
    }

    // A page in many languages, with a picture whose name has such letters
    // (as the image button keeps it), saved and sent: every character
    // arrives, and the picture lies where the page's reference points.
    void anyLanguageAndPictureNameArrive() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QString line = QString::fromUtf8("Zoë's café — Łódź, Ελληνικά, Русский, 日本語 😀");
        const QString picture = QString::fromUtf8("café日本.png");
        QVERIFY(QDir().mkpath(env.appDir() + "/HTMLFiles/graphics"));
        QFile pic(env.appDir() + "/HTMLFiles/graphics/" + picture);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.write("picture bytes");
        pic.close();
        TPage page;
        page.PageTitle = line;
        for (int kind : {bkHeading, bkPara, bkImage}) {
            auto c = std::make_unique<TWebChunk>();
            c->Kind = kind;
            c->AllocateRecord();
            page.WebChunks.push_back(std::move(c));
        }
        page.Chunk(0)->Heading->HeadText = line;
        page.Chunk(1)->Para->Paragraph = line;
        page.Chunk(2)->Image->FileName = "graphics\\" + picture;
        const QString doc = env.appDir() + "/save/" + line.left(5) + ".tve";
        QVERIFY(WritePageFile(doc, page, "[None]", QImage(1, 1, QImage::Format_RGB32)));

        const TResult r = Tarvo(env, {"--upload", doc, "--no-logo", "--to", Url(server)});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("graphics/") + picture + QString::fromUtf8("\nZoë's.html\n"));
        QCOMPARE(server.read("graphics/" + picture), QByteArray("picture bytes"));
        const QByteArray sent = server.read(QString::fromUtf8("Zoë's.html"));
        QVERIFY(sent.contains("<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
                              "<TITLE>" + line.toUtf8() + "</TITLE>"));
        QVERIFY(sent.contains("<H1>" + line.toUtf8() + "</H1>"));
        QVERIFY(sent.contains("\r\n" + line.toUtf8() + "\r\n"));
        QVERIFY(sent.contains("<IMG SRC=\"graphics/caf%C3%A9%E6%97%A5%E6%9C%AC.png\">"));
    }

    // ftps:// and sftp:// in --to: an untrusted key ends with status 5 and
    // its fingerprint, --trust with that fingerprint accepts it.
    void secureAddressesAndTrust() {
        TTestEnv env;
        TCertificates certs;
        QVERIFY(certs.ok());
        QTemporaryDir keys;
        TFtpTestServer ftps("ftpsserver.py", certs.Server("self"));
        TFtpTestServer sftp("sftpserver.py", {keys.filePath("host")});
        QVERIFY(ftps.ok() && sftp.ok());
        const QString doc = Document(env);
        for (TFtpTestServer* s : {&ftps, &sftp}) {
            const QString url = QStringLiteral("%1://webuser:s3cret%20pass@127.0.0.1:%2/www")
                                    .arg(s == &ftps ? "ftps" : "sftp")
                                    .arg(s->port());
            const TResult refused = Tarvo(env, {"--upload", doc, "--to", url});
            QCOMPARE(refused.status, 5);
            QVERIFY(refused.out.isEmpty());
            const auto m = QRegularExpression("--trust (\\S+)").match(refused.err);
            QVERIFY2(m.hasMatch(), qPrintable(refused.err));
            QVERIFY(s->files().isEmpty());
            QCOMPARE(Tarvo(env, {"--upload", doc, "--to", url, "--trust", "sha256//other"}).status, 5);

            const TResult trusted = Tarvo(env, {"--upload", doc, "--to", url, "--trust", m.captured(1)});
            QCOMPARE(trusted.status, 0);
            QCOMPARE(trusted.out, QStringLiteral("graphics/house.png\ngraphics/button.gif\nmypage.html\n"));
            QCOMPARE(s->read("www/graphics/house.png"), ReadFileBytes(env.appDir() + "/HTMLFiles/graphics/house.png"));
            QCOMPARE(s->read("www/mypage.html"), ReadFileBytes(env.appDir() + "/HTMLFiles/my page.html"));
        }
    }

    // A server list written before connection kinds existed: no
    // "Security", the password scrambled in the settings. It uploads over
    // plain FTP.
    void listWrittenBeforeConnectionKinds() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        {
            QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo");
            raw.setValue("WWWServers/Order", "Old");
            raw.setValue("WWWServers/Old/Address", QStringLiteral("127.0.0.1:%1").arg(server.port()));
            raw.setValue("WWWServers/Old/Directory", "site");
            raw.setValue("WWWServers/Old/UserName", TFtpTestServer::kUser);
            raw.setValue("WWWServers/Old/Password", ScramblePassword(TFtpTestServer::kPassword, TScrambleMode::ENC));
        }
        QCOMPARE(ReadServer("Old").Security, TSecurity::FTP);
        const TResult r = Tarvo(env, {"--upload", Document(env), "--server", "Old"});
        QCOMPARE(r.status, 0);
        QCOMPARE(server.read("site/mypage.html"), ReadFileBytes(env.appDir() + "/HTMLFiles/my page.html"));
    }

    void exitStatuses() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QString doc = Document(env);
        QCOMPARE(Tarvo(env, {"--upload", doc}).status, 1);
        QCOMPARE(Tarvo(env, {"--upload", doc, "--to", "http://x/"}).status, 1);
        QCOMPARE(Tarvo(env, {"--upload", doc, "--server", "Nobody's"}).status, 1);
        QCOMPARE(Tarvo(env, {"--upload", env.appDir() + "/save/none.tve", "--to", Url(server)}).status, 2);

        const TResult login = Tarvo(env, {"--upload", doc, "--to", Url(server, "", "wrong")});
        QCOMPARE(login.status, 5);
        QVERIFY(login.err.contains("530"));
        QVERIFY(login.out.isEmpty());

        QFile blocker(server.path("blocked"));
        blocker.open(QIODevice::WriteOnly);
        blocker.close();
        QCOMPARE(Tarvo(env, {"--upload", doc, "--to", Url(server, "blocked/www")}).status, 6);

        // A missing picture: the others are still sent.
        QFile::remove(env.appDir() + "/HTMLFiles/graphics/house.png");
        const TResult missing = Tarvo(env, {"--upload", doc, "--to", Url(server, "m")});
        QCOMPARE(missing.status, 7);
        QCOMPARE(missing.out, QStringLiteral("graphics/button.gif\nmypage.html\n"));
        QVERIFY(missing.err.contains("graphics/house.png was not sent"));
    }

    void unreachableServers() {
        TTestEnv env;
        const QString doc = Document(env);
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int closed = probe.serverPort();
        probe.close();
        const TResult refused = Tarvo(env, {"--upload", doc, "--to", QStringLiteral("ftp://u:p@127.0.0.1:%1/").arg(closed)});
        QCOMPARE(refused.status, 5);
        QVERIFY(refused.err.contains("The connection was refused."));
        // Not reached: no word of the log-in.
        QVERIFY2(refused.err.contains("could not connect to 127.0.0.1 (check the address and port)") &&
                     !refused.err.contains("log in"),
                 qPrintable(refused.err));

        // Accepts and never answers: bounded by the server wait (30 seconds,
        // made 2 here through TARVO_SERVER_TIMEOUT).
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        qputenv("TARVO_SERVER_TIMEOUT", "2");
        const TResult mute = Tarvo(env, {"--upload", doc, "--to", QStringLiteral("ftp://u:p@127.0.0.1:%1/").arg(silent.serverPort())});
        qunsetenv("TARVO_SERVER_TIMEOUT");
        QCOMPARE(mute.status, 5);
        QVERIFY(mute.err.contains("The server did not answer."));
        QVERIFY2(mute.ms >= 1500, qPrintable(QString::number(mute.ms)));
    }

    void terminatedMidTransferLeavesNoHalfFile() {
        TTestEnv env;
        TFtpTestServer server(300 * 1024);
        QVERIFY(server.ok());
        const QString doc = Document(env);
        // A large picture in place of the house.
        QFile big(env.appDir() + "/HTMLFiles/graphics/house.png");
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(6 << 20, 'x'));
        big.close();
        QDir().mkpath(server.path("graphics"));
        QFile old(server.path("graphics/house.png"));
        old.open(QIODevice::WriteOnly);
        old.write("old house");
        old.close();
        const TResult r = Tarvo(env, {"--upload", doc, "--to", Url(server)}, "Uploading files",
                                [&server](QProcess& p) {
                                    // Terminated once the picture's temporary file is begun.
                                    QTRY_VERIFY_WITH_TIMEOUT(
                                        !server.files().filter("tarvo-upload").filter("house.png").isEmpty(), 60000);
                                    ::kill(pid_t(p.processId()), SIGTERM);
                                });
        QCOMPARE(r.status, 8);
        // The page waits for its pictures, so it was not sent either.
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains("tarvo: Your page was not sent (the server shows what it showed before); 0 of 2 "
                                "other files were sent."),
                 qPrintable(r.err));
        QCOMPARE(server.read("graphics/house.png"), QByteArray("old house"));
        QTRY_COMPARE(server.files(), (QStringList{"graphics/house.png"}));
    }
};

QTEST_MAIN(TestUploadCommand)
#include "test_uploadcommand.moc"
