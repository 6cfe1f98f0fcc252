// The list of every named picture and cursor the program loads, each with
// the function that draws it. Sounds have their own list (Sounds.h).
#pragma once

#include <QImage>
#include <QPainter>
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
void addDialogArt(Catalog& c);  // wizard and upload window pictures, button glyphs

Catalog fullCatalog();

// The icons the desktop shows, painted on any painter (a picture or an SVG
// file) in a square of their design size: the program's (64) and its two
// document types' (32, the gallery's list icons).
void paintAppIcon(QPainter& p);
void paintDocumentIcon(QPainter& p, bool savedPage);

// Writes the icon theme folder OUTDIR/hicolor: each icon as PNG at the usual
// sizes and as scalable SVG. False when a file cannot be written.
bool writeThemeIcons(const QString& outDir);

}  // namespace art
