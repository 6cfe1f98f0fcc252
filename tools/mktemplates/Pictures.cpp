#include "Pictures.h"

#include "GifWriter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace {

// Pictures for pages are drawn at twice the size they are shown at, so
// they are sharp on screens of two device pixels per pixel; the pages state
// the shown size. Canvas and Smooth make the one drawing code serve both.
int g_scale = 1;

QImage Canvas(int w, int h, const QColor& fill) {
    QImage img(w * g_scale, h * g_scale, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(g_scale, g_scale);
}

// The picture of `draw` at twice its size.
std::function<QImage()> Doubled(QImage (*draw)()) {
    return [draw] {
        g_scale = 2;
        QImage img = draw();
        g_scale = 1;
        return img;
    };
}

// Something drawn at (x, y) and again shifted by the tile's size, so that
// shapes crossing an edge continue on the opposite side.
void Wrapped(const QSize& tile, const std::function<void(QPointF)>& draw, QPointF at) {
    for (int dx : {-1, 0, 1})
        for (int dy : {-1, 0, 1}) draw(at + QPointF(dx * tile.width(), dy * tile.height()));
}

void Cloud(QPainter& p, QPointF c, double s, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, 18 * s, 11 * s);
    p.drawEllipse(c + QPointF(-16 * s, 4 * s), 12 * s, 8 * s);
    p.drawEllipse(c + QPointF(17 * s, 4 * s), 13 * s, 8 * s);
    p.drawEllipse(c + QPointF(4 * s, -8 * s), 12 * s, 10 * s);
}

// ---- Template images ----------------------------------------------------------

QImage Landscape() {
    QImage img = Canvas(240, 160, Qt::white);
    QPainter p(&img);
    Smooth(p);
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0, QColor(0x5F, 0xA8, 0xE8));
    sky.setColorAt(1, QColor(0xD8, 0xEE, 0xFF));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x6A));
    p.drawEllipse(QPointF(190, 38), 18, 18);
    Cloud(p, {60, 30}, 1.0, QColor(255, 255, 255, 230));
    Cloud(p, {140, 50}, 0.7, QColor(255, 255, 255, 210));
    QPainterPath far;
    far.moveTo(0, 105);
    far.lineTo(45, 55);
    far.lineTo(80, 85);
    far.lineTo(125, 40);
    far.lineTo(175, 95);
    far.lineTo(240, 70);
    far.lineTo(240, 160);
    far.lineTo(0, 160);
    p.setBrush(QColor(0x7D, 0x8F, 0xB3));
    p.drawPath(far);
    QPainterPath snow;
    snow.moveTo(125, 40);
    snow.lineTo(137, 53);
    snow.lineTo(128, 50);
    snow.lineTo(118, 56);
    snow.lineTo(113, 53);
    p.setBrush(Qt::white);
    p.drawPath(snow);
    QPainterPath hills;
    hills.moveTo(0, 120);
    hills.cubicTo(60, 95, 110, 130, 160, 110);
    hills.cubicTo(190, 100, 220, 105, 240, 112);
    hills.lineTo(240, 160);
    hills.lineTo(0, 160);
    QLinearGradient green(0, 100, 0, 160);
    green.setColorAt(0, QColor(0x7C, 0xC5, 0x5A));
    green.setColorAt(1, QColor(0x3E, 0x8E, 0x3A));
    p.setBrush(green);
    p.drawPath(hills);
    p.setBrush(QColor(0x6F, 0xB8, 0xE6));
    p.drawEllipse(QRectF(120, 132, 90, 16));
    for (int i = 0; i < 4; ++i) {
        const double x = 20 + i * 22, y = 122 + (i % 2) * 6;
        p.setBrush(QColor(0x7A, 0x4E, 0x2D));
        p.drawRect(QRectF(x - 2, y, 4, 12));
        p.setBrush(QColor(0x2F, 0x7A, 0x35));
        p.drawEllipse(QPointF(x, y - 4), 9, 12);
    }
    return img;
}

