#include "viewer/StyleHints.h"

#include <QRegularExpression>

namespace {

// Whether a rule's selector list names IMG alone (one of its selectors is
// exactly "IMG"); the comment marks around a style sheet do not count.
bool Selects(QStringView selectors, QLatin1String element) {
    for (QStringView s : selectors.split(QLatin1Char(','))) {
        s = s.trimmed();
        if (s.startsWith(QLatin1String("<!--"))) s = s.mid(4).trimmed();
        if (s.startsWith(QLatin1String("-->"))) s = s.mid(3).trimmed();
        if (s.compare(element, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The first declaration matching `declaration` in a rule of one style
// sheet for `element` alone; one pass, so no text makes this slow.
QRegularExpressionMatch FindInSheet(QStringView sheet, QLatin1String element, const QRegularExpression& declaration) {
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = sheet.indexOf(QLatin1Char('{'), pos);
        if (open < 0) return {};
        qsizetype close = sheet.indexOf(QLatin1Char('}'), open);
        if (close < 0) close = sheet.size();
        if (Selects(sheet.mid(pos, open - pos), element)) {
            QRegularExpressionMatch m = declaration.match(sheet.mid(open + 1, close - open - 1));
            if (m.hasMatch()) return m;
        }
        pos = close + 1;
        if (pos >= sheet.size()) return {};
    }
}

// The same over every STYLE element of a page.
QRegularExpressionMatch FindInPage(const QString& html, QLatin1String element, const QRegularExpression& declaration) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = html.indexOf(QLatin1String("<STYLE"), from, Qt::CaseInsensitive);
        if (open < 0) return {};
        qsizetype close = html.indexOf(QLatin1String("</STYLE"), open, Qt::CaseInsensitive);
        if (close < 0) close = html.size();
        const qsizetype start = html.indexOf(QLatin1Char('>'), open);
        if (start >= 0 && start < close) {
            QRegularExpressionMatch m =
                FindInSheet(QStringView(html).mid(start + 1, close - start - 1), element, declaration);
            if (m.hasMatch()) return m;
        }
        from = close;
    }
}

}  // namespace

bool AsksImagesWithinWidth(const QString& html) {
    static const QRegularExpression declaration(QStringLiteral("max-width\\s*:\\s*100%"),
                                                QRegularExpression::CaseInsensitiveOption);
    return FindInPage(html, QLatin1String("IMG"), declaration).hasMatch();
}

double AsksReadingColumn(const QString& html) {
    static const QRegularExpression declaration(QStringLiteral("max-width\\s*:\\s*([0-9]{1,3}(\\.[0-9]{1,3})?)em"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = FindInPage(html, QLatin1String("BODY"), declaration);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}
