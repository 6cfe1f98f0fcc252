#include "viewer/StyleHints.h"

#include <QRegularExpression>

namespace {

// Whether a rule's selector list names IMG alone (one of its selectors is
// exactly "IMG"); the comment marks around a style sheet do not count.
bool SelectsImages(QStringView selectors) {
    for (QStringView s : selectors.split(QLatin1Char(','))) {
        s = s.trimmed();
        if (s.startsWith(QLatin1String("<!--"))) s = s.mid(4).trimmed();
        if (s.startsWith(QLatin1String("-->"))) s = s.mid(3).trimmed();
        if (s.compare(QLatin1String("IMG"), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The rules of one style sheet, one pass: every selector and block is
// looked at once, so no text makes this slow.
bool SheetAsksImagesWithinWidth(QStringView sheet) {
    static const QRegularExpression declaration(QStringLiteral("max-width\\s*:\\s*100%"),
                                                QRegularExpression::CaseInsensitiveOption);
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = sheet.indexOf(QLatin1Char('{'), pos);
        if (open < 0) return false;
        qsizetype close = sheet.indexOf(QLatin1Char('}'), open);
        if (close < 0) close = sheet.size();
        if (SelectsImages(sheet.mid(pos, open - pos)) &&
            declaration.match(sheet.mid(open + 1, close - open - 1)).hasMatch())
            return true;
        pos = close + 1;
        if (pos >= sheet.size()) return false;
    }
}

}  // namespace

bool AsksImagesWithinWidth(const QString& html) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = html.indexOf(QLatin1String("<STYLE"), from, Qt::CaseInsensitive);
        if (open < 0) return false;
        qsizetype close = html.indexOf(QLatin1String("</STYLE"), open, Qt::CaseInsensitive);
        if (close < 0) close = html.size();
        const qsizetype start = html.indexOf(QLatin1Char('>'), open);
        if (start >= 0 && start < close && SheetAsksImagesWithinWidth(QStringView(html).mid(start + 1, close - start - 1)))
            return true;
        from = close;
    }
}
