// Small pictures: the gallery's idle preview and list icons, the viewer's
// stand-ins for missing images, and the three hand cursors.
#include "Catalog.h"
#include "Paint.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QtMath>

namespace art {
namespace {

QImage preview() {
  QImage img = canvas(83, 98);
  QPainter p(&img);
  smooth(p);
  p.save();
  p.translate(8, 6);
  p.rotate(-6);
  pageSheet(p, QRectF(0, 0, 44, 58));
  p.restore();
  pageSheet(p, QRectF(26, 8, 46, 60));
  p.save();
  p.translate(40, 38);
  p.scale(0.62, 0.62);
  windy(p, false);
  p.restore();
  const QString click = say(QStringLiteral("Click a page")), see = say(QStringLiteral("to see it here"));
  text(p, QRectF(0, 72, 83, 13), click, fitted(font(11), click, 83, 9), pal::grape.darker(120));
  text(p, QRectF(0, 85, 83, 12), see, fitted(font(10, false), see, 83, 8), pal::ink);
  return img;
}

}  // namespace

// Gallery list icons, also the desktop's document icons: a template (a page
// layout with a magic star) and a saved page (a finished page with a green
// tick).

void paintDocumentIcon(QPainter& p, bool saved) {
  smooth(p);
  if (saved) {
    pageSheet(p, QRectF(4, 2, 22, 28));
    QPainterPath badge;
    badge.addEllipse(QPointF(24, 24), 7, 7);
    glossy(p, badge, pal::leaf, 1);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(20.5, 24), QPointF(23, 26.5), QPointF(27.5, 21.5)});
  } else {
    const QPainterPath sheet = rounded(QRectF(4, 2, 22, 28), 3);
    shadow(p, sheet, 1, 1.5, 2, QColor(20, 40, 80, 90));
    QLinearGradient g(0, 2, 0, 30);
    g.setColorAt(0, QColor(0xe4, 0xf1, 0xff));
    g.setColorAt(1, QColor(0xc6, 0xe0, 0xfb));
    p.fillPath(sheet, g);
    p.setPen(QPen(pal::sky.darker(120), 1));
    p.drawPath(sheet);
    p.setPen(QPen(pal::sky.darker(110), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.5, 5.5, 15, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(7.5, 13.5, 7, 7), 1.5, 1.5);
    p.drawRoundedRect(QRectF(16.5, 13.5, 6, 3), 1, 1);
    p.drawRoundedRect(QRectF(7.5, 23.5, 15, 3), 1, 1);
    const QPainterPath s = star(QPointF(24, 23), 8, 3.6);
    shadow(p, s, 0, 1, 2, QColor(20, 40, 80, 90));
    glossy(p, s, pal::sun, 1);
  }
}

namespace {

QImage listIcon(bool saved) {
  return painted(32, 32, [saved](QPainter& p) { paintDocumentIcon(p, saved); });
}

// The viewer's stand-ins: a small landscape picture, crossed out when the
// image could not be had (1001), quiet when images are switched off (1002).
QImage placeholder(bool broken) {
  QImage img = canvas(20, 20);
  QPainter p(&img);
  smooth(p);
  const QRectF r(1.5, 2.5, 17, 15);
  p.setPen(QPen(broken ? pal::berry.darker(120) : QColor(0x7d, 0x9c, 0xc4), 1));
  p.setBrush(QColor(0xea, 0xf5, 0xff));
  p.drawRoundedRect(r, 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(broken ? pal::leaf.lighter(110) : QColor(0x9f, 0xc9, 0x9f));
  QPainterPath hill;
  hill.moveTo(2.5, 16.5);
  hill.lineTo(7.5, 9.5);
  hill.lineTo(11, 13);
  hill.lineTo(13, 11);
  hill.lineTo(17.5, 16.5);
  hill.closeSubpath();
  p.drawPath(hill);
  p.setBrush(broken ? pal::sun : QColor(0xe6, 0xd2, 0x8c));
  p.drawEllipse(QPointF(13.5, 6.5), 1.8, 1.8);
  if (broken) {
    QPainterPath badge;
    badge.addEllipse(QPointF(15, 15), 4.5, 4.5);
    glossy(p, badge, pal::berry, 0.8);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.3, 13.3), QPointF(16.7, 16.7));
    p.drawLine(QPointF(16.7, 13.3), QPointF(13.3, 16.7));
  }
  return img;
}

