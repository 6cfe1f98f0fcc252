#include "upload/ServerProbe.h"

#include "app/Utils.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

TServerProbe::TServerProbe(TFtpClient& ftp, const TUploadTarget& target, QObject* parent)
    : TStepSequence(ftp,
                    {{kConnect, [this] { Connect(); }},
                     {kEnterFolder, [this] { EnterFolder(); }},
                     {kMakeFolder, [this] { MakeFolder(); }},
                     {kEnterMade, [this] { EnterMade(); }},
                     {kWrite, [this] { Write(); }},
                     {kRemove, [this] { Remove(); }}},
                    parent),
      target_(target) {
    // A name of its own, so that no file of the user's is ever touched.
    remoteName_ = QStringLiteral("tarvo-test-%1.tmp")
                      .arg(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 10, 16, QLatin1Char('0'));
}

TServerProbe::~TServerProbe() {
    login_.Stop();
    if (!localFile_.isEmpty()) QFile::remove(localFile_);
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

void TServerProbe::Connect() {
    emit Status(tr("Connecting to %1...").arg(target_.Address));
    login_.Start(ftp_, target_, this, Guard([this](const TFtpOutcome& outcome) { LoggedIn(outcome); }));
}

void TServerProbe::LoggedIn(const TFtpOutcome& outcome) {
    const QString server = target_.Address;
    using K = TFtpOutcome::TKind;
    if (outcome.Untrusted())
        return End(TOutcome::Untrusted, ShowsHostKey(target_.Security, target_.Address)
                                            ? tr("Tarvo did not log in: the server's host key is not trusted.")
                                            : tr("Tarvo did not log in: the server's certificate is not trusted."));
    if (outcome.Kind == K::Refused)
        return End(TOutcome::Unreachable,
                   tr("The server %1 refused the connection on port %2: check the address and port.")
                       .arg(server)
                       .arg(target_.Port));
    if (outcome.Kind == K::NotFound)
        return End(TOutcome::Unreachable, tr("The server %1 could not be found: check the address.").arg(server));
    if (outcome.Kind == K::NoAnswer)
        return End(TOutcome::Unreachable, tr("The server %1 did not answer on port %2: check the address and port, "
                                             "or try again later.")
                                              .arg(server)
                                              .arg(target_.Port));
    // Only the server's own refusal of the log-in is the password's fault.
    if (outcome.Kind == K::LoginRefused)
        return End(TOutcome::LoginRefused,
                   tr("The server %1 refused the login name or password: check both.").arg(server));
    if (!outcome.Ok())
        return End(TOutcome::LoginFailed, tr("Tarvo reached %1 but could not log in (%2).").arg(server, Reason(outcome)));
    if (target_.Directory.isEmpty()) return Go(kWrite);
    emit Status(tr("Entering the folder %1...").arg(target_.Directory));
    Next();
}

void TServerProbe::EnterFolder() {
    Await(ftp_.ChangeFolder(target_.Directory), [this](const TFtpOutcome& outcome) {
        if (outcome.Ok()) return Go(kWrite);
        // A folder the server says is not there (and a connection that is
        // still open): the user decides whether it is made.
        if (outcome.Kind != TFtpOutcome::TKind::Missing || !ftp_.Connected())
            return End(TOutcome::FolderFailed, tr("Tarvo could log in but could not enter the folder %1 (%2).")
                                                   .arg(target_.Directory, Reason(outcome)));
        // The server's code, where it gave one, for the user's host.
        const QString why = Reason(outcome);
        const bool coded = !outcome.Reply.isEmpty();
        const bool make = AskMakeFolder && AskMakeFolder(target_.Directory);
        if (Cancelled()) return;
        if (make) return Next();
        End(TOutcome::FolderMissing,
            coded ? tr("Tarvo could log in, but the folder %1 does not exist (%2) and was not made.")
                        .arg(target_.Directory, why)
                  : tr("Tarvo could log in, but the folder %1 does not exist and was not made.").arg(target_.Directory));
    });
}

void TServerProbe::MakeFolder() {
    emit Status(tr("Making the folder %1...").arg(target_.Directory));
    Await(ftp_.MakeFolder(target_.Directory), [this](const TFtpOutcome& outcome) {
        if (outcome.Ok()) return Next();
        if (!ftp_.Connected())
            return End(TOutcome::FolderFailed,
                       tr("Tarvo could not make the folder %1 (%2).").arg(target_.Directory, Reason(outcome)));
        End(TOutcome::FolderNotMade, tr("The folder %1 does not exist and the server refused to make it (%2).")
                                         .arg(target_.Directory, Reason(outcome)));
    });
}

void TServerProbe::EnterMade() {
    Await(ftp_.ChangeFolder(target_.Directory), [this](const TFtpOutcome& outcome) {
        if (outcome.Ok()) return Next();
        End(TOutcome::FolderFailed,
            tr("Tarvo made the folder %1 but could not enter it (%2).").arg(target_.Directory, Reason(outcome)));
    });
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
        !file.flush())
        return End(TOutcome::WriteFailed,
                   tr("Tarvo could log in and enter %1, but could not make its test file on this computer.")
                       .arg(FolderName()));
    file.close();
    emit Status(tr("Writing a test file to %1...").arg(FolderName()));
    Await(ftp_.WriteFile(localFile_, remoteName_), [this](const TFtpOutcome& outcome) {
        if (outcome.Ok()) return Next();
        // A refusal is the server's; anything else (no data connection,
        // the connection lost) is not blamed on it.
        const bool refused =
            outcome.Kind == TFtpOutcome::TKind::ServerRefused || outcome.Kind == TFtpOutcome::TKind::Missing;
        End(TOutcome::WriteFailed,
            refused ? tr("Tarvo could log in and enter %1, but the server refused to let it write there (%2).")
                          .arg(FolderName(), Reason(outcome))
                    : tr("Tarvo could log in and enter %1, but could not write a file there (%2).")
                          .arg(FolderName(), Reason(outcome)));
    });
}

void TServerProbe::Remove() {
    emit Status(tr("Removing the test file..."));
    Await(ftp_.RemoveFile(remoteName_), [this](const TFtpOutcome& outcome) {
        if (!outcome.Ok())
            return End(TOutcome::RemoveFailed,
                       tr("Tarvo could write to %1, but could not remove its test file %2 (%3): please remove it "
                          "yourself.")
                           .arg(FolderName(), remoteName_, Reason(outcome)));
        End(TOutcome::Ready, tr("Tarvo could log in and write to %1: this server is ready.").arg(FolderName()));
    });
}

// The one end of every test: the connection is closed without waiting.
void TServerProbe::End(TOutcome outcome, const QString& sentence) {
    if (!Running()) return;
    outcome_ = outcome;
    sentence_ = sentence;
    Conclude(outcome == TOutcome::Ready);
}

void TServerProbe::Concluding() {
    login_.Stop();
    if (!localFile_.isEmpty()) QFile::remove(localFile_);
    localFile_.clear();
}

void TServerProbe::Cancelling() {
    // Stopped between writing the test file and removing it, the file may
    // still be there: the user is told its name. (A write that is abandoned
    // removes what arrived.)
    outcome_ = TOutcome::Cancelled;
    sentence_ = Step() == kRemove
                    ? tr("The test was stopped; its test file %1 may be left in %2.").arg(remoteName_, FolderName())
                    : tr("The test was stopped.");
}
