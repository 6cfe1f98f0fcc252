#include "html/BodyStyle.h"

#include "app/Utils.h"
#include "html/PageGenerator.h"
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
QString ColorAttribute(const char* name, quint32 color) {
    return QStringLiteral(" %1=\"#%2\"").arg(QLatin1String(name), ColorToHTML(color));
}
}  // namespace

QString BuildBodyWithStyle(const TStyleChunk& style) {
    QString tag = QStringLiteral("<BODY");
    if (!style.BackImage.isEmpty()) {
        QString image = style.BackImage.toLower();
        image.replace(QLatin1Char('\\'), QLatin1Char('/'));
        tag += QStringLiteral(" BACKGROUND=\"") + image + QStringLiteral("\"");
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

QString AddBodyDef(const QString& text, const TStyleChunk* style) {
    return ReplaceBetween(text, QStringLiteral("<BODY"), QStringLiteral(">"), BodyTagFor(style));
}

QString ReplaceTitle(const QString& text, const QString& title) {
    return ReplaceBetween(text, QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"),
                          QStringLiteral("<TITLE>") + title + QStringLiteral("</TITLE>"));
}

QString InsertLogo(const QString& text) {
    return ReplaceBetween(text, QStringLiteral("</BODY>"), QStringLiteral("</HTML>"),
                          LogoLine() + CRLF + QStringLiteral("</BODY>") + CRLF + QStringLiteral("</HTML>") + CRLF);
}

QString RemoveLogo(const QString& text) {
    return ReplaceBetween(text, QStringLiteral("<CENTER>") + kLogoText, QStringLiteral("</CENTER>"), QString());
}
