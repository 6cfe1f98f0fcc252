// Pictures of small reference pages (tests/viewer/tables) compared with the
// stored PNGs beside them, pixel for pixel. A picture that differs is left
// with a difference picture in the failed-pictures folder the message names.
// With TARVO_UPDATE_PICTURES=1 the stored pictures are written afresh.
#include "TestPictures.h"
#include "viewer/HtmlDocument.h"
#include "viewer/ViewerCommand.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class TestViewerPictures : public QObject {
    Q_OBJECT
private slots:
    void pagesLookAsStored_data();
    void pagesLookAsStored();
};

void TestViewerPictures::pagesLookAsStored_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("width");
    const QDir dir(TARVO_PICTURES_DIR);
    for (const QString& file : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
        const QString page = file.chopped(5);
        if (page == QLatin1String("width-50-percent")) {
            QTest::newRow("width-50-percent-600") << page << 600;
            QTest::newRow("width-50-percent-800") << page << 800;
        } else {
            QTest::newRow(qPrintable(page)) << page << 400;
        }
    }
}

void TestViewerPictures::pagesLookAsStored() {
    QFETCH(QString, page);
    QFETCH(int, width);
    const QDir dir(TARVO_PICTURES_DIR);
    THtmlDocument doc;
    QCOMPARE(doc.parseFile(dir.filePath(page + ".html")), QString());
    const QImage got = RenderHtmlDocument(doc, width, 0).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!got.isNull());
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString failure = CompareWithStoredPicture(got, dir.filePath(name + ".png"), name);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestViewerPictures)
#include "test_viewer_pictures.moc"
