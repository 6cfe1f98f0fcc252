// Every picture, cursor and sound the program looks up is compiled in, at
// the size its place on screen needs; the sounds are playable PCM; the lit
// toolbar segments line up with the toolbar under them.
#include "TarvoResources.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

namespace {

struct Picture {
  const char* name;
  int w, h;
};

// The sizes the windows are laid out for.
const Picture kBitmaps[] = {
    {"Toolbar", 620, 96}, {"Toolbutt1", 146, 96}, {"Toolbutt2", 170, 96}, {"Toolbutt3", 170, 96},
    {"Toolbutt4", 170, 96}, {"Toolbutt5", 140, 96}, {"Logo", 376, 36}, {"Preview", 83, 98},
    {"Max_Dis", 54, 20}, {"Max_Up", 54, 20}, {"Max_Dn", 54, 20}, {"Min_Up", 54, 20},
    {"Min_Dn", 54, 20}, {"Exit_Up", 51, 18}, {"Exit_Dn", 51, 18},
    {"Para", 95, 22}, {"Link", 95, 22}, {"Image", 95, 22}, {"Heading", 95, 22},
    {"Email", 95, 22}, {"Line", 95, 22},
    {"Para_H", 95, 22}, {"Link_H", 95, 22}, {"Image_H", 95, 22}, {"Heading_H", 95, 22},
    {"Email_H", 95, 22}, {"Line_H", 95, 22},
    {"Para_T", 83, 16}, {"Link_T", 83, 16}, {"Image_T", 83, 16}, {"Heading_T", 83, 16},
    {"Email_T", 83, 16}, {"Line_T", 83, 16},
    {"Page_Back", 300, 272}, {"Page_BuzzBack", 96, 24},
    {"Page_Buzz1", 78, 34}, {"Page_Buzz2", 78, 34}, {"Page_Buzz3", 78, 34}, {"Page_Buzz4", 78, 34},
    {"Page_Buzz5", 78, 34}, {"Page_Buzz6", 78, 34}, {"Page_Buzz7", 78, 34}, {"Page_Buzz8", 78, 34},
    {"Web_Back", 420, 210}, {"Web_Rotate1", 276, 163}, {"Web_Rotate2", 276, 163},
    {"Web_Rotate3", 276, 163}, {"Web_Rotate4", 276, 163},
    {"Web_LeftUp", 51, 54}, {"Web_LeftDn", 51, 54}, {"Web_RightUp", 53, 55}, {"Web_RightDn", 53, 55},
    {"Web_Page", 71, 93}, {"Web_PageFlash", 71, 93}, {"Web_Brenfold", 70, 41},
    {"Web_Partner1", 70, 41}, {"Web_Partner2", 70, 41}, {"Web_Partner3", 70, 41},
    {"Web_Partner4", 70, 41}, {"Web_Partner5", 70, 41}, {"Web_Your", 50, 50},
    {"Web_Upload1", 96, 178}, {"Web_Upload2", 72, 80}, {"Web_Upload3", 66, 62},
    {"Web_Upload4", 62, 46}, {"Web_Upload5", 56, 40}, {"Web_Upload6", 50, 36},
    {"Web_Upload7", 44, 32}, {"Web_Upload8", 40, 28}, {"Web_Upload9", 30, 30},
    {"Fire1", 160, 160}, {"Fire2", 160, 160}, {"Fire3", 160, 160}, {"Fire4", 160, 160},
    {"Fire5", 160, 160}, {"Fire6", 160, 160}, {"Fire7", 160, 160}, {"Fire8", 160, 160},
    {"Fire9", 160, 160}, {"Fire10", 160, 160}, {"Fire11", 160, 160},
    {"Windy_Right", 64, 59}, {"Windy_Left", 64, 59}, {"Splash", 205, 200},
    {"Icon_Template", 32, 32}, {"Icon_Page", 32, 32}, {"Image_1001", 20, 20},
    {"Image_1002", 20, 20}, {"AppIcon", 64, 64}, {"About", 366, 140}, {"VBSlab", 241, 184},
    {"Wizard_Style", 130, 250}, {"Wizard_Server", 130, 250}, {"Upload_Window", 64, 64},
    {"Glyph_AlignLeft", 16, 16}, {"Glyph_AlignCenter", 16, 16}, {"Glyph_AlignRight", 16, 16},
    {"Glyph_NewLine", 16, 16}, {"Glyph_Browse", 16, 16}, {"Glyph_Back", 16, 16},
    {"Glyph_Next", 16, 16}, {"Glyph_Up", 24, 24}, {"Glyph_Down", 24, 24},
};

const Picture kCursors[] = {{"Cursor_Hand", 32, 32}, {"Hand_Open", 32, 32}, {"Hand_Closed", 32, 32}};

const char* const kSounds[] = {"wavclick1", "wavclick2", "wavglide",   "wavmate",
                               "wavshred",  "wavupload", "wavwebturn", "wavworks"};

// Where each lit segment is laid over the toolbar.
constexpr int kSegLeft[5] = {0, 103, 230, 354, 481};

int channelDiff(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

}  // namespace

class TestResources : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { InitTarvoResources(); }

