#pragma once
// Whether a page sent to a server is what the web shows: its web address
// fetched over HTTP or HTTPS on a thread of its own, and the answer compared
// with the bytes that were sent.
//
// The web server is a stranger's: the answer is read up to a bound a little
// above the page's own size (a longer one cannot be the page), within a time
// limit, through at most a few redirects, and HTTPS is verified as the upload
// verifies it: the certificate against the system's store (or SSL_CERT_FILE
// and SSL_CERT_DIR), or, on the very host the upload logs in to, the public
// key the user trusted for that server.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <thread>
#include <vector>

struct TLiveRequest {
    QString Address;     // the page's web address, http:// or https://
    QByteArray Sent;     // the page's bytes as they were sent
    // The page went as text: the server may have written its line ends in
    // its own way.
    bool Text = false;
    // "sha256//<base64>": a certificate key the user trusted for the
    // server at TrustedHost, accepted there without the store.
    QString TrustedKey;
    QString TrustedHost;
    int TimeLimitMs = 20000;  // the whole check, connecting included
};

struct TLiveResult {
    enum class TKind {
        Live,        // the address shows the page that was sent
        Other,       // it shows something else (an older page, another folder's)
        NotFound,    // it answers 404
        Status,      // it answers another status that is not a page
        Unreached,   // the web server could not be found or connected to
        TimedOut,    // no whole answer within the time limit
        Untrusted,   // its certificate is not trusted
        Failed,      // anything else (too many redirects, the encryption failed, ...)
        Cancelled,
    };
    TKind Kind = TKind::Failed;
    QString Address;  // as asked
    int Status = 0;   // the HTTP status of the last answer (0 none)
    QString Reason;   // its reason phrase ("Forbidden"), as it may be shown
    QString Detail;   // what the transfer library said, as it may be shown
    int TimeLimitMs = 0;
};

// Whether the bytes `served` are the page `sent`: the same bytes, or the
// same but for white space at the very end (a server or proxy that ends the
// answer with a line break); with `text`, also the same once every CR LF of
// both is read as LF (a text transfer writes the server's line ends).
bool SamePage(const QByteArray& served, const QByteArray& sent, bool text);

// What the check found, as one sentence for the user (translated in the
// "LiveCheck" context); `address` stands in the sentence as given.
QString LiveSentence(const TLiveResult& result, const QString& address);
// The same with the address as the result holds it.
inline QString LiveSentence(const TLiveResult& result) { return LiveSentence(result, result.Address); }
// "Checking whether your page is live at %1".
QString LiveCheckingSentence(const QString& address);

// One check at a time. Start returns at once; Finished comes on this
// object's thread, once, unless the check is cancelled first (by Cancel, a
// new Start or the destructor).
class TLiveCheck : public QObject {
    Q_OBJECT
public:
    explicit TLiveCheck(QObject* parent = nullptr);
    ~TLiveCheck() override;

    void Start(TLiveRequest request);
    void Cancel();
    bool Running() const { return running_; }

    struct TShared;

signals:
    void Finished(const TLiveResult& result);

private:
    void Reap(bool all);

    bool running_ = false;
    int serial_ = 0;  // of the check running: what older ones tell is dropped
    std::shared_ptr<TShared> current_;
    struct TWorker {
        std::thread Thread;
        std::shared_ptr<TShared> Shared;
    };
    std::vector<TWorker> workers_;  // running or finished, not yet joined
};

// Runs one check to its end in a local event loop (the command line).
TLiveResult CheckLiveAndWait(const TLiveRequest& request);
