#include "model/PictureImport.h"

#include "app/SafeWrite.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>

namespace {

// Formats that are read here but not shown by browsers or the viewer as
// they are: offered in the dialogs, converted on import.
struct TOtherFormat {
    const char* format;
    const char* filter;
};
constexpr TOtherFormat kOtherFormats[] = {
    {"bmp", QT_TRANSLATE_NOOP("PictureImport", "BMP Files (*.bmp)")},
    {"webp", QT_TRANSLATE_NOOP("PictureImport", "WebP Files (*.webp)")},
    {"tiff", QT_TRANSLATE_NOOP("PictureImport", "TIFF Files (*.tif *.tiff)")},
};

// Decoding a picture of more pixels than this for a web-sized copy asks
// the reader for a smaller picture straight away (far less memory).
constexpr qint64 kDirectDecodePixels = 50'000'000;
// Side of the sample on which a photo is told from a drawing.
constexpr int kSampleSide = 400;

bool Supported(const char* format) { return QImageReader::supportedImageFormats().contains(QByteArray(format)); }

// The extensions a name may have for the format, the usual one first.
QStringList Extensions(const QByteArray& format) {
    if (format == "jpeg") return {QStringLiteral("jpg"), QStringLiteral("jpeg")};
    if (format == "tiff") return {QStringLiteral("tif"), QStringLiteral("tiff")};
    return {QString::fromLatin1(format)};
}

QByteArray ReadAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SameBytes(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    return f.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
}

// The pixels alone: no text, no colour table, nothing else of the file
// the picture came from.
QImage BarePixels(const QImage& image) {
    const QImage src = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage out(src.size(), src.format());
    if (out.isNull()) return out;
    const size_t row = size_t(src.width()) * 4;
    for (int y = 0; y < src.height(); ++y) std::memcpy(out.scanLine(y), src.constScanLine(y), row);
    return out;
}

bool SeeThrough(const QImage& image) {
    if (!image.hasAlphaChannel()) return false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

QByteArray Encode(const QImage& image, const QByteArray& format) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg") {
        writer.setQuality(kWebJpegQuality);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(true);
    }
    return writer.write(image) ? out : QByteArray();
}

QImage Decode(const QString& source, const TPictureFacts& facts, bool webSized) {
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QSize stored = facts.turned && facts.size.isValid() ? facts.size.transposed() : facts.size;
    if (webSized && qint64(stored.width()) * stored.height() > kDirectDecodePixels &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(stored.scaled(2 * kWebMaxSide, 2 * kWebMaxSide, Qt::KeepAspectRatio));
    return reader.read();
}

struct TEncoded {
    QByteArray bytes;
    QByteArray format;
    QSize size;
};

// The picture as the web should carry it: upright, at most kWebMaxSide
// when `shrink`, PNG when it has see-through pixels, JPEG for a photo that
// was a JPEG, and otherwise JPEG only where it is clearly smaller (so
// drawings stay PNG). Empty when the picture cannot be decoded.
TEncoded Reencode(const QString& source, const TPictureFacts& facts, bool shrink) {
    QImage image = Decode(source, facts, shrink);
    if (image.isNull()) return {};
    if (shrink && (image.width() > kWebMaxSide || image.height() > kWebMaxSide))
        image = image.scaled(kWebMaxSide, kWebMaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = BarePixels(image);
    if (image.isNull()) return {};
    TEncoded out;
    out.size = image.size();
    if (SeeThrough(image)) {
        out.format = "png";
        out.bytes = Encode(image, out.format);
    } else if (facts.format == "jpeg") {
        out.format = "jpeg";
        out.bytes = Encode(image.convertToFormat(QImage::Format_RGB32), out.format);
    } else {
        // Judged on a small sample (every few pixels, so a drawing keeps its
        // flat colours): a photo packs far better as JPEG, a drawing as PNG.
        const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
        const QImage sample = opaque.scaled(kSampleSide, kSampleSide, Qt::KeepAspectRatio, Qt::FastTransformation);
        const qsizetype jpeg = Encode(sample, "jpeg").size(), png = Encode(sample, "png").size();
        out.format = jpeg > 0 && jpeg * 2 < png ? "jpeg" : "png";
        out.bytes = Encode(opaque, out.format);
    }
    if (out.bytes.isEmpty()) return {};
    return out;
}

// `name` with an extension that belongs to `format`: kept when it does,
// otherwise the format's usual one.
QString NameForFormat(const QString& name, const QByteArray& format) {
    const QFileInfo info(name);
    const QStringList extensions = Extensions(format);
    if (extensions.contains(info.suffix(), Qt::CaseInsensitive)) return name;
    const QString base = info.suffix().isEmpty() ? name : info.completeBaseName();
    return base + QLatin1Char('.') + extensions.constFirst();
}

// Where `bytes` go in `folder` under `name`: the name when it is free or
// already holds these bytes, else the first free "base-N.ext". A name
// counts as taken whatever its letter case, for servers that ignore case.
// Empty when no name is free.
QString FreeName(const QString& folder, const QString& name, const QByteArray& bytes, bool& reused) {
    reused = false;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QFileInfo info(name);
    const QString base = info.suffix().isEmpty() ? name : info.completeBaseName();
    const QString ext = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1; n < 10000; ++n) {
        const QString candidate = n == 1 ? name : base + QLatin1Char('-') + QString::number(n) + ext;
        const auto taken = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.compare(candidate, Qt::CaseInsensitive) == 0;
        });
        if (taken == entries.end()) return candidate;
        if (*taken == candidate && SameBytes(QDir(folder).filePath(candidate), bytes)) {
            reused = true;
            return candidate;
        }
    }
    return QString();
}

}  // namespace