QImage Beach() {
    QImage img = Canvas(240, 160, Qt::white);
    QPainter p(&img);
    Smooth(p);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(0xFF, 0xB3, 0x6B));
    sky.setColorAt(1, QColor(0xFF, 0xE5, 0xB0));
    p.fillRect(0, 0, 240, 90, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x8A, 0x3D));
    p.drawEllipse(QPointF(120, 88), 26, 26);
    QLinearGradient sea(0, 88, 0, 125);
    sea.setColorAt(0, QColor(0x2E, 0x86, 0xC1));
    sea.setColorAt(1, QColor(0x5D, 0xC1, 0xD8));
    p.fillRect(0, 88, 240, 40, sea);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(20 + i * 45, 100 + i % 3 * 7), QPointF(42 + i * 45, 100 + i % 3 * 7));
    p.setPen(Qt::NoPen);
    QPainterPath sand;
    sand.moveTo(0, 128);
    sand.cubicTo(80, 118, 160, 134, 240, 124);
    sand.lineTo(240, 160);
    sand.lineTo(0, 160);
    p.setBrush(QColor(0xF2, 0xD4, 0x92));
    p.drawPath(sand);
    // A palm tree.
    QPainterPath trunk;
    trunk.moveTo(196, 150);
    trunk.cubicTo(198, 120, 188, 90, 176, 66);
    trunk.lineTo(182, 64);
    trunk.cubicTo(196, 90, 206, 120, 204, 150);
    p.setBrush(QColor(0x8B, 0x5A, 0x2B));
    p.drawPath(trunk);
    p.setBrush(QColor(0x2E, 0x8B, 0x3E));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(179, 65);
        p.rotate(-160 + i * 40);
        p.drawEllipse(QRectF(0, -5, 38, 10));
        p.restore();
    }
    p.setBrush(QColor(0xE7, 0x4C, 0x3C));
    p.drawEllipse(QPointF(60, 140), 10, 10);
    p.setBrush(Qt::white);
    p.drawPie(QRectF(50, 130, 20, 20), 30 * 16, 60 * 16);
    return img;
}

QImage Cake() {
    QImage img = Canvas(160, 150, QColor(0xFF, 0xF7, 0xFB));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0xE0, 0xE8));
    p.drawEllipse(QRectF(18, 118, 124, 20));
    p.setBrush(QColor(0xC8, 0x7F, 0x4A));
    p.drawRoundedRect(QRectF(28, 78, 104, 48), 8, 8);
    p.setBrush(QColor(0xFF, 0x9E, 0xC4));
    p.drawRoundedRect(QRectF(28, 74, 104, 16), 8, 8);
    for (int i = 0; i < 6; ++i) p.drawEllipse(QPointF(36 + i * 18, 90), 6, 7);
    p.setBrush(QColor(0xFF, 0xF0, 0xF5));
    p.drawRect(QRectF(28, 104, 104, 5));
    const QColor sprinkles[] = {QColor(0x4F, 0xC3, 0xF7), QColor(0xFF, 0xD5, 0x4F), QColor(0x81, 0xC7, 0x84)};
    for (int i = 0; i < 9; ++i) {
        p.setBrush(sprinkles[i % 3]);
        p.drawRoundedRect(QRectF(36 + i * 10.5, 114 + (i % 2) * 5, 6, 3), 1.5, 1.5);
    }
    for (int i = 0; i < 4; ++i) {
        const double x = 50 + i * 20;
        p.setBrush(i % 2 ? QColor(0x64, 0xB5, 0xF6) : QColor(0xFF, 0xD5, 0x4F));
        p.drawRect(QRectF(x - 3, 48, 6, 28));
        QRadialGradient glow(QPointF(x, 38), 10);
        glow.setColorAt(0, QColor(255, 240, 150, 220));
        glow.setColorAt(1, QColor(255, 240, 150, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, 38), 10, 10);
        p.setBrush(QColor(0xFF, 0x98, 0x00));
        QPainterPath flame;
        flame.moveTo(x, 30);
        flame.cubicTo(x + 6, 38, x + 4, 45, x, 45);
        flame.cubicTo(x - 4, 45, x - 6, 38, x, 30);
        p.drawPath(flame);
    }
    return img;
}

