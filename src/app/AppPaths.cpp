#include "app/AppPaths.h"

#include "app/SafeWrite.h"
#include "app/Utils.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace {

QString g_appDir;
QString g_shippedDir;

const char kManifest[] = ".shipped";

bool HoldsShippedData(const QString& dir) {
    return QFileInfo(JoinPath(dir, QStringLiteral("HTMLFiles"))).isDir() &&
           QFileInfo(JoinPath(dir, QStringLiteral("template"))).isDir();
}

QByteArray FileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex();
}

// The shipped files the user works on, relative to the shipped folder.
QStringList UserCopiedFiles(const QString& shippedDir) {
    QStringList files;
    if (QFileInfo(JoinPath(shippedDir, QStringLiteral("Styles.data"))).isFile()) files << QStringLiteral("Styles.data");
    const QString html = JoinPath(shippedDir, QStringLiteral("HTMLFiles"));
    QDirIterator it(html, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(shippedDir).relativeFilePath(it.next());
    return files;
}

QHash<QString, QByteArray> ReadManifest(const QString& path) {
    QHash<QString, QByteArray> recorded;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return recorded;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0) recorded.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
    }
    return recorded;
}

void WriteManifest(const QString& path, const QHash<QString, QByteArray>& recorded) {
    QStringList names = recorded.keys();
    names.sort();
    QByteArray bytes;
    for (const QString& name : std::as_const(names)) bytes += recorded.value(name) + '\t' + name.toUtf8() + '\n';
    // A manifest that cannot be written keeps the old one: the next start
    // compares against it again.
    WriteFileChecked(path, bytes);
}

bool CopyShipped(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).absolutePath());
    const QString temp = to + QStringLiteral(".new");
    QFile::remove(temp);
    if (!QFile::copy(from, temp)) return false;
    // Shipped files are read-only; the user's copy is the user's to change.
    QFile(temp).setPermissions(QFile(temp).permissions() | QFileDevice::WriteOwner);
    QFile::remove(to);
    return QFile::rename(temp, to);
}

QString FindAppDir() {
    const QString env = qEnvironmentVariable("TARVO_APPDIR");
    if (!env.isEmpty()) return QDir::toNativeSeparators(QDir::cleanPath(env));
    const QString exeDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (HoldsShippedData(exeDir) && QFileInfo(exeDir).isWritable()) return exeDir;
    // An install: the data lives beside the program or in its share folder.
    const QString userDir = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QString shipped = exeDir;
    if (!HoldsShippedData(shipped)) shipped = QDir::cleanPath(exeDir + QStringLiteral("/../share/tarvo"));
    if (HoldsShippedData(shipped)) {
        g_shippedDir = QDir::toNativeSeparators(shipped);
        UpdateUserData(shipped, userDir);
    } else {
        QDir().mkpath(userDir);
    }
    return userDir;
}

}  // namespace

void UpdateUserData(const QString& shippedDir, const QString& userDir) {
    for (const char* folder : {"save", "template", "HTMLFiles"}) QDir().mkpath(JoinPath(userDir, QString::fromLatin1(folder)));
    const QString manifest = JoinPath(userDir, QString::fromLatin1(kManifest));
    const bool firstOfThisLayout = !QFile::exists(manifest);
    QHash<QString, QByteArray> recorded = ReadManifest(manifest);
    const QHash<QString, QByteArray> before = recorded;
    for (const QString& rel : UserCopiedFiles(shippedDir)) {
        const QString from = JoinPath(shippedDir, rel);
        const QString to = JoinPath(userDir, rel);
        const QByteArray shipped = FileHash(from);
        if (!QFile::exists(to)) {
            if (CopyShipped(from, to)) recorded.insert(rel, shipped);
            continue;
        }
        const QByteArray mine = FileHash(to);
        if (mine == shipped) {
            recorded.insert(rel, shipped);
        } else if (recorded.contains(rel) && recorded.value(rel) == mine) {
            // Still the copy shipped before: the newer version replaces it.
            if (CopyShipped(from, to)) recorded.insert(rel, shipped);
        }
        // Otherwise the user changed it (or an install before these records
        // left a copy that cannot be told from a change): it stays.
    }
    if (firstOfThisLayout) {
        // Installs before this layout copied every shipped template into the
        // user's folder; copies that match the shipped file only hide newer
        // versions of it later.
        const QString mine = JoinPath(userDir, QStringLiteral("template"));
        const QString theirs = JoinPath(shippedDir, QStringLiteral("template"));
        const QStringList names = QDir(theirs).entryList({QStringLiteral("*.tvt")}, QDir::Files);
        for (const QString& name : names) {
            const QString copy = JoinPath(mine, name);
            if (QFile::exists(copy) && FileHash(copy) == FileHash(JoinPath(theirs, name))) QFile::remove(copy);
        }
    }
    if (firstOfThisLayout || recorded != before) WriteManifest(manifest, recorded);
}

QString AppDir() {
    if (g_appDir.isEmpty()) g_appDir = FindAppDir();
    return g_appDir;
}

QString ShippedDir() {
    const QString user = AppDir();
    return g_shippedDir.isEmpty() ? user : g_shippedDir;
}

QString HTMLDir() { return JoinPath(AppDir(), QStringLiteral("HTMLFiles")); }

QString HelpDir() { return JoinPath(ShippedDir(), QStringLiteral("Help")); }

namespace {
QString g_helpLanguage;
}  // namespace

void SetHelpLanguage(const QString& language) { g_helpLanguage = language; }

QString HelpPage(const QString& name) {
    if (!g_helpLanguage.isEmpty()) {
        const QString translated = JoinPath(JoinPath(HelpDir(), g_helpLanguage), name);
        if (QFileInfo(translated).isFile()) return translated;
    }
    return JoinPath(HelpDir(), name);
}

QString HelpFile() { return HelpPage(QStringLiteral("index.html")); }

QStringList TemplateFolders() {
    QStringList folders{JoinPath(AppDir(), QStringLiteral("template"))};
    if (ShippedDir() != AppDir()) folders << JoinPath(ShippedDir(), QStringLiteral("template"));
    return folders;
}

void ResetAppDir() {
    g_appDir.clear();
    g_shippedDir.clear();
}
