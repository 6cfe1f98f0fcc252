#pragma once
// The primitives of the page document and the style file: little-endian
// int32, single bytes, fixed texts, and strings stored as their length in
// bytes minus one followed by their bytes (an empty string is -1 and no
// bytes). The bytes of a string are Windows-1252, UTF-8, or (in a file
// without a version) either, told apart by a leading UTF-8 byte-order mark.
//
// The reader never reads past the end of its device and never allocates
// more than the device still holds: a string whose length runs past the
// end, or is absurdly large, stops the read with a fault instead.

#include <QByteArray>
#include <QString>

class QIODevice;

void WriteInt32(QIODevice& dev, qint32 value);
void WriteByte(QIODevice& dev, quint8 value);
// The bytes of a literal, without length or terminator.
void WriteFixed(QIODevice& dev, const QByteArray& text);

// How the bytes of a string stand for its characters.
enum class TStrCoding {
    Ansi,    // Windows-1252: documents of version 1.03 and older
    Utf8,    // UTF-8: documents of version 1.04
    Marked,  // ToStoredText / FromStoredText (app/Utils.h): Styles.data
};
// Returns false when `coding` is Ansi and a character has no Windows-1252
// byte (it is written as "?"); the caller then writes the file again in a
// coding that holds every character.
bool WriteStr(QIODevice& dev, const QString& text, TStrCoding coding = TStrCoding::Ansi);

// The longest string a reader accepts, in bytes; a longer one can only come
// from a damaged or hostile file.
inline constexpr qint64 kMaxStoredString = 64 * 1024 * 1024;

class TBinReader {
public:
    enum class TFault {
        None,
        Truncated,     // the file ended inside a number or a fixed text
        StringPastEnd, // a string's length runs past the end of the file
        StringTooLong, // a string's length is above kMaxStoredString
    };

    // `dev` is open for reading; its size is taken once, here (a file's
    // size is a system call, and every read checks what is left).
    explicit TBinReader(QIODevice& dev, TStrCoding coding = TStrCoding::Ansi);
    // The coding of the strings read from here on.
    void SetCoding(TStrCoding coding) { coding_ = coding; }

    // Each returns false, and leaves its target alone, when the value is
    // not complete; the fault stays set and every later read fails too.
    bool ReadInt32(qint32& value);
    bool ReadByte(quint8& value);
    bool ReadFixed(qint64 count, QByteArray& bytes);
    // A negative length gives the empty string.
    bool ReadStr(QString& text);

    // Bytes left before the end of the device.
    qint64 Remaining() const;
    TFault Fault() const { return fault_; }
    bool Ok() const { return fault_ == TFault::None; }

private:
    bool Take(qint64 count, QByteArray& bytes, TFault faultIfShort);

    QIODevice& dev_;
    TStrCoding coding_;
    qint64 end_;  // the device's size (-1 for a sequential one)
    TFault fault_ = TFault::None;
};
