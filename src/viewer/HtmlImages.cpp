#include "viewer/HtmlImages.h"

#include "viewer/HtmlTokens.h"
#include "viewer/ImageCache.h"
#include "viewer/SectionList.h"

#include <algorithm>

namespace {
constexpr int kMaxImageSide = 10000;  // px; larger sizes are taken as this
}

TImageObj::TImageObj(int pos, const TAttributeList& attrs) : Pos(pos) {
    if (const TAttribute* a = attrs.find(Attr::SRC))
        Source = a->Name;
    if (const TAttribute* a = attrs.find(Attr::ALT))
        Alt = a->Name;
    if (const TAttribute* a = attrs.find(Attr::ALIGN)) {
        const QString v = a->Name.toUpper();
        if (v == QLatin1String("TOP"))
            ObjAlign = ATop;
        else if (v == QLatin1String("MIDDLE"))
            ObjAlign = AMiddle;
        else if (v == QLatin1String("LEFT"))
            ObjAlign = ALeft;
        else if (v == QLatin1String("RIGHT"))
            ObjAlign = ARight;
    }
    if (const TAttribute* a = attrs.find(Attr::WIDTH))
        SpecWidth = std::min(a->Value, kMaxImageSide);
    if (const TAttribute* a = attrs.find(Attr::HEIGHT))
        SpecHeight = std::min(a->Value, kMaxImageSide);
    if (SpecWidth <= 0 || SpecHeight <= 0)
        SpecWidth = SpecHeight = 0;
    if (const TAttribute* a = attrs.find(Attr::BORDER))
        NoBorder = a->Value == 0;
    Transparent = attrs.has(Attr::TRANSP);
    IsMap = attrs.has(Attr::ISMAP);
    if (const TAttribute* a = attrs.find(Attr::USEMAP)) {
        UseMap = true;
        MapName = a->Name.trimmed().toUpper();
        if (MapName.size() > 1 && MapName.startsWith(QLatin1Char('#')))
            MapName.remove(0, 1);
    }
}

void TImageObj::DrawLogic(TSectionList& list, bool inHotSpot, int altWidth, int altHeight) {
    if (!Measured) {
        Measured = true;
        if (list.ShowImages && !Source.isEmpty()) {
            Image = list.host().PictureFor(Source, Transparent);
            Obtained = !Image.isNull();
        }
    }
    if (Obtained) {
        ObjWidth = SpecWidth > 0 ? SpecWidth : std::min(Image.width(), kMaxImageSide);
        ObjHeight = SpecHeight > 0 ? SpecHeight : std::min(Image.height(), kMaxImageSide);
        HasBorder = inHotSpot && !NoBorder;
    } else {
        const QImage& standIn =
            ViewerPlaceholder(list.ShowImages ? PictureNotObtained : PictureImagesOff);
        ObjWidth = SpecWidth > 0 ? SpecWidth : standIn.width();
        ObjHeight = SpecHeight > 0 ? SpecHeight : standIn.height();
        HasBorder = !Alt.isEmpty() || inHotSpot;
    }
    ImageWidth = ObjWidth + (HasBorder ? 2 : 0);
    ImageHeight = ObjHeight + (HasBorder ? 2 : 0);
    if (!Obtained && !Alt.isEmpty()) {
        ImageWidth += altWidth + 4;
        ImageHeight = std::max(ImageHeight, altHeight);
    }
}

void TImageObj::FitWithin(int room) {
    const int border = HasBorder ? 2 : 0;
    if (!Obtained || room <= border || ImageWidth <= room || ObjWidth <= 0) return;
    const int width = room - border;
    ObjHeight = std::max(1, int(qint64(ObjHeight) * width / ObjWidth));
    ObjWidth = width;
    ImageWidth = ObjWidth + border;
    ImageHeight = ObjHeight + border;
}

void TMapItem::AddArea(const TAttributeList& attrs) {
    Area area;
    if (const TAttribute* a = attrs.find(Attr::HREF))
        area.href = a->Name;
    if (attrs.has(Attr::NOHREF))
        area.href.clear();
    if (const TAttribute* a = attrs.find(Attr::SHAPE)) {
        const QString s = a->Name.left(4).toLower();
        if (s == QLatin1String("circ"))
            area.kind = Area::Circle;
        else if (s == QLatin1String("poly"))
            area.kind = Area::Poly;
    }
    std::vector<int> c;
    if (const TAttribute* a = attrs.find(Attr::COORDS)) {
        const QStringList parts = a->Name.split(QLatin1Char(','));
        for (const QString& p : parts) {
            if (c.size() >= 51)
                break;
            c.push_back(std::clamp(TextToInt(p.trimmed()), -100000, 100000));
        }
    }
    switch (area.kind) {
    case Area::Rect:
        if (c.size() < 4)
            return;
        area.rect = QRect(QPoint(c[0], c[1]), QPoint(c[2], c[3]));
        break;
    case Area::Circle:
        if (c.size() < 3)
            return;
        area.rect = QRect(QPoint(c[0] - c[2], c[1] - c[2]), QPoint(c[0] + c[2], c[1] + c[2]));
        break;
    case Area::Poly:
        if (c.size() < 6)
            return;
        for (size_t i = 0; i + 1 < c.size(); i += 2)
            area.poly << QPoint(c[i], c[i + 1]);
        break;
    }
    Areas.push_back(std::move(area));
}

bool TMapItem::GetURL(int X, int Y, QString& URL) const {
    for (const Area& a : Areas) {
        bool in = false;
        switch (a.kind) {
        case Area::Rect:
            in = a.rect.normalized().contains(X, Y);
            break;
        case Area::Circle: {
            // The ellipse inscribed in the box reaching x + r + 1, y + r + 1.
            const QRect r = a.rect.normalized();
            const double rx = (r.width()) / 2.0, ry = (r.height()) / 2.0;
            const double dx = X + 0.5 - (r.left() + rx), dy = Y + 0.5 - (r.top() + ry);
            in = rx > 0 && ry > 0 && (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
            break;
        }
        case Area::Poly:
            in = a.poly.containsPoint(QPoint(X, Y), Qt::WindingFill);
            break;
        }
        if (in) {
            if (a.href.isEmpty())
                return false;
            URL = a.href;
            return true;
        }
    }
    return false;
}
