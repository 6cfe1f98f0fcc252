#include "TestSupport.h"
#include "app/Utils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Paths in these tests are written with "/" and turned into the platform's
// form, so the same cases hold on every system.
static QString N(const QString& p) { return QDir::toNativeSeparators(p); }

class TestUtils : public QObject {
    Q_OBJECT
private slots:
    void joinPathAndUrl();
    void stripExtension();
    void relativePath();
    void resolveReference();
    void substrings();
    void lastPos();
    void replaceAll();
    void stripQuotesAndTagAttribute();
    void colorToHTML();
    void loadFileText();
    void ansiAndStoredText();
};

void TestUtils::joinPathAndUrl() {
    QCOMPARE(JoinPath(N("/a/"), N("/b.txt")), N("/a/b.txt"));
    QCOMPARE(JoinPath(N("/a"), "b.txt"), N("/a/b.txt"));
    QCOMPARE(JoinPath("", "b.txt"), N("/b.txt"));
    // Only one leading separator of the name is dropped.
    QCOMPARE(JoinPath(N("/a"), N("//b")), N("/a//b"));
    QCOMPARE(JoinURL("x/", "p.html"), QString("x/p.html"));
    QCOMPARE(JoinURL("x", "p.html"), QString("x/p.html"));
    QCOMPARE(JoinURL("x", "/p.html"), QString("x//p.html"));
}

void TestUtils::stripExtension() {
    QCOMPARE(StripExtension(N("/save/page.tve")), N("/save/page"));
    QCOMPARE(StripExtension("README"), QString("README"));
    QCOMPARE(StripExtension(""), QString(""));
    // The search does not stop at folder separators.
    QCOMPARE(StripExtension(N("/my.folder/file")), N("/my"));
    QCOMPARE(StripExtension("a.b.c"), QString("a.b"));
}

void TestUtils::relativePath() {
    QCOMPARE(RelativePath(N("/Prog/HTMLFiles/x"), N("/Prog/HTMLFiles/backgrnd/sky.jpg")), N("backgrnd/sky.jpg"));
    QCOMPARE(RelativePath(N("/Prog/HTMLFiles/x"), N("/Prog/graphics/a.gif")), N("../graphics/a.gif"));
    QCOMPARE(RelativePath(N("/Prog/HTMLFiles/x"), ""), QString(""));
    QCOMPARE(RelativePath("a", N("/Prog/x.gif")), N("/Prog/x.gif"));
    // Letter case counts: a folder that differs in case is another folder.
    QCOMPARE(RelativePath(N("/Prog/html/x"), N("/Prog/HTML/a.gif")), N("../HTML/a.gif"));
    // A relative target is not comparable with an absolute base.
    QCOMPARE(RelativePath(N("/Prog/x"), "pics/a.gif"), QString("pics/a.gif"));
}

void TestUtils::resolveReference() {
    const QString base = N("/P/HTMLFiles/page.html");
    auto inside = [&](const QString& ref) { return ResolveReference(base, ref).Local; };
    QCOMPARE(inside("graphics\\logo.gif"), N("/P/HTMLFiles/graphics/logo.gif"));
    QCOMPARE(inside("\"pic.gif\""), N("/P/HTMLFiles/pic.gif"));
    QCOMPARE(inside("a/../graphics/./x.gif"), N("/P/HTMLFiles/graphics/x.gif"));
    QCOMPARE(ResolveReference(base, "a/../graphics/./x.gif").Inside, QString("graphics/x.gif"));
    // Nothing outside the page's folder, however it is written.
    for (const char* ref : {"../graphics/logo.gif", "../../a/b.gif", "graphics/../../x", "D:\\pics\\x.gif", "/abs/x.gif",
                            "\\\\server\\share\\x.gif", "file:///etc/passwd", "FILE:x.gif", "", "graphics/.."}) {
        const TResolvedReference r = ResolveReference(base, ref);
        QVERIFY2(r.Refused() && r.Local.isEmpty(), ref);
        QCOMPARE(r.Refusal, QString("outside the page's folder"));
    }
}

void TestUtils::substrings() {
    QCOMPARE(MidStr("abcdef", 2, 3), QString("bcd"));
    QCOMPARE(MidStr("abcdef", 5, 10), QString("ef"));
    QCOMPARE(MidStr("abcdef", 7, 1), QString(""));
    QCOMPARE(MidStr("abcdef", 0, 2), QString("a"));
    QCOMPARE(LeftStr("abc", 5), QString("abc"));
    QCOMPARE(LeftStr("abc", -1), QString(""));
    QCOMPARE(RightStr("abcdef", 2), QString("ef"));
    QCOMPARE(DropRight("abcdef", 2), QString("abcd"));
    QCOMPARE(DropRight("ab", 2), QString(""));
    QCOMPARE(DropRight("ab", 5), QString(""));
}

