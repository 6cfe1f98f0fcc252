#include "upload/FtpClient.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QPointer>
#include <QUrl>

#include <curl/curl.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// The transfer library is set up once for the whole process.
void GlobalInitOnce() {
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)done;
}

// The longest a worker sleeps between two looks at its transfer. The
// library's own blocking call sleeps up to a second at a time, and on some
// passive-mode transfers over a reused connection it sleeps that whole
// second before it opens the data connection, because at that step it
// waits for no socket and sets no timer. Driving the transfer ourselves
// with short waits removes that stall.
constexpr int kPollMs = 5;

// The most a folder listing may hold (a web site's folder needs far less).
constexpr qsizetype kMaxListingBytes = 8 << 20;

// How long a cancelled upload may spend removing its temporary file.
constexpr long kCleanupBudgetMs = 700;

QByteArray EncodeSegments(const QString& folder) {
    QByteArray out;
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts) out += QUrl::toPercentEncoding(p) + '/';
    return out;
}

// The URL path of a remote folder: relative folders start at the login
// folder, absolute ones at the root. Over FTP "%2F" makes the first step
// "CWD /"; over SFTP every path is absolute and "~" is the login folder.
QByteArray FolderPath(TSecurity security, const QString& folder) {
    const bool absolute = folder.startsWith(QLatin1Char('/'));
    if (security == TSecurity::SFTP) return (absolute ? "/" : "/~/") + EncodeSegments(folder);
    if (absolute) return "/%2F" + EncodeSegments(folder);
    return "/" + EncodeSegments(folder);
}

// A remote path for an SFTP command ("rm", "rename", "mkdir"), quoted so
// that spaces and quotes in names survive; relative paths start at the
// login folder.
QByteArray SftpPath(const QString& folder, const QString& name) {
    QString path = folder;
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1) path.chop(1);
    if (!name.isEmpty()) path = path.isEmpty() ? name : path + QLatin1Char('/') + name;
    if (path.isEmpty()) path = QStringLiteral(".");
    QByteArray out = "\"";
    for (const char c : path.toUtf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

// A key as the program shows and stores it: "sha256//<base64>" for the
// public key of a certificate (the form the transfer library pins),
// "SHA256:<base64>" without padding for an SSH host key.
QString CertificateKeyFingerprint(const QByteArray& pem) {
    BIO* bio = BIO_new_mem_buf(pem.constData(), int(pem.size()));
    X509* cert = bio ? PEM_read_bio_X509(bio, nullptr, nullptr, nullptr) : nullptr;
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
    if (bio) BIO_free(bio);
    return out;
}

QString HostKeyFingerprint(const char* key, size_t len) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(key, qsizetype(len)), QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:") +
           QString::fromLatin1(hash.toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
}

// What is wrong with a certificate, from the library's report of a failed
// verification.
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

// A public key no server has: pinning it lets a connection stop right
// after the TLS handshake, before the log-in, with the certificate read.
constexpr const char* kProbePin = "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";

// The host as the URL needs it: a typed "ftp://" (or "ftps://", "sftp://")
// and trailing "/" dropped,
// IPv6 addresses in brackets, international names in their ASCII form.
QByteArray HostPart(const QString& typed) {
    QString host = typed.trimmed();
    for (const char* scheme : {"ftp://", "ftps://", "sftp://"})
        if (host.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) host = host.mid(int(std::strlen(scheme)));
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        return "[" + host.toLatin1() + "]";
    const QByteArray ace = QUrl::toAce(host);
    return ace.isEmpty() ? QUrl::toPercentEncoding(host) : ace;
}

// A remote path with a ".." step, which could lead above the folder it
// starts from.
bool ClimbsUp(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

bool HasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')) || s.contains(QChar(0));
}

}  // namespace

