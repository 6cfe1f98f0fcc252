#pragma once
// Small editors of the page text that work in place, so they also act on
// HTML the user has edited by hand: the style's BODY start tag, the TITLE
// element and the logo line. All searches are case-sensitive, as the
// generator writes its tags in upper case.

#include <QString>

struct TStyleChunk;

// Replaces the first `startMark` and everything up to and including the
// first `endMark` after it with `newPart`. Without a start mark the text
// comes back unchanged; without an end mark after it, nothing after
// `newPart` is kept.
QString ReplaceBetween(const QString& text, const QString& startMark, const QString& endMark,
                       const QString& newPart);

// The BODY start tag of a style followed by CR LF: BACKGROUND first (lower
// case, "/" separators) when the style has an image, then BGCOLOR, TEXT,
// LINK, ALINK and VLINK as "#RRGGBB".
QString BuildBodyWithStyle(const TStyleChunk& style);

// The one-line BODY tag for a selection: "<BODY>" for no style (null),
// else BuildBodyWithStyle without its line break.
QString BodyTagFor(const TStyleChunk* style);

// The page text with its first "<BODY" ... ">" replaced by BodyTagFor(style);
// the line break after the old tag stays. A text without "<BODY", or without
// a ">" after it, comes back unchanged.
//
// The window's handler: with no list box item selected, do nothing; else
// call this with null for item 0 and &StyleList[item-1] otherwise, write the
// result into the editor with HTMLUpdating set, and refresh the preview
// unless the call comes from the refresh itself (RoverBusy).
QString AddBodyDef(const QString& text, const TStyleChunk* style);

// The page text with its TITLE element holding `title` (as the element
// holds it: TitleElementText), and its social card's title, when it has
// one, the same; a text without
// "<TITLE>", or without "</TITLE>" after it, comes back unchanged.
QString ReplaceTitle(const QString& text, const QString& title);

// The logo line put in right before "</BODY>"; the end of the body and of
// the page are rewritten as the generator writes them and any text after
// "</HTML>" stays. A text without "</BODY>" comes back unchanged; one without
// "</HTML>" after it gets the logo line and keeps the rest as it stands.
//
// The window's logo box handler: write InsertLogo or RemoveLogo of the
// editor's text with HTMLUpdating set, then save the editor's text to the
// page's HTML file (also when the text did not change); PageChanged stays.
QString InsertLogo(const QString& text);
// The text with the first logo line exactly as generated taken out (its line
// break stays); a logo line edited by hand is left alone.
QString RemoveLogo(const QString& text);