QImage Football() {
    QImage img = Canvas(120, 120, Qt::white);
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(22, 100, 76, 12));
    const QPointF c(60, 56);
    const double r = 44;
    QRadialGradient shade(c - QPointF(14, 14), r * 1.4);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xD5, 0xD8, 0xDC));
    p.setBrush(shade);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
    p.drawEllipse(c, r, r);
    // The black patches: one in the middle and five round it.
    auto pentagon = [&](QPointF at, double size, double turn) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const double a = qDegreesToRadians(turn + i * 72.0 - 90);
            poly << at + QPointF(size * qCos(a), size * qSin(a));
        }
        return poly;
    };
    p.setClipRegion(QRegion(QRect(int(c.x() - r), int(c.y() - r), int(2 * r), int(2 * r)), QRegion::Ellipse));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1.5));
    p.drawPolygon(pentagon(c, 13, 0));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(i * 72.0 - 90);
        const QPointF inner = c + QPointF(13 * qCos(a), 13 * qSin(a));
        const QPointF outer = c + QPointF(38 * qCos(a), 38 * qSin(a));
        p.drawLine(inner, outer);
        p.drawPolygon(pentagon(c + QPointF(46 * qCos(a), 46 * qSin(a)), 13, i * 72.0 + 36));
        const double b = qDegreesToRadians(i * 72.0 - 54);
        p.drawLine(outer, c + QPointF(30 * qCos(b), 30 * qSin(b)));
        p.drawLine(c + QPointF(30 * qCos(b), 30 * qSin(b)), c + QPointF(38 * qCos(b + qDegreesToRadians(36)), 38 * qSin(b + qDegreesToRadians(36))));
    }
    return img;
}

QImage Portrait() {
    QImage img = Canvas(140, 140, QColor(0xE3, 0xF2, 0xFD));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xBB, 0xDE, 0xFB));
    p.drawEllipse(QPointF(70, 70), 64, 64);
    p.setBrush(QColor(0x42, 0x85, 0xF4));
    p.drawRoundedRect(QRectF(28, 100, 84, 60), 30, 30);
    p.setBrush(QColor(0xF5, 0xC6, 0x9E));
    p.drawRect(QRectF(62, 84, 16, 20));
    p.drawEllipse(QPointF(70, 64), 28, 31);
    p.setBrush(QColor(0x6D, 0x43, 0x2A));
    QPainterPath hair;
    hair.moveTo(41, 64);
    hair.cubicTo(38, 28, 100, 22, 99, 62);
    hair.cubicTo(92, 48, 70, 40, 52, 46);
    hair.cubicTo(46, 50, 44, 56, 41, 64);
    p.drawPath(hair);
    p.setBrush(QColor(0x33, 0x2B, 0x28));
    p.drawEllipse(QPointF(60, 64), 3.5, 4);
    p.drawEllipse(QPointF(80, 64), 3.5, 4);
    p.setBrush(QColor(0xF4, 0x8F, 0x8F, 150));
    p.drawEllipse(QPointF(53, 75), 6, 4);
    p.drawEllipse(QPointF(87, 75), 6, 4);
    p.setPen(QPen(QColor(0x8E, 0x3B, 0x2E), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(58, 66, 24, 16), 200 * 16, 140 * 16);
    return img;
}

