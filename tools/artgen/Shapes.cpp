#include "Shapes.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <tuple>

namespace art {

QPainterPath roundedPolygon(const QPolygonF& poly, qreal r) {
  QPainterPath path;
  const int n = poly.size();
  for (int i = 0; i < n; ++i) {
    const QPointF prev = poly[(i + n - 1) % n];
    const QPointF cur = poly[i];
    const QPointF next = poly[(i + 1) % n];
    auto towards = [&](QPointF from, QPointF to) {
      const QPointF d = to - from;
      const qreal len = std::hypot(d.x(), d.y());
      const qreal k = len > 0 ? std::min(r, len / 2) / len : 0;
      return from + d * k;
    };
    const QPointF a = towards(cur, prev);
    const QPointF b = towards(cur, next);
    if (i == 0)
      path.moveTo(a);
    else
      path.lineTo(a);
    path.quadTo(cur, b);
  }
  path.closeSubpath();
  return path;
}

void windy(QPainter& p, bool right, int step, bool partyHat) {
  p.save();
  smooth(p);
  if (!right) {
    p.translate(64, 0);
    p.scale(-1, 1);
  }
  // Ground shadow.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 40, 80, 50));
  p.drawEllipse(QPointF(35, 56), 17, 2.5);

  // Wind lines behind.
  QPen wind(withAlpha(pal::sky, 170), 2.0, Qt::SolidLine, Qt::RoundCap);
  p.setPen(wind);
  p.setBrush(Qt::NoBrush);
  QPainterPath w1;
  w1.moveTo(2, 22);
  w1.cubicTo(6, 19, 10, 25, 14, 22);
  p.drawPath(w1);
  QPainterPath w2;
  w2.moveTo(1, 44);
  w2.cubicTo(5, 41, 9, 47, 13, 44);
  p.drawPath(w2);

  // Scarf tail, flapping behind.
  QPainterPath tail;
  tail.moveTo(20, 38);
  tail.cubicTo(14, 34, 9, 40, 3, 33);
  tail.lineTo(6, 40);
  tail.cubicTo(10, 44, 15, 41, 21, 44);
  tail.closeSubpath();
  p.setPen(QPen(pal::orange.darker(140), 1));
  p.setBrush(pal::orange);
  p.drawPath(tail);

  // Legs and feet.
  const qreal f1 = step ? 3 : -3;
  p.setPen(QPen(pal::ink, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(29, 45), QPointF(29 + f1, 51));
  p.drawLine(QPointF(40, 45), QPointF(40 - f1, 51));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::berry);
  p.drawEllipse(QPointF(31 + f1, 52.5), 4.2, 2.6);
  p.drawEllipse(QPointF(42 - f1, 52.5), 4.2, 2.6);

  // The cloud body.
  QPainterPath body;
  for (auto [x, y, rx, ry] : {std::tuple{34.0, 29.0, 18.0, 17.0}, {21.0, 33.0, 11.0, 11.0},
                              {47.0, 33.0, 11.0, 11.0}, {28.0, 17.0, 11.0, 10.0},
                              {41.0, 17.0, 10.0, 10.0}}) {
    QPainterPath puff;
    puff.addEllipse(QPointF(x, y), rx, ry);
    body = body.united(puff);
  }
  QRadialGradient bg(QPointF(30, 18), 34);
  bg.setColorAt(0, Qt::white);
  bg.setColorAt(0.6, QColor(0xe8, 0xf4, 0xff));
  bg.setColorAt(1, QColor(0xb9, 0xdc, 0xfa));
  p.setPen(QPen(QColor(0x4a, 0x8c, 0xc8), 1.6));
  p.setBrush(bg);
  p.drawPath(body);

  // Scarf knot around the lower body.
  QPainterPath band;
  band.moveTo(16, 38);
  band.cubicTo(26, 44, 42, 44, 53, 38);
  band.lineTo(52, 43);
  band.cubicTo(42, 48, 26, 48, 17, 43);
  band.closeSubpath();
  p.setPen(QPen(pal::orange.darker(140), 1));
  QLinearGradient sg(0, 38, 0, 47);
  sg.setColorAt(0, pal::sun);
  sg.setColorAt(1, pal::orange);
  p.setBrush(sg);
  p.drawPath(band);

  // Face.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::ink);
  p.drawEllipse(QPointF(38.5, 25), 2.6, 3.6);
  p.drawEllipse(QPointF(48, 25), 2.6, 3.6);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(39.4, 23.7), 1.0, 1.1);
  p.drawEllipse(QPointF(48.9, 23.7), 1.0, 1.1);
  p.setBrush(withAlpha(pal::berry, 110));
  p.drawEllipse(QPointF(34.5, 31), 3.2, 2.0);
  p.drawEllipse(QPointF(51.5, 31), 2.6, 2.0);
  p.setPen(QPen(pal::ink, 1.7, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(38.5, 26.5, 9, 6.5), 200 * 16, 140 * 16);

  if (partyHat) {
    QPolygonF hat{QPointF(30, 11), QPointF(44, 8), QPointF(33, -8)};
    p.setPen(QPen(pal::grape.darker(140), 1));
    QLinearGradient hg(30, -8, 44, 11);
    hg.setColorAt(0, pal::grape.lighter(130));
    hg.setColorAt(1, pal::grape);
    p.setBrush(hg);
    p.drawPolygon(hat);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::sun);
    p.drawEllipse(QPointF(33, -8), 3, 3);
  }
  p.restore();
}

