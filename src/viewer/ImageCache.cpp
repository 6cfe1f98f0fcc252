#include "viewer/ImageCache.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {
// Pictures larger than this many pixels are refused rather than decoded:
// a broken or hostile header must not make the viewer allocate gigabytes.
constexpr qint64 kMaxPixels = 40'000'000;

QImage decode(const QString& fileName, const char* format) {
    QImageReader reader(fileName, format);
    reader.setDecideFormatFromContent(false);
    // Shown the way up the file asks for (EXIF orientation), as browsers do.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return QImage();
    QImage image;
    if (!reader.read(&image))
        return QImage();
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxPixels)
        return QImage();
    return image;
}
}  // namespace

QImage LoadImage(const QString& fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower().left(4);
    QImage image;
    if (ext == QLatin1String("bmp")) {
        image = decode(fileName, "bmp");
        if (image.isNull())  // let the reader guess, as a second chance
            image = decode(fileName, nullptr);
    } else if (ext == QLatin1String("gif")) {
        image = decode(fileName, "gif");
    } else if (ext == QLatin1String("png")) {
        image = decode(fileName, "png");
    } else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) {
        image = decode(fileName, "jpeg");
    }
    return image;
}

QColor GifTransparentColor(const QByteArray& head) {
    const int n = int(head.size());
    if (n < 13 || head[4] != '9')
        return QColor();
    const auto at = [&](int i) { return uchar(head[i]); };
    const int entries = 1 << ((at(10) & 7) + 1);
    const int ext = 13 + 3 * entries;  // the bytes right after the global table
    if (ext + 7 >= n || at(ext) != 0x21 || at(ext + 1) != 0xF9)
        return QColor();
    if (!(at(ext + 3) & 1))
        return QColor();
    const int index = at(ext + 6);
    if (index >= entries)
        return QColor();
    const int c = 13 + 3 * index;
    return QColor(at(c), at(c + 1), at(c + 2));
}

QImage MakeMask(const QImage& image, QColor color) {
    if (image.isNull())
        return QImage();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = (color.isValid() ? color.rgb() : rgb.pixel(0, rgb.height() - 1)) & 0xFFFFFF;
    QImage mask(rgb.size(), QImage::Format_Mono);
    if (mask.isNull())
        return QImage();
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    mask.fill(0);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                mask.setPixel(x, y, 1);
    }
    return mask;
}

QImage ApplyMask(const QImage& image, const QImage& mask) {
    if (mask.isNull() || mask.size() != image.size())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (mask.pixelIndex(x, y))
                line[x] = 0;
    }
    return out;
}

QImage LoadImageWithMask(const QString& fileName, int& transparent, QImage& mask) {
    mask = QImage();
    if (!QFileInfo(fileName).isFile())
        return QImage();
    QColor color;
    if (QFileInfo(fileName).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
        QFile f(fileName);
        if (f.open(QIODevice::ReadOnly))
            color = GifTransparentColor(f.read(789));
        if (color.isValid())
            transparent = TrColor;
    }
    QImage image = LoadImage(fileName);
    if (transparent == TrNone || image.isNull())
        return image;
    mask = MakeMask(image, transparent == TrColor ? color : QColor());
    return mask.isNull() ? QImage() : image;
}

qint64 TBitmapItem::Pixels() const {
    const auto pixels = [](const QImage& i) { return qint64(i.width()) * i.height(); };
    return pixels(MImage) + (Shown.cacheKey() == MImage.cacheKey() ? 0 : pixels(Shown));
}

QString TStringBitmapList::FileKey(const QString& fileName) {
    const QString trimmed = fileName.trimmed();
    return trimmed.isEmpty() ? QString() : QFileInfo(trimmed).canonicalFilePath();
}

bool TStringBitmapList::Admit(TBitmapItem& item) {
    if (item.Document == document_)
        return true;
    const qint64 pixels = item.Pixels();
    if (used_ + pixels > budget_)
        return false;
    used_ += pixels;
    item.Document = document_;
    return true;
}

bool TStringBitmapList::TakeBudgetNote() {
    if (!refused_ || noted_)
        return false;
    noted_ = true;
    return true;
}

QString TStringBitmapList::BudgetMessage() {
    return QCoreApplication::translate("HtmlViewer",
                                       "Some pictures are not shown: together they would take more memory than "
                                       "one page may use.");
}

