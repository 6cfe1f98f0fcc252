#pragma once
// Small stateless helpers for paths, strings, HTML attributes and colours
// that every part of the program shares. Positions are 1-based and counts
// are in characters, as the callers expect.

#include <QString>
#include <QtGlobal>

class QLabel;
class QPainter;
class QPixmap;
class QWidget;

// The line break of every generated text.
inline const QString CRLF = QStringLiteral("\r\n");

// The platform's path separator as a character ("/" here, "\" on Windows).
QChar PathSep();

// folder + separator + name, dropping one leading separator of the name and
// not doubling one at the end of the folder.
QString JoinPath(const QString& folder, const QString& name);
// base + "/" + name unless base already ends with "/".
QString JoinURL(const QString& base, const QString& name);
// Everything before the last "." (the search does not stop at folders).
QString StripExtension(const QString& fileName);
// The system's temporary folder, with a trailing separator.
QString GetTempFolder();
// A folder only this user can write, for the temporary files Tarvo hands to
// other programs: the per-user runtime folder where the desktop provides
// one, else a private folder made for this run (removed at exit). Empty
// when neither can be had.
QString PrivateTempFolder();
// The redirect page the browser is sent through, in the private folder.
QString PreviewFileName();
// `target` as seen from the folder of `baseFile`, with ".." steps.
QString RelativePath(const QString& baseFile, const QString& target);
// A file reference taken from a page, resolved against the page's folder:
// the file it names inside that folder (or a folder below it), or a
// refusal with its reason. Absolute paths, drive letters, "file:" URLs and
// references that climb out of the folder are refused, so a page never
// reaches the user's other files.
struct TResolvedReference {
    QString Local;    // full local path ("" when refused)
    QString Inside;   // the path below the page's folder, with "/" separators
    QString Refusal;  // why it is refused ("" when it is not)
    bool Refused() const { return !Refusal.isEmpty(); }
};
TResolvedReference ResolveReference(const QString& baseFile, const QString& reference);
// Copies `from` over `to`, replacing a file of that name. The copy is made
// beside the target first, so a failed copy leaves an existing file as it
// was. True on success.
bool ReplaceFileWithCopy(const QString& from, const QString& to);
// The HTML file's whole text, decoded as the viewer decodes it (a
// byte-order mark, a declared charset, else UTF-8 when valid and
// Windows-1252 otherwise), with every line ending in CR LF; the target is
// left alone when the file does not exist.
void LoadFileText(const QString& fileName, QString& target);

QString MidStr(const QString& text, int start, int count);
QString LeftStr(const QString& text, int count);
QString RightStr(const QString& text, int count);
QString DropRight(const QString& text, int count);
// Position of the last `part` starting at or before `start` (0: as late as
// it can start); 0 when there is none.
int LastPos(int start, const QString& text, const QString& part);

// Replaces every occurrence, left to right, never searching the inserted
// text again. Case-sensitive.
QString ReplaceAll(const QString& text, const QString& part, const QString& replacement);
// The same without regard to letter case.
QString ReplaceAllNoCase(const QString& text, const QString& part, const QString& replacement);
// Trims spaces; removes a leading double quote with the last character,
// then a trailing double quote.
QString StripQuotes(const QString& text);
// The value of attribute `name` in the text of one HTML tag, or "".
QString GetTagAttribute(const QString& tagText, const QString& name);
// The value of the first "name=" (letter case ignored) in `text` at or
// after `from`, read as GetTagAttribute reads it; `next` receives where
// the value ends (the text's size when there is none), so that a caller
// can walk every one in a page in time linear in its size.
QString TagAttributeFrom(QStringView text, const QString& name, qsizetype from, qsizetype* next);
// "RRGGBB" from a colour held as 0x00BBGGRR.
QString ColorToHTML(quint32 color);

// Windows-1252, the text of the files of earlier versions. ToAnsi is only
// for text that FitsAnsi: a character without a byte becomes "?".
bool FitsAnsi(QStringView text);
QByteArray ToAnsi(const QString& text);
QString FromAnsi(const QByteArray& bytes);

// Text kept in a format that has no version of its own (the strings of
// Styles.data, the scrambled password): Windows-1252 when every character
// fits, as earlier versions wrote it; otherwise a UTF-8 byte-order mark and
// UTF-8, which earlier versions read as three odd characters and the rest.
QByteArray ToStoredText(const QString& text);
QString FromStoredText(const QByteArray& bytes);

// A picture's file name as the page refers to it: "\" becomes "/", and
// every character outside ASCII becomes the percent escapes of its UTF-8
// bytes, the name a web server finds the file under ("graphics\café.png"
// gives "graphics/caf%C3%A9.png"). ASCII names stay as they are.
QString ReferenceForFile(const QString& fileName);

// Widens `label` to its text where the interface's language needs more room
// than the form gives it, and moves `field` (the control it names, on its
// right) along by as much, keeping the field's right edge.
void FitLabelBeforeField(QLabel* label, QWidget* field);
