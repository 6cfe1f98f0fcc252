// Tables with a fixed measurer (every character 10 px, lines 20 px): the
// parser's table loop, column widths, row heights, placement, hit tests,
// searching and copying. Default padding is 2 and spacing 3, so a cell
// needs its content + 7 px each way.
#include "ViewerTestUtil.h"
#include "RecordingHosts.h"
#include "viewer/HtmlTable.h"

#include <QtTest>

namespace {
ThtmlTable* tableIn(const TCell& cell, int n = 0) {
    for (const auto& s : cell)
        if (auto* t = dynamic_cast<ThtmlTable*>(s.get()); t && n-- == 0)
            return t;
    return nullptr;
}
// Where the first character of `text` is drawn (document coordinates).
QPoint at(THtmlDocument& d, const QString& text) {
    int x = -1, y = -1;
    const int i = d.findString(0, text, true);
    if (i >= 0)
        d.cursorToXY(i, x, y);
    return QPoint(x, y);
}
// The texts of a row's real cells.
QStringList rowTexts(const TCellList& row) {
    QStringList out;
    for (const auto& c : row)
        if (!c->filler()) {
            QStringList parts;
            for (const auto& s : *c->Cell)
                if (auto* t = dynamic_cast<const TSection*>(s.get()))
                    parts << t->text();
            out << parts.join('|');
        }
    return out;
}
}  // namespace

class TestViewerTables : public QObject {
    Q_OBJECT
private slots:
    void cellsSideBySide();
    void parserToleratesMalformedTables();
    void listInCellLeavesTheNextCell();
    void spansAndFillers();
    void widthsFromPercentAndPixels();
    void longWordWidensPastThePage();
    void paddingAndSpacingKeepOnePixel();
    void verticalAlignmentAndHeaders();
    void placementAndCaptions();
    void tooManyColumnsIsToldAndDropped();
    void nestedTablesAndMinMax();
    void hitTestsSelectionAndCopy();
    void relayoutMovesNothingOut();
    void anchorsStayOnLiveSections();
    void percentagesShareTheTableWidth();
    void wordWiderThanPixelWidthWidensColumn();
    void cellEndsWhatOpenedInside();
    void nestedCellsKeepTheFontsAround();
    void emptyRowKeepsItsPlace();
    void hugeSpansAreCutAtTheColumnLimit();
    void measuredTextWrapsExactlyAtItsWidth();
};

void TestViewerTables::cellsSideBySide() {
    auto d = fixedDoc("<table><tr><td>aaa<td>bb</table>after", 1000);
    ThtmlTable* t = tableIn(d->list());
    QVERIFY(t);
    QCOMPARE(t->Placed.Widths, (std::vector<int>{37, 27}));
    QCOMPARE(t->Placed.TableWidth, 3 + 37 + 27);
    QCOMPARE(t->SectionHeight, 27 + 3);
    QCOMPARE(at(*d, "aaa"), QPoint(5, 5));
    QCOMPARE(at(*d, "bb"), QPoint(37 + 5, 5));
    QCOMPARE(at(*d, "after").y(), 30);
}

void TestViewerTables::parserToleratesMalformedTables() {
    // No TR, no /TD, text outside cells (shown before the table), a TR
    // before any cell only setting defaults, a row with no cells kept.
    auto d = fixedDoc("<table>before<tr align=right><td>a<td>b<tr><tr><td>c</td>between<td>d"
                      "</table>", 500);
    QCOMPARE(sectionWith(*d, "before")->YValue, 0);
    ThtmlTable* t = tableIn(d->list());
    QVERIFY(t);
    QCOMPARE(t->Rows.count(), 3);
    QCOMPARE(rowTexts(*t->Rows.at(0)), QStringList({"a", "b"}));
    QCOMPARE(t->Rows.at(1)->count(), 0);
    QCOMPARE(rowTexts(*t->Rows.at(2)), QStringList({"c", "d"}));
    QVERIFY(sectionWith(*d, "between"));
    QVERIFY(sectionWith(*d, "between")->YValue < t->YValue);
    QCOMPARE(sectionWith(*d, "a")->Justify, jsRight);  // the row's ALIGN
    QCOMPARE(sectionWith(*d, "c")->Justify, jsLeft);
    // An unclosed table at the end of the input still shows.
    auto open = fixedDoc("<table><tr><td>x<td>y", 500);
    QCOMPARE(rowTexts(*tableIn(open->list())->Rows.at(0)), QStringList({"x", "y"}));
}

