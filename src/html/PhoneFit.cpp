#include "html/PhoneFit.h"

#include "app/Utils.h"

namespace {

QString LinesWithPictureRule(const QString& pictureRule) {
    return kViewportMetaLine + CRLF +
           QStringLiteral("<STYLE TYPE=\"text/css\">") + CRLF +
           QStringLiteral("<!--") + CRLF +
           pictureRule + CRLF +
           QStringLiteral("BODY { overflow-wrap: break-word; word-wrap: break-word; }") + CRLF +
           QStringLiteral("-->") + CRLF +
           QStringLiteral("</STYLE>");
}

}  // namespace

QString PhoneFitLines() {
    // Wider pictures are scaled to the width, smaller ones stay; a picture
    // scaled keeps its proportions at every width (the height follows the
    // width the limit leaves, not the stated HEIGHT).
    return LinesWithPictureRule(QStringLiteral("IMG { max-width: 100%; height: auto; }"));
}

QString OldPhoneFitLines() {
    return LinesWithPictureRule(QStringLiteral("IMG { max-width: 100%; }") + CRLF +
                                QStringLiteral("@media (max-width: 800px) { IMG[WIDTH] { height: auto; } }"));
}

QString WithPhoneFit(const QString& html) {
    if (html.contains(PhoneFitLines())) return html;
    // The earlier lines squash a picture scaled on a window wider than 800
    // pixels: they give way to the current ones.
    const QString old = OldPhoneFitLines();
    if (html.contains(old)) return QString(html).replace(old, PhoneFitLines());
    const qsizetype at = html.indexOf(QLatin1String("</HEAD>"));
    if (at < 0) return html;
    QString out = html;
    out.insert(at, PhoneFitLines() + CRLF);
    return out;
}

QString WithoutPhoneFit(const QString& html) {
    QString out = html;
    for (const QString& lines : {PhoneFitLines(), OldPhoneFitLines()}) {
        const qsizetype at = out.indexOf(lines);
        if (at < 0) continue;
        const qsizetype n = QStringView(out).mid(at + lines.size()).startsWith(CRLF) ? lines.size() + CRLF.size() : lines.size();
        out.remove(at, n);
        return out;
    }
    return out;
}
