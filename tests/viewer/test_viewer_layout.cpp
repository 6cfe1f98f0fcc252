// Layout with a fixed measurer (every character 10 px, lines 20 px,
// descent 4): line breaking, alignment, heights, floats, lists, rules,
// widths for tables, and drawing.
#include "ViewerTestUtil.h"
#include "RecordingHosts.h"
#include "viewer/SectionDraw.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
struct Line {
    QString text;
    int indent;
    bool operator==(const Line& o) const { return text == o.text && indent == o.indent; }
};
QList<Line> linesOf(const TSection* s) {
    QList<Line> out;
    for (const LineRec& l : s->Lines)
        out.append({s->text().mid(l.Start, l.Ln), l.LineIndent});
    return out;
}
QImage render(THtmlDocument& doc, int w, int h, QColor bg = Qt::white) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(bg);
    QPainter p(&img);
    doc.draw(p, img.rect());
    return img;
}
}  // namespace

// A section whose layout fails.
class TFailingSection : public TSectionBase {
public:
    using TSectionBase::TSectionBase;
    int DrawLogic(TMeasurer&, int, int&, int&, IndentManager&) override {
        throw THtmlLayoutError("Table has too many Columns");
    }
};

class TestViewerLayout : public QObject {
    Q_OBJECT
private slots:
    void lineBreaking();
    void alignment();
    void lineHeightsAndInlineImages();
    void floatingImages();
    void brClear();
    void listIndentAndItemHeight();
    void horizontalRules();
    void spacingScalesWithFontSize();
    void minMaxWidth();
    void failingSectionIsDroppedAlone();
    void relayoutAtAnotherWidth();
    void drawingListMarkers();
    void drawingSelectionInverted();
    void drawingOnlyWhatMeetsTheClip();
};

void TestViewerLayout::lineBreaking() {
    // A word that ends exactly at the width stays, with its space.
    auto d1 = fixedDoc("aaa bbb ccc", 70);
    QCOMPARE(linesOf(sectionWith(*d1, "aaa")), (QList<Line>{{"aaa bbb ", 0}, {"ccc", 0}}));
    // Break back to after the last space.
    auto d2 = fixedDoc("aaa bbb ccc", 65);
    QCOMPARE(linesOf(sectionWith(*d2, "aaa")), (QList<Line>{{"aaa ", 0}, {"bbb ", 0}, {"ccc", 0}}));
    // A word longer than the line overflows instead of being split.
    auto d3 = fixedDoc("a verylongword b", 50);
    const TSection* s3 = sectionWith(*d3, "very");
    QCOMPARE(linesOf(s3), (QList<Line>{{"a ", 0}, {"verylongword ", 0}, {"b", 0}}));
    QCOMPARE(d3->maxWidth(), 120);
    // The text width leaves out the spaces at the end of a line.
    QCOMPARE(s3->Lines[0].TextWidth, 10);
    // Font changes inside a word do not make a break opportunity.
    auto d4 = fixedDoc("ab<b>cd</b>ef gh", 50);
    QCOMPARE(linesOf(sectionWith(*d4, "ab")), (QList<Line>{{"abcdef ", 0}, {"gh", 0}}));
    // A zero width still takes one character per line and ends.
    auto d5 = fixedDoc("abc", 0);
    QCOMPARE(sectionWith(*d5, "abc")->Lines.size(), size_t(1));
    // Preformatted lines never wrap.
    auto d6 = fixedDoc("<pre>aaa bbb ccc ddd</pre>", 50);
    QCOMPARE(linesOf(sectionWith(*d6, "aaa")).size(), 1);
    QCOMPARE(d6->maxWidth(), 150);
}

void TestViewerLayout::alignment() {
    auto d = fixedDoc("<center>abc</center><p align=right>abcd <p align=right>wide overflowing</p>"
                      "<center>aa bb</center>", 100);
    QCOMPARE(sectionWith(*d, "abc")->Lines[0].LineIndent, 35);
    QCOMPARE(sectionWith(*d, "abcd")->Lines[0].LineIndent, 60);  // trailing space left out
    // Right-aligned text wider than the line starts at the margin.
    QCOMPARE(sectionWith(*d, "wide")->Lines[1].LineIndent, 0);
    QCOMPARE(linesOf(sectionWith(*d, "aa bb")), (QList<Line>{{"aa bb", 25}}));
}

