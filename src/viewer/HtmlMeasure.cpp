#include "viewer/HtmlMeasure.h"

#include <algorithm>

#include <QFontMetricsF>
#include <cmath>

namespace {
// std::lround of a width, without the library call: widths are summed and
// rounded for every run measured. Exact: for 0 <= w < 2^31 the truncation
// is floor(w), and w - floor(w) is computed without error.
inline int roundWidth(double w) {
    if (!(w >= 0 && w < 2147483647.0))
        return int(std::lround(w));
    int i = int(w);
    if (w - double(i) >= 0.5)
        ++i;
    return i;
}
}  // namespace

size_t qHash(const TFontDesc& s, size_t seed) {
    return qHashMulti(seed, s.family, s.pixelSize, s.bold, s.italic, s.underline);
}

int TMeasurer::fontId(const TFontDesc& spec) {
    auto it = ids_.constFind(spec);
    if (it != ids_.constEnd())
        return it.value();
    const int id = int(specs_.size());
    specs_.push_back(spec);
    metrics_.push_back(TFontMetricsRec());
    ids_.insert(spec, id);
    metrics_[size_t(id)] = measureFont(id, spec);
    return id;
}

QFont TMeasurer::makeQFont(const TFontDesc& spec) {
    QFont f(spec.family);
    f.setPixelSize(qMax(1, spec.pixelSize));
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setKerning(false);
    // Plain per-character advances: no kerning, no ligatures, so measured
    // and drawn widths agree.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::PreferAntialias));
    return f;
}

QFont TMeasurer::qfont(int id) const { return makeQFont(spec(id)); }

TFontMetricsRec TQtMeasurer::measureFont(int id, const TFontDesc& spec) {
    auto a = std::make_unique<Advances>();
    a->fm = std::make_unique<QFontMetricsF>(makeQFont(spec));
    for (float& v : a->latin)
        v = -1;
    TFontMetricsRec m;
    m.ascent = qRound(a->fm->ascent());
    m.descent = qRound(a->fm->descent());
    m.height = m.ascent + m.descent;
    m.externalLeading = qMax(0, qRound(a->fm->leading()));
    if (size_t(id) >= adv_.size())
        adv_.resize(size_t(id) + 1);
    adv_[size_t(id)] = std::move(a);
    return m;
}

float TQtMeasurer::advance(Advances& a, QChar c) {
    const char16_t u = c.unicode();
    if (u < 256) {
        float& v = a.latin[u];
        if (v < 0)
            v = float(a.fm->horizontalAdvance(c));
        return v;
    }
    auto it = a.others.constFind(u);
    if (it != a.others.constEnd())
        return it.value();
    const float v = float(a.fm->horizontalAdvance(c));
    a.others.insert(u, v);
    return v;
}

// A galloping search for an upper bound, then one binary search on the
// text extent.
int TMeasurer::fit(int id, const QChar* s, int n, int room, int overhang, int* allWidth) {
    auto w = [&](int k) { return width(id, s, k) - overhang; };
    int lo = 0, hi = std::min(n, 32);
    while (w(hi) <= room) {
        if (hi == n) {
            if (allWidth)
                *allWidth = width(id, s, n);
            return n;
        }
        lo = hi;
        hi = std::min(n, hi * 2);
    }
    // w(lo) <= room < w(hi)
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (w(mid) <= room)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

int TQtMeasurer::fit(int id, const QChar* s, int n, int room, int overhang, int* allWidth) {
    Advances& a = *adv_[size_t(id)];
    // lround(w) - overhang > room, without rounding at every character:
    // for w >= 0, lround(w) > k exactly when w >= k + 0.5.
    const double limit = double(room) + double(overhang) + 0.5;
    double w = 0;
    for (int i = 0; i < n; ++i) {
        w += advance(a, s[i]);
        if (w >= limit)
            return i;
    }
    if (allWidth)
        *allWidth = roundWidth(w);
    return n;
}

int TQtMeasurer::width(int id, const QChar* s, int n) {
    Advances& a = *adv_[size_t(id)];
    double w = 0;
    for (int i = 0; i < n; ++i)
        w += advance(a, s[i]);
    return roundWidth(w);
}
