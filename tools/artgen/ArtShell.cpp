// The program's frame: the stage toolbar and its lit segments, the logo,
// the mascot, the splash picture, the program icon, the bottom-bar buttons
// and the About box pictures.
#include "Catalog.h"
#include "Paint.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <tuple>

namespace art {
namespace {

// Stage table of the toolbar: left and width of each segment's picture.
constexpr int kSegLeft[5] = {0, 103, 230, 354, 481};
constexpr int kSegWidth[5] = {146, 170, 170, 170, 140};
constexpr int kBarW = 620, kBarH = 96;
constexpr qreal kDepth = 43;   // how far the arrow points reach
constexpr qreal kGap = 2;      // half the gap between neighbouring segments
constexpr qreal kTop = 5, kBottom = 90;
constexpr int kCentre[5] = {58, 189, 316, 440, 553};  // centre of each segment's face

const QColor& stageColour(int i) {
  static const QColor c[5] = {pal::orange, pal::leaf, pal::sky, pal::grape, pal::berry};
  return c[i];
}

QPainterPath segmentPath(int i) {
  const qreal l = kSegLeft[i];
  const qreal r = std::min<qreal>(kSegLeft[i] + kSegWidth[i], kBarW);
  const qreal mid = (kTop + kBottom) / 2;
  QPolygonF poly;
  if (i == 0) {
    poly << QPointF(4, kTop) << QPointF(r - kDepth - kGap, kTop) << QPointF(r - kGap, mid)
         << QPointF(r - kDepth - kGap, kBottom) << QPointF(4, kBottom);
  } else if (i == 4) {
    poly << QPointF(l + kGap, kTop) << QPointF(kBarW - 4, kTop) << QPointF(kBarW - 4, kBottom)
         << QPointF(l + kGap, kBottom) << QPointF(l + kDepth + kGap, mid);
  } else {
    poly << QPointF(l + kGap, kTop) << QPointF(r - kDepth - kGap, kTop) << QPointF(r - kGap, mid)
         << QPointF(r - kDepth - kGap, kBottom) << QPointF(l + kGap, kBottom)
         << QPointF(l + kDepth + kGap, mid);
  }
  return roundedPolygon(poly, 6);
}

const char* const kStageWord[4] = {"Choose", "Build", "View", "Send"};
const char* const kStageHint[4] = {"a page", "your page", "your page", "it to the Web"};

void drawSegment(QPainter& p, int i, bool lit) {
  const QPainterPath path = segmentPath(i);
  const QColor base = stageColour(i);
  if (lit) {
    // The glow fades out towards the ends of the segment's picture, so the
    // lit picture meets the plain toolbar without a seam.
    QImage halo = canvas(kBarW, kBarH);
    {
      QPainter hp(&halo);
      glow(hp, path, 8, withAlpha(pal::sun, 230));
    }
    const int left = kSegLeft[i], right = std::min(kSegLeft[i] + kSegWidth[i], kBarW) - 1;
    const qreal s = halo.devicePixelRatio();
    for (int y = 0; y < halo.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(halo.scanLine(y));
      for (int x = 0; x < halo.width(); ++x) {
        // Distances in logical pixels, so both scales fade alike.
        const qreal lx = s == 1 ? x : (x + 0.5) / s - 0.5;
        const qreal k = std::clamp(std::min(lx - left, right - lx) / 10.0, 0.0, 1.0);
        const QRgb c = line[x];
        line[x] = qRgba(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k), int(qAlpha(c) * k));
      }
    }
    p.drawImage(0, 0, halo);
    glossy(p, path, base, 1.4);
  } else {
    shadow(p, path, 0, 2, 4, QColor(30, 60, 110, 70));
    QLinearGradient g(0, kTop, 0, kBottom);
    g.setColorAt(0, mix(base, Qt::white, 0.82));
    g.setColorAt(1, mix(base, Qt::white, 0.62));
    p.fillPath(path, g);
    p.save();
    p.setPen(QPen(mix(base, Qt::white, 0.3), 1.2));
    p.drawPath(path);
    p.restore();
  }
  const qreal cx = kCentre[i];
  if (i < 4) {
    const QColor fg = lit ? QColor(Qt::white) : base.darker(135);
    if (lit) {
      QImage sym = canvas(48, 48);
      {
        QPainter sp(&sym);
        stageSymbol(sp, i, QRectF(4, 4, 40, 40), QColor(20, 30, 60, 150));
      }
      p.drawImage(QPointF(cx - 24 + 1, 7 + 2), blurred(sym, 3));
    }
    stageSymbol(p, i, QRectF(cx - 20, 11, 40, 40), fg);
    // Number badge beside the symbol.
    const QPointF b(cx - 30, 20);
    p.save();
    smooth(p);
    p.setPen(QPen(lit ? base.darker(130) : Qt::white, 1.5));
    p.setBrush(lit ? QColor(Qt::white) : base);
    p.drawEllipse(b, 9, 9);
    p.restore();
    text(p, QRectF(b.x() - 9, b.y() - 9, 18, 18), QString::number(i + 1), font(12),
         lit ? base.darker(130) : QColor(Qt::white));
    const QRectF word(cx - 60, 52, 120, 22);
    const QRectF hint(cx - 60, 71, 120, 14);
    if (lit) {
      textHalo(p, word, say(QString::fromLatin1(kStageWord[i])), font(19), Qt::white,
               base.darker(170));
      textHalo(p, hint, say(QString::fromLatin1(kStageHint[i])), font(11, false), Qt::white,
               base.darker(170));
    } else {
      text(p, word, say(QString::fromLatin1(kStageWord[i])), font(19), base.darker(150));
      text(p, hint, say(QString::fromLatin1(kStageHint[i])), font(11, false), base.darker(160));
    }
  } else {
    // The logo segment; lit it celebrates a finished upload.
    if (lit) {
      for (auto [x, y, s] : {std::tuple{522.0, 18.0, 6.0}, {606.0, 22.0, 5.0},
                             {598.0, 76.0, 7.0}, {530.0, 78.0, 4.5}, {566.0, 12.0, 4.0}})
        sparkle(p, QPointF(x, y), s, QColor(255, 250, 200));
    }
    wordmark(p, QRectF(514, 24, 100, 40), 31);
    const QRectF hint(500, 66, 118, 16);
    const QString sent = say(QStringLiteral("Sent! Well done"));
    if (lit)
      textHalo(p, hint, sent, fitted(font(12), sent, hint.width(), 10), Qt::white, base.darker(170));
    else
      text(p, hint, say(QStringLiteral("web pages made easy")), font(10.5, false), pal::ink);
  }
}

QImage toolbar(int litStage) {
  QImage img = canvas(kBarW, kBarH);
  QPainter p(&img);
  smooth(p);
  QLinearGradient bg(0, 0, 0, kBarH);
  bg.setColorAt(0, QColor(0xf4, 0xfa, 0xff));
  bg.setColorAt(1, QColor(0xd3, 0xe8, 0xfb));
  p.fillRect(img.rect(), bg);
  // A few soft clouds behind the segments.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 160));
  for (auto [x, y] : {std::pair{40, 84}, {300, 10}, {470, 88}, {170, 6}})
    p.drawEllipse(QPointF(x, y), 30, 9);
  // The lit picture is the plain toolbar with one segment drawn lit on top,
  // so everything outside that segment stays the same pixel for pixel.
  for (int i = 0; i < 5; ++i) drawSegment(p, i, false);
  if (litStage >= 0) drawSegment(p, litStage, true);
  return img;
}

QImage toolbutt(int i) { return crop(toolbar(i), QRect(kSegLeft[i], 0, kSegWidth[i], kBarH)); }

QImage logo() {
  QImage img = canvas(376, 36);
  QPainter p(&img);
  smooth(p);
  // Badge with the mascot's face.
  const QPainterPath badge = rounded(QRectF(2, 2, 44, 31), 10);
  shadow(p, badge, 0, 1.5, 3, QColor(20, 40, 80, 90));
  glossy(p, badge, pal::sky, 1);
  p.save();
  p.translate(4, 1);
  p.scale(0.6, 0.6);
  windy(p, true);
  p.restore();
  wordmark(p, QRectF(52, 0, 110, 36), 30);
  text(p, QRectF(148, 2, 226, 34), say(QStringLiteral("Build your own Web page!")), font(15, true, true),
       pal::ink, Qt::AlignVCenter | Qt::AlignLeft);
  return img;
}

QImage windyPicture(bool right) {
  QImage img = canvas(64, 59);
  QPainter p(&img);
  windy(p, right, right ? 0 : 1);
  return img;
}

QImage splash() {
  QImage img = canvas(205, 200);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(3, 3, 199, 194), 18);
  shadow(p, card, 0, 2, 5, QColor(20, 40, 80, 100));
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(0x7c, 0xc8, 0xff));
  sky.setColorAt(0.7, QColor(0xd8, 0xef, 0xff));
  sky.setColorAt(1, QColor(0xfb, 0xf3, 0xd9));
  p.fillPath(card, sky);
  p.save();
  p.setClipPath(card);
  // Sun and hills.
  QRadialGradient sun(QPointF(168, 40), 40);
  sun.setColorAt(0, QColor(255, 240, 150));
  sun.setColorAt(0.45, withAlpha(pal::sun, 220));
  sun.setColorAt(1, withAlpha(pal::sun, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sun);
  p.drawEllipse(QPointF(168, 40), 40, 40);
  QPainterPath hill;
  hill.moveTo(0, 170);
  hill.cubicTo(50, 140, 120, 175, 205, 150);
  hill.lineTo(205, 200);
  hill.lineTo(0, 200);
  p.setBrush(QColor(0x8f, 0xd8, 0x7c));
  p.drawPath(hill);
  QPainterPath hill2;
  hill2.moveTo(0, 185);
  hill2.cubicTo(70, 165, 140, 195, 205, 175);
  hill2.lineTo(205, 200);
  hill2.lineTo(0, 200);
  p.setBrush(pal::leaf);
  p.drawPath(hill2);
  p.restore();
  p.setPen(QPen(pal::sky.darker(130), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(card);

  // A browser window with a bright page in it.
  const QRectF win(22, 54, 124, 100);
  const QPainterPath frame = rounded(win, 9);
  shadow(p, frame, 2, 4, 6, QColor(20, 40, 80, 110));
  p.fillPath(frame, Qt::white);
  p.save();
  p.setClipPath(frame);
  QLinearGradient bar(win.topLeft(), QPointF(win.left(), win.top() + 16));
  bar.setColorAt(0, pal::grape.lighter(125));
  bar.setColorAt(1, pal::grape);
  p.fillRect(QRectF(win.left(), win.top(), win.width(), 16), bar);
  p.restore();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(i == 0 ? pal::berry : i == 1 ? pal::sun : pal::leaf);
    p.drawEllipse(QPointF(win.left() + 9 + i * 9, win.top() + 8), 3, 3);
  }
  p.setBrush(pal::orange);
  p.drawRoundedRect(QRectF(win.left() + 10, win.top() + 24, 70, 11), 3, 3);
  p.setBrush(pal::sky.lighter(120));
  p.drawRoundedRect(QRectF(win.left() + 10, win.top() + 42, 42, 32), 4, 4);
  p.setBrush(pal::sun);
  p.drawEllipse(QPointF(win.left() + 40, win.top() + 50), 5, 5);
  p.setBrush(pal::leaf);
  QPainterPath m;
  m.moveTo(win.left() + 10, win.top() + 74);
  m.lineTo(win.left() + 26, win.top() + 56);
  m.lineTo(win.left() + 40, win.top() + 74);
  p.drawPath(m);
  p.setBrush(QColor(0xc4, 0xd6, 0xee));
  for (int i = 0; i < 4; ++i)
    p.drawRoundedRect(QRectF(win.left() + 58, win.top() + 43 + i * 9, i == 3 ? 36 : 54, 5), 2, 2);
  p.drawRoundedRect(QRectF(win.left() + 10, win.top() + 82, 100, 5), 2, 2);
  p.setPen(QPen(QColor(0x8a, 0x9c, 0xc0), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(frame);

  // The mascot, big, waving from the right.
  p.save();
  p.translate(112, 92);
  p.scale(1.45, 1.45);
  windy(p, false);
  p.restore();
  sparkle(p, QPointF(30, 32), 7, Qt::white);
  sparkle(p, QPointF(150, 70), 5, Qt::white);
  sparkle(p, QPointF(186, 96), 6, QColor(255, 250, 210));
  wordmark(p, QRectF(44, 6, 120, 44), 36);
  return img;
}

}  // namespace

void paintAppIcon(QPainter& p) {
  smooth(p);
  const QPainterPath tile = rounded(QRectF(3, 3, 58, 58), 14);
  shadow(p, tile, 0, 1.5, 3, QColor(20, 30, 60, 110));
  QLinearGradient g(0, 3, 0, 61);
  g.setColorAt(0, QColor(0x5e, 0xc0, 0xff));
  g.setColorAt(1, pal::grape);
  p.fillPath(tile, g);
  QPainterPath sheen;
  sheen.addEllipse(QPointF(20, 4), 40, 22);
  if (toSvg(p)) {
    p.fillPath(sheen.intersected(tile), QColor(255, 255, 255, 45));
  } else {
    p.save();
    p.setClipPath(tile);
    p.fillPath(sheen, QColor(255, 255, 255, 45));
    p.restore();
  }
  pageSheet(p, QRectF(11, 9, 30, 40));
  p.save();
  p.translate(22, 25);
  p.scale(0.64, 0.64);
  windy(p, false);
  p.restore();
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tile);
}

namespace {

QImage appIcon() { return painted(64, 64, paintAppIcon); }

// A pill-shaped bottom-bar button with a symbol and a word, at least `w`
// wide and wider where the widest of `family` (the words of the pictures
// that take turns in one place, `word` among them) needs it in the current
// language; the window sizes the button to its picture.
QImage pillButton(int w, int h, QColor base, const QString& word, const QStringList& family, bool down,
                  const std::function<void(QPainter&, QRectF, QColor)>& symbol) {
  // The word's room is the width less the symbol and the margins.
  constexpr int kBesideWord = 23;
  for (const QString& other : family)
    w = std::max(w, int(std::ceil(QFontMetricsF(font(11)).horizontalAdvance(say(other)))) + kBesideWord);
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  const qreal dy = down ? 1 : 0;
  const QRectF r(1, 0.5 + dy, w - 2, h - 2.5);
  const QPainterPath pill = rounded(r, r.height() / 2);
  if (!down) shadow(p, pill, 0, 1, 2, QColor(20, 30, 60, 110));
  glossy(p, pill, down ? base.darker(115) : base, 1);
  if (down) {
    p.save();
    p.setClipPath(pill);
    p.setPen(QPen(QColor(0, 0, 0, 60), 2));
    p.drawPath(pill.translated(0, 1));
    p.restore();
  }
  const QRectF sym(r.left() + 5, r.top() + (r.height() - 11) / 2, 11, 11);
  symbol(p, sym, Qt::white);
  textHalo(p, QRectF(sym.right() + 1, r.top(), r.right() - sym.right() - 4, r.height()), say(word),
           font(11), Qt::white, base.darker(170));
  return img;
}

void expandSymbol(QPainter& p, QRectF b, QColor c) {
  p.save();
  p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const qreal s = 3.5;
  auto corner = [&](QPointF pt, qreal sx, qreal sy) {
    p.drawLine(pt, pt + QPointF(sx * s, 0));
    p.drawLine(pt, pt + QPointF(0, sy * s));
  };
  corner(b.topLeft(), 1, 1);
  corner(b.topRight(), -1, 1);
  corner(b.bottomLeft(), 1, -1);
  corner(b.bottomRight(), -1, -1);
  p.restore();
}

void shrinkSymbol(QPainter& p, QRectF b, QColor c) {
  p.save();
  p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF m = b.center();
  const qreal s = 3.5, o = 1.2;
  auto corner = [&](qreal sx, qreal sy) {
    const QPointF pt = m + QPointF(sx * o, sy * o);
    p.drawLine(pt, pt + QPointF(sx * s, 0));
    p.drawLine(pt, pt + QPointF(0, sy * s));
  };
  corner(-1, -1);
  corner(1, -1);
  corner(-1, 1);
  corner(1, 1);
  p.restore();
}

void doorSymbol(QPainter& p, QRectF b, QColor c) {
  p.save();
  p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawRect(QRectF(b.left(), b.top(), b.width() * 0.55, b.height()));
  p.drawLine(QPointF(b.left() + 3, b.center().y()), QPointF(b.right() + 1, b.center().y()));
  p.drawLine(QPointF(b.right() + 1, b.center().y()), QPointF(b.right() - 2, b.center().y() - 3));
  p.drawLine(QPointF(b.right() + 1, b.center().y()), QPointF(b.right() - 2, b.center().y() + 3));
  p.restore();
}

QImage aboutPicture() {
  QImage img = canvas(366, 140);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(2, 2, 362, 134), 16);
  shadow(p, card, 0, 2, 4, QColor(20, 40, 80, 90));
  QLinearGradient g(0, 0, 366, 140);
  g.setColorAt(0, QColor(0x8e, 0xd2, 0xff));
  g.setColorAt(1, QColor(0xe9, 0xdc, 0xff));
  p.fillPath(card, g);
  p.save();
  p.setClipPath(card);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(QPointF(300, 150), 120, 40);
  p.drawEllipse(QPointF(40, 0), 90, 30);
  p.restore();
  p.save();
  p.translate(18, 22);
  p.scale(1.55, 1.55);
  windy(p, true);
  p.restore();
  wordmark(p, QRectF(140, 16, 200, 60), 52);
  const QString motto = say(QStringLiteral("Your own Web page, step by step"));
  text(p, QRectF(118, 78, 244, 22), motto, fitted(font(14, true, true), motto, 244, 12), pal::ink);
  for (int i = 0; i < 4; ++i) {
    const QRectF b(150 + i * 50, 104, 40, 22);
    const QPainterPath chip = rounded(b, 11);
    glossy(p, chip, stageColour(i), 1);
    stageSymbol(p, i, QRectF(b.center().x() - 8, b.top() + 3, 16, 16), Qt::white);
  }
  sparkle(p, QPointF(124, 28), 6, Qt::white);
  sparkle(p, QPointF(346, 24), 5, Qt::white);
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(card);
  return img;
}

QImage partyPicture() {
  QImage img = canvas(241, 184);
  QPainter p(&img);
  smooth(p);
  const QPainterPath card = rounded(QRectF(2, 2, 237, 180), 16);
  QRadialGradient g(QPointF(120, 100), 150);
  g.setColorAt(0, QColor(0xff, 0xf1, 0xb8));
  g.setColorAt(1, QColor(0xff, 0xa7, 0xc4));
  p.fillPath(card, g);
  p.save();
  p.setClipPath(card);
  const QColor confetti[] = {pal::sky, pal::leaf, pal::grape, pal::orange, pal::berry, pal::teal};
  for (int i = 0; i < 60; ++i) {
    const qreal x = (i * 97) % 241, y = (i * 53 + i * i * 7) % 184;
    p.save();
    p.translate(x, y);
    p.rotate(i * 37);
    p.setPen(Qt::NoPen);
    p.setBrush(confetti[i % 6]);
    p.drawRoundedRect(QRectF(-3, -1.5, 6, 3), 1, 1);
    p.restore();
  }
  p.restore();
  p.save();
  p.translate(58, 44);
  p.scale(1.9, 1.9);
  windy(p, true, 1, true);
  p.restore();
  const QRectF banner(20, 138, 201, 32);
  const QPainterPath b = rounded(banner, 16);
  shadow(p, b, 0, 2, 3);
  glossy(p, b, pal::grape, 1);
  textHalo(p, banner, QStringLiteral("Zorrrrip!"), font(22, true, true), Qt::white,
           pal::grape.darker(170));
  p.setPen(QPen(QColor(255, 255, 255, 180), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(card);
  return img;
}

}  // namespace

void addShellArt(Catalog& c) {
  c.push_back({"Toolbar", Kind::Bitmap, [] { return toolbar(-1); }, {}});
  for (int i = 0; i < 5; ++i)
    c.push_back({QStringLiteral("Toolbutt%1").arg(i + 1), Kind::Bitmap, [i] { return toolbutt(i); }, {}});
  c.push_back({"Logo", Kind::Bitmap, logo, {}});
  c.push_back({"Windy_Right", Kind::Bitmap, [] { return windyPicture(true); }, {}});
  c.push_back({"Windy_Left", Kind::Bitmap, [] { return windyPicture(false); }, {}});
  c.push_back({"Splash", Kind::Bitmap, splash, {}});
  c.push_back({"AppIcon", Kind::Bitmap, appIcon, {}});
  c.push_back({"About", Kind::Bitmap, aboutPicture, {}});
  c.push_back({"VBSlab", Kind::Bitmap, partyPicture, {}});

  const QColor blue = pal::sky.darker(108);
  // Full and Small take turns on one button.
  const QStringList sizes = {QStringLiteral("Full"), QStringLiteral("Small")};
  auto size = [blue, sizes](const char* word, bool down, auto symbol) {
    return [=] { return pillButton(54, 20, blue, QString::fromLatin1(word), sizes, down, symbol); };
  };
  auto maxUp = size("Full", false, expandSymbol);
  c.push_back({"Max_Up", Kind::Bitmap, maxUp, {}});
  c.push_back({"Max_Dn", Kind::Bitmap, size("Full", true, expandSymbol), {}});
  c.push_back({"Max_Dis", Kind::Bitmap, [maxUp] { return greyed(maxUp(), 0.85); }, {}});
  c.push_back({"Min_Up", Kind::Bitmap, size("Small", false, shrinkSymbol), {}});
  c.push_back({"Min_Dn", Kind::Bitmap, size("Small", true, shrinkSymbol), {}});
  auto exit = [](bool down) {
    return [down] { return pillButton(51, 18, pal::berry, "Exit", {QStringLiteral("Exit")}, down, doorSymbol); };
  };
  c.push_back({"Exit_Up", Kind::Bitmap, exit(false), {}});
  c.push_back({"Exit_Dn", Kind::Bitmap, exit(true), {}});
}

}  // namespace art
