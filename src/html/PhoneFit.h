#pragma once
// The head lines of a page that fits phone screens ("Fit phone screens"):
// a viewport declaration, so a phone lays the page out at its own width
// instead of a desktop window's and shrinking it, and a small style block
// that keeps pictures within the screen's width (scaled down, never up)
// and lets long words and addresses wrap instead of widening the page.
// The style rules sit in an HTML comment, so browsers without style
// sheets (the program's own viewer among them) skip them as text.
//
// On a desktop browser the page looks as without them: a picture keeps its
// stated size unless the window is narrower than the picture, and then
// keeps its proportions.

#include <QString>

inline const QString kViewportMetaLine =
    QStringLiteral("<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">");

// The lines the generator puts right before "</HEAD>", joined by CR LF,
// without a line break after the last.
QString PhoneFitLines();
// The lines as earlier versions wrote them, which kept a stated HEIGHT on
// windows wider than 800 pixels and so squashed a scaled picture there.
QString OldPhoneFitLines();

// The page with PhoneFitLines() and a CR LF put before its "</HEAD>" (the
// generator's mark, letter case as written), unless it holds them already
// or has no such mark; OldPhoneFitLines in it are replaced by them.
QString WithPhoneFit(const QString& html);
// The page without those lines (or the old ones) and their line break,
// when it holds them exactly as written; otherwise as it is.
QString WithoutPhoneFit(const QString& html);
