#include "upload/transfer/DavConnection.h"

#include "upload/transfer/CurlCall.h"
#include "upload/transfer/DavListing.h"
#include "upload/transfer/RemotePath.h"
#include "upload/transfer/Trust.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <strings.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The URL of `name` in `folder` of the request's server ("" the folder
// itself, ending in "/"), every step percent-encoded.
QByteArray UrlOf(const TRequest& r, const QString& folder, const QString& name = QString()) {
    const bool tls = r.Login.Security == TSecurity::WebDAVS;
    return (tls ? "https://" : "http://") + HostPart(r.Login.Address) + ":" + QByteArray::number(r.Login.Port) +
           FolderPath(r.Login.Security, folder) + QUrl::toPercentEncoding(name);
}

// The path part of a URL made by UrlOf.
QByteArray PathOf(const QByteArray& url) {
    const qsizetype scheme = url.indexOf("://");
    const qsizetype slash = url.indexOf('/', scheme < 0 ? 0 : scheme + 3);
    return slash < 0 ? QByteArray("/") : url.mid(slash);
}

}  // namespace

// What one request learns as it runs: the library's words, the status
// line, the log-in methods offered, the listing as it arrives.
struct TDavConnection::TCall : TCurlCall {
    using TCurlCall::TCurlCall;
    std::string statusLine;  // "404 Not Found"
    long offered = 0;        // CURLAUTH_* the server named in a refusal
    long status = 0;

    static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
        auto* c = static_cast<TCall*>(self);
        std::string line(data, size * count);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.rfind("HTTP/", 0) == 0) {
            const size_t space = line.find(' ');
            c->statusLine = space == std::string::npos ? std::string() : line.substr(space + 1);
        } else if (line.size() > 17 && strncasecmp(line.c_str(), "WWW-Authenticate:", 17) == 0) {
            const std::string value = line.substr(17);
            if (value.find("Digest") != std::string::npos) c->offered |= long(CURLAUTH_DIGEST);
            if (value.find("Basic") != std::string::npos) c->offered |= long(CURLAUTH_BASIC);
        }
        return size * count;
    }
};

TDavConnection::TDavConnection() { CurlGlobalInitOnce(); }

TDavConnection::~TDavConnection() {
    if (easy_) curl_easy_cleanup(easy_);
}

// The request table: the function that does each kind of request. A switch
// with no default, so a kind added to the requests and forgotten here is a
// compiler warning rather than a call through nothing.
TDavConnection::TRunner TDavConnection::RunnerOf(TRequest::TKind kind) {
    using K = TRequest::TKind;
    switch (kind) {
    case K::Login: return &TDavConnection::Login;
    case K::EnterFolder: return &TDavConnection::EnterFolder;
    case K::MakeFolder: return &TDavConnection::MakeFolder;
    case K::List: return &TDavConnection::List;
    case K::Send: return &TDavConnection::Send;
    case K::Write: return &TDavConnection::Send;
    case K::Remove: return &TDavConnection::Remove;
    case K::Commit: return &TDavConnection::Commit;
    }
    return &TDavConnection::Login;  // not reached: every kind is listed above
}

// Every file was moved into place as it went: nothing is left to publish.
TReply TDavConnection::Commit(TCall&) {
    TReply reply;
    reply.Alive = true;
    return reply;
}

TReply TDavConnection::Run(const TRequest& request, TRequestControl& control) {
    // One handle for the life of the connection: the library keeps the
    // connection and the log-in's state (a digest's nonce) in it.
    if (!easy_) easy_ = curl_easy_init();
    if (request.Kind == TRequest::TKind::Login) {
        check_ = TTlsCheck::Store;
        auth_ = 0;
    }
    TCall call(request, control);
    TReply reply = (this->*RunnerOf(request.Kind))(call);
    // The handle must not point into the finished call.
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, nullptr);
    curl_easy_setopt(easy_, CURLOPT_XFERINFODATA, nullptr);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(easy_, CURLOPT_READDATA, nullptr);
    curl_easy_setopt(easy_, CURLOPT_SEEKDATA, nullptr);
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, nullptr);
    if (control.Abort && reply.Outcome.Ok()) reply.Outcome = CancelledOutcome();
    return reply;
}