void TestViewerLayout::lineHeightsAndInlineImages() {
    auto d = fixedDoc("<p>a<img width=30 height=50>b<p>c<img width=30 height=50 align=middle>"
                      "<p>e<img width=30 height=51 align=top><p>small<img width=5 height=5>", 500);
    const LineRec& bottom = sectionWith(*d, "a")->Lines[0];
    QCOMPARE(bottom.LineHt, 20);
    QCOMPARE(bottom.Descent, 4);
    QCOMPARE(bottom.SpaceBefore, 50 + 4 - 20);
    QCOMPARE(bottom.SpaceAfter, 0);
    const LineRec& middle = sectionWith(*d, "c")->Lines[0];
    QCOMPARE(middle.SpaceBefore, 15);
    QCOMPARE(middle.SpaceAfter, 15);
    const LineRec& top = sectionWith(*d, "e")->Lines[0];
    QCOMPARE(top.SpaceBefore, 0);
    QCOMPARE(top.SpaceAfter, 31);
    const TSection* sm = sectionWith(*d, "small");
    QCOMPARE(sm->SectionHeight, 20);
    QCOMPARE(sm->Lines[0].TextWidth, 55);  // an inline image counts its width
    QCOMPARE(sectionWith(*d, "a")->SectionHeight, 54);
}

void TestViewerLayout::floatingImages() {
    // A left image wider than half the width: text runs beside it, 5 px to
    // its right, and at full width below it.
    auto d = fixedDoc("<img src=x width=160 height=50 align=left>aaa bbb ccc ddd eee fff ggg hhh iii jjj kkk lll"
                      " mmm nnn ooo ppp qqq rrr<img src=y width=30 height=30 align=right>", 300);
    const TSection* s = sectionWith(*d, "aaa");
    QCOMPARE(s->Lines[0].LineIndent, 165);
    QCOMPARE(s->Lines[0].Ln, 1 + 12);  // placeholder + "aaa bbb ccc "
    int below = -1;
    for (const LineRec& l : s->Lines)
        if (l.Top > 50 && below < 0)
            below = l.LineIndent;
    QCOMPARE(below, 0);
    const TImageObj* left = s->Images.at(0);
    QCOMPARE(left->Indent, 0);
    QCOMPARE(left->LayoutX, 0);
    // The right image met inside the last line is placed below that line.
    const TImageObj* right = s->Images.at(1);
    QCOMPARE(right->LayoutX, 300 - 30);
    QCOMPARE(right->LayoutY, s->SectionHeight);
    QCOMPARE(s->DrawHeight, s->SectionHeight + 30);
    QCOMPARE(d->documentHeight(), s->YValue + s->SectionHeight + 30);
    // The text that follows starts beside the right image.
    auto d2 = fixedDoc("<img width=30 height=30 align=right>a <p>b", 300);
    QCOMPARE(sectionWith(*d2, "b")->Lines[0].LineIndent, 0);
    QCOMPARE(sectionWith(*d2, "a")->text(), QString(QChar(ImageCode)) + "a ");
}

void TestViewerLayout::brClear() {
    auto d = fixedDoc("<img width=50 height=100 align=left>beside<br>still<br clear=all>below"
                      "<br clear=left>x", 400);
    QCOMPARE(sectionWith(*d, "still")->Lines[0].LineIndent, 55);
    const TSection* below = sectionWith(*d, "below");
    QCOMPARE(below->ClearAttr, clBoth);
    QCOMPARE(below->Lines[0].Top + below->Lines[0].SpaceBefore, 101);
    QCOMPARE(below->Lines[0].LineIndent, 0);
    QCOMPARE(sectionWith(*d, "x")->ClearAttr, clLeft);
    QCOMPARE(sectionWith(*d, "x")->Lines[0].SpaceBefore, 0);  // nothing left to clear
}

void TestViewerLayout::listIndentAndItemHeight() {
    auto d = fixedDoc("<ul><li>one<ul><li>two<ol><li>three</ol></ul><li>four</ul>after", 500);
    QCOMPARE(sectionWith(*d, "one")->Lines[0].LineIndent, 35);
    QCOMPARE(sectionWith(*d, "two")->Lines[0].LineIndent, 70);
    QCOMPARE(sectionWith(*d, "three")->Lines[0].LineIndent, 105);
    QCOMPARE(sectionWith(*d, "four")->Lines[0].LineIndent, 35);
    QCOMPARE(sectionWith(*d, "after")->Lines[0].LineIndent, 0);
    // An item beside a tall floating image is kept below the image's
    // overlap with its indent.
    auto d2 = fixedDoc("<ul><li><img width=60 height=50 align=left>a<li>b</ul>", 500);
    const TSection* a = sectionWith(*d2, "a");
    QCOMPARE(a->Lines[0].LineIndent, 35 + 65);
    QCOMPARE(a->YValue + a->SectionHeight, 51);
    const TSection* b = sectionWith(*d2, "b");
    QCOMPARE(b->Lines[0].Top, 51);
    QCOMPARE(b->Lines[0].LineIndent, 35);
}

