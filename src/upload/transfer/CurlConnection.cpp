#include "upload/transfer/CurlConnection.h"

#include "upload/transfer/CurlCall.h"
#include "upload/transfer/RemotePath.h"
#include "upload/transfer/Trust.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The longest a request sleeps between two looks at its transfer. The
// library's own blocking call sleeps up to a second at a time, and on some
// passive-mode transfers over a reused connection it sleeps that whole
// second before it opens the data connection, because at that step it
// waits for no socket and sets no timer. Driving the transfer ourselves
// with short waits removes that stall.
constexpr int kPollMs = 5;
// The upload buffer over SFTP (the library's default is 64 KiB).
constexpr long kSftpUploadBuffer = 256L * 1024;

}  // namespace

// What one request learns as it runs: the library's words, the server's
// last reply, the key it showed, the listing as it arrives. It lives on
// the stack of Run and is handed to the library's callbacks.
struct TCurlConnection::TCall : TCurlCall {
    using TCurlCall::TCurlCall;
    std::string lastReply;
    QString seenHostKey;

    static size_t OnReply(char* data, size_t size, size_t count, void* self) {
        auto* c = static_cast<TCall*>(self);
        std::string line(data, size * count);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        // Replies start with a three-digit code; keep the last one whole.
        if (line.size() >= 3 && isdigit(uchar(line[0])) && isdigit(uchar(line[1])) && isdigit(uchar(line[2])))
            c->lastReply = line;
        return size * count;
    }

    static int OnHostKey(void* self, int, const char* key, size_t len) {
        auto* c = static_cast<TCall*>(self);
        c->seenHostKey = HostKeyFingerprint(key, len);
        const QString expected = c->r.Login.HostKey.trimmed();
        return !expected.isEmpty() && c->seenHostKey == expected ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
    }
};

TCurlConnection::TCurlConnection() { CurlGlobalInitOnce(); }

TCurlConnection::~TCurlConnection() {
    if (easy_) curl_easy_cleanup(easy_);
    if (multi_) curl_multi_cleanup(multi_);  // closes the cached connection (QUIT)
}

// The request table: the function that does each kind of request. A switch
// with no default, so a kind added to the requests and forgotten here is a
// compiler warning rather than a call through nothing.
TCurlConnection::TRunner TCurlConnection::RunnerOf(TRequest::TKind kind) {
    using K = TRequest::TKind;
    switch (kind) {
    case K::Login: return &TCurlConnection::Login;
    case K::EnterFolder: return &TCurlConnection::EnterFolder;
    case K::MakeFolder: return &TCurlConnection::MakeFolder;
    case K::List: return &TCurlConnection::List;
    case K::Send: return &TCurlConnection::Send;
    case K::Write: return &TCurlConnection::Send;
    case K::Remove: return &TCurlConnection::Remove;
    case K::Commit: return &TCurlConnection::Commit;
    }
    return &TCurlConnection::Login;  // not reached: every kind is listed above
}

TReply TCurlConnection::Run(const TRequest& request, TRequestControl& control) {
    if (!multi_) multi_ = curl_multi_init();
    if (!easy_) easy_ = curl_easy_init();
    if (request.Kind == TRequest::TKind::Login) {
        check_ = TTlsCheck::Store;
        noFacts_ = false;
    }
    TCall call(request, control);
    TReply reply = (this->*RunnerOf(request.Kind))(call);
    // The handle must not point into the finished call.
    curl_easy_reset(easy_);
    if (control.Abort && reply.Outcome.Ok()) reply.Outcome = CancelledOutcome();
    return reply;
}

