#include "viewer/SectionText.h"

#include <algorithm>
#include <cstring>

// 0x80..0x9F differ from Latin-1; the five unassigned codes keep their
// Latin-1 control characters (as the file reader decodes them).
const QChar TSectionText::kHigh[32] = {
    QChar(0x20AC), QChar(0x81),   QChar(0x201A), QChar(0x0192), QChar(0x201E), QChar(0x2026),
    QChar(0x2020), QChar(0x2021), QChar(0x02C6), QChar(0x2030), QChar(0x0160), QChar(0x2039),
    QChar(0x0152), QChar(0x8D),   QChar(0x017D), QChar(0x8F),   QChar(0x90),   QChar(0x2018),
    QChar(0x2019), QChar(0x201C), QChar(0x201D), QChar(0x2022), QChar(0x2013), QChar(0x2014),
    QChar(0x02DC), QChar(0x2122), QChar(0x0161), QChar(0x203A), QChar(0x0153), QChar(0x9D),
    QChar(0x017E), QChar(0x0178)};

bool TSectionText::encode(QChar c, char& byte) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        byte = char(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) {
            byte = char(0x80 + i);
            return true;
        }
    return false;
}

void TSectionText::freeData() {
    if (inline_)
        return;
    if (inArena_)
        TArena::abandon(data_, size_t(bytes_));
    else
        std::free(data_);
}

void TSectionText::reserveBytes(qsizetype bytes) {
    if (bytes <= (inline_ ? kInline : qsizetype(cap_)))
        return;
    qsizetype cap = std::max<qsizetype>(bytes, qsizetype(cap_) + cap_ / 2 + 16);
    cap = std::min<qsizetype>(cap, 0x1FFFFFFF);
    if (cap < bytes)
        qBadAlloc();
    if (inArena_ || inline_) {
        // Out of the arena, or of the object, into a block of its own.
        char* p = static_cast<char*>(std::malloc(size_t(cap)));
        if (!p)
            qBadAlloc();
        std::memcpy(p, store(), size_t(bytes_));
        freeData();
        data_ = p;
        inline_ = 0;
    } else {
        char* p = static_cast<char*>(std::realloc(data_, size_t(cap)));
        if (!p)
            qBadAlloc();
        data_ = p;
    }
    inArena_ = 0;
    cap_ = unsigned(cap);
}

// A text still in the object's own room stays there: it needs no piece.
// A text leaves the object only once it is longer than that room, so one in
// a block of its own is never empty.
void TSectionText::moveTo(TArena& arena) {
    if (inArena_ || inline_)
        return;
    char* p = static_cast<char*>(arena.allocate(size_t(bytes_), wide_ ? alignof(QChar) : 1));
    std::memcpy(p, data_, size_t(bytes_));
    std::free(data_);
    data_ = p;
    cap_ = 0;
    inArena_ = 1;
}

void TSectionText::append(const QChar* s, qsizetype n) {
    if (n <= 0)
        return;
    if (!wide_) {
        const qsizetype old = bytes_;
        reserveBytes(old + n);
        char* out = store() + old;
        qsizetype i = 0;
        for (; i < n; ++i)
            if (!encode(s[i], out[i]))
                break;
        if (i == n) {
            bytes_ = int(old + n);
            return;
        }
        // A character without a byte: from here on two bytes a character.
        const QString sofar = mid(0);
        reserveBytes(sofar.size() * 2 + n * 2);
        std::memcpy(store(), sofar.constData(), size_t(sofar.size()) * 2);
        bytes_ = int(sofar.size() * 2);
        wide_ = 1;
    }
    reserveBytes(bytes_ + n * 2);
    std::memcpy(store() + bytes_, s, size_t(n) * 2);
    bytes_ += int(n * 2);
}

QString TSectionText::mid(int from, int n) const {
    if (wide_)
        return QStringView(wide(), size()).mid(from, n < 0 ? -1 : n).toString();
    const int end = n < 0 ? size() : std::min(size(), from + n);
    QString out(std::max(0, end - from), Qt::Uninitialized);
    QChar* o = out.data();
    for (int i = from; i < end; ++i)
        *o++ = decode(uchar(store()[i]));
    return out;
}

qsizetype TSectionText::indexOf(const QString& s, int from, Qt::CaseSensitivity cs) const {
    if (wide_)
        return QStringView(wide(), size()).indexOf(s, from, cs);
    // The text is short (a section), so decoding it to search is cheap.
    return mid(0).indexOf(s, from, cs);
}

const QChar* TSectionText::chars(int from, int n, Buffer& buf) const {
    if (wide_)
        return wide() + from;
    buf.resize(n);
    const char* in = store() + from;
    for (int i = 0; i < n; ++i)
        buf[i] = decode(uchar(in[i]));
    return buf.constData();
}