void TDavConnection::Prepare(TCall& call, const QByteArray& url, const char* method, TTlsCheck check) {
    const TRequest& r = call.r;
    // Every option a request may set is set again here rather than reset
    // with the handle, which would forget the log-in's state.
    curl_easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, method);
    curl_easy_setopt(easy_, CURLOPT_URL, url.constData());
    const bool tls = r.Login.Security == TSecurity::WebDAVS;
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, tls ? "https" : "http");
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &TCall::OnDiscard);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, static_cast<TCurlCall*>(&call));
    curl_easy_setopt(easy_, CURLOPT_USERNAME, r.Login.UserName.toUtf8().constData());
    curl_easy_setopt(easy_, CURLOPT_PASSWORD, r.Login.Password.toUtf8().constData());
    // Basic or Digest: until a refusal has named one, the library asks
    // without and answers the server's choice.
    curl_easy_setopt(easy_, CURLOPT_HTTPAUTH, auth_ ? auth_ : long(CURLAUTH_BASIC | CURLAUTH_DIGEST));
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, call.errorBuffer);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &TCall::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, &call);
    curl_easy_setopt(easy_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy_, CURLOPT_XFERINFOFUNCTION, &TCall::OnProgress);
    curl_easy_setopt(easy_, CURLOPT_XFERINFODATA, static_cast<TCurlCall*>(&call));
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, nullptr);
    const long t = r.Timeout;
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, t);
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT, 0L);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, t);
    curl_easy_setopt(easy_, CURLOPT_TCP_KEEPALIVE, 1L);
    if (tls) SetTlsCheck(easy_, check, r.Login.TrustedKey);
    call.errorBuffer[0] = 0;
    call.statusLine.clear();
    call.status = 0;
    call.sending = false;
    call.lastReported = -1;
}

// Runs the prepared request; a refusing status comes back as
// HTTP_RETURNED_ERROR with the status in the call.
int TDavConnection::Perform(TCall& call) {
    const CURLcode rc = curl_easy_perform(easy_);
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &call.status);
    // Later requests send the method the server asked for at once.
    if (call.offered) auth_ = (call.offered & long(CURLAUTH_DIGEST)) ? long(CURLAUTH_DIGEST) : long(CURLAUTH_BASIC);
    if (rc == CURLE_OK && call.status >= 400) return CURLE_HTTP_RETURNED_ERROR;
    return rc;
}

TReply TDavConnection::Verdict(const TCall& call, int code) {
    long os = 0;
    curl_easy_getinfo(easy_, CURLINFO_OS_ERRNO, &os);
    const QString words = QString::fromUtf8(call.errorBuffer);
    TCurlFacts facts;
    facts.Code = code;
    facts.Status = int(call.status);
    facts.Detail = ShownServerText(words).trimmed();
    if (code == CURLE_HTTP_RETURNED_ERROR)
        facts.Reply = ShownServerText(QString::fromUtf8(call.statusLine.c_str())).trimmed();
    facts.Refused = os == ECONNREFUSED || words.contains(QLatin1String("refused"), Qt::CaseInsensitive);
    const TCurlVerdict v = Judge(facts, call.r.Kind == TRequest::TKind::Login, call.r.Kind == TRequest::TKind::List);
    TReply reply;
    reply.Outcome = v.Outcome;
    reply.Alive = v.KeepsConnection;
    return reply;
}

// The log-in: the folder asked for its own properties. A server whose
// folder is not a WebDAV one still logged the user in unless it refused
// the password; entering the folder tells the rest.
TReply TDavConnection::Login(TCall& call) {
    if (call.r.Login.Security == TSecurity::WebDAVS) return LoginTls(call);
    Prepare(call, UrlOf(call.r, call.r.Folder), "PROPFIND", check_);
    TCurlList headers;
    headers << "Depth: 0";
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers.list);
    const int rc = Perform(call);
    return Verdict(call, rc == CURLE_HTTP_RETURNED_ERROR && call.status != 401 ? CURLE_OK : rc);
}

// Over HTTPS: the certificate as for FTPS (the store, else the key the
// user trusted, else read without logging in for the question).
TReply TDavConnection::LoginTls(TCall& call) {
    const QByteArray url = UrlOf(call.r, call.r.Folder);
    TCurlList headers;
    headers << "Depth: 0";
    const auto attempt = [&](TTlsCheck check) {
        Prepare(call, url, "PROPFIND", check);
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers.list);
        const int rc = Perform(call);
        return rc == CURLE_HTTP_RETURNED_ERROR && call.status != 401 ? int(CURLE_OK) : rc;
    };
    return TlsLogIn(easy_, call, check_, attempt, [&](int rc) { return Verdict(call, rc); });
}

TReply TDavConnection::EnterFolder(TCall& call) {
    Prepare(call, UrlOf(call.r, call.r.Folder), "PROPFIND", check_);
    TCurlList headers;
    headers << "Depth: 0";
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers.list);
    return Verdict(call, Perform(call));
}

