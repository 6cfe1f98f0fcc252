// With the real fonts: the names resolve to their metric twins, drawn text
// ends where layout measured it, and a large real page lays out and draws
// (its picture is written beside the test for a person to look at).
#include "viewer/HtmlDocument.h"
#include "viewer/HtmlTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>

class TestViewerRealFonts : public QObject {
    Q_OBJECT
private slots:
    void namesResolveToMetricTwins();
    void drawnTextEndsWhereMeasured();
    void bashManual();
    void tableCellsFollowAFontChange();
};

void TestViewerRealFonts::namesResolveToMetricTwins() {
    const QList<QPair<QString, QString>> twins = {{"Times New Roman", "Liberation Serif"},
                                                  {"Arial", "Liberation Sans"},
                                                  {"Courier New", "Liberation Mono"}};
    for (const auto& [name, twin] : twins) {
        TFontDesc spec;
        spec.family = name;
        QCOMPARE(QFontInfo(TMeasurer::makeQFont(spec)).family(), twin);
    }
}

void TestViewerRealFonts::drawnTextEndsWhereMeasured() {
    THtmlDocument doc;
    doc.parse("<body bgcolor=white>Wavy quilted jumps fix <b>bold MW</b> and <i>italic ff</i> "
              "<font face=Arial size=5>Arial text</font> <tt>mono</tt> end|");
    doc.layout(2000);
    const TSection* s = nullptr;
    for (const auto& sec : doc.list())
        if (auto* t = dynamic_cast<TSection*>(sec.get()); t && t->Len > 0)
            s = t;
    QVERIFY(s);
    QCOMPARE(s->Lines.size(), size_t(1));
    const LineRec& line = s->Lines[0];
    QImage img(2100, doc.documentHeight(), QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        doc.draw(p, img.rect());
    }
    int right = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128)
                right = x;
    // The final "|" is a thin stroke: its ink ends within a couple of
    // pixels of the measured end of the text.
    const int measuredEnd = line.LineIndent + line.TextWidth;
    QVERIFY2(qAbs(right + 1 - measuredEnd) <= 3,
             qPrintable(QString("ink ends at %1, measured %2").arg(right + 1).arg(measuredEnd)));
}

void TestViewerRealFonts::bashManual() {
    const QString path = "/usr/share/doc/bash/bashref.html";
    if (!QFile::exists(path))
        QSKIP("bash-doc is not installed");
    THtmlDocument doc;
    QElapsedTimer t;
    t.start();
    QCOMPARE(doc.parseFile(path), QString());
    const qint64 parsed = t.elapsed();
    doc.layout(780);
    const qint64 laidOut = t.elapsed() - parsed;
    t.restart();
    doc.layout(580);
    const qint64 relaid = t.elapsed();
    const int narrowHeight = doc.documentHeight();
    doc.layout(780);
    qInfo("bashref.html: parse %lld ms, layout %lld ms, re-layout %lld ms, height %d px, %d sections",
          parsed, laidOut, relaid, doc.documentHeight(), doc.list().count());
    QCOMPARE(doc.title(), QString("Bash Reference Manual"));
    QVERIFY(doc.documentHeight() > 50000);
    QVERIFY(narrowHeight > doc.documentHeight());
    QVERIFY(doc.findString(0, "Bourne-Again SHell", true) > 0);

    QImage img(800, 2400, QImage::Format_RGB32);
    img.fill(doc.list().Background);
    {
        QPainter p(&img);
        doc.draw(p, QRect(0, 0, 800, 1200), QPoint(10, 0));
        doc.list().YOff = doc.documentHeight() / 3;
        doc.draw(p, QRect(0, 1200, 800, 1200), QPoint(10, 1200));
    }
    QVERIFY(img.save(QCoreApplication::applicationDirPath() + "/bashref-viewer.png"));
    doc.selectAll();
    const QString text = doc.copyText();
    QVERIFY(text.contains("This is Edition 5.2, last updated 19 September 2022"));
}

// A cell laid out again at the same width keeps its lines, unless the
// fonts changed: then its rows grow with the text.
void TestViewerRealFonts::tableCellsFollowAFontChange() {
    THtmlDocument doc;
    doc.parse("<table><tr><td width=300>one line<td width=200>a<br>b</table>");
    doc.layout(600);
    const auto* table = dynamic_cast<const ThtmlTable*>(doc.list().at(0));
    QVERIFY(table);
    const int small = table->SectionHeight;
    doc.layout(600);
    QCOMPARE(table->SectionHeight, small);
    doc.list().FontSize = 24;
    doc.updateFonts();
    doc.layout(600);
    QCOMPARE(table->Placed.Widths, (std::vector<int>{300, 200}));  // the same widths as before
    QVERIFY2(table->SectionHeight > small * 3 / 2, qPrintable(QString::number(table->SectionHeight)));
    // Columns sized by their text are measured again in the new fonts.
    doc.parse("<table><tr><td>some words<td>more</table>");
    doc.list().FontSize = 12;
    doc.updateFonts();
    doc.layout(600);
    const auto* sized = dynamic_cast<const ThtmlTable*>(doc.list().at(0));
    QVERIFY(sized);
    const std::vector<int> before = sized->Placed.Widths;
    doc.list().FontSize = 24;
    doc.updateFonts();
    doc.layout(600);
    QCOMPARE(sized->Placed.Widths.size(), size_t(2));
    QVERIFY2(sized->Placed.Widths[0] > before[0] * 3 / 2 && sized->Placed.Widths[1] > before[1] * 3 / 2,
             qPrintable(QString("%1 %2").arg(sized->Placed.Widths[0]).arg(sized->Placed.Widths[1])));
}

QTEST_MAIN(TestViewerRealFonts)
#include "test_viewer_realfonts.moc"
