#include "html/SiteMenu.h"

#include "app/Utils.h"
#include "html/PageHead.h"
#include "model/WebBlocks.h"
#include "viewer/HtmlEncoding.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
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

// Text with the character references a title may hold (&amp; &lt; &gt;
// &quot; &apos; &nbsp; and numeric ones) read back; any other "&" stays.
QString WithoutReferences(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            out += text[i];
            continue;
        }
        const qsizetype semi = text.indexOf(QLatin1Char(';'), i + 1);
        // A reference is short: a far ";" is not its end.
        if (semi < 0 || semi - i > 10) {
            out += text[i];
            continue;
        }
        const QString name = text.mid(i + 1, semi - i - 1);
        char32_t c = 0;
        if (name == QLatin1String("amp")) c = '&';
        else if (name == QLatin1String("lt")) c = '<';
        else if (name == QLatin1String("gt")) c = '>';
        else if (name == QLatin1String("quot")) c = '"';
        else if (name == QLatin1String("apos")) c = '\'';
        else if (name == QLatin1String("nbsp")) c = 0xA0;
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint n = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                      : name.mid(1).toUInt(&ok, 10);
            if (ok && n > 0 && n <= 0x10FFFF && !(n >= 0xD800 && n <= 0xDFFF)) c = n;
        }
        if (!c) {
            out += text[i];
            continue;
        }
        out += QString::fromUcs4(&c, 1);
        i = semi;
    }
    return out;
}

// What the TITLE element of a page's HTML text holds.
QString TitleOfHtml(const QString& html) {
    const qsizetype open = html.indexOf(QLatin1String("<TITLE"), 0, Qt::CaseInsensitive);
    if (open < 0) return QString();
    const qsizetype start = html.indexOf(QLatin1Char('>'), open);
    if (start < 0) return QString();
    const qsizetype end = html.indexOf(QLatin1String("</TITLE"), start, Qt::CaseInsensitive);
    if (end < 0) return QString();
    return html.mid(start + 1, end - start - 1);
}

// A page's head is near its start; a title further in is not read.
constexpr qint64 kTitleScanBytes = 64 * 1024;

const QLatin1String kMenuOpen("<NAV CLASS=\"site-menu\">");
const QLatin1String kMenuClose("</NAV>");

// The menu's text with every character outside ASCII written as a
// character reference, for a file whose encoding might not hold it.
QByteArray AsciiWithReferences(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) out += char(c);
        else out += "&#" + QByteArray::number(uint(c)) + ';';
    }
    return out;
}

// Whether the page (ASCII-compatible text) is a standards page.
bool StartsAsStandardsPage(const QString& html) {
    qsizetype i = 0;
    if (html.startsWith(QStringLiteral("\u00EF\u00BB\u00BF"))) i = 3;  // a UTF-8 byte-order mark seen as Latin-1
    else if (html.startsWith(QChar(0xFEFF))) i = 1;
    while (i < html.size() && html[i].isSpace()) ++i;
    return QStringView(html).mid(i).startsWith(QLatin1String("<!DOCTYPE html"), Qt::CaseInsensitive);
}

QString SplicedText(const QString& html, const QString& menu, TMenuSplice how) {
    int replaced = 0;
    const QString out = ReplaceSiteMenu(html, menu, &replaced);
    if (replaced > 0 || how == TMenuSplice::Replace || menu.isEmpty()) return out;
    // A page whose menu was cut (an opening tag left) is not given a second one.
    if (html.contains(kMenuOpen, Qt::CaseInsensitive)) return html;
    return InsertSiteMenu(html, menu);
}

}  // namespace

QString SiteTitleText(const QString& element) {
    const QString title = WithoutReferences(element).simplified();
    // The title every page has until it is given one names no page.
    return title == TPage::DefaultTitle ? QString() : title;
}

QString SitePageTitle(const TSite& site, const TSitePage& page) {
    QFile f(QDir(site.Folder).filePath(QFileInfo(page.File).fileName()));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return SiteTitleText(TitleOfHtml(DecodeHtmlBytes(f.read(kTitleScanBytes))));
}

QString SiteMenuWords(const TSite& site, const TSitePage& page) {
    QString words = page.Words.simplified();
    if (words.isEmpty()) words = page.Title.simplified();
    if (words.isEmpty()) words = SitePageTitle(site, page);
    if (words.isEmpty()) words = StripExtension(QFileInfo(page.File).fileName());
    return words;
}

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
        const QString words = SiteMenuWords(site, p).toHtmlEscaped();
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

