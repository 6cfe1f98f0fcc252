#include "app/Utils.h"

#include "app/SafeWrite.h"

#include "viewer/HtmlDocument.h"
#include "viewer/HtmlEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <iterator>

QChar PathSep() { return QDir::separator(); }

QString JoinPath(const QString& folder, const QString& name) {
    const QChar sep = PathSep();
    QString n = name;
    if (n.startsWith(sep)) n.remove(0, 1);
    if (folder.endsWith(sep)) return folder + n;
    return folder + sep + n;
}

QString JoinURL(const QString& base, const QString& name) {
    if (base.endsWith(QLatin1Char('/'))) return base + name;
    return base + QLatin1Char('/') + name;
}

QString StripExtension(const QString& fileName) {
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return fileName;
    return fileName.left(dot);
}

QString GetTempFolder() {
    QString t = QDir::toNativeSeparators(QDir::tempPath());
    if (!t.endsWith(PathSep())) t += PathSep();
    return t;
}

QString PrivateTempFolder() {
    // Where the desktop gives each user a runtime folder of their own, that
    // is the place (Qt checks that it belongs to the user and that no one
    // else may enter it).
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) return QDir::toNativeSeparators(runtime);
    }
    // Otherwise a folder made for this run, which only this user may enter
    // (the shared temporary folder is anybody's), removed at exit.
    static QTemporaryDir* own = [] {
        auto* dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/tarvo-XXXXXX"));
        if (dir->isValid())
            QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qAddPostRoutine([] { delete own; });
        return dir;
    }();
    return own->isValid() ? QDir::toNativeSeparators(own->path()) : QString();
}

QString PreviewFileName() {
    const QString folder = PrivateTempFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("~tvxpreview.html"));
}

namespace {

// The "drive" of a path: "C:" on Windows; on other systems every absolute
// path lives on the one root, so only absolute paths compare as alike.
bool SameRoot(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    return a.left(2) == b.left(2);
#else
    return a.startsWith(QLatin1Char('/')) && b.startsWith(QLatin1Char('/'));
#endif
}

}  // namespace

QString RelativePath(const QString& baseFile, const QString& target) {
    if (target.isEmpty()) return QString();
    if (baseFile.size() < 2 || target.size() < 2 || !SameRoot(baseFile, target)) return target;
    const QChar sep = PathSep();
    QString base = baseFile;
    QString tgt = target;
    // Strip the common leading folders, one separator at a time.
    int i = 0;
    while (i < base.size() && i < tgt.size() && base[i] == tgt[i]) {
        if (base[i] == sep) {
            base.remove(0, i + 1);
            tgt.remove(0, i + 1);
            i = 0;
            continue;
        }
        ++i;
    }
    const QString up = QStringLiteral("..") + sep;
    const int depth = base.count(sep);
    QString prefix;
    for (int k = 0; k < depth; ++k) prefix += up;
    return prefix + tgt;
}

namespace {

// The path a reference names, with "/" separators: surrounding quotes
// removed, "\\" read as "/".
QString ReferencePath(const QString& reference) {
    QString ref = StripQuotes(reference.trimmed());
    ref.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ref;
}

QString OutsideFolder() { return QCoreApplication::translate("Utils", "outside the page's folder"); }

}  // namespace

TResolvedReference ResolveReference(const QString& baseFile, const QString& reference) {
    TResolvedReference out;
    const QString ref = ReferencePath(reference);
    const bool fileUrl = ref.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
    const bool drive = ref.size() > 1 && ref[1] == QLatin1Char(':');
    if (ref.isEmpty() || fileUrl || drive || ref.startsWith(QLatin1Char('/'))) {
        out.Refusal = OutsideFolder();
        return out;
    }
    // Steps are taken one by one: "graphics/../../x" climbs out as surely
    // as "../x" does.
    QStringList inside;
    for (const QString& part : ref.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) {
            if (inside.isEmpty()) {
                out.Refusal = OutsideFolder();
                return out;
            }
            inside.removeLast();
            continue;
        }
        inside << part;
    }
    if (inside.isEmpty()) {
        out.Refusal = OutsideFolder();
        return out;
    }
    out.Inside = inside.join(QLatin1Char('/'));
    const QChar sep = PathSep();
    const QString folder = baseFile.left(baseFile.lastIndexOf(sep) + 1);
    out.Local = folder + inside.join(sep);
    // Inside by its text is not enough: a link in the folder (to a file, a
    // folder, or a page elsewhere) must lead inside the folder on the disk
    // too, or the page would carry the user's other files to the server.
    if (QFileInfo(folder).isDir() && !LiesInsideOnDisk(folder, out.Local)) {
        out = TResolvedReference();
        out.Refusal = OutsideFolder();
    }
    return out;
}