namespace {

// "type=file;size=12;modify=20240101100000; name": the facts, then a space
// and the name.
std::optional<TRemoteEntry> FactsEntry(const QByteArray& line) {
    const qsizetype space = line.indexOf(' ');
    if (space < 0) return std::nullopt;
    TRemoteEntry e;
    e.Name = QString::fromUtf8(line.mid(space + 1));
    bool typed = false;
    for (const QByteArray& fact : line.left(space).split(';')) {
        const qsizetype eq = fact.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = fact.left(eq).toLower(), value = fact.mid(eq + 1).toLower();
        if (key == "type") {
            typed = true;
            if (value == "dir")
                e.Folder = true;
            else if (value != "file")
                return std::nullopt;  // "cdir", "pdir", links and devices
        } else if (key == "size") {
            bool ok = false;
            const qint64 size = value.toLongLong(&ok);
            if (ok && size >= 0) e.Size = size;
        }
    }
    if (!typed) return std::nullopt;
    return e;
}

// The plain listings are read by hand, each line in one pass: a line comes
// from the server, and a pattern with nested repetition could take time
// growing with the square of a hostile line's length.
bool IsBlank(QChar c) { return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r')); }
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
bool AllDigits(QStringView s) { return !s.isEmpty() && std::all_of(s.begin(), s.end(), IsDigit); }
QChar CharAt(QStringView s, qsizetype i) { return i >= 0 && i < s.size() ? s[i] : QChar(); }
qsizetype SkipBlanks(QStringView s, qsizetype i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}
qsizetype SkipWord(QStringView s, qsizetype i) {
    while (i < s.size() && !IsBlank(s[i])) ++i;
    return i;
}

// A time of day ("10:00", "9:05") or a year ("2023"), as a whole word.
bool IsTimeOrYear(QStringView w) {
    if (w.size() == 4 && AllDigits(w)) return true;
    const qsizetype colon = w.indexOf(QLatin1Char(':'));
    return (colon == 1 || colon == 2) && w.size() == colon + 3 && AllDigits(w.left(colon)) &&
           AllDigits(w.mid(colon + 1));
}

// "-rw-r--r--  1 owner group  12345 Jan 31 10:00 name" (or a year for the
// time; owner and group may hold spaces or be missing): the size is the
// number that ends the word right before the date, the first place such
// a date follows; the name is everything after the one blank after the
// date.
std::optional<TRemoteEntry> UnixEntry(QStringView line) {
    static const QLatin1StringView kModes("-rwxsStTlL");
    if (line.size() < 11 || !QLatin1StringView("-dl").contains(line[0])) return std::nullopt;
    for (qsizetype i = 1; i < 10; ++i)
        if (!kModes.contains(line[i])) return std::nullopt;
    const qsizetype modesEnd = SkipWord(line, 10);
    if (modesEnd >= line.size()) return std::nullopt;
    // The words after the modes, each with its start and end.
    std::vector<std::pair<qsizetype, qsizetype>> words;
    for (qsizetype i = SkipBlanks(line, modesEnd + 1); i < line.size(); i = SkipBlanks(line, i)) {
        const qsizetype end = SkipWord(line, i);
        words.emplace_back(i, end);
        i = end;
    }
    const auto word = [&](size_t k) { return line.mid(words[k].first, words[k].second - words[k].first); };
    for (size_t k = 0; k + 3 < words.size(); ++k) {
        const QStringView sizeWord = word(k), month = word(k + 1), day = word(k + 2);
        if (!IsDigit(sizeWord.back()) || month.size() != 3 || !std::all_of(month.begin(), month.end(), IsLetter) ||
            day.size() > 2 || !AllDigits(day) || !IsTimeOrYear(word(k + 3)))
            continue;
        const qsizetype nameStart = words[k + 3].second + 1;
        if (nameStart >= line.size()) continue;
        qsizetype digits = sizeWord.size();
        while (digits > 0 && IsDigit(sizeWord[digits - 1])) --digits;
        TRemoteEntry e;
        e.Folder = line[0] == QLatin1Char('d');
        e.Name = line.mid(nameStart).toString();
        if (line[0] == QLatin1Char('l')) {
            // A link names its target after " -> "; it is no file of ours.
            const qsizetype arrow = e.Name.indexOf(QLatin1String(" -> "));
            if (arrow >= 0) e.Name.truncate(arrow);
            return e;
        }
        bool ok = false;
        const qint64 size = sizeWord.mid(digits).toLongLong(&ok);
        if (ok) e.Size = size;
        return e;
    }
    return std::nullopt;
}

// "01-31-24  10:00AM       12345 name" or "... <DIR> name".
std::optional<TRemoteEntry> DosEntry(QStringView line) {
    const auto digitsAt = [&](qsizetype from) {
        qsizetype i = from;
        while (i < line.size() && IsDigit(line[i])) ++i;
        return i - from;
    };
    // The date: two digits, two digits, two to four digits.
    if (digitsAt(0) != 2 || CharAt(line, 2) != QLatin1Char('-') || digitsAt(3) != 2 || CharAt(line, 5) != QLatin1Char('-'))
        return std::nullopt;
    const qsizetype year = digitsAt(6);
    if (year < 2 || year > 4 || !IsBlank(CharAt(line, 6 + year))) return std::nullopt;
    // The time, with or without AM or PM, and a blank after it.
    qsizetype i = SkipBlanks(line, 6 + year);
    const qsizetype hour = digitsAt(i);
    if (hour < 1 || hour > 2 || CharAt(line, i + hour) != QLatin1Char(':') || digitsAt(i + hour + 1) < 2)
        return std::nullopt;
    i += hour + 3;
    qsizetype after = SkipBlanks(line, i);
    if (QLatin1StringView("AaPp").contains(CharAt(line, after)) && QLatin1StringView("Mm").contains(CharAt(line, after + 1))) {
        i = after + 2;
        after = SkipBlanks(line, i);
    }
    if (after == i) return std::nullopt;
    // The size or <DIR>, then the name after its blanks.
    TRemoteEntry e;
    qsizetype end = after;
    if (line.mid(after).startsWith(QLatin1String("<DIR>"))) {
        e.Folder = true;
        end = after + 5;
    } else {
        end = after + digitsAt(after);
        if (end == after) return std::nullopt;
        bool ok = false;
        const qint64 size = line.mid(after, end - after).toLongLong(&ok);
        e.Size = ok ? size : 0;
    }
    const qsizetype name = SkipBlanks(line, end);
    if (name == end || name == line.size()) return std::nullopt;
    e.Name = line.mid(name).toString();
    return e;
}

}  // namespace

QString ShownServerText(QStringView text) {
    constexpr qsizetype kMaxShown = 500;
    constexpr char16_t kEsc = 0x1B, kBell = 0x07, kCsi = 0x9B, kSt = 0x9C;
    const auto at = [&](qsizetype i) -> char16_t { return i < text.size() ? text[i].unicode() : 0; };
    QString out;
    out.reserve(std::min(text.size(), kMaxShown));
    qsizetype i = 0;
    while (i < text.size() && out.size() < kMaxShown) {
        const char16_t c = text[i].unicode();
        // What follows ESC, or a C1 control that stands for ESC and a letter.
        char16_t kind = 0;
        if (c == kEsc) {
            kind = at(i + 1);
            i += 2;
        } else if (c >= 0x80 && c <= 0x9F) {
            kind = char16_t(c - 0x40);
            ++i;
        }
        if (kind == u'[' || c == kCsi) {
            // A control sequence: parameters and intermediates, then one final character.
            while (at(i) >= 0x20 && at(i) <= 0x3F) ++i;
            if (at(i) >= 0x40 && at(i) <= 0x7E) ++i;
        } else if (kind == u']' || kind == u'P' || kind == u'X' || kind == u'^' || kind == u'_') {
            // A string (a window title, a device command): up to BEL or the string terminator.
            while (i < text.size() && at(i) != kBell && at(i) != kSt && !(at(i) == kEsc && at(i + 1) == u'\\')) ++i;
            i += at(i) == kEsc ? 2 : 1;
        } else if (kind == 0 && c != kEsc && !(c >= 0x80 && c <= 0x9F)) {
            ++i;
            if (c == u'\t') {
                out += QLatin1Char(' ');
            } else if (c >= 0x20 && c != 0x7F && !(c >= 0x202A && c <= 0x202E) && !(c >= 0x2066 && c <= 0x2069) &&
                       c != 0x200E && c != 0x200F && c != 0x061C) {
                out += QChar(c);
            }
        }
        // Any other ESC pair (a reset, a saved cursor) is dropped whole.
    }
    if (!out.isEmpty() && out.back().isHighSurrogate()) out.chop(1);
    return out;
}

std::vector<TRemoteEntry> ParseListing(const QByteArray& text, bool facts) {
    std::vector<TRemoteEntry> out;
    for (QByteArray line : text.split('\n')) {
        while (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() || line.size() > 4096) continue;
        std::optional<TRemoteEntry> e;
        if (facts) {
            e = FactsEntry(line);
        } else {
            const QString s = QString::fromUtf8(line);
            e = UnixEntry(s);
            if (!e) e = DosEntry(s);
        }
        if (!e || e->Name.isEmpty() || e->Name == QLatin1String(".") || e->Name == QLatin1String("..") ||
            e->Name.contains(QLatin1Char('/')) || HasLineBreak(e->Name))
            continue;
        out.push_back(*e);
    }
    return out;
}

// One operation for the worker.
struct TFtpClient::Request {
    enum Kind { Connect, MakeDir, ChangeDir, Send, List, Disconnect, Remove } kind = Connect;
    QString host;
    int port = 21;
    TSecurity security = TSecurity::FTP;
    QString trustedKey, hostKey;
    QString user, password;
    int timeout = 30;
    QString folder;      // the remote folder the operation works in
    QString localFile;   // Send
    QString remoteName;  // Send: the file's name in `folder`
    bool binary = true;
    bool direct = false;  // Send: under the real name, without a rename
    quint64 generation = 0;
};

// What the worker hands back for one operation.
struct TFtpClient::Result {
    TFtpOutcome outcome;
    bool alive = false;  // the connection is still open
    quint64 generation = 0;
    std::vector<TRemoteEntry> listing;
};

struct TFtpClient::Worker {
    explicit Worker(TFtpClient* owner) : owner(owner) {
        GlobalInitOnce();
        thread = std::thread([this] { Loop(); });
    }
    ~Worker() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
        }
        wake.notify_all();
        thread.join();
        Release();
    }

    void Post(Request r) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            queue.push_back(std::move(r));
        }
        wake.notify_all();
    }

    // --- on the worker thread ---
    void Loop() {
        for (;;) {
            Request r;
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return stopping.load() || !queue.empty(); });
                if (stopping) return;
                r = std::move(queue.front());
                queue.pop_front();
            }
            Execute(r);
        }
    }

    void Release() {
        if (multi && easy) curl_multi_remove_handle(multi, easy);
        if (easy) curl_easy_cleanup(easy);
        if (multi) curl_multi_cleanup(multi);  // closes the cached connection (QUIT)
        easy = nullptr;
        multi = nullptr;
    }

    static size_t OnReply(char* data, size_t size, size_t count, void* self) {
        auto* w = static_cast<Worker*>(self);
        std::string line(data, size * count);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        // Replies start with a three-digit code; keep the last one whole.
        if (line.size() >= 3 && isdigit(uchar(line[0])) && isdigit(uchar(line[1])) && isdigit(uchar(line[2])))
            w->lastReply = line;
        return size * count;
    }

    static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow) {
        auto* w = static_cast<Worker*>(self);
        if (w->stopping || (!w->cleaningUp && w->currentGeneration <= w->abortGeneration)) return 1;
        if (w->sending && ulnow != w->lastReported) {
            const auto now = std::chrono::steady_clock::now();
            if (ulnow == ultotal || now - w->lastReportTime > std::chrono::milliseconds(50)) {
                w->lastReported = ulnow;
                w->lastReportTime = now;
                QPointer<TFtpClient> owner(w->owner);
                const qint64 sent = ulnow, total = ultotal;
                QMetaObject::invokeMethod(
                    w->owner, [owner, sent, total] { if (owner) emit owner->Progress(sent, total); },
                    Qt::QueuedConnection);
            }
        }
        return 0;
    }

    static size_t OnDiscard(char*, size_t size, size_t count, void*) { return size * count; }

    static int OnHostKey(void* self, int, const char* key, size_t len) {
        auto* w = static_cast<Worker*>(self);
        w->seenHostKey = HostKeyFingerprint(key, len);
        return !w->expectedHostKey.isEmpty() && w->seenHostKey == w->expectedHostKey ? CURLKHMATCH_OK
                                                                                     : CURLKHMATCH_MISMATCH;
    }

    static size_t OnRead(char* buffer, size_t size, size_t count, void* file) {
        return std::fread(buffer, size, count, static_cast<FILE*>(file));
    }

    // How an FTPS connection's certificate is checked.
    enum class Check { Store, Pinned, Probe };

    void Common(const Request& r, const QByteArray& path, Check check = Check::Store) {
        curl_easy_reset(easy);
        const bool sftp = r.security == TSecurity::SFTP;
        url = (sftp ? "sftp://" : "ftp://") + HostPart(r.host) + ":" + QByteArray::number(r.port) + path;
        user = r.user.toUtf8();
        password = r.password.toUtf8();
        curl_easy_setopt(easy, CURLOPT_URL, url.constData());
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, sftp ? "sftp" : "ftp");
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Worker::OnDiscard);
        if (sftp) {
            curl_easy_setopt(easy, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
            expectedHostKey = r.hostKey;
            curl_easy_setopt(easy, CURLOPT_SSH_HOSTKEYFUNCTION, &Worker::OnHostKey);
            curl_easy_setopt(easy, CURLOPT_SSH_HOSTKEYDATA, this);
        } else if (r.security == TSecurity::FTPS) {
            // Explicit TLS: AUTH TLS on the usual port, then the log-in and
            // every data connection encrypted; a server that cannot is
            // refused rather than spoken to in plain text.
            curl_easy_setopt(easy, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
            curl_easy_setopt(easy, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
            // The library reads neither variable by itself.
            caFile = qgetenv("SSL_CERT_FILE");
            caPath = qgetenv("SSL_CERT_DIR");
            if (!caFile.isEmpty()) curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.constData());
            if (!caPath.isEmpty()) curl_easy_setopt(easy, CURLOPT_CAPATH, caPath.constData());
            if (check != Check::Store) {
                // The key alone decides: the certificate the user trusted
                // is accepted whoever signed it and whatever name it has.
                pin = check == Check::Pinned ? r.trustedKey.toLatin1() : QByteArray(kProbePin);
                curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 0L);
                curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 0L);
                curl_easy_setopt(easy, CURLOPT_PINNEDPUBLICKEY, pin.constData());
                curl_easy_setopt(easy, CURLOPT_CERTINFO, 1L);
            }
        }
        curl_easy_setopt(easy, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
        curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Worker::OnReply);
        curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Worker::OnProgress);
        curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
        // Bounded waits: connecting and logging in, each reply, and a
        // transfer in which nothing moves.
        const long t = r.timeout;
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, t);
        curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, t);
        curl_easy_setopt(easy, CURLOPT_ACCEPTTIMEOUT_MS, t * 1000);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, t);
        // Passive mode, which works behind routers; the data connection
        // goes to the control connection's address whatever the server
        // says in its PASV reply.
        curl_easy_setopt(easy, CURLOPT_FTP_USE_EPSV, 1L);
        curl_easy_setopt(easy, CURLOPT_FTP_SKIP_PASV_IP, 1L);
        curl_easy_setopt(easy, CURLOPT_TCP_KEEPALIVE, 1L);
        errorBuffer[0] = 0;
        seenHostKey.clear();
        lastReply.clear();
        sending = false;
        lastReported = -1;
    }

    // Runs the prepared transfer to its end with short waits; the code of
    // its outcome.
    CURLcode Perform() {
        curl_multi_add_handle(multi, easy);
        CURLcode result = CURLE_OK;
        int running = 1;
        while (running) {
            if (curl_multi_perform(multi, &running) != CURLM_OK) {
                result = CURLE_FAILED_INIT;
                break;
            }
            if (!running) break;
            curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
        }
        int left = 0;
        while (CURLMsg* m = curl_multi_info_read(multi, &left))
            if (m->msg == CURLMSG_DONE && m->easy_handle == easy) result = m->data.result;
        curl_multi_remove_handle(multi, easy);
        long os = 0;
        curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &os);
        osErrno = int(os);
        return result;
    }

    // Whether the control connection is still open after an operation
    // ended with `rc`: errors the server answered keep it; failures of the
    // connection itself, and a cancelled transfer, close it.
    static bool ConnectionAlive(const Request& r, CURLcode rc) {
        switch (rc) {
            case CURLE_OK:
            case CURLE_REMOTE_ACCESS_DENIED:
            case CURLE_UPLOAD_FAILED:
            case CURLE_QUOTE_ERROR:
            case CURLE_REMOTE_FILE_NOT_FOUND:
            case CURLE_REMOTE_DISK_FULL:
            case CURLE_FTP_COULDNT_SET_TYPE:
            case CURLE_READ_ERROR:
            case CURLE_SSH:
                return r.kind != Request::Connect || rc == CURLE_OK;
            case CURLE_WRITE_ERROR:
                // A listing cut short for its size: the library drops the
                // connection and the next operation opens a new one.
                return r.kind == Request::List;
            default:
                return false;
        }
    }

    void Execute(const Request& r) {
        currentGeneration = r.generation;
        Result result;
        TFtpOutcome& o = result.outcome;
        if (r.kind != Request::Disconnect) {
            if (!multi) multi = curl_multi_init();
            if (!easy) easy = curl_easy_init();
            untrusted = false;
            listing.clear();
            const CURLcode rc = r.kind == Request::Send     ? Send(r)
                                : r.kind == Request::List   ? List(r)
                                : r.kind == Request::Remove ? Remove(r)
                                                            : Folder(r);
            result.alive = ConnectionAlive(r, rc);
            if (untrusted) {
                o.Kind = changed ? TFtpOutcome::TKind::KeyChanged : TFtpOutcome::TKind::KeyUnknown;
                o.Message = problem;
                o.Fingerprint = fingerprint;
            } else if (rc != CURLE_OK) {
                o.Kind = KindOf(rc);
                o.Message = PlainWords(rc, o.Reply);
            } else if (!sendErrorText.isEmpty()) {
                o.Kind = TFtpOutcome::TKind::LocalFile;
                o.Message = sendErrorText;
            }
        } else {
            Release();
        }
        sendErrorText.clear();
        const bool cancelled = r.generation <= abortGeneration;
        if (cancelled && o.Ok() && r.kind != Request::Disconnect) {
            o.Kind = TFtpOutcome::TKind::Cancelled;
            o.Message = PlainWords(CURLE_ABORTED_BY_CALLBACK, o.Reply);
        }
        result.generation = r.generation;
        if (r.kind == Request::List && o.Ok()) result.listing = ParseListing(listing, useFacts);
        {
            // For a caller that waits until the worker is done.
            std::lock_guard<std::mutex> lock(doneMutex);
            lastDone = r.generation;
        }
        doneWake.notify_all();
        QPointer<TFtpClient> owner(this->owner);
        QMetaObject::invokeMethod(
            this->owner,
            [owner, result = std::move(result)] {
                if (owner && owner->generation_ == result.generation) owner->Finished(result);
            },
            Qt::QueuedConnection);
    }

    // The kind of failure a code of the transfer library stands for.
    TFtpOutcome::TKind KindOf(CURLcode rc) const {
        using K = TFtpOutcome::TKind;
        switch (rc) {
            case CURLE_OK:
                return K::Done;
            case CURLE_COULDNT_CONNECT:
                return ConnectionRefused() ? K::Refused : K::NoAnswer;
            case CURLE_COULDNT_RESOLVE_HOST:
                return K::NotFound;
            case CURLE_OPERATION_TIMEDOUT:
            case CURLE_FTP_ACCEPT_TIMEOUT:
                return K::NoAnswer;
            case CURLE_LOGIN_DENIED:
                return K::LoginRefused;
            case CURLE_REMOTE_ACCESS_DENIED:
            case CURLE_REMOTE_FILE_NOT_FOUND:
                return K::Missing;
            case CURLE_UPLOAD_FAILED:
            case CURLE_QUOTE_ERROR:
            case CURLE_REMOTE_DISK_FULL:
            case CURLE_FTP_COULDNT_SET_TYPE:
            case CURLE_SSH:
                return K::ServerRefused;
            case CURLE_READ_ERROR:
                return K::LocalFile;
            case CURLE_ABORTED_BY_CALLBACK:
                return K::Cancelled;
            default:
                return K::Failed;
        }
    }

    // The last connection attempt was turned away (the library's own
    // words, never the translated message, tell it besides the error).
    bool ConnectionRefused() const {
        return osErrno == ECONNREFUSED ||
               QString::fromUtf8(errorBuffer).contains(QLatin1String("refused"), Qt::CaseInsensitive);
    }

    // The certificate key of the server just met, from the library's
    // certificate report.
    QString ServerCertificateKey() {
        curl_certinfo* info = nullptr;
        if (curl_easy_getinfo(easy, CURLINFO_CERTINFO, &info) != CURLE_OK || !info || info->num_of_certs < 1)
            return QString();
        for (curl_slist* e = info->certinfo[0]; e; e = e->next)
            if (std::strncmp(e->data, "Cert:", 5) == 0) return CertificateKeyFingerprint(QByteArray(e->data + 5));
        return QString();
    }

    // Logs in to an FTPS server. A certificate the store verifies is
    // enough; one it does not is accepted when its key is the one the user
    // trusted; otherwise the certificate is read without logging in, for
    // the question. With a trusted key the key is tried first, so that the
    // usual case costs one connection, not a refused one before it.
    CURLcode ConnectTls(const Request& r, const QByteArray& path) {
        QString pinnedSeen;
        if (!r.trustedKey.isEmpty()) {
            check = Check::Pinned;
            Common(r, path, check);
            curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
            const CURLcode rc = Perform();
            if (rc != CURLE_SSL_PINNEDPUBKEYNOTMATCH) return rc;
            pinnedSeen = ServerCertificateKey();
        }
        check = Check::Store;
        Common(r, path, check);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        CURLcode rc = Perform();
        if (rc != CURLE_PEER_FAILED_VERIFICATION) return rc;
        const QString why = CertificateProblem(QString::fromUtf8(errorBuffer));
        changed = !r.trustedKey.isEmpty();
        if (changed) {
            fingerprint = pinnedSeen;
        } else {
            Common(r, path, Check::Probe);
            curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
            rc = Perform();
            fingerprint = ServerCertificateKey();
        }
        check = Check::Store;
        problem = changed ? QCoreApplication::translate("FtpClient", "The server's certificate is not the one you trusted before. ") + why
                          : why;
        untrusted = true;
        return rc == CURLE_OK ? CURLE_PEER_FAILED_VERIFICATION : rc;
    }

    // After a refused SFTP host key: the question's facts.
    void HostKeyRefused(const Request& r) {
        fingerprint = seenHostKey;
        changed = !r.hostKey.isEmpty();
        problem = changed ? QCoreApplication::translate("FtpClient", "The server's host key has changed since you trusted it. Someone may be "
                                           "intercepting the connection, or the server was set up anew.")
                          : QCoreApplication::translate("FtpClient", "This is the first connection to this server, and its host key is not "
                                           "known yet.");
        untrusted = true;
    }

    // Connect, MakeDir and ChangeDir: a request that transfers nothing on
    // the folder's URL, so the library logs in and walks into the folder.
    CURLcode Folder(const Request& r) {
        if (r.kind == Request::Connect) {
            check = Check::Store;
            noFacts = false;
            if (r.security == TSecurity::FTPS) return ConnectTls(r, FolderPath(r.security, r.folder));
        }
        if (r.security == TSecurity::SFTP) return SftpFolder(r);
        Common(r, FolderPath(r.security, r.folder), check);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        if (r.kind == Request::MakeDir)
            curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        return Perform();
    }

    // Over SFTP a folder is made level by level (a level that exists is no
    // error) and then listed, which fails when it is not there.
    CURLcode SftpFolder(const Request& r) {
        Common(r, FolderPath(r.security, r.folder));
        curl_slist* cmds = nullptr;
        std::vector<QByteArray> keep;
        if (r.kind == Request::MakeDir) {
            QString level = r.folder.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
            for (const QString& part : r.folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
                level = level.isEmpty() || level == QLatin1String("/") ? level + part : level + QLatin1Char('/') + part;
                keep.push_back("*mkdir " + SftpPath(level, QString()));
                cmds = curl_slist_append(cmds, keep.back().constData());
            }
            curl_easy_setopt(easy, CURLOPT_QUOTE, cmds);
        }
        if (r.kind == Request::Connect) curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        const CURLcode rc = Perform();
        curl_easy_setopt(easy, CURLOPT_QUOTE, nullptr);
        curl_slist_free_all(cmds);
        if (rc == CURLE_PEER_FAILED_VERIFICATION && !seenHostKey.isEmpty()) HostKeyRefused(r);
        return rc;
    }

    static size_t OnListing(char* data, size_t size, size_t count, void* self) {
        auto* w = static_cast<Worker*>(self);
        const size_t n = size * count;
        // A listing longer than any folder of a web site ends the call.
        if (w->listing.size() + qsizetype(n) > kMaxListingBytes) return 0;
        w->listing.append(data, qsizetype(n));
        return n;
    }

    // The folder's listing into `listing`: the machine-readable MLSD where
    // the server knows it (asked once per connection), else LIST. The
    // whole call is bounded in time as well as in size.
    CURLcode List(const Request& r) {
        const bool ftp = r.security != TSecurity::SFTP;
        for (;;) {
            useFacts = ftp && !noFacts;
            Common(r, FolderPath(r.security, r.folder), check);
            curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Worker::OnListing);
            curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
            curl_easy_setopt(easy, CURLOPT_TIMEOUT, long(r.timeout) * 2);
            if (useFacts) curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, "MLSD");
            listing.clear();
            const CURLcode rc = Perform();
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, nullptr);
            // "500 Unknown command" and its kin: the server lists only the
            // plain way.
            const bool unknown = lastReply.size() >= 3 && lastReply[0] == '5' && lastReply[1] == '0' &&
                                 (lastReply[2] == '0' || lastReply[2] == '1' || lastReply[2] == '2' ||
                                  lastReply[2] == '4');
            if (rc != CURLE_OK && useFacts && unknown) {
                noFacts = true;
                continue;
            }
            if (rc == CURLE_WRITE_ERROR) {
                std::snprintf(errorBuffer, sizeof errorBuffer, "the folder's listing is too long");
                lastReply.clear();
            }
            return rc;
        }
    }

    CURLcode Send(const Request& r) {
        FILE* file = std::fopen(QFile::encodeName(r.localFile).constData(), "rb");
        if (!file) {
            sendErrorText = QCoreApplication::translate("FtpClient", "the file %1 could not be read").arg(r.localFile);
            return CURLE_OK;
        }
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fseek(file, 0, SEEK_SET);

        const QString temp = r.direct ? r.remoteName : QStringLiteral(".tarvo-upload.") + r.remoteName;
        Common(r, FolderPath(r.security, r.folder) + QUrl::toPercentEncoding(temp), check);
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Worker::OnRead);
        curl_easy_setopt(easy, CURLOPT_READDATA, file);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
        // SFTP has no text mode: the library would turn line ends into CR LF
        // on the way, so files go as they are.
        curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, r.binary || r.security == TSecurity::SFTP ? 0L : 1L);
        // A file written as it is goes only into a folder that exists.
        if (!r.direct) curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        // Complete: renamed over the real name in the same folder. SFTP
        // servers refuse to rename onto an existing file, so the old one is
        // removed right before (a missing one is no error).
        const bool sftp = r.security == TSecurity::SFTP;
        const QByteArray first = sftp ? "*rm " + SftpPath(r.folder, r.remoteName) : "RNFR " + temp.toUtf8();
        const QByteArray second = sftp ? "rename " + SftpPath(r.folder, temp) + " " + SftpPath(r.folder, r.remoteName)
                                       : "RNTO " + r.remoteName.toUtf8();
        curl_slist* rename = curl_slist_append(nullptr, first.constData());
        rename = curl_slist_append(rename, second.constData());
        if (!r.direct) curl_easy_setopt(easy, CURLOPT_POSTQUOTE, rename);
        sending = true;
        const CURLcode rc = Perform();
        sending = false;
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, nullptr);
        curl_slist_free_all(rename);
        std::fclose(file);
        if (rc != CURLE_OK) {
            const std::string reply = lastReply;
            const std::string buffer = errorBuffer;
            RemoveTemporary(r, temp, rc);
            lastReply = reply;
            std::snprintf(errorBuffer, sizeof errorBuffer, "%s", buffer.c_str());
        }
        return rc;
    }

    // After a failed or cancelled transfer: the temporary file is removed
    // where the server allows, within a short budget when cancelled.
    void RemoveTemporary(const Request& r, const QString& temp, CURLcode why) {
        const bool wasCancelled = r.generation <= abortGeneration;
        cleaningUp = true;
        Common(r, FolderPath(r.security, r.folder), check);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        const QByteArray dele =
            r.security == TSecurity::SFTP ? "*rm " + SftpPath(r.folder, temp) : "*DELE " + temp.toUtf8();
        curl_slist* cmd = curl_slist_append(nullptr, dele.constData());
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, cmd);
        if (wasCancelled || why == CURLE_ABORTED_BY_CALLBACK) {
            curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, kCleanupBudgetMs);
            curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, kCleanupBudgetMs);
        }
        // A connection that timed out gets no second wait.
        if (why == CURLE_OPERATION_TIMEDOUT) curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, kCleanupBudgetMs);
        Perform();
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, nullptr);
        curl_slist_free_all(cmd);
        cleaningUp = false;
    }

    // Removes one file of the request's folder; a refusal is an error.
    CURLcode Remove(const Request& r) {
        Common(r, FolderPath(r.security, r.folder), check);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        const QByteArray dele = r.security == TSecurity::SFTP ? "rm " + SftpPath(r.folder, r.remoteName)
                                                              : "DELE " + r.remoteName.toUtf8();
        curl_slist* cmd = curl_slist_append(nullptr, dele.constData());
        curl_easy_setopt(easy, r.security == TSecurity::SFTP ? CURLOPT_QUOTE : CURLOPT_POSTQUOTE, cmd);
        const CURLcode rc = Perform();
        curl_easy_setopt(easy, CURLOPT_QUOTE, nullptr);
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, nullptr);
        curl_slist_free_all(cmd);
        return rc;
    }

    QString Reply() const { return ShownServerText(QString::fromUtf8(lastReply.c_str())).trimmed(); }

    // A reply that refuses: its code starts with 4 or 5.
    static bool IsRefusal(const QString& reply) {
        return reply.size() >= 3 && (reply[0] == QLatin1Char('4') || reply[0] == QLatin1Char('5'));
    }

    // The outcome's message; `quoted` the server's reply where the message
    // quotes it.
    QString PlainWords(CURLcode rc, QString& quoted) const {
        const QString detail = ShownServerText(QString::fromUtf8(errorBuffer)).trimmed();
        const QString reply = Reply();
        switch (rc) {
            case CURLE_COULDNT_CONNECT:
                if (ConnectionRefused())
                    return QCoreApplication::translate("FtpClient", "The connection was refused.");
                return QCoreApplication::translate("FtpClient", "The server could not be reached.");
            case CURLE_COULDNT_RESOLVE_HOST:
                return QCoreApplication::translate("FtpClient", "The server's name could not be found.");
            case CURLE_OPERATION_TIMEDOUT:
            case CURLE_FTP_ACCEPT_TIMEOUT:
                return QCoreApplication::translate("FtpClient", "The server did not answer.");
            case CURLE_ABORTED_BY_CALLBACK:
                return QCoreApplication::translate("FtpClient", "The upload was cancelled.");
            case CURLE_GOT_NOTHING:
            case CURLE_RECV_ERROR:
            case CURLE_SEND_ERROR:
                return QCoreApplication::translate("FtpClient", "The server closed the connection.");
            case CURLE_READ_ERROR:
                return QCoreApplication::translate("FtpClient", "A file could not be read.");
            case CURLE_URL_MALFORMAT:
                return QCoreApplication::translate("FtpClient", "The server's address is not valid.");
            case CURLE_USE_SSL_FAILED:
                return QCoreApplication::translate("FtpClient", "This server does not offer encrypted FTP. Choose \"FTP (not encrypted)\" "
                                      "or \"SFTP (over SSH)\" if your host offers either.");
            case CURLE_SSL_CONNECT_ERROR:
                return QCoreApplication::translate("FtpClient", "The encrypted connection could not be set up: %1.").arg(detail);
            case CURLE_LOGIN_DENIED:
                if (!IsRefusal(reply)) return QCoreApplication::translate("FtpClient", "The server refused the user name or password.");
                break;
            default:
                break;
        }
        // Only a refusal (4xx, 5xx) says why; the last reply before a
        // failure of another kind is often a success ("200 Type set") and
        // would blame the server for nothing.
        if (IsRefusal(reply)) {
            quoted = reply;
            return QCoreApplication::translate("FtpClient", "The server replied: %1").arg(reply);
        }
        if (!detail.isEmpty()) return detail + QLatin1Char('.');
        return QString::fromUtf8(curl_easy_strerror(rc)) + QLatin1Char('.');
    }

    TFtpClient* owner;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> queue;
    std::atomic<bool> stopping{false};
    // The last operation done, for DisconnectAndWait.
    std::mutex doneMutex;
    std::condition_variable doneWake;
    quint64 lastDone = 0;
    // Operations up to this number are abandoned: Cancel names the last one
    // posted, so it also covers one still running before a queued
    // Disconnect, and never touches an operation posted after it.
    std::atomic<quint64> abortGeneration{0};
    std::atomic<quint64> currentGeneration{0};
    std::atomic<bool> cleaningUp{false};

    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    QByteArray url, user, password;  // kept alive while the handle uses them
    QByteArray caFile, caPath, pin;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    // Trust: how the open FTPS connection was accepted (later requests
    // must ask for the same so that it is reused), the host key expected
    // and met over SFTP, and the facts of a refusal.
    Check check = Check::Store;
    QString expectedHostKey, seenHostKey;
    bool untrusted = false, changed = false;
    QString fingerprint, problem;
    std::string lastReply;
    bool sending = false;
    curl_off_t lastReported = -1;
    std::chrono::steady_clock::time_point lastReportTime;
    int osErrno = 0;  // of the last transfer
    QString sendErrorText;  // the file to send could not be opened
    QByteArray listing;     // of the running List
    bool useFacts = false;  // it asked for MLSD
    bool noFacts = false;   // this connection's server does not know MLSD
};

