#include "html/PageHead.h"

#include "app/Utils.h"
#include "html/SiteMenu.h"
#include "model/WebBlocks.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

const std::vector<TPageLanguage>& PageLanguages() {
    static const std::vector<TPageLanguage> languages = {
        {"ar", "العربية"},    {"bg", "Български"}, {"ca", "Català"},    {"cs", "Čeština"},
        {"cy", "Cymraeg"},    {"da", "Dansk"},     {"de", "Deutsch"},   {"el", "Ελληνικά"},
        {"en", "English"},    {"es", "Español"},   {"et", "Eesti"},     {"eu", "Euskara"},
        {"fi", "Suomi"},      {"fr", "Français"},  {"ga", "Gaeilge"},   {"he", "עברית"},
        {"hi", "हिन्दी"},       {"hr", "Hrvatski"},  {"hu", "Magyar"},    {"id", "Bahasa Indonesia"},
        {"is", "Íslenska"},   {"it", "Italiano"},  {"ja", "日本語"},      {"ko", "한국어"},
        {"lt", "Lietuvių"},   {"lv", "Latviešu"},  {"nl", "Nederlands"}, {"no", "Norsk"},
        {"pl", "Polski"},     {"pt", "Português"}, {"ro", "Română"},    {"ru", "Русский"},
        {"sk", "Slovenčina"}, {"sl", "Slovenščina"}, {"sr", "Српски"},  {"sv", "Svenska"},
        {"th", "ไทย"},         {"tr", "Türkçe"},    {"uk", "Українська"}, {"vi", "Tiếng Việt"},
        {"zh", "中文"},
    };
    return languages;
}

QString PlainTextOf(const QString& html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.replace(tags, QStringLiteral(" "));
    // The common character references as a reader sees them ("&amp;" is
    // "&"); others stay as written.
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|amp|lt|gt|quot|nbsp);"));
    QString out;
    qsizetype at = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(at, m.capturedStart() - at);
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name == QLatin1String("amp")) code = '&';
        else if (name == QLatin1String("lt")) code = '<';
        else if (name == QLatin1String("gt")) code = '>';
        else if (name == QLatin1String("quot")) code = '"';
        else if (name == QLatin1String("nbsp")) code = ' ';
        else if (name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'))) code = name.mid(2).toUInt(nullptr, 16);
        else code = name.mid(1).toUInt();
        if (code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000)) out += QString::fromUcs4(&code, 1);
        at = m.capturedEnd();
    }
    out += QStringView(text).mid(at);
    return out.simplified();
}

QString AttributeText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    // Not needed by a browser, but the editors of generated lines find a
    // tag's end at its first ">".
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return out;
}

QString AttributeMarkup(const QString& value) {
    static const QRegularExpression reference(QStringLiteral("^&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('"')) out += QStringLiteral("&quot;");
        else if (c == QLatin1Char('<')) out += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>')) out += QStringLiteral("&gt;");
        else if (c == QLatin1Char('&') && !reference.match(QStringView(value).mid(i, 40)).hasMatch()) out += QStringLiteral("&amp;");
        else out += c;
    }
    return out;
}

QString AttributeFileReference(const QString& fileName) {
    QString ref = ReferenceForFile(fileName);
    ref.replace(QLatin1Char('&'), QStringLiteral("%26"));
    ref.replace(QLatin1Char('"'), QStringLiteral("%22"));
    ref.replace(QLatin1Char('<'), QStringLiteral("%3C"));
    ref.replace(QLatin1Char('>'), QStringLiteral("%3E"));
    return ref;
}

QString TitleElementText(const TPage& page) {
    // The title box holds plain text; a title taken from a heading is the
    // heading's markup, of which a reader sees the text.
    QString title = page.PublishedTitle();
    if (page.Standards()) {
        if (!page.HasOwnTitle()) title = PlainTextOf(title);
        title.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    }
    title.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    title.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return title;
}

namespace {

// At most kDescriptionMaxLength characters, cut after a whole word.
QString Shortened(const QString& text) {
    if (text.size() <= kDescriptionMaxLength) return text;
    QString cut = text.left(kDescriptionMaxLength - 1);
    const qsizetype space = cut.lastIndexOf(QLatin1Char(' '));
    if (space > kDescriptionMaxLength / 2) cut.truncate(space);
    return cut.trimmed() + QChar(0x2026);
}

// The first sentence: up to the first ".", "!" or "?" followed by a space
// (or the end), or the Chinese and Japanese full stops.
QString FirstSentence(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar(0x3002) || c == QChar(0xFF01) || c == QChar(0xFF1F)) return text.left(i + 1);
        if ((c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?')) &&
            (i + 1 == text.size() || text[i + 1].isSpace()))
            return text.left(i + 1);
    }
    return text;
}

// The first picture of the page that is not decoration, as the page
// refers to it.
QString FirstPicture(const TPage& page) {
    for (const auto& chunk : page.WebChunks)
        if (chunk && chunk->Kind == bkImage && chunk->Image && !chunk->Image->Decoration &&
            !chunk->Image->FileName.trimmed().isEmpty())
            return AttributeFileReference(chunk->Image->FileName);
    return QString();
}

QString Meta(const char* attribute, const char* name, const QString& content) {
    return QStringLiteral("<META %1=\"%2\" CONTENT=\"%3\">")
               .arg(QLatin1String(attribute), QLatin1String(name), AttributeText(content)) +
           CRLF;
}

}  // namespace

