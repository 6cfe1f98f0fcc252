#include "upload/transfer/CurlCall.h"

#include <cstdio>

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
