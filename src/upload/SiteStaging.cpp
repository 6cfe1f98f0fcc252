#include "upload/SiteStaging.h"

#include "app/SafeWrite.h"
#include "html/SiteFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

QString SiteStagingFolder(const QString& siteFolder, const QString& webAddress) {
    const QString key = QDir::cleanPath(QFileInfo(siteFolder).absoluteFilePath()) + QLatin1Char('\n') + webAddress;
    const QByteArray name = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("site-files/") + QString::fromLatin1(name));
}

namespace {

QByteArray ReadWhole(const QString& path, bool* ok = nullptr) {
    QFile in(path);
    const bool opened = in.open(QIODevice::ReadOnly);
    if (ok) *ok = opened;
    return opened ? in.readAll() : QByteArray();
}

// Writes `bytes` as `remote` below `root` (not again when the copy holds
// them already); returns its path, or "" with `why` set.
QString Stage(const QString& root, const QString& remote, const QByteArray& bytes, QString& why) {
    const QString target = QDir::cleanPath(root + QLatin1Char('/') + remote);
    if (!target.startsWith(root + QLatin1Char('/'))) {
        why = QCoreApplication::translate("SiteStaging", "outside the site's folder");
        return QString();
    }
    const QFileInfo there(target);
    if (there.isFile() && !there.isSymLink() && there.size() == bytes.size() && ReadWhole(target) == bytes) return target;
    TWriteOutcome written = MakeFolderChecked(QFileInfo(target).absolutePath(), root);
    if (written.ok) written = WriteFileChecked(target, bytes, {root, false});
    if (written.ok) return target;
    why = written.reason;
    return QString();
}

}  // namespace

void AddWebAddress(std::vector<TUploadFile>& plan, const QString& pageFile, const QString& webAddress) {
    if (webAddress.isEmpty() || plan.empty()) return;
    const QString siteFolder = QFileInfo(pageFile).absolutePath();
    const QString root = QDir::cleanPath(SiteStagingFolder(siteFolder, webAddress));
    const TWriteOutcome made = MakeFolderChecked(root);
    QSet<QString> names;
    std::vector<TSitemapPage> pages;
    QString homeRemote, homeLocal;
    for (TUploadFile& f : plan) {
        names.insert(f.Remote);
        if ((f.Role != TFileRole::Page && f.Role != TFileRole::VisitorPage) || !f.Refused.isEmpty()) continue;
        bool read = false;
        const QByteArray bytes = ReadWhole(f.Local, &read);
        // A page that cannot be read is left for the upload to tell.
        if (!read) continue;
        pages.push_back({f.Remote, QFileInfo(f.Local).lastModified()});
        if (f.Remote == QLatin1String("index.html") ||
            (f.Role == TFileRole::VisitorPage && homeRemote != QLatin1String("index.html"))) {
            homeRemote = f.Remote;
            homeLocal = f.Local;
        }
        const QByteArray staged = WithWebAddress(bytes, f.Remote, webAddress);
        if (staged == bytes) continue;
        QString why = made.reason;
        const QString local = made.ok ? Stage(root, f.Remote, staged, why) : QString();
        if (local.isEmpty()) f.Refused = why;
        else f.Local = local;
    }
    if (pages.empty()) return;

    // The site's own files; a file of the site by such a name is the
    // site's, and goes instead.
    std::vector<std::pair<QString, QByteArray>> own;
    own.emplace_back(kSitemapName, SitemapOf(pages, webAddress));
    // Crawlers read robots.txt only at a host's root.
    if (IsHostRoot(webAddress)) own.emplace_back(kRobotsName, RobotsBytes(webAddress));
    own.emplace_back(kNotFoundName,
                     NotFoundPage(LoadSite(siteFolder), ReadWhole(homeLocal), homeRemote, webAddress));
    std::vector<TUploadFile> files;
    for (const auto& [name, bytes] : own) {
        if (names.contains(name)) continue;
        TUploadFile f;
        f.Remote = name;
        f.Role = TFileRole::SiteFile;
        f.Binary = IsBinaryTransfer(name);
        f.OnlyIfOurs = true;
        QString why = made.reason;
        f.Local = made.ok ? Stage(root, name, bytes, why) : QString();
        if (f.Local.isEmpty()) f.Refused = why;
        files.push_back(f);
    }
    const auto visitor = std::find_if(plan.begin(), plan.end(), [](const TUploadFile& f) { return f.Role == TFileRole::VisitorPage; });
    plan.insert(visitor, files.begin(), files.end());
}
