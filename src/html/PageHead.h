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
// The text made safe inside a double-quoted attribute: &, ", < and > as
// character references.
QString AttributeText(const QString& text);
// A field as typed (an address, a file name) made safe inside a
// double-quoted attribute: ", < and > as character references, and every &
// that does not start one ("&amp;", "&#233;") as "&amp;".
QString AttributeMarkup(const QString& value);

// A picture's file as a standards page refers to it inside a
// double-quoted attribute: ReferenceForFile with ", <, > and & written as
// %22, %3C, %3E and %26, which the browser, the viewer and the upload all
// read back as the file's own name.
QString AttributeFileReference(const QString& fileName);

// What the page's TITLE element holds: on a standards page the title as
// typed (a title from the first heading as a reader sees it, PlainTextOf)
// with &, < and > as character references; on a page written before the
// title as it always was, with only < and > as references. No title can
// end the element.
QString TitleElementText(const TPage& page);

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
// The icon line of a chosen picture, a file of the page's folders as a
// picture block names it: sent with the page like its pictures.
QString ChosenIconLink(const QString& file);
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
// description, the icon (the chosen picture, or the letter in `background`
// and `text`), and the social card: title, description, and, when the
// folder's address on the web is given (an absolute http or https
// address), the first picture that is not decoration at its address
// there. A card's picture must be an absolute address, so without one the
// card has no picture.
QString StandardsHeadLines(const TPage& page, const QColor& background, const QColor& text,
                           const QString& webAddress = QString());
