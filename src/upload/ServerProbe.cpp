#include "upload/ServerProbe.h"

#include "app/Utils.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>

TServerProbe::TServerProbe(TFtpClient& ftp, const TUploadTarget& target, QObject* parent)
    : QObject(parent), ftp_(ftp), target_(target) {
    // A name of its own, so that no file of the user's is ever touched.
    remoteName_ = QStringLiteral("tarvo-test-%1.tmp")
                      .arg(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 10, 16, QLatin1Char('0'));
}

TServerProbe::~TServerProbe() {
    login_.Stop();
    if (!localFile_.isEmpty()) QFile::remove(localFile_);
}

void TServerProbe::Start() {
    if (step_ != Step::Idle) return;
    step_ = Step::Connecting;
    if (Status) Status(tr("Connecting to %1...").arg(target_.Address));
    login_.AskTrust = AskTrust;
    login_.Trusted = Trusted;
    login_.Start(ftp_, target_, this, Next());
}

bool TServerProbe::Run() {
    Start();
    if (Running()) {
        QEventLoop loop;
        connect(this, &TServerProbe::Finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome_ == TOutcome::Ready;
}

TFtpDone TServerProbe::Next() {
    return [this](const TFtpOutcome& outcome) { OperationDone(outcome); };
}

void TServerProbe::Enter(Step step) {
    step_ = step;
    ftp_.ChangeFolder(target_.Directory, this, Next());
}

QString TServerProbe::FolderName() const {
    return target_.Directory.isEmpty() ? tr("your login folder") : target_.Directory;
}

// Why an operation failed, short enough for parentheses: the server's
// reply code where it gave one, else the client's plain words.
QString TServerProbe::Reason(const TFtpOutcome& outcome) {
    if (!outcome.Reply.isEmpty()) return outcome.Reply.left(3);
    QString plain = outcome.Message.trimmed();
    while (plain.endsWith(QLatin1Char('.'))) plain.chop(1);
    return plain;
}

void TServerProbe::Write() {
    // The test file is made on this computer first, in the user's own
    // temporary folder.
    const QString folder = PrivateTempFolder();
    localFile_ = folder.isEmpty() ? QString() : QDir(folder).filePath(remoteName_);
    QFile file(localFile_);
    if (localFile_.isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write("Tarvo tested whether it may write to this folder. This file is removed at once; if you find "
                   "it, you may delete it.\r\n") < 0 ||
        !file.flush()) {
        Conclude(TOutcome::WriteFailed, tr("Tarvo could log in and enter %1, but could not make its test file on "
                                           "this computer.")
                                            .arg(FolderName()));
        return;
    }
    file.close();
    step_ = Step::Writing;
    if (Status) Status(tr("Writing a test file to %1...").arg(FolderName()));
    ftp_.WriteFile(localFile_, remoteName_, this, Next());
}

void TServerProbe::OperationDone(const TFtpOutcome& outcome) {
    if (cancelled_ || !Running()) return;
    const bool error = !outcome.Ok();
    switch (step_) {
        case Step::Connecting:
            if (outcome.Untrusted()) {
                Conclude(TOutcome::Untrusted,
                         target_.Security == TSecurity::SFTP
                             ? tr("Tarvo did not log in: the server's host key is not trusted.")
                             : tr("Tarvo did not log in: the server's certificate is not trusted."));
                return;
            }
            if (error) {
                const QString server = target_.Address;
                switch (outcome.Kind) {
                    case TFtpOutcome::TKind::Refused:
                        Conclude(TOutcome::Unreachable, tr("The server %1 refused the connection on port %2: check "
                                                           "the address and port.")
                                                            .arg(server)
                                                            .arg(target_.Port));
                        return;
                    case TFtpOutcome::TKind::NotFound:
                        Conclude(TOutcome::Unreachable,
                                 tr("The server %1 could not be found: check the address.").arg(server));
                        return;
                    case TFtpOutcome::TKind::NoAnswer:
                        Conclude(TOutcome::Unreachable, tr("The server %1 did not answer on port %2: check the "
                                                           "address and port, or try again later.")
                                                            .arg(server)
                                                            .arg(target_.Port));
                        return;
                    default:
                        break;
                }
                // Only the server's own refusal of the log-in is the
                // password's fault.
                if (outcome.Kind == TFtpOutcome::TKind::LoginRefused) {
                    Conclude(TOutcome::LoginRefused, tr("The server %1 refused the login name or password: check "
                                                        "both.")
                                                         .arg(server));
                    return;
                }
                Conclude(TOutcome::LoginFailed,
                         tr("Tarvo reached %1 but could not log in (%2).").arg(server, Reason(outcome)));
                return;
            }
            if (target_.Directory.isEmpty()) {
                Write();
                return;
            }
            if (Status) Status(tr("Entering the folder %1...").arg(target_.Directory));
            Enter(Step::EnteringFolder);
            return;
        case Step::EnteringFolder: {
            if (!error) {
                Write();
                return;
            }
            // A folder the server says is not there (and a connection that
            // is still open): the user decides whether it is made.
            const bool missing = outcome.Kind == TFtpOutcome::TKind::Missing && ftp_.Connected();
            if (!missing) {
                Conclude(TOutcome::FolderFailed, tr("Tarvo could log in but could not enter the folder %1 (%2).")
                                                     .arg(target_.Directory, Reason(outcome)));
                return;
            }
            // The server's code, where it gave one, for the user's host.
            const QString why = Reason(outcome);
            const bool coded = !outcome.Reply.isEmpty();
            if (!AskMakeFolder || !AskMakeFolder(target_.Directory)) {
                if (cancelled_) return;
                Conclude(TOutcome::FolderMissing,
                         coded ? tr("Tarvo could log in, but the folder %1 does not exist (%2) and was not made.")
                                     .arg(target_.Directory, why)
                               : tr("Tarvo could log in, but the folder %1 does not exist and was not made.")
                                     .arg(target_.Directory));
                return;
            }
            if (cancelled_) return;
            step_ = Step::MakingFolder;
            if (Status) Status(tr("Making the folder %1...").arg(target_.Directory));
            ftp_.MakeFolder(target_.Directory, this, Next());
            return;
        }
        case Step::MakingFolder:
            if (error && !ftp_.Connected()) {
                Conclude(TOutcome::FolderFailed,
                         tr("Tarvo could not make the folder %1 (%2).").arg(target_.Directory, Reason(outcome)));
                return;
            }
            if (error) {
                Conclude(TOutcome::FolderNotMade, tr("The folder %1 does not exist and the server refused to make "
                                                     "it (%2).")
                                                      .arg(target_.Directory, Reason(outcome)));
                return;
            }
            Enter(Step::EnteringMade);
            return;
        case Step::EnteringMade:
            if (error) {
                Conclude(TOutcome::FolderFailed, tr("Tarvo made the folder %1 but could not enter it (%2).")
                                                     .arg(target_.Directory, Reason(outcome)));
                return;
            }
            Write();
            return;
        case Step::Writing:
            if (error) {
                // A refusal is the server's; anything else (no data
                // connection, the connection lost) is not blamed on it.
                const bool refused = outcome.Kind == TFtpOutcome::TKind::ServerRefused ||
                                     outcome.Kind == TFtpOutcome::TKind::Missing;
                Conclude(TOutcome::WriteFailed,
                         refused ? tr("Tarvo could log in and enter %1, but the server refused to let it write "
                                      "there (%2).")
                                       .arg(FolderName(), Reason(outcome))
                                 : tr("Tarvo could log in and enter %1, but could not write a file there (%2).")
                                       .arg(FolderName(), Reason(outcome)));
                return;
            }
            step_ = Step::Removing;
            if (Status) Status(tr("Removing the test file..."));
            ftp_.RemoveFile(remoteName_, this, Next());
            return;
        case Step::Removing:
            if (error) {
                Conclude(TOutcome::RemoveFailed, tr("Tarvo could write to %1, but could not remove its test file %2 "
                                                    "(%3): please remove it yourself.")
                                                     .arg(FolderName(), remoteName_, Reason(outcome)));
                return;
            }
            Conclude(TOutcome::Ready, tr("Tarvo could log in and write to %1: this server is ready.").arg(FolderName()));
            return;
        default:
            return;
    }
}

// The one end of every test: the connection is closed without waiting.
void TServerProbe::Conclude(TOutcome outcome, const QString& sentence) {
    if (!Running()) return;
    step_ = Step::Over;
    outcome_ = outcome;
    sentence_ = sentence;
    login_.Stop();
    ftp_.Disconnect();
    if (!localFile_.isEmpty()) QFile::remove(localFile_);
    localFile_.clear();
    emit Finished(outcome_ == TOutcome::Ready);
}

void TServerProbe::Cancel() {
    if (!Running() || cancelled_) return;
    cancelled_ = true;
    // Stopped between writing the test file and removing it, the file may
    // still be there: the user is told its name. (A write that is abandoned
    // removes what arrived.)
    const bool mayBeLeft = step_ == Step::Removing;
    ftp_.Cancel();
    Conclude(TOutcome::Cancelled, mayBeLeft ? tr("The test was stopped; its test file %1 may be left in %2.")
                                                  .arg(remoteName_, FolderName())
                                            : tr("The test was stopped."));
}
