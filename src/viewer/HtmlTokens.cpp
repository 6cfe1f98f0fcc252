#include "viewer/HtmlTokens.h"

#include <array>
#include <iterator>
#include <cstring>

namespace {

struct TagDef {
    const char* name;
    bool hasEnd;
    bool keepsAttr;
};

// The tokenizer's columns of the tag table, indexed by Tag.
constexpr bool End = true, NoEnd = false;
constexpr bool Attrs = true, NoAttrs = false;
constexpr std::array<TagDef, size_t(Tag::Count)> kTags = {{
#define TARVO_TAG_DEF(name, end, attrs, ...) {#name, end, attrs},
    TARVO_HTML_TAGS(TARVO_TAG_DEF)
#undef TARVO_TAG_DEF
}};

// The attribute names in the order of the Attr enumeration, so that the
// name found at index i is the attribute Attr(i); each name stands once.
constexpr std::array<const char*, size_t(Attr::Unknown)> kAttrs = {{
    "HREF", "NAME", "SRC", "ALT", "ALIGN", "TEXT", "BGCOLOR", "LINK", "BACKGROUND", "COLSPAN",
    "ROWSPAN", "BORDER", "CELLPADDING", "CELLSPACING", "VALIGN", "WIDTH", "START", "VALUE",
    "TYPE", "CHECKBOX", "RADIO", "METHOD", "ACTION", "CHECKED", "SIZE", "MAXLENGTH", "COLS",
    "ROWS", "MULTIPLE", "SELECTED", "FACE", "COLOR", "TRANSP", "CLEAR", "ISMAP",
    "BORDERCOLOR", "USEMAP", "SHAPE", "COORDS", "NOHREF", "HEIGHT", "PLAIN",
}};

// The entity names: 7 named characters, then the Latin-1 letters 192..255
// ("" for the two codes that are not letters).
constexpr std::array<const char*, 71> kEntities = {{
    "amp", "lt", "gt", "quot", "nbsp", "copy", "reg",
    "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil",
    "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml",
    "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "",
    "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig",
    "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil",
    "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml",
    "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "",
    "oslash", "ugrave", "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml",
}};
constexpr char16_t kFirstEntityCodes[7] = {38, 60, 62, 34, 160, 169, 174};

// Tables are searched name by name, so a mismatch must be cheap: most end
// at the first character.
bool equalsAscii(QStringView s, const char* a) {
    const QChar* p = s.constData();
    const qsizetype n = s.size();
    qsizetype i = 0;
    for (; i < n; ++i)
        if (a[i] == 0 || p[i].unicode() != char16_t(uchar(a[i])))
            return false;
    return a[i] == 0;
}

struct NamedColor {
    const char* name;
    QRgb rgb;
};
constexpr NamedColor kColors[16] = {
    {"BLACK", 0x000000},  {"MAROON", 0x800000}, {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080},   {"PURPLE", 0x800080}, {"TEAL", 0x008080},  {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000},    {"LIME", 0x00FF00},  {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF},   {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF},  {"WHITE", 0xFFFFFF},
};

// The indices of a name table's entries by their first letter, so that a
// name is compared with the few entries that start like it, not with all:
// a page is mostly tags, and their names are looked up one by one.
template <size_t N>
struct ByFirstLetter {
    std::array<std::array<quint8, N>, 26> index{};
    std::array<quint8, 26> count{};
    explicit ByFirstLetter(const std::array<const char*, N>& names) {
        for (size_t i = 0; i < N; ++i) {
            const char first = names[i][0];
            if (first >= 'A' && first <= 'Z') {
                const size_t l = size_t(first - 'A');
                index[l][count[l]++] = quint8(i);
            }
        }
    }
};

// The entry of `names` equal to `name`, or -1.
template <size_t N>
int findName(const ByFirstLetter<N>& table, const std::array<const char*, N>& names, QStringView name) {
    if (name.isEmpty() || name[0] < u'A' || name[0] > u'Z')
        return -1;
    const size_t l = size_t(name[0].unicode() - u'A');
    for (size_t k = 0; k < table.count[l]; ++k) {
        const size_t i = table.index[l][k];
        if (equalsAscii(name, names[i]))
            return int(i);
    }
    return -1;
}

constexpr std::array<const char*, size_t(Tag::Count)> tagNames() {
    std::array<const char*, size_t(Tag::Count)> names{};
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = kTags[i].name;
    return names;
}
constexpr std::array<const char*, size_t(Tag::Count)> kTagNames = tagNames();

inline bool isUpperLetter(char16_t c) { return c >= 'A' && c <= 'Z'; }
inline bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }
inline char16_t upcase(char16_t c) { return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c; }

}  // namespace

const TAttribute* TAttributeList::find(Attr which) const {
    for (const TAttribute& a : items_)
        if (a.Which == which)
            return &a;
    return nullptr;
}

