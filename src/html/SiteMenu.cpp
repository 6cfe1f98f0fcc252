#include "html/SiteMenu.h"

#include "app/Utils.h"
#include "html/PageHead.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUrl>

bool TSite::HasMenu() const {
    for (const TSitePage& p : Pages)
        if (p.InMenu) return true;
    return false;
}

const TSitePage* TSite::Find(const QString& file) const {
    const QString name = SiteFileName(file);
    for (const TSitePage& p : Pages)
        if (SiteFileName(p.File) == name) return &p;
    return nullptr;
}

QString SiteFileName(const QString& file) {
    return QFileInfo(file).fileName().remove(QLatin1Char(' '));
}

namespace {

// The folder as the record names it: absolute and without "." or "..".
QString FolderKey(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString MenuWords(const TSitePage& page) {
    const QString words = page.Words.simplified();
    if (!words.isEmpty()) return words;
    return StripExtension(QFileInfo(page.File).fileName());
}

}  // namespace

QString SiteRecordPath(const QString& folder) {
    const QByteArray name =
        QCryptographicHash::hash(FolderKey(folder).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("sites/") + QString::fromLatin1(name) + QStringLiteral(".json"));
}

TSite LoadSite(const QString& folder) {
    TSite site;
    site.Folder = folder;
    QFile f(SiteRecordPath(folder));
    if (!f.open(QIODevice::ReadOnly)) return site;
    const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
    // A record of another folder (two folder names of one hash) is not this site's.
    if (root.value(QStringLiteral("folder")).toString() != FolderKey(folder)) return site;
    for (const QJsonValue v : root.value(QStringLiteral("pages")).toArray()) {
        const QJsonObject o = v.toObject();
        TSitePage page;
        page.File = QFileInfo(o.value(QStringLiteral("file")).toString()).fileName();
        page.Words = o.value(QStringLiteral("words")).toString();
        page.InMenu = o.value(QStringLiteral("menu")).toBool(true);
        if (!page.File.isEmpty() && !site.Find(page.File)) site.Pages.push_back(page);
    }
    return site;
}

TWriteOutcome SaveSite(const TSite& site) {
    QJsonArray pages;
    for (const TSitePage& p : site.Pages)
        pages.append(QJsonObject{{QStringLiteral("file"), QFileInfo(p.File).fileName()},
                                 {QStringLiteral("words"), p.Words},
                                 {QStringLiteral("menu"), p.InMenu}});
    const QJsonObject root{{QStringLiteral("folder"), FolderKey(site.Folder)}, {QStringLiteral("pages"), pages}};
    const QString path = SiteRecordPath(site.Folder);
    const TWriteOutcome made = MakeFolderChecked(QFileInfo(path).path());
    if (!made.ok) return made;
    return WriteFileChecked(path, QJsonDocument(root).toJson());
}

bool SitePageMissing(const TSite& site, const TSitePage& page) {
    return !QFileInfo(QDir(site.Folder).filePath(page.File)).isFile();
}

QString SiteMenuLines(const TSite& site, const QString& currentFile) {
    if (!site.HasMenu()) return QString();
    const QString current = SiteFileName(currentFile);
    QString s = QStringLiteral("<NAV CLASS=\"site-menu\">") + CRLF + QStringLiteral("<UL>") + CRLF;
    for (const TSitePage& p : site.Pages) {
        if (!p.InMenu) continue;
        const QString words = MenuWords(p).toHtmlEscaped();
        const QString href = AttributeFileReference(SiteFileName(p.File));
        if (SiteFileName(p.File) == current)
            s += QStringLiteral("<LI><A HREF=\"%1\" ARIA-CURRENT=\"page\"><STRONG>%2</STRONG></A></LI>").arg(href, words);
        else
            s += QStringLiteral("<LI><A HREF=\"%1\">%2</A></LI>").arg(href, words);
        s += CRLF;
    }
    s += QStringLiteral("</UL>") + CRLF + QStringLiteral("</NAV>");
    return s;
}

QString SiteMenuStyleLines() {
    return QStringLiteral("<STYLE TYPE=\"text/css\">") + CRLF + QStringLiteral("<!--") + CRLF +
           QStringLiteral(".site-menu UL { list-style: none; margin: 0 0 1em; padding: 0; display: flex; "
                          "flex-wrap: wrap; gap: 0.25em 0.5em; }") +
           CRLF +
           QStringLiteral(".site-menu A { display: inline-block; padding: 0.5em 0.75em; min-height: 24px; }") +
           CRLF + QStringLiteral(".site-menu A[aria-current] { text-decoration: underline; text-decoration-thickness: 0.15em; }") +
           CRLF + QStringLiteral("-->") + CRLF + QStringLiteral("</STYLE>");
}

QString NormalWebAddress(const QString& typed, QString* problem) {
    if (problem) problem->clear();
    const QString text = typed.trimmed();
    if (text.isEmpty()) return QString();
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty()) {
        if (problem)
            *problem = QCoreApplication::translate(
                "SiteMenu", "The web address must be a whole address starting with https:// or http://, "
                            "such as https://www.example.org/choir/.");
        return QString();
    }
    url.setScheme(scheme);
    if (!url.path().endsWith(QLatin1Char('/'))) url.setPath(url.path() + QLatin1Char('/'));
    return url.toString(QUrl::FullyEncoded);
}

QString PageWebAddress(const QString& webAddress, const QString& file) {
    if (webAddress.isEmpty()) return QString();
    const QString name = SiteFileName(file);
    if (name == QLatin1String("index.html")) return webAddress;
    return QUrl(webAddress).resolved(QUrl(ReferenceForFile(name), QUrl::TolerantMode)).toString(QUrl::FullyEncoded);
}

QByteArray SitemapBytes(const TSite& site, const QString& webAddress) {
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n");
    for (const TSitePage& p : site.Pages) {
        const QFileInfo file(QDir(site.Folder).filePath(p.File));
        if (!file.isFile()) continue;
        s += QStringLiteral("  <url><loc>%1</loc><lastmod>%2</lastmod></url>\n")
                 .arg(PageWebAddress(webAddress, p.File).toHtmlEscaped(),
                      file.lastModified().toUTC().date().toString(Qt::ISODate));
    }
    s += QStringLiteral("</urlset>\n");
    return s.toUtf8();
}

QByteArray RobotsBytes(const QString& webAddress) {
    return QStringLiteral("User-agent: *\nAllow: /\nSitemap: %1\n")
        .arg(PageWebAddress(webAddress, QStringLiteral("sitemap.xml")))
        .toUtf8();
}