  void picturesHaveTheirSizes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Picture& p : kBitmaps)
      QTest::newRow(p.name) << QStringLiteral(":/bitmaps/%1.png").arg(p.name) << QSize(p.w, p.h);
    for (const Picture& p : kCursors)
      QTest::newRow(p.name) << QStringLiteral(":/cursors/%1.png").arg(p.name) << QSize(p.w, p.h);
  }

  void picturesHaveTheirSizes() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage img(path);
    QVERIFY2(!img.isNull(), qPrintable(path));
    QCOMPARE(img.size(), size);
    // Drawn, not blank: more than a handful of distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < img.height() && colours.size() < 8; y += 2)
      for (int x = 0; x < img.width(); x += 2) colours.insert(img.pixel(x, y));
    QVERIFY2(colours.size() >= 8, qPrintable(path));
  }

  void cursorsCarryHotSpotsInsideThem() {
    for (const Picture& c : kCursors) {
      const QPoint hot = TarvoCursorHotSpot(QString::fromLatin1(c.name));
      QVERIFY2(QRect(0, 0, c.w, c.h).contains(hot) && hot != QPoint(0, 0), c.name);
      // The hot spot lies on (or right beside) the drawn hand.
      const QImage img(QStringLiteral(":/cursors/%1.png").arg(c.name));
      QVERIFY2(qAlpha(img.pixel(hot)) > 0 || qAlpha(img.pixel(hot + QPoint(0, 1))) > 0, c.name);
    }
    QCOMPARE(TarvoCursorHotSpot(QStringLiteral("NoSuchCursor")), QPoint());
  }

  void soundsArePlayablePcm_data() {
    QTest::addColumn<QString>("name");
    for (const char* s : kSounds) QTest::newRow(s) << QString::fromLatin1(s);
  }

  void soundsArePlayablePcm() {
    QFETCH(QString, name);
    QFile f(QStringLiteral(":/sounds/%1.wav").arg(name));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray w = f.readAll();
    QVERIFY(w.size() > 44);
    const char* d = w.constData();
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(d + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(d + at); };
    QCOMPARE(w.left(4), QByteArray("RIFF"));
    QCOMPARE(qsizetype(u32(4)) + 8, w.size());
    QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u16(20), quint16(1));      // PCM
    QCOMPARE(u16(22), quint16(1));      // mono
    QCOMPARE(u32(24), quint32(22050));
    QCOMPARE(u16(34), quint16(16));
    QCOMPARE(w.mid(36, 4), QByteArray("data"));
    const quint32 bytes = u32(40);
    QCOMPARE(qsizetype(bytes) + 44, w.size());
    const double seconds = bytes / 2 / 22050.0;
    QVERIFY2(seconds > 0.03 && seconds <= 1.5, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (quint32 i = 0; i < bytes / 2; ++i)
      peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d + 44 + 2 * i))));
    QVERIFY2(peak > 8000, qPrintable(QString::number(peak)));
  }

  void litSegmentsLineUpWithTheToolbar() {
    const QImage bar = QImage(":/bitmaps/Toolbar.png").convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < 5; ++i) {
      const QImage lit = QImage(QStringLiteral(":/bitmaps/Toolbutt%1.png").arg(i + 1))
                             .convertToFormat(QImage::Format_ARGB32);
      const int left = kSegLeft[i];
      const int last = std::min(lit.width(), bar.width() - left) - 1;
      // Both outer columns match the toolbar under them...
      for (int x : {0, last})
        for (int y = 0; y < lit.height(); ++y)
          QVERIFY2(channelDiff(lit.pixel(x, y), bar.pixel(left + x, y)) <= 2,
                   qPrintable(QStringLiteral("Toolbutt%1 at %2,%3").arg(i + 1).arg(x).arg(y)));
      // ...while the middle is visibly lit.
      long sum = 0;
      int n = 0;
      for (int y = 20; y < 76; y += 2)
        for (int x = lit.width() / 2 - 20; x < lit.width() / 2 + 20; x += 2, ++n)
          sum += channelDiff(lit.pixel(x, y), bar.pixel(left + x, y));
      QVERIFY2(sum / n > 40, qPrintable(QStringLiteral("Toolbutt%1").arg(i + 1)));
    }
  }
  // Pictures drawn over another one at a fixed place must meet it without a
  // seam: their outer ring of pixels is the picture under them.
  void overlaysMeetWhatLiesUnder_data() {
    QTest::addColumn<QString>("overlay");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QPoint>("at");
    for (int k = 1; k <= 4; ++k)
      QTest::newRow(qPrintable(QStringLiteral("Web_Rotate%1").arg(k)))
          << QStringLiteral("Web_Rotate%1").arg(k) << "Web_Back" << QPoint(72, 0);
    QTest::newRow("Web_LeftUp") << "Web_LeftUp" << "Web_Back" << QPoint(0, 0);
    QTest::newRow("Web_LeftDn") << "Web_LeftDn" << "Web_Back" << QPoint(0, 0);
    QTest::newRow("Web_RightUp") << "Web_RightUp" << "Web_Back" << QPoint(356, 0);
    QTest::newRow("Web_RightDn") << "Web_RightDn" << "Web_Back" << QPoint(356, 0);
    QTest::newRow("Web_Page") << "Web_Page" << "Web_Back" << QPoint(320, 114);
    QTest::newRow("Web_PageFlash") << "Web_PageFlash" << "Web_Back" << QPoint(320, 114);
    // The upload panel's points less the web picture's own place (192, 70).
    const QPoint flight[9] = {{489, 102}, {504, 151}, {501, 151}, {500, 150}, {482, 150},
                              {466, 149}, {463, 149}, {442, 150}, {401, 142}};
    for (int k = 0; k < 9; ++k)
      QTest::newRow(qPrintable(QStringLiteral("Web_Upload%1").arg(k + 1)))
          << QStringLiteral("Web_Upload%1").arg(k + 1) << "Web_Back" << flight[k] - QPoint(192, 70);
  }

  void overlaysMeetWhatLiesUnder() {
    QFETCH(QString, overlay);
    QFETCH(QString, base);
    QFETCH(QPoint, at);
    // The pictures drawn at twice the size meet alike, at twice the place.
    for (const char* twin : {"", "@2x"}) {
      const int scale = *twin ? 2 : 1;
      overlayMeets(QString(overlay + twin), QString(base + twin), at * scale);
      if (QTest::currentTestFailed()) return;
    }
  }

