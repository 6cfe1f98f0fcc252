// Pictures for the dialogs: the two wizards' side pictures, the upload
// window's picture and the small button glyphs (alignment, new line,
// browse, wizard back and next).
#include "Catalog.h"
#include "Paint.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art {
namespace {

// Tall side picture of a wizard: a sky card, a motif and the mascot.
QImage wizard(bool styles) {
  QImage img = canvas(130, 250);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(2, 2, 126, 246), 14);
  shadow(p, card, 0, 2, 4, QColor(20, 40, 80, 90));
  QLinearGradient g(0, 0, 0, 250);
  g.setColorAt(0, styles ? QColor(0xff, 0xd9, 0xe6) : QColor(0x9c, 0xd6, 0xff));
  g.setColorAt(1, styles ? QColor(0xff, 0xf4, 0xd6) : QColor(0xe6, 0xf4, 0xff));
  p.fillPath(card, g);
  p.save();
  p.setClipPath(card);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(QPointF(20, 40), 50, 18);
  p.drawEllipse(QPointF(120, 150), 44, 14);
  QPainterPath hill;
  hill.moveTo(0, 225);
  hill.cubicTo(40, 205, 90, 230, 130, 212);
  hill.lineTo(130, 250);
  hill.lineTo(0, 250);
  p.setBrush(pal::leaf);
  p.drawPath(hill);
  p.restore();
  if (styles) {
    // A painter's palette with the page colours.
    QPainterPath board;
    board.addEllipse(QPointF(65, 78), 46, 34);
    QPainterPath thumb;
    thumb.addEllipse(QPointF(80, 92), 8, 7);
    board = board.subtracted(thumb);
    shadow(p, board, 1, 3, 4, QColor(20, 40, 80, 100));
    glossy(p, board, QColor(0xe9, 0xc2, 0x8c), 1);
    const QColor dabs[] = {pal::berry, pal::orange, pal::sun, pal::leaf, pal::sky, pal::grape};
    for (int i = 0; i < 6; ++i) {
      const qreal a = qDegreesToRadians(200.0 - i * 38);
      QPainterPath dab;
      dab.addEllipse(QPointF(65 + 30 * std::cos(a), 80 - 20 * std::sin(a)), 7, 6);
      glossy(p, dab, dabs[i], 0.8);
    }
    // A brush leaning on it.
    p.save();
    p.translate(100, 56);
    p.rotate(35);
    glossy(p, rounded(QRectF(-3, -40, 6, 40), 3), pal::grape, 1);
    glossy(p, rounded(QRectF(-4, -4, 8, 10), 2), QColor(0xc8, 0xd0, 0xe0), 1);
    QPainterPath tip;
    tip.moveTo(-4, 6);
    tip.quadTo(0, 20, 4, 6);
    p.fillPath(tip, pal::berry);
    p.restore();
  } else {
    // A server tower with blinking lights, linked to a little globe.
    const QRectF tower(20, 50, 48, 90);
    const QPainterPath t = rounded(tower, 8);
    shadow(p, t, 2, 3, 4, QColor(20, 40, 80, 110));
    glossy(p, t, pal::grape, 1.2);
    for (int i = 0; i < 4; ++i) {
      const QRectF bay(tower.left() + 7, tower.top() + 10 + i * 19, tower.width() - 14, 12);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 70));
      p.drawRoundedRect(bay, 3, 3);
      p.setBrush(i % 2 ? pal::sun : pal::leaf.lighter(120));
      p.drawEllipse(QPointF(bay.right() - 6, bay.center().y()), 2.5, 2.5);
    }
    QPainterPath ball;
    ball.addEllipse(QPointF(96, 78), 20, 20);
    shadow(p, ball, 1, 2, 3);
    QRadialGradient sea(QPointF(90, 70), 30);
    sea.setColorAt(0, QColor(0x9b, 0xe0, 0xff));
    sea.setColorAt(1, QColor(0x25, 0x5d, 0xc4));
    p.fillPath(ball, sea);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(96, 78), 8, 20);
    p.drawLine(QPointF(76, 78), QPointF(116, 78));
    p.setPen(QPen(pal::orange, 2.2, Qt::DashLine, Qt::RoundCap));
    QPainterPath link;
    link.moveTo(68, 100);
    link.cubicTo(84, 112, 100, 110, 100, 98);
    p.drawPath(link);
  }
  p.save();
  p.translate(26, 150);
  p.scale(1.2, 1.2);
  windy(p, true);
  p.restore();
  sparkle(p, QPointF(112, 22), 6, Qt::white);
  sparkle(p, QPointF(16, 130), 4, Qt::white);
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(card);
  return img;
}

QImage uploadWindow() {
  QImage img = canvas(64, 64);
  QPainter p(&img);
  smooth(p);
  // A cloud with a page flying up into it.
  QPainterPath cloud;
  for (auto [x, y, r] : {std::tuple{22.0, 20.0, 11.0}, {34.0, 15.0, 13.0}, {46.0, 21.0, 10.0},
                         {33.0, 25.0, 11.0}}) {
    QPainterPath puff;
    puff.addEllipse(QPointF(x, y), r, r * 0.85);
    cloud = cloud.united(puff);
  }
  shadow(p, cloud, 0, 2, 3, QColor(20, 40, 80, 90));
  QLinearGradient g(0, 2, 0, 35);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, QColor(0xc4, 0xe2, 0xfb));
  p.setPen(QPen(pal::sky.darker(120), 1.2));
  p.setBrush(g);
  p.drawPath(cloud);
  pageSheet(p, QRectF(24, 34, 18, 24), true);
  QPainterPath up;
  up.moveTo(13, 50);
  up.lineTo(13, 36);
  p.setPen(QPen(pal::leaf, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(up);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::leaf);
  p.drawPolygon(QPolygonF{QPointF(7, 38), QPointF(13, 30), QPointF(19, 38)});
  sparkle(p, QPointF(52, 40), 5, pal::sun);
  return img;
}