QImage TStringBitmapList::GetTheBitmap(const QString& name, int& transparent,
                                       const TGetBitmapFn& request,
                                       const std::function<QString(const QString&)>& expand) {
    if (name.trimmed().isEmpty())
        return QImage();
    // Owner's pictures and files never share a key: a real path starts
    // with "/", an owner's key with "?".
    const QString file = request ? QString() : expand ? expand(name) : name.trimmed();
    const QString key = request ? QLatin1Char('?') + Key(name) : FileKey(file);
    if (key.isEmpty())
        return QImage();
    if (auto it = items_.find(key); it != items_.end()) {
        TBitmapItem& item = *it->second;
        item.AccessCount = 0;
        if (!Admit(item)) {
            refused_ = true;
            return QImage();
        }
        if (item.Transp == TrColor) {
            transparent = TrColor;
        } else if (transparent == TrBottomLeft && item.Mask.isNull()) {
            item.Mask = MakeMask(item.MImage);
            if (!item.Mask.isNull()) {
                item.Transp = TrBottomLeft;
                const qint64 before = item.Pixels();
                item.Shown = ApplyMask(item.MImage, item.Mask);
                used_ += item.Pixels() - before;
            }
        }
        return item.Shown;
    }
    QImage image, mask;
    if (request) {
        QColor color;
        request(name, image, color);
        if (image.isNull())
            return QImage();
        if (color.isValid()) {
            mask = MakeMask(image, color);
            transparent = TrColor;
        } else if (transparent == TrBottomLeft) {
            mask = MakeMask(image);
        }
    } else {
        // The header tells the size: a picture that cannot fit is not
        // decoded at all.
        const QSize size = QImageReader(key).size();
        if (size.isValid() && used_ + qint64(size.width()) * size.height() > budget_) {
            refused_ = true;
            return QImage();
        }
        ++decodes_;
        image = LoadImageWithMask(key, transparent, mask);
        if (image.isNull())
            return QImage();
    }
    auto item = std::make_unique<TBitmapItem>();
    item->Transp = mask.isNull() ? TrNone : transparent;
    item->MImage = image;
    item->Mask = mask;
    item->Shown = ApplyMask(image, mask);
    if (!Admit(*item)) {
        refused_ = true;
        return QImage();
    }
    const QImage shown = item->Shown;
    items_[key] = std::move(item);
    return shown;
}

void TStringBitmapList::PurgeCache() {
    for (auto it = items_.begin(); it != items_.end();) {
        if (++it->second->AccessCount > maxUsage_)
            it = items_.erase(it);
        else
            ++it;
    }
    ++document_;
    used_ = 0;
    refused_ = noted_ = false;
}

void TStringBitmapList::SetCacheCount(int n) {
    for (auto it = items_.begin(); it != items_.end();)
        it = it->second->AccessCount > n ? items_.erase(it) : std::next(it);
    maxUsage_ = n;
}

const TBitmapItem* TStringBitmapList::find(const QString& name) const {
    auto it = items_.find(FileKey(name));
    if (it == items_.end())
        it = items_.find(QLatin1Char('?') + Key(name));
    return it == items_.end() ? nullptr : it->second.get();
}

const QImage& ViewerPlaceholder(int id) {
    // The program's own pictures when its resources are linked in, else a
    // small framed picture with a red cross (not obtained) or a grey
    // landscape (pictures switched off).
    static const QImage images[2] = {
        [] {
            QImage img(QStringLiteral(":/bitmaps/Image_1001.png"));
            if (!img.isNull())
                return img;
            img = QImage(16, 16, QImage::Format_RGB32);
            img.fill(QColor(0xF4, 0xF4, 0xF4));
            QPainter p(&img);
            p.setPen(QColor(0x60, 0x60, 0x60));
            p.drawRect(0, 0, 15, 15);
            p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
            p.drawLine(4, 4, 11, 11);
            p.drawLine(11, 4, 4, 11);
            return img;
        }(),
        [] {
            QImage img(QStringLiteral(":/bitmaps/Image_1002.png"));
            if (!img.isNull())
                return img;
            img = QImage(16, 16, QImage::Format_RGB32);
            img.fill(QColor(0xE0, 0xE8, 0xF0));
            QPainter p(&img);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x70, 0x90, 0x70));
            p.drawPolygon(QPolygon({QPoint(1, 14), QPoint(6, 7), QPoint(10, 11), QPoint(14, 14)}));
            p.setBrush(QColor(0xE0, 0xB0, 0x30));
            p.drawEllipse(QPoint(11, 4), 2, 2);
            p.setPen(QColor(0x60, 0x60, 0x60));
            p.setBrush(Qt::NoBrush);
            p.drawRect(0, 0, 15, 15);
            return img;
        }()};
    return images[id == PictureImagesOff ? 1 : 0];
}
