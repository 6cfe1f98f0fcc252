// The upload stage: the web globe under its magnifier, the rotation frames,
// the rotate arrows, the flashing "send" page, the site logos, the flight of
// the page into the web and the fireworks of the success dialog.
#include "Catalog.h"
#include "Paint.h"
#include "Shapes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace art {
namespace {

constexpr int kW = 420, kH = 210;
const QPointF kGlobe(210, 80);
constexpr qreal kRadius = 75;
const QPointF kLens(207, 118);
constexpr qreal kLensR = 46;
const QRect kRotateRect(72, 0, 276, 163);
const QRect kLeftArrow(0, 0, 51, 54), kRightArrow(356, 0, 53, 55);
const QRect kSendPage(320, 114, 71, 93);  // the upload button, in picture coordinates
constexpr qreal kPeriod = 36;              // degrees after which the globe looks the same

void background(QPainter& p) {
  QLinearGradient g(0, 0, 0, kH);
  g.setColorAt(0, QColor(0xe9, 0xf5, 0xff));
  g.setColorAt(1, QColor(0xfb, 0xf6, 0xe8));
  p.fillRect(QRect(0, 0, kW, kH), g);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  for (auto [x, y, rx] : {std::tuple{70.0, 120.0, 34.0}, {92.0, 112.0, 22.0}, {360.0, 92.0, 26.0},
                          {342.0, 98.0, 18.0}, {40.0, 176.0, 24.0}})
    p.drawEllipse(QPointF(x, y), rx, rx * 0.42);
  for (auto [x, y] : {std::pair{120.0, 30.0}, {300.0, 20.0}, {110.0, 160.0}, {300.0, 150.0}})
    sparkle(p, QPointF(x, y), 4, withAlpha(pal::sun, 200));
}

QPointF project(qreal lonDeg, qreal latDeg, qreal* depth = nullptr) {
  const qreal lon = qDegreesToRadians(lonDeg), lat = qDegreesToRadians(latDeg);
  if (depth) *depth = std::cos(lat) * std::cos(lon);
  return kGlobe + QPointF(kRadius * std::cos(lat) * std::sin(lon), -kRadius * std::sin(lat));
}

// The globe, turned by phase degrees, with its web of linked sites.
void globe(QPainter& p, qreal phase) {
  QPainterPath ball;
  ball.addEllipse(kGlobe, kRadius, kRadius);
  shadow(p, ball, 2, 4, 8, QColor(20, 50, 110, 90));
  QRadialGradient sea(kGlobe + QPointF(-25, -30), kRadius * 1.5);
  sea.setColorAt(0, QColor(0x9b, 0xe0, 0xff));
  sea.setColorAt(0.5, pal::sky);
  sea.setColorAt(1, QColor(0x25, 0x5d, 0xc4));
  p.fillPath(ball, sea);
  p.save();
  p.setClipPath(ball);
  // Latitude rings stay put; meridians move with the turn.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
  for (qreal lat : {-60.0, -30.0, 0.0, 30.0, 60.0}) {
    const qreal r = kRadius * std::cos(qDegreesToRadians(lat));
    const qreal y = kGlobe.y() - kRadius * std::sin(qDegreesToRadians(lat));
    p.drawLine(QPointF(kGlobe.x() - r, y), QPointF(kGlobe.x() + r, y));
  }
  for (int i = -5; i <= 5; ++i) {
    const qreal lon = phase + i * kPeriod;
    if (std::cos(qDegreesToRadians(lon)) <= 0) continue;
    QPainterPath m;
    for (int lat = -90; lat <= 90; lat += 6) {
      const QPointF pt = project(lon, lat);
      if (lat == -90)
        m.moveTo(pt);
      else
        m.lineTo(pt);
    }
    p.drawPath(m);
  }
  // Web strands and sites: a zig-zag of nodes around the globe.
  const QColor siteColour[3] = {pal::sun, pal::berry, pal::leaf};
  const qreal lats[3] = {40, -5, -45};
  struct Node {
    QPointF at;
    qreal depth;
    int row;
  };
  std::vector<Node> nodes;
  for (int i = -6; i <= 6; ++i)
    for (int row = 0; row < 3; ++row) {
      const qreal lon = phase + i * kPeriod + (row == 1 ? kPeriod / 2 : 0);
      qreal d = 0;
      const QPointF pt = project(lon, lats[row], &d);
      nodes.push_back({pt, d, row});
    }
  p.setPen(QPen(QColor(255, 255, 255, 160), 1.3));
  auto strand = [&](qreal lon1, qreal lat1, qreal lon2, qreal lat2) {
    QPainterPath s;
    bool started = false;
    for (int k = 0; k <= 12; ++k) {
      const qreal t = k / 12.0;
      qreal d = 0;
      const QPointF pt = project(lon1 + (lon2 - lon1) * t, lat1 + (lat2 - lat1) * t, &d);
      if (d <= 0) {
        started = false;
        continue;
      }
      if (!started)
        s.moveTo(pt);
      else
        s.lineTo(pt);
      started = true;
    }
    p.drawPath(s);
  };
  for (int i = -6; i <= 6; ++i) {
    const qreal lon = phase + i * kPeriod;
    strand(lon, lats[0], lon + kPeriod / 2, lats[1]);
    strand(lon + kPeriod / 2, lats[1], lon + kPeriod, lats[0]);
    strand(lon + kPeriod / 2, lats[1], lon, lats[2]);
    strand(lon + kPeriod / 2, lats[1], lon + kPeriod, lats[2]);
  }
  for (const Node& n : nodes) {
    if (n.depth <= 0.05) continue;
    const qreal r = 2.2 + 3.2 * n.depth;
    p.setPen(QPen(QColor(255, 255, 255, int(230 * n.depth)), 1.2));
    p.setBrush(withAlpha(siteColour[n.row], int(90 + 165 * n.depth)));
    p.drawEllipse(n.at, r, r);
  }
  // Shine.
  QRadialGradient shine(kGlobe + QPointF(-28, -34), 40);
  shine.setColorAt(0, QColor(255, 255, 255, 130));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(kGlobe.x() - kRadius, kGlobe.y() - kRadius, 2 * kRadius, 2 * kRadius), shine);
  p.restore();
  p.setPen(QPen(QColor(0x1e, 0x4f, 0xa8), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ball);
}

void magnifier(QPainter& p) {
  // Handle first, then the glass and its rim.
  const QPointF a = kLens + QPointF(kLensR * 0.72, kLensR * 0.72);
  const QPointF b = a + QPointF(30, 30);
  QPainterPath handle;
  handle.moveTo(a);
  handle.lineTo(b);
  QPainterPathStroker st;
  st.setWidth(12);
  st.setCapStyle(Qt::RoundCap);
  const QPainterPath hp = st.createStroke(handle);
  shadow(p, hp, 2, 3, 4, QColor(20, 40, 80, 100));
  glossy(p, hp, pal::orange, 1);
  QPainterPath glass;
  glass.addEllipse(kLens, kLensR, kLensR);
  shadow(p, glass, 2, 3, 5, QColor(20, 40, 80, 90));
  QRadialGradient g(kLens, kLensR);
  g.setColorAt(0, QColor(255, 255, 255, 240));
  g.setColorAt(0.75, QColor(250, 253, 255, 225));
  g.setColorAt(1, QColor(0xc8, 0xe6, 0xff, 230));
  p.fillPath(glass, g);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(pal::grape, 6));
  p.drawEllipse(kLens, kLensR + 2, kLensR + 2);
  p.setPen(QPen(pal::grape.lighter(140), 2));
  p.drawArc(QRectF(kLens.x() - kLensR - 2, kLens.y() - kLensR - 2, 2 * kLensR + 4, 2 * kLensR + 4),
            60 * 16, 70 * 16);
  p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(kLens.x() - kLensR + 8, kLens.y() - kLensR + 8, 2 * kLensR - 16,
                   2 * kLensR - 16), 100 * 16, 50 * 16);
}

