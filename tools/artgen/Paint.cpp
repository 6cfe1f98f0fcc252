#include "Paint.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace art {

namespace {
qreal g_scale = 1.0;
QString g_language;
// The texts drawn wider than their room since the last takeCutTexts().
QStringList g_cut;

// The words of the pictures in each language, in the order of
// languages(). Each must fit where the English one stands (the contact
// sheet of "artgen --sheet" shows them).
constexpr int kLanguages = 4;
const char* const kLanguageCodes[kLanguages] = {"de", "fr", "es", "pl"};
struct TWords {
  const char* english;
  const char* translated[kLanguages];
};
const TWords kWords[] = {
    {"Choose", {"Wählen", "Choisir", "Elegir", "Wybierz"}},
    {"a page", {"eine Seite", "une page", "una página", "stronę"}},
    {"Build", {"Bauen", "Créer", "Crear", "Zbuduj"}},
    {"your page", {"Ihre Seite", "votre page", "su página", "swoją stronę"}},
    {"View", {"Ansehen", "Voir", "Ver", "Obejrzyj"}},
    {"Send", {"Senden", "Envoyer", "Enviar", "Wyślij"}},
    {"it to the Web", {"ins Web", "sur le Web", "a la Web", "do sieci"}},
    {"Sent! Well done", {"Gesendet! Super", "Envoyé ! Bravo", "¡Enviado! Bien hecho", "Wysłano! Brawo"}},
    {"web pages made easy", {"Web ganz einfach", "le Web facile", "la web muy fácil", "WWW po prostu"}},
    {"Build your own Web page!", {"Ihre eigene Webseite!", "Votre page Web !", "¡Su propia página web!", "Własna strona WWW!"}},
    {"Your own Web page, step by step", {"Ihre eigene Webseite, Schritt für Schritt", "Votre page Web, pas à pas", "Su página web, paso a paso", "Własna strona WWW krok po kroku"}},
    {"Paragraph", {"Absatz", "Paragraphe", "Párrafo", "Akapit"}},
    {"Link", {"Link", "Lien", "Enlace", "Odnośnik"}},
    {"Image", {"Bild", "Image", "Imagen", "Obraz"}},
    {"Heading", {"Überschrift", "Titre", "Título", "Nagłówek"}},
    {"E-mail", {"E-Mail", "E-mail", "Correo", "E-mail"}},
    {"Line", {"Linie", "Ligne", "Línea", "Linia"}},
    {"Full", {"Groß", "Grand", "Grande", "Duży"}},
    {"Small", {"Klein", "Petit", "Pequeño", "Mały"}},
    {"Exit", {"Ende", "Quitter", "Salir", "Koniec"}},
    {"Click a page", {"Seite anklicken", "Cliquez une page", "Pulse una página", "Kliknij stronę"}},
    {"to see it here", {"für die Vorschau", "pour la voir ici", "para verla aquí", "by ją tu zobaczyć"}},
    {"Send!", {"Senden!", "Envoyer !", "¡Enviar!", "Wyślij!"}},
    {"You", {"Sie", "Vous", "Usted", "Ty"}},
};
}  // namespace

void setLanguage(const QString& language) { g_language = language; }

QString say(const QString& english) {
  for (int l = 0; l < kLanguages; ++l) {
    if (g_language != QLatin1String(kLanguageCodes[l])) continue;
    for (const TWords& words : kWords)
      if (english == QLatin1String(words.english)) return QString::fromUtf8(words.translated[l]);
  }
  return english;
}

QStringList languages() {
  QStringList all;
  for (const char* code : kLanguageCodes) all << QString::fromLatin1(code);
  return all;
}

void setScale(qreal scale) { g_scale = scale; }
qreal scale() { return g_scale; }

QImage canvas(int w, int h, QColor fill) {
  QImage img(std::max(1, qRound(w * g_scale)), std::max(1, qRound(h * g_scale)),
             QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(g_scale);
  img.fill(fill);
  return img;
}

QImage painted(int w, int h, const std::function<void(QPainter&)>& paint) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  paint(p);
  return img;
}

QImage crop(const QImage& img, const QRect& logical) {
  const qreal s = img.devicePixelRatio();
  QImage part = img.copy(QRect(qRound(logical.x() * s), qRound(logical.y() * s),
                               qRound(logical.width() * s), qRound(logical.height() * s)));
  part.setDevicePixelRatio(s);
  return part;
}

QSize logicalSize(const QImage& img) { return img.deviceIndependentSize().toSize(); }