void TestViewerTables::listInCellLeavesTheNextCell() {
    auto d = fixedDoc("<table><tr><td><ul><li>a</ul><td>b<td><ol><li>c<td>d</table>", 500);
    ThtmlTable* t = tableIn(d->list());
    QCOMPARE(rowTexts(*t->Rows.at(0)), QStringList({"a", "b", "c", "d"}));
}

void TestViewerTables::spansAndFillers() {
    // COLSPAN leaves column fillers; ROWSPAN beyond the rows left is cut.
    auto d = fixedDoc("<table><tr><td colspan=2 rowspan=9>aaaa<td>b<tr><td>c</table>", 500);
    ThtmlTable* t = tableIn(d->list());
    QCOMPARE(t->NumCols, 3);
    const TCellList& r0 = *t->Rows.at(0);
    QCOMPARE(r0.at(0)->RowSpan, 2);
    QVERIFY(r0.at(1)->filler());
    const TCellList& r1 = *t->Rows.at(1);
    QCOMPARE(r1.count(), 3);
    QVERIFY(r1.at(0)->filler() && r1.at(1)->filler());
    QCOMPARE(at(*d, "c").x(), at(*d, "b").x());  // c sits under b, not under aaaa
    // The spanning cell's box covers both rows.
    QCOMPARE(r0.at(0)->Ht, t->Rows.at(0)->RowHeight + t->Rows.at(1)->RowHeight);
    // A cell taller than the rows it spans makes each of them grow.
    auto tall = fixedDoc("<table><tr><td rowspan=2>1<br>2<br>3<br>4<td>a<tr><td>b</table>", 500);
    ThtmlTable* t2 = tableIn(tall->list());
    QVERIFY(t2->Rows.at(0)->RowHeight + t2->Rows.at(1)->RowHeight >= 80 + 7);
}

void TestViewerTables::widthsFromPercentAndPixels() {
    // WIDTH=50% of 600 px: 300 px, the columns sharing it by their maxima.
    for (int page : {600, 800}) {
        auto d = fixedDoc("<table width=50%><tr><td>aaaaaa<td>aa</table>", page);
        ThtmlTable* t = tableIn(d->list());
        QCOMPARE(t->Placed.TableWidth, page / 2);
        QVERIFY(t->Placed.Widths[0] > 2 * t->Placed.Widths[1]);
    }
    // Cell percentages give columns their share; the rest by maxima.
    auto p = fixedDoc("<table width=400><tr><td width=25%>a<td>bb<td>bb</table>", 1000);
    ThtmlTable* tp = tableIn(p->list());
    QCOMPARE(tp->Placed.TableWidth, 400);
    QCOMPARE(tp->Placed.Widths[0], (400 - 3) * 25 / 100);
    QCOMPARE(tp->Placed.Widths[1], tp->Placed.Widths[2] + (tp->Placed.Widths[1] - tp->Placed.Widths[2]));
    QVERIFY(std::abs(tp->Placed.Widths[1] - tp->Placed.Widths[2]) <= 1);
    // All widths in pixels: taken as given, a column without one gets the
    // width left over (at least 40 px).
    auto a = fixedDoc("<table><tr><td width=100>a<td width=50>b<td>c</table>", 500);
    ThtmlTable* ta = tableIn(a->list());
    QVERIFY(ta->AllAbsolute);
    QCOMPARE(ta->Placed.Widths, (std::vector<int>{100, 50, 500 - 3 - 150}));
    // Without a WIDTH, a table narrower than the page keeps its natural width.
    auto n = fixedDoc("<table><tr><td>a b c d<td>e</table>", 1000);
    QCOMPARE(tableIn(n->list())->Placed.TableWidth, 3 + 77 + 17);
    // Too narrow a page for the maxima: each column gets its minimum (its
    // widest word) and a share of the room left by what more it wants.
    auto w = fixedDoc("<table><tr><td>aaaa bbbb cccc<td>dd ee ff</table>", 100);
    ThtmlTable* tw = tableIn(w->list());
    QCOMPARE(tw->Placed.Widths, (std::vector<int>{47 + 100 * 23 / 160, 27 + 60 * 23 / 160}));
    auto narrow = fixedDoc("<table><tr><td>aaaa bbbb cccc<td>dd ee ff</table>", 70);
    QCOMPARE(tableIn(narrow->list())->Placed.Widths, (std::vector<int>{47, 27}));
}

