#include "upload/transfer/Listing.h"

#include "upload/transfer/RemotePath.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>

namespace {

// "type=file;size=12;modify=20240101100000; name": the facts, then a space
// and the name.
std::optional<TRemoteEntry> FactsEntry(const QByteArray& line) {
    const qsizetype space = line.indexOf(' ');
    if (space < 0) return std::nullopt;
    TRemoteEntry e;
    e.Name = QString::fromUtf8(line.mid(space + 1));
    bool typed = false;
    for (const QByteArray& fact : line.left(space).split(';')) {
        const qsizetype eq = fact.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = fact.left(eq).toLower(), value = fact.mid(eq + 1).toLower();
        if (key == "type") {
            typed = true;
            if (value == "dir")
                e.Folder = true;
            else if (value != "file")
                return std::nullopt;  // "cdir", "pdir", links and devices
        } else if (key == "size") {
            bool ok = false;
            const qint64 size = value.toLongLong(&ok);
            if (ok && size >= 0) e.Size = size;
        }
    }
    if (!typed) return std::nullopt;
    return e;
}

// The plain listings are read by hand, each line in one pass: a line comes
// from the server, and a pattern with nested repetition could take time
// growing with the square of a hostile line's length.
bool IsBlank(QChar c) { return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r')); }
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
bool AllDigits(QStringView s) { return !s.isEmpty() && std::all_of(s.begin(), s.end(), IsDigit); }
QChar CharAt(QStringView s, qsizetype i) { return i >= 0 && i < s.size() ? s[i] : QChar(); }
qsizetype SkipBlanks(QStringView s, qsizetype i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}
qsizetype SkipWord(QStringView s, qsizetype i) {
    while (i < s.size() && !IsBlank(s[i])) ++i;
    return i;
}

// A time of day ("10:00", "9:05") or a year ("2023"), as a whole word.
bool IsTimeOrYear(QStringView w) {
    if (w.size() == 4 && AllDigits(w)) return true;
    const qsizetype colon = w.indexOf(QLatin1Char(':'));
    return (colon == 1 || colon == 2) && w.size() == colon + 3 && AllDigits(w.left(colon)) &&
           AllDigits(w.mid(colon + 1));
}

// "-rw-r--r--  1 owner group  12345 Jan 31 10:00 name" (or a year for the
// time; owner and group may hold spaces or be missing): the size is the
// number that ends the word right before the date, the first place such
// a date follows; the name is everything after the one blank after the
// date.
std::optional<TRemoteEntry> UnixEntry(QStringView line) {
    static const QLatin1StringView kModes("-rwxsStTlL");
    if (line.size() < 11 || !QLatin1StringView("-dl").contains(line[0])) return std::nullopt;
    for (qsizetype i = 1; i < 10; ++i)
        if (!kModes.contains(line[i])) return std::nullopt;
    const qsizetype modesEnd = SkipWord(line, 10);
    if (modesEnd >= line.size()) return std::nullopt;
    // The words after the modes, each with its start and end.
    std::vector<std::pair<qsizetype, qsizetype>> words;
    for (qsizetype i = SkipBlanks(line, modesEnd + 1); i < line.size(); i = SkipBlanks(line, i)) {
        const qsizetype end = SkipWord(line, i);
        words.emplace_back(i, end);
        i = end;
    }
    const auto word = [&](size_t k) { return line.mid(words[k].first, words[k].second - words[k].first); };
    for (size_t k = 0; k + 3 < words.size(); ++k) {
        const QStringView sizeWord = word(k), month = word(k + 1), day = word(k + 2);
        if (!IsDigit(sizeWord.back()) || month.size() != 3 || !std::all_of(month.begin(), month.end(), IsLetter) ||
            day.size() > 2 || !AllDigits(day) || !IsTimeOrYear(word(k + 3)))
            continue;
        const qsizetype nameStart = words[k + 3].second + 1;
        if (nameStart >= line.size()) continue;
        qsizetype digits = sizeWord.size();
        while (digits > 0 && IsDigit(sizeWord[digits - 1])) --digits;
        TRemoteEntry e;
        e.Folder = line[0] == QLatin1Char('d');
        e.Name = line.mid(nameStart).toString();
        if (line[0] == QLatin1Char('l')) {
            // A link names its target after " -> "; it is no file of ours.
            const qsizetype arrow = e.Name.indexOf(QLatin1String(" -> "));
            if (arrow >= 0) e.Name.truncate(arrow);
            return e;
        }
        bool ok = false;
        const qint64 size = sizeWord.mid(digits).toLongLong(&ok);
        if (ok) e.Size = size;
        return e;
    }
    return std::nullopt;
}

// "01-31-24  10:00AM       12345 name" or "... <DIR> name".
std::optional<TRemoteEntry> DosEntry(QStringView line) {
    const auto digitsAt = [&](qsizetype from) {
        qsizetype i = from;
        while (i < line.size() && IsDigit(line[i])) ++i;
        return i - from;
    };
    // The date: two digits, two digits, two to four digits.
    if (digitsAt(0) != 2 || CharAt(line, 2) != QLatin1Char('-') || digitsAt(3) != 2 || CharAt(line, 5) != QLatin1Char('-'))
        return std::nullopt;
    const qsizetype year = digitsAt(6);
    if (year < 2 || year > 4 || !IsBlank(CharAt(line, 6 + year))) return std::nullopt;
    // The time, with or without AM or PM, and a blank after it.
    qsizetype i = SkipBlanks(line, 6 + year);
    const qsizetype hour = digitsAt(i);
    if (hour < 1 || hour > 2 || CharAt(line, i + hour) != QLatin1Char(':') || digitsAt(i + hour + 1) < 2)
        return std::nullopt;
    i += hour + 3;
    qsizetype after = SkipBlanks(line, i);
    if (QLatin1StringView("AaPp").contains(CharAt(line, after)) && QLatin1StringView("Mm").contains(CharAt(line, after + 1))) {
        i = after + 2;
        after = SkipBlanks(line, i);
    }
    if (after == i) return std::nullopt;
    // The size or <DIR>, then the name after its blanks.
    TRemoteEntry e;
    qsizetype end = after;
    if (line.mid(after).startsWith(QLatin1String("<DIR>"))) {
        e.Folder = true;
        end = after + 5;
    } else {
        end = after + digitsAt(after);
        if (end == after) return std::nullopt;
        bool ok = false;
        const qint64 size = line.mid(after, end - after).toLongLong(&ok);
        e.Size = ok ? size : 0;
    }
    const qsizetype name = SkipBlanks(line, end);
    if (name == end || name == line.size()) return std::nullopt;
    e.Name = line.mid(name).toString();
    return e;
}

}  // namespace

QString ShownServerText(QStringView text) {
    constexpr qsizetype kMaxShown = 500;
    constexpr char16_t kEsc = 0x1B, kBell = 0x07, kCsi = 0x9B, kSt = 0x9C;
    const auto at = [&](qsizetype i) -> char16_t { return i < text.size() ? text[i].unicode() : 0; };
    QString out;
    out.reserve(std::min(text.size(), kMaxShown));
    qsizetype i = 0;
    while (i < text.size() && out.size() < kMaxShown) {
        const char16_t c = text[i].unicode();
        // What follows ESC, or a C1 control that stands for ESC and a letter.
        char16_t kind = 0;
        if (c == kEsc) {
            kind = at(i + 1);
            i += 2;
        } else if (c >= 0x80 && c <= 0x9F) {
            kind = char16_t(c - 0x40);
            ++i;
        }
        if (kind == u'[' || c == kCsi) {
            // A control sequence: parameters and intermediates, then one final character.
            while (at(i) >= 0x20 && at(i) <= 0x3F) ++i;
            if (at(i) >= 0x40 && at(i) <= 0x7E) ++i;
        } else if (kind == u']' || kind == u'P' || kind == u'X' || kind == u'^' || kind == u'_') {
            // A string (a window title, a device command): up to BEL or the string terminator.
            while (i < text.size() && at(i) != kBell && at(i) != kSt && !(at(i) == kEsc && at(i + 1) == u'\\')) ++i;
            i += at(i) == kEsc ? 2 : 1;
        } else if (kind == 0 && c != kEsc && !(c >= 0x80 && c <= 0x9F)) {
            ++i;
            if (c == u'\t') {
                out += QLatin1Char(' ');
            } else if (c >= 0x20 && c != 0x7F && !(c >= 0x202A && c <= 0x202E) && !(c >= 0x2066 && c <= 0x2069) &&
                       c != 0x200E && c != 0x200F && c != 0x061C) {
                out += QChar(c);
            }
        }
        // Any other ESC pair (a reset, a saved cursor) is dropped whole.
    }
    if (!out.isEmpty() && out.back().isHighSurrogate()) out.chop(1);
    return out;
}

std::vector<TRemoteEntry> ParseListing(const QByteArray& text, bool facts) {
    std::vector<TRemoteEntry> out;
    for (QByteArray line : text.split('\n')) {
        while (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() || line.size() > 4096) continue;
        std::optional<TRemoteEntry> e;
        if (facts) {
            e = FactsEntry(line);
        } else {
            const QString s = QString::fromUtf8(line);
            e = UnixEntry(s);
            if (!e) e = DosEntry(s);
        }
        if (!e || e->Name.isEmpty() || e->Name == QLatin1String(".") || e->Name == QLatin1String("..") ||
            e->Name.contains(QLatin1Char('/')) || HasLineBreak(e->Name))
            continue;
        out.push_back(*e);
    }
    return out;
}
