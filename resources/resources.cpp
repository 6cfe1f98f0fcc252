#include "TarvoResources.h"

#include <QImageReader>
#include <QStringList>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerArt() { Q_INIT_RESOURCE(tarvo_art); }

void InitTarvoResources() { registerArt(); }

QPoint TarvoCursorHotSpot(const QString& name) {
  QImageReader reader(QStringLiteral(":/cursors/%1.png").arg(name));
  const QStringList xy = reader.text(QStringLiteral("HotSpot")).split(u',');
  if (xy.size() != 2) return {};
  return {xy[0].toInt(), xy[1].toInt()};
}