bool toSvg(QPainter& p) { return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::SVG; }

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(qreal pixelSize, bool bold, bool italic) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(qRound(pixelSize));
  f.setBold(bold);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont fitted(QFont f, const QString& s, qreal width, qreal smallest) {
  while (f.pixelSize() - 1 >= smallest && QFontMetricsF(f).horizontalAdvance(s) > width)
    f.setPixelSize(f.pixelSize() - 1);
  return f;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t,
                          a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

namespace {

// One horizontal and one vertical running-sum pass over all four channels.
void boxPass(std::vector<int>& ch, int w, int h, int r, bool horizontal) {
  std::vector<int> out(ch.size());
  const int n = horizontal ? w : h;
  const int lines = horizontal ? h : w;
  for (int line = 0; line < lines; ++line) {
    for (int c = 0; c < 4; ++c) {
      auto at = [&](int i) -> int& {
        const int x = horizontal ? i : line;
        const int y = horizontal ? line : i;
        return ch[(y * w + x) * 4 + c];
      };
      long sum = 0;
      for (int i = -r; i <= r; ++i) sum += at(std::clamp(i, 0, n - 1));
      for (int i = 0; i < n; ++i) {
        const int x = horizontal ? i : line;
        const int y = horizontal ? line : i;
        out[(y * w + x) * 4 + c] = int(sum / (2 * r + 1));
        sum += at(std::min(i + r + 1, n - 1)) - at(std::max(i - r, 0));
      }
    }
  }
  ch.swap(out);
}

}  // namespace

QImage blurred(const QImage& src, int radius) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (radius <= 0) return img;
  const int w = img.width(), h = img.height();
  std::vector<int> ch(size_t(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      int* px = &ch[(size_t(y) * w + x) * 4];
      px[0] = qRed(line[x]);
      px[1] = qGreen(line[x]);
      px[2] = qBlue(line[x]);
      px[3] = qAlpha(line[x]);
    }
  }
  const int r = std::max(1, int(radius * img.devicePixelRatio()) / 2);
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(ch, w, h, r, true);
    boxPass(ch, w, h, r, false);
  }
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int* px = &ch[(size_t(y) * w + x) * 4];
      line[x] = qRgba(px[0], px[1], px[2], px[3]);
    }
  }
  return img;
}

void shadow(QPainter& p, const QPainterPath& path, qreal dx, qreal dy, int blur, QColor colour) {
  const QRectF box = path.boundingRect().adjusted(-blur * 2, -blur * 2, blur * 2, blur * 2);
  QImage layer = canvas(int(std::ceil(box.width())), int(std::ceil(box.height())));
  {
    QPainter lp(&layer);
    smooth(lp);
    lp.translate(-box.topLeft());
    lp.fillPath(path, colour);
  }
  p.drawImage(box.topLeft() + QPointF(dx, dy), blurred(layer, blur));
}

void glow(QPainter& p, const QPainterPath& path, int blur, QColor colour) {
  shadow(p, path, 0, 0, blur, colour);
  shadow(p, path, 0, 0, blur / 2 + 1, colour);
}

QPainterPath rounded(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

void glossy(QPainter& p, const QPainterPath& path, QColor base, qreal rim) {
  const QRectF b = path.boundingRect();
  QLinearGradient g(b.topLeft(), b.bottomLeft());
  g.setColorAt(0.0, base.lighter(135));
  g.setColorAt(0.55, base);
  g.setColorAt(1.0, base.darker(118));
  p.save();
  p.fillPath(path, g);
  const bool svg = toSvg(p);
  if (!svg) p.setClipPath(path);
  QPainterPath shine;
  shine.addRoundedRect(QRectF(b.left() + b.width() * 0.04, b.top() + 1, b.width() * 0.92,
                              b.height() * 0.46),
                       b.height() * 0.22, b.height() * 0.22);
  QLinearGradient sg(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.5));
  sg.setColorAt(0, QColor(255, 255, 255, 120));
  sg.setColorAt(1, QColor(255, 255, 255, 10));
  p.fillPath(svg ? shine.intersected(path) : shine, sg);
  p.restore();
  if (rim > 0) {
    p.save();
    p.setPen(QPen(base.darker(150), rim));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
  }
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, QColor c, int flags) {
  p.save();
  p.setFont(f);
  p.setPen(c);
  // drawText cuts what does not fit its rectangle: a word wider than its
  // room loses both ends (behind a button's symbol, say).
  const qreal need = p.boundingRect(r, flags, s).width();
  if (need > r.width() + 0.5) {
    const QString cut = QStringLiteral("\"%1\" needs %2 pixels, has %3")
                            .arg(s)
                            .arg(std::ceil(need))
                            .arg(std::floor(r.width()));
    if (!g_cut.contains(cut)) g_cut << cut;
  }
  p.drawText(r, flags, s);
  p.restore();
}

