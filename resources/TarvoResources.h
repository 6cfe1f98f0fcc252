#pragma once
// The program's compiled pictures, cursors and sounds:
//   ":/bitmaps/NAME.png"  e.g. ":/bitmaps/Toolbar.png"
//   ":/cursors/NAME.png"  e.g. ":/cursors/Hand_Open.png"
//   ":/sounds/name.wav"   lower-case, e.g. ":/sounds/wavclick1.wav"
// resources/README.md lists every name with its size and its place.

#include <QPoint>
#include <QString>

// Registers the resources of this static library. Call once at start-up,
// before the first picture, cursor or sound is looked up.
void InitTarvoResources();

// The hot spot of a cursor picture (stored in the picture itself);
// (0, 0) for an unknown name.
QPoint TarvoCursorHotSpot(const QString& name);
