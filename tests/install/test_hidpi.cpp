// The program at a scale factor of 2: every picture comes drawn at twice
// the size and is shown at its own logical size, pixel for pixel.
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "main/Startup.h"

#include <QDirIterator>
#include <QLabel>
#include <QPainter>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyPictureHasItsTwin();
    void resourceBitmapsAreTheTwins();
    void picturesAreShownUnscaled();
    void composedPicturesKeepTheScale();
    void mainWindowKeepsItsLayout();
};

namespace {

// `picture` drawn over `background` as a widget paints it.
QImage Over(const QImage& picture, const QColor& background) {
    QImage out(picture.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(picture.devicePixelRatio());
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

// The largest difference of any channel between two images of one size.
int MaxDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return 256;
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            worst = std::max({worst, std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                              std::abs(qBlue(p[col]) - qBlue(q[col])), std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
        }
    }
    return worst;
}

QImage TwinFile(const QString& name) { return QImage(QStringLiteral(":/bitmaps/%1@2x.png").arg(name)); }

}  // namespace

void TestHiDpi::initTestCase() {
    InitTarvoResources();
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QVERIFY(UseDoubleSizePictures());
}

void TestHiDpi::everyPictureHasItsTwin() {
    int pairs = 0;
    for (const QString& folder : {QStringLiteral(":/bitmaps"), QStringLiteral(":/cursors")}) {
        QDirIterator it(folder, {QStringLiteral("*.png")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const bool twin = path.endsWith(QLatin1String("@2x.png"));
            const QString other = twin ? QString(path).replace(QLatin1String("@2x.png"), QLatin1String(".png"))
                                       : QString(path).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
            const QImage plain(twin ? other : path), doubled(twin ? path : other);
            QVERIFY2(!plain.isNull() && !doubled.isNull(), qPrintable(path + " has no twin"));
            QVERIFY2(doubled.size() == plain.size() * 2, qPrintable(path));
            QCOMPARE(doubled.devicePixelRatio(), 2.0);  // from its "@2x" name
            if (!twin) ++pairs;
        }
    }
    QVERIFY(pairs > 100);
}

void TestHiDpi::resourceBitmapsAreTheTwins() {
    for (const char* name : {"Toolbar", "Para", "Page_Buzz3", "Web_Back", "Windy_Left", "Max_Up"}) {
        const QPixmap pm = ResourceBitmap(QLatin1String(name));
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        const QImage plain(QStringLiteral(":/bitmaps/%1.png").arg(QLatin1String(name)));
        QCOMPARE(pm.deviceIndependentSize().toSize(), plain.size());
        QCOMPARE(MaxDifference(pm.toImage(), TwinFile(QLatin1String(name))), 0);
    }
    QVERIFY(ResourceBitmap(QStringLiteral("NoSuchPicture")).isNull());
    QCOMPARE(ProgramIcon().pixmap(64).devicePixelRatio(), 2.0);
}

void TestHiDpi::picturesAreShownUnscaled() {
    // A picture control shows the twin's own pixels: nothing is blown up.
    QWidget host;
    host.setAutoFillBackground(true);
    auto* picture = new TPicture(&host, QStringLiteral("imgTest"));
    picture->ShowBitmap(QStringLiteral("Logo"));
    QCOMPARE(picture->size(), QSize(376, 36));
    host.resize(400, 60);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage shown = picture->grab().toImage();
    QCOMPARE(shown.size(), QSize(752, 72));
    const QColor back = host.palette().color(QPalette::Window);
    QVERIFY(MaxDifference(shown, Over(TwinFile(QStringLiteral("Logo")), back)) <= 1);
}

void TestHiDpi::composedPicturesKeepTheScale() {
    // A picture drawn into a label over what it showed before lands at its
    // logical place on a canvas of the same pixel ratio.
    QLabel label;
    label.resize(100, 80);
    DrawResourceBitmap(&label, QStringLiteral("Icon_Page"), 0, 0);
    DrawResourceBitmap(&label, QStringLiteral("Glyph_Next"), 60, 50);
    const QPixmap canvas = label.pixmap();
    QCOMPARE(canvas.devicePixelRatio(), 2.0);
    QCOMPARE(canvas.deviceIndependentSize().toSize(), QSize(100, 80));
    const QImage img = canvas.toImage();
    QCOMPARE(MaxDifference(img.copy(0, 0, 64, 64), TwinFile(QStringLiteral("Icon_Page"))), 0);
    QCOMPARE(MaxDifference(img.copy(120, 100, 32, 32), TwinFile(QStringLiteral("Glyph_Next"))), 0);
}

void TestHiDpi::mainWindowKeepsItsLayout() {
    TTestEnv env;
    QVERIFY(env.ok());
    std::unique_ptr<TfrmMain> w(CreateMainWindow());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->findChild<TPicture*>(QStringLiteral("picToolbar"))->geometry(), QRect(0, 0, 620, 96));
    auto* logo = w->findChild<TPicture*>(QStringLiteral("imgLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(376, 36));
    // A step of the mascot's walk composes a fresh toolbar at full sharpness.
    w->WalkThePim(1);
    QCOMPARE(w->PimPosition(), 1);
    const QPixmap bar = w->findChild<TPicture*>(QStringLiteral("picToolbar"))->pixmap();
    QCOMPARE(bar.devicePixelRatio(), 2.0);
    QCOMPARE(bar.deviceIndependentSize().toSize(), QSize(620, 96));
    const QImage barImg = bar.toImage();
    QCOMPARE(MaxDifference(barImg.copy(0, 0, 300, 192), TwinFile(QStringLiteral("Toolbar")).copy(0, 0, 300, 192)), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    TTarvoApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
