#include "upload/UploadCommand.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "html/SiteMenu.h"
#include "upload/transfer/FtpClient.h"
#include "upload/LiveNotice.h"
#include "upload/PublishHistory.h"
#include "upload/SentRecord.h"
#include "upload/ServerList.h"
#include "upload/SiteExport.h"
#include "upload/UploadPlan.h"
#include "upload/UploadSequence.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <functional>
#include <thread>

namespace {

const char* const kUsage = "usage: tarvo --upload DOCUMENT (--to (ftp|ftps|sftp|davs|dav)://USER@HOST[:PORT][/DIRECTORY] | "
                           "--server NAME) [--web-address URL] [--password-stdin] [--trust FINGERPRINT] [--no-logo] [--all]";

// The password for --to, when neither the address nor standard input
// gives one.
const char* const kPasswordVariable = "TARVO_PASSWORD";

volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void OnStopSignal(int) { g_stopSignal = 1; }

struct TOptions {
    QString command;   // "--upload", "--history" or "--put-back"
    QString document;  // for --put-back the publish's number
    QString url, server, trust, webAddress;
    bool logo = true;
    bool passwordStdin = false;
    bool all = false;
};

bool ParseArgs(const QStringList& args, TOptions& o) {
    if (args.isEmpty()) return false;
    o.command = args.first();
    if (o.command != QLatin1String("--upload") && o.command != QLatin1String("--history") &&
        o.command != QLatin1String("--put-back"))
        return false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--no-logo")) {
            o.logo = false;
        } else if (a == QLatin1String("--all")) {
            o.all = true;
        } else if (a == QLatin1String("--password-stdin")) {
            o.passwordStdin = true;
        } else if (a == QLatin1String("--to") || a == QLatin1String("--server")) {
            if (!o.url.isEmpty() || !o.server.isEmpty() || i + 1 >= args.size() || args[i + 1].isEmpty()) return false;
            (a == QLatin1String("--to") ? o.url : o.server) = args[++i];
        } else if (a == QLatin1String("--web-address")) {
            if (!o.webAddress.isEmpty() || i + 1 >= args.size() || args[i + 1].trimmed().isEmpty()) return false;
            o.webAddress = args[++i].trimmed();
        } else if (a == QLatin1String("--trust")) {
            if (!o.trust.isEmpty() || i + 1 >= args.size() || args[i + 1].trimmed().isEmpty()) return false;
            o.trust = args[++i].trimmed();
        } else if (a.startsWith(QLatin1Char('-')) || !o.document.isEmpty() || a.isEmpty()) {
            return false;
        } else {
            o.document = a;
        }
    }
    if (o.url.isEmpty() && o.server.isEmpty()) return false;
    const bool uploadOnly = !o.logo || o.all;
    if (o.command == QLatin1String("--history")) return o.document.isEmpty() && !uploadOnly && o.webAddress.isEmpty();
    if (o.command == QLatin1String("--put-back")) return !o.document.isEmpty() && !uploadOnly;
    return !o.document.isEmpty();
}

const char* UsageOf(const QString& command) {
    if (command == QLatin1String("--history")) return "usage: tarvo --history (--to URL | --server NAME)";
    if (command == QLatin1String("--put-back"))
        return "usage: tarvo --put-back N (--to URL | --server NAME) [--web-address URL] [--password-stdin] "
               "[--trust FINGERPRINT]";
    return kUsage;
}

// The entry of the user's server list of that name (the same letter case
// first, then any).
bool TargetOfServer(const QString& name, tWWWServerType& server) {
    TServerList list;
    LoadServerList(list);
    const tWWWServerType* found = nullptr;
    for (const auto& s : list)
        if (s->Name == name) found = s.get();
    for (const auto& s : list)
        if (!found && s->Name.compare(name, Qt::CaseInsensitive) == 0) found = s.get();
    if (!found) return false;
    server = *found;
    return true;
}