QImage House() {
    QImage img = Canvas(220, 150, Qt::white);
    QPainter p(&img);
    Smooth(p);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(0xB3, 0xE5, 0xFC));
    sky.setColorAt(1, QColor(0xE1, 0xF5, 0xFE));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    Cloud(p, {45, 28}, 0.8, Qt::white);
    p.setBrush(QColor(0x8B, 0xC3, 0x4A));
    p.drawRect(0, 122, 220, 28);
    p.setBrush(QColor(0xFF, 0xE0, 0xB2));
    p.drawRect(QRectF(60, 66, 100, 64));
    p.setBrush(QColor(0xD8, 0x43, 0x15));
    p.drawPolygon(QPolygonF({QPointF(50, 70), QPointF(110, 26), QPointF(170, 70)}));
    p.drawRect(QRectF(134, 34, 12, 24));
    p.setBrush(QColor(0x79, 0x55, 0x48));
    p.drawRoundedRect(QRectF(98, 94, 24, 36), 3, 3);
    p.setBrush(QColor(0x81, 0xD4, 0xFA));
    p.drawRect(QRectF(70, 80, 20, 18));
    p.drawRect(QRectF(130, 80, 20, 18));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(80, 80, 80, 98);
    p.drawLine(140, 80, 140, 98);
    p.setPen(Qt::NoPen);
    // A heart over the door.
    QPainterPath heart;
    heart.moveTo(110, 62);
    heart.cubicTo(98, 52, 102, 42, 110, 48);
    heart.cubicTo(118, 42, 122, 52, 110, 62);
    p.setBrush(QColor(0xE9, 0x1E, 0x63));
    p.drawPath(heart);
    const QColor flowers[] = {QColor(0xFF, 0x40, 0x81), QColor(0xFF, 0xEB, 0x3B), QColor(0xBA, 0x68, 0xC8)};
    for (int i = 0; i < 8; ++i) {
        p.setBrush(flowers[i % 3]);
        p.drawEllipse(QPointF(14 + i * 6 + (i > 3 ? 160 : 0), 128 + (i % 2) * 5), 3.5, 3.5);
    }
    return img;
}

QImage Shop() {
    QImage img = Canvas(200, 150, QColor(0xFA, 0xF3, 0xE7));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5D, 0x40, 0x37));
    p.drawRect(QRectF(24, 30, 152, 108));
    p.setBrush(QColor(0xFF, 0xF8, 0xE1));
    p.drawRect(QRectF(30, 36, 140, 20));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x5D, 0x40, 0x37));
    p.drawText(QRectF(30, 36, 140, 20), Qt::AlignCenter, QStringLiteral("MY SHOP"));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? Qt::white : QColor(0xE5, 0x39, 0x35));
        QPainterPath stripe;
        stripe.moveTo(20 + i * 20, 58);
        stripe.lineTo(40 + i * 20, 58);
        stripe.lineTo(40 + i * 20, 72);
        stripe.arcTo(QRectF(20 + i * 20, 64, 20, 16), 0, -180);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.setBrush(QColor(0xB3, 0xE5, 0xFC));
    p.drawRect(QRectF(36, 82, 70, 48));
    p.setBrush(QColor(0x8D, 0x6E, 0x63));
    p.drawRect(QRectF(118, 82, 44, 56));
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawEllipse(QPointF(154, 112), 3, 3);
    // Goods in the window: jars and a loaf.
    p.setBrush(QColor(0xFF, 0xB7, 0x4D));
    p.drawRoundedRect(QRectF(44, 106, 14, 20), 3, 3);
    p.setBrush(QColor(0xEF, 0x53, 0x50));
    p.drawRoundedRect(QRectF(62, 102, 14, 24), 3, 3);
    p.setBrush(QColor(0xC6, 0x8B, 0x59));
    p.drawEllipse(QRectF(80, 112, 22, 14));
    return img;
}