void wordmark(QPainter& p, const QRectF& r, qreal px) {
  p.save();
  smooth(p);
  const QString word = QStringLiteral("Tarvo");
  const QColor colours[] = {pal::berry, pal::orange, pal::leaf, pal::sky, pal::grape};
  QFont f = font(px, true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, px * 0.02);
  const QFontMetricsF fm(f);
  qreal x = r.left();
  const qreal base = r.top() + (r.height() + fm.ascent() - fm.descent()) / 2;
  QPainterPath all;
  std::vector<QPainterPath> letters;
  for (int i = 0; i < word.size(); ++i) {
    QPainterPath lp;
    lp.addText(QPointF(x, base), f, word.mid(i, 1));
    letters.push_back(lp);
    all.addPath(lp);
    x += fm.horizontalAdvance(word.mid(i, 1)) - px * 0.02;
  }
  shadow(p, all, 1, 2, 4, QColor(20, 30, 60, 110));
  QPainterPathStroker st;
  st.setWidth(px * 0.16);
  st.setJoinStyle(Qt::RoundJoin);
  p.fillPath(st.createStroke(all).united(all), Qt::white);
  for (size_t i = 0; i < letters.size(); ++i) {
    const QRectF b = letters[i].boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, colours[i].lighter(130));
    g.setColorAt(1, colours[i].darker(110));
    p.fillPath(letters[i], g);
  }
  p.restore();
}