TFtpClient::TFtpClient(QObject* parent) : QObject(parent), worker_(std::make_unique<Worker>(this)) {
    // Tests shorten the wait for a server that does not answer.
    if (const int seconds = qEnvironmentVariableIntValue("TARVO_SERVER_TIMEOUT"); seconds > 0) TimeoutSeconds = seconds;
}

TFtpClient::~TFtpClient() {
    worker_.reset();
}

bool TFtpClient::Connected() const { return connected_; }

QString TFtpClient::JoinRemote(const QString& folder) const {
    QString f = folder.trimmed();
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (f.startsWith(QLatin1Char('/')) || cwd_.isEmpty()) return f;
    if (f.isEmpty()) return cwd_;
    return cwd_ + QLatin1Char('/') + f;
}

void TFtpClient::Refuse(TFtpOutcome::TKind kind, const QString& message, const TFtpDone& done) {
    TFtpOutcome o;
    o.Kind = kind;
    o.Message = message;
    if (done) done(o);
}

bool TFtpClient::RefuseWhileBusy(const TFtpDone& done) {
    // A closing connection is no obstacle: the worker takes requests in
    // order, so the next one starts after it.
    if (!busy_ || closing_) return false;
    Refuse(TFtpOutcome::TKind::Busy, QCoreApplication::translate("FtpClient", "Another operation is still running."),
           done);
    return true;
}

