#include "app/Utils.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QtTest>

namespace {
TStyleChunk Sky() {
    TStyleChunk s;
    s.StyleName = QStringLiteral("Sky");
    s.BackImage = QStringLiteral("Images\\Back.GIF");
    s.BackColor = 0xC0C0C0;   // silver
    s.TextColor = 0x000000;   // black
    s.LinkColor = 0xFF0000;   // blue
    s.ALinkColor = 0x0000FF;  // red
    s.VLinkColor = 0xFF00FF;  // fuchsia
    return s;
}
}  // namespace

class TestBodyStyle : public QObject {
    Q_OBJECT
private slots:
    void replaceBetween();
    void bodyTagOfAStyle();
    void addBodyDef();
    void title();
    void logoInsertAndRemove();
};

void TestBodyStyle::replaceBetween() {
    QCOMPARE(ReplaceBetween("a[x]b[y]c", "[", "]", "N"), QStringLiteral("aNb[y]c"));
    QCOMPARE(ReplaceBetween("abc", "[", "]", "N"), QStringLiteral("abc"));
    // No end mark after the start: nothing after the new part is kept.
    QCOMPARE(ReplaceBetween("a]b[c", "[", "]", "N"), QStringLiteral("a]bN"));
    QCOMPARE(ReplaceBetween("<body>", "<BODY", ">", "N"), QStringLiteral("<body>"));
    QCOMPARE(ReplaceBetween("", "<BODY", ">", "N"), QString());
}

void TestBodyStyle::bodyTagOfAStyle() {
    TStyleChunk s = Sky();
    QCOMPARE(BuildBodyWithStyle(s),
             QStringLiteral("<BODY BACKGROUND=\"images/back.gif\" BGCOLOR=\"#C0C0C0\" TEXT=\"#000000\" "
                            "LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#FF00FF\">\r\n"));
    s.BackImage.clear();
    s.BackColor = 0x00123456;
    QVERIFY(BuildBodyWithStyle(s).startsWith(QStringLiteral("<BODY BGCOLOR=\"#563412\" TEXT=")));
    QCOMPARE(BodyTagFor(nullptr), QStringLiteral("<BODY>"));
    QVERIFY(!BodyTagFor(&s).contains(QLatin1Char('\r')));
}

void TestBodyStyle::addBodyDef() {
    TPage page;
    const QString plain = BuildPageHTML(page, true);
    const TStyleChunk s = Sky();
    const QString styled = AddBodyDef(plain, &s);
    QVERIFY(styled.contains(BodyTagFor(&s) + QStringLiteral("\r\n<CENTER>")));
    // The same tag replaces itself, and "[None]" brings the bare tag back.
    QCOMPARE(AddBodyDef(styled, &s), styled);
    QCOMPARE(AddBodyDef(styled, nullptr), plain);
    QCOMPARE(AddBodyDef("x<BODY bgcolor=red onload=\"f()\">y", nullptr), QStringLiteral("x<BODY>y"));
    // Lower-case tags, and texts without a BODY tag, are left alone.
    QCOMPARE(AddBodyDef("<body bgcolor=red>y", &s), QStringLiteral("<body bgcolor=red>y"));
    QCOMPARE(AddBodyDef(QString(), &s), QString());
    // A hand-edited tag left open does not swallow the rest of the page.
    QCOMPARE(AddBodyDef("<BODY bgcolor=red", &s), QStringLiteral("<BODY bgcolor=red"));
}

void TestBodyStyle::title() {
    TPage page;
    const QString html = BuildPageHTML(page, false);
    QVERIFY(ReplaceTitle(html, "New").contains(QStringLiteral("<HEAD>\r\n<TITLE>New</TITLE>\r\n<META")));
    QCOMPARE(ReplaceTitle("no title here", "New"), QStringLiteral("no title here"));
    QCOMPARE(ReplaceTitle("<TITLE>open<BODY>", "New"), QStringLiteral("<TITLE>open<BODY>"));
}

void TestBodyStyle::logoInsertAndRemove() {
    TPage page;
    const QString without = BuildPageHTML(page, false);
    const QString with = BuildPageHTML(page, true);
    // Inserted before the end of the body; what followed "</HTML>" stays.
    QCOMPARE(InsertLogo(without), with + CRLF);
    QCOMPARE(InsertLogo(without + "tail"), with + CRLF + "tail");
    QCOMPARE(InsertLogo("no body end"), QStringLiteral("no body end"));
    QCOMPARE(InsertLogo("x</BODY>rest"), "x" + LogoLine() + CRLF + "</BODY>rest");
    // Removal takes the exact generated line; its line break stays.
    QCOMPARE(RemoveLogo(with), without.left(without.indexOf("</BODY>")) + CRLF + "</BODY>\r\n</HTML>\r\n");
    QString edited = with;
    edited.replace(QStringLiteral("button.gif"), QStringLiteral("mine.gif"));
    QCOMPARE(RemoveLogo(edited), edited);
    // A line whose closing tag was edited away stays, and so does the rest.
    edited = with;
    edited.replace(LogoText() + "</CENTER>", LogoText());
    QCOMPARE(RemoveLogo(edited), edited);
}

QTEST_GUILESS_MAIN(TestBodyStyle)
#include "test_bodystyle.moc"