// 16 x 16 button glyphs.
QImage glyph(int which) {
  QImage img = canvas(16, 16);
  QPainter p(&img);
  smooth(p);
  QPen pen(pal::ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  auto lines = [&](int align) {
    const int widths[4] = {12, 6, 10, 5};
    for (int i = 0; i < 4; ++i) {
      const qreal w = widths[i];
      const qreal x = align == 0 ? 2 : align == 1 ? 8 - w / 2 : 14 - w;
      p.setPen(QPen(i == 0 ? pal::sky.darker(120) : pal::ink, 1.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(x, 3 + i * 3.3), QPointF(x + w, 3 + i * 3.3));
    }
  };
  switch (which) {
    case 0:
    case 1:
    case 2:
      lines(which);
      break;
    case 3: {  // start a new line: the return arrow
      p.setPen(QPen(pal::leaf.darker(120), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      QPainterPath r;
      r.moveTo(13, 2.5);
      r.lineTo(13, 9.5);
      r.lineTo(4, 9.5);
      p.drawPath(r);
      p.setPen(Qt::NoPen);
      p.setBrush(pal::leaf.darker(120));
      p.drawPolygon(QPolygonF{QPointF(1.5, 9.5), QPointF(6, 5.5), QPointF(6, 13.5)});
      break;
    }
    case 4: {  // browse: a folder
      QPainterPath back;
      back.moveTo(1.5, 4);
      back.lineTo(6, 4);
      back.lineTo(7.5, 5.5);
      back.lineTo(14.5, 5.5);
      back.lineTo(14.5, 13.5);
      back.lineTo(1.5, 13.5);
      back.closeSubpath();
      p.setPen(QPen(pal::orange.darker(150), 1));
      p.setBrush(pal::orange);
      p.drawPath(back);
      QPainterPath front;
      front.moveTo(1.5, 13.5);
      front.lineTo(3.5, 7.5);
      front.lineTo(15.5, 7.5);
      front.lineTo(14.5, 13.5);
      front.closeSubpath();
      p.setBrush(pal::sun);
      p.drawPath(front);
      break;
    }
    default: {  // wizard back (5) and next (6): round arrows
      const bool next = which == 6;
      QPainterPath disc;
      disc.addEllipse(QPointF(8, 8), 7, 7);
      glossy(p, disc, next ? pal::leaf : pal::sky, 1);
      p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const qreal s = next ? 1 : -1;
      p.drawPolyline(QPolygonF{QPointF(8 - 2 * s, 4.5), QPointF(8 + 1.5 * s, 8),
                               QPointF(8 - 2 * s, 11.5)});
      break;
    }
  }
  return img;
}

// 24 x 24 arrows of the server wizard's list: move the chosen server up or
// down. A round orange button with a white arrow, like the wizard glyphs.
QImage moveArrow(bool up) {
  QImage img = canvas(24, 24);
  QPainter p(&img);
  smooth(p);
  QPainterPath disc;
  disc.addEllipse(QPointF(12, 12), 10.5, 10.5);
  shadow(p, disc, 0, 1, 2, QColor(20, 40, 80, 90));
  glossy(p, disc, pal::orange, 1);
  p.translate(12, 12);
  if (!up) p.rotate(180);
  QPainterPath arrow;
  arrow.moveTo(0, -7);
  arrow.lineTo(6.5, 0);
  arrow.lineTo(2.5, 0);
  arrow.lineTo(2.5, 6.5);
  arrow.lineTo(-2.5, 6.5);
  arrow.lineTo(-2.5, 0);
  arrow.lineTo(-6.5, 0);
  arrow.closeSubpath();
  p.setPen(QPen(pal::orange.darker(140), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
  return img;
}

}  // namespace

void addDialogArt(Catalog& c) {
  c.push_back({"Wizard_Style", Kind::Bitmap, [] { return wizard(true); }, {}});
  c.push_back({"Wizard_Server", Kind::Bitmap, [] { return wizard(false); }, {}});
  c.push_back({"Upload_Window", Kind::Bitmap, uploadWindow, {}});
  const char* const names[] = {"Glyph_AlignLeft", "Glyph_AlignCenter", "Glyph_AlignRight",
                               "Glyph_NewLine",   "Glyph_Browse",      "Glyph_Back",
                               "Glyph_Next"};
  for (int i = 0; i < 7; ++i)
    c.push_back({QString::fromLatin1(names[i]), Kind::Bitmap, [i] { return glyph(i); }, {}});
  c.push_back({"Glyph_Up", Kind::Bitmap, [] { return moveArrow(true); }, {}});
  c.push_back({"Glyph_Down", Kind::Bitmap, [] { return moveArrow(false); }, {}});
}

}  // namespace art