bool ReplaceFileWithCopy(const QString& from, const QString& to) {
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(from, part)) return false;
    QFile::remove(to);
    if (QFile::rename(part, to)) return true;
    QFile::remove(part);
    return false;
}

void LoadFileText(const QString& fileName, QString& target) {
    QFile f(fileName);
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) return;
    const QString text = DecodeHtmlBytes(f.readAll());
    // Every line, the last one included, ends in CR LF.
    QString out;
    out.reserve(text.size() + text.size() / 16);
    int i = 0;
    const int n = text.size();
    while (i < n) {
        int j = i;
        while (j < n && text[j] != QLatin1Char('\r') && text[j] != QLatin1Char('\n')) ++j;
        out += QStringView(text).mid(i, j - i);
        out += CRLF;
        if (j < n && text[j] == QLatin1Char('\r') && j + 1 < n && text[j + 1] == QLatin1Char('\n')) ++j;
        i = j + 1;
    }
    target = out;
}

QString MidStr(const QString& text, int start, int count) {
    if (count <= 0 || start > text.size()) return QString();
    if (start < 1) {
        count -= 1 - start;
        start = 1;
        if (count <= 0) return QString();
    }
    return text.mid(start - 1, count);
}

QString LeftStr(const QString& text, int count) { return count <= 0 ? QString() : text.left(count); }

QString RightStr(const QString& text, int count) { return count <= 0 ? QString() : text.right(count); }

QString DropRight(const QString& text, int count) {
    if (count >= text.size()) return QString();
    if (count <= 0) return text;
    return text.left(text.size() - count);
}

int LastPos(int start, const QString& text, const QString& part) {
    if (part.isEmpty()) return 0;
    if (start == 0) start = text.size() - part.size() + 1;
    if (start > text.size() - part.size() + 1) start = text.size() - part.size() + 1;
    for (int p = start; p >= 1; --p) {
        if (QStringView(text).mid(p - 1, part.size()) == part) return p;
    }
    return 0;
}

namespace {

// Replaces every occurrence left to right; the inserted text is never
// searched again, so a replacement that contains the part cannot loop.
QString ReplaceEvery(const QString& text, const QString& part, const QString& replacement, Qt::CaseSensitivity cs) {
    if (part.isEmpty()) return text;
    QString out;
    out.reserve(text.size());
    int from = 0;
    for (;;) {
        const int at = text.indexOf(part, from, cs);
        if (at < 0) break;
        out += QStringView(text).mid(from, at - from);
        out += replacement;
        from = at + part.size();
    }
    out += QStringView(text).mid(from);
    return out;
}

}  // namespace

QString ReplaceAll(const QString& text, const QString& part, const QString& replacement) {
    return ReplaceEvery(text, part, replacement, Qt::CaseSensitive);
}

QString ReplaceAllNoCase(const QString& text, const QString& part, const QString& replacement) {
    return ReplaceEvery(text, part, replacement, Qt::CaseInsensitive);
}

QString StripQuotes(const QString& text) {
    // Only spaces are trimmed, as the callers pass tag text.
    int b = 0, e = text.size();
    while (b < e && text[b] == QLatin1Char(' ')) ++b;
    while (e > b && text[e - 1] == QLatin1Char(' ')) --e;
    QString s = text.mid(b, e - b);
    if (s.startsWith(QLatin1Char('"'))) s = s.size() >= 2 ? s.mid(1, s.size() - 2) : QString();
    if (s.endsWith(QLatin1Char('"'))) s.chop(1);
    return s;
}