TPictureFacts ReadPictureFacts(const QString& file) {
    TPictureFacts facts;
    facts.bytes = QFileInfo(file).size();
    QImageReader reader(file);
    if (!reader.canRead()) return facts;
    facts.readable = true;
    facts.format = reader.format().toLower();
    const QImageIOHandler::Transformations t = reader.transformation();
    facts.turned = t != QImageIOHandler::TransformationNone;
    facts.size = reader.size();
    if (facts.size.isValid() && (t & QImageIOHandler::TransformationRotate90)) facts.size.transpose();
    facts.animated = reader.supportsAnimation() && reader.imageCount() > 1;
    return facts;
}

bool IsWebFormat(const QByteArray& format) { return format == "jpeg" || format == "png" || format == "gif"; }

bool LargerThanWebNeeds(const TPictureFacts& facts) {
    if (!facts.readable || facts.animated) return false;
    return facts.size.width() > kWebMaxSide || facts.size.height() > kWebMaxSide || facts.bytes > kWebMaxBytes;
}

TImportedPicture ImportPicture(const QString& source, const QString& folder, const QString& name, TPictureCopy how) {
    TImportedPicture result;
    if (!QFileInfo(source).isFile()) return result;
    const TPictureFacts facts = ReadPictureFacts(source);
    result.originalBytes = facts.bytes;
    result.size = facts.size;

    QByteArray bytes;
    QString wanted = name;
    const bool shrink = how == TPictureCopy::WebSized && LargerThanWebNeeds(facts);
    const bool convert = facts.readable && !facts.animated && !IsWebFormat(facts.format);
    if (shrink || convert) {
        const TEncoded copy = Reencode(source, facts, shrink);
        // A re-encoded copy that is no smaller, of a picture that needed no
        // turning, scaling or converting, gains nothing over the original.
        const bool gains = convert || facts.turned || copy.size != facts.size || copy.bytes.size() < facts.bytes;
        if (!copy.bytes.isEmpty() && gains) {
            bytes = copy.bytes;
            wanted = NameForFormat(name, copy.format);
            result.size = copy.size;
            result.webSized = shrink;
            result.converted = copy.format != facts.format;
        }
    }
    if (bytes.isEmpty()) {
        bytes = ReadAll(source);
        if (bytes.size() != facts.bytes) return result;  // unreadable
        if (facts.readable && IsWebFormat(facts.format)) wanted = NameForFormat(name, facts.format);
    }

    QDir().mkpath(folder);
    result.name = FreeName(folder, wanted, bytes, result.reused);
    if (result.name.isEmpty()) return result;
    result.path = QDir(folder).filePath(result.name);
    result.bytes = bytes.size();
    if (!result.reused) {
        // The picture goes into the page's folder and nowhere else: not
        // through a link standing there under the free name.
        if (!WriteFileChecked(result.path, bytes, {folder, false}).ok) return result;
    }
    result.ok = true;
    return result;
}

QString PictureDialogFilters() {
    QStringList patterns = {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                            QStringLiteral("*.gif")};
    QStringList others;
    for (const TOtherFormat& f : kOtherFormats) {
        if (!Supported(f.format)) continue;
        for (const QString& ext : Extensions(f.format)) patterns << QStringLiteral("*.") + ext;
        others << QCoreApplication::translate("PictureImport", f.filter);
    }
    QStringList filters = {QCoreApplication::translate("PictureImport", "Pictures (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'),
                           QCoreApplication::translate("PictureImport", "JPEG Files (*.jpg *.jpeg)"), QCoreApplication::translate("PictureImport", "PNG Files (*.png)"),
                           QCoreApplication::translate("PictureImport", "GIF Files (*.gif)")};
    return (filters + others).join(QStringLiteral(";;"));
}

QString DescribeBytes(qint64 bytes) {
    if (bytes < 1024) return QString::number(bytes) + QCoreApplication::translate("PictureImport", " bytes");
    if (bytes < 1024 * 1024) return QString::number((bytes + 512) / 1024) + QCoreApplication::translate("PictureImport", " KB");
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1) + QCoreApplication::translate("PictureImport", " MB");
}

QString DescribePicture(const QSize& size, qint64 bytes) {
    if (!size.isValid() || size.isEmpty()) return DescribeBytes(bytes);
    return QString::number(size.width()) + QStringLiteral(" \u00D7 ") + QString::number(size.height()) +
           QCoreApplication::translate("PictureImport", " pixels, ") + DescribeBytes(bytes);
}

QString PicturePathInFolder(const QString& pageFolder, const QString& reference) {
    QString relative = reference.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char(':'))) return QString();
    const QString root = QDir::cleanPath(pageFolder);
    const QString path = QDir::cleanPath(root + QLatin1Char('/') + relative);
    return path.startsWith(root + QLatin1Char('/')) ? path : QString();
}
