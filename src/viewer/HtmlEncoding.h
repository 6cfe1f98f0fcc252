#pragma once
// The character encoding of an HTML file's bytes, found the way a browser
// finds it, and the file names that percent-escaped references stand for.

#include <QByteArray>
#include <QString>

// The charset a META tag near the start of the page declares
// ("<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=utf-8">" or
// "<meta charset=utf-8>"), in lower case; "" when there is none. Only the
// first kCharsetScanLength characters are looked at. `at`, when given, gets
// the position of the name in `text`.
inline constexpr qsizetype kCharsetScanLength = 4096;
QString DeclaredCharset(QStringView text, qsizetype* at = nullptr);

// The same for the page's bytes (the start of a page is ASCII in every
// charset this reads).
QString DeclaredCharset(const QByteArray& bytes);

// True for the names of Windows-1252 and of the charsets that browsers read
// as Windows-1252 (iso-8859-1, latin1, us-ascii, ...).
bool IsWindows1252Name(const QString& charset);
bool IsUtf8Name(const QString& charset);

// The page's text: a byte-order mark (UTF-8, UTF-16) decides first, then a
// declared charset this can read (UTF-8, UTF-16, Windows-1252 and its
// aliases), then the bytes themselves: UTF-8 when they are valid UTF-8,
// Windows-1252 otherwise.
QString DecodeHtmlBytes(const QByteArray& bytes);

// A reference with its percent escapes decoded as UTF-8
// ("graphics/caf%C3%A9.png" gives "graphics/café.png"), so that it names the
// file a web server would serve for it. A reference without escapes, or
// whose escapes do not spell UTF-8, is returned as written.
QString FileNameOfReference(const QString& reference);
