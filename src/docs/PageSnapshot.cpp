// The page's snapshot picture. Until the viewer renders the page, the
// snapshot is a drawn miniature: a white sheet with the title on a coloured
// band and a small picture per block, stacked in page order as the page
// would show them.

#include "docs/PageFile.h"
#include "model/WebBlocks.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kMargin = 10;          // px, left and right of the sheet's content
constexpr int kBlockGap = 6;         // px between blocks
const QColor kInk(0x8A, 0x93, 0xA0);     // text lines
const QColor kLinkBlue(0x1F, 0x6F, 0xD6);
const QColor kHeadingInk(0x1B, 0x2A, 0x4A);

// Left edge of a piece `width` wide in the content area for an alignment code.
int AlignedX(int align, int width, int contentWidth) {
    switch (align) {
        case alCenter: return kMargin + (contentWidth - width) / 2;
        case alRight: return kMargin + contentWidth - width;
        default: return kMargin;
    }
}

// A line of text as a rounded grey stroke.
void TextStroke(QPainter& p, int x, int y, int width, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(x, y, qMax(width, 4), 3), 1.5, 1.5);
}

int LevelOf(const QString& item, int fallback) {
    const int v = item.isEmpty() ? -1 : item.at(0).digitValue();
    return (v >= 1 && v <= 6) ? v : fallback;
}

// Each returns the height it used.
int DrawHeading(QPainter& p, const TBlockHeading& b, int y, int cw) {
    const int level = LevelOf(b.HeadSize, 1);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(15 - level * 1);
    const QFontMetrics fm(f);
    const QString text = fm.elidedText(b.HeadText.simplified(), Qt::ElideRight, cw);
    if (text.isEmpty()) {
        const int w = cw * 2 / 3;
        const int h = 8 - level;
        p.setPen(Qt::NoPen);
        p.setBrush(kHeadingInk);
        p.drawRoundedRect(QRectF(AlignedX(b.Align, w, cw), y + 1, w, h), 2, 2);
        return h + 2;
    }
    p.setFont(f);
    p.setPen(kHeadingInk);
    const int w = fm.horizontalAdvance(text);
    p.drawText(AlignedX(b.Align, w, cw), y + fm.ascent(), text);
    return fm.height();
}

int DrawParagraph(QPainter& p, const TBlockPara& b, int y, int cw) {
    // One stroke per line of text, long lines wrapped at about 40 characters.
    int strokes = 0;
    const QStringList lines = b.Paragraph.split(QStringLiteral("\r\n"));
    QList<int> widths;
    for (const QString& line : lines) {
        int len = int(line.size());
        do {
            const int part = qMin(len, 40);
            widths << qMax(8, cw * qMax(part, 6) / 40);
            len -= part;
        } while (len > 0 && widths.size() < 5);
        if (widths.size() >= 5) break;
    }
    for (int w : widths) TextStroke(p, AlignedX(b.Align, w, cw), y + strokes++ * 6, w, kInk);
    return strokes * 6 - 3 + (b.NewLine ? 3 : 0);
}

int DrawLink(QPainter& p, const QString& pre, const QString& link, const QString& post, int align, int y,
             int cw, bool email) {
    const int preW = pre.isEmpty() ? 0 : qMin(cw / 3, 6 + int(pre.size()) * 2);
    const int linkW = qMin(cw / 2, 16 + int(link.size()) * 2);
    const int postW = post.isEmpty() ? 0 : qMin(cw / 4, 6 + int(post.size()) * 2);
    const int iconW = email ? 11 : 0;
    const int total = preW + iconW + linkW + postW + 8;
    int x = AlignedX(align, qMin(total, cw), cw);
    if (preW) TextStroke(p, x, y + 2, preW, kInk), x += preW + 3;
    if (email) {
        // A small envelope in front of the address.
        p.setPen(QPen(kLinkBlue, 1));
        p.setBrush(QColor(0xE8, 0xF1, 0xFD));
        p.drawRect(QRectF(x + 0.5, y + 0.5, 9, 6));
        p.drawLine(QPointF(x + 0.5, y + 0.5), QPointF(x + 5, y + 4));
        p.drawLine(QPointF(x + 9.5, y + 0.5), QPointF(x + 5, y + 4));
        x += iconW;
    }
    TextStroke(p, x, y + 2, linkW, kLinkBlue);
    p.setPen(QPen(kLinkBlue, 1));
    p.drawLine(x, y + 6, x + linkW, y + 6);
    x += linkW + 3;
    if (postW) TextStroke(p, x, y + 2, postW, kInk);
    return 8;
}