int TextToInt(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

std::optional<QColor> ParseColor(const QString& value) {
    const QString up = value.left(10).toUpper();
    for (const NamedColor& c : kColors)
        if (equalsAscii(up, c.name))
            return QColor::fromRgb(c.rgb);
    QString hex = value;
    const qsizetype hash = hex.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        hex.remove(hash, 1);
    if (hex.isEmpty() || hex.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint v = hex.toUInt(&ok, 16);
    if (!ok || v > 0xFFFFFF)
        return std::nullopt;
    return QColor::fromRgb(QRgb(v));
}

TJustify ParseAlign(const QString& value, TJustify def, int significant) {
    const QString v = value.left(significant).toLower();
    if (v == QLatin1String("left"))
        return jsLeft;
    if (v == QLatin1String("center"))
        return jsCenter;
    if (v == QLatin1String("right"))
        return jsRight;
    return def;
}

TVAlign ParseVAlign(const QString& value, TVAlign def) {
    const QString v = value.toLower();
    if (v == QLatin1String("top"))
        return vaTop;
    if (v == QLatin1String("middle"))
        return vaMiddle;
    if (v == QLatin1String("bottom"))
        return vaBottom;
    return def;
}

char16_t LookupEntity(const QString& name) {
    if (name.isEmpty())
        return 0;
    for (size_t i = 0; i < kEntities.size(); ++i) {
        if (!*kEntities[i] || !equalsAscii(name, kEntities[i]))
            continue;
        if (i < 7)
            return kFirstEntityCodes[i];
        return char16_t(184 + (i + 1));  // entry n (from 1) gives 184 + n
    }
    return 0;
}

THtmlTokenizer::THtmlTokenizer(const QString& text) : src_(text.constData()), len_(text.size()) {}

char16_t THtmlTokenizer::raw() {
    if (pos_ >= len_)
        return EofCh;
    return src_[pos_++].unicode();
}

char16_t THtmlTokenizer::nextRaw() {
    if (havePushBack_) {
        havePushBack_ = false;
        return pushBack_;
    }
    return raw();
}

void THtmlTokenizer::GetCh() {
    for (;;) {
        char16_t c = nextRaw();
        if (c == 10 || c == 13) {
            const char16_t partner = c == 10 ? 13 : 10;
            const char16_t n = nextRaw();
            if (n != partner)
                push(n);
            c = CR;
        } else if (c == 9) {
            c = ' ';
        } else if (c == '<') {
            const char16_t n = nextRaw();
            if (n == '!') {
                skipComment();
                continue;
            }
            push(n);
        }
        LCh = c;
        Ch = upcase(c);
        return;
    }
}

// After "<!": a comment "<!-- ... -->" (ended by "--", optional white
// space, ">") or a declaration up to the next ">".
void THtmlTokenizer::skipComment() {
    try {
        skipCommentBody();
    } catch (const THtmlParseError& e) {
        Error = QString::fromUtf8(e.what());
        pos_ = len_;
        havePushBack_ = false;
    }
}

void THtmlTokenizer::skipCommentBody() {
    static const char* kOpen = "Open Comment at End of HTML File";
    char16_t c = nextRaw();
    if (c == '-') {
        c = nextRaw();
        if (c == '-') {
            int dashes = 0;
            for (;;) {
                c = nextRaw();
                if (c == EofCh)
                    throw THtmlParseError(kOpen);
                if (c == '-') {
                    ++dashes;
                    continue;
                }
                if (dashes >= 2) {
                    while (c == ' ' || c == 9 || c == 10 || c == 13) {
                        c = nextRaw();
                        if (c == EofCh)
                            throw THtmlParseError(kOpen);
                    }
                    if (c == '>')
                        return;
                    dashes = c == '-' ? 1 : 0;
                    continue;
                }
                dashes = 0;
            }
        }
    }
    while (c != '>') {
        if (c == EofCh)
            throw THtmlParseError(kOpen);
        c = nextRaw();
    }
}

void THtmlTokenizer::SkipWhiteSpace() {
    while (Ch == ' ' || Ch == CR)
        GetCh();
}

void THtmlTokenizer::Next() {
    Token.resize(0);
    if (Ch == EofCh) {
        Sy = EofSy;
        return;
    }
    if (Ch == '<') {
        DoTag();
        return;
    }
    if (Ch == '&') {
        DoAmpersand();
        Sy = TextSy;
        return;
    }
    // A text run of up to 100 characters, gathered here and appended at
    // once: most of a page is text, and a call per character shows.
    char16_t run[100];
    qsizetype n = 0;
    while (n < qsizetype(std::size(run))) {
        const char16_t c = Ch;
        if (c <= 12 || (c >= 14 && c <= 31) || c == '&' || c == '<' || c == '>')
            break;
        if (!InPre && (c == ' ' || c == CR)) {
            run[n++] = ' ';
            SkipWhiteSpace();
        } else {
            run[n++] = LCh;
            GetCh();
        }
    }
    if (n > 0) {
        Token.append(reinterpret_cast<const QChar*>(run), n);
        Sy = TextSy;
        return;
    }
    Token = QChar(LCh);
    Sy = OtherChar;
    GetCh();
}

void THtmlTokenizer::DoAmpersand() {
    Token.resize(0);
    GetCh();  // past "&"
    if (Ch == '#') {
        GetCh();
        QString digits;
        while (digits.size() < 4 && isDigit(Ch)) {
            digits += QChar(Ch);
            GetCh();
        }
        const bool fifth = digits.size() == 4 && isDigit(Ch);
        bool semi = false;
        if (!fifth && Ch == ';') {
            semi = true;
            GetCh();
        }
        const int code = digits.toInt();
        if (!fifth && !digits.isEmpty() && code < 256 && (code == 9 || code == 10 || code >= 32)) {
            Token = QChar(char16_t(code));
        } else {
            Token = QStringLiteral("&#") + digits;
            if (semi)
                Token += QLatin1Char(';');
        }
        return;
    }
    if (isUpperLetter(Ch)) {
        QString name;
        while (name.size() < 7 && isUpperLetter(Ch)) {
            name += QChar(LCh);
            GetCh();
        }
        if (name.size() == 7) {
            Token = QLatin1Char('&') + name;
            return;
        }
        bool semi = false;
        if (Ch == ';') {
            semi = true;
            GetCh();
        }
        const char16_t c = LookupEntity(name);
        if (c) {
            Token = QChar(c);
        } else {
            Token = QLatin1Char('&') + name;
            if (semi)
                Token += QLatin1Char(';');
        }
        return;
    }
    Token = QStringLiteral("&");
}

void THtmlTokenizer::DoTag() {
    GetCh();  // past "<"
    bool end = false;
    if (Ch == '/') {
        end = true;
        GetCh();
    }
    const QStringView name = readName();
    Sy = CommandSy;
    Value = 0;
    static const ByFirstLetter<kTagNames.size()> tags(kTagNames);
    const int tag = findName(tags, kTagNames, name);
    if (tag >= 0 && (!end || kTags[size_t(tag)].hasEnd))
        Sy = end ? E(Tag(tag)) : S(Tag(tag));
    SkipWhiteSpace();
    if (tag == int(Tag::H) && Sy != CommandSy) {
        if (Ch >= '1' && Ch <= '6') {
            Value = Ch - '0';
            GetCh();
        } else {
            Sy = CommandSy;  // "H" alone, or H0 / H7: not a heading
        }
    }
    readAttributes(Sy != CommandSy && kTags[size_t(tag)].keepsAttr, tag == int(Tag::H));
    while (Ch != '>' && Ch != EofCh)
        GetCh();
    if (Ch == '>')
        GetCh();
}

// A tag or attribute name (upper-cased letters), up to 150 of them kept.
QStringView THtmlTokenizer::readName() {
    qsizetype n = 0;
    while (isUpperLetter(Ch)) {
        if (n < qsizetype(std::size(nameBuf_)))
            nameBuf_[n++] = Ch;
        GetCh();
    }
    return QStringView(nameBuf_, n);
}

void THtmlTokenizer::readAttributes(bool keep, bool) {
    if (keep)
        Attributes.clear();
    for (;;) {
        SkipWhiteSpace();
        if (!isUpperLetter(Ch))
            return;
        const QStringView name = readName();
        static const ByFirstLetter<kAttrs.size()> attrs(kAttrs);
        TAttribute a;
        if (const int i = findName(attrs, kAttrs, name); i >= 0)
            a.Which = Attr(i);
        SkipWhiteSpace();
        a.Value = a.Which == Attr::BORDER ? 1 : 0;
        if (Ch == '=') {
            GetCh();
            SkipWhiteSpace();
            if (LCh == '"' || LCh == '\'') {
                const char16_t q = LCh;
                GetCh();
                value_.clear();
                while (LCh != q && Ch != '>' && Ch != EofCh) {
                    if (LCh != CR)
                        value_.append(LCh);
                    GetCh();
                }
                a.Name = QString(reinterpret_cast<const QChar*>(value_.constData()), value_.size());
                if (LCh == q)
                    GetCh();
                QString t = a.Name;
                if (t.endsWith(QLatin1Char('%')))
                    t.chop(1);
                a.Value = TextToInt(t);
            } else if (Ch == '+' || Ch == '-' || isDigit(Ch)) {
                a.Name += QChar(LCh);
                GetCh();
                while (isDigit(Ch) || (Ch >= 'A' && Ch <= 'F')) {
                    a.Name += QChar(Ch);
                    GetCh();
                }
                SkipWhiteSpace();
                a.Value = TextToInt(a.Name);
                if (Ch == '%') {
                    a.Name += QLatin1Char('%');
                    GetCh();
                }
            } else {
                while (Ch != ' ' && Ch != CR && Ch != EofCh && Ch != '>') {
                    a.Name += QChar(LCh);
                    GetCh();
                }
            }
        }
        if (keep)
            Attributes.add(std::move(a));
    }
}
