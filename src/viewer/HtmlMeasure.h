#pragma once
// Everything the layout needs to know about fonts goes through TMeasurer:
// fonts are interned once into small integer ids, and widths and metrics
// are asked by id. The real measurer asks Qt (with per-character advance
// tables so that a width is a sum, not a shaping pass); the fixed measurer
// gives every character the same advance so layout can be checked exactly.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

struct TFontDesc {
    QString family;
    int pixelSize = 16;  // px
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const TFontDesc& o) const {
        return pixelSize == o.pixelSize && bold == o.bold && italic == o.italic &&
               underline == o.underline && family == o.family;
    }
};
size_t qHash(const TFontDesc& s, size_t seed = 0);

struct TFontMetricsRec {
    int height = 0;           // px, ascent + descent
    int externalLeading = 0;  // px
    int ascent = 0;           // px
    int descent = 0;          // px
    int overhang = 0;         // px, extra width of synthesised styles (0 for outline fonts)
};

class TMeasurer {
public:
    virtual ~TMeasurer() = default;
    // Interns a font; the same description always gives the same id.
    int fontId(const TFontDesc& spec);
    const TFontDesc& spec(int id) const { return specs_[size_t(id)]; }
    const TFontMetricsRec& metrics(int id) const { return metrics_[size_t(id)]; }
    // Width in px of n characters drawn in one font, less its overhang.
    virtual int width(int id, const QChar* s, int n) = 0;
    // How many of the n characters fit into `room` px: the most k with
    // width(k) - overhang <= room. When all n fit and `allWidth` is given,
    // it receives width(n), so the caller need not measure them again.
    virtual int fit(int id, const QChar* s, int n, int room, int overhang, int* allWidth = nullptr);
    // The Qt font that draws a font id.
    QFont qfont(int id) const;
    static QFont makeQFont(const TFontDesc& spec);

protected:
    virtual TFontMetricsRec measureFont(int id, const TFontDesc& spec) = 0;

private:
    QHash<TFontDesc, int> ids_;
    std::vector<TFontDesc> specs_;
    std::vector<TFontMetricsRec> metrics_;
};

// Measures with the real fonts (QFontMetricsF), without kerning or
// ligatures, so that the width of a string is the sum of its characters'
// advances and drawing places the glyphs where layout put them.
class TQtMeasurer : public TMeasurer {
public:
    int width(int id, const QChar* s, int n) override;
    // One pass, character by character, the sum of advances as width does it.
    int fit(int id, const QChar* s, int n, int room, int overhang, int* allWidth = nullptr) override;

protected:
    TFontMetricsRec measureFont(int id, const TFontDesc& spec) override;

private:
    struct Advances {
        std::unique_ptr<QFontMetricsF> fm;
        float latin[256];              // px; < 0 when not measured yet
        QHash<char16_t, float> others;  // px
    };
    std::vector<std::unique_ptr<Advances>> adv_;
    float advance(Advances& a, QChar c);
};

// Every character is `advance` px wide; every font has the given height
// and descent. For tests.
class TFixedMeasurer : public TMeasurer {
public:
    explicit TFixedMeasurer(int advance = 10, int height = 20, int descent = 4)
        : advance_(advance), height_(height), descent_(descent) {}
    int width(int, const QChar*, int n) override { return n * advance_; }

protected:
    TFontMetricsRec measureFont(int, const TFontDesc&) override {
        TFontMetricsRec m;
        m.height = height_;
        m.ascent = height_ - descent_;
        m.descent = descent_;
        return m;
    }

private:
    int advance_, height_, descent_;
};