QImage scene(qreal phase) {
  QImage img = canvas(kW, kH);
  QPainter p(&img);
  smooth(p);
  background(p);
  globe(p, phase);
  magnifier(p);
  return img;
}

QImage webBack() { return scene(0); }
QImage webRotate(int k) { return crop(scene(kPeriod * k / 5.0), kRotateRect); }

// A round arrow button: clockwise for the right one.
QImage rotateArrow(bool right, bool down) {
  const QRect place = right ? kRightArrow : kLeftArrow;
  QImage img = crop(webBack(), place);
  QPainter p(&img);
  smooth(p);
  const QPointF c(place.width() / 2.0, place.height() / 2.0 + (down ? 1 : 0));
  QPainterPath disc;
  disc.addEllipse(c, 21, 21);
  if (!down) shadow(p, disc, 0, 2, 3, QColor(20, 40, 80, 110));
  glossy(p, disc, down ? pal::orange.darker(112) : pal::orange, 1.2);
  // Three quarters of a circle, clockwise, with the head at its end; the
  // left arrow is the mirror image.
  p.save();
  if (!right) {
    p.translate(2 * c.x(), 0);
    p.scale(-1, 1);
  }
  const qreal radius = 10.5;
  auto onCircle = [&](qreal deg) {
    const qreal a = qDegreesToRadians(deg);
    return c + QPointF(radius * std::cos(a), -radius * std::sin(a));
  };
  QPainterPath arc;
  const qreal from = 205, to = -45;
  arc.moveTo(onCircle(from));
  for (qreal d = from - 5; d >= to; d -= 5) arc.lineTo(onCircle(d));
  p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  const QPointF end = onCircle(to);
  QPointF dir = end - onCircle(to + 8);
  dir /= std::hypot(dir.x(), dir.y());
  const QPointF side(-dir.y(), dir.x());
  p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF{end + dir * 6.5, end + side * 6 - dir * 1.5, end - side * 6 - dir * 1.5});
  p.restore();
  return img;
}

