// Hit tests (links, image maps, character under a point, positions of
// characters, search) and the copied text. Fixed 10 px characters, 20 px
// lines.
#include "ViewerTestUtil.h"

#include <QtTest>

class TestViewerHitTest : public QObject {
    Q_OBJECT
private slots:
    void linksInText();
    void linksOnImagesAndMaps();
    void cursorUnderPoint();
    void cursorToXY();
    void findString();
    void copiedText();
    void changedDefaultsRecolourEverything();
};

void TestViewerHitTest::linksInText() {
    auto d = fixedDoc("go <a href=\"x.html\">link</a> end<p>two<br><a href=y.html>next line</a>", 500);
    QCOMPARE(d->urlAt(35, 5), QString("x.html"));
    QCOMPARE(d->urlAt(69, 19), QString("x.html"));
    QCOMPARE(d->urlAt(29, 5), QString());  // the space before the link
    QCOMPARE(d->urlAt(75, 5), QString());
    QCOMPARE(d->urlAt(400, 5), QString());  // right of the line's text
    const TSection* next = sectionWith(*d, "next");
    QCOMPARE(d->urlAt(5, next->YValue + 3), QString("y.html"));
    QCOMPARE(d->urlAt(5, next->YValue - 3), QString());
    QCOMPARE(d->urlAt(5, d->documentHeight() + 50), QString());
}

void TestViewerHitTest::linksOnImagesAndMaps() {
    auto d = fixedDoc("<map name=m><area shape=rect coords=\"0,0,9,9\" href=r.html>"
                      "<area shape=circle coords=\"30,30,5\" href=c.html>"
                      "<area shape=rect coords=\"0,20,40,40\" nohref>"
                      "<area shape=rect coords=\"0,0,40,40\" href=all.html></map>"
                      "<a href=pic.html><img width=20 height=20></a>"
                      "<a href=map.cgi><img width=20 height=20 ismap></a>"
                      "<a href=x.html><img width=50 height=50 usemap=\"#M\"></a>"
                      "<img width=20 height=20>",
                      500);
    const TSection* s = sectionWith(*d, QString(QChar(ImageCode)));
    QCOMPARE(s->Images.count(), 4);
    const TImageObj* pic = s->Images.at(0);
    QVERIFY(pic->HasBorder);  // linked: a one-pixel border
    QCOMPARE(pic->ImageWidth, 22);
    const int top = pic->LayoutY;
    QCOMPARE(d->urlAt(pic->LayoutX + 5, top + 5), QString("pic.html"));
    const TImageObj* ismap = s->Images.at(1);
    QCOMPARE(d->urlAt(ismap->LayoutX + 4, ismap->LayoutY + 6), QString("map.cgi?3,5"));
    const TImageObj* mapped = s->Images.at(2);
    const int mx = mapped->LayoutX + 1, my = mapped->LayoutY + 1;
    QCOMPARE(d->urlAt(mx + 3, my + 3), QString("r.html"));
    QCOMPARE(d->urlAt(mx + 30, my + 31), QString("c.html"));
    QCOMPARE(d->urlAt(mx + 20, my + 10), QString("all.html"));
    QCOMPARE(d->urlAt(mx + 5, my + 30), QString());  // NOHREF hides the areas after it
    QCOMPARE(d->urlAt(mx + 45, my + 45), QString());  // no area: the map answers nothing
    const TImageObj* plain = s->Images.at(3);
    QCOMPARE(d->urlAt(plain->LayoutX + 5, plain->LayoutY + 5), QString());
}

void TestViewerHitTest::cursorUnderPoint() {
    auto d = fixedDoc("abcdef<p>second line", 500);
    QCOMPARE(d->cursorAt(14, 5), 1);   // the left half of "b" is not left of x
    QCOMPARE(d->cursorAt(15, 5), 2);
    QCOMPARE(d->cursorAt(-20, 5), 0);
    QCOMPARE(d->cursorAt(900, 5), 6);
    const TSection* second = sectionWith(*d, "second");
    QCOMPARE(d->cursorAt(0, second->YValue + 1), 6);
    QCOMPARE(d->cursorAt(25, second->YValue + 19), 6 + 3);
    QCOMPARE(d->cursorAt(5, 25), -1);  // the paragraph space
    QCOMPARE(d->cursorAt(5, d->documentHeight() + 1), -1);
    // In a wrapped section the line under the point counts.
    auto w = fixedDoc("aaa bbb ccc", 40);
    QCOMPARE(w->cursorAt(12, 45), 9);
}

