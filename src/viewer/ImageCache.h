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
};

// The owner's picture source: given the name as written, it may set
// `bitmap` and a transparent `color` (invalid: none).
using TGetBitmapFn = std::function<void(const QString& src, QImage& bitmap, QColor& color)>;

class TStringBitmapList {
public:
    static constexpr int DefaultMaxUsage = 4;

    // The cache key for a picture name: trimmed and upper-cased.
    static QString Key(const QString& name) { return name.trimmed().toUpper(); }

    // Finds or obtains a picture. `transparent`: in, 1 asks for a mask made
    // from the bottom-left pixel; out, 2 when the colour came from the owner
    // or the GIF file. `request` (may be empty) is asked before the file;
    // `expand` turns the name into a file name. Null when none was obtained.
    QImage GetTheBitmap(const QString& name, int& transparent, const TGetBitmapFn& request,
                        const std::function<QString(const QString&)>& expand);

    // Ages every item by one load and drops those unused for too long.
    void PurgeCache();
    // Drops the items older than `n` loads and keeps that as the limit.
    void SetCacheCount(int n);
    int MaxUsage() const { return maxUsage_; }
    int count() const { return int(items_.size()); }
    const TBitmapItem* find(const QString& name) const;
    void clear() { items_.clear(); }
    int decodes() const { return decodes_; }  // files decoded so far

private:
    std::map<QString, std::unique_ptr<TBitmapItem>> items_;
    int maxUsage_ = DefaultMaxUsage;
    int decodes_ = 0;
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