void sendPage(QPainter& p, const QRectF& r, bool flash) {
  // The page with a big up arrow and the word "Send".
  if (flash) {
    // A warm glow that fades out before the picture's edges.
    const qreal reach = r.width() / 2 - 2;
    QRadialGradient halo(r.center(), reach);
    halo.setColorAt(0, withAlpha(pal::sun, 230));
    halo.setColorAt(0.6, withAlpha(pal::sun, 150));
    halo.setColorAt(1, withAlpha(pal::sun, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(r.center(), reach, reach);
    p.restore();
    glow(p, rounded(r.adjusted(10, 8, -11, -27), 3), 4, withAlpha(pal::sun, 255));
  }
  pageSheet(p, r.adjusted(9, 3, -10, -25), false);
  const QPointF c(r.center().x() - 2, r.top() + 34);
  QPainterPath arrow;
  arrow.moveTo(c.x(), c.y() - 24);
  arrow.lineTo(c.x() + 17, c.y() - 4);
  arrow.lineTo(c.x() + 7, c.y() - 4);
  arrow.lineTo(c.x() + 7, c.y() + 16);
  arrow.lineTo(c.x() - 7, c.y() + 16);
  arrow.lineTo(c.x() - 7, c.y() - 4);
  arrow.lineTo(c.x() - 17, c.y() - 4);
  arrow.closeSubpath();
  const QPainterPath ra = roundedPolygon(arrow.toFillPolygon(), 2.5);
  glossy(p, ra, flash ? pal::orange : pal::leaf, 1.2);
  const QRectF ribbon(r.left() + 6, r.bottom() - 29, r.width() - 12, 21);
  const QPainterPath rb = rounded(ribbon, 10.5);
  shadow(p, rb, 0, 1.5, 3, QColor(20, 40, 80, 100));
  glossy(p, rb, flash ? pal::berry : pal::grape, 1);
  const QString send = say(QStringLiteral("Send!"));
  textHalo(p, ribbon, send, fitted(font(14), send, ribbon.width() - 4, 11), Qt::white,
           (flash ? pal::berry : pal::grape).darker(170));
  if (flash) {
    sparkle(p, r.topLeft() + QPointF(6, 8), 5, pal::sun);
    sparkle(p, r.topRight() + QPointF(-8, 30), 4, pal::sun);
  }
}

QImage webPage(bool flash) {
  QImage img = crop(webBack(), kSendPage);
  QPainter p(&img);
  smooth(p);
  sendPage(p, QRectF(0, 1, 71, 92), flash);
  return img;
}

// A logo card for the magnifier.
QImage logoCard(int w, int h, QColor colour, const QString& line1, const QString& line2,
                const std::function<void(QPainter&, QRectF)>& mark) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(0.5, 0.5, w - 1, h - 1), 7);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, mix(colour, Qt::white, 0.82));
  p.fillPath(card, g);
  p.setPen(QPen(colour, 1.4));
  p.drawPath(card);
  const QRectF m(4, (h - 22) / 2.0, 22, 22);
  mark(p, m);
  qreal size = 12;
  while (size > 8 && QFontMetricsF(font(size)).horizontalAdvance(line1) > w - 30) size -= 0.5;
  text(p, QRectF(27, 4, w - 29, h / 2.0 - 2), line1, font(size), colour.darker(140),
       Qt::AlignLeft | Qt::AlignBottom);
  text(p, QRectF(27, h / 2.0, w - 29, h / 2.0 - 4), line2, font(9, false), pal::ink,
       Qt::AlignLeft | Qt::AlignTop);
  return img;
}