QString ReplaceSiteMenu(const QString& html, const QString& menu, int* replaced) {
    int count = 0;
    QString out;
    qsizetype done = 0;  // html before this is in `out` or replaced
    qsizetype at = html.indexOf(kMenuOpen, 0, Qt::CaseInsensitive);
    while (at >= 0) {
        const qsizetype end = html.indexOf(kMenuClose, at + kMenuOpen.size(), Qt::CaseInsensitive);
        if (end < 0) break;  // no end: the rest of the page stays as it is
        // Of several opening tags before one end only the last is whole.
        qsizetype next = html.indexOf(kMenuOpen, at + kMenuOpen.size(), Qt::CaseInsensitive);
        while (next >= 0 && next < end) {
            at = next;
            next = html.indexOf(kMenuOpen, at + kMenuOpen.size(), Qt::CaseInsensitive);
        }
        out += QStringView(html).mid(done, at - done);
        qsizetype after = end + kMenuClose.size();
        if (menu.isEmpty()) {
            // The line the menu stood on goes with it.
            if (QStringView(html).mid(after, 2) == CRLF) after += 2;
            else if (after < html.size() && html[after] == QLatin1Char('\n')) ++after;
        } else {
            out += menu;
        }
        done = after;
        ++count;
        at = next;
    }
    if (replaced) *replaced = count;
    if (count == 0) return html;
    out += QStringView(html).mid(done);
    return out;
}

QString InsertSiteMenu(const QString& html, const QString& menu) {
    if (menu.isEmpty()) return html;
    qsizetype body = html.indexOf(QLatin1String("<BODY"), 0, Qt::CaseInsensitive);
    // "<BODYX" is not the body's tag.
    while (body >= 0 && body + 5 < html.size() && html[body + 5] != QLatin1Char('>') && !html[body + 5].isSpace())
        body = html.indexOf(QLatin1String("<BODY"), body + 5, Qt::CaseInsensitive);
    if (body < 0) return html;
    const qsizetype close = html.indexOf(QLatin1Char('>'), body);
    if (close < 0) return html;
    qsizetype at = close + 1;
    QString lines = menu + CRLF;
    if (QStringView(html).mid(at, 2) == CRLF) at += 2;
    else if (at < html.size() && html[at] == QLatin1Char('\n')) ++at;
    else lines.prepend(CRLF);
    QString out = html;
    out.insert(at, lines);
    if (StartsAsStandardsPage(html) && !html.contains(QLatin1String(".site-menu UL"))) {
        const qsizetype head = html.lastIndexOf(QLatin1String("</HEAD>"), body, Qt::CaseInsensitive);
        if (head >= 0) out.insert(head, SiteMenuStyleLines() + CRLF);
    }
    return out;
}

QByteArray SpliceSiteMenu(const QByteArray& bytes, const QString& menu, TMenuSplice how) {
    const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
    if (le || be) {
        const auto kind = le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        QStringDecoder decode(kind);
        const QString html = decode(bytes);
        if (decode.hasError()) return bytes;
        const QString out = SplicedText(html, menu, how);
        if (out == html) return bytes;
        QStringEncoder encode(kind, QStringConverter::Flag::WriteBom);
        return encode(out);
    }
    // Every other encoding this reads writes ASCII as ASCII: the page is
    // worked on byte for byte (as Latin-1), so no byte outside the menu can
    // change, and the menu goes in as bytes of the file's encoding.
    const bool utf8 = bytes.startsWith("\xEF\xBB\xBF") || IsUtf8Name(DeclaredCharset(bytes));
    const QString html = QString::fromLatin1(bytes);
    const QString out = SplicedText(html, QString::fromLatin1(utf8 ? menu.toUtf8() : AsciiWithReferences(menu)), how);
    return out == html ? bytes : out.toLatin1();
}

TMenuRewrite RewriteSiteMenus(const TSite& site, const std::function<bool(const QString& file)>& wantsMenu) {
    TMenuRewrite outcome;
    // Each page's words once, not once for every page that shows the menu.
    TSite known = site;
    for (TSitePage& p : known.Pages)
        if (p.Words.simplified().isEmpty()) p.Title = SiteMenuWords(site, p);
    const QDir folder(site.Folder);
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        // The previews are made afresh from the page each time.
        if (file.fileName().startsWith(QLatin1Char('~')) || file.isSymLink()) continue;
        QFile f(file.absoluteFilePath());
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = f.readAll();
        f.close();
        const QString menu = SiteMenuLines(known, file.fileName());
        QByteArray spliced = SpliceSiteMenu(bytes, menu, TMenuSplice::Replace);
        // Only a page that took nothing is asked about (its document read).
        if (spliced == bytes && wantsMenu && wantsMenu(file.fileName()))
            spliced = SpliceSiteMenu(bytes, menu, TMenuSplice::ReplaceOrInsert);
        if (spliced == bytes) continue;
        TWriteOptions options;
        options.Within = folder.absolutePath();
        const TWriteOutcome written = WriteFileChecked(file.absoluteFilePath(), spliced, options);
        if (written.ok) outcome.Changed << file.fileName();
        else outcome.Problems << written.Message(file.absoluteFilePath());
    }
    return outcome;
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

QByteArray RobotsBytes(const QString& webAddress) {
    return QStringLiteral("User-agent: *\nAllow: /\nSitemap: %1\n")
        .arg(PageWebAddress(webAddress, QStringLiteral("sitemap.xml")))
        .toUtf8();
}
