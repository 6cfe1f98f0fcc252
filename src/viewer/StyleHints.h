#pragma once
// The little the viewer takes from a page's style sheets: it has no style
// engine and skips STYLE elements (pages wrap their rules in a comment), but
// a page that asks for pictures no wider than their place ("IMG {
// max-width: 100% }") gets them scaled down to the width it is shown at,
// and a page that sets its text in a column ("BODY { max-width: 42em }")
// is laid out in a column that wide, centred.

#include <QString>

// True when a STYLE element of `html` has a rule for IMG alone whose
// declarations include "max-width: 100%" (letter case and spaces aside).
bool AsksImagesWithinWidth(const QString& html);

// The width in em of the column a STYLE element's rule for BODY alone asks
// for ("max-width: 42em"); 0 when none does.
double AsksReadingColumn(const QString& html);

// Both, from one reading of the page.
struct TStyleHints {
    bool imagesWithinWidth = false;
    double readingColumnEms = 0;
};
TStyleHints ReadStyleHints(const QString& html);
