#include "app/Resources.h"

#include "TarvoResources.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMediaDevices>
#include <QPainter>
#include <QSoundEffect>
#include <QUrl>

QPixmap ResourceBitmap(const QString& name) {
    if (name.isEmpty()) return QPixmap();
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd()) return *it;
    QPixmap pm(QStringLiteral(":/bitmaps/") + name + QStringLiteral(".png"));
    cache.insert(name, pm);
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
    QPixmap canvas = label->pixmap();
    const QSize need(std::max(label->width(), x + pm.width()), std::max(label->height(), y + pm.height()));
    if (canvas.isNull() || canvas.width() < need.width() || canvas.height() < need.height()) {
        QPixmap grown(need);
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

QStringList& PlayedSounds() {
    static QStringList played;
    return played;
}

namespace {

bool SoundAvailable() {
    static const bool available = [] {
        if (qEnvironmentVariableIsSet("TARVO_MUTE")) return false;
        if (!qApp) return false;
        return !QMediaDevices::defaultAudioOutput().isNull();
    }();
    return available;
}

QSoundEffect*& CurrentSound() {
    static QSoundEffect* current = nullptr;
    return current;
}

}  // namespace

void PlayResourceSound(const QString& name) {
    const QString key = name.toLower();
    PlayedSounds() << key;
    if (PlayedSounds().size() > 1000) PlayedSounds().removeFirst();
    const QString path = QStringLiteral(":/sounds/") + key + QStringLiteral(".wav");
    if (!QFile::exists(path) || !SoundAvailable()) return;
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[key];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    if (CurrentSound() && CurrentSound() != effect) CurrentSound()->stop();
    CurrentSound() = effect;
    effect->stop();
    effect->play();
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
