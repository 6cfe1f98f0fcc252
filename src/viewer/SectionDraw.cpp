// Drawing of sections: text in pieces (font runs, images, selection ends),
// list numbers and bullets, rules as grooves, and images.
#include "viewer/SectionDraw.h"

#include "viewer/HtmlSections.h"
#include "viewer/ImageCache.h"
#include "viewer/SectionList.h"

#include <algorithm>

QColor LightEdge(const TSectionList& list) {
    const bool whiteWithoutImage = list.Background == QColor(Qt::white) &&
                                   (list.BackgroundImageName.isEmpty() || !list.ShowImages);
    return whiteWithoutImage ? QColor(0xC0, 0xC0, 0xC0) : kHighlight;
}

namespace {

// The stand-in for a picture that could not be obtained (or for every
// picture while pictures are off): the stand-in picture itself at its own
// size, else a framed box with the picture at its top-left.
void drawNotObtained(QPainter& p, const QRect& box, bool imagesShown) {
    const QImage& standIn = ViewerPlaceholder(imagesShown ? PictureNotObtained : PictureImagesOff);
    if (box.size() == standIn.size()) {
        p.drawImage(box.topLeft(), standIn);
        return;
    }
    p.save();
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const QImage& pic = standIn;
    const QRect icon(box.left() + 2, box.top() + 2, std::min(pic.width(), box.width() - 4),
                     std::min(pic.height(), box.height() - 4));
    if (icon.width() > 4 && icon.height() > 4)
        p.drawImage(icon.topLeft(), pic, QRect(0, 0, icon.width(), icon.height()));
    p.restore();
}

void drawImage(TDrawContext& dc, const TImageObj& img, int x, int y, const TRunFont& font) {
    const QColor fontColor = font.TheFont.color;
    QPainter& p = dc.p;
    const int bd = img.HasBorder ? 1 : 0;
    const QRect pic(x + bd, y + bd, img.ObjWidth, img.ObjHeight);
    if (img.Obtained) {
        p.drawImage(pic, img.Image);
    } else {
        drawNotObtained(p, pic, dc.list.ShowImages);
        if (!img.Alt.isEmpty()) {
            p.setPen(fontColor);
            p.setFont(dc.font(font.FontId));
            const QRect text(pic.right() + 3, y, img.ImageWidth - img.ObjWidth - 2 * bd - 2,
                             img.ImageHeight);
            p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, img.Alt);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(x, y, img.ImageWidth, img.ImageHeight).adjusted(0, 0, -1, -1));
        }
    }
    if (img.HasBorder) {
        p.setPen(fontColor);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(x, y, img.ObjWidth + 2, img.ObjHeight + 2).adjusted(0, 0, -1, -1));
    }
}
}  // namespace

int THorzLine::Draw(TDrawContext& dc, int X, int Y) {
    YValue = Y;
    const int top = Y + dc.yShift + (SectionHeight - Size) / 2;
    int x1, x2;
    if (Width < 0) {
        x1 = X + Left + 10;
        x2 = X + Right - 10;
    } else {
        const int room = Right - Left;
        const int w = Percent ? room * std::clamp(Width, 0, 100) / 100 : std::min(Width, 32000);
        x1 = X + Left + (room - w) / 2;
        x2 = x1 + w;
    }
    if (x2 <= x1)
        return Y + SectionHeight;
    const QColor light = LightEdge(dc.list);
    QPainter& p = dc.p;
    const int h = std::max(1, Size);
    p.fillRect(x1, top + h - 1, x2 - x1, 1, light);  // bottom
    p.fillRect(x2 - 1, top, 1, h, light);            // right
    p.fillRect(x1, top, x2 - x1, 1, kShadow);        // top
    p.fillRect(x1, top, 1, h, kShadow);              // left
    return Y + SectionHeight;
}

