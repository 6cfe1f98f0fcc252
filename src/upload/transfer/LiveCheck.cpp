#include "upload/transfer/LiveCheck.h"

#include "upload/transfer/CurlCall.h"
#include "upload/transfer/Listing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QUrl>

#include <curl/curl.h>

#include <atomic>
#include <mutex>
#include <string>

namespace {

// Redirects followed at most (a folder's address to its index, http to
// https, one host name to another is already a long way).
constexpr long kMaxRedirects = 5;
// Room above the page's size: a text transfer may have doubled its line
// ends, a server may have added white space at the end.
constexpr qsizetype kSlackBytes = 64 * 1024;
// However large the page, no answer is read beyond this.
constexpr qsizetype kMaxBodyBytes = 64 << 20;
// How often a waiting check looks whether it was cancelled (a wake-up
// ends the wait sooner).
constexpr int kPollMs = 200;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

QByteArrayView WithoutTrailingSpace(const QByteArray& b) {
    qsizetype n = b.size();
    while (n > 0 && IsSpace(b[n - 1])) --n;
    return QByteArrayView(b.constData(), n);
}

QByteArray UnixLineEnds(QByteArray b) { return b.replace("\r\n", "\n"); }

}  // namespace

bool SamePage(const QByteArray& served, const QByteArray& sent, bool text) {
    if (served == sent || WithoutTrailingSpace(served) == WithoutTrailingSpace(sent)) return true;
    if (!text) return false;
    const QByteArray a = UnixLineEnds(served), b = UnixLineEnds(sent);
    return WithoutTrailingSpace(a) == WithoutTrailingSpace(b);
}

QString LiveSentence(const TLiveResult& r, const QString& address) {
    using K = TLiveResult::TKind;
    switch (r.Kind) {
        case K::Live:
            return QCoreApplication::translate("LiveCheck", "Your page is live at %1").arg(address);
        case K::Other:
            return QCoreApplication::translate("LiveCheck", "The server holds the new page, but %1 shows an older one: the web "
                                                  "address may point to another folder")
                .arg(address);
        case K::NotFound:
            return QCoreApplication::translate("LiveCheck", "%1 answers 404: check the folder and the web address").arg(address);
        case K::Status: {
            QString status = QString::number(r.Status);
            if (!r.Reason.isEmpty()) status += QLatin1Char(' ') + r.Reason;
            return QCoreApplication::translate("LiveCheck", "Your page was sent, but %1 answers %2, so it is not seen there yet")
                .arg(address, status);
        }
        case K::Unreached:
            return QCoreApplication::translate("LiveCheck", "Your page was sent, but Tarvo could not connect to %1, so it is not "
                                                  "seen there yet")
                .arg(address);
        case K::TimedOut:
            return QCoreApplication::translate("LiveCheck", "Your page was sent, but %1 did not answer within %2 seconds, so it "
                                                  "is not seen there yet")
                .arg(address)
                .arg((r.TimeLimitMs + 999) / 1000);
        case K::Untrusted:
            return QCoreApplication::translate("LiveCheck", "Your page was sent, but Tarvo cannot see it at %1 yet: the web "
                                                  "server's certificate is not trusted")
                .arg(address);
        case K::Failed:
            if (r.Detail.isEmpty())
                return QCoreApplication::translate("LiveCheck", "Your page was sent, but Tarvo cannot see it at %1 yet")
                    .arg(address);
            return QCoreApplication::translate("LiveCheck", "Your page was sent, but Tarvo cannot see it at %1 yet: %2")
                .arg(address, r.Detail);
        case K::Cancelled:
            return QString();
    }
    return QString();
}

QString LiveCheckingSentence(const QString& address) {
    return QCoreApplication::translate("LiveCheck", "Checking whether your page is live at %1 ...").arg(address);
}

// What a check and the object that started it share: the cancel, and the
// transfer library's handle that a cancel wakes.
struct TLiveCheck::TShared {
    std::atomic<bool> Abort{false};
    std::atomic<bool> Done{false};
    std::mutex Mutex;
    CURLM* Multi = nullptr;  // while the transfer runs; under Mutex

    void Wake() {
        std::lock_guard<std::mutex> lock(Mutex);
        if (Multi) curl_multi_wakeup(Multi);
    }
};