void TCurlConnection::Prepare(TCall& call, const QByteArray& path, TTlsCheck check) {
    const TRequest& r = call.r;
    curl_easy_reset(easy_);
    const bool sftp = r.Login.Security == TSecurity::SFTP;
    // The library copies every text handed to it.
    const QByteArray url = (sftp ? "sftp://" : "ftp://") + HostPart(r.Login.Address) + ":" +
                           QByteArray::number(r.Login.Port) + path;
    curl_easy_setopt(easy_, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, sftp ? "sftp" : "ftp");
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &TCall::OnDiscard);
    if (sftp) {
        curl_easy_setopt(easy_, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(easy_, CURLOPT_SSH_HOSTKEYFUNCTION, &TCall::OnHostKey);
        curl_easy_setopt(easy_, CURLOPT_SSH_HOSTKEYDATA, &call);
    } else if (r.Login.Security == TSecurity::FTPS) {
        PrepareFtps(call, check);
    }
    curl_easy_setopt(easy_, CURLOPT_USERNAME, r.Login.UserName.toUtf8().constData());
    curl_easy_setopt(easy_, CURLOPT_PASSWORD, r.Login.Password.toUtf8().constData());
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, call.errorBuffer);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &TCall::OnReply);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, &call);
    curl_easy_setopt(easy_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy_, CURLOPT_XFERINFOFUNCTION, &TCall::OnProgress);
    curl_easy_setopt(easy_, CURLOPT_XFERINFODATA, static_cast<TCurlCall*>(&call));
    // Bounded waits: connecting and logging in, each reply, and a
    // transfer in which nothing moves.
    const long t = r.Timeout;
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, t);
    curl_easy_setopt(easy_, CURLOPT_SERVER_RESPONSE_TIMEOUT, t);
    curl_easy_setopt(easy_, CURLOPT_ACCEPTTIMEOUT_MS, t * 1000);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, t);
    // Passive mode, which works behind routers; the data connection
    // goes to the control connection's address whatever the server
    // says in its PASV reply.
    curl_easy_setopt(easy_, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(easy_, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    curl_easy_setopt(easy_, CURLOPT_TCP_KEEPALIVE, 1L);
    call.errorBuffer[0] = 0;
    call.seenHostKey.clear();
    call.lastReply.clear();
    call.sending = false;
    call.lastReported = -1;
}

void TCurlConnection::PrepareFtps(TCall& call, TTlsCheck check) {
    // Explicit TLS: AUTH TLS on the usual port, then the log-in and every
    // data connection encrypted; a server that cannot is refused rather
    // than spoken to in plain text.
    curl_easy_setopt(easy_, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    curl_easy_setopt(easy_, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    SetTlsCheck(easy_, check, call.r.Login.TrustedKey);
}

// Runs the prepared transfer to its end with short waits; the code of its
// outcome.
int TCurlConnection::Perform() {
    curl_multi_add_handle(multi_, easy_);
    CURLcode result = CURLE_OK;
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (!running) break;
        curl_multi_poll(multi_, nullptr, 0, kPollMs, nullptr);
    }
    int left = 0;
    while (CURLMsg* m = curl_multi_info_read(multi_, &left))
        if (m->msg == CURLMSG_DONE && m->easy_handle == easy_) result = m->data.result;
    curl_multi_remove_handle(multi_, easy_);
    return result;
}

// The reply to a request whose last transfer ended with `code`.
TReply TCurlConnection::Verdict(const TCall& call, int code) {
    long os = 0;
    curl_easy_getinfo(easy_, CURLINFO_OS_ERRNO, &os);
    const QString words = QString::fromUtf8(call.errorBuffer);
    TCurlFacts facts;
    facts.Code = code;
    facts.Detail = ShownServerText(words).trimmed();
    facts.Reply = ShownServerText(QString::fromUtf8(call.lastReply.c_str())).trimmed();
    // The library's own words, never the translated message, tell a
    // refused connection besides the error number.
    facts.Refused = os == ECONNREFUSED || words.contains(QLatin1String("refused"), Qt::CaseInsensitive);
    const TCurlVerdict v = Judge(facts, call.r.Kind == TRequest::TKind::Login, call.r.Kind == TRequest::TKind::List);
    TReply reply;
    reply.Outcome = v.Outcome;
    reply.Alive = v.KeepsConnection;
    if (code == CURLE_PEER_FAILED_VERIFICATION && call.r.Login.Security == TSecurity::SFTP &&
        !call.seenHostKey.isEmpty()) {
        // A refused host key: the question's facts.
        const bool changed = !call.r.Login.HostKey.trimmed().isEmpty();
        reply.Outcome = TFtpOutcome::Of(changed ? TFtpOutcome::TKind::KeyChanged : TFtpOutcome::TKind::KeyUnknown,
                                        HostKeyRefusal(changed));
        reply.Outcome.Fingerprint = call.seenHostKey;
    }
    return reply;
}

// The certificate key of the server just met, from the library's
// certificate report.
// A request that transfers nothing on the folder's URL, so the library
// logs in and walks into the folder.
TReply TCurlConnection::Login(TCall& call) {
    const TSecurity security = call.r.Login.Security;
    if (security == TSecurity::FTPS) return LoginFtps(call);
    if (security == TSecurity::SFTP) return SftpFolder(call, false);
    return EnterFolder(call);
}

// Logs in to an FTPS server. A certificate the store verifies is enough;
// one it does not is accepted when its key is the one the user trusted;
// otherwise the certificate is read without logging in, for the question.
// With a trusted key the key is tried first, so that the usual case costs
// one connection, not a refused one before it.
TReply TCurlConnection::LoginFtps(TCall& call) {
    const QByteArray path = FolderPath(TSecurity::FTPS, call.r.Folder);
    const auto attempt = [&](TTlsCheck check) {
        Prepare(call, path, check);
        curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
        return Perform();
    };
    return TlsLogIn(easy_, call, check_, attempt, [&](int rc) { return Verdict(call, rc); });
}

TReply TCurlConnection::EnterFolder(TCall& call) {
    if (call.r.Login.Security == TSecurity::SFTP) return SftpFolder(call, false);
    Prepare(call, FolderPath(call.r.Login.Security, call.r.Folder), check_);
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    return Verdict(call, Perform());
}

TReply TCurlConnection::MakeFolder(TCall& call) {
    if (call.r.Login.Security == TSecurity::SFTP) return SftpFolder(call, true);
    Prepare(call, FolderPath(call.r.Login.Security, call.r.Folder), check_);
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy_, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    return Verdict(call, Perform());
}

// Over SFTP a folder is made level by level (a level that exists is no
// error) and then listed, which fails when it is not there.
TReply TCurlConnection::SftpFolder(TCall& call, bool make) {
    const QString& folder = call.r.Folder;
    Prepare(call, FolderPath(TSecurity::SFTP, folder), TTlsCheck::Store);
    TCurlList cmds;
    if (make) {
        QString level = folder.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
        for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            level = level.isEmpty() || level == QLatin1String("/") ? level + part : level + QLatin1Char('/') + part;
            cmds << "*mkdir " + SftpPath(level, QString());
        }
        curl_easy_setopt(easy_, CURLOPT_QUOTE, cmds.list);
    }
    if (call.r.Kind == TRequest::TKind::Login) curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    return Verdict(call, Perform());
}

// The folder's listing: the machine-readable MLSD where the server knows
// it (asked once per connection), else LIST. The whole call is bounded in
// time as well as in size.
TReply TCurlConnection::List(TCall& call) {
    const TRequest& r = call.r;
    const bool ftp = r.Login.Security != TSecurity::SFTP;
    for (;;) {
        const bool facts = ftp && !noFacts_;
        Prepare(call, FolderPath(r.Login.Security, r.Folder), check_);
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &TCall::OnListing);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, static_cast<TCurlCall*>(&call));
        curl_easy_setopt(easy_, CURLOPT_TIMEOUT, long(r.Timeout) * 2);
        if (facts) curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, "MLSD");
        call.listing.clear();
        const int rc = Perform();
        // "500 Unknown command" and its kin: the server lists only the
        // plain way.
        const std::string& last = call.lastReply;
        const bool unknown = last.size() >= 3 && last[0] == '5' && last[1] == '0' &&
                             (last[2] == '0' || last[2] == '1' || last[2] == '2' || last[2] == '4');
        if (rc != CURLE_OK && facts && unknown) {
            noFacts_ = true;
            continue;
        }
        TReply reply = Verdict(call, rc);
        if (rc == CURLE_OK) reply.Listing = ParseListing(call.listing, facts);
        return reply;
    }
}

