#include "app/Resources.h"

#include "app/MediaModule.h"

#include "TarvoResources.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPainter>

bool UseDoubleSizePictures() { return qGuiApp && qGuiApp->devicePixelRatio() > 1.0; }

QPixmap LoadResourcePicture(const QString& path) {
    if (UseDoubleSizePictures()) {
        QString twin = path;
        twin.insert(twin.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pm(twin);
        if (!pm.isNull()) {
            pm.setDevicePixelRatio(2);
            return pm;
        }
    }
    return QPixmap(path);
}

namespace {
QString g_pictureLanguage;
}

void SetPictureLanguage(const QString& language) { g_pictureLanguage = language; }
QString PictureLanguage() { return g_pictureLanguage; }

QPixmap ResourceBitmap(const QString& name) {
    if (name.isEmpty()) return QPixmap();
    static QHash<QString, QPixmap> cache;
    QString key = UseDoubleSizePictures() ? name + QStringLiteral("@2x") : name;
    if (!g_pictureLanguage.isEmpty()) key = g_pictureLanguage + QLatin1Char('/') + key;
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    // A picture with words in it has a twin in the interface's language.
    const QString twin = QStringLiteral(":/bitmaps/%1/%2.png").arg(g_pictureLanguage, name);
    const QPixmap pm = !g_pictureLanguage.isEmpty() && QFile::exists(twin)
                           ? LoadResourcePicture(twin)
                           : LoadResourcePicture(QStringLiteral(":/bitmaps/") + name + QStringLiteral(".png"));
    cache.insert(key, pm);
    return pm;
}

void DrawResourceBitmap(QPainter& painter, const QString& name, int x, int y) {
    const QPixmap pm = ResourceBitmap(name);
    if (!pm.isNull()) painter.drawPixmap(x, y, pm);
}

void DrawResourceBitmap(QWidget* picture, const QString& name, int x, int y) {
    auto* label = qobject_cast<QLabel*>(picture);
    if (!label) return;
    const QPixmap pm = ResourceBitmap(name);
    if (pm.isNull()) return;
    // Sizes in logical pixels; the canvas takes the picture's pixel ratio, so
    // a double-size picture stays sharp.
    QPixmap canvas = label->pixmap();
    const QSize size = pm.deviceIndependentSize().toSize();
    const QSize have = canvas.deviceIndependentSize().toSize();
    const QSize need(std::max(label->width(), x + size.width()), std::max(label->height(), y + size.height()));
    if (canvas.isNull() || have.width() < need.width() || have.height() < need.height() ||
        canvas.devicePixelRatio() != pm.devicePixelRatio()) {
        QPixmap grown(need * pm.devicePixelRatio());
        grown.setDevicePixelRatio(pm.devicePixelRatio());
        grown.fill(Qt::transparent);
        if (!canvas.isNull()) {
            QPainter p(&grown);
            p.drawPixmap(0, 0, canvas);
        }
        canvas = grown;
    }
    {
        QPainter p(&canvas);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawPixmap(x, y, pm);
    }
    label->setPixmap(canvas);
}

QIcon ProgramIcon() {
    // Both sizes, whatever the screen: the desktop picks from them for its
    // task bar and window lists too.
    QIcon icon;
    icon.addFile(QStringLiteral(":/bitmaps/AppIcon.png"));
    icon.addFile(QStringLiteral(":/bitmaps/AppIcon@2x.png"));
    return icon;
}

QStringList& PlayedSounds() {
    static QStringList played;
    return played;
}

namespace {

// The sound module, when sound can be played at all: loading it on the
// first sound keeps Qt Multimedia out of every process that plays none.
TMediaModule* SoundModule() {
    static TMediaModule* const module = [] () -> TMediaModule* {
        if (qEnvironmentVariableIsSet("TARVO_MUTE") || !qApp) return nullptr;
        TMediaModule* media = MediaModule();
        return media && media->AudioOutputPresent() ? media : nullptr;
    }();
    return module;
}

}  // namespace

void PlayResourceSound(const QString& name) {
    const QString key = name.toLower();
    PlayedSounds() << key;
    if (PlayedSounds().size() > 1000) PlayedSounds().removeFirst();
    const QString path = QStringLiteral(":/sounds/") + key + QStringLiteral(".wav");
    if (!QFile::exists(path)) return;
    if (TMediaModule* media = SoundModule()) media->PlaySound(QStringLiteral("qrc") + path);
}

namespace {

struct CursorEntry {
    int number;
    const char* name;
};
constexpr CursorEntry kCursors[] = {
    {5, "Cursor_Hand"},
    {12, "Hand_Open"},
    {13, "Hand_Closed"},
};

QHash<int, QCursor>& CursorTable() {
    static QHash<int, QCursor> table;
    return table;
}

int g_screenCursor = 0;

}  // namespace

void RegisterCursors() {
    for (const CursorEntry& c : kCursors) {
        const QString name = QLatin1String(c.name);
        // Cursors stay at their own size: the X cursor takes the picture's
        // pixels and the hot spot as they are.
        QPixmap pm(QStringLiteral(":/cursors/") + name + QStringLiteral(".png"));
        const QPoint hot = TarvoCursorHotSpot(name);
        CursorTable().insert(c.number, pm.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(pm, hot.x(), hot.y()));
    }
}

QCursor ScreenCursor(int number) {
    if (CursorTable().isEmpty()) RegisterCursors();
    return CursorTable().value(number, QCursor(Qt::ArrowCursor));
}

void SetScreenCursor(int number) {
    if (!qApp) return;
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    g_screenCursor = number;
    if (number != 0) QApplication::setOverrideCursor(ScreenCursor(number));
}

int CurrentScreenCursor() { return g_screenCursor; }
