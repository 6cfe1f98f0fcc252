#include "upload/transfer/CurlCall.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>

void CurlGlobalInitOnce() {
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)done;
}

int TCurlCall::OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow) {
    auto* c = static_cast<TCurlCall*>(self);
    if (c->Aborted()) return 1;
    if (!c->sending || ulnow == c->lastReported || !c->control.Progress) return 0;
    const auto now = std::chrono::steady_clock::now();
    if (ulnow == ultotal || now - c->lastReportTime > std::chrono::milliseconds(50)) {
        c->lastReported = ulnow;
        c->lastReportTime = now;
        c->control.Progress(ulnow, ultotal);
    }
    return 0;
}

size_t TCurlCall::OnDiscard(char*, size_t size, size_t count, void*) { return size * count; }

size_t TCurlCall::OnListing(char* data, size_t size, size_t count, void* self) {
    auto* c = static_cast<TCurlCall*>(self);
    const size_t n = size * count;
    if (c->listing.size() + qsizetype(n) > kMaxListingBytes) return 0;
    c->listing.append(data, qsizetype(n));
    return n;
}

size_t TCurlCall::OnRead(char* buffer, size_t size, size_t count, void* file) {
    return std::fread(buffer, size, count, static_cast<FILE*>(file));
}

int TCurlCall::OnSeek(void* file, curl_off_t offset, int origin) {
    return std::fseek(static_cast<FILE*>(file), long(offset), origin) == 0 ? CURL_SEEKFUNC_OK : CURL_SEEKFUNC_CANTSEEK;
}

void SetTlsCheck(CURL* easy, TTlsCheck check, const QString& trustedKey) {
    // Only when named: a null CA file or folder does not restore the
    // library's own bundle but turns it off, and every certificate a public
    // authority signed would then be refused.
    const QByteArray caFile = qgetenv("SSL_CERT_FILE"), caPath = qgetenv("SSL_CERT_DIR");
    if (!caFile.isEmpty()) curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.constData());
    if (!caPath.isEmpty()) curl_easy_setopt(easy, CURLOPT_CAPATH, caPath.constData());
    const bool store = check == TTlsCheck::Store;
    const QByteArray pin = check == TTlsCheck::Pinned ? trustedKey.trimmed().toLatin1() : QByteArray(kProbePin);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, store ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, store ? 2L : 0L);
    curl_easy_setopt(easy, CURLOPT_PINNEDPUBLICKEY, store ? nullptr : pin.constData());
    curl_easy_setopt(easy, CURLOPT_CERTINFO, store ? 0L : 1L);
}

QString ShownCertificateKey(CURL* easy) {
    curl_certinfo* info = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_CERTINFO, &info) != CURLE_OK || !info || info->num_of_certs < 1)
        return QString();
    for (curl_slist* e = info->certinfo[0]; e; e = e->next)
        if (std::strncmp(e->data, "Cert:", 5) == 0) return CertificateKeyFingerprint(QByteArray(e->data + 5));
    return QString();
}

TReply TlsLogIn(CURL* easy, const TCurlCall& call, TTlsCheck& check, const std::function<int(TTlsCheck)>& attempt,
                const std::function<TReply(int)>& verdict) {
    const QString trusted = call.r.Login.TrustedKey.trimmed();
    QString seen;
    if (!trusted.isEmpty()) {
        check = TTlsCheck::Pinned;
        const int rc = attempt(TTlsCheck::Pinned);
        if (rc != CURLE_SSL_PINNEDPUBKEYNOTMATCH) return verdict(rc);
        seen = ShownCertificateKey(easy);
    }
    check = TTlsCheck::Store;
    const int rc = attempt(TTlsCheck::Store);
    if (rc != CURLE_PEER_FAILED_VERIFICATION) return verdict(rc);
    const QString detail = QString::fromUtf8(call.errorBuffer);
    const bool changed = !trusted.isEmpty();
    if (!changed) {
        attempt(TTlsCheck::Probe);
        seen = ShownCertificateKey(easy);
    }
    TReply reply;
    reply.Outcome = TFtpOutcome::Of(changed ? TFtpOutcome::TKind::KeyChanged : TFtpOutcome::TKind::KeyUnknown,
                                    CertificateRefusal(detail, changed));
    reply.Outcome.Fingerprint = seen;
    return reply;
}
