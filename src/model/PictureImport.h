#pragma once
// Pictures chosen for a page: what a picture file holds, whether it is
// larger than the web needs, and its copy into one of the page folders
// ("graphics" for Image blocks, "backgrnd" for style backgrounds).
//
// A copy never replaces a file: a different picture whose name is taken
// gets a new name, the same bytes are reused, and the chosen original is
// only ever read. No widgets here; the question to the user is
// PictureQuestion.h.

#include <QByteArray>
#include <QSize>
#include <QString>

// Web-sized: at most this many pixels wide and high ...
inline constexpr int kWebMaxSide = 1600;
// ... and a picture heavier than this is worth a smaller copy.
inline constexpr qint64 kWebMaxBytes = 500 * 1024;
// JPEG quality of a web-sized photo (0..100).
inline constexpr int kWebJpegQuality = 85;

struct TPictureFacts {
    bool readable = false;  // a picture format this program reads
    QByteArray format;      // "jpeg", "png", "gif", "bmp", "webp", ... from the content
    QSize size;             // in pixels, the way up it is shown (EXIF orientation applied)
    qint64 bytes = 0;       // size of the file
    bool animated = false;  // more than one frame
    bool turned = false;    // stored turned or mirrored, with an orientation tag to show it upright
};

// What `file` holds, read from its header (nothing is decoded).
TPictureFacts ReadPictureFacts(const QString& file);

// JPEG, PNG and GIF: shown by every browser and by the viewer as they are.
bool IsWebFormat(const QByteArray& format);

// Wider or higher than kWebMaxSide, or heavier than kWebMaxBytes; an
// animation is left as it is.
bool LargerThanWebNeeds(const TPictureFacts& facts);

enum class TPictureCopy {
    Original,  // the file's own bytes (a format the web cannot show is still converted)
    WebSized,  // scaled to kWebMaxSide, upright, re-encoded without metadata
};

struct TImportedPicture {
    bool ok = false;
    QString name;             // file name of the copy in the folder
    QString path;             // its full path
    QSize size;               // its size in pixels, upright; invalid when unreadable
    qint64 originalBytes = 0;  // size of the chosen file
    qint64 bytes = 0;         // size of the copy
    bool webSized = false;    // made smaller or re-encoded for the web
    bool converted = false;   // written in another format than the original's
    bool reused = false;      // a file with these very bytes was there already
};

// Puts the picture `source` into `folder` as `name` (the caller's naming
// rule; the extension follows the format when it is converted), or under
// "name-2.ext", "name-3.ext", ... when that name is taken by other bytes.
// A file that is no readable picture is copied as it is.
TImportedPicture ImportPicture(const QString& source, const QString& folder, const QString& name,
                               TPictureCopy how);

// The filters of the picture dialogs: every picture this program can read
// first, then JPEG, PNG, GIF and the other formats one by one.
QString PictureDialogFilters();

// "820 bytes", "312 KB", "6.1 MB".
QString DescribeBytes(qint64 bytes);
// "1600 × 1200 pixels, 312 KB".
QString DescribePicture(const QSize& size, qint64 bytes);

// A picture reference as the Image panel shows it: with "/" between the
// folders, whatever form the page stores ("graphics\photo.jpg" shows as
// "graphics/photo.jpg").
QString ShownPictureReference(const QString& stored);
// The reference to store for `shown`, the text of the panel: `stored` as it
// is when the shown text is its own; otherwise a relative reference with
// the page's "\" between folders, an address or absolute path as typed.
QString StoredPictureReference(const QString& shown, const QString& stored);

// The file a page's picture reference names ("graphics\photo.jpg",
// relative to the page's folder `pageFolder`); empty when it would lie
// outside that folder.
QString PicturePathInFolder(const QString& pageFolder, const QString& reference);