QStringList takeCutTexts() { return std::exchange(g_cut, {}); }

void textHalo(QPainter& p, const QRectF& r, const QString& s, const QFont& f, QColor c,
              QColor halo, int flags) {
  QImage layer = canvas(int(std::ceil(r.width())) + 8, int(std::ceil(r.height())) + 8);
  {
    QPainter lp(&layer);
    smooth(lp);
    text(lp, QRectF(4, 4, r.width(), r.height()), s, f, halo, flags);
  }
  const QImage soft = blurred(layer, 3);
  p.drawImage(r.topLeft() - QPointF(4, 4) + QPointF(0, 0.5), soft);
  p.drawImage(r.topLeft() - QPointF(4, 4) + QPointF(0, 0.5), soft);
  text(p, r, s, f, c, flags);
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points, qreal turn) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const qreal a = turn - M_PI / 2 + i * M_PI / points;
    const qreal r = (i % 2) ? inner : outer;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

void icon(QPainter& p, Icon which, const QRectF& b, QColor fg) {
  p.save();
  smooth(p);
  const qreal u = b.width() / 16.0;
  auto at = [&](qreal x, qreal y) { return QPointF(b.left() + x * u, b.top() + y * u); };
  QPen pen(fg, 1.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (which) {
    case Icon::Paragraph:
      for (int i = 0; i < 4; ++i) {
        const qreal y = 3.5 + i * 3.2;
        p.drawLine(at(2, y), at(i == 3 ? 10 : 14, y));
      }
      break;
    case Icon::Link: {
      QPen thick(fg, 2.0 * u, Qt::SolidLine, Qt::RoundCap);
      p.setPen(thick);
      p.save();
      p.translate(at(8, 8));
      p.rotate(-45);
      p.drawRoundedRect(QRectF(-7.5 * u, -2.6 * u, 8 * u, 5.2 * u), 2.6 * u, 2.6 * u);
      p.drawRoundedRect(QRectF(-0.5 * u, -2.6 * u, 8 * u, 5.2 * u), 2.6 * u, 2.6 * u);
      p.restore();
      break;
    }
    case Icon::Image: {
      p.drawRoundedRect(QRectF(at(1.5, 2.5), at(14.5, 13.5)), 1.5 * u, 1.5 * u);
      p.setPen(Qt::NoPen);
      p.setBrush(fg);
      QPainterPath hill;
      hill.moveTo(at(2.5, 12.5));
      hill.lineTo(at(6.5, 7.5));
      hill.lineTo(at(9.5, 10.5));
      hill.lineTo(at(11, 9));
      hill.lineTo(at(13.5, 12.5));
      hill.closeSubpath();
      p.drawPath(hill);
      p.drawEllipse(at(11, 5.5), 1.5 * u, 1.5 * u);
      break;
    }
    case Icon::Heading: {
      QPen thick(fg, 2.4 * u, Qt::SolidLine, Qt::RoundCap);
      p.setPen(thick);
      p.drawLine(at(3, 2.5), at(3, 13.5));
      p.drawLine(at(12, 2.5), at(12, 13.5));
      p.drawLine(at(3, 8), at(12, 8));
      break;
    }
    case Icon::Email: {
      p.drawRoundedRect(QRectF(at(1.5, 3.5), at(14.5, 12.5)), 1.2 * u, 1.2 * u);
      QPainterPath flap;
      flap.moveTo(at(2, 4.2));
      flap.lineTo(at(8, 8.8));
      flap.lineTo(at(14, 4.2));
      p.drawPath(flap);
      break;
    }
    case Icon::Line: {
      QPen thick(fg, 2.4 * u, Qt::SolidLine, Qt::RoundCap);
      p.setPen(thick);
      p.drawLine(at(2, 8), at(14, 8));
      QPen thin(withAlpha(fg, 150), 1.2 * u, Qt::DotLine, Qt::RoundCap);
      p.setPen(thin);
      p.drawLine(at(3, 4), at(13, 4));
      p.drawLine(at(3, 12), at(13, 12));
      break;
    }
  }
  p.restore();
}

QImage greyed(const QImage& src, qreal amount) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = line[x];
      const int g = qGray(c);
      const int lift = 40;
      auto ch = [&](int v) { return std::min(255, int(v + (g + lift - v) * amount)); };
      line[x] = qRgba(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)), qAlpha(c));
    }
  }
  return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace art
