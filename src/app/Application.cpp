#include "app/Application.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMetaEnum>
#include <QStandardPaths>
#include <exception>

namespace {
int g_discarded = 0;

// The object and event whose handler threw: "TViewStage ViewStage, MouseButtonPress".
QString HandlerName(const QObject* receiver, const QEvent* event) {
    QString name = receiver ? QString::fromLatin1(receiver->metaObject()->className()) : QStringLiteral("(none)");
    if (receiver && !receiver->objectName().isEmpty()) name += QLatin1Char(' ') + receiver->objectName();
    if (event) {
        const char* type = QMetaEnum::fromType<QEvent::Type>().valueToKey(event->type());
        name += QStringLiteral(", ") + (type ? QString::fromLatin1(type) : QString::number(int(event->type())));
    }
    return name;
}

}  // namespace

TTarvoApplication::TTarvoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tarvo"));
    setOrganizationName(QStringLiteral("Brenfold"));
    // No display name: Qt would append it to every caption.
    // The desktop entry's name, so the desktop matches the window to it.
    setDesktopFileName(QStringLiteral("tarvo"));
    // The windows are laid out in Arial's measures. Where Arial itself is
    // missing, take a font of the same widths, else another sans-serif
    // face: the fallback the system would pick for an unknown name can be
    // a serif face, wider still, which cuts labels short.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
}

bool TTarvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ++g_discarded;
        LogSwallowedException(HandlerName(receiver, event), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ++g_discarded;
        LogSwallowedException(HandlerName(receiver, event), QStringLiteral("an exception of unknown type"));
    }
    return false;
}

int TTarvoApplication::DiscardedExceptions() { return g_discarded; }

QString ExceptionLogPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("exceptions.log"));
}

void LogSwallowedException(const QString& handler, const QString& what) {
    const QString path = ExceptionLogPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile log(path);
    if (!log.open(QIODevice::Append | QIODevice::Text)) return;
    QString line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate) + QLatin1Char(' ') + handler +
                   QStringLiteral(": ") + what;
    // One line each, whatever the exception said.
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    log.write(line.toUtf8() + '\n');
}