void TestViewerTables::longWordWidensPastThePage() {
    auto d = fixedDoc("<table><tr><td>" + QString(80, 'w') + "<td>x</table>", 300);
    ThtmlTable* t = tableIn(d->list());
    QVERIFY(t->Placed.Widths[0] >= 807);
    QVERIFY(d->maxWidth() > 800);  // the page scrolls sideways
    QCOMPARE(t->SectionHeight, 27 + 3);
}

void TestViewerTables::paddingAndSpacingKeepOnePixel() {
    auto d = fixedDoc("<table cellpadding=0 cellspacing=0><tr><td>a<td>b</table>"
                      "<table cellpadding=99 cellspacing=-5><tr><td>c</table>", 500);
    ThtmlTable* t = tableIn(d->list());
    QCOMPARE(t->CellPadding, 1);
    QCOMPARE(t->CellSpacing, 1);
    QCOMPARE(at(*d, "a"), QPoint(2, 2));
    QCOMPARE(at(*d, "b"), QPoint(10 + 3 + 2, 2));
    ThtmlTable* t2 = tableIn(d->list(), 1);
    QCOMPARE(t2->CellPadding, 50);
    QCOMPARE(t2->CellSpacing, 1);
}

void TestViewerTables::verticalAlignmentAndHeaders() {
    auto d = fixedDoc("<table><tr><td>1<br>2<br>3<td valign=top>t<td>m<td valign=bottom>b"
                      "<tr valign=bottom><td>x<br>y<td>rb<td valign=top>rt</table>", 500);
    // Row 1 is 60 + 7 px high: the content room is 40 px.
    QCOMPARE(at(*d, "t").y(), 5);
    QCOMPARE(at(*d, "m").y(), 5 + 20);
    QCOMPARE(at(*d, "b").y(), 5 + 40);
    const int row2 = 67;
    QCOMPARE(at(*d, "rb").y(), row2 + 5 + 20);  // the row's VALIGN
    QCOMPARE(at(*d, "rt").y(), row2 + 5);       // the cell's own wins
    // TH: bold and centred unless its ALIGN says otherwise.
    auto h = fixedDoc("<table><tr><th>head<th align=left>l<tr><td>wide cell<td>wide</table>", 500);
    const TSection* head = sectionWith(*h, "head");
    QVERIFY(head->fontAt(0).TheFont.bold);
    QCOMPARE(head->Justify, jsCenter);
    QCOMPARE(head->Lines[0].LineIndent, (90 - 40) / 2);
    QCOMPARE(sectionWith(*h, "l")->Justify, jsLeft);
    QVERIFY(!sectionWith(*h, "wide cell")->fontAt(0).TheFont.bold);
}

void TestViewerTables::placementAndCaptions() {
    // ALIGN=CENTER and centring by CENTER; ALIGN=LEFT does not undo CENTER.
    auto d = fixedDoc("<table align=center><tr><td>aa</table>"
                      "<center><table align=left><tr><td>bb</table></center>"
                      "<table align=right><tr><td>cc</table>", 500);
    const int w = 3 + 27;
    QCOMPARE(tableIn(d->list(), 0)->Placed.Left, (500 - w) / 2);
    QCOMPARE(tableIn(d->list(), 1)->Placed.Left, (500 - w) / 2);
    QCOMPARE(tableIn(d->list(), 2)->Placed.Left, 500 - w);
    // A bottom caption below the rows; rows centred under a wider caption.
    auto c = fixedDoc("<table><caption align=bottom>a long caption</caption><tr><td>x</table>", 500);
    ThtmlTable* t = tableIn(c->list());
    QVERIFY(!t->TopCaption);
    QCOMPARE(t->Placed.OuterWidth, 70);  // the caption's widest word
    QCOMPARE(t->Placed.RowIndent, (70 - (3 + 17)) / 2);
    QCOMPARE(at(*c, "x"), QPoint(t->Placed.RowIndent + 5, 5));
    QCOMPARE(at(*c, "a long").y(), 27 + 3);
    QCOMPARE(at(*c, "caption").y(), 27 + 3 + 20);
    QCOMPARE(t->SectionHeight, 27 + 3 + 40);
    auto top = fixedDoc("<table><caption>cap</caption><tr><td>x</table>", 500);
    QCOMPARE(at(*top, "x").y(), 20 + 5);
}

