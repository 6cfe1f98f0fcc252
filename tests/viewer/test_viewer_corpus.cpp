// Every input kept by the fuzzer (fuzz/corpus and fuzz/crashers) goes
// through parse, layout, drawing, hit tests and copying again.
#include "viewer/HtmlDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QtTest>

class TestViewerCorpus : public QObject {
    Q_OBJECT
private slots:
    void everyKeptInputRunsClean();
};

void TestViewerCorpus::everyKeptInputRunsClean() {
    int files = 0;
    QElapsedTimer t;
    t.start();
    for (const QString& sub : {QString("corpus"), QString("crashers")}) {
        QDir dir(QString(TARVO_FUZZ_DIR) + "/" + sub);
        for (const QFileInfo& fi : dir.entryInfoList(QDir::Files)) {
            QFile f(fi.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            THtmlDocument doc;
            doc.parse(DecodeWindows1252(bytes));
            const int width = bytes.isEmpty() ? 300 : 20 + uchar(bytes[0]) * 3;
            doc.layout(width);
            QImage img(320, 240, QImage::Format_RGB32);
            QPainter p(&img);
            doc.draw(p, img.rect());
            doc.selectAll();
            doc.list().YOff = doc.documentHeight() / 2;
            doc.draw(p, img.rect());
            for (int y = 0; y < doc.documentHeight(); y += 41)
                doc.urlAt(y % width, y), doc.cursorAt(y % width, y);
            // Every copied line holds its characters, bounded indentation and
            // a line end; spacing sections add one empty line each.
            const qsizetype bound =
                qsizetype(MaxCopyIndent + 3) * (doc.textLength() + doc.list().count());
            QVERIFY2(doc.copyText().size() <= bound, qPrintable(fi.fileName()));
            ++files;
        }
    }
    qInfo("%d inputs in %lld ms", files, t.elapsed());
    QVERIFY(files > 0);
}

QTEST_MAIN(TestViewerCorpus)
#include "test_viewer_corpus.moc"