void stageSymbol(QPainter& p, int stage, const QRectF& box, QColor fg) {
  p.save();
  smooth(p);
  p.translate(box.topLeft());
  const qreal u = box.width() / 40.0;
  p.scale(u, u);
  const QColor soft = withAlpha(fg, 120);
  switch (stage) {
    case 0: {  // Choose: fanned pages with a star
      p.setPen(QPen(fg, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(soft);
      p.save();
      p.translate(16, 22);
      p.rotate(-14);
      p.drawRoundedRect(QRectF(-9, -13, 18, 24), 2.5, 2.5);
      p.restore();
      p.setBrush(withAlpha(fg, 60));
      p.save();
      p.translate(23, 20);
      p.rotate(8);
      p.drawRoundedRect(QRectF(-9, -13, 18, 24), 2.5, 2.5);
      p.restore();
      p.setPen(Qt::NoPen);
      p.setBrush(fg);
      p.drawPath(star(QPointF(31, 30), 8, 3.5));
      break;
    }
    case 1: {  // Build: stacked blocks
      p.setPen(QPen(fg, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(soft);
      p.drawRoundedRect(QRectF(5, 25, 14, 11), 2, 2);
      p.drawRoundedRect(QRectF(21, 25, 14, 11), 2, 2);
      p.setBrush(withAlpha(fg, 70));
      p.drawRoundedRect(QRectF(12, 12, 16, 11), 2, 2);
      p.setBrush(fg);
      p.setPen(Qt::NoPen);
      p.drawRoundedRect(QRectF(16, 3, 8, 7), 1.5, 1.5);
      break;
    }
    case 2: {  // View: an eye looking at a page
      p.setPen(QPen(fg, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(soft);
      QPainterPath eye;
      eye.moveTo(3, 20);
      eye.quadTo(20, 3, 37, 20);
      eye.quadTo(20, 37, 3, 20);
      p.drawPath(eye);
      p.setBrush(fg);
      p.drawEllipse(QPointF(20, 20), 6.5, 6.5);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(22.5, 17.5), 2.2, 2.2);
      break;
    }
    default: {  // Send: paper plane
      p.setPen(QPen(fg, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      QPainterPath plane;
      plane.moveTo(3, 19);
      plane.lineTo(37, 5);
      plane.lineTo(27, 35);
      plane.lineTo(19, 24);
      plane.closeSubpath();
      p.setBrush(soft);
      p.drawPath(plane);
      QPainterPath fold;
      fold.moveTo(19, 24);
      fold.lineTo(37, 5);
      fold.lineTo(17, 33);
      fold.closeSubpath();
      p.setBrush(withAlpha(fg, 200));
      p.drawPath(fold);
      p.setPen(QPen(soft, 2, Qt::DashLine, Qt::RoundCap));
      p.drawLine(QPointF(2, 32), QPointF(10, 29));
      break;
    }
  }
  p.restore();
}

void sparkle(QPainter& p, QPointF c, qreal s, QColor colour) {
  p.save();
  smooth(p);
  QPainterPath path;
  path.moveTo(c.x(), c.y() - s);
  path.quadTo(c, QPointF(c.x() + s, c.y()));
  path.quadTo(c, QPointF(c.x(), c.y() + s));
  path.quadTo(c, QPointF(c.x() - s, c.y()));
  path.quadTo(c, QPointF(c.x(), c.y() - s));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

void pageSheet(QPainter& p, const QRectF& r, bool withContent) {
  p.save();
  smooth(p);
  const qreal fold = std::min(r.width(), r.height()) * 0.22;
  QPainterPath sheet;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  shadow(p, sheet, 1, 2, std::max(2, int(r.width() / 12)), QColor(20, 40, 80, 80));
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, QColor(0xee, 0xf3, 0xfa));
  p.setPen(QPen(QColor(0x9d, 0xb4, 0xd0), std::max(1.0, r.width() / 40)));
  p.setBrush(g);
  p.drawPath(sheet);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  corner.closeSubpath();
  p.setBrush(QColor(0xd6, 0xe2, 0xf0));
  p.drawPath(corner);
  if (withContent) {
    const qreal m = r.width() * 0.14;
    const qreal h = r.height();
    const QRectF inner(r.left() + m, r.top() + h * 0.12, r.width() - 2 * m - fold * 0.5, h * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::orange);
    p.drawRoundedRect(QRectF(inner.left(), inner.top(), inner.width() * 0.7, h * 0.09), 2, 2);
    p.setBrush(pal::leaf.lighter(115));
    const QRectF pic(inner.left(), inner.top() + h * 0.17, inner.width() * 0.42, h * 0.26);
    p.drawRoundedRect(pic, 2, 2);
    p.setBrush(pal::sun);
    p.drawEllipse(QPointF(pic.left() + pic.width() * 0.7, pic.top() + pic.height() * 0.3),
                  pic.width() * 0.13, pic.width() * 0.13);
    p.setBrush(QColor(0x9d, 0xc3, 0xee));
    for (int i = 0; i < 3; ++i) {
      const qreal y = inner.top() + h * (0.17 + i * 0.09);
      p.drawRoundedRect(QRectF(pic.right() + inner.width() * 0.08, y,
                               inner.width() * 0.5, h * 0.045), 1, 1);
    }
    for (int i = 0; i < 3; ++i) {
      const qreal y = inner.top() + h * (0.5 + i * 0.09);
      p.drawRoundedRect(QRectF(inner.left(), y, inner.width() * (i == 2 ? 0.6 : 1.0), h * 0.045),
                        1, 1);
    }
  }
  p.restore();
}

}  // namespace art
