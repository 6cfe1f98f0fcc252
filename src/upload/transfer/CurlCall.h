#pragma once
// What every request made through libcurl shares, whichever protocol it
// speaks: the library set up once for the process, lists of header lines
// or commands freed with their scope, and the state the library's
// callbacks report into (its words for a failure, the progress of a file
// being sent, a listing as it arrives, the caller's stop and abandon
// flags). Each connection derives its call from TCurlCall and adds what
// its protocol learns.

#include "upload/transfer/Transport.h"

#include <QByteArray>

#include <curl/curl.h>

#include <chrono>

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