int TSection::Draw(TDrawContext& dc, int X, int Y) {
    QPainter& p = dc.p;
    TMeasurer& m = dc.m;
    const TSectionList& list = dc.list;
    resolveFonts(m);
    const bool selecting = !list.Printing && list.SelB < list.SelE;
    const int selB = list.SelB - StartCurs, selE = list.SelE - StartCurs;
    const TSectionText& b = Buff;

    // Floating images hang beside the text; draw them when they show.
    for (const auto& img : Images)
        if (img->floating() && dc.meets(img->LayoutY, img->ImageHeight))
            drawImage(dc, *img, X + img->LayoutX, img->LayoutY + dc.yShift,
                      fontAt(img->Pos));

    for (size_t li = 0; li < Lines.size(); ++li) {
        const LineRec& line = Lines[li];
        if (!dc.meets(line.Top, std::max(line.DrawHeight, line.SpaceBefore + line.LineHt + line.SpaceAfter)))
            continue;
        const int top = line.Top + dc.yShift;
        const int baseline = top + line.SpaceBefore + line.LineHt - line.Descent;

        if (li == 0 && ListType == TListKind::Numbered) {
            const int id = sectionFont().FontId;
            const QString num = QString::number(ListNumber) + QLatin1Char('.');
            const int w = m.width(id, num.constData(), int(num.size()));
            p.setFont(dc.font(id));
            p.setPen(sectionFont().TheFont.color);
            p.drawText(QPoint(X + LeftIndentAtTop - 5 - w, baseline), num);
        } else if (li == 0 && ListType == TListKind::Bulleted && !Plain) {
            const int cy = top + line.SpaceBefore + line.LineHt / 2;
            const QRect disc(X + LeftIndentAtTop - 8, cy - 2, 5, 5);
            const QColor bg = list.Background;
            const bool hollow = list.BackgroundChosen && bg != QColor(Qt::white) &&
                                bg != QColor(0xC0, 0xC0, 0xC0);
            p.save();
            p.setRenderHint(QPainter::Antialiasing, false);
            if (hollow) {
                p.setPen(list.FontColor);
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(disc.adjusted(0, 0, -1, -1));
            } else {
                const int lev = ListLevel;
                const QColor c = (lev == 1 || lev == 4) ? QColor(0, 0, 0x80)
                                 : (lev == 2 || lev == 5) ? QColor(0x80, 0, 0)
                                                          : QColor(0xFF, 0, 0);
                p.setPen(c);
                p.setBrush(c);
                p.drawEllipse(disc.adjusted(0, 0, -1, -1));
            }
            p.restore();
        }

        int x = X + line.LineIndent;
        const int end = line.Start + line.Ln;
        int i = line.Start;
        while (i < end) {
            if (b[i] == QChar(ImageCode)) {
                const TImageObj* img = imageAt(i);
                if (img && !img->floating()) {
                    drawImage(dc, *img, x, img->LayoutY + dc.yShift, fontAt(i));
                    x += img->ImageWidth;
                }
                ++i;
                continue;
            }
            if (b[i] == QChar(FormCode)) {
                if (TFormControlObj* c = controlAt(i)) {
                    const int bottom = baseline + line.Descent - (c->OnBaseline ? line.Descent : 0);
                    c->Draw(p, x, bottom - c->Height);
                    x += c->Width;
                }
                ++i;
                continue;
            }
            // A text piece ends at a font change, a placeholder or a selection end.
            int e = i + 1;
            const int fi = fontIndexAt(i);
            const int fontEnd = size_t(fi + 1) < Fonts.size() ? Fonts[size_t(fi + 1)].Pos : Len;
            const int lim = std::min(end, fontEnd);
            while (e < lim && b[e] != QChar(ImageCode) && b[e] != QChar(FormCode) && e != selB && e != selE)
                ++e;
            const TRunFont& f = runFont(Fonts[size_t(fi)]);
            const int w = b.width(m, f.FontId, i, e - i) - f.Overhang;
            int by = baseline;
            if (f.SScript == TScript::Sub)
                by += f.Descent / 2 + 1;
            else if (f.SScript == TScript::Super)
                by -= f.FontHeight / 3;
            const bool selected = selecting && i >= selB && i < selE;
            QColor color = list.Printing ? QColor(Qt::black) : f.TheFont.color;
            if (selected) {
                p.fillRect(QRect(x, by - f.Ascent, w, f.tmHeight), color);
                color = list.Background;
            }
            if (x < dc.clip.right() + 1 && x + w > dc.clip.left()) {
                p.setFont(dc.font(f.FontId));
                p.setPen(color);
                p.drawText(QPoint(x - f.Overhang / 2, by), b.mid(i, e - i));
            }
            x += w;
            i = e;
        }
    }
    return Y + SectionHeight;
}