// The first line of standard input, without its line break.
QString PasswordFromStdin() {
    QTextStream in(stdin);
    QString line = in.readLine();
    while (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return line;
}

// The options, read and checked, and the entry of --server found in the
// server list: ucOk, or the status to end with once `err` is told why.
int ReadOptions(const QStringList& args, TOptions& o, tWWWServerType& server, TUploadTarget& target,
                QTextStream& err) {
    if (!ParseArgs(args, o) || (!o.url.isEmpty() && !ParseUploadUrl(o.url, target))) {
        err << UsageOf(args.value(0)) << Qt::endl;
        return ucUsage;
    }
    if (!o.url.isEmpty() && !target.Password.isEmpty())
        err << "tarvo: note: a password in the address can be read by other users of this computer; use "
               "--password-stdin or "
            << kPasswordVariable << " instead" << Qt::endl;
    if (!o.server.isEmpty() && !TargetOfServer(o.server, server)) {
        err << "tarvo: no WWW server named \"" << o.server << "\" in the server list" << Qt::endl;
        return ucUsage;
    }
    if (!o.webAddress.isEmpty()) {
        // --web-address stands for the server entry's own for this upload.
        QString problem;
        const QString web = NormalWebAddress(o.webAddress, &problem);
        if (web.isEmpty()) {
            err << "tarvo: --web-address: " << problem << Qt::endl;
            return ucUsage;
        }
        target.WebAddress = server.WebAddress = web;
    }
    return ucOk;
}

// The password into the target: standard input's with --password-stdin,
// else the address's, else the variable's (--to), else the server list's
// entry's (--server), read from the keyring where it is kept there.
int TakePassword(const TOptions& o, tWWWServerType& server, TUploadTarget& target, QTextStream& err) {
    if (o.passwordStdin) {
        target.Password = server.Password = PasswordFromStdin();
        server.KeyringName.clear();
    } else if (!o.url.isEmpty() && target.Password.isEmpty()) {
        target.Password = qEnvironmentVariable(kPasswordVariable);
    }
    if (o.server.isEmpty()) return ucOk;
    QString why;
    if (!FetchPassword(server, &why)) {
        err << "tarvo: could not read the password of \"" << server.Name << "\" from the keyring: " << why
            << Qt::endl;
        return ucLogin;
    }
    target = UploadTargetOf(server);
    return ucOk;
}

// While it lives, SIGINT and SIGTERM cancel the upload: the file in
// transfer is abandoned under its temporary name.
class TCancelOnSignal {
public:
    explicit TCancelOnSignal(TUploadSequence& upload) {
        g_stopSignal = 0;
        struct sigaction action = {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
        watch_.setInterval(50);
        QObject::connect(&watch_, &QTimer::timeout, [&upload] {
            if (g_stopSignal && !upload.Cancelled()) upload.Cancel();
        });
        watch_.start();
    }
    ~TCancelOnSignal() {
        watch_.stop();
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    TCancelOnSignal(const TCancelOnSignal&) = delete;
    TCancelOnSignal& operator=(const TCancelOnSignal&) = delete;

private:
    struct sigaction oldInt_ = {}, oldTerm_ = {};
    QTimer watch_;
};

// Runs the upload in this event loop (nothing else is waiting), telling
// each file sent on `out` and each failure on `err`, and noting in the
// record what the server now holds. With `plan`, the files are planned
// while the client logs in on its own threads: reading and hashing the
// page's files takes about as long as a log-in.
void RunUpload(TUploadSequence& upload, TSentRecord& record, TPublishHistory& history, const QString& trust,
               QTextStream& out, QTextStream& err, const std::function<std::vector<TUploadFile>()>& plan = {}) {
    QObject::connect(&upload, &TUploadSequence::Status, [&err](const QString& text) { err << text << Qt::endl; });
    // Never asks: a key the user named with --trust is accepted, any other
    // untrusted one ends the upload with its fingerprint on standard error.
    upload.AskTrust = [&trust](const TTrustQuestion& q) { return !trust.isEmpty() && q.Fingerprint == trust; };
    QObject::connect(&upload, &TUploadSequence::FileDone, [&](const TUploadFile& f, bool sent, const QString& why) {
        if (sent) {
            // The history reads the file to keep it; the record takes the
            // hash of those bytes instead of reading it a second time.
            QString unkept;
            QByteArray hash;
            if (!history.Note(f, true, &unkept, &hash)) err << "tarvo: " << unkept << Qt::endl;
            record.RecordSent(f, hash);
            out << f.Remote << Qt::endl;
        } else if (!upload.Cancelled()) {
            err << "tarvo: " << f.Remote << " was not sent: " << why << Qt::endl;
        }
    });
    QObject::connect(&upload, &TUploadSequence::FileSkipped, [&record, &history](const TUploadFile& f) {
        QByteArray hash;
        history.Note(f, false, nullptr, &hash);
        record.RecordSent(f, hash);
    });
    // A site file not sent over the server's own is no failure, but the
    // user is told.
    QObject::connect(&upload, &TUploadSequence::FileLeftAlone, [&err](const TUploadFile& f, const QString& why) {
        err << "tarvo: "
            << QCoreApplication::translate("UploadCommand", "%1 was not sent and the server's file is left as it is: %2")
                   .arg(f.Remote, why)
            << Qt::endl;
    });
    QObject::connect(&upload, &TUploadSequence::FileRemoved,
                     [&](const QString& remote, bool removed, const QString& why) {
                         if (removed) {
                             record.RecordRemoved(remote);
                             history.NoteRemoved(remote);
                             out << "removed " << remote << Qt::endl;
                         } else if (!upload.Cancelled()) {
                             err << "tarvo: " << remote << " was not removed: " << why << Qt::endl;
                         }
                     });
    const TCancelOnSignal cancel(upload);
    if (plan) {
        upload.Start();
        upload.SetFiles(plan());
    }
    upload.Run();
}

// Tells how the upload ended, and gives the exit status of it.
int ExitStatus(const TUploadSequence& upload, const TUploadTarget& target, QTextStream& err) {
    if (upload.SkippedCount() > 0)
        err << "tarvo: "
            << QCoreApplication::translate("UploadCommand",
                                           "%1 unchanged files already on the server were not sent again")
                   .arg(upload.SkippedCount())
            << Qt::endl;
    // After a cancel or a failure part way: what the server holds now.
    if (const QString state = upload.ServerState(); !state.isEmpty()) err << "tarvo: " << state << Qt::endl;
    switch (upload.Outcome()) {
        case TUploadOutcome::Done:
            return ucOk;
        case TUploadOutcome::Cancelled:
            err << "tarvo: the upload was cancelled" << Qt::endl;
            return ucCancelled;
        case TUploadOutcome::LoginFailed:
            // A server never reached is no matter of the log-in.
            if (upload.LoginFailure().Unreached())
                err << "tarvo: "
                    << QCoreApplication::translate("UploadCommand",
                                                   "could not connect to %1 (check the address and port): %2")
                           .arg(target.Address, upload.Detail())
                    << Qt::endl;
            else
                err << "tarvo: could not log in to " << target.Address << ": " << upload.Detail() << Qt::endl;
            if (upload.WasUntrusted())
                err << "tarvo: the server's key is " << upload.Untrusted().Fingerprint
                    << "; to trust it, run again with --trust " << upload.Untrusted().Fingerprint << Qt::endl;
            return ucLogin;
        case TUploadOutcome::FolderFailed:
            err << "tarvo: could not make or enter the folder " << target.Directory << ": " << upload.Detail()
                << Qt::endl;
            return ucFolder;
        case TUploadOutcome::PageFailed:
        case TUploadOutcome::FileFailed:
            err << "tarvo: not every file was sent: " << upload.Detail() << Qt::endl;
            return ucFile;
    }
    return ucFile;
}

// After the sequence: the connections closed, the records written, the
// exit status.
int Finish(TUploadSequence& upload, TFtpClient& ftp, TSentRecord& record, TPublishHistory& history,
           const TUploadTarget& target, bool putBack, QTextStream& err) {
    // Waits (bounded) for the client's last work, such as removing the
    // temporary file of a cancelled transfer, before the program ends.
    ftp.DisconnectAndWait();
    // The record and the history are files of their own, each written to
    // the disk and flushed there: side by side, the two waits overlap.
    QString unsaved, unrecorded;
    bool saved = true;
    std::thread recordWriter([&record, &saved, &unsaved] { saved = record.Save(&unsaved); });
    const bool recorded = history.Record(upload.Outcome() == TUploadOutcome::Done, putBack, &unrecorded);
    recordWriter.join();
    if (!saved) err << "tarvo: " << unsaved << Qt::endl;
    if (!recorded) err << "tarvo: " << unrecorded << Qt::endl;
    for (const QString& unkept : history.Unkept()) err << "tarvo: " << unkept << Qt::endl;
    return ExitStatus(upload, target, err);
}

// With a web address: whether the web shows the page now, in one line,
// on `out` when it does and on `err` when not (yet). The upload succeeded
// either way, and the exit status stays so.
void TellWhetherLive(const TUploadSequence& upload, QTextStream& out, QTextStream& err) {
    const std::optional<TLiveRequest> request = LiveRequestOf(upload.Target(), upload.Files());
    if (!request) return;
    const TLiveResult result = CheckLiveAndWait(*request);
    if (result.Kind == TLiveResult::TKind::Live)
        out << LiveSentence(result) << Qt::endl;
    else if (const QString sentence = LiveSentence(result); !sentence.isEmpty())
        err << "tarvo: " << sentence << Qt::endl;
}

// "git+https://USER@HOST/PATH/REPO.git#BRANCH" and "git+ssh://...": the
// repository's address without the user, and the branch ("main" unless
// named).
bool ParseGitUrl(QUrl url, TUploadTarget& target) {
    if (!url.isValid() || url.host().isEmpty() || url.hasQuery() || url.path().size() < 2) return false;
    target.Security = TSecurity::Git;
    target.UserName = url.userName(QUrl::FullyDecoded);
    target.Password = url.password(QUrl::FullyDecoded);
    target.Branch = url.hasFragment() ? url.fragment(QUrl::FullyDecoded) : QStringLiteral("main");
    if (target.Branch.isEmpty()) return false;
    url.setScheme(url.scheme().toLower().mid(4));
    url.setUserInfo(QString());
    url.setFragment(QString());
    target.Address = url.toString(QUrl::FullyEncoded);
    target.Port = url.port(url.scheme() == QLatin1String("ssh") ? 22 : 443);
    target.Directory.clear();
    return true;
}

}  // namespace

bool ParseUploadUrl(const QString& text, TUploadTarget& target) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("git+https") || scheme == QLatin1String("git+ssh")) return ParseGitUrl(url, target);
    // "ftps" is FTP with explicit TLS on the usual port.
    if (scheme == QLatin1String("ftp"))
        target.Security = TSecurity::FTP;
    else if (scheme == QLatin1String("ftps"))
        target.Security = TSecurity::FTPS;
    else if (scheme == QLatin1String("sftp"))
        target.Security = TSecurity::SFTP;
    else if (scheme == QLatin1String("davs"))
        target.Security = TSecurity::WebDAVS;
    else if (scheme == QLatin1String("dav"))
        target.Security = TSecurity::WebDAV;
    else
        return false;
    if (!url.isValid() || url.host().isEmpty() || url.hasQuery() || url.hasFragment()) return false;
    target.Address = url.host(QUrl::FullyDecoded);
    target.Port = url.port(DefaultPort(target.Security));
    target.UserName = url.userName(QUrl::FullyDecoded);
    target.Password = url.password(QUrl::FullyDecoded);
    if (target.UserName.isEmpty()) target.UserName = QStringLiteral("anonymous");
    // The path names a folder below the login folder; a second "/" (or
    // %2F) makes it absolute.
    QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1) path.chop(1);
    target.Directory = path;
    return true;
}

int RunUploadCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    TOptions o;
    tWWWServerType server;
    TUploadTarget target;
    int status = ReadOptions(args, o, server, target, err);
    if (status == ucOk) status = TakePassword(o, server, target, err);
    if (status != ucOk) return status;

    // The page's HTML file as the window saved it, or as --html makes it
    // when there is none as new as the document.
    const QString pageFile = WriteDocumentPage(o.document, o.logo, err);
    if (pageFile.isEmpty()) return ucDocument;

    // The page's site; what the record of this server and folder holds as
    // sent is marked unchanged, unless everything is to go again.
    TSentRecord record(target);
    // A key named with --trust is offered at once, so that the log-in costs
    // one connection, not a refused one before it.
    QString& key = ShowsHostKey(target.Security, target.Address) ? target.HostKey : target.TrustedKey;
    const bool plain = target.Security == TSecurity::FTP || target.Security == TSecurity::WebDAV;
    if (!plain && key.isEmpty()) key = o.trust;
    TFtpClient ftp;
    TUploadSequence upload(ftp, target, {});
    TPublishHistory history(target);
    RunUpload(upload, record, history, o.trust, out, err,
              [&] { return PlanUpload(pageFile, &record, o.all, target.WebAddress).Files; });
    const int sent = Finish(upload, ftp, record, history, target, false, err);
    if (sent == ucOk) TellWhetherLive(upload, out, err);
    return sent;
}

int RunHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    TOptions o;
    tWWWServerType server;
    TUploadTarget target;
    if (const int status = ReadOptions(args, o, server, target, err); status != ucOk) return status;
    // The record is named by the entry's address, user and folder; no
    // password is needed to read it.
    if (!o.server.isEmpty()) target = UploadTargetOf(server);
    const TPublishHistory history(target);
    const QStringList lines = HistoryLines(history);
    if (lines.isEmpty()) err << "tarvo: nothing was published there yet" << Qt::endl;
    for (const QString& line : lines) out << line << Qt::endl;
    return ucOk;
}

int RunPutBackCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    TOptions o;
    tWWWServerType server;
    TUploadTarget target;
    int status = ReadOptions(args, o, server, target, err);
    bool numeric = false;
    const qlonglong number = o.document.toLongLong(&numeric);
    if (status == ucOk && (!numeric || number < 1)) {
        err << UsageOf(o.command) << Qt::endl;
        return ucUsage;
    }
    if (status == ucOk) status = TakePassword(o, server, target, err);
    if (status != ucOk) return status;
    TPublishHistory history(target);
    const TPutBackPlan plan = PlanPutBack(history, size_t(number - 1));
    if (!plan.Problem.isEmpty()) {
        err << "tarvo: " << plan.Problem << Qt::endl;
        return ucDocument;
    }
    TSentRecord record(target);
    QString& key = ShowsHostKey(target.Security, target.Address) ? target.HostKey : target.TrustedKey;
    const bool plain = target.Security == TSecurity::FTP || target.Security == TSecurity::WebDAV;
    if (!plain && key.isEmpty()) key = o.trust;
    TFtpClient ftp;
    TUploadSequence upload(ftp, target, plan.Files);
    upload.SetRemovals(plan.Removals);
    RunUpload(upload, record, history, o.trust, out, err);
    const int sent = Finish(upload, ftp, record, history, target, true, err);
    if (sent == ucOk) TellWhetherLive(upload, out, err);
    return sent;
}