QImage Flowers() {
    QImage img = Canvas(180, 150, QColor(0xF1, 0xF8, 0xE9));
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(QColor(0x43, 0xA0, 0x47), 4, Qt::SolidLine, Qt::RoundCap));
    const QPointF heads[] = {{50, 46}, {90, 30}, {130, 50}, {70, 70}, {112, 74}};
    for (const QPointF& h : heads) p.drawLine(QPointF(90, 112), h);
    p.setPen(Qt::NoPen);
    const QColor petals[] = {QColor(0xF0, 0x62, 0x92), QColor(0xFF, 0xCA, 0x28), QColor(0xAB, 0x47, 0xBC),
                             QColor(0xFF, 0x70, 0x43), QColor(0x42, 0xA5, 0xF5)};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(petals[i]);
        for (int k = 0; k < 6; ++k) {
            const double a = qDegreesToRadians(k * 60.0 + i * 12);
            p.drawEllipse(heads[i] + QPointF(10 * qCos(a), 10 * qSin(a)), 8, 8);
        }
        p.setBrush(QColor(0xFF, 0xF1, 0x76));
        p.drawEllipse(heads[i], 6, 6);
    }
    p.setBrush(QColor(0xD8, 0x6B, 0x3D));
    p.drawPolygon(QPolygonF({QPointF(58, 106), QPointF(122, 106), QPointF(112, 146), QPointF(68, 146)}));
    p.setBrush(QColor(0xBF, 0x5A, 0x30));
    p.drawRect(QRectF(54, 102, 72, 10));
    return img;
}

// The button of the logo line, 88 x 31.
QImage MadeWithButton() {
    QImage img = Canvas(88, 31, Qt::white);
    QPainter p(&img);
    Smooth(p);
    QLinearGradient g(0, 0, 0, 31);
    g.setColorAt(0, QColor(0x4F, 0xA3, 0xF7));
    g.setColorAt(1, QColor(0x1E, 0x5F, 0xC8));
    // Square corners, so the button sits cleanly on any page colour.
    p.fillRect(img.rect(), g);
    p.setPen(QColor(0x9C, 0xCB, 0xFF));
    p.drawLine(1, 1, 86, 1);
    p.drawLine(1, 1, 1, 29);
    p.setPen(QColor(0x16, 0x3E, 0x86));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 87, 30);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(9);
    small.setBold(true);
    p.setFont(small);
    p.setPen(QColor(0xE3, 0xF2, 0xFD));
    p.drawText(QRectF(0, 2, 88, 11), Qt::AlignCenter, QStringLiteral("Made with"));
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(15);
    big.setBold(true);
    p.setFont(big);
    const QString name = QStringLiteral("Tarvo");
    const QColor letters[] = {QColor(0xFF, 0xD5, 0x4F), QColor(0xFF, 0x8A, 0x65), QColor(0xA5, 0xD6, 0xA7),
                              QColor(0xFF, 0xFF, 0xFF), QColor(0xF4, 0x8F, 0xB1)};
    const QFontMetrics fm(big);
    double x = (88 - fm.horizontalAdvance(name)) / 2.0;
    for (int i = 0; i < name.size(); ++i) {
        p.setPen(letters[i]);
        p.drawText(QPointF(x, 27), name.mid(i, 1));
        x += fm.horizontalAdvance(name.at(i));
    }
    return img;
}

// ---- Background tiles ------------------------------------------------------------

QImage SkyTile() {
    QImage img = Canvas(160, 160, QColor(0xCF, 0xE8, 0xFF));
    QPainter p(&img);
    Smooth(p);
    const QSize tile = img.size();
    const QPointF at[] = {{30, 30}, {110, 70}, {50, 125}};
    const double size[] = {1.0, 0.8, 0.6};
    for (int i = 0; i < 3; ++i)
        Wrapped(tile, [&](QPointF c) { Cloud(p, c, size[i], QColor(255, 255, 255, 150)); }, at[i]);
    return img;
}

QImage PaperTile() {
    QImage img = Canvas(128, 128, QColor(0xF7, 0xF1, 0xE3));
    QRandomGenerator rng(7);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const int d = int(rng.bounded(9)) - 4;
            const QColor c(0xF7 + qMin(d, 8), 0xF1 + d, 0xE3 + d);
            img.setPixelColor(x, y, c);
        }
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(QColor(0xD9, 0xCB, 0xAE, 90), 0.8));
    for (int i = 0; i < 40; ++i) {
        const QPointF a(rng.bounded(128.0), rng.bounded(128.0));
        const QPointF b = a + QPointF(rng.bounded(10.0) - 5, rng.bounded(10.0) - 5);
        Wrapped(img.size(), [&](QPointF o) { p.drawLine(o, o + (b - a)); }, a);
    }
    return img;
}

