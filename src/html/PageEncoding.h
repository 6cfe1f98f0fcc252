#pragma once
// The bytes of a page's HTML. Every file that holds a page (the page's HTML
// file, the preview files, the redirect page, --html and the upload's copy)
// is written from EncodePageHTML, so a page is in one encoding everywhere:
//   - a page that declares no charset and is all ASCII: its ASCII bytes,
//     as earlier versions wrote it;
//   - a page that declares no charset and holds any other character: UTF-8,
//     with kUtf8MetaLine put into its head before the title;
//   - a page that declares a charset: in that charset (UTF-8, UTF-16,
//     Windows-1252 and its aliases, or any other Qt can write).

#include <QByteArray>
#include <QString>

class QWidget;

// The head line that says the page is UTF-8.
inline const QString kUtf8MetaLine =
    QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">");

struct TPageBytes {
    QByteArray Bytes;
    // When the declared charset cannot hold a character of the page: that
    // charset as declared and the first such character. Bytes then hold the
    // page in UTF-8 with its declaration changed to say "utf-8".
    QString Charset;
    QString Unfit;
    bool Fits() const { return Unfit.isEmpty(); }
};

TPageBytes EncodePageHTML(const QString& html);

// The page with kUtf8MetaLine and a line break before its TITLE tag (else
// after its HEAD tag, else at its start) when it holds a character outside
// ASCII and declares no charset; otherwise the page as it is.
QString DeclareUtf8(const QString& html);

// For a page that does not fit its declared charset, asks whether it may be
// written as UTF-8 instead ("Yes") or not written at all ("No"). True when
// the page fits or the answer is Yes.
bool AcceptPageBytes(QWidget* parent, const QString& caption, const TPageBytes& page);