QString PageDescription(const TPage& page) {
    const QString own = page.Description.simplified();
    if (!own.isEmpty()) return Shortened(own);
    for (const auto& chunk : page.WebChunks) {
        if (!chunk || chunk->Kind != bkPara || !chunk->Para) continue;
        const QString text = PlainTextOf(chunk->Para->Paragraph);
        if (!text.isEmpty()) return Shortened(FirstSentence(text));
    }
    return QString();
}

QString IconLink(const QString& title, const QColor& background, const QColor& text) {
    QString letter;
    for (const QChar c : PlainTextOf(title))
        if (c.isLetterOrNumber()) {
            letter = QString(c).toUpper();
            break;
        }
    QString svg = QStringLiteral(
                      "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 64 64'>"
                      "<rect width='64' height='64' rx='12' fill='%1'/>")
                      .arg(background.name());
    if (!letter.isEmpty())
        svg += QStringLiteral(
                   "<text x='32' y='46' font-family='sans-serif' font-size='40' font-weight='bold' "
                   "text-anchor='middle' fill='%1'>%2</text>")
                   .arg(text.name(), letter.toHtmlEscaped());
    svg += QStringLiteral("</svg>");
    return kIconLinkStart + QString::fromLatin1(QUrl::toPercentEncoding(svg, "/:='")) + QStringLiteral("\">");
}

QString ChosenIconLink(const QString& file) {
    return QStringLiteral("<LINK REL=\"icon\" HREF=\"") + AttributeFileReference(file.trimmed()) +
           QStringLiteral("\">");
}

QString ReadableLayoutLines() {
    return QStringLiteral("<STYLE TYPE=\"text/css\">") + CRLF + QStringLiteral("<!--") + CRLF +
           QStringLiteral("BODY { max-width: 42em; margin: 0 auto; padding: 1em 1.25em; "
                          "font-family: system-ui, -apple-system, \"Segoe UI\", Roboto, \"Noto Sans\", "
                          "\"Liberation Sans\", Arial, sans-serif; line-height: 1.5; }") +
           CRLF + QStringLiteral("H1, H2, H3, H4, H5, H6 { line-height: 1.25; margin: 1.2em 0 0.5em; }") + CRLF +
           QStringLiteral("P { margin: 0 0 1em; }") + CRLF +
           QStringLiteral("IMG { max-width: 100%; height: auto; }") + CRLF + QStringLiteral("-->") + CRLF +
           QStringLiteral("</STYLE>");
}

QString StandardsHeadLines(const TPage& page, const QColor& background, const QColor& text,
                           const QString& webAddress) {
    const QString description = PageDescription(page);
    // The card and the icon read the title as the TITLE element holds it,
    // as the title box's editor (ReplaceTitle, AddBodyDef) does later.
    const QString element = TitleElementText(page);
    const QString title = PlainTextOf(element);
    QString s;
    s += QStringLiteral("<META CHARSET=\"utf-8\">") + CRLF;
    s += QStringLiteral("<TITLE>") + element + QStringLiteral("</TITLE>") + CRLF;
    s += Meta("NAME", "Generator", QStringLiteral("Tarvo ") + QStringLiteral(TARVO_VERSION));
    if (!description.isEmpty()) s += Meta("NAME", "Description", description);
    if (page.IconFile.trimmed().isEmpty()) s += IconLink(element, background, text) + CRLF;
    else s += ChosenIconLink(page.IconFile) + CRLF;
    s += Meta("PROPERTY", "og:type", QStringLiteral("website"));
    s += Meta("PROPERTY", "og:title", title);
    if (!description.isEmpty()) s += Meta("PROPERTY", "og:description", description);
    // The page's own address: where the folder is on the web and the name
    // the page goes up under.
    const QString folderAddress = NormalWebAddress(webAddress);
    if (!folderAddress.isEmpty() && !page.DocFileName.isEmpty()) {
        const QString address =
            PageWebAddress(folderAddress, StripExtension(QFileInfo(page.DocFileName).fileName()) + QStringLiteral(".html"));
        s += Meta("PROPERTY", "og:url", address);
        s += QStringLiteral("<LINK REL=\"canonical\" HREF=\"") + AttributeText(address) + QStringLiteral("\">") + CRLF;
    }
    const QUrl site(webAddress.trimmed(), QUrl::StrictMode);
    const QString picture = FirstPicture(page);
    if (!picture.isEmpty() && site.isValid() && !site.host().isEmpty() &&
        (site.scheme() == QLatin1String("https") || site.scheme() == QLatin1String("http"))) {
        // The folder's address ends in "/", so the picture stands below it.
        QUrl folder = site;
        if (!folder.path().endsWith(QLatin1Char('/'))) folder.setPath(folder.path() + QLatin1Char('/'));
        const QUrl at = folder.resolved(QUrl(picture, QUrl::TolerantMode));
        if (at.isValid() && at.host() == folder.host())
            s += Meta("PROPERTY", "og:image", at.toString(QUrl::FullyEncoded));
    }
    if (page.ReadableLayout) s += ReadableLayoutLines() + CRLF;
    return s;
}
