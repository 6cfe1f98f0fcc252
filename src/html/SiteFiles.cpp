#include "html/SiteFiles.h"

#include "app/Translations.h"
#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PageHead.h"
#include "html/PhoneFit.h"
#include "viewer/HtmlEncoding.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <QUrl>

#include <algorithm>

QString SiteAddress(const QString& webAddress, const QString& remote) {
    if (webAddress.isEmpty()) return QString();
    QString path = remote;
    if (path == QLatin1String("index.html")) path.clear();
    else if (path.endsWith(QLatin1String("/index.html"))) path.chop(int(QStringLiteral("index.html").size()));
    if (path.isEmpty()) return webAddress;
    // The name as a path, whatever it holds ("#", "?", ":" are a file's).
    QUrl relative;
    relative.setPath(QStringLiteral("./") + path, QUrl::DecodedMode);
    return QUrl(webAddress).resolved(relative).toString(QUrl::FullyEncoded);
}

bool IsHostRoot(const QString& webAddress) {
    const QUrl url(webAddress);
    return url.isValid() && !url.host().isEmpty() && url.path() == QLatin1String("/");
}

namespace {

// The end of the tag that starts at `at` (just after its ">"), or -1.
qsizetype TagEnd(const QByteArray& text, qsizetype at) {
    const qsizetype end = text.indexOf('>', at);
    return end < 0 ? -1 : end + 1;
}

// The address of the page's first picture with words (not the logo),
// resolved from the page's own address; "" when it has none on the site's
// host.
QString CardPicture(const QString& body, const QString& pageAddress) {
    static const QRegularExpression img(QStringLiteral("<IMG\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const QUrl page(pageAddress);
    for (auto it = img.globalMatch(body); it.hasNext();) {
        const QString tag = it.next().captured(0);
        const QString alt = PlainTextOf(GetTagAttribute(tag.mid(4), QStringLiteral("ALT")));
        const QString src = GetTagAttribute(tag.mid(4), QStringLiteral("SRC")).trimmed();
        if (alt.isEmpty() || src.isEmpty() || alt == QLatin1String("Made with Tarvo")) continue;
        const QUrl at = page.resolved(QUrl(src, QUrl::TolerantMode));
        if (at.isValid() && at.host() == page.host() &&
            (at.scheme() == QLatin1String("https") || at.scheme() == QLatin1String("http")))
            return at.toString(QUrl::FullyEncoded);
        return QString();
    }
    return QString();
}

QByteArray MetaLine(const char* property, const QString& content) {
    return (QStringLiteral("<META PROPERTY=\"%1\" CONTENT=\"").arg(QLatin1String(property)) + AttributeText(content) +
            QStringLiteral("\">") + CRLF)
        .toLatin1();
}

}  // namespace

QByteArray WithWebAddress(const QByteArray& page, const QString& remote, const QString& webAddress) {
    if (webAddress.isEmpty()) return page;
    // ASCII letters only: the same positions as in the page.
    const QByteArray lower = page.toLower();
    const qsizetype headEnd = lower.indexOf("</head>");
    if (headEnd < 0) return page;
    const QByteArray head = lower.left(headEnd);
    const QString address = SiteAddress(webAddress, remote);
    const bool card = head.contains("property=\"og:type\"");
    QByteArray lines;
    if (card && !head.contains("og:url")) lines += MetaLine("og:url", address);
    if (!head.contains("rel=\"canonical\"") && !head.contains("rel=canonical"))
        lines += (QStringLiteral("<LINK REL=\"canonical\" HREF=\"") + AttributeText(address) + QStringLiteral("\">") + CRLF)
                     .toLatin1();
    if (card && !head.contains("og:image")) {
        const QString picture = CardPicture(DecodeHtmlBytes(page.mid(headEnd)), address);
        if (!picture.isEmpty()) lines += MetaLine("og:image", picture);
    }
    if (lines.isEmpty()) return page;
    // After the card's last line, so the card stays together; else at the
    // head's end.
    qsizetype at = headEnd;
    const qsizetype last = head.lastIndexOf("<meta property=\"og:");
    if (last >= 0) {
        at = TagEnd(head, last);
        if (at < 0) at = headEnd;
        else if (page.mid(at, 2) == "\r\n") at += 2;
        else lines.prepend("\r\n");
    }
    QByteArray out = page;
    out.insert(at, lines);
    return out;
}

QByteArray SitemapOf(std::vector<TSitemapPage> pages, const QString& webAddress) {
    std::sort(pages.begin(), pages.end(), [](const TSitemapPage& a, const TSitemapPage& b) {
        const bool ai = a.Remote == QLatin1String("index.html"), bi = b.Remote == QLatin1String("index.html");
        if (ai != bi) return ai;
        return a.Remote < b.Remote;
    });
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n");
    for (const TSitemapPage& p : pages)
        s += QStringLiteral("  <url><loc>%1</loc><lastmod>%2</lastmod></url>\n")
                 .arg(SiteAddress(webAddress, p.Remote).toHtmlEscaped(),
                      p.Changed.toUTC().date().toString(Qt::ISODate));
    s += QStringLiteral("</urlset>\n");
    return s.toUtf8();
}

namespace {

const char* const kNotFoundTitle = QT_TRANSLATE_NOOP("SiteFiles", "Page not found");
const char* const kNotFoundSentence = QT_TRANSLATE_NOOP("SiteFiles", "There is no page at this address.");
const char* const kNotFoundLink = QT_TRANSLATE_NOOP("SiteFiles", "Go to the home page");

// The 404 page's words in the page's language when Tarvo has it (whatever
// language Tarvo itself shows), else in English; `language` says which.
struct TNotFoundWords {
    QString Title = QString::fromLatin1(kNotFoundTitle);
    QString Sentence = QString::fromLatin1(kNotFoundSentence);
    QString Link = QString::fromLatin1(kNotFoundLink);
    QString Language = QStringLiteral("en");
};

TNotFoundWords WordsIn(const QString& pageLanguage) {
    TNotFoundWords words;
    const QString base = pageLanguage.section(QLatin1Char('-'), 0, 0).toLower();
    if (base == QLatin1String("en")) words.Language = pageLanguage;
    if (base.isEmpty() || base == QLatin1String("en")) return words;
    const QString file = ChooseTranslation({base}, TranslationsDir());
    QTranslator translator;
    if (file.isEmpty() || !translator.load(file)) return words;
    const QString title = translator.translate("SiteFiles", kNotFoundTitle);
    const QString sentence = translator.translate("SiteFiles", kNotFoundSentence);
    const QString link = translator.translate("SiteFiles", kNotFoundLink);
    if (title.isEmpty() || sentence.isEmpty() || link.isEmpty()) return words;
    return {title, sentence, link, pageLanguage};
}

// The parts of the home page the 404 page takes: its language, its BODY
// tag, and its head's style blocks and icon.
struct THomeLook {
    QString Language, Body = QStringLiteral("<BODY>"), Styles, Icon;
    bool MenuStyled = false;
};

THomeLook LookOf(const QString& home) {
    THomeLook look;
    const QString lower = home.toLower();
    qsizetype headEnd = lower.indexOf(QLatin1String("</head>"));
    if (headEnd < 0) headEnd = 0;
    const qsizetype html = lower.indexOf(QLatin1String("<html"));
    if (html >= 0 && (headEnd == 0 || html < headEnd)) {
        const qsizetype end = lower.indexOf(QLatin1Char('>'), html);
        const QString lang = GetTagAttribute(home.mid(html + 5, end < 0 ? -1 : end - html - 5), QStringLiteral("LANG"));
        static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
        if (tag.match(lang).hasMatch()) look.Language = lang;
    }
    const qsizetype body = lower.indexOf(QLatin1String("<body"), headEnd);
    if (body >= 0) {
        const qsizetype end = lower.indexOf(QLatin1Char('>'), body);
        if (end > body) look.Body = home.mid(body, end + 1 - body);
    }
    for (qsizetype at = lower.indexOf(QLatin1String("<style")); at >= 0 && at < headEnd;
         at = lower.indexOf(QLatin1String("<style"), at + 1)) {
        const qsizetype end = lower.indexOf(QLatin1String("</style>"), at);
        if (end < 0 || end > headEnd) break;
        look.Styles += home.mid(at, end + 8 - at) + CRLF;
        at = end;
    }
    look.MenuStyled = look.Styles.contains(QLatin1String(".site-menu"));
    for (qsizetype at = lower.indexOf(QLatin1String("<link")); at >= 0 && at < headEnd;
         at = lower.indexOf(QLatin1String("<link"), at + 1)) {
        const qsizetype end = lower.indexOf(QLatin1Char('>'), at);
        if (end < 0 || end > headEnd) break;
        const QString tag = home.mid(at, end + 1 - at);
        if (GetTagAttribute(tag.mid(5), QStringLiteral("REL")).toLower().split(QLatin1Char(' ')).contains(QLatin1String("icon"))) {
            look.Icon = tag;
            break;
        }
        // On after the tag: a page of unended tags costs no more than its length.
        at = end;
    }
    return look;
}

}  // namespace

QByteArray NotFoundPage(const TSite& site, const QByteArray& homePage, const QString& homeRemote,
                        const QString& webAddress) {
    const THomeLook look = LookOf(DecodeHtmlBytes(homePage));
    const QString language = look.Language.isEmpty() ? InterfaceLanguage() : look.Language;
    const TNotFoundWords words = WordsIn(language);
    const QString menu = SiteMenuLines(site, kNotFoundName);
    QString s;
    s += QStringLiteral("<!DOCTYPE html>") + CRLF;
    s += QStringLiteral("<HTML LANG=\"") + language + QStringLiteral("\">") + CRLF;
    s += QStringLiteral("<HEAD>") + CRLF;
    s += QStringLiteral("<META CHARSET=\"utf-8\">") + CRLF;
    // The server shows this page at any address, in any folder: its
    // links, pictures and icon are read from the site's folder.
    s += QStringLiteral("<BASE HREF=\"") + AttributeText(webAddress) + QStringLiteral("\">") + CRLF;
    s += QStringLiteral("<TITLE>") + words.Title.toHtmlEscaped() + QStringLiteral("</TITLE>") + CRLF;
    s += QStringLiteral("<META NAME=\"Description\" CONTENT=\"") + AttributeText(words.Sentence) + QStringLiteral("\">") + CRLF;
    s += (look.Icon.isEmpty() ? IconLink(words.Title, kDefaultIconBackground, kDefaultIconText) : look.Icon) + CRLF;
    s += kViewportMetaLine + CRLF;
    s += look.Styles;
    if (!menu.isEmpty() && !look.MenuStyled) s += SiteMenuStyleLines() + CRLF;
    s += QStringLiteral("</HEAD>") + CRLF;
    s += look.Body + CRLF;
    if (!menu.isEmpty()) s += menu + CRLF;
    s += words.Language == language ? QStringLiteral("<MAIN>")
                                    : QStringLiteral("<MAIN LANG=\"") + words.Language + QStringLiteral("\">");
    s += CRLF;
    s += QStringLiteral("<H1>") + words.Title.toHtmlEscaped() + QStringLiteral("</H1>") + CRLF;
    s += QStringLiteral("<P>") + words.Sentence.toHtmlEscaped() + QStringLiteral("</P>") + CRLF;
    s += QStringLiteral("<P><A HREF=\"") + AttributeText(SiteAddress(webAddress, homeRemote)) + QStringLiteral("\">") +
         words.Link.toHtmlEscaped() + QStringLiteral("</A></P>") + CRLF;
    s += QStringLiteral("</MAIN>") + CRLF;
    s += QStringLiteral("</BODY>") + CRLF;
    s += QStringLiteral("</HTML>") + CRLF;
    return EncodePageHTML(s).Bytes;
}
