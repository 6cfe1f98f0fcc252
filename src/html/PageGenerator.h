#pragma once
// The page's HTML text made from its blocks: one emitter per block kind and
// the page assembly around them. Field values go into the text as they
// stand (nothing is escaped), so a user may type markup into any field.

#include <QString>

class TPage;
struct TWebChunk;

// The address of the maker's web site that the logo links to.
inline const QString kMakerSiteURL = QStringLiteral("http://www.tarvo.example/");
// The logo text: the anchor to the maker's site around the button picture.
// The generator writes it, and the logo box of the View stage inserts and
// removes exactly this text, so both must use this one constant.
extern const QString kLogoText;
// The whole logo line without its line break: "<CENTER>" + kLogoText + "</CENTER>".
QString LogoLine();

// "Left", "Center" or "Right" for the codes 1, 2 and 3; "" for any other.
QString AlignName(int code);

// Runs the emitter for the chunk's kind and stores the result in its HTML
// field. A kind outside 0..5, or a chunk without the record of its kind,
// leaves the field as it was.
void BuildBlockHTML(TWebChunk& chunk);

// The whole page: head with the page title (and the phone lines of
// PhoneFitLines when the page's FitPhone is on), a bare BODY tag, every block's
// text followed by one extra CR LF, the logo line when `withLogo`, and the
// closing tags. A page with any character outside ASCII says in its head
// that it is UTF-8 (DeclareUtf8). A picture's file name is written as
// ReferenceForFile gives it. Rewrites the HTML field of every chunk and
// nothing else.
QString BuildPageHTML(TPage& page, bool withLogo);
