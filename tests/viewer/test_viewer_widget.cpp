// The viewer control with real mouse and key events: scrolling, loading,
// following links, selection, history and its properties.
#include "RecordingHosts.h"
#include "viewer/HtmlViewer.h"
#include "viewer/ViewerCommand.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {
QString longBody(int paragraphs) {
    QString s = "<A NAME=top>Top</A>";
    for (int i = 0; i < paragraphs; ++i)
        s += QString("<P>Paragraph %1 with a few words in it.").arg(i);
    s += "<A NAME=bottom>Bottom</A><P>after";
    return s;
}
}  // namespace

class TestViewerWidget : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QString& html) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(html.toLatin1());
    }

    // The panel point over the first character of `text`.
    static QPoint pointOf(THTMLViewer& v, const QString& text, int extra = 2) {
        const int index = v.document().findString(0, text, true);
        int x = 0, y = 0;
        if (index < 0 || !v.document().cursorToXY(index, x, y))
            return QPoint(-1, -1);
        return QPoint(x + 10 - v.HPosition() + extra, y - v.VPosition() + 6);
    }

    TRecordingViewerHost host_;

    std::unique_ptr<THTMLViewer> shown(int w = 300, int h = 200) {
        host_ = TRecordingViewerHost();
        auto v = std::make_unique<THTMLViewer>(host_, nullptr);
        v->resize(w, h);
        v->show();
        return v;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        write("long.htm", longBody(100));
        write("other.htm", "<TITLE>Other</TITLE><A HREF=\"long.htm#bottom\">back</A>" + longBody(50));
        write("links.htm",
              "<TITLE>Links</TITLE><A HREF=\"other.htm\">to other</A> "
              "<A HREF=\"notes.txt\">to text</A> <A HREF=\"#nowhere\">to nothing</A> "
              "<A HREF=\"#bottom\">down</A>" + longBody(60));
        write("notes.txt", "plain");
    }

    void scrollingLimitsAndKeys() {
        auto v = shown();
        QCOMPARE(v->LoadFromFile(path("long.htm")), QString());
        QWidget* panel = v->paintPanel();
        const int bottom = v->MaxVert() - panel->height();
        QVERIFY(bottom > 1000);
        QVERIFY(v->verticalBar()->isVisible());
        QCOMPARE(v->verticalBar()->maximum(), bottom);
        QCOMPARE(panel->width(), 300 - v->ScrollWidth() - 2);

        QTest::keyClick(v.get(), Qt::Key_Up);
        QCOMPARE(v->VPosition(), 0);
        QTest::keyClick(v.get(), Qt::Key_Down);
        QCOMPARE(v->VPosition(), 16);
        QTest::keyClick(v.get(), Qt::Key_PageDown);
        QCOMPARE(v->VPosition(), 16 + panel->height() - 16);
        QTest::keyClick(v.get(), Qt::Key_End);
        QCOMPARE(v->VPosition(), bottom);
        QTest::keyClick(v.get(), Qt::Key_PageDown);
        QCOMPARE(v->VPosition(), bottom);
        QTest::keyClick(v.get(), Qt::Key_Home);
        QCOMPARE(v->VPosition(), 0);
        v->ScrollTo(-50);
        QCOMPARE(v->VPosition(), 0);
        v->ScrollTo(1 << 30);
        QCOMPARE(v->VPosition(), bottom);
        QCOMPARE(v->document().list().YOff, bottom);

        // The bar moves the view too.
        v->verticalBar()->setValue(100);
        QCOMPARE(v->VPosition(), 100);

        // A narrower control lays out again and keeps the position in range.
        const int oldHeight = v->MaxVert();
        v->resize(200, 200);
        QVERIFY(v->MaxVert() > oldHeight);
        v->resize(200, v->MaxVert() + 100);
        QCOMPARE(v->VPosition(), 0);
        QVERIFY(!v->verticalBar()->isVisible());
    }

    // The wheel over the page scrolls it without a click first: three lines
    // a notch, and a touchpad by its own pixels.
    void wheelScrollsWithoutFocus() {
        auto v = shown();
        QCOMPARE(v->LoadFromFile(path("long.htm")), QString());
        QWidget* panel = v->paintPanel();
        QVERIFY(!v->hasFocus());
        auto wheel = [&](QPoint pixels, QPoint angle) {
            const QPointF at(50, 50);
            QWheelEvent e(at, panel->mapToGlobal(at), pixels, angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            // The viewer is where the panel passes a wheel it does not take
            // (Qt passes on only the window system's own wheel events).
            QApplication::sendEvent(v.get(), &e);
        };
        wheel({}, {0, -120});
        QCOMPARE(v->VPosition(), QApplication::wheelScrollLines() * 16);
        wheel({}, {0, 240});
        QCOMPARE(v->VPosition(), 0);
        wheel({0, -37}, {0, -90});
        QCOMPARE(v->VPosition(), 37);
    }

    void tallSectionKeepsItsPlace() {
        // One table is one section: 5000 rows make it far taller than
        // 65,535 px, and the place inside it survives a new layout.
        QString rows;
        for (int i = 0; i < 5000; ++i)
            rows += "<TR><TD>row";
        auto v = shown();
        v->LoadStrings({"top", "<TABLE>" + rows + "</TABLE>"});
        QVERIFY(v->MaxVert() > 100000);
        v->ScrollTo(90000);
        QCOMPARE(v->VPosition(), 90000);
        v->Reformat();
        QCOMPARE(v->VPosition(), 90000);
    }

    void positionAcrossLoads() {
        auto v = shown();
        v->LoadFromFile(path("long.htm"));
        v->ScrollTo(500);
        v->LoadFromFile(path("long.htm"));
        QCOMPARE(v->VPosition(), 500);  // the same file keeps its place
        v->LoadFromFile(path("other.htm"));
        QCOMPARE(v->VPosition(), 0);    // another starts at the top
        QCOMPARE(v->Title(), QString("Other"));
        v->LoadFromFile(path("long.htm") + "#bottom");
        QVERIFY(v->VPosition() > 500);
        const int pos = v->VPosition();

        // A missing file changes nothing.
        QCOMPARE(v->LoadFromFile(path("gone.htm")), "Can't locate file: " + path("gone.htm"));
        QCOMPARE(v->VPosition(), pos);
        QCOMPARE(v->CurrentFile(), path("long.htm"));

        // Text lines: no current file, top of the document.
        v->LoadStrings({"<B>one</B>", "two"});
        QVERIFY(v->CurrentFile().isEmpty());
        QCOMPARE(v->VPosition(), 0);
        v->SelectAll();
        QCOMPARE(v->SelectedText().simplified(), QString("one two"));
        v->Clear();
        QCOMPARE(v->MaxVert(), 0);
        QVERIFY(!v->verticalBar()->isVisible());
    }

    void clickFollowsLinkAndDragSelects() {
        auto v = shown(400, 300);
        v->setHistoryMaxCount(10);
        int& changes = host_.historyChanges;
        const QStringList& covered = host_.covered;
        v->LoadFromFile(path("links.htm"));
        QCOMPARE(changes, 1);  // the first file enters the history
        changes = 0;
        QWidget* panel = v->paintPanel();

        // A drag that ends over the link selects and stays.
        const QPoint a = pointOf(*v, "to other");
        const QPoint b = pointOf(*v, "other", 12);
        QTest::mousePress(panel, Qt::LeftButton, {}, a);
        QTest::mouseMove(panel, b);
        QVERIFY(covered.contains("other.htm"));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, b);
        QCOMPARE(v->CurrentFile(), path("links.htm"));
        QVERIFY(v->SelectedText().size() >= 3);

        // A link to a file that is not HTML does nothing by itself.
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "to text"));
        QCOMPARE(v->CurrentFile(), path("links.htm"));
        host_.handleClick = [](const QString& url) { return url.endsWith(".txt"); };
        host_.clicked.clear();
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "to text"));
        QCOMPARE(host_.clicked, QStringList{"notes.txt"});
        QCOMPARE(changes, 0);
        QCOMPARE(v->CurrentFile(), path("links.htm"));

        QCOMPARE(changes, 0);
        // An unknown anchor leaves view and history alone.
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "to nothing"));
        QCOMPARE(v->VPosition(), 0);
        QCOMPARE(changes, 0);

        // "#name" in the same file scrolls and is remembered.
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "down"));
        QVERIFY(v->VPosition() > 0);
        QCOMPARE(changes, 1);

        // A click without movement follows the link to another file.
        v->ScrollTo(0);
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "to other"));
        QCOMPARE(v->CurrentFile(), path("other.htm"));
        QCOMPARE(v->VPosition(), 0);
        QCOMPARE(v->History().size(), size_t(3));  // with the place "#down" led to
        QCOMPARE(v->History()[0].file, path("other.htm"));
        QCOMPARE(v->History()[0].title, QString("Other"));
        QCOMPARE(v->History()[1].file, path("links.htm"));
        QCOMPARE(changes, 2);

        // And from there to an anchor of a third file.
        QTest::mouseClick(panel, Qt::LeftButton, {}, pointOf(*v, "back"));
        QCOMPARE(v->CurrentFile(), path("long.htm"));
        QVERIFY(v->VPosition() > 0);
    }

    void historyOffNeverChanges() {
        auto v = shown();
        v->LoadFromFile(path("long.htm"));
        v->LoadFromFile(path("other.htm"));
        QCOMPARE(host_.historyChanges, 0);
        QVERIFY(v->History().empty());
        v->setHistoryMaxCount(2);
        v->LoadFromFile(path("long.htm"));
        v->LoadFromFile(path("links.htm"));
        v->LoadFromFile(path("other.htm"));
        QCOMPARE(v->History().size(), size_t(2));
        v->setHistoryMaxCount(1);  // smaller: the history is cleared first
        QVERIFY(v->History().empty());
    }

    void dragPastTheBottomScrolls() {
        auto v = shown();
        v->LoadFromFile(path("long.htm"));
        QWidget* panel = v->paintPanel();
        QTest::mousePress(panel, Qt::LeftButton, {}, pointOf(*v, "Top"));
        QTest::mouseMove(panel, QPoint(50, v->height() + 40));
        QTRY_VERIFY_WITH_TIMEOUT(v->VPosition() >= 8, 30000);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(50, v->height() + 40));
        // The release ends the scrolling.
        QVERIFY(!v->findChild<QTimer*>("timAutoScroll")->isActive());
        QVERIFY(v->SelectedText().startsWith("Top"));
    }

    void propertyClamps() {
        THTMLViewer v;
        QCOMPARE(v.ImageCacheCount(), 5);
        QCOMPARE(v.imageCache().MaxUsage(), 5);
        v.setImageCacheCount(25);
        QCOMPARE(v.ImageCacheCount(), 20);
        v.setImageCacheCount(-1);
        QCOMPARE(v.ImageCacheCount(), 0);
        QCOMPARE(v.imageCache().MaxUsage(), 0);
        QCOMPARE(v.DefFontSize(), 12);
        v.setDefFontSize(4);
        QCOMPARE(v.DefFontSize(), 6);
        v.setDefFontName(QString(40, 'A'));
        QCOMPARE(v.DefFontName().size(), 31);
        v.setDefPreFontName(QString(40, 'B'));
        QCOMPARE(v.DefPreFontName().size(), 31);
        v.setHistoryMaxCount(-3);
        QCOMPARE(v.HistoryMaxCount(), 0);
        QVERIFY(!v.ViewImages());
        QCOMPARE(v.ScrollBars(), ssBoth);
        QCOMPARE(v.BorderStyle(), htFocused);
        QCOMPARE(v.size(), QSize(150, 150));

        v.LoadStrings({"abc def"});
        v.document().setSelection(0, 3);
        v.setNoSelect(true);
        QVERIFY(v.SelectedText().isEmpty());
    }

    void noScrollBarsEverWithNone() {
        auto v = shown(300, 200);
        v->setScrollBars(ssNone);
        v->LoadStrings({"<PRE>" + QString(300, 'w') + "</PRE>" + longBody(80)});
        QCOMPARE(v->document().layoutWidth(), 300 - 20);
        QVERIFY(!v->verticalBar()->isVisible());
        QVERIFY(!v->horizontalBar()->isVisible());
        v->resize(250, 150);
        QVERIFY(!v->verticalBar()->isVisible());
        QVERIFY(!v->horizontalBar()->isVisible());
        QCOMPARE(v->paintPanel()->size(), QSize(248, 148));
        QTest::keyClick(v.get(), Qt::Key_End);  // keys still scroll
        QVERIFY(v->VPosition() > 0);

        v->setScrollBars(ssBoth);
        QVERIFY(v->verticalBar()->isVisible());
        QVERIFY(v->horizontalBar()->isVisible());
        QTest::keyClick(v.get(), Qt::Key_Right);
        QCOMPARE(v->HPosition(), 15);
    }

    void processingAndFormsAreReported() {
        TRecordingViewerHost host;
        THTMLViewer v(host, nullptr);
        v.LoadStrings({"x"});
        QCOMPARE(host.processing, QList<bool>({true, false}));

        v.SubmitForm("go.htm", "GET", {"a=1"});
        QVERIFY(host.submitted.isEmpty());  // later, from the event loop
        QTRY_COMPARE(host.submitted.size(), 1);
        QCOMPARE(host.submitted[0].action, QString("go.htm"));
        QCOMPARE(host.submitted[0].method, QString("GET"));
        QCOMPARE(host.submitted[0].results, QStringList{"a=1"});
    }

    void borderAndRightButton() {
        auto v = shown(120, 80);
        v->setBorderStyle(htSingle);
        QImage shot = v->grab().toImage();
        QCOMPARE(QColor(shot.pixel(0, 40)), v->palette().color(QPalette::ButtonText));
        v->setBorderStyle(htNone);
        shot = v->grab().toImage();
        QCOMPARE(QColor(shot.pixel(0, 40)), v->palette().color(QPalette::Window));

        QTest::mouseRelease(v.get(), Qt::RightButton, {}, QPoint(0, 0));
        QCOMPARE(host_.released, QList<Qt::MouseButton>({Qt::RightButton}));
    }

    void everyLoadStartsFromTheDefaults() {
        THTMLViewer v;
        v.setDefFontColor(Qt::darkGreen);
        v.LoadStrings({"<BODY TEXT=white LINK=yellow BGCOLOR=black>x <A HREF=a.htm>l</A>"});
        QCOMPARE(v.DefFontColor(), QColor(Qt::darkGreen));  // the property, not the page
        QCOMPARE(v.DefHotSpotColor(), QColor(Qt::blue));
        QCOMPARE(v.document().list().FontColor, QColor(Qt::white));
        v.LoadStrings({"y <A HREF=b.htm>m</A>"});
        const TSectionList& list = v.document().list();
        QCOMPARE(list.FontColor, QColor(Qt::darkGreen));
        QCOMPARE(list.HotSpotColor, QColor(Qt::blue));
        QCOMPARE(list.Background, v.DefBackground());
        const QString text = static_cast<const TSection*>(list.at(0))->text();
        const TSection* s = static_cast<const TSection*>(list.at(0));
        QCOMPARE(s->fontAt(0).TheFont.color, QColor(Qt::darkGreen));
        QCOMPARE(s->fontAt(int(text.indexOf('m'))).TheFont.color, QColor(Qt::blue));
        // Emptying the viewer also goes back to the defaults.
        v.LoadStrings({"<BODY TEXT=red>z"});
        v.Clear();
        QCOMPARE(v.document().list().FontColor, QColor(Qt::darkGreen));
    }

    void layoutErrorsAreToldOnce() {
        QString cells;
        for (int i = 0; i < 31; ++i)
            cells += "<TD>c";
        TRecordingViewerHost host;
        THTMLViewer v(host, nullptr);
        v.resize(300, 200);
        const QStringList& told = host.layoutErrors;
        // Two tables dropped: one message for the page.
        v.LoadStrings({"before<TABLE><TR>" + cells + "</TABLE>after<TABLE><TR>" + cells + "</TABLE>"});
        QCOMPARE(told, QStringList{"Table has too many Columns"});
        QVERIFY(v.document().findString(0, "after", true) >= 0);
        v.resize(200, 200);  // laid out again: the table is gone, nothing more told
        QCOMPARE(told.size(), 1);
    }

    void seeThroughBackgroundShowsTheColour() {
        QImage clear(8, 8, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(clear.save(path("clear.png")));
        write("clear.htm", "<BODY BGCOLOR=yellow BACKGROUND=clear.png>x");
        auto v = shown(200, 120);
        v->setViewImages(true);
        QVERIFY(v->LoadFromFile(path("clear.htm")).isEmpty());
        for (int round = 0; round < 2; ++round) {
            const QImage shot = v->paintPanel()->grab().toImage();
            QCOMPARE(QColor(shot.pixel(150, 100)), QColor(Qt::yellow));
            QTest::keyClick(v.get(), Qt::Key_Down);
        }
        const QImage rendered = RenderHtmlFile(path("clear.htm"), QSize(100, 50));
        QCOMPARE(QColor(rendered.pixel(90, 40)), QColor(Qt::yellow));
    }

    void expandsFileNames() {
        QCOMPARE(ExpandHtmlFilename("pics\\a.gif", "", "/site"), QString("/site/pics/a.gif"));
        QCOMPARE(ExpandHtmlFilename(" file:///tmp/Page.htm ", "", "/site"), QString("/tmp/Page.htm"));
        QCOMPARE(ExpandHtmlFilename("a.gif", "file:///web/index.htm", "/site"), QString("/web/a.gif"));
        QCOMPARE(ExpandHtmlFilename("a.gif", "dospath", "/site"), QString("a.gif"));
        QCOMPARE(ExpandHtmlFilename("../up.htm", "", "/site/sub"), QString("/site/up.htm"));
    }
};

QTEST_MAIN(TestViewerWidget)
#include "test_viewer_widget.moc"
