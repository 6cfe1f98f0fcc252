#pragma once
// The page's HTML text made from its blocks: one emitter per block kind and
// the page assembly around them. Text fields go into the text as they
// stand, so a user may type markup into any of them. The title never ends
// its element (TitleElementText), and on a standards page addresses and
// file names never end their attribute (AttributeMarkup).

#include <QString>

class TPage;
struct TWebChunk;

// The project's web address the logo links to, as the build was configured
// (TARVO_PROJECT_URL); empty, the default, for no link.
QString ProjectSiteURL();
// The logo text: the button picture with its words, inside a link to the
// project's site when the build names one. The generator writes it, and the
// logo box of the View stage inserts and removes exactly this text.
QString LogoText();
// The whole logo line without its line break: "<CENTER>" + LogoText() + "</CENTER>".
QString LogoLine();
// The logo line as versions before wrote it, a link to an address that does
// not answer around a picture without words: RemoveLogo takes it out too.
inline const QString kOldLogoLine = QStringLiteral(
    "<CENTER><BR><BR><A HREF=\"http://www.tarvo.example/\"><IMG SRC=\"graphics/button.gif\"></A></CENTER>");

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
//
// A page with a language (TPage::Standards) is written in standards mode:
// "<!DOCTYPE html>" first, its language on the HTML tag, the head of
// StandardsHeadLines (html/PageHead.h; the icon in the default colours
// until AddBodyDef gives it the style's), and every picture with its ALT
// text (empty when not given), its WIDTH and HEIGHT (read from the
// picture's file in `pictureFolder` when the block leaves them out) and,
// below the first screen, lazy loading.
QString BuildPageHTML(TPage& page, bool withLogo, const QString& pictureFolder = QString());