void TFtpClient::Run(Request r, QObject* context, std::function<void(const Result&)> done) {
    r.host = login_.Address;
    r.port = login_.Port;
    r.user = login_.UserName;
    r.password = login_.Password;
    r.security = login_.Security;
    r.trustedKey = login_.TrustedKey.trimmed();
    r.hostKey = login_.HostKey.trimmed();
    r.timeout = qMax(1, TimeoutSeconds);
    r.generation = ++generation_;
    busy_ = true;
    closing_ = r.kind == Request::Disconnect;
    context_ = context;
    hasContext_ = context != nullptr;
    done_ = std::move(done);
    worker_->Post(r);
}

void TFtpClient::Finished(const Result& result) {
    if (result.generation <= finished_) return;
    finished_ = result.generation;
    busy_ = false;
    if (pendingCwd_ && result.outcome.Ok()) cwd_ = *pendingCwd_;
    pendingCwd_.reset();
    const bool was = connected_;
    connected_ = result.alive;
    const std::function<void(const Result&)> done = std::exchange(done_, nullptr);
    const bool contextAlive = !hasContext_ || context_;
    if (done && contextAlive) done(result);
    // Lost by this operation (a Disconnect made in `done` has told
    // already).
    if (was && !result.alive) emit OnDisconnect();
}

