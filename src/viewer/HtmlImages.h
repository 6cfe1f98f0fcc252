#pragma once
// Inline and floating images of a text section, and client-side image maps.
// Until pictures are fetched, an image occupies its WIDTH x HEIGHT (or the
// size of the stand-in picture) and draws the stand-in.

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <vector>

class TAttributeList;
class TSectionList;
class TMeasurer;

class TImageObj {
public:
    enum Align { ATop = 0, AMiddle = 1, ABottom = 2, ALeft = 3, ARight = 4 };
    TImageObj(int pos, const TAttributeList& attrs);

    int Pos = 0;  // character index of its placeholder in the section
    QString Source, Alt;
    int ObjAlign = ABottom;
    int SpecWidth = 0, SpecHeight = 0;  // px, 0: natural size
    bool NoBorder = false, Transparent = false, IsMap = false, UseMap = false;
    QString MapName;

    QImage Image;             // the picture, when one was obtained
    bool Obtained = false;    // false: the "not obtained" picture stands in
    bool Measured = false;
    int ObjWidth = 0, ObjHeight = 0;      // px, drawn size
    int ImageWidth = 0, ImageHeight = 0;  // px, the box: drawn size + border + ALT text
    bool HasBorder = false;
    int Indent = 0;           // px, X of a floating image relative to its edge
    int LayoutX = 0, LayoutY = 0;  // px, top-left of the box in document coordinates

    bool floating() const { return ObjAlign == ALeft || ObjAlign == ARight; }
    // Finds the picture (once) and the box size. `inHotSpot`: the image
    // sits in a linked font run; `altWidth`/`altHeight`: ALT text size.
    void DrawLogic(TSectionList& list, bool inHotSpot, int altWidth, int altHeight);
    // A picture wider than `room` px is scaled down to it, keeping its
    // proportions; a smaller one, or a stand-in, stays as it is.
    void FitWithin(int room);
};

// One client-side map: its areas are tried in order.
class TMapItem {
public:
    explicit TMapItem(const QString& name) : MapName(name) {}
    QString MapName;  // upper-cased NAME of MAP

    void AddArea(const TAttributeList& attrs);
    // URL of the first area holding the point; false when none does or its
    // HREF is empty (NOHREF).
    bool GetURL(int X, int Y, QString& URL) const;
    int areaCount() const { return int(Areas.size()); }

private:
    struct Area {
        enum Kind { Rect, Circle, Poly } kind = Rect;
        QString href;
        QRect rect;
        QPolygon poly;
    };
    std::vector<Area> Areas;
};
