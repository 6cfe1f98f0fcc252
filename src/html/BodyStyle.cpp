#include "html/BodyStyle.h"

#include "app/Utils.h"
#include "html/PageGenerator.h"
#include "html/PageHead.h"
#include "styles/StyleList.h"

QString ReplaceBetween(const QString& text, const QString& startMark, const QString& endMark,
                       const QString& newPart) {
    const qsizetype start = text.indexOf(startMark, 0, Qt::CaseSensitive);
    if (start < 0) return text;
    QString result = text.left(start) + newPart;
    const qsizetype end = text.indexOf(endMark, start + startMark.size(), Qt::CaseSensitive);
    if (end >= 0) result += QStringView(text).mid(end + endMark.size());
    return result;
}

namespace {

// ReplaceBetween for the editors below, which work on text the user may have
// edited by hand: when no end mark follows the start mark, the text stays as
// it is instead of losing everything after the start mark.
QString ReplaceEnclosed(const QString& text, const QString& startMark, const QString& endMark,
                        const QString& newPart) {
    const qsizetype start = text.indexOf(startMark, 0, Qt::CaseSensitive);
    if (start < 0 || text.indexOf(endMark, start + startMark.size(), Qt::CaseSensitive) < 0) return text;
    return ReplaceBetween(text, startMark, endMark, newPart);
}

QString ColorAttribute(const char* name, quint32 color) {
    return QStringLiteral(" %1=\"#%2\"").arg(QLatin1String(name), ColorToHTML(color));
}
}  // namespace

QString BuildBodyWithStyle(const TStyleChunk& style) {
    QString tag = QStringLiteral("<BODY");
    if (!style.BackImage.isEmpty()) {
        // A style file may come from anyone: its path never ends the attribute.
        tag += QStringLiteral(" BACKGROUND=\"") + AttributeFileReference(style.BackImage.toLower()) +
               QStringLiteral("\"");
    }
    tag += ColorAttribute("BGCOLOR", style.BackColor);
    tag += ColorAttribute("TEXT", style.TextColor);
    tag += ColorAttribute("LINK", style.LinkColor);
    tag += ColorAttribute("ALINK", style.ALinkColor);
    tag += ColorAttribute("VLINK", style.VLinkColor);
    tag += QStringLiteral(">") + CRLF;
    return tag;
}

QString BodyTagFor(const TStyleChunk* style) {
    if (!style) return QStringLiteral("<BODY>");
    return ReplaceAll(BuildBodyWithStyle(*style), CRLF, QString());
}

namespace {

// The text of the first TITLE element; empty without one.
QString TitleOf(const QString& text) {
    const qsizetype start = text.indexOf(QStringLiteral("<TITLE>"), 0, Qt::CaseSensitive);
    if (start < 0) return QString();
    const qsizetype end = text.indexOf(QStringLiteral("</TITLE>"), start, Qt::CaseSensitive);
    return end < 0 ? QString() : text.mid(start + 7, end - start - 7);
}

// The first generated line that starts with `start` (up to its ">")
// replaced by `line`; a text without one comes back as it is.
QString ReplaceLine(const QString& text, const QString& start, const QString& line) {
    const qsizetype at = text.indexOf(start, 0, Qt::CaseSensitive);
    if (at < 0) return text;
    const qsizetype end = text.indexOf(QLatin1Char('>'), at);
    if (end < 0) return text;
    return text.left(at) + line + text.mid(end + 1);
}

QColor ColorOf(quint32 colorRef) {
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

}  // namespace

QString AddBodyDef(const QString& text, const TStyleChunk* style) {
    const QString body = ReplaceEnclosed(text, QStringLiteral("<BODY"), QStringLiteral(">"), BodyTagFor(style));
    // A standards page's icon is drawn in the style's colours: its text
    // colour behind the background colour's letter.
    const QColor back = style ? ColorOf(style->TextColor) : kDefaultIconBackground;
    const QColor letter = style ? ColorOf(style->BackColor) : kDefaultIconText;
    return ReplaceLine(body, kIconLinkStart, IconLink(TitleOf(body), back, letter));
}

QString ReplaceTitle(const QString& text, const QString& title) {
    const QString titled = ReplaceEnclosed(text, QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"),
                                           QStringLiteral("<TITLE>") + title + QStringLiteral("</TITLE>"));
    // The social card names the page as the title does.
    const QString card = QStringLiteral("<META PROPERTY=\"og:title\" CONTENT=\"");
    return ReplaceLine(titled, card, card + AttributeText(PlainTextOf(title)) + QStringLiteral("\">"));
}

QString InsertLogo(const QString& text) {
    const QString bodyEnd = QStringLiteral("</BODY>");
    const qsizetype at = text.indexOf(bodyEnd, 0, Qt::CaseSensitive);
    if (at < 0) return text;
    // Without "</HTML>" after the body, only the logo line goes in and the
    // rest of the text stays as it is.
    if (text.indexOf(QStringLiteral("</HTML>"), at + bodyEnd.size(), Qt::CaseSensitive) < 0)
        return text.left(at) + LogoLine() + CRLF + text.mid(at);
    return ReplaceBetween(text, bodyEnd, QStringLiteral("</HTML>"),
                          LogoLine() + CRLF + bodyEnd + CRLF + QStringLiteral("</HTML>") + CRLF);
}

QString RemoveLogo(const QString& text) {
    // Only the whole line as generated; any hand edit of it keeps it.
    // The line as versions before wrote it counts as generated too.
    for (const QString& line : {LogoLine(), kOldLogoLine}) {
        const qsizetype at = text.indexOf(line, 0, Qt::CaseSensitive);
        if (at >= 0) return text.left(at) + text.mid(at + line.size());
    }
    return text;
}