void TFtpClient::Connect(const TFtpLogin& login, QObject* context, TFtpDone done) {
    if (HasLineBreak(login.Address) || HasLineBreak(login.UserName) || HasLineBreak(login.Password)) {
        Refuse(TFtpOutcome::TKind::BadName,
               QCoreApplication::translate("FtpClient", "The server details hold a line break."), done);
        return;
    }
    if (RefuseWhileBusy(done)) return;
    login_ = login;
    cwd_.clear();
    Request r;
    r.kind = Request::Connect;
    Run(r, context, [done](const Result& r) { done(r.outcome); });
}

void TFtpClient::Disconnect() {
    // An operation in progress is abandoned, so closing never waits for a
    // transfer; the connection is closed on the worker after it.
    Cancel();
    const bool was = connected_;
    connected_ = false;
    cwd_.clear();
    pendingCwd_.reset();
    busy_ = false;
    Request r;
    r.kind = Request::Disconnect;
    Run(r, nullptr, nullptr);
    if (was) emit OnDisconnect();
}

void TFtpClient::DisconnectAndWait() {
    if (connected_ || busy_) Disconnect();
    // Waits (no event loop runs) for the worker to finish what is posted.
    const quint64 last = generation_;
    std::unique_lock<std::mutex> lock(worker_->doneMutex);
    worker_->doneWake.wait(lock, [&] { return worker_->lastDone >= last; });
}

