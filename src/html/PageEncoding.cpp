#include "html/PageEncoding.h"

#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "viewer/HtmlEncoding.h"

#include <QCoreApplication>
#include <QStringEncoder>

namespace {

bool IsAscii(QStringView text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// The first character (a surrogate pair counts as one) that `fits` refuses.
template <typename Fits>
QString FirstUnfit(const QString& text, Fits fits) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) continue;
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, n);
        if (!fits(c)) return c;
        i += n - 1;
    }
    return QString();
}

// The page with the value of its charset declaration changed to "utf-8".
QString RedeclaredUtf8(const QString& html) {
    qsizetype at = 0;
    const QString charset = DeclaredCharset(html, &at);
    QString out = html;
    out.replace(at, charset.size(), QStringLiteral("utf-8"));
    return out;
}

}  // namespace

QString DeclareUtf8(const QString& html) {
    if (IsAscii(html) || !DeclaredCharset(html).isEmpty()) return html;
    qsizetype at = html.indexOf(QLatin1String("<TITLE"), 0, Qt::CaseInsensitive);
    if (at < 0) {
        const qsizetype head = html.indexOf(QLatin1String("<HEAD"), 0, Qt::CaseInsensitive);
        const qsizetype end = head < 0 ? -1 : html.indexOf(QLatin1Char('>'), head);
        at = end < 0 ? 0 : end + 1;
        if (end >= 0 && QStringView(html).mid(at).startsWith(CRLF)) at += CRLF.size();
    }
    QString out = html;
    out.insert(at, kUtf8MetaLine + CRLF);
    return out;
}

TPageBytes EncodePageHTML(const QString& html) {
    TPageBytes page;
    const QString charset = DeclaredCharset(html);
    if (IsAscii(html)) {
        page.Bytes = html.toLatin1();
        return page;
    }
    if (charset.isEmpty()) {
        page.Bytes = DeclareUtf8(html).toUtf8();
        return page;
    }
    if (IsUtf8Name(charset)) {
        page.Bytes = html.toUtf8();
        return page;
    }
    if (IsWindows1252Name(charset)) {
        if (FitsAnsi(html)) {
            page.Bytes = ToAnsi(html);
            return page;
        }
        page.Unfit = FirstUnfit(html, [](const QString& c) { return FitsAnsi(c); });
    } else {
        QStringEncoder encoder(charset.toLatin1().constData(), QStringEncoder::Flag::Stateless);
        if (encoder.isValid()) {
            QByteArray bytes = encoder.encode(html);
            if (!encoder.hasError()) {
                page.Bytes = std::move(bytes);
                return page;
            }
        }
        page.Unfit = FirstUnfit(html, [&charset](const QString& c) {
            QStringEncoder e(charset.toLatin1().constData(), QStringEncoder::Flag::Stateless);
            if (!e.isValid()) return false;
            const QByteArray bytes = e.encode(c);
            return !e.hasError();
        });
    }
    page.Charset = charset;
    page.Bytes = RedeclaredUtf8(html).toUtf8();
    return page;
}

bool AcceptPageBytes(QWidget* parent, const QString& caption, const TPageBytes& page) {
    if (page.Fits()) return true;
    const QString text =
        QCoreApplication::translate("PageEncoding", "This page's HTML says its character set is \"%1\", which cannot hold \"%2\".\n\n"
                       "Write the page in UTF-8 instead (its character set line is changed to say so)? "
                       "If you answer No, the page's HTML file is not written.")
            .arg(page.Charset, page.Unfit);
    return Dialogs().Ask(parent, caption, text, TMsgIcon::Warning,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
