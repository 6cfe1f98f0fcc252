#include "upload/transfer/Trust.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <openssl/pem.h>
#include <openssl/x509.h>

namespace {

QString PublicKeyFingerprint(X509* cert) {
    QString out;
    if (cert) {
        unsigned char* der = nullptr;
        const int len = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(cert), &der);
        if (len > 0) {
            const QByteArray hash = QCryptographicHash::hash(
                QByteArrayView(reinterpret_cast<const char*>(der), len), QCryptographicHash::Sha256);
            out = QStringLiteral("sha256//") + QString::fromLatin1(hash.toBase64());
        }
        OPENSSL_free(der);
        X509_free(cert);
    }
    return out;
}

}  // namespace

QString CertificateKeyFingerprint(const QByteArray& pem) {
    BIO* bio = BIO_new_mem_buf(pem.constData(), int(pem.size()));
    X509* cert = bio ? PEM_read_bio_X509(bio, nullptr, nullptr, nullptr) : nullptr;
    const QString out = PublicKeyFingerprint(cert);
    if (bio) BIO_free(bio);
    return out;
}

QString CertificateKeyFingerprintDer(const QByteArray& der) {
    const auto* p = reinterpret_cast<const unsigned char*>(der.constData());
    return PublicKeyFingerprint(d2i_X509(nullptr, &p, long(der.size())));
}

QString HostKeyFingerprint(const char* key, size_t len) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(key, qsizetype(len)), QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:") +
           QString::fromLatin1(hash.toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
}

namespace {

QString CertificateProblem(const QString& detail) {
    const auto has = [&](const char* word) { return detail.contains(QLatin1String(word), Qt::CaseInsensitive); };
    if (has("expired")) return QCoreApplication::translate("FtpClient", "The server's certificate has expired.");
    if (has("not yet valid")) return QCoreApplication::translate("FtpClient", "The server's certificate is not valid yet.");
    if (has("self-signed") || has("self signed"))
        return QCoreApplication::translate("FtpClient", "The server's certificate is signed only by the server itself.");
    if (has("subject name") || has("does not match") || has("host name"))
        return QCoreApplication::translate("FtpClient", "The server's certificate was made for another name.");
    if (has("issuer") || has("unknown ca"))
        return QCoreApplication::translate("FtpClient", "The server's certificate comes from an authority this computer does not know.");
    return QCoreApplication::translate("FtpClient", "The server's certificate could not be verified.");
}

}  // namespace

QString CertificateRefusal(const QString& detail, bool changed) {
    const QString why = CertificateProblem(detail);
    if (!changed) return why;
    return QCoreApplication::translate("FtpClient", "The server's certificate is not the one you trusted before. ") + why;
}

QString HostKeyRefusal(bool changed) {
    if (changed)
        return QCoreApplication::translate("FtpClient", "The server's host key has changed since you trusted it. Someone may be "
                                                        "intercepting the connection, or the server was set up anew.");
    return QCoreApplication::translate("FtpClient", "This is the first connection to this server, and its host key is not "
                                                    "known yet.");
}
