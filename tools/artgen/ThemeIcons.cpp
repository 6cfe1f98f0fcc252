// The desktop's icon theme files: the program icon and the icons of its
// two document types, at every usual size and as SVG, made from the same
// painting code as the pictures inside the program.
#include "Catalog.h"
#include "Paint.h"

#include <QDir>
#include <QFileInfo>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>

namespace art {

namespace {

struct ThemeIcon {
  const char* context;  // the theme's subfolder
  const char* name;     // the icon name the desktop entry and MIME type use
  int designSize;
  std::function<void(QPainter&)> paint;
};

std::vector<ThemeIcon> themeIcons() {
  return {
      {"apps", "tarvo", 64, paintAppIcon},
      {"mimetypes", "application-x-tarvo-page", 32, [](QPainter& p) { paintDocumentIcon(p, true); }},
      {"mimetypes", "application-x-tarvo-template", 32, [](QPainter& p) { paintDocumentIcon(p, false); }},
  };
}

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool fail(const QString& path) {
  std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

bool writeThemeIcons(const QString& outDir) {
  const qreal kept = scale();
  QDir out(outDir);
  for (const ThemeIcon& icon : themeIcons()) {
    for (int size : kSizes) {
      const QString dir = QStringLiteral("hicolor/%1x%1/%2").arg(size).arg(QLatin1String(icon.context));
      out.mkpath(dir);
      // Drawn through the painter's scale: a picture's pixel ratio below 1
      // does not shrink what is painted on it. Inner layers (shadows) are
      // made at the icon's resolution, never below the design's.
      const qreal factor = qreal(size) / icon.designSize;
      setScale(std::max<qreal>(1, factor));
      QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
      img.fill(Qt::transparent);
      {
        QPainter p(&img);
        p.scale(factor, factor);
        icon.paint(p);
      }
      const QString path = out.filePath(dir + "/" + icon.name + ".png");
      if (img.size() != QSize(size, size) || !img.save(path, "PNG")) return fail(path);
    }
    const QString dir = QStringLiteral("hicolor/scalable/%1").arg(QLatin1String(icon.context));
    out.mkpath(dir);
    const QString path = out.filePath(dir + "/" + icon.name + ".svg");
    // The soft shadows stay pictures in the SVG, at the design's own
    // resolution (being blurred, they lose nothing when enlarged): the SVG
    // painter places a picture by its pixel size, whatever its pixel ratio.
    setScale(1);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(icon.designSize, icon.designSize));
    svg.setViewBox(QRect(0, 0, icon.designSize, icon.designSize));
    svg.setTitle(QString::fromLatin1(icon.name));
    {
      QPainter p;
      if (!p.begin(&svg)) return fail(path);
      icon.paint(p);
    }
    if (QFileInfo(path).size() == 0) return fail(path);
  }
  setScale(kept);
  return true;
}

}  // namespace art