void TFtpClient::Cancel() {
    if (busy_) worker_->abortGeneration = generation_;
}

QString TFtpClient::FolderRefusal(const QString& folder, TFtpOutcome::TKind& kind) const {
    kind = TFtpOutcome::TKind::BadName;
    if (!connected_) {
        kind = TFtpOutcome::TKind::NotConnected;
        return QCoreApplication::translate("FtpClient", "There is no connection to the server.");
    }
    if (HasLineBreak(folder)) return QCoreApplication::translate("FtpClient", "The folder name holds a line break.");
    if (ClimbsUp(folder))
        return QCoreApplication::translate("FtpClient", "The folder \"%1\" is not allowed: it climbs out with \"..\".")
            .arg(folder);
    return QString();
}

void TFtpClient::ChangeFolder(const QString& folder, QObject* context, TFtpDone done) {
    TFtpOutcome::TKind kind;
    if (const QString why = FolderRefusal(folder, kind); !why.isEmpty()) return Refuse(kind, why, done);
    if (RefuseWhileBusy(done)) return;
    Request r;
    r.kind = Request::ChangeDir;
    r.folder = JoinRemote(folder);
    // The folder becomes current when the operation succeeds.
    pendingCwd_ = r.folder;
    Run(r, context, [done](const Result& result) { done(result.outcome); });
}