// Send: under a temporary name in its folder (folders missing on the way
// are made), renamed over the real name once complete. Write: under the
// real name in a folder that exists. A failed or cancelled transfer
// removes what arrived where the server allows.
TReply TCurlConnection::Send(TCall& call) {
    const TRequest& r = call.r;
    const bool direct = r.Kind == TRequest::TKind::Write;
    const bool sftp = r.Login.Security == TSecurity::SFTP;
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
    std::fseek(file, 0, SEEK_SET);

    const QString temp = direct ? r.RemoteName : QStringLiteral(".tarvo-upload.") + r.RemoteName;
    Prepare(call, FolderPath(r.Login.Security, r.Folder) + QUrl::toPercentEncoding(temp), check_);
    curl_easy_setopt(easy_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy_, CURLOPT_READFUNCTION, &TCall::OnRead);
    curl_easy_setopt(easy_, CURLOPT_READDATA, file);
    curl_easy_setopt(easy_, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    // Over SFTP each buffer the library hands on is written as packets it
    // then waits to see acknowledged: with room for a whole picture of a
    // few hundred KiB, such a file costs one wait instead of several.
    if (sftp) curl_easy_setopt(easy_, CURLOPT_UPLOAD_BUFFERSIZE, kSftpUploadBuffer);
    // SFTP has no text mode: the library would turn line ends into CR LF
    // on the way, so files go as they are.
    curl_easy_setopt(easy_, CURLOPT_TRANSFERTEXT, r.Binary || sftp ? 0L : 1L);
    // Complete: renamed over the real name in the same folder. SFTP
    // servers refuse to rename onto an existing file, so the old one is
    // removed right before (a missing one is no error).
    TCurlList rename;
    if (!direct) {
        curl_easy_setopt(easy_, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        if (sftp)
            rename << "*rm " + SftpPath(r.Folder, r.RemoteName)
                   << "rename " + SftpPath(r.Folder, temp) + " " + SftpPath(r.Folder, r.RemoteName);
        else
            rename << "RNFR " + temp.toUtf8() << "RNTO " + r.RemoteName.toUtf8();
        curl_easy_setopt(easy_, CURLOPT_POSTQUOTE, rename.list);
    }
    call.sending = true;
    const int rc = Perform();
    call.sending = false;
    std::fclose(file);
    // Judged before the clean-up, which has facts of its own.
    const TReply reply = Verdict(call, rc);
    if (rc != CURLE_OK) RemoveTemporary(call, temp, rc);
    return reply;
}

// After a failed or cancelled transfer: the temporary file is removed
// where the server allows, within a short budget when cancelled.
void TCurlConnection::RemoveTemporary(TCall& call, const QString& temp, int why) {
    const TRequest& r = call.r;
    const bool wasCancelled = call.control.Abort;
    call.cleaningUp = true;
    Prepare(call, FolderPath(r.Login.Security, r.Folder), check_);
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    TCurlList dele;
    dele << (r.Login.Security == TSecurity::SFTP ? "*rm " + SftpPath(r.Folder, temp) : "*DELE " + temp.toUtf8());
    curl_easy_setopt(easy_, CURLOPT_POSTQUOTE, dele.list);
    if (wasCancelled || why == CURLE_ABORTED_BY_CALLBACK) {
        curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, kCleanupBudgetMs);
        curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, kCleanupBudgetMs);
    }
    // A connection that timed out gets no second wait.
    if (why == CURLE_OPERATION_TIMEDOUT) curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, kCleanupBudgetMs);
    Perform();
    call.cleaningUp = false;
}

// What was sent is on the server already: nothing to do.
TReply TCurlConnection::Commit(TCall&) {
    TReply reply;
    reply.Alive = true;
    return reply;
}

// Removes one file of the request's folder; a refusal is a failure.
TReply TCurlConnection::Remove(TCall& call) {
    const TRequest& r = call.r;
    const bool sftp = r.Login.Security == TSecurity::SFTP;
    Prepare(call, FolderPath(r.Login.Security, r.Folder), check_);
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    TCurlList dele;
    dele << (sftp ? "rm " + SftpPath(r.Folder, r.RemoteName) : "DELE " + r.RemoteName.toUtf8());
    curl_easy_setopt(easy_, sftp ? CURLOPT_QUOTE : CURLOPT_POSTQUOTE, dele.list);
    return Verdict(call, Perform());
}