namespace {

// One fetch of the address, as the transfer library sees it.
struct TFetch {
    qsizetype Cap = 0;
    QByteArray Body;
    bool TooLarge = false;
    std::string Reason;  // of the last status line
    char ErrorBuffer[CURL_ERROR_SIZE] = {};

    static size_t OnBody(char* data, size_t size, size_t count, void* self) {
        auto* f = static_cast<TFetch*>(self);
        const size_t n = size * count;
        if (f->Body.size() + qsizetype(n) > f->Cap) {
            f->TooLarge = true;
            return 0;
        }
        f->Body.append(data, qsizetype(n));
        return n;
    }

    // Each answer of a redirect starts with its status line: the reason is
    // the last one's, and so is the body (a redirect's own is dropped).
    static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
        auto* f = static_cast<TFetch*>(self);
        const size_t n = size * count;
        std::string line(data, std::min<size_t>(n, 512));
        if (line.rfind("HTTP/", 0) == 0) {
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
            const size_t first = line.find(' ');
            const size_t second = first == std::string::npos ? std::string::npos : line.find(' ', first + 1);
            f->Reason = second == std::string::npos ? std::string() : line.substr(second + 1);
            f->Body.clear();
            f->TooLarge = false;
        }
        return n;
    }
};

// How the certificate is checked: the store, or the key the user trusted.
enum class TCheckBy { Store, Key };

// Runs one transfer in a multi handle of its own, so that a cancel from
// the other thread wakes its wait at once.
CURLcode Fetch(TLiveCheck::TShared& shared, const TLiveRequest& r, TCheckBy by, TFetch& f, long& status) {
    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (!easy || !multi) {
        if (easy) curl_easy_cleanup(easy);
        if (multi) curl_multi_cleanup(multi);
        return CURLE_OUT_OF_MEMORY;
    }
    const QByteArray url = QUrl(r.Address).toEncoded();
    curl_easy_setopt(easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
#if LIBCURL_VERSION_NUM >= 0x075700
    // A cancel during a slow name lookup leaves the lookup's thread to end
    // on its own rather than waiting for it.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
#endif
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(r.TimeLimitMs));
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(r.TimeLimitMs));
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, f.ErrorBuffer);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &TFetch::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &f);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &TFetch::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &f);
    // A declared length beyond the bound ends the transfer before its body.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(f.Cap));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "Tarvo");
    // A cache on the way must ask the server again: a copy it kept of the
    // old page is not what the server now holds.
    TCurlList headers;
    headers << "Cache-Control: no-cache" << "Pragma: no-cache";
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.list);
    // The key alone decides where the upload trusts it.
    SetTlsCheck(easy, by == TCheckBy::Key ? TTlsCheck::Pinned : TTlsCheck::Store, r.TrustedKey);
    curl_multi_add_handle(multi, easy);
    {
        std::lock_guard<std::mutex> lock(shared.Mutex);
        shared.Multi = multi;
    }
    CURLcode rc = CURLE_OK;
    int running = 1;
    while (running) {
        if (shared.Abort) {
            rc = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            rc = CURLE_FAILED_INIT;
            break;
        }
        if (running) curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    }
    if (!running && rc == CURLE_OK) {
        int left = 0;
        while (CURLMsg* m = curl_multi_info_read(multi, &left))
            if (m->msg == CURLMSG_DONE) rc = m->data.result;
    }
    {
        std::lock_guard<std::mutex> lock(shared.Mutex);
        shared.Multi = nullptr;
    }
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    return rc;
}

