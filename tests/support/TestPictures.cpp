#include "TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QRgb Faded(QRgb c) {
    const int grey = qGray(c);
    const int v = 170 + grey / 3;
    return qRgb(v, v, v);
}

}  // namespace

QString FailedPicturesFolder() {
    QString root = qEnvironmentVariable("TARVO_FAILED_PICTURES");
    if (root.isEmpty()) root = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("failed-pictures"));
    return QDir(root).filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

QString SaveFailedPictures(const QString& name, const QImage& drawn, const QImage& expected) {
    const QString folder = FailedPicturesFolder();
    QDir().mkpath(folder);
    const QImage a = drawn.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    QImage diff(qMax(a.width(), b.width()), qMax(a.height(), b.height()), QImage::Format_RGB32);
    for (int y = 0; y < diff.height(); ++y)
        for (int x = 0; x < diff.width(); ++x) {
            const bool inA = a.valid(x, y), inB = b.valid(x, y);
            QRgb c = qRgb(255, 0, 255);
            if (inA && inB) c = a.pixel(x, y) == b.pixel(x, y) ? Faded(b.pixel(x, y)) : qRgb(255, 0, 0);
            diff.setPixel(x, y, c);
        }
    const QDir dir(folder);
    a.save(dir.filePath(name + "-drawn.png"));
    b.save(dir.filePath(name + "-expected.png"));
    diff.save(dir.filePath(name + "-difference.png"));
    return folder;
}

QString CompareWithStoredPicture(const QImage& drawn, const QString& storedPath, const QString& name) {
    const QImage got = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("TARVO_UPDATE_PICTURES") == 1)
        return got.save(storedPath) ? QString() : QStringLiteral("cannot write ") + storedPath;
    const QImage want = QImage(storedPath).convertToFormat(QImage::Format_RGB32);
    if (want.isNull()) return QStringLiteral("no stored picture ") + storedPath;
    if (got == want) {
        // Pictures left by an earlier failure no longer apply.
        const QDir dir(FailedPicturesFolder());
        for (const char* part : {"-drawn.png", "-expected.png", "-difference.png"}) QFile::remove(dir.filePath(name + part));
        return QString();
    }
    int differing = 0;
    for (int y = 0; y < qMin(got.height(), want.height()); ++y)
        for (int x = 0; x < qMin(got.width(), want.width()); ++x) differing += got.pixel(x, y) != want.pixel(x, y);
    const QString folder = SaveFailedPictures(name, got, want);
    return QStringLiteral("%1 differs from %2: %3 pixels differ (drawn %4 x %5, stored %6 x %7); "
                          "see %1-drawn.png and %1-difference.png in %8")
        .arg(name, storedPath)
        .arg(differing)
        .arg(got.width())
        .arg(got.height())
        .arg(want.width())
        .arg(want.height())
        .arg(folder);
}
