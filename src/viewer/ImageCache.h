#pragma once
// Decoded pictures shared by name, and the loading of picture files.
//
// A picture that has a mask is kept twice: as decoded (MImage) with its
// monochrome mask, and composed (Shown: the masked pixels see-through),
// which is what the document draws.

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <memory>

// Transparency of a cached picture.
enum TTransp { TrNone = 0, TrBottomLeft = 1, TrColor = 2 };

struct TBitmapItem {
    int AccessCount = 0;  // loads since it was last used
    int Transp = TrNone;
    QImage MImage;        // as decoded
    QImage Mask;          // Format_Mono, 1 where the picture is see-through; null: none
    QImage Shown;         // MImage with the mask applied (MImage when no mask)
    quint64 Document = 0; // the document whose budget counts it
    // Decoded pixels it holds: the picture, and its composed copy if any.
    qint64 Pixels() const;
};

// The owner's picture source: given the name as written, it may set
// `bitmap` and a transparent `color` (invalid: none).
using TGetBitmapFn = std::function<void(const QString& src, QImage& bitmap, QColor& color)>;

class TStringBitmapList {
public:
    static constexpr int DefaultMaxUsage = 4;
    // Decoded pixels the pictures of one document may take together; the
    // pictures past it stand in as not obtained, so that a page naming
    // large pictures many times cannot take the machine's memory.
    static constexpr qint64 DefaultPixelBudget = 100'000'000;

    // The cache key of a picture the owner's source gives: the name as
    // written, trimmed and upper-cased.
    static QString Key(const QString& name) { return name.trimmed().toUpper(); }
    // The cache key of a picture file: its real path, every "." and link
    // resolved, so that every spelling of one file is one entry; "" when
    // there is no such file.
    static QString FileKey(const QString& fileName);

    // Finds or obtains a picture. `transparent`: in, 1 asks for a mask made
    // from the bottom-left pixel; out, 2 when the colour came from the owner
    // or the GIF file. `request` (may be empty) is asked in place of the
    // file, by the name as written; otherwise `expand` turns the name into
    // a file name, and the file is the entry. Null when none was obtained,
    // or when the picture would take the document past its pixel budget.
    QImage GetTheBitmap(const QString& name, int& transparent, const TGetBitmapFn& request,
                        const std::function<QString(const QString&)>& expand);

    // A new document is loaded: ages every item by one load, drops those
    // unused for too long, and starts the pixel budget afresh.
    void PurgeCache();
    // Drops the items older than `n` loads and keeps that as the limit.
    void SetCacheCount(int n);
    int MaxUsage() const { return maxUsage_; }
    int count() const { return int(items_.size()); }
    // The entry of a file name, or of a name the owner's source gave.
    const TBitmapItem* find(const QString& name) const;
    void clear() { items_.clear(); }
    int decodes() const { return decodes_; }  // files decoded so far

    void SetPixelBudget(qint64 pixels) { budget_ = pixels; }
    // Pixels the current document's pictures take.
    qint64 PixelsInUse() const { return used_; }
    // True once per document, when a picture was first left out for the
    // budget: the owner then tells the user (BudgetMessage).
    bool TakeBudgetNote();
    static QString BudgetMessage();

private:
    // Counts `item` for the current document; false when it does not fit.
    bool Admit(TBitmapItem& item);

    std::map<QString, std::unique_ptr<TBitmapItem>> items_;
    int maxUsage_ = DefaultMaxUsage;
    int decodes_ = 0;
    qint64 budget_ = DefaultPixelBudget;
    qint64 used_ = 0;
    quint64 document_ = 1;
    bool refused_ = false, noted_ = false;
};

// Loads a picture file by its extension (.bmp .gif .png .jpg .jpeg);
// null for any other, a missing file or a broken one.
QImage LoadImage(const QString& fileName);
// LoadImage with transparency: `transparent` 1 makes a mask from the
// bottom-left pixel; a GIF file with a transparent colour sets it to 2 and
// masks that colour. A transparent picture whose mask cannot be made is
// null. `mask` receives the mask (null when none).
QImage LoadImageWithMask(const QString& fileName, int& transparent, QImage& mask);
// The transparent colour of a GIF89 file from its first bytes; invalid
// when none.
QColor GifTransparentColor(const QByteArray& head);
// A monochrome mask: 1 where `image` has `color` (invalid: its bottom-left
// pixel's colour).
QImage MakeMask(const QImage& image, QColor color = QColor());
// `image` with the masked pixels made see-through.
QImage ApplyMask(const QImage& image, const QImage& mask);

// The stand-in pictures: 1001 for a picture not obtained, 1002 for every
// picture while pictures are switched off.
enum { PictureNotObtained = 1001, PictureImagesOff = 1002 };
const QImage& ViewerPlaceholder(int id);
