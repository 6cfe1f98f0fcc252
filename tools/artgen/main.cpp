// artgen: draws every named picture, cursor and sound of the program.
//
//   artgen OUTDIR          writes OUTDIR/bitmaps/*.png, cursors/*.png (each
//                          also as NAME@2x.png, drawn at twice the size for
//                          high-DPI screens), sounds/*.wav, OUTDIR/tarvo_art.qrc
//                          and the desktop's icon theme OUTDIR/icons/hicolor
//                          and, for pictures with words, bitmaps/LANG/*.png
//                          in each other language (see art::say)
//   artgen --sheet FILE [LANG]  writes a contact sheet of all pictures, with
//                          the toolbar shown once per lit segment
#include "Catalog.h"
#include "Paint.h"
#include "Sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace art {

Catalog fullCatalog() {
  Catalog c;
  addShellArt(c);
  addBuildArt(c);
  addWebArt(c);
  addSmallArt(c);
  addDialogArt(c);
  return c;
}

}  // namespace art

namespace {

QString folderOf(art::Kind k) { return k == art::Kind::Cursor ? "cursors" : "bitmaps"; }

bool writeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(bytes);
  return f.commit();
}

// The picture of `e` at the current scale and language, ready to save. A
// text drawn wider than its room is named in the picture's "Cut" text,
// where the program's label check finds it.
QImage drawNoting(const art::Entry& e) {
  art::takeCutTexts();
  QImage img = e.draw().convertToFormat(QImage::Format_ARGB32);
  img.setDevicePixelRatio(1);
  const QStringList cut = art::takeCutTexts();
  if (!cut.isEmpty()) img.setText("Cut", cut.join('\n'));
  return img;
}

// The pictures with words in them drawn again in each other language, as
// bitmaps/LANG/NAME.png (and its double), for those that come out
// different: the program shows these when its interface is in LANG.
bool writeLetteredTwins(const QDir& out, QTextStream& q) {
  const art::Catalog catalog = art::fullCatalog();
  for (const QString& language : art::languages()) {
    out.mkpath("bitmaps/" + language);
    for (const art::Entry& e : catalog) {
      if (e.kind != art::Kind::Bitmap) continue;
      art::setLanguage(language);
      const QImage translated = e.draw();
      art::setLanguage(QString());
      if (translated == e.draw()) continue;
      for (int scale : {1, 2}) {
        art::setScale(scale);
        art::setLanguage(language);
        QImage img = drawNoting(e);
        art::setLanguage(QString());
        art::setScale(1);
        const QString file = language + "/" + e.name + (scale == 2 ? "@2x.png" : ".png");
        const QString rel = "bitmaps/" + file;
        if (!img.save(out.filePath(rel), "PNG")) {
          std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(out.filePath(rel)));
          return false;
        }
        q << "  <file alias=\"" << file << "\">" << rel << "</file>\n";
      }
    }
  }
  return true;
}