QImage DotsTile() {
    QImage img = Canvas(32, 32, QColor(0xFF, 0xF0, 0xF3));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF8, 0xC8, 0xD4));
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
    p.drawEllipse(QPointF(24, 24), 2.5, 2.5);
    return img;
}

QImage LeavesTile() {
    QImage img = Canvas(120, 120, QColor(0xEA, 0xF5, 0xE4));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    const struct {
        QPointF at;
        double turn;
    } leaves[] = {{{25, 30}, 30}, {{85, 20}, -40}, {{60, 75}, 70}, {{105, 95}, 10}, {{15, 100}, -70}};
    for (const auto& l : leaves)
        Wrapped(img.size(), [&](QPointF c) {
            p.save();
            p.translate(c);
            p.rotate(l.turn);
            p.setBrush(QColor(0xCF, 0xE6, 0xC3));
            p.drawEllipse(QRectF(-12, -5, 24, 10));
            p.setPen(QPen(QColor(0xBF, 0xDC, 0xB0), 1));
            p.drawLine(QPointF(-12, 0), QPointF(12, 0));
            p.setPen(Qt::NoPen);
            p.restore();
        }, l.at);
    return img;
}

QImage WavesTile() {
    QImage img = Canvas(96, 48, QColor(0xE3, 0xF4, 0xF8));
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(QColor(0xC4, 0xE6, 0xEE), 2));
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave;
        const double y0 = 12 + row * 24;
        const double shift = row * 24;
        wave.moveTo(-2, y0 + 4 * qSin(qDegreesToRadians((-2 + shift) * 360.0 / 48)));
        for (int x = -2; x <= 98; x += 2) wave.lineTo(x, y0 + 4 * qSin(qDegreesToRadians((x + shift) * 360.0 / 48)));
        p.drawPath(wave);
    }
    return img;
}

QImage StarsTile() {
    QImage img = Canvas(128, 128, QColor(0x14, 0x1A, 0x33));
    QPainter p(&img);
    Smooth(p);
    QRandomGenerator rng(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const QPointF at(rng.bounded(128.0), rng.bounded(128.0));
        const double r = 0.6 + rng.bounded(1.0);
        const int alpha = 110 + int(rng.bounded(100));
        Wrapped(img.size(), [&](QPointF c) {
            p.setBrush(QColor(0xFF, 0xF3, 0xC4, alpha));
            p.drawEllipse(c, r, r);
        }, at);
    }
    return img;
}

}  // namespace

const std::vector<TShippedPicture>& ShippedPictures() {
    static const std::vector<TShippedPicture> pictures = {
        {QStringLiteral("graphics/button.gif"), Doubled(MadeWithButton)},
        {QStringLiteral("graphics/landscape.jpg"), Doubled(Landscape)},
        {QStringLiteral("graphics/beach.jpg"), Doubled(Beach)},
        {QStringLiteral("graphics/cake.png"), Doubled(Cake)},
        {QStringLiteral("graphics/football.gif"), Doubled(Football)},
        {QStringLiteral("graphics/portrait.png"), Doubled(Portrait)},
        {QStringLiteral("graphics/house.png"), Doubled(House)},
        {QStringLiteral("graphics/shop.png"), Doubled(Shop)},
        {QStringLiteral("graphics/flowers.png"), Doubled(Flowers)},
        {QStringLiteral("backgrnd/sky.jpg"), SkyTile},
        {QStringLiteral("backgrnd/paper.png"), PaperTile},
        {QStringLiteral("backgrnd/dots.gif"), DotsTile},
        {QStringLiteral("backgrnd/leaves.png"), LeavesTile},
        {QStringLiteral("backgrnd/waves.png"), WavesTile},
        {QStringLiteral("backgrnd/stars.gif"), StarsTile},
    };
    return pictures;
}

bool WritePicture(const QImage& image, const QString& path) {
    if (path.endsWith(QLatin1String(".gif"))) return WriteGif(image, path);
    return image.save(path, nullptr, path.endsWith(QLatin1String(".jpg")) ? 90 : -1);
}
