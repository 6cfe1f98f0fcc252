// The --text and --render commands, called directly and through the program.
#include "viewer/ViewerCommand.h"

#include "TarvoResources.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestViewerCommand : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    struct Result {
        int rc;
        QByteArray out;
        QString err;
    };
    static Result run(const QStringList& args) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString err;
        QTextStream errStream(&err);
        const int rc = RunViewerCommand(args, out, errStream);
        errStream.flush();
        return {rc, out.data(), err};
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        write("page.htm", "<TITLE>T</TITLE><H1>Caf\xe9</H1><P>Hello <B>world</B>");
        write("broken.htm", "<P>Before<!-- never closed <P>After");
    }

    void textIsWhatTheViewerCopies() {
        const Result r = run({"--text", path("page.htm")});
        QCOMPARE(r.rc, 0);
        QCOMPARE(r.err, QString());
        const QString text = QString::fromUtf8(r.out);
        QVERIFY2(text.contains(QString::fromUtf8("Café")), qPrintable(text));
        QVERIFY(text.contains("Hello world"));
    }

    void longTextKeepsLettersBeyondTheBasicPlane() {
        // The text is written in slices; a letter of two UTF-16 units must
        // not be cut in two at a slice's end, whichever place it falls on.
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
        for (const QString& prefix : {QString(), QString("a")}) {
            QString page = "<meta charset=utf-8><p>" + prefix;
            for (int p = 0; p < 5; ++p)
                page += "<p>" + face.repeated(9000);
            write("faces.htm", page.toUtf8());
            const Result r = run({"--text", path("faces.htm")});
            QCOMPARE(r.rc, 0);
            const QString text = QString::fromUtf8(r.out);
            QVERIFY(!text.contains(QChar::ReplacementCharacter));
            QCOMPARE(text.count(face), 45000);
        }
    }

    // The bytes are read in the encoding they declare; undeclared, as UTF-8
    // when they are valid UTF-8 and as Windows-1252 otherwise.
    void textIsReadInItsEncoding() {
        const QByteArray utf8 = QString::fromUtf8("Zoë Łódź 日本語 😀").toUtf8();
        const struct {
            const char* name;
            QByteArray bytes;
            QString text;
        } pages[] = {
            {"utf8.htm", "<P>" + utf8, QString::fromUtf8(utf8)},
            {"bom.htm", "\xEF\xBB\xBF<P>" + utf8, QString::fromUtf8(utf8)},
            {"declared.htm", "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
                             "</HEAD><P>caf\xC3\xA9 \x80",
             QString::fromUtf8("cafÃ© €")},
            {"meta-utf8.htm", "<meta charset='UTF-8'><P>caf\xC3\xA9", QString::fromUtf8("café")},
            {"latin.htm", "<P>Zo\xEB caf\xE9 \x93", QString::fromUtf8("Zoë café “")},
        };
        for (const auto& page : pages) {
            write(page.name, page.bytes);
            const Result r = run({"--text", path(page.name)});
            QCOMPARE(r.rc, 0);
            QCOMPARE(QString::fromUtf8(r.out).trimmed(), page.text);
        }
    }

    void missingFileAndBadArguments() {
        Result r = run({"--text", path("gone.htm")});
        QCOMPARE(r.rc, 2);
        QCOMPARE(r.err, "tarvo: Can't locate file: " + path("gone.htm") + "\n");
        QVERIFY(r.out.isEmpty());
        QCOMPARE(run({"--render", path("page.htm")}).rc, 1);  // no -o
        QCOMPARE(run({"--text", path("page.htm"), "--width", "abc"}).rc, 1);
        QCOMPARE(run({"--text", path("page.htm"), "--width", "99999999"}).rc, 1);
        QCOMPARE(run({"--render", path("page.htm"), "-o", path("no/such/dir/x.png")}).rc, 3);
    }

    void parseErrorStillWritesWhatWasRead() {
        const Result r = run({"--text", path("broken.htm")});
        QCOMPARE(r.rc, 4);
        QVERIFY(QString::fromUtf8(r.out).contains("Before"));
        QVERIFY(!QString::fromUtf8(r.out).contains("After"));
        QVERIFY(r.err.startsWith("tarvo: "));
        QCOMPARE(r.err.count('\n'), 1);
    }

    void droppedTablesAreToldInOneLine() {
        const QByteArray wide = "<TABLE><TR>" + QByteArray("<TD>c").repeated(31) + "</TABLE>";
        write("wide.htm", "before" + wide + "middle" + wide + "after");
        for (const char* mode : {"--text", "--render"}) {
            const Result r = run({mode, path("wide.htm"), "-o", path("wide.png")});
            QCOMPARE(r.rc, 0);
            QCOMPARE(r.err, QString("tarvo: Table has too many Columns\n"));
        }
        QVERIFY(QString::fromUtf8(run({"--text", path("wide.htm")}).out).contains("after"));
    }

    void renderIsTheWholeDocument() {
        const QString png = path("out.png");
        QCOMPARE(run({"--render", path("page.htm"), "-o", png, "--width", "320"}).rc, 0);
        const QImage img(png);
        QCOMPARE(img.width(), 320);
        QVERIFY(img.height() > 40 && img.height() < 200);
        // Text sits right of the 10-pixel margin, on the grey background.
        QCOMPARE(QColor(img.pixel(5, img.height() / 2)), QColor(0xC0, 0xC0, 0xC0));
        bool ink = false;
        for (int y = 0; y < img.height() && !ink; ++y)
            for (int x = 10; x < 100 && !ink; ++x)
                ink = qGray(img.pixel(x, y)) < 80;
        QVERIFY(ink);

        const QImage snap = RenderHtmlFile(path("page.htm"), QSize(200, 100));
        QCOMPARE(snap.size(), QSize(200, 100));
        QString error;
        const QImage lines = RenderHtmlLines({"<BODY BGCOLOR=white>", "hi"}, dir_.path(),
                                             QSize(120, 50), &error);
        QCOMPARE(error, QString());
        QCOMPARE(QColor(lines.pixel(119, 49)), QColor(Qt::white));
    }

    void theProgramAnswersWithoutAWindow() {
        const QString bin = qEnvironmentVariable("TARVO_BIN_DIR") + "/tarvo";
        if (!QFile::exists(bin))
            QSKIP("the program is not built");
        QProcess p;
        p.start(bin, {"--text", path("page.htm"), "--width", "400"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QString::fromUtf8("Café")));

        p.start(bin, {"--text", path("broken.htm")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 4);
        QVERIFY(p.readAllStandardOutput().contains("Before"));

        p.start(bin, {"--render", path("gone.htm"), "-o", path("x.png")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(p.readAllStandardError().count('\n'), 1);

        p.start(bin, {"--render", path("page.htm"), "-o", path("p.png"), "--width", "250"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QImage(path("p.png")).width(), 250);
    }

    // One large picture named in 24 ways is decoded once: the render's
    // peak memory, read from the finished child, stays far below what 24
    // copies would take (130 MB each).
    void onePictureNamedManyWaysIsDecodedOnce() {
        const QString bin = qEnvironmentVariable("TARVO_BIN_DIR") + "/tarvo";
        if (!QFile::exists(bin))
            QSKIP("the program is not built");
        {
            QImage big(5700, 5700, QImage::Format_RGB32);
            QVERIFY(!big.isNull());
            big.fill(QColor(200, 120, 40));
            QVERIFY(big.save(path("big.png"), "PNG"));
        }
        QByteArray page;
        for (int i = 0; i < 24; ++i)
            page += "<IMG SRC=\"" + QByteArray("./").repeated(i) + "big.png\">";
        write("big.htm", page);
        const QByteArray program = bin.toLocal8Bit(), file = path("big.htm").toLocal8Bit(),
                         png = path("big-out.png").toLocal8Bit();
        char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("--render"),
                        const_cast<char*>(file.constData()), const_cast<char*>("-o"),
                        const_cast<char*>(png.constData()), nullptr};
        pid_t pid = 0;
        QCOMPARE(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
        int status = 0;
        rusage usage = {};
        QCOMPARE(wait4(pid, &status, 0, &usage), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(QImageReader(path("big-out.png")).size().width(), 600);
        QVERIFY2(usage.ru_maxrss < 400 * 1024, qPrintable(QString("%1 kB").arg(usage.ru_maxrss)));
    }

    // --text is done by the launcher alone; every other command needs the
    // program library, and its absence is told in one line.
    void textNeedsNoProgramLibrary() {
        const QString bin = qEnvironmentVariable("TARVO_BIN_DIR") + "/tarvo";
        if (!QFile::exists(bin))
            QSKIP("the program is not built");
        QDir(dir_.path()).mkpath("alone/bin");
        const QString alone = path("alone/bin/tarvo");
        QVERIFY(QFile::copy(bin, alone));
        // The same text as the viewer gives in the program, stand-in
        // picture of a missing image included.
        write("pic.htm", "<CENTER><A HREF=\"x\"><IMG SRC=\"gone.gif\"></A></CENTER><P>Caf\xe9");
        InitTarvoResources();
        const Result expected = run({"--text", path("pic.htm")});
        QCOMPARE(expected.rc, 0);
        QProcess p;
        p.start(alone, {"--text", path("pic.htm")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), expected.out);

        p.start(alone, {"--render", path("page.htm"), "-o", path("q.png")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.contains("program library"), err.constData());
        QVERIFY(!QFile::exists(path("q.png")));
    }
};

QTEST_MAIN(TestViewerCommand)
#include "test_viewer_command.moc"