// Level by level; a level that exists (405) is no error.
TReply TDavConnection::MakeFolder(TCall& call) {
    const QString& folder = call.r.Folder;
    QString level = folder.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    int rc = CURLE_OK;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        level += part + QLatin1Char('/');
        Prepare(call, UrlOf(call.r, level), "MKCOL", check_);
        rc = Perform(call);
        if (rc == CURLE_HTTP_RETURNED_ERROR && call.status == 405) rc = CURLE_OK;
        if (rc != CURLE_OK) break;
    }
    return Verdict(call, rc);
}

// The folder's entries from PROPFIND "Depth: 1", bounded in size and time.
TReply TDavConnection::List(TCall& call) {
    const QByteArray url = UrlOf(call.r, call.r.Folder);
    Prepare(call, url, "PROPFIND", check_);
    TCurlList headers;
    headers << "Depth: 1" << "Content-Type: application/xml; charset=utf-8";
    const QByteArray query = DavListingQuery();
    curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE, long(query.size()));
    curl_easy_setopt(easy_, CURLOPT_COPYPOSTFIELDS, query.constData());
    curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, "PROPFIND");
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &TCall::OnListing);
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT, long(call.r.Timeout) * 2);
    call.listing.clear();
    const int rc = Perform(call);
    TReply reply = Verdict(call, rc);
    if (rc == CURLE_OK && !ParseDavListing(call.listing, PathOf(url), reply.Listing)) {
        reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::Failed,
                                        QCoreApplication::translate("FtpClient", "The server's folder listing could not be read."));
        reply.Alive = true;
    }
    return reply;
}

// One PUT of `file` to `url`.
int TDavConnection::Put(TCall& call, const QByteArray& url, void* file, long size) {
    Prepare(call, url, nullptr, check_);
    std::fseek(static_cast<FILE*>(file), 0, SEEK_SET);
    curl_easy_setopt(easy_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy_, CURLOPT_READFUNCTION, &TCall::OnRead);
    curl_easy_setopt(easy_, CURLOPT_READDATA, file);
    curl_easy_setopt(easy_, CURLOPT_SEEKFUNCTION, &TCall::OnSeek);
    curl_easy_setopt(easy_, CURLOPT_SEEKDATA, file);
    curl_easy_setopt(easy_, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    call.sending = true;
    const int rc = Perform(call);
    call.sending = false;
    return rc;
}

// Send: PUT under a temporary name in its folder (made when missing), then
// MOVE over the real name. Write: PUT under the real name. A failed or
// cancelled transfer removes what arrived.
TReply TDavConnection::Send(TCall& call) {
    const TRequest& r = call.r;
    const bool direct = r.Kind == TRequest::TKind::Write;
    FILE* file = std::fopen(QFile::encodeName(r.LocalFile).constData(), "rb");
    if (!file) {
        TReply reply;
        reply.Alive = true;
        reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::LocalFile,
                                        QCoreApplication::translate("FtpClient", "the file %1 could not be read")
                                            .arg(r.LocalFile));
        return reply;
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    const QByteArray temp = UrlOf(r, r.Folder, direct ? r.RemoteName : QStringLiteral(".tarvo-upload.") + r.RemoteName);
    int rc = Put(call, temp, file, size);
    // 409: a folder on the way is missing.
    if (!direct && rc == CURLE_HTTP_RETURNED_ERROR && call.status == 409 && MakeFolder(call).Outcome.Ok())
        rc = Put(call, temp, file, size);
    std::fclose(file);
    if (rc == CURLE_OK && !direct) {
        Prepare(call, temp, "MOVE", check_);
        TCurlList headers;
        headers << "Destination: " + UrlOf(r, r.Folder, r.RemoteName) << "Overwrite: T";
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers.list);
        rc = Perform(call);
    }
    const TReply reply = Verdict(call, rc);
    if (rc != CURLE_OK) RemoveTemporary(call, temp);
    return reply;
}

// After a failed or cancelled transfer, within a short budget when
// cancelled.
void TDavConnection::RemoveTemporary(TCall& call, const QByteArray& url) {
    const bool cancelled = call.control.Abort;
    call.cleaningUp = true;
    Prepare(call, url, "DELETE", check_);
    if (cancelled) {
        curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, kCleanupBudgetMs);
        curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, kCleanupBudgetMs);
    }
    Perform(call);
    call.cleaningUp = false;
}

TReply TDavConnection::Remove(TCall& call) {
    Prepare(call, UrlOf(call.r, call.r.Folder, call.r.RemoteName), "DELETE", check_);
    return Verdict(call, Perform(call));
}
