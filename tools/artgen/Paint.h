// Drawing helpers shared by every picture: the palette, fonts, soft shadows
// and the glossy rounded shapes that give the artwork one look.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

namespace art {

// One palette for everything.
namespace pal {
inline const QColor sky{0x3b, 0xa7, 0xf0};
inline const QColor orange{0xff, 0x9a, 0x1f};
inline const QColor leaf{0x4c, 0xc3, 0x5a};
inline const QColor grape{0x8e, 0x5c, 0xe6};
inline const QColor berry{0xf2, 0x55, 0x7a};
inline const QColor teal{0x1f, 0xbf, 0xb8};
inline const QColor sun{0xff, 0xd2, 0x3f};
inline const QColor ink{0x24, 0x32, 0x4a};
inline const QColor cream{0xff, 0xf8, 0xec};
inline const QColor paper{0xff, 0xff, 0xff};
inline const QColor night{0x1b, 0x1f, 0x4a};
}  // namespace pal

// Every picture is drawn in its own logical pixels, once at scale 1 and
// once at scale 2 (for high-DPI screens); icons are also drawn at other
// scales. canvas() makes an image of the logical size times the current
// scale with that device pixel ratio, so a painter on it keeps working in
// logical pixels and the same drawing code makes every size.
void setScale(qreal scale);
qreal scale();

// The words drawn into pictures. say() gives a word in the current language
// ("" for English, or "de"); artgen draws each lettered picture once more
// per language, and the program shows that twin when its interface is in
// that language. languages() lists the languages beside English.
void setLanguage(const QString& language);
QString say(const QString& english);
QStringList languages();

// A transparent ARGB canvas of the given logical size at the current scale.
QImage canvas(int w, int h, QColor fill = Qt::transparent);

// A canvas of that logical size with `paint` drawn on it.
QImage painted(int w, int h, const std::function<void(QPainter&)>& paint);

// The part of a picture given in logical pixels (QImage::copy counts
// device pixels); keeps the device pixel ratio.
QImage crop(const QImage& img, const QRect& logical);
// The size of a picture in logical pixels.
QSize logicalSize(const QImage& img);

// Whether the painter writes an SVG file, which knows no clipping: shapes
// painted there are cut to their outline as paths instead.
bool toSvg(QPainter& p);

// Painter with anti-aliasing switched on for shapes, text and images.
void smooth(QPainter& p);

QFont font(qreal pixelSize, bool bold = true, bool italic = false);
// `f`, made smaller a pixel at a time (down to `smallest`) until `s` fits
// `width`: for a word of another language in a place with no more room.
QFont fitted(QFont f, const QString& s, qreal width, qreal smallest);

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(QColor c, int alpha);

// Box blur of an ARGB32 premultiplied image (three passes look Gaussian);
// the radius is in logical pixels.
QImage blurred(const QImage& src, int radius);

// Draws a blurred shadow of the path, offset by (dx, dy).
void shadow(QPainter& p, const QPainterPath& path, qreal dx, qreal dy, int blur,
            QColor colour = QColor(0, 0, 0, 90));

// Soft glow around the path (a shadow without offset, in a bright colour).
void glow(QPainter& p, const QPainterPath& path, int blur, QColor colour);

QPainterPath rounded(const QRectF& r, qreal radius);

// A glossy shape: vertical gradient from a light top to a deeper bottom,
// a thin darker rim and a soft highlight over the upper half.
void glossy(QPainter& p, const QPainterPath& path, QColor base, qreal rim = 1.0);

// Text helpers. The text is centred in the rectangle.
void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, QColor c,
          int flags = Qt::AlignCenter);
// Text with a soft dark (or light) halo for readability on colour.
void textHalo(QPainter& p, const QRectF& r, const QString& s, const QFont& f, QColor c,
              QColor halo, int flags = Qt::AlignCenter);
// The texts drawn since the last call that were wider than their
// rectangle (and so cut), each as "WORD" needs N pixels, has M; artgen
// keeps them in the picture's "Cut" text, which the label check reads.
QStringList takeCutTexts();

// A five-pointed star centred at c.
QPainterPath star(QPointF c, qreal outer, qreal inner, int points = 5, qreal turn = 0);

// Little icons used on blocks, titles and elsewhere, drawn in a box.
enum class Icon { Paragraph, Link, Image, Heading, Email, Line };
void icon(QPainter& p, Icon which, const QRectF& box, QColor fg);

// Simple desaturation for disabled looks.
QImage greyed(const QImage& src, qreal amount);

}  // namespace art