// Hands drawn as a friendly white glove with a dark rim and a blue cuff,
// readable over any background.
QImage hand(int pose) {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  smooth(p);
  QPainterPath glove;
  auto add = [&](const QRectF& r, qreal radius, qreal angle = 0) {
    QPainterPath part;
    part.addRoundedRect(r, radius, radius);
    if (angle != 0) {
      QTransform t;
      t.translate(r.center().x(), r.center().y());
      t.rotate(angle);
      t.translate(-r.center().x(), -r.center().y());
      part = t.map(part);
    }
    glove = glove.united(part);
  };
  QRectF cuff;
  if (pose == 0) {  // pointing: index finger up, tip at (13, 1)
    add(QRectF(10.5, 1, 5, 16), 2.5);
    add(QRectF(9, 12, 16, 14), 5);
    add(QRectF(15.5, 10, 4.5, 7), 2.2);
    add(QRectF(19.5, 11, 4.5, 7), 2.2);
    add(QRectF(4.5, 14.5, 8, 5), 2.5, 35);
    cuff = QRectF(11, 25, 13, 5);
  } else if (pose == 1) {  // open hand
    add(QRectF(8, 13, 17, 13), 5);
    add(QRectF(8.5, 4, 4, 12), 2);
    add(QRectF(12.7, 2, 4, 13), 2);
    add(QRectF(16.9, 3, 4, 12), 2);
    add(QRectF(21, 6, 3.8, 10), 1.9);
    add(QRectF(2.5, 13, 9, 4.5), 2.2, 40);
    cuff = QRectF(10, 25, 13, 5);
  } else {  // closed hand
    add(QRectF(7, 10, 19, 15), 6);
    for (int i = 0; i < 4; ++i) add(QRectF(8 + i * 4.3, 8, 4.6, 6), 2.3);
    add(QRectF(5, 14, 10, 5), 2.5, 15);
    cuff = QRectF(10, 24, 13, 5);
  }
  shadow(p, glove, 1, 1.5, 2, QColor(0, 0, 0, 110));
  QLinearGradient g(0, 0, 0, 30);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, QColor(0xe6, 0xee, 0xf8));
  p.setPen(QPen(pal::ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(glove);
  // Finger creases.
  p.setPen(QPen(withAlpha(pal::ink, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
  if (pose == 0) {
    p.drawLine(QPointF(19.7, 13), QPointF(19.7, 16));
  } else if (pose == 2) {
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(8 + i * 4.3, 9.5), QPointF(8 + i * 4.3, 12.5));
  }
  const QPainterPath c = rounded(cuff, 2);
  glossy(p, c, pal::sky, 1);
  return img;
}

}  // namespace

void addSmallArt(Catalog& c) {
  c.push_back({"Preview", Kind::Bitmap, preview, {}});
  c.push_back({"Icon_Template", Kind::Bitmap, [] { return listIcon(false); }, {}});
  c.push_back({"Icon_Page", Kind::Bitmap, [] { return listIcon(true); }, {}});
  c.push_back({"Image_1001", Kind::Bitmap, [] { return placeholder(true); }, {}});
  c.push_back({"Image_1002", Kind::Bitmap, [] { return placeholder(false); }, {}});
  c.push_back({"Cursor_Hand", Kind::Cursor, [] { return hand(0); }, QPoint(13, 1)});
  c.push_back({"Hand_Open", Kind::Cursor, [] { return hand(1); }, QPoint(16, 16)});
  c.push_back({"Hand_Closed", Kind::Cursor, [] { return hand(2); }, QPoint(16, 16)});
}

}  // namespace art