void TestViewerHitTest::cursorToXY() {
    auto d = fixedDoc("<ul><li>aaa bbb ccc</ul>", 75);
    int x = 0, y = 0;
    QVERIFY(d->cursorToXY(1, x, y));
    QCOMPARE(x, 35 + 10);
    QCOMPARE(y, sectionWith(*d, "aaa")->YValue);
    QVERIFY(d->cursorToXY(9, x, y));  // third line: "ccc"
    QCOMPARE(x, 35 + 10);
    QCOMPARE(y, sectionWith(*d, "aaa")->YValue + 40);
    QVERIFY(d->cursorToXY(11, x, y));  // the end of the text
    QCOMPARE(x, 35 + 30);
    QVERIFY(!d->cursorToXY(12, x, y));
}

void TestViewerHitTest::findString() {
    auto d = fixedDoc("Alpha beta<p>BETA gamma", 500);
    QCOMPARE(d->findString(0, "beta", true), 6);
    QCOMPARE(d->findString(7, "beta", true), -1);
    QCOMPARE(d->findString(7, "beta", false), 10);
    QCOMPARE(d->findString(0, "ALPHA", false), 0);
    QCOMPARE(d->findString(0, "", false), -1);
    QCOMPARE(d->findString(99, "a", false), -1);
}

void TestViewerHitTest::copiedText() {
    auto d = fixedDoc("<h1>Title</h1><p>Para one<ul><li>item<ul><li>deeper</ul></ul><hr>"
                      "a<img width=9 height=9>b<pre>  x\n\ny</pre>",
                      500);
    d->selectAll();
    QCOMPARE(d->copyText(), QString("Title\r\n\r\n\r\nPara one\r\n   item\r\n      deeper\r\n\r\n"
                                    "ab\r\n  x\r\n \r\ny\r\n"));
    // A selection from inside a line: no indentation for that line.
    d->setSelection(2, 9);
    QCOMPARE(d->copyText(), QString("tle\r\n\r\n\r\nPara\r\n"));
    d->setSelection(14, 15);
    QCOMPARE(d->copyText(), QString("t\r\n"));
    d->setSelection(5, 5);
    QCOMPARE(d->copyText(), QString());
    // Indentation from floats far to the left stays bounded.
    QString floats;
    for (int i = 0; i < 100; ++i)
        floats += "<img width=100 height=50 align=left>";
    auto f = fixedDoc(floats + "x", 300);
    f->selectAll();
    QCOMPARE(f->copyText(), QString(MaxCopyIndent, ' ') + "x\r\n");
    // Wrapped lines are copied line by line, keeping their spaces.
    auto w = fixedDoc("aaa bbb ccc", 40);
    w->selectAll();
    QCOMPARE(w->copyText(), QString("aaa \r\nbbb \r\nccc\r\n"));
}

void TestViewerHitTest::changedDefaultsRecolourEverything() {
    auto d = fixedDoc("<font color=red face=Arial>red</font> <a href=u>link</a> <tt>code</tt>");
    TSectionList& l = d->list();
    l.FontColor = QColor(Qt::darkGreen);
    l.HotSpotColor = QColor(Qt::magenta);
    l.FontName = "Verdana";
    l.PreFontName = "Mono";
    d->updateFonts();
    const TSection* s = sectionWith(*d, "red");
    auto at = [s](const QString& t) { return s->fontAt(int(s->text().indexOf(t))).TheFont; };
    QCOMPARE(at("red").color, QColor(Qt::darkGreen));
    QCOMPARE(at("red").name, QString("Verdana"));
    QCOMPARE(at("link").color, QColor(Qt::magenta));
    QCOMPARE(at("code").name, QString("Mono"));
    QCOMPARE(at("code").color, QColor(Qt::darkGreen));
}

QTEST_MAIN(TestViewerHitTest)
#include "test_viewer_hittest.moc"
