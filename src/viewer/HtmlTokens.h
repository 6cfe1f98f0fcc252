#pragma once
// The HTML reader: characters (line ends folded, tabs made spaces,
// comments removed), then tokens (text runs, entities, tags with their
// attributes). It never rejects input; the only error it raises is an
// unterminated comment.

#include "viewer/HtmlCodes.h"
#include "viewer/HtmlTags.h"

#include <QColor>
#include <QString>
#include <QVarLengthArray>
#include <optional>
#include <stdexcept>
#include <vector>

// Tags the viewer knows, in the order of their table (HtmlTags.h). Each has
// a start symbol and, when the tag has an end form, an end symbol.
enum class Tag {
#define TARVO_TAG_ENUM(name, ...) name,
    TARVO_HTML_TAGS(TARVO_TAG_ENUM)
#undef TARVO_TAG_ENUM
    Count
};

// Token kinds. Tag symbols are TagBase + 2 * tag (+ 1 for the end form).
enum Sym : int { NoSy = 0, TextSy, OtherChar, EofSy, CommandSy /* unrecognised tag */, TagBase = 8 };
constexpr int S(Tag t) { return TagBase + 2 * int(t); }
constexpr int E(Tag t) { return TagBase + 2 * int(t) + 1; }
constexpr int SymCount = TagBase + 2 * int(Tag::Count);

enum class Attr {
    HREF, NAME, SRC, ALT, ALIGN, TEXT, BGCOLOR, LINK, BACKGROUND, COLSPAN, ROWSPAN, BORDER,
    CELLPADDING, CELLSPACING, VALIGN, WIDTH, START, VALUE, TYPE, CHECKBOX, RADIO, METHOD,
    ACTION, CHECKED, SIZE, MAXLENGTH, COLS, ROWS, MULTIPLE, SELECTED, FACE, COLOR, TRANSP,
    CLEAR, ISMAP, BORDERCOLOR, USEMAP, SHAPE, COORDS, NOHREF, HEIGHT, PLAIN,
    Unknown
};

struct TAttribute {
    Attr Which = Attr::Unknown;
    int Value = 0;   // the value as an integer (0 when it is not one)
    QString Name;    // the value text, case kept
};

class TAttributeList {
public:
    void clear() { items_.clear(); }
    void add(TAttribute a) { items_.push_back(std::move(a)); }
    // The first attribute with the wanted symbol.
    const TAttribute* find(Attr which) const;
    bool has(Attr which) const { return find(which) != nullptr; }
    const std::vector<TAttribute>& items() const { return items_; }

private:
    std::vector<TAttribute> items_;
};

struct THtmlParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Colour from a name (16 known) or RRGGBB hex, with or without one "#".
std::optional<QColor> ParseColor(const QString& value);
// "left", "center" or "right" on the first `significant` characters;
// anything else gives `def`.
TJustify ParseAlign(const QString& value, TJustify def, int significant = 10);
// "top", "middle" or "bottom"; anything else gives `def`.
TVAlign ParseVAlign(const QString& value, TVAlign def);
// Latin-1 character for an entity name (case-sensitive), or 0.
char16_t LookupEntity(const QString& name);
// The integer in text (optional sign, decimal digits), or 0 when the text
// is not one or does not fit.
int TextToInt(const QString& text);

class THtmlTokenizer {
public:
    static constexpr char16_t EofCh = 26;
    static constexpr char16_t CR = 13;

    // Reads `text` in place, so the text must outlive the tokenizer (a
    // temporary is refused).
    explicit THtmlTokenizer(const QString& text);
    explicit THtmlTokenizer(QString&&) = delete;

    // Current character, as read (LCh) and upper-cased (Ch).
    char16_t LCh = 0, Ch = 0;
    // Current token.
    int Sy = NoSy;
    QString Token;  // text run, entity result or the lone character
    int Value = 0;  // heading level of H1..H6
    TAttributeList Attributes;  // of the last tag that keeps attributes
    bool InPre = false;         // text runs keep spaces and line ends
    // Set when the input ended inside a comment. Reading then goes on as at
    // the end of input, so the token being read is still delivered.
    QString Error;

    void GetCh();
    void Next();
    void SkipWhiteSpace();
    // Reads an entity starting at the current "&" into Token.
    void DoAmpersand();
    // Reads a tag starting at the current "<" and sets Sy.
    void DoTag();

private:
    const QChar* src_;
    qsizetype len_;
    qsizetype pos_ = 0;
    char16_t pushBack_ = 0;
    bool havePushBack_ = false;
    QStringView readName();
    char16_t nameBuf_[150];               // scratch for tag and attribute names
    QVarLengthArray<char16_t, 256> value_;  // scratch for a quoted attribute value

    char16_t raw();
    char16_t nextRaw();
    void push(char16_t c) { pushBack_ = c; havePushBack_ = true; }
    void skipComment();
    void skipCommentBody();
    void readAttributes(bool keep, bool isTagH);
};
