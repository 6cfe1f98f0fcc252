#include "viewer/StyleHints.h"

#include <QRegularExpression>

bool AsksImagesWithinWidth(const QString& html) {
    static const QRegularExpression rule(QStringLiteral("(?:^|[\\s,;}>-])IMG\\s*\\{[^}]*max-width\\s*:\\s*100%"),
                                         QRegularExpression::CaseInsensitiveOption);
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = html.indexOf(QLatin1String("<STYLE"), from, Qt::CaseInsensitive);
        if (open < 0) return false;
        qsizetype close = html.indexOf(QLatin1String("</STYLE"), open, Qt::CaseInsensitive);
        if (close < 0) close = html.size();
        const qsizetype start = html.indexOf(QLatin1Char('>'), open);
        if (start >= 0 && start < close && rule.match(QStringView(html).mid(start + 1, close - start - 1)).hasMatch())
            return true;
        from = close;
    }
}
