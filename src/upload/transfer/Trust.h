#pragma once
// Trust in a server: the keys as the program shows and stores them, and
// the plain words of a refusal.
//
// An FTPS server's certificate must verify against the system's
// certificate store (or the authorities named by SSL_CERT_FILE and
// SSL_CERT_DIR), or its public key must be the login's TrustedKey. An SFTP
// server's host key must be the login's HostKey; with none yet the first
// contact is refused too, so that the user can decide.

#include <QByteArray>
#include <QString>
#include <cstddef>

// "sha256//<base64>": the public key of a PEM certificate (the form the
// transfer library pins); "" when it cannot be read.
QString CertificateKeyFingerprint(const QByteArray& pem);
// The same of a certificate in its binary (DER) form.
QString CertificateKeyFingerprintDer(const QByteArray& der);
// "SHA256:<base64>" without padding: an SSH host key.
QString HostKeyFingerprint(const char* key, size_t len);

// A public key no server has: pinning it lets a connection stop right
// after the TLS handshake, before the log-in, with the certificate read.
inline constexpr const char* kProbePin = "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";

// How a TLS connection checks the server's certificate: against the
// certificate store, against the one key the user trusted, or not at all
// but stopping after the handshake with the certificate read (a probe, to
// show the user its key).
enum class TTlsCheck { Store, Pinned, Probe };

// What is wrong with a certificate, from the library's report of a failed
// verification; `changed` when another key was trusted before.
QString CertificateRefusal(const QString& detail, bool changed);
// Why an SFTP host key was refused: met for the first time, or changed.
QString HostKeyRefusal(bool changed);
