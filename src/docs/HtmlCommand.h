#pragma once
// `tarvo --html DOCUMENT [--no-logo] [-o FILE]`: the page's HTML as the
// preview stage would hold it, without opening a window.

#include "docs/PageFile.h"

#include <QStringList>

class QIODevice;
class QTextStream;

// Exit statuses.
enum THtmlCommandStatus : int {
    hcOk = 0,
    hcUsage = 1,
    hcUnreadable = 2,  // the document (or the output file) cannot be read or written
    // A foreign or damaged file is a document that cannot be read, as the
    // other commands and the manual page count it: status 2 too. Nothing is
    // written for a foreign file; for a damaged one the HTML of the blocks
    // read before the damage is.
    hcNotAPage = 2,
    hcDamaged = 2,
};

// `args` are the program's arguments after its own name, starting with
// "--html". Opens the document as Open would (logo on unless --no-logo; the
// stored style looked up in the program folder's Styles.data), builds the
// page, puts the style's BODY tag in, and writes the bytes (Windows-1252,
// CR LF, nothing added) to `out` or to FILE. Messages go to `err`, one line
// each. Needs no GUI.
int RunHtmlCommand(const QStringList& args, QIODevice& out, QTextStream& err);

// The page's HTML as `--html` prints it: the document read as Open reads it,
// the page built (with the logo when `logo`), the stored style's BODY tag
// put in. `read` tells how the reading went; the text is empty when the
// document could not be read as a page.
QString PageHtmlOfDocument(const QString& document, bool logo, TPageReadOutcome& read);
