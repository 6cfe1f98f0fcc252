#pragma once
// The user's named page styles and their file "Styles.data" in the program
// folder: a signed int32 count, then per style seven strings (name,
// background image, and the five colours as text). A string that
// Windows-1252 cannot hold is stored as a UTF-8 byte-order mark and UTF-8.

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// One style. Colours are held as 0x00BBGGRR (red in the low byte).
struct TStyleChunk {
    QString StyleName;   // any text; names need not be unique
    QString BackImage;   // relative to the HTML folder, with "\" (backgrnd\sky.jpg); empty: none
    quint32 BackColor = 0x00FFFFFF;
    quint32 TextColor = 0x00000000;
    quint32 LinkColor = 0x00FF0000;
    quint32 ALinkColor = 0x000000FF;
    quint32 VLinkColor = 0x00800080;
};

// The ordered list of styles, in file order; it owns its records.
using TStyleList = std::vector<std::unique_ptr<TStyleChunk>>;

// The text of the style list box's first item, which stands for no style.
inline const QString kNoStyleName = QStringLiteral("[None]");

// JoinPath(AppDir(), "Styles.data").
QString StylesDataPath();

// Empties `list` and fills it from the file, keeping file order. A missing
// or unreadable file, or a count of 0 or less, leaves it empty; a file that
// ends inside a record (or holds a colour that is no colour) keeps the
// records before it. Returns true when every counted record was read.
bool LoadStyleList(const QString& path, TStyleList& list);

// Writes the count and every record in list order. The file is written under
// a temporary name in the same folder and renamed over the old one, so a
// failure leaves the old file as it was. Returns false on failure, with a
// one-line reason in `error` when given.
bool WriteStylesToFile(const QString& path, const TStyleList& list, QString* error = nullptr);

// A deep copy, for the style wizard's working list.
TStyleList CopyStyleList(const TStyleList& list);

// The index in the style list box (0 "[None]", i the style list's entry i-1)
// of the first item whose text equals `text` without regard to letter case;
// -1 when there is none (after the style wizard the window then selects
// item 0; the document reader leaves "[None]" selected).
int StyleListBoxIndex(const TStyleList& list, const QString& text);
// The style of a list box item: null for item 0 ("[None]") and for an index
// outside the list.
const TStyleChunk* StyleForListBoxIndex(const TStyleList& list, int index);

// A colour as written in the file: its name when the value has one
// ("clSilver", "clBtnFace", "clNone"), else "$" and eight upper-case
// hexadecimal digits.
QString ColorToText(quint32 color);
// A colour read back from the file: a name (letter case ignored), "$" and
// hexadecimal digits, or a decimal integer. Nothing for any other text.
std::optional<quint32> ColorFromText(const QString& text);
