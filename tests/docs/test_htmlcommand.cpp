#include "TestSupport.h"
#include "app/Utils.h"
#include "docs/HtmlCommand.h"
#include "docs/PageFile.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

struct TRun {
    int status = -1;
    QByteArray out;
    QString err;
};

TRun Run(const QStringList& args) {
    TRun r;
    QBuffer out(&r.out);
    out.open(QIODevice::WriteOnly);
    QTextStream err(&r.err);
    r.status = RunHtmlCommand(args, out, err);
    err.flush();
    return r;
}


// A page with a heading and a paragraph, stored with the given style name.
QString SavePage(const QString& folder, const QString& styleName, TPage& page) {
    auto h = std::make_unique<TWebChunk>();
    h->Kind = bkHeading;
    h->AllocateRecord();
    h->Heading->HeadText = QStringLiteral("Caf\u00e9");
    page.WebChunks.push_back(std::move(h));
    auto p = std::make_unique<TWebChunk>();
    p->Kind = bkPara;
    p->AllocateRecord();
    p->Para->Paragraph = "a\r\nb";
    page.WebChunks.push_back(std::move(p));
    page.PageTitle = "Mine";
    const QString path = QDir(folder).filePath("save/page.tve");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return QString();
    f.write(PageFileBytes(page, styleName));
    return path;
}

TStyleChunk Ocean() {
    return {"Ocean", "backgrnd\\Sea.JPG", 0xFFEECC, 0x000080, 0xFF0000, 0x0000FF, 0x800080};
}

}  // namespace

class TestHtmlCommand : public QObject {
    Q_OBJECT
private slots:
    void writesThePageWithLogoAndStoredStyle();
    void noLogoUnknownStyleAndOutputFile();
    void usage();
    void missingNotAPageAndDamaged();
};

void TestHtmlCommand::writesThePageWithLogoAndStoredStyle() {
    TTestEnv env;
    TStyleList styles;
    styles.push_back(std::make_unique<TStyleChunk>());
    styles.back()->StyleName = "Plain";
    styles.push_back(std::make_unique<TStyleChunk>(Ocean()));
    QVERIFY(WriteStylesToFile(StylesDataPath(), styles));
    TPage page;
    const QString path = SavePage(env.appDir(), "OCEAN", page);  // matched without regard to case

    const TRun r = Run({"--html", path});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    const TStyleChunk ocean = Ocean();
    const QByteArray expected = AddBodyDef(BuildPageHTML(page, true), &ocean).toUtf8();
    QCOMPARE(r.out, expected);
    QVERIFY(r.out.contains("<BODY BACKGROUND=\"backgrnd/sea.jpg\" BGCOLOR=\"#CCEEFF\""));
    // Not ASCII: UTF-8, and the head says so.
    QVERIFY(r.out.contains("<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
                           "<TITLE>Mine</TITLE>\r\n"));
    QVERIFY(r.out.contains("<H1>Caf\xc3\xa9</H1>\r\n\r\na<BR>\r\nb\r\n"));
    QVERIFY(r.out.contains(ToAnsi(LogoLine())));
    QVERIFY(r.out.endsWith("</BODY>\r\n</HTML>\r\n"));
}

void TestHtmlCommand::noLogoUnknownStyleAndOutputFile() {
    TTestEnv env;
    QFile::remove(StylesDataPath());  // no style file: "[None]" only
    TPage page;
    const QString path = SavePage(env.appDir(), "Gone", page);
    const QString outFile = QDir(env.appDir()).filePath("out.html");
    const TRun r = Run({"--html", "--no-logo", path, "-o", outFile});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.isEmpty());
    QFile f(outFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), BuildPageHTML(page, false).toUtf8());
    // An output file that cannot be written is an error of its own.
    const TRun bad = Run({"--html", path, "-o", QDir(env.appDir()).filePath("nowhere/out.html")});
    QCOMPARE(bad.status, 2);
    QVERIFY(bad.err.startsWith("tarvo: cannot write"));

    // No title and no heading: the document's name, as the window writes it.
    TPage plain;
    plain.WebChunks.push_back(std::move(page.WebChunks.back()));
    const QString untitled = QDir(env.appDir()).filePath("save/Choir news.tve");
    QVERIFY(WriteFileBytes(untitled, PageFileBytes(plain, QString())));
    const TRun named = Run({"--html", untitled});
    QCOMPARE(named.status, 0);
    QVERIFY2(named.out.contains("<TITLE>Choir news</TITLE>"), named.out.constData());
}

void TestHtmlCommand::usage() {
    TTestEnv env;
    const QList<QStringList> misuses = {
        {}, {"--html"}, {"--html", "a.tve", "b.tve"}, {"--html", "a.tve", "-o"},
        {"--html", "a.tve", "--logo"}, {"--text", "a.tve"}, {"--html", "-o", "x", "-o", "y", "a.tve"},
    };
    for (const QStringList& args : misuses) {
        const TRun r = Run(args);
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("usage: tarvo --html DOCUMENT"));
        QCOMPARE(r.err.count('\n'), 1);
    }
}

void TestHtmlCommand::missingNotAPageAndDamaged() {
    TTestEnv env;
    const QString dir = QDir(env.appDir()).filePath("save");
    TRun r = Run({"--html", QDir(dir).filePath("missing.tve")});
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);

    const QString outFile = QDir(env.appDir()).filePath("out.html");
    const QString odd = QDir(dir).filePath("odd.tve");
    for (const QByteArray& bytes : {QByteArray("Hello"), QByteArray("Tarvo File1.x3"), QByteArray("Tarvo File3.03")}) {
        QVERIFY(WriteFileBytes(odd, bytes));
        r = Run({"--html", odd, "-o", outFile});
        QCOMPARE(r.status, 2);
        QVERIFY(!QFile::exists(outFile));
        QVERIFY(r.err.contains("not a Tarvo page") || r.err.contains("cannot read"));
        QCOMPARE(r.err.count('\n'), 1);
    }

    // Cut inside the second block: the first block's HTML is written.
    TPage page;
    const QString path = SavePage(env.appDir(), "[None]", page);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.resize(f.size() - 30));
    f.close();
    r = Run({"--html", path});
    QCOMPARE(r.status, 2);
    page.WebChunks.pop_back();
    QCOMPARE(r.out, BuildPageHTML(page, true).toUtf8());
    QVERIFY(r.err.startsWith("tarvo: warning: "));
    QCOMPARE(r.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestHtmlCommand)
#include "test_htmlcommand.moc"