void foldMark(QPainter& p, QRectF r) {
  const QPainterPath disc = rounded(r, 6);
  glossy(p, disc, pal::grape, 1);
  QPolygonF fold{r.topLeft() + QPointF(6, 5), r.topLeft() + QPointF(16, 5),
                 r.topLeft() + QPointF(16, 17), r.topLeft() + QPointF(6, 17)};
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(fold);
  p.setBrush(pal::sun);
  p.drawPolygon(QPolygonF{r.topLeft() + QPointF(11, 5), r.topLeft() + QPointF(16, 5),
                          r.topLeft() + QPointF(16, 11)});
}

// An angle-bracket tag: learning HTML.
void tagMark(QPainter& p, QRectF r) {
  glossy(p, rounded(r, 11), pal::sky, 1);
  const QPointF c = r.center();
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF{c + QPointF(-3, -5), c + QPointF(-7.5, 0), c + QPointF(-3, 5)});
  p.drawPolyline(QPolygonF{c + QPointF(3, -5), c + QPointF(7.5, 0), c + QPointF(3, 5)});
  p.drawLine(c + QPointF(1.5, -6), c + QPointF(-1.5, 6));
}

// A tick: a page checked for mistakes.
void tickMark(QPainter& p, QRectF r) {
  glossy(p, rounded(r, 11), pal::leaf, 1);
  const QPointF c = r.center();
  p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF{c + QPointF(-6, 0), c + QPointF(-2, 4.5), c + QPointF(6.5, -5)});
}

// A little house: a home for the page.
void houseMark(QPainter& p, QRectF r) {
  glossy(p, rounded(r, 6), pal::teal, 1);
  const QPointF c = r.center();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF{c + QPointF(-8, -0.5), c + QPointF(0, -8), c + QPointF(8, -0.5)});
  p.drawRect(QRectF(c + QPointF(-5.5, -1), QSizeF(11, 8)));
  p.setBrush(pal::teal);
  p.drawRect(QRectF(c + QPointF(-1.8, 2), QSizeF(3.6, 5)));
}

// A padlock: a secure site.
void lockMark(QPainter& p, QRectF r) {
  glossy(p, rounded(r, 11), pal::orange, 1);
  const QPointF c = r.center();
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c + QPointF(-4, -8), QSizeF(8, 9)), 0, 180 * 16);
  p.drawLine(c + QPointF(-4, -3.5), c + QPointF(-4, -1));
  p.drawLine(c + QPointF(4, -3.5), c + QPointF(4, -1));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(c + QPointF(-6.5, -1.5), QSizeF(13, 9.5)), 2, 2);
  p.setBrush(pal::orange);
  p.drawEllipse(c + QPointF(0, 3), 1.6, 1.6);
}