void TFtpClient::MakeFolder(const QString& folder, QObject* context, TFtpDone done) {
    TFtpOutcome::TKind kind;
    if (const QString why = FolderRefusal(folder, kind); !why.isEmpty()) return Refuse(kind, why, done);
    if (RefuseWhileBusy(done)) return;
    Request r;
    r.kind = Request::MakeDir;
    r.folder = JoinRemote(folder);
    Run(r, context, [done](const Result& result) { done(result.outcome); });
}

void TFtpClient::ListFolder(const QString& folder, QObject* context, TFtpListDone done) {
    TFtpOutcome::TKind kind;
    if (const QString why = FolderRefusal(folder, kind); !why.isEmpty())
        return Refuse(kind, why, [done](const TFtpOutcome& o) { done(o, {}); });
    if (RefuseWhileBusy([done](const TFtpOutcome& o) { done(o, {}); })) return;
    Request r;
    r.kind = Request::List;
    r.folder = JoinRemote(folder);
    Run(r, context, [done](const Result& result) { done(result.outcome, result.listing); });
}

void TFtpClient::SendFile(const QString& localFile, const QString& remoteName, bool binary, QObject* context,
                          TFtpDone done) {
    if (!connected_)
        return Refuse(TFtpOutcome::TKind::NotConnected,
                      QCoreApplication::translate("FtpClient", "There is no connection to the server."), done);
    QString remote = remoteName;
    remote.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = remote.lastIndexOf(QLatin1Char('/'));
    const QString name = remote.mid(slash + 1);
    if (name.isEmpty() || HasLineBreak(remote) || name == QLatin1String(".") || name == QLatin1String(".."))
        return Refuse(TFtpOutcome::TKind::BadName,
                      QCoreApplication::translate("FtpClient", "The remote name \"%1\" is not a file name.")
                          .arg(remoteName),
                      done);
    // A file lands inside the current remote folder or a folder below it,
    // never above it nor anywhere from the root.
    if (remote.startsWith(QLatin1Char('/')) || ClimbsUp(remote))
        return Refuse(TFtpOutcome::TKind::BadName,
                      QCoreApplication::translate("FtpClient", "The remote name \"%1\" is outside the server folder.")
                          .arg(remoteName),
                      done);
    if (RefuseWhileBusy(done)) return;
    Request r;
    r.kind = Request::Send;
    r.folder = slash >= 0 ? JoinRemote(remote.left(slash)) : cwd_;
    r.remoteName = name;
    r.localFile = localFile;
    r.binary = binary;
    Run(r, context, [done](const Result& result) { done(result.outcome); });
}