QString TagAttributeFrom(QStringView text, const QString& name, qsizetype from, qsizetype* next) {
    // Only spaces are trimmed off the end, as the callers pass tag text.
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' ')) --n;
    // Searched without regard to letter case in the text itself: a
    // lower-cased copy can be longer (the dotted capital I lower-cases
    // to two characters), which would put every later value off by one.
    const qsizetype at = text.first(n).indexOf(QString(name + QLatin1Char('=')), from, Qt::CaseInsensitive);
    if (at < 0) {
        if (next) *next = text.size();
        return QString();
    }
    const qsizetype start = at + name.size() + 1;
    qsizetype i = start;
    if (i < n && text[i] == QLatin1Char('"')) {
        ++i;
        while (i < n && text[i] != QLatin1Char('"') && text[i] != QLatin1Char('>')) ++i;
        if (i < n && text[i] == QLatin1Char('"')) ++i;  // take the closing quote along
    } else {
        while (i < n) {
            const QChar c = text[i];
            if (c == QLatin1Char('>')) break;
            if (c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('"')) {
                ++i;  // taken along, removed by the trim below
                break;
            }
            ++i;
        }
    }
    if (next) *next = i;
    QString value = text.mid(start, i - start).toString();
    // A space, CR or LF that ended an unquoted value is dropped again.
    while (!value.isEmpty() && (value.endsWith(QLatin1Char('\r')) || value.endsWith(QLatin1Char('\n'))))
        value.chop(1);
    return StripQuotes(value);
}

QString GetTagAttribute(const QString& tagText, const QString& name) {
    return TagAttributeFrom(tagText, name, 0, nullptr);
}

QString ColorToHTML(quint32 color) {
    const uint r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return QStringLiteral("%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; the five unused bytes
// map to the C1 control of the same number, as Windows itself does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QByteArray ToAnsi(const QString& text) {
    QByteArray out;
    out.resize(text.size());
    char* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            d[i] = char(c);
            continue;
        }
        char b = '?';  // not representable in the 8-bit code page
        for (int k = 0; k < 32; ++k) {
            if (kCp1252High[k] == c) {
                b = char(0x80 + k);
                break;
            }
        }
        d[i] = b;
    }
    return out;
}

QString FromAnsi(const QByteArray& bytes) { return DecodeWindows1252(bytes); }

bool FitsAnsi(QStringView text) {
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) continue;
        if (std::find(std::begin(kCp1252High), std::end(kCp1252High), c) == std::end(kCp1252High)) return false;
    }
    return true;
}

namespace {
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
}  // namespace

QByteArray ToStoredText(const QString& text) {
    return FitsAnsi(text) ? ToAnsi(text) : kUtf8Mark + text.toUtf8();
}

QString FromStoredText(const QByteArray& bytes) {
    return bytes.startsWith(kUtf8Mark) ? QString::fromUtf8(bytes.mid(kUtf8Mark.size())) : FromAnsi(bytes);
}

QString ReferenceForFile(const QString& fileName) {
    QString ref = fileName;
    ref.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QByteArray bytes = ref.toUtf8();
    if (bytes.size() == ref.size()) return ref;  // all ASCII
    QString out;
    out.reserve(bytes.size() * 3);
    for (const char b : bytes) {
        if (uchar(b) < 0x80)
            out += QLatin1Char(b);
        else
            out += QLatin1Char('%') + QString::number(uchar(b), 16).toUpper();
    }
    return out;
}

void FitLabelBeforeField(QLabel* label, QWidget* field) {
    const int grow = label->sizeHint().width() - label->width();
    if (grow <= 0) return;
    label->resize(label->width() + grow, label->height());
    field->setGeometry(field->x() + grow, field->y(), field->width() - grow, field->height());
}
