#include "viewer/StyleHints.h"

#include <QRegularExpression>
#include <cstring>

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

// Where `tag` ("<NAME" or "</NAME", in capitals) starts in `html` at or
// after `from`, in any case; -1 when it does not. The "<" are found by
// memchr over the bytes (its byte is one half of the character, whichever
// the byte order): a search by case over a whole page costs far more.
qsizetype FindTag(QStringView html, QLatin1String tag, qsizetype from) {
    const QChar* s = html.data();
    const qsizetype last = html.size() - tag.size();
    if (from > last) return -1;
    const char16_t second = char16_t(tag.at(1).unicode() | 0x20);  // a letter in lower case; '/' stays
    const char* bytes = reinterpret_cast<const char*>(s);
    const char* end = reinterpret_cast<const char*>(s + last + 1);
    for (const char* b = bytes + 2 * from; b < end;) {
        const char* hit = static_cast<const char*>(std::memchr(b, '<', size_t(end - b)));
        if (!hit) return -1;
        const qsizetype p = (hit - bytes) / 2;
        if (s[p] == u'<' && (s[p + 1].unicode() | 0x20) == second &&
            html.mid(p, tag.size()).compare(tag, Qt::CaseInsensitive) == 0)
            return p;
        b = hit + 1;
    }
    return -1;
}

// The text of every STYLE element of a page, in order.
QList<QStringView> StyleSheets(const QString& html) {
    QList<QStringView> sheets;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = FindTag(html, QLatin1String("<STYLE"), from);
        if (open < 0) return sheets;
        qsizetype close = FindTag(html, QLatin1String("</STYLE"), open);
        if (close < 0) close = html.size();
        const qsizetype start = html.indexOf(QLatin1Char('>'), open);
        if (start >= 0 && start < close) sheets << QStringView(html).mid(start + 1, close - start - 1);
        from = close;
    }
}

// The first declaration matching `declaration` in a rule for `element`
// alone, over the page's style sheets.
QRegularExpressionMatch FindInSheets(const QList<QStringView>& sheets, QLatin1String element,
                                     const QRegularExpression& declaration) {
    for (QStringView sheet : sheets) {
        QRegularExpressionMatch m = FindInSheet(sheet, element, declaration);
        if (m.hasMatch()) return m;
    }
    return {};
}

bool ImagesWithinWidth(const QList<QStringView>& sheets) {
    static const QRegularExpression declaration(QStringLiteral("max-width\\s*:\\s*100%"),
                                                QRegularExpression::CaseInsensitiveOption);
    return FindInSheets(sheets, QLatin1String("IMG"), declaration).hasMatch();
}

double ReadingColumn(const QList<QStringView>& sheets) {
    static const QRegularExpression declaration(QStringLiteral("max-width\\s*:\\s*([0-9]{1,3}(\\.[0-9]{1,3})?)em"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = FindInSheets(sheets, QLatin1String("BODY"), declaration);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

}  // namespace

bool AsksImagesWithinWidth(const QString& html) { return ImagesWithinWidth(StyleSheets(html)); }

double AsksReadingColumn(const QString& html) { return ReadingColumn(StyleSheets(html)); }

TStyleHints ReadStyleHints(const QString& html) {
    const QList<QStringView> sheets = StyleSheets(html);
    return {ImagesWithinWidth(sheets), ReadingColumn(sheets)};
}