int writeAll(const QString& outDir) {
  QDir out(outDir);
  for (const char* sub : {"bitmaps", "cursors", "sounds"}) out.mkpath(sub);
  QString qrc;
  QTextStream q(&qrc);
  q << "<!DOCTYPE RCC><RCC version=\"1.0\">\n";
  for (art::Kind kind : {art::Kind::Bitmap, art::Kind::Cursor}) {
    q << "<qresource prefix=\"/" << folderOf(kind) << "\">\n";
    for (const art::Entry& e : art::fullCatalog()) {
      if (e.kind != kind) continue;
      // Qt's "@2x" naming: QIcon finds the twin itself, and a picture
      // loaded under that name carries a device pixel ratio of 2.
      QSize plain;
      for (int scale : {1, 2}) {
        art::setScale(scale);
        QImage img = drawNoting(e);
        art::setScale(1);
        if (scale == 1) plain = img.size();
        if (img.size() != plain * scale) {
          std::fprintf(stderr, "artgen: %s is %dx%d at scale 2, not twice %dx%d (draw it on art::canvas)\n",
                       qPrintable(e.name), img.width(), img.height(), plain.width(), plain.height());
          return 1;
        }
        if (kind == art::Kind::Cursor)
          img.setText("HotSpot", QStringLiteral("%1,%2").arg(e.hotSpot.x() * scale).arg(e.hotSpot.y() * scale));
        const QString file = e.name + (scale == 2 ? "@2x.png" : ".png");
        const QString rel = folderOf(kind) + "/" + file;
        if (!img.save(out.filePath(rel), "PNG")) {
          std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(out.filePath(rel)));
          return 1;
        }
        q << "  <file alias=\"" << file << "\">" << rel << "</file>\n";
      }
    }
    if (kind == art::Kind::Bitmap && !writeLetteredTwins(out, q)) return 1;
    q << "</qresource>\n";
  }
  q << "<qresource prefix=\"/sounds\">\n";
  for (const art::Sound& s : art::soundCatalog()) {
    const QString rel = "sounds/" + s.name.toLower() + ".wav";
    if (!writeFile(out.filePath(rel), art::waveFile(s.synth()))) {
      std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(out.filePath(rel)));
      return 1;
    }
    q << "  <file alias=\"" << s.name.toLower() << ".wav\">" << rel << "</file>\n";
  }
  q << "</qresource>\n</RCC>\n";
  q.flush();
  if (!art::writeThemeIcons(out.filePath("icons"))) return 1;
  return writeFile(out.filePath("tarvo_art.qrc"), qrc.toUtf8()) ? 0 : 1;
}

// Lays the pictures out in rows on a light checker, each with its name.
int writeSheet(const QString& file) {
  const art::Catalog cat = art::fullCatalog();
  struct Cell {
    QString label;
    QImage img;
  };
  std::vector<Cell> cells;
  QImage bar;
  std::vector<QImage> butts;
  for (const art::Entry& e : cat) {
    QImage img = e.draw();
    if (e.name == "Toolbar") bar = img;
    if (e.name.startsWith("Toolbutt")) butts.push_back(img);
    cells.push_back({QStringLiteral("%1 %2x%3").arg(e.name).arg(img.width()).arg(img.height()), img});
  }
  // The toolbar with each lit segment laid over it at its stage-table left.
  const int lefts[5] = {0, 103, 230, 354, 481};
  for (size_t i = 0; i < butts.size() && i < 5; ++i) {
    QImage composed = bar.copy();
    QPainter p(&composed);
    p.drawImage(lefts[i], 0, butts[i]);
    cells.push_back({QStringLiteral("Toolbar + Toolbutt%1").arg(i + 1), composed});
  }
  const int sheetW = 1300, pad = 10, labelH = 14;
  int x = pad, y = pad, rowH = 0;
  std::vector<QPoint> at;
  for (const Cell& c : cells) {
    const int w = std::max(c.img.width(), 70);
    if (x + w > sheetW - pad) {
      x = pad;
      y += rowH + pad;
      rowH = 0;
    }
    at.emplace_back(x, y);
    x += w + pad;
    rowH = std::max(rowH, c.img.height() + labelH);
  }
  QImage sheet(sheetW, y + rowH + pad, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(0xc0, 0xc0, 0xc0));  // the windows' own silver
  QPainter p(&sheet);
  art::smooth(p);
  for (size_t i = 0; i < cells.size(); ++i) {
    p.drawImage(at[i] + QPoint(0, labelH), cells[i].img);
    art::text(p, QRectF(at[i].x(), at[i].y(), 400, labelH), cells[i].label, art::font(10, false),
              QColor(40, 40, 40), Qt::AlignLeft | Qt::AlignVCenter);
  }
  p.end();
  return sheet.save(file) ? 0 : 1;
}

// Keeps the build log quiet about the missing runtime folder of a headless
// build machine; everything else still gets through.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& msg) {
  if (msg.startsWith(QLatin1String("QStandardPaths:"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(msg));
  if (type == QtFatalMsg) std::abort();
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietHandler);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if ((args.size() == 3 || args.size() == 4) && args[1] == "--sheet") {
    if (args.size() == 4) art::setLanguage(args[3]);
    return writeSheet(args[2]);
  }
  if (args.size() == 2 && !args[1].startsWith("-")) return writeAll(args[1]);
  std::fprintf(stderr, "usage: artgen OUTDIR | artgen --sheet FILE.png [LANGUAGE]\n");
  return 2;
}
