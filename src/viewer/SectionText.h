#pragma once
// The characters of a text section. The pages this program shows are
// 8-bit (Windows-1252), so the text is kept one byte a character in that
// code page; a character the code page lacks (from text lines typed in an
// editor) switches the section to two bytes a character. Either way it
// reads as UTF-16 characters. The array has no shared header, since a
// long page holds thousands of sections; once the section is finished it
// moves into the document's arena (moveTo), at exactly its size. A text of
// a few characters (a table cell's number or word) is kept in the object
// itself, in the room of the pointer, and costs no allocation at all.

#include "viewer/Arena.h"
#include "viewer/HtmlMeasure.h"

#include <QString>
#include <QVarLengthArray>
#include <cstdlib>

class TSectionText {
public:
    using Buffer = QVarLengthArray<QChar, 256>;

    TSectionText() : cap_(0), wide_(0), inArena_(0), inline_(1) {}
    ~TSectionText() { freeData(); }
    TSectionText(const TSectionText&) = delete;
    TSectionText& operator=(const TSectionText&) = delete;

    int size() const { return wide_ ? bytes_ / 2 : bytes_; }
    bool isEmpty() const { return size() == 0; }
    QChar operator[](int i) const { return wide_ ? wide()[i] : decode(uchar(store()[i])); }
    QChar at(int i) const { return (*this)[i]; }

    void append(const QChar* s, qsizetype n);
    TSectionText& operator+=(const QString& s) {
        append(s.constData(), s.size());
        return *this;
    }
    TSectionText& operator+=(QChar c) {
        append(&c, 1);
        return *this;
    }
    // Moves the characters into `arena`, at exactly their size. Appending
    // later moves them back out.
    void moveTo(TArena& arena);

    QString mid(int from, int n = -1) const;
    QString toString() const { return mid(0); }
    qsizetype indexOf(const QString& s, int from, Qt::CaseSensitivity cs) const;
    // Characters [from, from + n) as UTF-16: a pointer into the text, or
    // into `buf` holding them.
    const QChar* chars(int from, int n, Buffer& buf) const;
    // Width in px of [from, from + n) in one font.
    int width(TMeasurer& m, int fontId, int from, int n) const {
        Buffer buf;
        return m.width(fontId, chars(from, n, buf), n);
    }

    static QChar decode(uchar c) { return c >= 0x80 && c <= 0x9F ? kHigh[c - 0x80] : QChar(c); }
    // The Windows-1252 byte of c; false when the code page has none.
    static bool encode(QChar c, char& byte);

private:
    static const QChar kHigh[32];  // 0x80..0x9F
    // One byte a character, or (wide) two: UTF-16 in the same array, so a
    // section pays for one array either way. Up to kInline bytes live in
    // the pointer's own room (small_).
    static constexpr int kInline = int(sizeof(char*));
    union {
        char* data_ = nullptr;
        char small_[sizeof(char*)];
    };
    int bytes_ = 0;         // used
    unsigned cap_ : 29;     // bytes allocated; 0 while in an arena or inline
    unsigned wide_ : 1;
    unsigned inArena_ : 1;  // data_ is a piece of an arena, not the allocator's
    unsigned inline_ : 1;   // the bytes are small_, not at data_
    void freeData();
    char* store() { return inline_ ? small_ : data_; }
    const char* store() const { return inline_ ? small_ : data_; }
    const QChar* wide() const { return reinterpret_cast<const QChar*>(store()); }
    // Room for `bytes` bytes in all, growing by half as much again.
    void reserveBytes(qsizetype bytes);
};
