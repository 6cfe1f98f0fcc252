#include "upload/transfer/Outcome.h"

#include <QCoreApplication>

#include <curl/curl.h>

#include <iterator>

namespace {

using K = TFtpOutcome::TKind;

// After a failure of this code, the control connection is still open
// (the server answered), closed (the connection itself failed, or the
// transfer was abandoned), or open only after a listing cut short for its
// size.
enum class TKeeps { Yes, No, AfterListing };

// How the message is made: the row's own words; the words unless the
// server's reply refuses (then the reply is quoted); or, with no words,
// the reply when it refuses, else the library's detail.
enum class TWords { Own, OwnUnlessRefused, ReplyOrDetail };

struct TRow {
    CURLcode Code;
    bool Refused;  // COULDNT_CONNECT only: the attempt was turned away
    K Kind;
    TKeeps Keeps;
    TWords Words;
    const char* Text;  // translated in the "FtpClient" context; may hold %1 (the detail)
    int Status = 0;    // HTTP_RETURNED_ERROR: the status of the row; 0 any other
};

// Every code the layer tells apart; any other is a Failed that closes the
// connection and says the library's detail.
const TRow kRows[] = {
    {CURLE_OK, false, K::Done, TKeeps::Yes, TWords::Own, ""},
    {CURLE_COULDNT_CONNECT, true, K::Refused, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The connection was refused.")},
    {CURLE_COULDNT_CONNECT, false, K::NoAnswer, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server could not be reached.")},
    {CURLE_COULDNT_RESOLVE_HOST, false, K::NotFound, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server's name could not be found.")},
    {CURLE_OPERATION_TIMEDOUT, false, K::NoAnswer, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server did not answer.")},
    {CURLE_FTP_ACCEPT_TIMEOUT, false, K::NoAnswer, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server did not answer.")},
    {CURLE_ABORTED_BY_CALLBACK, false, K::Cancelled, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The upload was cancelled.")},
    {CURLE_GOT_NOTHING, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server closed the connection.")},
    {CURLE_RECV_ERROR, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server closed the connection.")},
    {CURLE_SEND_ERROR, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server closed the connection.")},
    {CURLE_READ_ERROR, false, K::LocalFile, TKeeps::Yes, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "A file could not be read.")},
    {CURLE_URL_MALFORMAT, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server's address is not valid.")},
    {CURLE_USE_SSL_FAILED, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "This server does not offer encrypted FTP. Choose \"FTP (not encrypted)\" "
                                    "or \"SFTP (over SSH)\" if your host offers either.")},
    {CURLE_SSL_CONNECT_ERROR, false, K::Failed, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The encrypted connection could not be set up: %1.")},
    {CURLE_LOGIN_DENIED, false, K::LoginRefused, TKeeps::No, TWords::OwnUnlessRefused,
     QT_TRANSLATE_NOOP("FtpClient", "The server refused the user name or password.")},
    {CURLE_REMOTE_ACCESS_DENIED, false, K::Missing, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_REMOTE_FILE_NOT_FOUND, false, K::Missing, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_UPLOAD_FAILED, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_QUOTE_ERROR, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_REMOTE_DISK_FULL, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_FTP_COULDNT_SET_TYPE, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    {CURLE_SSH, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr},
    // A listing longer than any web site's folder, ended by the client.
    {CURLE_WRITE_ERROR, false, K::Failed, TKeeps::AfterListing, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The folder's listing is too long.")},
    // A web server's refusals (WebDAV), by their status.
    {CURLE_HTTP_RETURNED_ERROR, false, K::LoginRefused, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server refused the user name or password."), 401},
    {CURLE_HTTP_RETURNED_ERROR, false, K::Missing, TKeeps::Yes, TWords::ReplyOrDetail, nullptr, 404},
    {CURLE_HTTP_RETURNED_ERROR, false, K::Missing, TKeeps::Yes, TWords::ReplyOrDetail, nullptr, 409},
    {CURLE_HTTP_RETURNED_ERROR, false, K::Missing, TKeeps::Yes, TWords::ReplyOrDetail, nullptr, 410},
    {CURLE_HTTP_RETURNED_ERROR, false, K::Failed, TKeeps::No, TWords::ReplyOrDetail, nullptr, 502},
    {CURLE_HTTP_RETURNED_ERROR, false, K::NoAnswer, TKeeps::No, TWords::Own,
     QT_TRANSLATE_NOOP("FtpClient", "The server did not answer."), 504},
    // Any other refusal (403, 405, 507, ...): the server answered and the
    // connection stays.
    {CURLE_HTTP_RETURNED_ERROR, false, K::ServerRefused, TKeeps::Yes, TWords::ReplyOrDetail, nullptr, 0},
};

const TRow kOther = {CURLE_OK, false, K::Failed, TKeeps::No, TWords::ReplyOrDetail, nullptr};

const TRow& RowOf(const TCurlFacts& facts) {
    for (const TRow& row : kRows)
        if (row.Code == facts.Code && (row.Code != CURLE_COULDNT_CONNECT || row.Refused == facts.Refused) &&
            (row.Status == 0 || row.Status == facts.Status))
            return row;
    return kOther;
}

// A reply that refuses: its code starts with 4 or 5.
bool IsRefusal(const QString& reply) {
    return reply.size() >= 3 && (reply[0] == QLatin1Char('4') || reply[0] == QLatin1Char('5'));
}

}  // namespace

TCurlVerdict Judge(const TCurlFacts& facts, bool loggingIn, bool listing) {
    const TRow& row = RowOf(facts);
    TCurlVerdict v;
    TFtpOutcome& o = v.Outcome;
    o.Kind = row.Kind;
    const bool kept = row.Keeps == TKeeps::Yes || (row.Keeps == TKeeps::AfterListing && listing);
    v.KeepsConnection = kept && (!loggingIn || facts.Code == CURLE_OK);
    if (facts.Code == CURLE_OK) return v;
    // Only a refusal (4xx, 5xx) says why; the last reply before a failure
    // of another kind is often a success ("200 Type set") and would blame
    // the server for nothing.
    const bool quote = row.Words != TWords::Own && IsRefusal(facts.Reply);
    if (quote) {
        o.Reply = facts.Reply;
        o.Message = QCoreApplication::translate("FtpClient", "The server replied: %1").arg(facts.Reply);
    } else if (row.Text) {
        o.Message = QCoreApplication::translate("FtpClient", row.Text);
        if (o.Message.contains(QLatin1String("%1"))) o.Message = o.Message.arg(facts.Detail);
    } else if (!facts.Detail.isEmpty()) {
        o.Message = facts.Detail + QLatin1Char('.');
    } else {
        o.Message = QString::fromUtf8(curl_easy_strerror(CURLcode(facts.Code))) + QLatin1Char('.');
    }
    return v;
}

TFtpOutcome CancelledOutcome() {
    TCurlFacts facts;
    facts.Code = CURLE_ABORTED_BY_CALLBACK;
    return Judge(facts, false, false).Outcome;
}

namespace {

struct TGitRow {
    TGitProblem Problem;
    K Kind;
    const char* Text;  // translated in the "FtpClient" context; may hold %1 (the detail)
};

const TGitRow kGitRows[] = {
    {TGitProblem::None, K::Done, ""},
    {TGitProblem::Refused, K::Refused, QT_TRANSLATE_NOOP("FtpClient", "The connection was refused.")},
    {TGitProblem::NotFound, K::NotFound, QT_TRANSLATE_NOOP("FtpClient", "The server's name could not be found.")},
    {TGitProblem::NoAnswer, K::NoAnswer, QT_TRANSLATE_NOOP("FtpClient", "The server could not be reached.")},
    {TGitProblem::LoginRefused, K::LoginRefused,
     QT_TRANSLATE_NOOP("FtpClient", "The server refused the user name, the token or the key.")},
    {TGitProblem::NoRepository, K::Missing, QT_TRANSLATE_NOOP("FtpClient", "There is no Git repository at this address.")},
    {TGitProblem::BadBranch, K::BadName, QT_TRANSLATE_NOOP("FtpClient", "The branch's name is not valid.")},
    {TGitProblem::TooLarge, K::Failed, QT_TRANSLATE_NOOP("FtpClient", "The branch holds more than a web site would.")},
    {TGitProblem::PushRefused, K::ServerRefused,
     QT_TRANSLATE_NOOP("FtpClient", "The repository refused the new version of the branch (%1).")},
    {TGitProblem::BranchMoved, K::ServerRefused,
     QT_TRANSLATE_NOOP("FtpClient", "Someone else changed the branch meanwhile; publish again to add your changes.")},
    {TGitProblem::Cancelled, K::Cancelled, QT_TRANSLATE_NOOP("FtpClient", "The upload was cancelled.")},
    {TGitProblem::Failed, K::Failed, QT_TRANSLATE_NOOP("FtpClient", "The repository could not be used: %1.")},
};

}  // namespace

TFtpOutcome GitOutcome(TGitProblem problem, const QString& detail) {
    const TGitRow* row = &kGitRows[std::size(kGitRows) - 1];
    for (const TGitRow& r : kGitRows)
        if (r.Problem == problem) row = &r;
    TFtpOutcome o;
    o.Kind = row->Kind;
    if (problem == TGitProblem::None) return o;
    o.Message = QCoreApplication::translate("FtpClient", row->Text);
    if (o.Message.contains(QLatin1String("%1"))) {
        QString d = detail.trimmed();
        while (d.endsWith(QLatin1Char('.'))) d.chop(1);
        o.Message = o.Message.arg(d);
        o.Reply = d;
    }
    return o;
}