// The check, on its own thread.
TLiveResult RunCheck(TLiveCheck::TShared& shared, const TLiveRequest& r) {
    using K = TLiveResult::TKind;
    TLiveResult result;
    result.Address = r.Address;
    result.TimeLimitMs = r.TimeLimitMs;
    TFetch f;
    f.Cap = std::min(kMaxBodyBytes, 2 * r.Sent.size() + kSlackBytes);
    long status = 0;
    CURLcode rc = Fetch(shared, r, TCheckBy::Store, f, status);
    // A certificate the store does not vouch for, on the host the user
    // trusted its key for: that key is accepted, as by the upload.
    const QString host = QUrl(r.Address).host();
    if (rc == CURLE_PEER_FAILED_VERIFICATION && !r.TrustedKey.trimmed().isEmpty() && !host.isEmpty() &&
        host.compare(r.TrustedHost, Qt::CaseInsensitive) == 0) {
        f = TFetch();
        f.Cap = std::min(kMaxBodyBytes, 2 * r.Sent.size() + kSlackBytes);
        status = 0;
        rc = Fetch(shared, r, TCheckBy::Key, f, status);
    }
    result.Status = int(status);
    result.Reason = ShownServerText(QString::fromLatin1(f.Reason.c_str())).trimmed().left(80);
    result.Detail = ShownServerText(QString::fromUtf8(f.ErrorBuffer)).trimmed().left(300);
    switch (rc) {
        case CURLE_OK:
            if (status == 404)
                result.Kind = K::NotFound;
            else if (status >= 200 && status < 300)
                result.Kind = SamePage(f.Body, r.Sent, r.Text) ? K::Live : K::Other;
            else
                result.Kind = K::Status;
            break;
        // More than the page could be: not the page.
        case CURLE_WRITE_ERROR:
        case CURLE_FILESIZE_EXCEEDED:
            result.Kind = f.TooLarge || rc == CURLE_FILESIZE_EXCEEDED ? K::Other : K::Failed;
            // A 404 or a refusal is no page either, however long.
            if (status == 404)
                result.Kind = K::NotFound;
            else if (status != 0 && (status < 200 || status >= 300))
                result.Kind = K::Status;
            break;
        case CURLE_COULDNT_CONNECT:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            result.Kind = K::Unreached;
            break;
        case CURLE_OPERATION_TIMEDOUT:
            result.Kind = K::TimedOut;
            break;
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
            result.Kind = K::Untrusted;
            break;
        case CURLE_ABORTED_BY_CALLBACK:
            result.Kind = K::Cancelled;
            break;
        default:
            result.Kind = K::Failed;
            break;
    }
    return result;
}

}  // namespace

TLiveCheck::TLiveCheck(QObject* parent) : QObject(parent) {
    CurlGlobalInitOnce();
    qRegisterMetaType<TLiveResult>("TLiveResult");
}

TLiveCheck::~TLiveCheck() {
    Cancel();
    Reap(true);
}

void TLiveCheck::Start(TLiveRequest request) {
    Cancel();
    Reap(false);
    running_ = true;
    const int serial = ++serial_;
    auto shared = std::make_shared<TShared>();
    current_ = shared;
    TLiveCheck* self = this;
    std::thread thread([self, serial, shared, request = std::move(request)] {
        const TLiveResult result = RunCheck(*shared, request);
        shared->Done = true;
        if (shared->Abort) return;
        // Told on the object's thread; a check cancelled meanwhile, or the
        // object gone (it waits for this thread first), tells nothing.
        QMetaObject::invokeMethod(
            self,
            [self, serial, result] {
                if (serial != self->serial_ || !self->running_) return;
                self->running_ = false;
                self->current_.reset();
                emit self->Finished(result);
            },
            Qt::QueuedConnection);
    });
    workers_.push_back({std::move(thread), shared});
}

void TLiveCheck::Cancel() {
    running_ = false;
    ++serial_;
    if (current_) {
        current_->Abort = true;
        current_->Wake();
        current_.reset();
    }
}

// Joins the threads that are done (`all`: every one, after a cancel wakes
// them, which ends them within a wait of the transfer library).
void TLiveCheck::Reap(bool all) {
    for (auto it = workers_.begin(); it != workers_.end();) {
        if (all || it->Shared->Done) {
            it->Thread.join();
            it = workers_.erase(it);
        } else {
            ++it;
        }
    }
}

TLiveResult CheckLiveAndWait(const TLiveRequest& request) {
    TLiveCheck check;
    TLiveResult result;
    result.Kind = TLiveResult::TKind::Cancelled;
    QEventLoop loop;
    QObject::connect(&check, &TLiveCheck::Finished, &loop, [&](const TLiveResult& r) {
        result = r;
        loop.quit();
    });
    check.Start(request);
    loop.exec();
    return result;
}