// A figure with open arms: a page that works for everyone.
void personMark(QPainter& p, QRectF r) {
  glossy(p, rounded(r, 11), pal::berry, 1);
  const QPointF c = r.center();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(c + QPointF(0, -6), 2.4, 2.4);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(c + QPointF(-7, -2.5), c + QPointF(7, -2.5));
  p.drawLine(c + QPointF(0, -2.5), c + QPointF(0, 2));
  p.drawPolyline(QPolygonF{c + QPointF(-4, 8), c + QPointF(0, 2), c + QPointF(4, 8)});
}

QImage yourPage() {
  QImage img = canvas(50, 50);
  QPainter p(&img);
  smooth(p);
  pageSheet(p, QRectF(7, 3, 32, 42));
  const QPainterPath s = star(QPointF(36, 36), 12, 5.5);
  shadow(p, s, 0, 1, 2, QColor(20, 40, 80, 100));
  glossy(p, s, pal::sun, 1);
  // Across the star (24 to 48), where a longer word than "You" still fits.
  text(p, QRectF(24, 30, 24, 12), say(QStringLiteral("You")), font(7.5), pal::ink);
  return img;
}

// A paper plane pointing left, centred at c.
void plane(QPainter& p, QPointF c, qreal size, qreal angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  p.scale(size / 40.0, size / 40.0);
  QPainterPath body;
  body.moveTo(-20, 0);
  body.lineTo(20, -12);
  body.lineTo(10, 2);
  body.lineTo(20, 12);
  body.closeSubpath();
  shadow(p, body, 1, 2, 2, QColor(20, 40, 80, 90));
  p.setPen(QPen(pal::sky.darker(130), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(body);
  QPainterPath wing;
  wing.moveTo(-20, 0);
  wing.lineTo(10, 2);
  wing.lineTo(20, 12);
  wing.closeSubpath();
  p.setBrush(QColor(0xd3, 0xea, 0xff));
  p.drawPath(wing);
  p.restore();
}

void trail(QPainter& p, QPointF from, QPointF to) {
  p.save();
  p.setPen(QPen(withAlpha(pal::orange, 190), 2, Qt::DashLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.restore();
}

QImage uploadSprite(int k) {
  static const QSize sizes[9] = {{96, 178}, {72, 80}, {66, 62}, {62, 46}, {56, 40},
                                 {50, 36},  {44, 32}, {40, 28}, {30, 30}};
  QImage img = canvas(sizes[k].width(), sizes[k].height());
  QPainter p(&img);
  smooth(p);
  const qreal w = sizes[k].width(), h = sizes[k].height();
  switch (k) {
    case 0: {  // the page jumps up out of its place
      for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(withAlpha(pal::orange, 160), 2.2, Qt::SolidLine, Qt::RoundCap));
        const qreal x = 34 + i * 14;
        p.drawLine(QPointF(x, 140), QPointF(x, 168));
      }
      sendPage(p, QRectF(23, 36, 71, 92), true);
      sparkle(p, QPointF(12, 30), 7, pal::sun);
      sparkle(p, QPointF(88, 18), 5, pal::sun);
      break;
    }
    case 1: {  // it tilts and starts to fold
      p.translate(w / 2, h / 2);
      p.rotate(-18);
      p.scale(0.62, 0.62);
      sendPage(p, QRectF(-35, -46, 71, 92), true);
      break;
    }
    case 2: {  // half folded
      p.translate(w / 2, h / 2);
      p.rotate(-30);
      p.scale(0.85, 0.85);
      QPainterPath half;
      half.moveTo(-24, -8);
      half.lineTo(22, -22);
      half.lineTo(14, 18);
      half.lineTo(-20, 14);
      half.closeSubpath();
      shadow(p, half, 1, 2, 2, QColor(20, 40, 80, 90));
      p.setPen(QPen(pal::sky.darker(130), 1.2));
      p.setBrush(Qt::white);
      p.drawPath(half);
      p.setBrush(pal::leaf);
      p.drawRoundedRect(QRectF(-4, -8, 12, 14), 2, 2);
      break;
    }
    case 8: {  // arrival: a burst of sparkles in the web
      QRadialGradient g(QPointF(w / 2, h / 2), w / 2);
      g.setColorAt(0, QColor(255, 250, 210, 255));
      g.setColorAt(1, QColor(255, 210, 63, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(QPointF(w / 2, h / 2), w / 2, h / 2);
      sparkle(p, QPointF(w / 2, h / 2), 12, Qt::white);
      sparkle(p, QPointF(w / 2, h / 2), 7, pal::orange);
      break;
    }
    default: {  // the paper plane flies left into the web
      const qreal size = w * 0.62;
      const QPointF c(size / 2 + 2, h / 2 - 2);
      trail(p, c + QPointF(size * 0.5, 2), QPointF(w - 5, h - 6));
      plane(p, c, size, -8);
      break;
    }
  }
  return img;
}

// Fireworks: three rockets, each rising and bursting in turn.
struct Rocket {
  QPointF burst;
  QColor colour;
  int launch;  // frame of lift-off; it bursts three frames later
};

void firework(QPainter& p, const Rocket& r, int frame) {
  const int age = frame - r.launch;
  if (age < 0) return;
  const QPointF ground(r.burst.x() + 8, 160);
  if (age < 3) {
    const qreal t = (age + 1) / 3.0;
    const QPointF at = ground + (r.burst - ground) * t;
    p.setPen(QPen(withAlpha(pal::sun, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, at + (ground - at) * 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(at, 2.2, 2.2);
    return;
  }
  const int b = age - 3;
  if (b > 6) return;
  const qreal radius = 10 + 34 * (1 - std::pow(0.62, b + 1));
  const qreal fade = b < 4 ? 1.0 : 1.0 - (b - 3) * 0.28;
  const qreal drop = b * b * 0.6;
  QRadialGradient g(r.burst, radius * 1.2);
  g.setColorAt(0, withAlpha(r.colour, int(70 * fade)));
  g.setColorAt(1, withAlpha(r.colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.setCompositionMode(QPainter::CompositionMode_Screen);
  p.drawEllipse(r.burst, radius * 1.2, radius * 1.2);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  for (int i = 0; i < 20; ++i) {
    const qreal a = i * 2 * M_PI / 20 + r.launch;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF tip = r.burst + dir * radius + QPointF(0, drop);
    const QPointF tail = r.burst + dir * radius * (b < 2 ? 0.35 : 0.7) + QPointF(0, drop * 0.6);
    QLinearGradient lg(tail, tip);
    lg.setColorAt(0, withAlpha(r.colour, 0));
    lg.setColorAt(1, withAlpha(r.colour, int(255 * fade)));
    p.setPen(QPen(QBrush(lg), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tail, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(mix(r.colour, Qt::white, 0.6), int(255 * fade)));
    p.drawEllipse(tip, 1.6, 1.6);
    if (b >= 4 && i % 3 == 0) sparkle(p, tip + QPointF(0, 5), 3, withAlpha(Qt::white, int(200 * fade)));
  }
}

QImage fire(int frame) {
  QImage img = canvas(160, 160);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(0, 0, 160, 160), 12);
  QLinearGradient sky(0, 0, 0, 160);
  sky.setColorAt(0, pal::night);
  sky.setColorAt(0.75, QColor(0x4a, 0x2c, 0x7a));
  sky.setColorAt(1, QColor(0x8a, 0x3c, 0x8a));
  p.fillPath(card, sky);
  p.save();
  p.setClipPath(card);
  for (int i = 0; i < 26; ++i) {
    const QPointF s((i * 61) % 157 + 2, (i * 37 + i * i * 3) % 110 + 3);
    const int a = 90 + ((i * 53 + frame * 40) % 140);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, a));
    p.drawEllipse(s, 0.9, 0.9);
  }
  const Rocket rockets[3] = {{QPointF(82, 52), pal::sun, 0},
                             {QPointF(42, 80), pal::berry, 2},
                             {QPointF(122, 72), pal::teal.lighter(130), 4}};
  for (const Rocket& r : rockets) firework(p, r, frame);
  // Hills with little lit windows.
  QPainterPath hills;
  hills.moveTo(0, 142);
  hills.cubicTo(40, 128, 80, 150, 160, 134);
  hills.lineTo(160, 160);
  hills.lineTo(0, 160);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1a, 0x14, 0x3a));
  p.drawPath(hills);
  for (auto [x, y] : {std::pair{22.0, 146.0}, {30.0, 148.0}, {118.0, 143.0}, {128.0, 145.0}}) {
    p.setBrush(withAlpha(pal::sun, 220));
    p.drawRect(QRectF(x, y, 3, 3));
  }
  p.restore();
  return img;
}

// The frames are opaque: each carries the part of the web picture that lies
// under it at its place in the flight, so it looks the same however it is
// drawn over "Web_Back".
QImage uploadFrame(int k) {
  static const QPoint at[9] = {{297, 32}, {312, 81}, {309, 81}, {308, 80}, {290, 80},
                               {274, 79}, {271, 79}, {250, 80}, {209, 72}};
  const QImage sprite = uploadSprite(k);
  QImage img = crop(webBack(), QRect(at[k], logicalSize(sprite)));
  QPainter p(&img);
  p.drawImage(0, 0, sprite);
  return img;
}

}  // namespace

void addWebArt(Catalog& c) {
  c.push_back({"Web_Back", Kind::Bitmap, webBack, {}});
  for (int k = 1; k <= 4; ++k)
    c.push_back({QStringLiteral("Web_Rotate%1").arg(k), Kind::Bitmap, [k] { return webRotate(k); }, {}});
  c.push_back({"Web_LeftUp", Kind::Bitmap, [] { return rotateArrow(false, false); }, {}});
  c.push_back({"Web_LeftDn", Kind::Bitmap, [] { return rotateArrow(false, true); }, {}});
  c.push_back({"Web_RightUp", Kind::Bitmap, [] { return rotateArrow(true, false); }, {}});
  c.push_back({"Web_RightDn", Kind::Bitmap, [] { return rotateArrow(true, true); }, {}});
  c.push_back({"Web_Page", Kind::Bitmap, [] { return webPage(false); }, {}});
  c.push_back({"Web_PageFlash", Kind::Bitmap, [] { return webPage(true); }, {}});
  c.push_back({"Web_Brenfold", Kind::Bitmap,
               [] { return logoCard(70, 41, pal::grape, "Brenfold", "Software", foldMark); }, {}});
  struct Partner {
    const char* a;
    const char* b;
    QColor colour;
    void (*mark)(QPainter&, QRectF);
  };
  // The partner sites of the Send stage's web, in the order of the magnifier.
  static const Partner partners[5] = {{"Odin", "Project", pal::sky, tagMark},
                                      {"W3C", "Validator", pal::leaf, tickMark},
                                      {"Neocities", "free host", pal::teal, houseMark},
                                      {"Let's", "Encrypt", pal::orange, lockMark},
                                      {"W3C", "Access", pal::berry, personMark}};
  for (int i = 0; i < 5; ++i)
    c.push_back({QStringLiteral("Web_Partner%1").arg(i + 1), Kind::Bitmap,
                 [i] {
                   const Partner& pt = partners[i];
                   return logoCard(70, 41, pt.colour, pt.a, pt.b, pt.mark);
                 },
                 {}});
  c.push_back({"Web_Your", Kind::Bitmap, yourPage, {}});
  for (int k = 0; k < 9; ++k)
    c.push_back({QStringLiteral("Web_Upload%1").arg(k + 1), Kind::Bitmap, [k] { return uploadFrame(k); }, {}});
  for (int k = 0; k < 11; ++k)
    c.push_back({QStringLiteral("Fire%1").arg(k + 1), Kind::Bitmap, [k] { return fire(k); }, {}});
}

}  // namespace art
