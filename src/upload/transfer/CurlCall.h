#pragma once
// What every request made through libcurl shares, whichever protocol it
// speaks: the library set up once for the process, lists of header lines
// or commands freed with their scope, and the state the library's
// callbacks report into (its words for a failure, the progress of a file
// being sent, a listing as it arrives, the caller's stop and abandon
// flags). Each connection derives its call from TCurlCall and adds what
// its protocol learns.

#include "upload/transfer/Transport.h"
#include "upload/transfer/Trust.h"

#include <QString>

#include <QByteArray>

#include <curl/curl.h>

#include <chrono>
#include <functional>

void CurlGlobalInitOnce();

// The most a folder listing may hold (a web site's folder needs far less).
inline constexpr qsizetype kMaxListingBytes = 8 << 20;

// How long a cancelled upload may spend removing its temporary file.
inline constexpr long kCleanupBudgetMs = 700;

// A list of lines for the library, freed with the scope.
struct TCurlList {
    curl_slist* list = nullptr;
    TCurlList() = default;
    TCurlList(const TCurlList&) = delete;
    TCurlList& operator=(const TCurlList&) = delete;
    ~TCurlList() { curl_slist_free_all(list); }
    TCurlList& operator<<(const QByteArray& line) {
        list = curl_slist_append(list, line.constData());
        return *this;
    }
};

// It lives on the stack of the connection's Run. The callbacks below take
// a TCurlCall* as their data: hand them static_cast<TCurlCall*>(&call).
struct TCurlCall {
    TCurlCall(const TRequest& request, TRequestControl& control) : r(request), control(control) {}
    const TRequest& r;
    TRequestControl& control;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    QByteArray listing;
    bool sending = false;
    bool cleaningUp = false;  // removing a temporary file: not abandoned
    curl_off_t lastReported = -1;
    std::chrono::steady_clock::time_point lastReportTime;

    bool Aborted() const { return control.Stop || (control.Abort && !cleaningUp); }

    // Ends the transfer once the caller stops; tells the caller how much
    // of the file went, at most every 50 ms and once at its end.
    static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow);
    static size_t OnDiscard(char*, size_t size, size_t count, void*);
    // Collects a listing; one longer than any folder of a web site ends the call.
    static size_t OnListing(char* data, size_t size, size_t count, void* self);
    // Read and rewind a FILE* (the library rewinds when a request must go
    // again, as after a log-in method learnt from a refusal).
    static size_t OnRead(char* buffer, size_t size, size_t count, void* file);
    static int OnSeek(void* file, curl_off_t offset, int origin);
};

// Sets how the next request on `easy` checks the server's certificate. The
// library reads neither SSL_CERT_FILE nor SSL_CERT_DIR by itself; a key the
// user trusted (`trustedKey`, "sha256//<base64>") alone decides, whoever
// signed the certificate and whatever name it has.
void SetTlsCheck(CURL* easy, TTlsCheck check, const QString& trustedKey);

// The key of the certificate the server showed on the last request on
// `easy` made with CURLOPT_CERTINFO ("" none).
QString ShownCertificateKey(CURL* easy);

// The log-in over TLS every connection makes: with a trusted key it tries
// that key first, then the certificate store; a certificate neither
// accepts is asked for once more with a probe, so that the refusal can
// show its key. `attempt` makes one try with the check it is given and
// returns the library's code; `verdict` makes the reply of a code. `check`
// is left as the one later requests of the connection use.
TReply TlsLogIn(CURL* easy, const TCurlCall& call, TTlsCheck& check, const std::function<int(TTlsCheck)>& attempt,
                const std::function<TReply(int)>& verdict);
