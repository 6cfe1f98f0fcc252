// The list of every named picture and cursor the program loads, each with
// the function that draws it. Sounds have their own list (Sounds.h).
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

namespace art {

enum class Kind { Bitmap, Cursor };

struct Entry {
  QString name;
  Kind kind = Kind::Bitmap;
  std::function<QImage()> draw;
  QPoint hotSpot;  // cursors only
};

using Catalog = std::vector<Entry>;

// Each area of the program adds its own pictures.
void addShellArt(Catalog& c);   // toolbar, logo, mascot, splash, icon, buttons, About box
void addBuildArt(Catalog& c);   // canvas, blocks, titles, shredder
void addWebArt(Catalog& c);     // web, arrows, upload button, logos, upload flight, fireworks
void addSmallArt(Catalog& c);   // gallery pictures, viewer placeholders, cursors

Catalog fullCatalog();

}  // namespace art
