// Pictures: the cache, transparency, sizes, stand-ins and image maps.
#include "RecordingHosts.h"
#include "viewer/HtmlDocument.h"
#include "viewer/HtmlViewer.h"
#include "viewer/ImageCache.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A 2 x 2 GIF89a: red, with index 1 (black) transparent at (1, 1).
const QByteArray kGif89 = QByteArray::fromHex(
    "47494638396102000200f00000ff000000000021f90401000001002c00000000020002000002028453003b");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void writePng(const QString& path, int w, int h, QColor c = Qt::green) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    QVERIFY(img.save(path, "PNG"));
}

const TImageObj* firstImage(THtmlDocument& doc) {
    for (const auto& s : doc.list())
        if (auto* t = dynamic_cast<const TSection*>(s.get()))
            if (t->Images.count())
                return t->Images.at(0);
    return nullptr;
}
}  // namespace

class TestViewerImages : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString loadInViewer(THTMLViewer& v, const QString& body) {
        writeFile(path("page.htm"), body.toLatin1());
        return v.LoadFromFile(path("page.htm"));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        writePng(path("pic.png"), 80, 60);
        writeFile(path("t89.gif"), kGif89);
        QByteArray gif87 = kGif89;
        gif87[4] = '7';
        writeFile(path("t87.gif"), gif87);
        writeFile(path("broken.png"), QByteArray("\x89PNG\r\n\x1a\nnot really a picture", 28));
    }

    void sameSourceInAnotherCaseIsOneCacheEntry() {
        THTMLViewer v;
        v.setViewImages(true);
        QCOMPARE(loadInViewer(v, "<IMG SRC=\"pic.png\"> <IMG SRC=\"  PIC.PNG \"> <IMG SRC=pic.PNG>"),
                 QString());
        QCOMPARE(v.imageCache().count(), 1);
        QCOMPARE(v.imageCache().decodes(), 1);
        QVERIFY(v.imageCache().find(" pic.png"));
    }

    void cacheCountDecidesHowLongPicturesStay() {
        THTMLViewer v;
        v.setViewImages(true);
        loadInViewer(v, "<IMG SRC=pic.png>");
        v.LoadFromFile(path("page.htm"));
        QCOMPARE(v.imageCache().decodes(), 1);  // kept between loads

        THTMLViewer none;
        none.setImageCacheCount(0);
        none.setViewImages(true);
        loadInViewer(none, "<IMG SRC=pic.png><IMG SRC=pic.png>");
        QCOMPARE(none.imageCache().decodes(), 1);  // shared within one load
        none.LoadFromFile(path("page.htm"));
        none.LoadFromFile(path("page.htm"));
        QCOMPARE(none.imageCache().decodes(), 3);  // decoded again on each load

        // Unused pictures age out after ImageCacheCount + 1 loads.
        TStringBitmapList cache;
        cache.SetCacheCount(2);
        int t = 0;
        QVERIFY(!cache.GetTheBitmap(path("pic.png"), t, {}, {}).isNull());
        cache.PurgeCache();
        cache.PurgeCache();
        QCOMPARE(cache.count(), 1);
        cache.PurgeCache();
        QCOMPARE(cache.count(), 0);
    }

    void gifTransparencyOnlyFromVersion89() {
        QCOMPARE(GifTransparentColor(kGif89), QColor(0, 0, 0));
        QByteArray g87 = kGif89;
        g87[4] = '7';
        QVERIFY(!GifTransparentColor(g87).isValid());
        QByteArray noBit = kGif89;
        noBit[13 + 6 + 3] = 0;  // transparency flag off
        QVERIFY(!GifTransparentColor(noBit).isValid());
        // A truncated or absurd header never reads past the bytes given.
        QVERIFY(!GifTransparentColor(kGif89.left(20)).isValid());
        QByteArray huge = kGif89.left(13);
        huge[10] = char(0xF7);  // a 256-entry table that is not there
        QVERIFY(!GifTransparentColor(huge).isValid());

        int t = 0;
        QImage mask;
        QImage img = LoadImageWithMask(path("t89.gif"), t, mask);
        QVERIFY(!img.isNull());
        QCOMPARE(t, int(TrColor));
        QVERIFY(!mask.isNull());
        QCOMPARE(mask.pixelIndex(1, 1), 1);
        QCOMPARE(mask.pixelIndex(0, 0), 0);
        t = 0;
        img = LoadImageWithMask(path("t87.gif"), t, mask);
        QVERIFY(!img.isNull());
        QCOMPARE(t, int(TrNone));
        QVERIFY(mask.isNull());
    }

    void transpMasksTheBottomLeftColour() {
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setPixel(2, 1, qRgb(255, 0, 0));
        const QImage shown = ApplyMask(img, MakeMask(img));
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(shown.pixel(2, 1), qRgb(255, 0, 0));
    }

    void sizesFollowWidthAndHeightOnlyTogether() {
        THTMLViewer v;
        v.setViewImages(true);
        loadInViewer(v, "<IMG SRC=pic.png WIDTH=200>");
        const TImageObj* img = firstImage(v.document());
        QVERIFY(img && img->Obtained);
        QCOMPARE(QSize(img->ObjWidth, img->ObjHeight), QSize(80, 60));
        loadInViewer(v, "<IMG SRC=pic.png WIDTH=40 HEIGHT=30>");
        img = firstImage(v.document());
        QCOMPARE(QSize(img->ObjWidth, img->ObjHeight), QSize(40, 30));
        // Absurd sizes are bounded, never allocated.
        loadInViewer(v, "<IMG SRC=pic.png WIDTH=2000000000 HEIGHT=2000000000>");
        img = firstImage(v.document());
        QVERIFY(img->ObjWidth <= 10000 && img->ObjHeight <= 10000);
        v.resize(300, 200);
        v.grab();  // paints without trouble
    }

    void missingOrBrokenPictureShowsStandInWithAlt() {
        THTMLViewer v;
        v.setViewImages(true);
        loadInViewer(v, "<IMG SRC=nothere.gif ALT=\"Lost picture\">");
        const TImageObj* img = firstImage(v.document());
        QVERIFY(img && !img->Obtained);
        QVERIFY(img->HasBorder);
        QVERIFY(img->ImageWidth > img->ObjWidth + 40);  // the ALT text beside it
        loadInViewer(v, "<IMG SRC=broken.png>");
        img = firstImage(v.document());
        QVERIFY(img && !img->Obtained);
        QCOMPARE(v.imageCache().count(), 0);
        QVERIFY(!ViewerPlaceholder(PictureNotObtained).isNull());
        QVERIFY(!ViewerPlaceholder(PictureImagesOff).isNull());
    }

    void standInsTakeTheSizeOfTheirPicture() {
        THTMLViewer v;
        loadInViewer(v, "<IMG SRC=pic.png> <IMG SRC=gone.png WIDTH=33 HEIGHT=22>");
        const TSection* s = static_cast<const TSection*>(v.document().list().at(0));
        QCOMPARE(QSize(s->Images.at(0)->ObjWidth, s->Images.at(0)->ObjHeight),
                 ViewerPlaceholder(PictureImagesOff).size());
        QCOMPARE(QSize(s->Images.at(1)->ObjWidth, s->Images.at(1)->ObjHeight), QSize(33, 22));
        v.setViewImages(true);
        loadInViewer(v, "<IMG SRC=gone.png>");
        const TImageObj* img = firstImage(v.document());
        QCOMPARE(QSize(img->ObjWidth, img->ObjHeight), ViewerPlaceholder(PictureNotObtained).size());
    }

    void picturesInCellsFollowTheSwitch() {
        THTMLViewer v;
        v.resize(300, 200);
        loadInViewer(v, "<TABLE><TR><TD><TABLE><TR><TD><IMG SRC=pic.png></TABLE></TABLE>");
        const TImageObj* img = nullptr;
        ForEachSection(v.document().list(), [&](TSectionBase& s) {
            if (auto* t = dynamic_cast<TSection*>(&s); t && t->Images.count())
                img = t->Images.at(0);
        });
        QVERIFY(img && !img->Obtained);
        v.setViewImages(true);
        QVERIFY(img->Obtained);
        QCOMPARE(img->ObjWidth, 80);
        QVERIFY(v.MaxVert() >= 60);
        v.setViewImages(false);
        QVERIFY(!img->Obtained);
    }

    void ownerSuppliesPictures() {
        TRecordingViewerHost host;
        THTMLViewer v(host, nullptr);
        v.setViewImages(true);
        const QStringList& asked = host.pictures;
        // The host answers for every picture; pic.png it leaves out.
        host.supplyPicture = [](const QString& src, QImage& bmp, QColor& color) {
            if (src == QLatin1String("given")) {
                bmp = QImage(10, 10, QImage::Format_RGB32);
                bmp.fill(Qt::yellow);
                color = Qt::yellow;
            }
            return true;
        };
        loadInViewer(v, "<IMG SRC=given> <IMG SRC=pic.png>");
        QCOMPARE(asked, QStringList({"given", "pic.png"}));
        const TBitmapItem* item = v.imageCache().find("GIVEN");
        QVERIFY(item);
        QCOMPARE(item->Transp, int(TrColor));
        QVERIFY(!v.imageCache().find("pic.png"));  // the file is not tried

        // A picture the host leaves alone is read from its file.
        host.supplyPicture = nullptr;
        loadInViewer(v, "<IMG SRC=pic.png>");
        QVERIFY(firstImage(v.document())->Obtained);
    }

    void picturesSwitchedOnAndOff() {
        THTMLViewer v;
        v.resize(300, 200);
        loadInViewer(v, "<IMG SRC=pic.png> text");
        const TImageObj* img = firstImage(v.document());
        QVERIFY(img && !img->Obtained);
        QCOMPARE(v.imageCache().decodes(), 0);  // nothing is read while pictures are off
        const int before = v.MaxVert();
        v.setViewImages(true);
        img = firstImage(v.document());
        QVERIFY(img->Obtained);
        QCOMPARE(QSize(img->ObjWidth, img->ObjHeight), QSize(80, 60));
        QVERIFY(v.MaxVert() > before);  // laid out again with the real size
        v.setViewImages(false);
        QVERIFY(!firstImage(v.document())->Obtained);

        // Text lines find their pictures in the folder given with them.
        v.setViewImages(true);
        v.LoadStrings({"<IMG SRC=\"pic.png\">"}, dir_.path());
        QVERIFY(firstImage(v.document())->Obtained);
    }

    void imageMaps() {
        THtmlDocument doc;
        doc.parse("<MAP NAME=m>"
                  "<AREA SHAPE=circle COORDS=\"10,10\" HREF=two.htm>"
                  "<AREA SHAPE=circ COORDS=\"50,50,10\" HREF=circle.htm>"
                  "<AREA SHAPE=rect COORDS=\"0,0,20,20\" NOHREF>"
                  "<AREA COORDS=\"0,0,100,100\" HREF=rect.htm>"
                  "<AREA SHAPE=poly COORDS=\"200,0,300,0,250,2000000000\" HREF=poly.htm>"
                  "</MAP>");
        const TMapItem* map = doc.list().FindMap("M");
        QVERIFY(map);
        QCOMPARE(map->areaCount(), 4);  // the two-number circle is dropped
        QString url;
        QVERIFY(map->GetURL(50, 50, url));
        QCOMPARE(url, QString("circle.htm"));
        QVERIFY(!map->GetURL(5, 5, url));  // NOHREF hides the rectangle below it
        QVERIFY(map->GetURL(90, 90, url));
        QCOMPARE(url, QString("rect.htm"));
        QVERIFY(map->GetURL(250, 10, url));
        QCOMPARE(url, QString("poly.htm"));
    }

    void backgroundPictureIsTiled() {
        QImage tile(4, 4, QImage::Format_RGB32);
        tile.fill(Qt::red);
        tile.save(path("bg.png"));
        THTMLViewer v;
        v.setViewImages(true);
        v.resize(200, 100);
        loadInViewer(v, "<BODY BACKGROUND=bg.png>x");
        const QImage shot = v.paintPanel()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(150, 80)), QColor(Qt::red));
    }
};

QTEST_MAIN(TestViewerImages)
#include "test_viewer_images.moc"
