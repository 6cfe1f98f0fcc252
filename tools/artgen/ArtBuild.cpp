// The build canvas: the binder page with its toolbox tray, the six block
// pictures (normal and highlighted), the property panel titles and the
// shredder with its animation frames.
#include "Catalog.h"
#include "Paint.h"
#include "Shapes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art {
namespace {

struct BlockKind {
  const char* name;   // resource name
  const char* label;  // word on the block
  Icon icon;
  QColor colour;
};

const BlockKind kKinds[6] = {
    {"Para", "Paragraph", Icon::Paragraph, pal::sky},
    {"Link", "Link", Icon::Link, pal::grape},
    {"Image", "Image", Icon::Image, pal::leaf},
    {"Heading", "Heading", Icon::Heading, pal::orange},
    {"Email", "E-mail", Icon::Email, pal::berry},
    {"Line", "Line", Icon::Line, pal::teal},
};

// Canvas geometry, in the picture's own coordinates (the canvas picture
// sits one pixel below the top of its panel).
constexpr int kW = 300, kH = 272;
constexpr int kRowPitch = 31, kPageLeft = 199, kRows = 8;
constexpr int kPaperLeft = 158;
const QPoint kShredderBackAt(-10, 247);  // 96 x 24
const QPoint kShredderAt(7, 237);        // 78 x 34
const QColor kDesk(0xe6, 0xf1, 0xfb);

QImage block(const BlockKind& k, bool highlighted) {
  QImage img = canvas(95, 22);
  QPainter p(&img);
  smooth(p);
  const QPainterPath body = rounded(QRectF(0.5, 0.5, 94, 21), 6);
  glossy(p, body, highlighted ? k.colour.lighter(112) : k.colour, 1);
  if (highlighted) {
    p.setPen(QPen(pal::sun, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(QRectF(1.6, 1.6, 91.8, 18.8), 5));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawPath(rounded(QRectF(3.2, 3.2, 88.6, 15.6), 4));
  }
  // Icon on a white chip.
  const QRectF chip(4, 3, 16, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(chip, 4, 4);
  icon(p, k.icon, chip.adjusted(2, 2, -2, -2), k.colour.darker(125));
  // A longer word (another language's) is set smaller to stay clear of the grip.
  const QString label = say(QString::fromLatin1(k.label));
  qreal size = 12;
  while (size > 9 && QFontMetricsF(font(size)).horizontalAdvance(label) > 60) size -= 0.5;
  textHalo(p, QRectF(23, 0, 62, 22), label, font(size), Qt::white, k.colour.darker(180),
           Qt::AlignVCenter | Qt::AlignLeft);
  // Grip dots: this can be picked up.
  p.setBrush(QColor(255, 255, 255, 170));
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(88, 6.5 + i * 4.5), 1.2, 1.2);
  return img;
}

QImage panelTitle(const BlockKind& k) {
  QImage img = canvas(83, 16);
  QPainter p(&img);
  smooth(p);
  const QPainterPath tab = rounded(QRectF(0.5, 0.5, 82, 15), 7.5);
  glossy(p, tab, k.colour, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(QRectF(2.5, 2, 12, 12));
  icon(p, k.icon, QRectF(4.5, 4, 8, 8), k.colour.darker(125));
  textHalo(p, QRectF(17, 0, 64, 16), say(QString::fromLatin1(k.label)), font(11), Qt::white,
           k.colour.darker(180), Qt::AlignVCenter | Qt::AlignLeft);
  return img;
}

QImage shredderBack() {
  QImage img = canvas(96, 24);
  QPainter p(&img);
  smooth(p);
  // The left ten pixels sit outside the canvas, so everything that matters
  // lies right of x = 10.
  const QPainterPath body = rounded(QRectF(-8, 1, 103, 26), 7);
  QLinearGradient g(0, 0, 0, 24);
  g.setColorAt(0, pal::berry.lighter(120));
  g.setColorAt(1, pal::berry.darker(125));
  p.fillPath(body, g);
  p.setPen(QPen(pal::berry.darker(160), 1));
  p.drawPath(body);
  // The mouth.
  const QPainterPath mouth = rounded(QRectF(14, 4, 74, 6), 3);
  p.fillPath(mouth, QColor(0x3a, 0x12, 0x24));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 210));
  for (int x = 17; x < 86; x += 6) {
    QPolygonF tooth{QPointF(x, 9.5), QPointF(x + 3, 9.5), QPointF(x + 1.5, 6.8)};
    p.drawPolygon(tooth);
  }
  // Friendly stripes and a light.
  p.setBrush(QColor(255, 255, 255, 60));
  for (int x = 12; x < 96; x += 12) {
    QPolygonF stripe{QPointF(x, 24), QPointF(x + 5, 24), QPointF(x + 11, 14), QPointF(x + 6, 14)};
    p.drawPolygon(stripe);
  }
  QRadialGradient led(QPointF(88, 18), 3.5);
  led.setColorAt(0, QColor(220, 255, 200));
  led.setColorAt(1, pal::leaf);
  p.setBrush(led);
  p.drawEllipse(QPointF(88, 18), 2.8, 2.8);
  // A hint of a page sliding in.
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawRoundedRect(QRectF(20, 14, 18, 5), 2, 2);
  return img;
}

QImage pageBack() {
  QImage img = canvas(kW, kH, kDesk);
  QPainter p(&img);
  smooth(p);
  QLinearGradient desk(0, 0, kW, kH);
  desk.setColorAt(0, QColor(0xf0, 0xf7, 0xff));
  desk.setColorAt(1, QColor(0xdd, 0xec, 0xfa));
  p.fillRect(img.rect(), desk);

  // The binder page.
  const QRectF paper(kPaperLeft, 2, kW - kPaperLeft - 2, kH - 5);
  const QPainterPath sheet = rounded(paper, 6);
  shadow(p, sheet, 1, 2, 5, QColor(30, 60, 110, 90));
  p.fillPath(sheet, Qt::white);
  p.save();
  p.setClipPath(sheet);
  p.setPen(QPen(QColor(0xdc, 0xe9, 0xf7), 1));
  for (int y = 12; y < kH; y += 8) p.drawLine(QPointF(paper.left() + 30, y), QPointF(paper.right(), y));
  p.setPen(QPen(withAlpha(pal::berry, 90), 1));
  p.drawLine(QPointF(kPageLeft - 6, paper.top()), QPointF(kPageLeft - 6, paper.bottom()));
  p.restore();
  p.setPen(QPen(QColor(0xa9, 0xc3, 0xe2), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(sheet);
  // Slots for the eight page rows.
  for (int r = 0; r < kRows; ++r) {
    const QRectF slot(kPageLeft + 0.5, r * kRowPitch + 0.5, 94, 21);
    p.setPen(QPen(QColor(0xb6, 0xcf, 0xec), 1, Qt::DashLine));
    p.setBrush(QColor(0xf3, 0xf8, 0xff));
    p.drawRoundedRect(slot, 6, 6);
  }
  // Binder rings with their holes.
  for (int i = 0; i < 7; ++i) {
    const qreal y = 18 + i * 38;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xcf, 0xdd, 0xee));
    p.drawEllipse(QPointF(kPaperLeft + 14, y), 4, 4);
    QLinearGradient ring(0, y - 4, 0, y + 4);
    ring.setColorAt(0, pal::grape.lighter(150));
    ring.setColorAt(0.5, pal::grape.lighter(115));
    ring.setColorAt(1, pal::grape.darker(120));
    p.setPen(QPen(QBrush(ring), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kPaperLeft - 8, y - 4, 24, 9), 10 * 16, 160 * 16);
  }

  // The toolbox tray behind the six blocks, with a home for each.
  const QPainterPath tray = rounded(QRectF(-6, -6, 105, 141), 8);
  shadow(p, tray, 1, 2, 4, QColor(30, 60, 110, 80));
  QLinearGradient tg(0, 0, 0, 135);
  tg.setColorAt(0, QColor(0xfd, 0xf6, 0xe4));
  tg.setColorAt(1, QColor(0xf6, 0xe6, 0xc3));
  p.fillPath(tray, tg);
  p.setPen(QPen(QColor(0xe0, 0xbf, 0x85), 1.2));
  p.drawPath(tray);
  for (int i = 0; i < 6; ++i) {
    p.setPen(QPen(QColor(0xe2, 0xc8, 0x96), 1, Qt::DashLine));
    p.setBrush(QColor(0xf3, 0xe2, 0xbf));
    p.drawRoundedRect(QRectF(1.5, i * 22 + 0.5, 93, 20), 6, 6);
  }

  // A friendly arrow from the tray to the page.
  QPainterPath arrow;
  arrow.moveTo(106, 60);
  arrow.cubicTo(120, 44, 134, 44, 146, 56);
  p.setPen(QPen(withAlpha(pal::orange, 200), 2.4, Qt::DashLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arrow);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::orange);
  p.drawPolygon(QPolygonF{QPointF(151, 62), QPointF(141, 59), QPointF(148, 51)});
  // And one down to the shredder, clear of the two labels.
  QPainterPath down;
  down.moveTo(120, 150);
  down.cubicTo(128, 180, 118, 205, 100, 214);
  p.setPen(QPen(withAlpha(pal::berry, 170), 2.2, Qt::DashLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(down);
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::berry, 200));
  p.drawPolygon(QPolygonF{QPointF(94, 218), QPointF(99, 209), QPointF(104, 217)});

  // Where the shredder stands.
  p.setBrush(QColor(30, 60, 110, 40));
  p.drawRoundedRect(QRectF(-4, 244, 96, 30), 8, 8);
  return img;
}

QImage pageBackWithShredder() {
  QImage img = pageBack();
  QPainter p(&img);
  p.drawImage(kShredderBackAt, shredderBack());
  return img;
}

// Frame n (0..7) of the shredder eating a block. The lower 24 rows show the
// shredder itself, the upper 10 the block going in and the snippets.
QImage shredderFrame(int n) {
  QImage scene = pageBackWithShredder();
  QPainter p(&scene);
  smooth(p);
  const qreal sink = std::min(1.0, n / 4.0);       // how far the block has gone in
  const qreal shake = (n % 2 ? 1 : -1) * (n < 6 ? 1.0 : 0.0);
  const QRectF mouth(kShredderBackAt.x() + 14, kShredderBackAt.y() + 4, 74, 6);
  if (sink < 1.0) {
    const qreal h = 14 * (1 - sink);
    const QRectF strip(mouth.left() + 6 + shake, mouth.top() + 3 - h, 60, h);
    p.save();
    p.setClipRect(QRectF(0, 0, kW, mouth.top() + 3));
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, pal::sky.lighter(120));
    g.setColorAt(1, pal::sky.darker(110));
    p.setPen(QPen(pal::sky.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(strip.adjusted(0, 0, 0, 6), 4, 4);
    p.restore();
  }
  // Snippets flying out of the mouth.
  const QColor bits[] = {pal::sky, pal::sun, pal::leaf, pal::grape, pal::orange, pal::berry};
  if (n >= 2) {
    for (int i = 0; i < 9; ++i) {
      const qreal t = (n - 2 + (i % 3) * 0.4) / 6.0;
      const qreal x = mouth.left() + 12 + i * 7.3 + std::sin(i * 1.7 + n) * 3;
      const qreal y = mouth.top() - 2 - t * 9 - (i % 2) * 2;
      if (y < kShredderAt.y() + 1) continue;
      p.save();
      p.translate(x, y);
      p.rotate(i * 40 + n * 25);
      p.setPen(Qt::NoPen);
      p.setBrush(withAlpha(bits[i % 6], int(255 * std::max(0.3, 1 - t * 0.6))));
      p.drawRoundedRect(QRectF(-2.5, -1, 5, 2), 0.8, 0.8);
      p.restore();
    }
  }
  if (n < 6) {
    // Little motion marks by the machine.
    p.setPen(QPen(withAlpha(pal::berry.darker(130), 160), 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal y = kShredderBackAt.y() + 16;
    const qreal x = kShredderBackAt.x() + 95 - 1;
    p.drawLine(QPointF(x - 6 + shake, y - 3), QPointF(x - 3 + shake, y - 5));
  }
  p.end();
  return crop(scene, QRect(kShredderAt.x(), kShredderAt.y(), 78, 34));
}

}  // namespace

void addBuildArt(Catalog& c) {
  c.push_back({"Page_Back", Kind::Bitmap, pageBack, {}});
  c.push_back({"Page_BuzzBack", Kind::Bitmap, shredderBack, {}});
  for (int i = 0; i < 8; ++i)
    c.push_back({QStringLiteral("Page_Buzz%1").arg(i + 1), Kind::Bitmap, [i] { return shredderFrame(i); }, {}});
  for (const BlockKind& k : kKinds) {
    const QString n = QString::fromLatin1(k.name);
    c.push_back({n, Kind::Bitmap, [&k] { return block(k, false); }, {}});
    c.push_back({n + "_H", Kind::Bitmap, [&k] { return block(k, true); }, {}});
    c.push_back({n + "_T", Kind::Bitmap, [&k] { return panelTitle(k); }, {}});
  }
}

}  // namespace art
