#pragma once
// The page document (.tve) and template (.tvt) file: one binary format of a
// fixed header, the version, the style name, the title and the blocks in
// page order, closed by an end marker and a trailer. Version "1.03" holds
// its strings in Windows-1252 and is written whenever every string fits
// that; otherwise the file is version "1.04", the same layout with UTF-8
// strings (a reader of 1.03 opens it with the wrong letters outside ASCII,
// but opens it). After the trailer may stand the page options: the text
// kPageOptionsTag, an int32 count N and N bytes, the first of which holds
// flags (kOptionFitPhone, kOptionReadable); on a page with a language the
// flags are followed by the language and the description, each as a string
// of UTF-8 (int32 length, bytes). A page with a chosen icon or a decoration
// picture adds the icon's file (a string, empty for the title's letter),
// an int32 count and that many int32 places of decoration pictures among
// the blocks (0 the first); the language and description stand before
// them then, empty on a page without a language. Readers that know only
// the fields before stop there. The options are written only when one is on, so
// a page with every option off is the very file earlier versions wrote;
// readers of those versions stop at the trailer and open the page without
// them. A missing, cut off or unknown options section reads as every
// option off and is no fault. Beside every file
// written lies its snapshot picture, "<document>.bmp" (196 x 229), which the
// gallery shows.

#include "app/BinaryIO.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class TPage;
class QIODevice;
struct TWebChunk;

inline const QByteArray kPageFileHeader = QByteArrayLiteral("Tarvo File");
inline const QByteArray kPageFileVersion = QByteArrayLiteral("1.03");
inline const QByteArray kPageFileVersionUtf8 = QByteArrayLiteral("1.04");
inline constexpr int kUtf8MinorVersion = 4;
inline const QByteArray kPageFileTrailer = QByteArrayLiteral("End of Tarvo File >=)");
inline constexpr int kEndMarkerKind = -1;  // written after the marker value 4
inline const QByteArray kPageOptionsTag = QByteArrayLiteral("Page options");
inline constexpr quint8 kOptionFitPhone = 0x01;  // TPage::FitPhone
inline constexpr quint8 kOptionReadable = 0x02;  // TPage::ReadableLayout
inline constexpr quint8 kOptionSiteMenu = 0x04;  // TPage::ShowSiteMenu
inline constexpr int kSnapshotWidth = 196;
inline constexpr int kSnapshotHeight = 229;

// The snapshot's file: the document's full path with ".bmp" appended.
QString SnapshotPath(const QString& documentPath);

// ---- Writing ----------------------------------------------------------------

// One block: its kind as int32, then its fields in file order. A chunk that
// lacks the record of its kind is written with that kind's defaults.
// Returns false when a string did not fit `coding` (see WriteStr).
bool WriteChunk(QIODevice& dev, const TWebChunk& chunk, TStrCoding coding = TStrCoding::Ansi);

// The whole document as bytes. `styleName` is the text of the selected item
// of the style list box ("[None]" for no style). Chunks of a kind outside
// 0..5 cannot be read back and are left out.
QByteArray PageFileBytes(const TPage& page, const QString& styleName);

// Writes the document and its snapshot (a null `snapshot` is replaced by the
// drawn miniature of CapturePageSnapshot). Both go to temporary files in the
// target folder first and are renamed over the old files only when complete,
// so after a failure the old document is as it was. Returns false on
// failure with a one-line message in `error` ("Cannot create file ...");
// the caller then keeps the page's old name and its changed flag.
bool WritePageFile(const QString& path, const TPage& page, const QString& styleName, const QImage& snapshot,
                   QString* error = nullptr);

// ---- Reading ----------------------------------------------------------------

// Where a read stands; kept per read (each read starts at lsReading).
enum TLoadStatus : int {
    lsReading = 0,       // no fault (also the status of a complete read)
    lsEndMarker = 3,     // the end marker came before N blocks
    lsUnknownBlock = 4,  // a block kind outside 0..5
    lsTruncated = 5,     // the file ended early or held an impossible text length
};

enum class TPageReadResult {
    Ok,
    Unreadable,  // missing, a folder, or cannot be opened
    NotAPage,    // wrong header, version characters that are not digits, major version other than 1
    Damaged,     // the blocks read before the damage are kept
};

enum class TPageReadFault {
    None,
    CannotOpen,
    BadHeader,
    BadVersionText,
    WrongMajorVersion,
    EndMarkerEarly,
    UnknownBlock,
    Truncated,
    StringPastEnd,
    StringTooLong,
};

struct TPageReadOutcome {
    TPageReadResult Result = TPageReadResult::Ok;
    TPageReadFault Fault = TPageReadFault::None;
    TLoadStatus LoadStatus = lsReading;
    int MajorVersion = -1;  // -1 until the version is read
    int MinorVersion = -1;
    bool HasStyleName = false;  // minor version 1 and later store the style
    QString StyleName;
    bool HasTitle = false;  // minor version 3 and later store the title
    int BlockCount = 0;     // N as stored
    int BlocksRead = 0;     // blocks appended to the page
    QString Message;        // one line for the user; empty when Ok
};

// Reads one block after its kind. Returns null and sets `status` at the end
// marker (kind -1), an unknown kind, or a fault of the reader; `kind` gets
// the kind code read.
std::unique_ptr<TWebChunk> ReadChunk(TBinReader& in, TLoadStatus& status, qint32* kind = nullptr);

// Reads a document into `page`, which the caller has cleared: sets
// PageTitle when the file stores one, FitPhone, ReadableLayout, Language
// and Description as the options say (off and empty without them) and
// appends the blocks to WebChunks,
// calling `chunkLoaded(index)` right after each is appended. Never reads
// past the end of the file or allocates more than it holds.
//
// How the window applies the outcome (inside its FillingPanel guard):
//   - select "[None]" first; if HasStyleName, select the item
//     StyleListBoxIndex(StyleList, StyleName) when it is not -1;
//   - show page.PageTitle in txtTitle;
//   - in chunkLoaded call LoadChunk(index, false) (canvas row, picture
//     holder, scroll bar);
//   - for Fault == BadVersionText show Message; the other outcomes are
//     silent in the window, as they always were (the page holds what was read).
TPageReadOutcome ReadPageFile(const QString& path, TPage& page,
                              const std::function<void(int index)>& chunkLoaded = {});

// The snapshot beside a document, for the gallery: a null image unless the
// document's header matches, its major version is 1 and the picture loads.
QImage ReadThumbnail(const QString& path);

// ---- Snapshot -----------------------------------------------------------------

// The page's snapshot, 196 x 229: `rendering` (the viewer's picture of the
// page) stretched to that size, or, when it is null, a drawn miniature of the
// page (its title and a little picture per block in page order).
QImage CapturePageSnapshot(const TPage& page, const QImage& rendering = QImage());
