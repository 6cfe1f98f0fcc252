#include "app/BinaryIO.h"

#include "app/Utils.h"

#include <QIODevice>
#include <QtEndian>

void WriteInt32(QIODevice& dev, qint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    dev.write(bytes, 4);
}

void WriteByte(QIODevice& dev, quint8 value) {
    const char b = char(value);
    dev.write(&b, 1);
}

void WriteFixed(QIODevice& dev, const QByteArray& text) {
    dev.write(text);
}

bool WriteStr(QIODevice& dev, const QString& text, TStrCoding coding) {
    bool fits = true;
    QByteArray bytes;
    switch (coding) {
        case TStrCoding::Ansi:
            fits = FitsAnsi(text);
            bytes = ToAnsi(text);
            break;
        case TStrCoding::Utf8: bytes = text.toUtf8(); break;
        case TStrCoding::Marked: bytes = ToStoredText(text); break;
    }
    WriteInt32(dev, qint32(bytes.size() - 1));
    dev.write(bytes);
    return fits;
}

TBinReader::TBinReader(QIODevice& dev, TStrCoding coding)
    : dev_(dev), coding_(coding), end_(dev.isSequential() ? -1 : dev.size()) {}

qint64 TBinReader::Remaining() const {
    if (end_ < 0) return dev_.bytesAvailable();
    return qMax<qint64>(0, end_ - dev_.pos());
}

bool TBinReader::Take(qint64 count, QByteArray& bytes, TFault faultIfShort) {
    if (fault_ != TFault::None) return false;
    if (count < 0 || count > Remaining()) {
        fault_ = faultIfShort;
        return false;
    }
    QByteArray data = dev_.read(count);
    if (data.size() != count) {
        fault_ = TFault::Truncated;
        return false;
    }
    bytes = std::move(data);
    return true;
}

bool TBinReader::ReadInt32(qint32& value) {
    QByteArray b;
    if (!Take(4, b, TFault::Truncated)) return false;
    value = qFromLittleEndian<qint32>(b.constData());
    return true;
}

bool TBinReader::ReadByte(quint8& value) {
    QByteArray b;
    if (!Take(1, b, TFault::Truncated)) return false;
    value = quint8(b[0]);
    return true;
}

bool TBinReader::ReadFixed(qint64 count, QByteArray& bytes) {
    return Take(count, bytes, TFault::Truncated);
}

bool TBinReader::ReadStr(QString& text) {
    qint32 n = 0;
    if (!ReadInt32(n)) return false;
    if (n < 0) {
        text.clear();
        return true;
    }
    const qint64 length = qint64(n) + 1;
    if (length > kMaxStoredString) {
        fault_ = TFault::StringTooLong;
        return false;
    }
    QByteArray bytes;
    if (!Take(length, bytes, TFault::StringPastEnd)) return false;
    switch (coding_) {
        case TStrCoding::Ansi: text = FromAnsi(bytes); break;
        case TStrCoding::Utf8: text = QString::fromUtf8(bytes); break;
        case TStrCoding::Marked: text = FromStoredText(bytes); break;
    }
    return true;
}
