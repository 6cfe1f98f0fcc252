#pragma once
// The checkup: what a visitor, a phone or a screen reader will meet on the
// page, one plain sentence per finding. It only tells; it never stops the
// user from saving or sending.

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;
class TPage;
struct TPageReadOutcome;
struct TStyleChunk;

struct TCheckFinding {
    int Block = -1;  // the block the finding is about (its index); -1 the whole page
    QString Text;    // one sentence, translated
};

// The least contrast text and links need against their background.
inline constexpr double kMinContrast = 4.5;
// A page heavier than this with its pictures loads slowly on a phone.
inline constexpr qint64 kHeavyPageBytes = 2 * 1024 * 1024;

// The contrast ratio of two colours given as 0x00BBGGRR (1 to 21).
double ContrastRatio(quint32 a, quint32 b);

// The average colour (0x00BBGGRR) of a picture file; nothing when the
// picture does not load.
bool AverageColour(const QString& file, quint32& colour);

// The findings for `page` as it goes out with `style` (null: none).
// `pageFile` is the page's HTML file: pictures, local links and the style's
// background picture are found from its folder (ResolveReference), and
// nothing outside it is read. Linear in the blocks; each picture file is
// read once, its header only.
QList<TCheckFinding> CheckPage(const TPage& page, const TStyleChunk* style, const QString& pageFile);

// The page's HTML file for a document, where the upload takes it from: in
// the HTML folder, under the document's name with ".html".
QString CheckedPageFile(const QString& document);

// The findings for a saved document as it goes out: read as Open reads it,
// with its stored style from the program folder's Styles.data. `read`
// tells how the reading went; nothing is found in a file that is no page.
QList<TCheckFinding> CheckDocument(const QString& document, TPageReadOutcome& read);

// `tarvo --check DOCUMENT`: the findings, one line each on `out`; exit
// status 0 when there is none, 10 when there are, 1 on misuse, 2 when the
// document cannot be read.
int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);
