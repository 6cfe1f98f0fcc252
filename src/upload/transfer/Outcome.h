#pragma once
// What one operation of the transfer layer came to, and the one table
// that turns the transfer library's codes into it: the kind of failure,
// whether the connection stays usable, and the plain words.

#include <QString>

struct TFtpOutcome {
    enum class TKind {
        Done,
        Refused,       // the server refused the connection
        NotFound,      // the server's name could not be found
        NoAnswer,      // the server could not be reached or did not answer in time
        LoginRefused,  // the server refused the user name or password
        KeyUnknown,    // the certificate or host key is not trusted (not verified, or met for the first time)
        KeyChanged,    // the certificate key or host key differs from the one trusted before
        Missing,       // the server has no such folder or file, or refuses to show it
        ServerRefused, // the server refused the operation for another reason
        LocalFile,     // the local file could not be read
        BadName,       // a remote name or folder the client does not send (climbs out, holds a line break)
        NotConnected,  // no connection is open
        Cancelled,
        Failed,        // anything else: the connection broke, the encryption could not be set up, ...
    };
    TKind Kind = TKind::Done;
    QString Message;      // "" when done
    QString Reply;        // the server's reply the message quotes ("550 No such file"), or ""
    QString Fingerprint;  // KeyUnknown, KeyChanged: the key the server showed

    bool Ok() const { return Kind == TKind::Done; }
    bool Untrusted() const { return Kind == TKind::KeyUnknown || Kind == TKind::KeyChanged; }
    // The server was never reached: refused, not found or no answer (so a
    // failed log-in is not the password's fault).
    bool Unreached() const { return Kind == TKind::Refused || Kind == TKind::NotFound || Kind == TKind::NoAnswer; }

    static TFtpOutcome Of(TKind kind, const QString& message) {
        TFtpOutcome o;
        o.Kind = kind;
        o.Message = message;
        return o;
    }
};

// What the transfer library said about one finished transfer.
struct TCurlFacts {
    int Code = 0;        // its CURLcode
    QString Detail;      // its error buffer, as it may be shown
    QString Reply;       // the server's last reply, as it may be shown
    bool Refused = false;  // the connection attempt was turned away
    int Status = 0;      // HTTP_RETURNED_ERROR: the HTTP status the server replied with
};

// What an operation ended as, and whether its connection stays usable.
struct TCurlVerdict {
    TFtpOutcome Outcome;
    bool KeepsConnection = false;
};

// The verdict on `facts`, from the table. `loggingIn`: the request was the
// log-in (any failure of it closes the connection); `listing`: a listing,
// which may be cut short for its size and keep the connection.
TCurlVerdict Judge(const TCurlFacts& facts, bool loggingIn, bool listing);
// The outcome of an operation abandoned before its end.
TFtpOutcome CancelledOutcome();

// What went wrong with a Git repository, as its transport tells it apart.
enum class TGitProblem {
    None,
    Refused,       // the connection was refused
    NotFound,      // the server's name could not be found
    NoAnswer,      // the server could not be reached
    LoginRefused,  // the user name, token or key was refused
    NoRepository,  // there is no repository at the address
    BadBranch,     // the branch's name is not one Git allows
    TooLarge,      // the branch holds more than a web site would
    PushRefused,   // the server refused the new version of the branch (a hook, a protected branch)
    BranchMoved,   // someone changed the branch after it was fetched
    Cancelled,
    Failed,        // anything else; the detail says what
};
// The outcome of a Git operation, from the second table: the kind, and
// one sentence that quotes `detail` where the row has a %1.
TFtpOutcome GitOutcome(TGitProblem problem, const QString& detail);
