#pragma once
// The head of a page written in standards mode (a page with a language):
// the doctype, the language, the character set first in the head, the
// program's real version, the page's description, an icon drawn from the
// title's first letter, the social-card lines, and the readable layout's
// style block. A page without a language is written as it always was.

#include <QColor>
#include <QString>
#include <vector>

class TPage;

// A page language: its tag ("pl") and its name in itself ("Polski").
struct TPageLanguage {
    const char* tag;
    const char* name;
};
// The common languages, by their own names in alphabetical order.
const std::vector<TPageLanguage>& PageLanguages();

// The most characters a description may have.
inline constexpr int kDescriptionMaxLength = 160;

// The text with its tags taken out, its character references read and its
// white space made single spaces, trimmed: what a reader sees of a field.
QString PlainTextOf(const QString& html);
// The text made safe inside a double-quoted attribute: &, " and < as
// character references.
QString AttributeText(const QString& text);

// The page's description: its Description when it has one, else the first
// sentence of its first paragraph with words in it; at most
// kDescriptionMaxLength characters, cut at a word when longer. Empty for a
// page without a paragraph.
QString PageDescription(const TPage& page);

// The icon line: an SVG picture in the page itself (a data address, so
// nothing more is sent and no browser asks the server for an icon that is
// not there) of the title's first letter in `text` on `background`; a
// title without a letter or digit gives a plain square.
QString IconLink(const QString& title, const QColor& background, const QColor& text);
// The start that marks an icon line written by IconLink.
inline const QString kIconLinkStart = QStringLiteral("<LINK REL=\"icon\" HREF=\"data:image/svg+xml,");

// The icon's colours on a page without a style: white on dark blue.
inline const QColor kDefaultIconBackground = QColor(0x1F, 0x4E, 0x79);
inline const QColor kDefaultIconText = QColor(0xFF, 0xFF, 0xFF);

// The readable layout's style block, its lines joined by CR LF without a
// line break after the last: the text in a centred column of about 42 em
// with a little padding, the system's sans-serif font, a line height of
// 1.5, headings and paragraphs spaced for reading, and pictures that never
// exceed the column. Colours and backgrounds are left to the page's style.
QString ReadableLayoutLines();

// The lines between "<HEAD>" and the phone lines of a standards page, each
// followed by CR LF: the charset, the title, the generator, the
// description, the icon (in `background` and `text`), and the social card
// (title, description, and the first picture when there is one).
QString StandardsHeadLines(const TPage& page, const QColor& background, const QColor& text);
