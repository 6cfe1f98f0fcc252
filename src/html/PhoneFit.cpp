#include "html/PhoneFit.h"

#include "app/Utils.h"

QString PhoneFitLines() {
    return kViewportMetaLine + CRLF +
           QStringLiteral("<STYLE TYPE=\"text/css\">") + CRLF +
           QStringLiteral("<!--") + CRLF +
           // Wider pictures are scaled to the width; smaller ones stay.
           QStringLiteral("IMG { max-width: 100%; }") + CRLF +
           // A picture with a stated size keeps its proportions when scaled
           // on a small screen; wider windows keep the stated size exactly.
           QStringLiteral("@media (max-width: 800px) { IMG[WIDTH] { height: auto; } }") + CRLF +
           QStringLiteral("BODY { overflow-wrap: break-word; word-wrap: break-word; }") + CRLF +
           QStringLiteral("-->") + CRLF +
           QStringLiteral("</STYLE>");
}

QString WithPhoneFit(const QString& html) {
    if (html.contains(PhoneFitLines())) return html;
    const qsizetype at = html.indexOf(QLatin1String("</HEAD>"));
    if (at < 0) return html;
    QString out = html;
    out.insert(at, PhoneFitLines() + CRLF);
    return out;
}

QString WithoutPhoneFit(const QString& html) {
    QString out = html;
    const QString lines = PhoneFitLines();
    const qsizetype at = out.indexOf(lines);
    if (at < 0) return out;
    const qsizetype n = QStringView(out).mid(at + lines.size()).startsWith(CRLF) ? lines.size() + CRLF.size() : lines.size();
    out.remove(at, n);
    return out;
}