private:
  void overlayMeets(const QString& overlay, const QString& base, QPoint at) {
    const QImage top = QImage(":/bitmaps/" + overlay + ".png").convertToFormat(QImage::Format_ARGB32);
    const QImage under = QImage(":/bitmaps/" + base + ".png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!top.isNull() && !under.isNull());
    QVERIFY(QRect(QPoint(), under.size()).contains(QRect(at, top.size())));
    for (int y = 0; y < top.height(); ++y)
      for (int x = 0; x < top.width(); ++x) {
        if (x != 0 && y != 0 && x != top.width() - 1 && y != top.height() - 1) continue;
        QVERIFY2(channelDiff(top.pixel(x, y), under.pixel(at + QPoint(x, y))) <= 6,
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(overlay).arg(x).arg(y)));
      }
  }

private slots:
  // The shredder frames stand on the shredder: apart from their top row,
  // where the block goes in, their edges are the canvas with the shredder
  // on it (canvas picture at 0, 1; shredder at -10, 248; frames at 7, 238).
  void shredderFramesStandOnTheShredder() {
    QImage scene = QImage(":/bitmaps/Page_Back.png").convertToFormat(QImage::Format_ARGB32);
    {
      QPainter p(&scene);
      p.drawImage(-10, 247, QImage(":/bitmaps/Page_BuzzBack.png"));
    }
    for (int k = 1; k <= 8; ++k) {
      const QImage f = QImage(QStringLiteral(":/bitmaps/Page_Buzz%1.png").arg(k))
                           .convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(f.size(), QSize(78, 34));
      for (int y = 1; y < 34; ++y)
        for (int x = 0; x < 78; ++x) {
          if (x != 0 && x != 77 && y != 33) continue;
          QVERIFY2(channelDiff(f.pixel(x, y), scene.pixel(x + 7, y + 237)) <= 6,
                   qPrintable(QStringLiteral("Page_Buzz%1 at %2,%3").arg(k).arg(x).arg(y)));
        }
    }
  }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