void TestViewerTables::tooManyColumnsIsToldAndDropped() {
    QString cells;
    for (int i = 0; i < 31; ++i)
        cells += "<td>c";
    THtmlDocument d(std::make_unique<TFixedMeasurer>());
    TRecordingDocumentHost host;
    d.list().setHost(host);
    QStringList& told = host.dropped;
    d.parse("before<table><tr><td><a name=inside>in</a>" + cells + "</table>after"
            "<table><tr>" + cells.mid(4) + "</table>");
    d.layout(500);
    QCOMPARE(told, QStringList{"Table has too many Columns"});
    QVERIFY(!d.list().NameList.contains("INSIDE"));  // no anchor left pointing into it
    QVERIFY(tableIn(d.list()));                       // 30 columns are fine
    QCOMPARE(tableIn(d.list())->NumCols, 30);
    QVERIFY(sectionWith(d, "after"));
    d.layout(400);
    QCOMPARE(told.size(), 1);  // told once: the table is gone
    // A nested table with too many columns drops only itself.
    told.clear();
    d.parse("<table><tr><td>outer<table><tr>" + cells + "</table></table>");
    d.layout(500);
    QCOMPARE(told.size(), 1);
    QVERIFY(tableIn(d.list()));
    QCOMPARE(tableIn(*tableIn(d.list())->Rows.at(0)->at(0)->Cell), nullptr);
}

void TestViewerTables::nestedTablesAndMinMax() {
    auto d = fixedDoc("<table><tr><td>ab<td><table><tr><td>inner<td>x</table></table>", 500);
    ThtmlTable* outer = tableIn(d->list());
    ThtmlTable* inner = tableIn(*outer->Rows.at(0)->at(1)->Cell);
    QVERIFY(inner);
    int mn = 0, mx = 0;
    inner->MinMaxWidth(d->measurer(), mn, mx);
    QCOMPARE(mn, 3 + 57 + 17);
    QCOMPARE(outer->Placed.Widths[1], mx + 7);
    QCOMPARE(at(*d, "inner"), QPoint(27 + 5 + 5, 5 + 5));
    // ALT text counts in a cell's width (pictures are off: stand-ins).
    auto alt = fixedDoc("<table><tr><td><img src=none alt=\"alt text here\"><td>x</table>", 1000);
    ThtmlTable* ta = tableIn(alt->list());
    QVERIFY(ta->Placed.Widths[0] >= 130 + 4 + 7);
    int amn = 0, amx = 0;
    sectionWith(*alt, QString(QChar(ImageCode)))->MinMaxWidth(alt->measurer(), amn, amx);
    QVERIFY(amn >= 130);
}

void TestViewerTables::hitTestsSelectionAndCopy() {
    auto d = fixedDoc("<p>top<table><caption>cap</caption><tr><td>one<td><a href=l.htm>link</a>"
                      "<tr><td>two<td>three</table>end", 500);
    const QPoint link = at(*d, "link");
    QCOMPARE(d->urlAt(link.x() + 5, link.y() + 5), QString("l.htm"));
    QCOMPARE(d->urlAt(link.x() - 20, link.y() + 5), QString());
    // The character under a point, in cells and in the caption.
    const QPoint two = at(*d, "two");
    QCOMPARE(d->cursorAt(two.x() + 12, two.y() + 5), d->findString(0, "two", true) + 1);
    const QPoint cap = at(*d, "cap");
    QCOMPARE(d->cursorAt(cap.x() + 1, cap.y() + 5), d->findString(0, "cap", true));
    QVERIFY(d->findString(0, "three", true) > d->findString(0, "two", true));
    QVERIFY(d->findString(0, "end", true) > d->findString(0, "three", true));
    // Copying: the caption, then the cells row by row.
    d->selectAll();
    QCOMPARE(d->copyText(), QString("top\r\ncap\r\none\r\nlink\r\ntwo\r\nthree\r\nend\r\n"));
    // A selection from one cell into the next.
    d->setSelection(d->findString(0, "ne", true), d->findString(0, "nk", true));
    QCOMPARE(d->copyText(), QString("ne\r\nli\r\n"));
}