void TestUtils::lastPos() {
    QCOMPARE(LastPos(0, "abcabc", "bc"), 5);
    QCOMPARE(LastPos(4, "abcabc", "bc"), 2);
    QCOMPARE(LastPos(1, "abcabc", "bc"), 0);
    QCOMPARE(LastPos(0, "abc", "x"), 0);
    QCOMPARE(LastPos(0, "a", "abc"), 0);
    QCOMPARE(LastPos(99, "abcabc", "abc"), 4);
}

void TestUtils::replaceAll() {
    QCOMPARE(ReplaceAll("a b c", " ", ""), QString("abc"));
    // A replacement that contains the part is never searched again.
    QCOMPARE(ReplaceAll("aXa", "a", "aa"), QString("aaXaa"));
    QCOMPARE(ReplaceAll("Aa", "a", "b"), QString("Ab"));
    QCOMPARE(ReplaceAll("abc", "", "x"), QString("abc"));
    QCOMPARE(ReplaceAllNoCase("<body>x</BODY>", "</body>", "</BODY>\r\n"), QString("<body>x</BODY>\r\n"));
    QCOMPARE(ReplaceAllNoCase("aAbB", "ab", "-"), QString("a-B"));
}

void TestUtils::stripQuotesAndTagAttribute() {
    QCOMPARE(StripQuotes("  \"abc\"  "), QString("abc"));
    QCOMPARE(StripQuotes("abc\""), QString("abc"));
    QCOMPARE(StripQuotes("\""), QString(""));
    QCOMPARE(StripQuotes("a\"b"), QString("a\"b"));

    QCOMPARE(GetTagAttribute("IMG SRC=\"pic one.gif\"", "SRC"), QString("pic one.gif"));
    QCOMPARE(GetTagAttribute("img src=pic.gif alt=x", "SRC"), QString("pic.gif"));
    QCOMPARE(GetTagAttribute("<IMG SRC=Pic.GIF>", "src"), QString("Pic.GIF"));
    QCOMPARE(GetTagAttribute("<IMG ALT=x>", "src"), QString(""));
    QCOMPARE(GetTagAttribute("<A HREF=\"a\r\nb\">", "href"), QString("a\r\nb"));
    QCOMPARE(GetTagAttribute("<IMG SRC=a.gif\r\nALT=x>", "src"), QString("a.gif"));
    QCOMPARE(GetTagAttribute("<IMG SRC=", "src"), QString(""));
    QCOMPARE(GetTagAttribute("<IMG SRC=\"a.gif\" ALT=x>", "src"), QString("a.gif"));
}

void TestUtils::colorToHTML() {
    QCOMPARE(ColorToHTML(0x00FF0000), QString("0000FF"));
    QCOMPARE(ColorToHTML(0x00C0C0C0), QString("C0C0C0"));
    QCOMPARE(ColorToHTML(0x000080FF), QString("FF8000"));
    QCOMPARE(ColorToHTML(0x00000000), QString("000000"));
}

void TestUtils::loadFileText() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.html");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("one\ntwo\r\nthree\rfour\xE9");
    f.close();
    QString text = "untouched";
    LoadFileText(dir.filePath("missing.html"), text);
    QCOMPARE(text, QString("untouched"));
    LoadFileText(path, text);
    QCOMPARE(text, QString("one\r\ntwo\r\nthree\r\nfour\u00E9\r\n"));
    // Valid UTF-8 is read as UTF-8.
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QString::fromUtf8("café 日").toUtf8());
    f.close();
    LoadFileText(path, text);
    QCOMPARE(text, QString::fromUtf8("café 日\r\n"));
}

void TestUtils::ansiAndStoredText() {
    const QString text = QString::fromUtf8("Caf\u00E9 \u20AC \u201Cquoted\u201D \u2022");
    const QByteArray bytes = ToAnsi(text);
    QCOMPARE(bytes.size(), text.size());
    QCOMPARE(bytes, QByteArray("Caf\xE9 \x80 \x93quoted\x94 \x95"));
    QCOMPARE(FromAnsi(bytes), text);
    QVERIFY(FitsAnsi(text));
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    QCOMPARE(ToAnsi(FromAnsi(all)), all);
    QVERIFY(FitsAnsi(FromAnsi(all)));

    // Stored text: Windows-1252 bytes as before when they can hold it,
    // otherwise marked UTF-8; every character comes back.
    QCOMPARE(ToStoredText(text), bytes);
    QCOMPARE(FromStoredText(bytes), text);
    for (const char* s : {"中", "Ελληνικά", "Łódź 😀"}) {
        const QString other = QString::fromUtf8(s);
        QVERIFY(!FitsAnsi(other));
        QCOMPARE(ToStoredText(other), "\xEF\xBB\xBF" + other.toUtf8());
        QCOMPARE(FromStoredText(ToStoredText(other)), other);
    }

    // A picture's reference: ASCII as it stands, anything else escaped.
    QCOMPARE(ReferenceForFile("graphics\\my pic&1.gif"), QString("graphics/my pic&1.gif"));
    QCOMPARE(ReferenceForFile(QString::fromUtf8("graphics\\café日.png")), QString("graphics/caf%C3%A9%E6%97%A5.png"));
}

QTEST_MAIN(TestUtils)
#include "test_utils.moc"