void TestViewerLayout::horizontalRules() {
    auto d = fixedDoc("<body bgcolor=white><hr width=50% size=30><hr size=6><hr width=100>", 400);
    QList<THorzLine*> rules;
    for (const auto& s : d->list())
        if (auto* r = dynamic_cast<THorzLine*>(s.get()))
            rules << r;
    QCOMPARE(rules.size(), 3);
    QCOMPARE(rules[0]->Size, 2);  // out of range
    QVERIFY(rules[0]->Percent);
    QCOMPARE(rules[0]->SectionHeight, 20);
    QCOMPARE(rules[1]->SectionHeight, 24);
    QCOMPARE(rules[2]->Width, 100);
    QVERIFY(!rules[2]->Percent);
    const QImage img = render(*d, 400, d->documentHeight());
    // 50%: half of the space between the margins, centred, drawn as a groove.
    const int y0 = rules[0]->YValue + (20 - 2) / 2;
    QCOMPARE(img.pixelColor(100, y0), QColor(0x80, 0x80, 0x80));
    QCOMPARE(img.pixelColor(250, y0 + 1), QColor(0xC0, 0xC0, 0xC0));  // silver on white
    QCOMPARE(img.pixelColor(99, y0), QColor(Qt::white));
    QCOMPARE(img.pixelColor(300, y0), QColor(Qt::white));
    // Without a width: 10 px inside each margin.
    const int y1 = rules[1]->YValue + (24 - 6) / 2;
    QCOMPARE(img.pixelColor(10, y1), QColor(0x80, 0x80, 0x80));
    QCOMPARE(img.pixelColor(9, y1), QColor(Qt::white));
    QCOMPARE(img.pixelColor(389, y1 + 5), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(img.pixelColor(390, y1 + 5), QColor(Qt::white));
}

void TestViewerLayout::spacingScalesWithFontSize() {
    THtmlDocument d(std::make_unique<TFixedMeasurer>());
    d.list().FontSize = 24;
    d.parse("a<p>b<h2>c</h2><hr size=4>");
    d.layout(300);
    QList<int> heights;
    for (const auto& s : d.list())
        if (!dynamic_cast<TSection*>(s.get()))
            heights << s->SectionHeight;
    QCOMPARE(heights, (QList<int>{28, 24, 24, 42}));
    // Nominal sizes scale by FontSize / 12: 12 pt becomes 24 pt, 32 px at 96 dpi.
    const TRunFont& body = sectionWith(d, "b")->fontAt(0);
    QCOMPARE(d.measurer().spec(body.FontId).pixelSize, 32);
    const TRunFont& head = sectionWith(d, "c")->fontAt(0);
    QCOMPARE(d.measurer().spec(head.FontId).pixelSize, 48);  // H2: 18 pt -> 36 pt
    QVERIFY(d.measurer().spec(head.FontId).bold);
}

void TestViewerLayout::minMaxWidth() {
    auto d = fixedDoc("<ul><li>aa bbbb c<img width=70 height=5 align=left></ul><pre>xx</pre>"
                      "<pre>" + QString(60, 'y') + "</pre>", 500);
    TMeasurer& m = d->measurer();
    int mn = 0, mx = 0;
    sectionWith(*d, "bbbb")->MinMaxWidth(m, mn, mx);
    QCOMPARE(mn, 40 + 70 + 35);
    QCOMPARE(mx, 70 + 90 + 35);
    sectionWith(*d, "xx")->MinMaxWidth(m, mn, mx);
    QCOMPARE(mn, 20);
    QCOMPARE(mx, 20);
    sectionWith(*d, "yyy")->MinMaxWidth(m, mn, mx);
    QCOMPARE(mn, 500);
    QCOMPARE(mx, 600);
    d->list().MinMaxWidth(m, mn, mx);
    QCOMPARE(mx, 600);
}

void TestViewerLayout::failingSectionIsDroppedAlone() {
    THtmlDocument d(std::make_unique<TFixedMeasurer>());
    d.parse("<a name=first>before</a><p>after");
    TRecordingDocumentHost host;
    d.list().setHost(host);
    const QStringList& messages = host.dropped;
    auto bad = std::make_unique<TFailingSection>(&d.list());
    TSectionBase* badPtr = bad.get();
    d.list().insert(1, std::move(bad));
    d.list().NameList.insert("BAD", badPtr);
    badPtr->Anchored = true;
    const int count = d.list().count();
    d.layout(300);
    QCOMPARE(messages, QStringList{"Table has too many Columns"});
    QCOMPARE(d.list().count(), count - 1);
    QVERIFY(!d.list().NameList.contains("BAD"));
    QCOMPARE(sectionWith(d, "after")->Lines.size(), size_t(1));
    QCOMPARE(d.documentHeight(), 20 + 14 + 20);
}

void TestViewerLayout::relayoutAtAnotherWidth() {
    auto d = fixedDoc("<img width=40 height=40 align=left>aaa bbb ccc ddd<ul><li>x</ul>", 500);
    const int wide = d->documentHeight();
    d->layout(80);
    d->layout(500);
    QCOMPARE(d->documentHeight(), wide);
    QCOMPARE(sectionWith(*d, "aaa")->Lines[0].LineIndent, 45);
    QCOMPARE(sectionWith(*d, "x")->Lines[0].LineIndent, 45 + 35);  // beside the image
}

void TestViewerLayout::drawingListMarkers() {
    const QString html = "<ul><li>a<ul><li>b<ul><li>c</ul></ul></ul><ol start=7><li>n</ol>";
    auto d = fixedDoc(html, 300);
    QImage img = render(*d, 300, d->documentHeight());
    auto discCentre = [&](const QString& t) {
        const TSection* s = sectionWith(*d, t);
        return img.pixelColor(s->LeftIndentAtTop - 6, s->Lines[0].Top + 10);
    };
    QCOMPARE(discCentre("a"), QColor(0, 0, 0x80));
    QCOMPARE(discCentre("b"), QColor(0x80, 0, 0));
    QCOMPARE(discCentre("c"), QColor(0xFF, 0, 0));
    // The number stands right-aligned 5 px left of the indent: its last
    // pixels end before indent - 5.
    const TSection* n = sectionWith(*d, "n");
    QCOMPARE(n->ListNumber, 7);
    bool inked = false;
    for (int x = 0; x < n->LeftIndentAtTop - 5; ++x)
        for (int y = n->Lines[0].Top; y < n->Lines[0].Top + 20; ++y)
            inked = inked || img.pixelColor(x, y) != QColor(Qt::white);
    QVERIFY(inked);
    // On a chosen colour other than white or silver the disc is hollow.
    auto d2 = fixedDoc("<body bgcolor=yellow>" + html, 300);
    QImage img2 = render(*d2, 300, d2->documentHeight(), Qt::yellow);
    const TSection* a2 = sectionWith(*d2, "a");
    QCOMPARE(img2.pixelColor(a2->LeftIndentAtTop - 6, a2->Lines[0].Top + 10), QColor(Qt::yellow));
    QCOMPARE(img2.pixelColor(a2->LeftIndentAtTop - 8, a2->Lines[0].Top + 10), QColor(Qt::black));
}

void TestViewerLayout::drawingSelectionInverted() {
    auto d = fixedDoc("<body bgcolor=white>abcdef", 300);
    d->setSelection(2, 4);
    QImage img = render(*d, 300, 20);
    // Selected characters sit on a block of the text colour.
    QCOMPARE(img.pixelColor(21, 1), QColor(Qt::black));
    QCOMPARE(img.pixelColor(38, 1), QColor(Qt::black));
    QCOMPARE(img.pixelColor(41, 1), QColor(Qt::white));
    QCOMPARE(img.pixelColor(19, 1), QColor(Qt::white));
}

void TestViewerLayout::drawingOnlyWhatMeetsTheClip() {
    QString html;
    for (int i = 0; i < 200; ++i)
        html += QString("<p>para%1").arg(i);
    auto d = fixedDoc(html, 300);
    QImage img(300, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    d->list().YOff = 34 * 100;  // paragraph 100 at the top
    d->draw(p, QRect(0, 0, 300, 40));
    p.end();
    // Paragraph 100 was drawn at the top; below the clip nothing was.
    bool top = false, below = false;
    for (int x = 0; x < 100; ++x) {
        top = top || img.pixelColor(x, 24) != QColor(Qt::white);
        below = below || img.pixelColor(x, 80) != QColor(Qt::white);
    }
    QVERIFY(top);
    QVERIFY(!below);
}

QTEST_MAIN(TestViewerLayout)
#include "test_viewer_layout.moc"