void TestViewerTables::relayoutMovesNothingOut() {
    auto d = fixedDoc("<table border><tr><td>aaa bbb ccc<td><table><tr><td>x y z</table></table>"
                      "<a name=after>after</a>", 600);
    const QPoint x600 = at(*d, "x");
    d->layout(60);
    d->layout(600);
    QCOMPARE(at(*d, "x"), x600);
    // Anchors in cells scroll to the cell's place in the document.
    auto a = fixedDoc("<table><tr><td>a<br>b<br>c<td><a name=here>here</a></table>", 600);
    QCOMPARE(a->list().NameList.value("HERE")->YValue, at(*a, "here").y());
}

void TestViewerTables::anchorsStayOnLiveSections() {
    // A second caption joins the first; a BODY tag in a cell drops the
    // anchor made before it in that cell. Every anchor left points at a
    // section of the page.
    auto d = fixedDoc("<table><caption><a name=one>one</a></caption><caption><a name=two>two</a>"
                      "</caption><tr><td><a name=gone></a><body text=red><a name=three>x</table>", 500);
    QSet<const TSectionBase*> live;
    ForEachSection(d->list(), [&](TSectionBase& s) { live.insert(&s); });
    QCOMPARE(d->list().NameList.size(), 3);
    for (const TSectionBase* s : d->list().NameList)
        QVERIFY(live.contains(s));
    QVERIFY(at(*d, "two").y() > at(*d, "one").y());  // both captions shown
}

void TestViewerTables::percentagesShareTheTableWidth() {
    // The table keeps its WIDTH: percentages over 100 share it by their
    // proportions, percentages under 100 are widened in proportion.
    for (const char* cells : {"<td width=80%>a<td width=80%>b", "<td width=25%>a<td width=25%>b",
                              "<td width=20%>a<td width=60%>b"}) {
        auto d = fixedDoc(QString("<table width=400><tr>") + cells + "</table>", 1000);
        ThtmlTable* t = tableIn(d->list());
        QCOMPARE(t->Placed.TableWidth, 400);
        if (QByteArray(cells).contains("20%"))
            QVERIFY(std::abs(t->Placed.Widths[1] - 3 * t->Placed.Widths[0]) <= 3);
        else
            QVERIFY(std::abs(t->Placed.Widths[0] - t->Placed.Widths[1]) <= 1);
    }
}

void TestViewerTables::wordWiderThanPixelWidthWidensColumn() {
    // WIDTH=50 on every cell: a 200 px word widens its column instead of
    // running over the next cell.
    auto d = fixedDoc("<table><tr><td width=50>" + QString(20, 'w') + "<td width=50>x</table>", 500);
    ThtmlTable* t = tableIn(d->list());
    QVERIFY(t->AllAbsolute);
    QCOMPARE(t->Placed.Widths, (std::vector<int>{207, 50}));
    QVERIFY(at(*d, "x").x() >= 200 + 7);
    int mn = 0, mx = 0;
    t->MinMaxWidth(d->measurer(), mn, mx);
    QCOMPARE(mn, 3 + 207 + 50);
}

void TestViewerTables::cellEndsWhatOpenedInside() {
    auto d = fixedDoc("<table><tr><td><h2>head<a href=u.htm><i>link<td>next</table>after", 500);
    for (const char* text : {"next", "after"}) {
        const TSection* s = sectionWith(*d, text);
        QVERIFY(s);
        QCOMPARE(s->fontAt(0).TheFont.nominal, 12);
        QVERIFY(!s->fontAt(0).TheFont.bold && !s->fontAt(0).TheFont.italic);
        QCOMPARE(s->urlAt(0), QString());
    }
    const TSection* link = sectionWith(*d, "link");
    QCOMPARE(link->urlAt(int(link->text().indexOf("link"))), QString("u.htm"));
}