// --- a file written and removed as it is (the server test) ---

QString TFtpClient::PlainNameRefusal(const QString& name, TFtpOutcome::TKind& kind) const {
    kind = TFtpOutcome::TKind::BadName;
    if (!connected_) {
        kind = TFtpOutcome::TKind::NotConnected;
        return QCoreApplication::translate("FtpClient", "There is no connection to the server.");
    }
    if (name.isEmpty() || HasLineBreak(name) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("FtpClient", "The remote name \"%1\" is not a plain file name.").arg(name);
    return QString();
}

void TFtpClient::WriteFile(const QString& localFile, const QString& name, QObject* context, TFtpDone done) {
    TFtpOutcome::TKind kind;
    if (const QString why = PlainNameRefusal(name, kind); !why.isEmpty()) return Refuse(kind, why, done);
    if (RefuseWhileBusy(done)) return;
    Request r;
    r.kind = Request::Send;
    r.direct = true;
    r.folder = cwd_;
    r.remoteName = name;
    r.localFile = localFile;
    r.binary = true;
    Run(r, context, [done](const Result& result) { done(result.outcome); });
}

void TFtpClient::RemoveFile(const QString& name, QObject* context, TFtpDone done) {
    TFtpOutcome::TKind kind;
    if (const QString why = PlainNameRefusal(name, kind); !why.isEmpty()) return Refuse(kind, why, done);
    if (RefuseWhileBusy(done)) return;
    Request r;
    r.kind = Request::Remove;
    r.folder = cwd_;
    r.remoteName = name;
    Run(r, context, [done](const Result& result) { done(result.outcome); });
}
