// Larger drawn figures used by several pictures: the mascot, the wordmark,
// the stage symbols and small decorations.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

namespace art {

// A polygon whose corners are rounded by radius r.
QPainterPath roundedPolygon(const QPolygonF& poly, qreal r);

// The mascot, a small cloud with a scarf, drawn in a 64 x 59 box at the
// painter's origin (scale the painter for other sizes). step 0 or 1 picks
// which foot is forward.
void windy(QPainter& p, bool facingRight, int step = 0, bool partyHat = false);

// "Tarvo" in bright letters with a white rim; the baseline box is r.
void wordmark(QPainter& p, const QRectF& r, qreal pixelSize);

// The stage symbols of the toolbar (0 choose, 1 build, 2 view, 3 send),
// drawn in a square box in one colour.
void stageSymbol(QPainter& p, int stage, const QRectF& box, QColor fg);

// A little sparkle (four-pointed glint).
void sparkle(QPainter& p, QPointF c, qreal size, QColor colour);

// A sheet of paper with a folded corner and coloured content bars.
void pageSheet(QPainter& p, const QRectF& r, bool withContent = true);

}  // namespace art