void TestViewerTables::nestedCellsKeepTheFontsAround() {
    // A cell starts in the fonts around it and gives back what it opened,
    // also when a table inside it changes them, or a cell before it did.
    auto d = fixedDoc("<table><tr><td>plain<table><tr><td><h2>inner head</table>outer after"
                      "<td><font size=6>big<table><tr><td>inner big<td><h3>inner head 3</table>still big"
                      "<td>next</table>after",
                      500);
    auto nominal = [&](const char* text) {
        const TSection* s = sectionWith(*d, text);
        return s ? s->fontAt(int(s->text().indexOf(QLatin1String(text)))).TheFont.nominal : -1;
    };
    const int big = nominal("big");
    QVERIFY(big > 12);
    QVERIFY(nominal("inner head") > 12);
    for (const char* text : {"plain", "outer after", "next", "after"})
        QCOMPARE(nominal(text), 12);
    for (const char* text : {"inner big", "still big"})
        QCOMPARE(nominal(text), big);
}

void TestViewerTables::measuredTextWrapsExactlyAtItsWidth() {
    // A cell's text is measured for the column widths and placed whole
    // when it fits: at its width exactly it keeps one line, a pixel less
    // breaks it, and a narrower window afterwards breaks it too.
    const auto lines = [](const THtmlDocument& d) { return int(sectionWith(d, "aaa")->Lines.size()); };
    const QString table = QStringLiteral("<table cellpadding=0 cellspacing=0 width=%1><tr><td>aaa bbb</table>");
    // Padding and spacing keep a pixel each: 4 px of the table are not the
    // cell's.
    QCOMPARE(lines(*fixedDoc(table.arg(70 + 4))), 1);
    QCOMPARE(lines(*fixedDoc(table.arg(69 + 4))), 2);
    auto d = fixedDoc(QStringLiteral("<table cellpadding=0 cellspacing=0><tr><td>aaa bbb</table>"), 500);
    QCOMPARE(lines(*d), 1);
    d->layout(50);
    QCOMPARE(lines(*d), 2);
    d->layout(500);
    QCOMPARE(lines(*d), 1);
}

void TestViewerTables::emptyRowKeepsItsPlace() {
    // The ROWSPAN=2 cell covers the empty row, so c starts the third row
    // in the first column.
    auto d = fixedDoc("<table><tr><td rowspan=2>a<td>b<tr><tr><td>c<td>d</table>", 500);
    ThtmlTable* t = tableIn(d->list());
    QCOMPARE(t->Rows.count(), 3);
    QCOMPARE(at(*d, "c").x(), at(*d, "a").x());
    QCOMPARE(at(*d, "d").x(), at(*d, "b").x());
    QVERIFY(at(*d, "c").y() > at(*d, "a").y());
}

void TestViewerTables::hugeSpansAreCutAtTheColumnLimit() {
    // Thousands of wide cells in one row and rows under huge ROWSPANs: the
    // fillers stop at the column limit, and both tables are dropped.
    QString page = "<table><tr>";
    for (int i = 0; i < 3000; ++i)
        page += "<td colspan=31 rowspan=99999>x";
    page += "</table><table>";
    for (int i = 0; i < 300; ++i)
        page += "<tr><td rowspan=99999>a<td>b";
    page += "</table>";
    THtmlDocument d(std::make_unique<TFixedMeasurer>());
    d.parse(page);
    ThtmlTable* wide = tableIn(d.list());
    ThtmlTable* tall = tableIn(d.list(), 1);
    wide->InitSpans();
    tall->InitSpans();
    QVERIFY(wide->TooManyCols);
    QVERIFY(tall->TooManyCols);
    QCOMPARE(wide->Rows.at(0)->count(), 3000);  // no filler made
    for (const auto& row : tall->Rows)
        QVERIFY(row->count() <= ThtmlTable::MaxCols + 1);
}

QTEST_MAIN(TestViewerTables)
#include "test_viewer_tables.moc"
