#include "GifWriter.h"

#include <QByteArray>
#include <QHash>
#include <algorithm>
#include <QSaveFile>

namespace {

void Put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Packs codes least significant bit first.
struct TBitPacker {
    QByteArray bytes;
    quint32 acc = 0;
    int bits = 0;
    void put(int code, int width) {
        acc |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            bytes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    }
    void flush() {
        if (bits > 0) bytes.append(char(acc & 0xFF));
        acc = 0;
        bits = 0;
    }
};

// The palette: the 256 most frequent colours, so the flat fills of a drawing
// stay exact and only the odd edge shade is mapped to its nearest colour
// (without dithering, which would speckle the fills).
QList<QRgb> Palette(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++counts[line[x] | 0xFF000000u];
    }
    QList<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) byCount.append({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> table;
    for (int i = 0; i < byCount.size() && i < 256; ++i) table.append(byCount[i].second);
    return table;
}

}  // namespace

bool WriteGif(const QImage& source, const QString& path) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const QImage img = rgb.convertToFormat(QImage::Format_Indexed8, Palette(rgb), Qt::ThresholdDither);
    if (img.isNull()) return false;
    QList<QRgb> table = img.colorTable();
    while (table.size() < 256) table.append(qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    Put16(out, img.width());
    Put16(out, img.height());
    out.append(char(0xF7));  // global colour table of 256 entries, 8 bits per primary
    out.append(char(0));     // background colour index
    out.append(char(0));     // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        out.append(char(qRed(table[i])));
        out.append(char(qGreen(table[i])));
        out.append(char(qBlue(table[i])));
    }
    out.append(',');
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, img.width());
    Put16(out, img.height());
    out.append(char(0));  // no local table, not interlaced

    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 256, kEnd = 257;
    out.append(char(kMinCodeSize));
    TBitPacker packer;
    packer.put(kClear, 9);
    int sinceClear = 0;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            // Each literal after the first adds a table entry; clear well
            // before the entries would need 10-bit codes.
            if (sinceClear == 250) {
                packer.put(kClear, 9);
                sinceClear = 0;
            }
            packer.put(line[x], 9);
            ++sinceClear;
        }
    }
    packer.put(kEnd, 9);
    packer.flush();
    for (qsizetype i = 0; i < packer.bytes.size(); i += 255) {
        const QByteArray part = packer.bytes.mid(i, 255);
        out.append(char(part.size()));
        out.append(part);
    }
    out.append(char(0));  // end of the image data
    out.append(';');

    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(out);
    return f.commit();
}
