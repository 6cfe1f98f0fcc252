#pragma once
// What drawing needs besides the sections: the painter, the measurer, the
// clip rectangle and the shift from document to device Y.

#include "viewer/HtmlMeasure.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRect>

class TSectionList;

// The edges of grooves and frames.
inline const QColor kShadow(0x80, 0x80, 0x80);     // 3D shadow edge
inline const QColor kHighlight(0xFF, 0xFF, 0xFF);  // 3D highlight edge
// The light edge: silver on a white page without a background picture
// (white would not show), else the highlight.
QColor LightEdge(const TSectionList& list);

struct TDrawContext {
    QPainter& p;
    TMeasurer& m;
    QRect clip;   // device coordinates
    int yShift;   // device Y = document Y + yShift
    const TSectionList& list;
    QHash<int, QFont> fonts;

    const QFont& font(int id) {
        auto it = fonts.find(id);
        if (it == fonts.end())
            it = fonts.insert(id, m.qfont(id));
        return it.value();
    }
    // Whether a vertical span [top, top + height) of document Y meets the clip.
    bool meets(int top, int height) const {
        const int t = top + yShift;
        return t < clip.bottom() + 1 && t + height > clip.top();
    }
};
