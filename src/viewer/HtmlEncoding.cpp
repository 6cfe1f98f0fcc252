#include "viewer/HtmlEncoding.h"

#include "viewer/HtmlDocument.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace {

// A META tag's charset: "charset" inside the tag, "=", an optional quote,
// then the name.
const QRegularExpression& CharsetPattern() {
    static const QRegularExpression re(QStringLiteral(R"(<meta\b[^>]*?charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeWith(QStringDecoder::Encoding encoding, const QByteArray& bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

}  // namespace

QString DeclaredCharset(QStringView text, qsizetype* at) {
    const QRegularExpressionMatch m = CharsetPattern().match(text.left(kCharsetScanLength));
    if (!m.hasMatch()) return QString();
    if (at) *at = m.capturedStart(1);
    return m.captured(1).toLower();
}

QString DeclaredCharset(const QByteArray& bytes) {
    return DeclaredCharset(QString::fromLatin1(bytes.left(kCharsetScanLength)));
}

bool IsWindows1252Name(const QString& charset) {
    static const QStringList names = {
        QStringLiteral("windows-1252"), QStringLiteral("cp1252"),     QStringLiteral("x-cp1252"),
        QStringLiteral("iso-8859-1"),   QStringLiteral("iso8859-1"),  QStringLiteral("iso_8859-1"),
        QStringLiteral("latin1"),       QStringLiteral("l1"),         QStringLiteral("us-ascii"),
        QStringLiteral("ascii"),        QStringLiteral("ansi_x3.4-1968"), QStringLiteral("cp819"),
    };
    return names.contains(charset);
}

bool IsUtf8Name(const QString& charset) {
    return charset == QLatin1String("utf-8") || charset == QLatin1String("utf8");
}

QString DecodeHtmlBytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeWith(QStringDecoder::Utf8, bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) return DecodeWith(QStringDecoder::Utf16LE, bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF")) return DecodeWith(QStringDecoder::Utf16BE, bytes.mid(2));
    const QString charset = DeclaredCharset(bytes);
    if (IsUtf8Name(charset)) return DecodeWith(QStringDecoder::Utf8, bytes);
    if (IsWindows1252Name(charset)) return DecodeWindows1252(bytes);
    return IsValidUtf8(bytes) ? DecodeWith(QStringDecoder::Utf8, bytes) : DecodeWindows1252(bytes);
}

QString FileNameOfReference(const QString& reference) {
    if (!reference.contains(QLatin1Char('%'))) return reference;
    const QByteArray bytes = QByteArray::fromPercentEncoding(reference.toUtf8());
    if (!IsValidUtf8(bytes)) return reference;
    return QString::fromUtf8(bytes);
}