int DrawImage(QPainter& p, const TBlockImage& b, int y, int cw) {
    // A framed little landscape: sky, sun and two hills.
    const int w = 46, h = 30;
    const QRectF r(AlignedX(b.Align, w, cw), y, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xBF, 0xE3, 0xFF));
    p.drawRoundedRect(r, 3, 3);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, 3, 3);
    p.setClipPath(clip);
    p.setBrush(QColor(0xFF, 0xC9, 0x3C));
    p.drawEllipse(QPointF(r.right() - 10, r.top() + 9), 4.5, 4.5);
    p.setBrush(QColor(0x5C, 0xB8, 0x5C));
    p.drawEllipse(QPointF(r.left() + 12, r.bottom() + 6), 22, 16);
    p.setBrush(QColor(0x3E, 0x9A, 0x4A));
    p.drawEllipse(QPointF(r.right() - 6, r.bottom() + 8), 20, 16);
    p.restore();
    const bool linked = !b.ImgLink.isEmpty() && b.ImgLink != QLatin1String("http://");
    p.setPen(QPen(linked ? kLinkBlue : QColor(0x9A, 0xA5, 0xB1), linked ? 1.5 : 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    return h;
}

int DrawLine(QPainter& p, const TBlockLine& b, int y, int cw) {
    bool ok = false;
    int percent = b.LineWidth.trimmed().remove(QLatin1Char('%')).toInt(&ok);
    if (!ok || percent <= 0 || percent > 100) percent = 100;
    const int w = cw * percent / 100;
    const int thick = qBound(1, LevelOf(b.Thickness, 6) / 2 + 1, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xA8, 0xB2, 0xBD));
    p.drawRect(QRect(kMargin + (cw - w) / 2, y + 2, w, thick));
    return thick + 4;
}

QImage DrawMiniature(const TPage& page) {
    QImage img(kSnapshotWidth, kSnapshotHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The title band.
    QLinearGradient band(0, 0, kSnapshotWidth, 0);
    band.setColorAt(0, QColor(0x3A, 0x7B, 0xD5));
    band.setColorAt(1, QColor(0x00, 0xB4, 0xB0));
    p.fillRect(QRect(0, 0, kSnapshotWidth, 22), band);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    const QFontMetrics fm(f);
    p.drawText(QRect(8, 0, kSnapshotWidth - 16, 22), Qt::AlignVCenter | Qt::AlignLeft,
               fm.elidedText(page.PublishedTitle().simplified(), Qt::ElideRight, kSnapshotWidth - 16));

    const int cw = kSnapshotWidth - 2 * kMargin;
    int y = 22 + 10;
    for (const auto& chunk : page.WebChunks) {
        if (!chunk || y > kSnapshotHeight - 8) break;
        int used = 0;
        switch (chunk->Kind) {
            case bkPara:
                if (chunk->Para) used = DrawParagraph(p, *chunk->Para, y, cw);
                break;
            case bkLink:
                if (chunk->Link)
                    used = DrawLink(p, chunk->Link->PreText, chunk->Link->LinkText, chunk->Link->PostText,
                                    chunk->Link->Align, y, cw, false);
                break;
            case bkImage:
                if (chunk->Image) used = DrawImage(p, *chunk->Image, y, cw);
                break;
            case bkHeading:
                if (chunk->Heading) used = DrawHeading(p, *chunk->Heading, y, cw);
                break;
            case bkEmail:
                if (chunk->Email)
                    used = DrawLink(p, chunk->Email->PreText, chunk->Email->LinkText, chunk->Email->PostText,
                                    chunk->Email->Align, y, cw, true);
                break;
            case bkLine:
                if (chunk->Line) used = DrawLine(p, *chunk->Line, y, cw);
                break;
            default: break;
        }
        if (used > 0) y += used + kBlockGap;
    }
    // A thin frame so the sheet stands out in the gallery.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0xC8, 0xD0, 0xD8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kSnapshotWidth - 1, kSnapshotHeight - 1);
    return img;
}

}  // namespace

QImage CapturePageSnapshot(const TPage& page, const QImage& rendering) {
    if (rendering.isNull()) return DrawMiniature(page);
    // Stretched, not cropped: the size is fixed whatever the viewer's size.
    return rendering.scaled(kSnapshotWidth, kSnapshotHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
