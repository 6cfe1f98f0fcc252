#include "app/AppPaths.h"

#include "app/Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString g_appDir;

bool HoldsShippedData(const QString& dir) {
    return QFileInfo(JoinPath(dir, QStringLiteral("HTMLFiles"))).isDir() &&
           QFileInfo(JoinPath(dir, QStringLiteral("template"))).isDir();
}

// Copies the shipped data (never overwriting a file) into `to`.
void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = QDir(to).filePath(rel);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(dst);
        } else if (!QFile::exists(dst)) {
            QDir().mkpath(QFileInfo(dst).absolutePath());
            QFile::copy(src, dst);
            QFile(dst).setPermissions(QFile(dst).permissions() | QFileDevice::WriteOwner);
        }
    }
}

QString FindAppDir() {
    const QString env = qEnvironmentVariable("TARVO_APPDIR");
    if (!env.isEmpty()) return QDir::toNativeSeparators(QDir::cleanPath(env));
    const QString exeDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (HoldsShippedData(exeDir) && QFileInfo(exeDir).isWritable()) return exeDir;
    // A system install: the data lives beside the program (or in its share
    // folder) and is copied into the user's data folder on first start.
    const QString userDir = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QString shipped = exeDir;
    if (!HoldsShippedData(shipped)) shipped = QDir::cleanPath(exeDir + QStringLiteral("/../share/tarvo"));
    if (HoldsShippedData(shipped)) CopyTree(shipped, userDir);
    else QDir().mkpath(userDir);
    return userDir;
}

}  // namespace

QString AppDir() {
    if (g_appDir.isEmpty()) g_appDir = FindAppDir();
    return g_appDir;
}

QString HTMLDir() { return JoinPath(AppDir(), QStringLiteral("HTMLFiles")); }

QString HelpFile() { return JoinPath(AppDir(), JoinPath(QStringLiteral("Help"), QStringLiteral("index.html"))); }

void ResetAppDir() { g_appDir.clear(); }
