#include "upload/UploadSequence.h"

#include "html/SiteMenu.h"
#include "upload/ServerList.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

// The folder part of a remote name ("" for one in the server folder).
QString FolderOf(const QString& remote) {
    const qsizetype slash = remote.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : remote.left(slash);
}

QString NameOf(const QString& remote) { return remote.mid(remote.lastIndexOf(QLatin1Char('/')) + 1); }

// Failures that belong to the file itself (unreadable here, a name the
// client refuses), not to the server: they do not hold the page back.
bool LocalFailure(const TFtpOutcome& outcome) {
    return outcome.Kind == TFtpOutcome::TKind::LocalFile || outcome.Kind == TFtpOutcome::TKind::BadName;
}

// Extra connections pay for their log-in from this many files on.
constexpr int kFilesPerExtraConnection = 4;

}  // namespace

void TTrustingLogin::Start(TFtpClient& ftp, TUploadTarget& target, QObject* context, TFtpDone done) {
    ftp_ = &ftp;
    target_ = &target;
    context_ = context;
    done_ = std::move(done);
    stopped_ = false;
    Try(true);
}

void TTrustingLogin::Try(bool mayAsk) {
    ftp_->Connect(*target_)->Then(context_, [this, mayAsk](const TFtpOutcome& outcome) {
        if (stopped_) return;
        if (outcome.Untrusted()) {
            question_ = TTrustQuestion{target_->Security, target_->Address, outcome.Message, outcome.Fingerprint,
                                       outcome.Kind == TFtpOutcome::TKind::KeyChanged};
            const bool trust = mayAsk && owner_.AnswerTrust(question_);
            if (stopped_) return;
            if (trust) {
                (ShowsHostKey(target_->Security, target_->Address) ? target_->HostKey : target_->TrustedKey) =
                    question_.Fingerprint;
                owner_.KeyTrusted(*target_);
                Try(false);
                return;
            }
        }
        done_(outcome);
    });
}

TUploadTarget UploadTargetOf(const tWWWServerType& server) {
    TUploadTarget target;
    if (server.Security == TSecurity::Git) {
        // The repository's whole address; the transport reads it.
        target.Address = server.Address.trimmed();
        target.Branch = server.Branch.trimmed().isEmpty() ? QStringLiteral("main") : server.Branch.trimmed();
        const QUrl url(target.Address);
        target.Port = url.port(url.scheme().compare(QLatin1String("ssh"), Qt::CaseInsensitive) == 0 ? 22 : 443);
    } else if (!SplitAddress(server.Address, DefaultPort(server.Security), target.Address, target.Port)) {
        // Left for the connection to report as not valid.
        target.Address = server.Address.trimmed();
        target.Port = DefaultPort(server.Security);
    }
    target.Directory = server.Directory;
    target.UserName = server.UserName;
    target.Password = server.Password;
    target.Security = server.Security;
    target.TrustedKey = server.TrustedKey;
    target.HostKey = server.HostKey;
    target.WebAddress = NormalWebAddress(server.WebAddress);
    return target;
}

TUploadSequence::TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files,
                                 QObject* parent)
    : TStepSequence(ftp,
                    {{kConnect, [this] { Connect(); }},
                     {kMakeFolder, [this] { MakeServerFolder(); }},
                     {kEnterFolder, [this] { EnterServerFolder(); }},
                     {kList, [this] { ListFolders(); }},
                     {kMakeFolders, [this] { MakeFolders(); }},
                     {kSend, [this] { SendFiles(); }},
                     {kSendPage, [this] { SendPage(); }},
                     {kRemove, [this] { RemoveOld(); }},
                     {kCommit, [this] { CommitAll(); }}},
                    parent),
      target_(target),
      files_(std::move(files)) {
    state_.assign(files_.size(), FileState::Pending);
}

TUploadSequence::~TUploadSequence() { login_.Stop(); }

bool TUploadSequence::SetFiles(std::vector<TUploadFile> files) {
    if (Step() > kConnect || (Step() >= 0 && !Running())) return false;
    files_ = std::move(files);
    state_.assign(files_.size(), FileState::Pending);
    return true;
}

void TUploadSequence::Fail(TUploadOutcome outcome, const QString& detail) {
    if (Cancelled()) outcome = TUploadOutcome::Cancelled;
    // The first failure is the one reported.
    if (outcome_ == TUploadOutcome::Done) {
        outcome_ = outcome;
        if (!Cancelled()) detail_ = detail;
    }
}

void TUploadSequence::ShowProgress() {
    int value = done_count_ * 100;
    for (const auto& [file, partial] : inFlight_) value += partial;
    emit Progress(value, int(files_.size()) * 100);
}

void TUploadSequence::Connect() {
    untrusted_ = false;
    SetStatus(QCoreApplication::translate("UploadSequence", "Connecting to ") + target_.Address);
    login_.Start(ftp_, target_, this, Guard([this](const TFtpOutcome& outcome) {
        if (!outcome.Ok()) {
            untrusted_ = outcome.Untrusted();
            loginFailure_ = outcome;
            Fail(TUploadOutcome::LoginFailed, outcome.Message);
            return End();
        }
        if (target_.Directory.isEmpty()) return Go(kList);
        Next();
    }));
}

void TUploadSequence::MakeServerFolder() {
    // An existing folder is no error; entering it tells.
    Await(ftp_.MakeFolder(target_.Directory), [this](const TFtpOutcome&) { Next(); });
}

void TUploadSequence::EnterServerFolder() {
    Await(ftp_.ChangeFolder(target_.Directory), [this](const TFtpOutcome& outcome) {
        if (!outcome.Ok()) {
            Fail(TUploadOutcome::FolderFailed, outcome.Message);
            return End();
        }
        Next();
    });
}

// Which folders to look at and which to make, and how many files go.
void TUploadSequence::PlanFolders() {
    // The server folder itself is always looked at: whether an old page is
    // there is what a cancel or a failure has to tell.
    std::vector<QString> folders, withUnchanged{QString()};
    for (size_t i = 0; i < files_.size(); ++i) {
        const TUploadFile& f = files_[i];
        if (!f.Refused.isEmpty()) continue;
        const QString folder = FolderOf(f.Remote);
        if (!folder.isEmpty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
        // A file that may find the server's own in its place is looked for
        // as well.
        if (f.Unchanged || (f.OnlyIfOurs && !f.Ours)) {
            if (std::find(withUnchanged.begin(), withUnchanged.end(), folder) == withUnchanged.end())
                withUnchanged.push_back(folder);
        }
        if (!f.Unchanged && !IsPage(i)) ++toSend_;
    }
    // Parents before their subfolders.
    std::sort(withUnchanged.begin(), withUnchanged.end());
    std::sort(folders.begin(), folders.end());
    toList_ = withUnchanged;
    for (const QString& folder : folders)
        if (std::find(toList_.begin(), toList_.end(), folder) == toList_.end()) toMake_.push_back(folder);
}

// Logged in and in the server folder: the folders are listed while the
// extra connections log in.
void TUploadSequence::ListFolders() {
    reachedFiles_ = true;
    ShowProgress();
    SetStatus(QCoreApplication::translate("UploadSequence", "Uploading files to Web Server..."));
    PlanFolders();
    // Over SFTP one connection already keeps several requests in flight,
    // and every further one costs a key exchange: it stays at one (and a
    // Git repository's staging is one index).
    if (target_.Security != TSecurity::SFTP && target_.Security != TSecurity::Git)
        ftp_.Reserve(1 + qMin(kMaxConnections - 1, toSend_ / kFilesPerExtraConnection));
    listed_.assign(toList_.size(), std::nullopt);
    pending_ = toList_.size();
    for (size_t i = 0; i < toList_.size(); ++i) {
        TFtpOperation* op = ftp_.ListFolder(toList_[i]);
        Await(op, [this, i, op](const TFtpOutcome& outcome) { Listed(i, outcome, op->Listing()); });
    }
}

void TUploadSequence::Listed(size_t at, const TFtpOutcome& outcome, const std::vector<TRemoteEntry>& entries) {
    const QString& folder = toList_[at];
    if (outcome.Ok()) {
        listed_[at] = entries;
    } else if (!ftp_.Connected()) {
        Fail(TUploadOutcome::FileFailed, outcome.Message);
        return End();
    } else {
        lastError_ = outcome.Message;
        // Not there (or not listable): made, and all its files sent.
        if (!folder.isEmpty()) toMake_.push_back(folder);
    }
    if (--pending_ > 0) return;
    SkipWhatIsThere();
    Next();
}

// A file sent before is skipped when its folder's listing shows it at the
// same size; missing or of another size, it goes again.
void TUploadSequence::SkipWhatIsThere() {
    const size_t visitorPage = VisitorPage();
    const QString page = visitorPage < files_.size() ? files_[visitorPage].Remote : QString();
    for (size_t at = 0; at < toList_.size(); ++at) {
        if (!listed_[at]) continue;
        const QString& folder = toList_[at];
        const std::vector<TRemoteEntry>& entries = *listed_[at];
        for (const TRemoteEntry& e : entries)
            if (!e.Folder && folder.isEmpty() && e.Name == page) oldPageThere_ = true;
        for (size_t i = 0; i < files_.size(); ++i) {
            TUploadFile& f = files_[i];
            if (!f.Unchanged || !f.Refused.isEmpty() || FolderOf(f.Remote) != folder) continue;
            if (f.Size < 0) f.Size = QFileInfo(f.Local).size();
            const QString name = NameOf(f.Remote);
            const bool there = std::any_of(entries.begin(), entries.end(), [&](const TRemoteEntry& e) {
                return !e.Folder && e.Name == name && e.Size == f.Size && f.Size >= 0;
            });
            if (!there) continue;
            state_[i] = FileState::Skipped;
            ++skipped_;
            ++done_count_;
            emit FileSkipped(f);
        }
    }
    // Only folders files go to are made (no empty "backgrnd" for a page
    // without a background), and none the server folder's listing shows.
    if (!listed_.empty() && listed_.front() && toList_.front().isEmpty()) {
        const std::vector<TRemoteEntry>& top = *listed_.front();
        std::erase_if(toMake_, [&](const QString& folder) {
            return std::any_of(top.begin(), top.end(), [&](const TRemoteEntry& e) { return e.Folder && e.Name == folder; });
        });
    }
    std::sort(toMake_.begin(), toMake_.end());
    LeaveOthersAlone();
    ShowProgress();
}

// A site file of Tarvo's never replaces one someone else put there: the
// folder's listing must show that no file of its name is there, or the
// record that the one there is Tarvo's.
void TUploadSequence::LeaveOthersAlone() {
    for (size_t i = 0; i < files_.size(); ++i) {
        const TUploadFile& f = files_[i];
        if (!f.OnlyIfOurs || f.Ours || !f.Refused.isEmpty() || state_[i] != FileState::Pending) continue;
        const auto folder = std::find(toList_.begin(), toList_.end(), FolderOf(f.Remote));
        const std::vector<TRemoteEntry>* listing = nullptr;
        if (folder != toList_.end() && listed_[size_t(folder - toList_.begin())])
            listing = &*listed_[size_t(folder - toList_.begin())];
        QString why;
        if (!listing) {
            why = tr("Tarvo could not see whether the server folder has a file of that name");
        } else if (std::any_of(listing->begin(), listing->end(),
                               [&](const TRemoteEntry& e) { return e.Name == NameOf(f.Remote); })) {
            why = tr("the server folder has a file of that name that Tarvo did not put there");
        } else {
            continue;
        }
        state_[i] = FileState::LeftAlone;
        ++done_count_;
        emit FileLeftAlone(f, why);
    }
}

void TUploadSequence::MakeFolders() {
    // A folder that cannot be made fails its files, which tell why.
    pending_ = toMake_.size();
    if (pending_ == 0) return Next();
    for (const QString& folder : toMake_)
        Await(ftp_.MakeFolder(folder), [this](const TFtpOutcome&) {
            if (--pending_ == 0) Next();
        });
}

void TUploadSequence::SendFiles() {
    // Refused files are told first and never reach the client.
    std::vector<size_t> toSend;
    for (size_t i = 0; i < files_.size(); ++i) {
        const TUploadFile& file = files_[i];
        if (file.Refused.isEmpty()) {
            if (state_[i] == FileState::Pending && !IsPage(i)) toSend.push_back(i);
            continue;
        }
        state_[i] = FileState::Failed;
        ++done_count_;
        emit FileDone(file, false, file.Refused);
        Fail(TUploadOutcome::FileFailed, file.Remote + QStringLiteral(": ") + file.Refused);
    }
    ShowProgress();
    if (files_.empty()) {
        Fail(TUploadOutcome::PageFailed, QCoreApplication::translate("UploadSequence", "There is no page to send."));
        return End();
    }
    if (toSend.empty()) return Next();
    // What the pages show goes before the pages: the client starts the
    // operations in the order they are asked for.
    std::stable_sort(toSend.begin(), toSend.end(), [this](size_t a, size_t b) { return files_[a].Role < files_[b].Role; });
    for (const size_t i : toSend) SendOne(i);
}

void TUploadSequence::SendOne(size_t index) {
    const TUploadFile& file = files_[index];
    TFtpOperation* op = ftp_.SendFile(file.Local, file.Remote, file.Binary);
    inFlight_[index] = 0;
    // Within a file, the bar moves with its bytes.
    connect(op, &TFtpOperation::Progress, this, [this, index](qint64 sent, qint64 total) {
        const auto it = inFlight_.find(index);
        if (it == inFlight_.end() || total <= 0) return;
        it->second = int(qMin<qint64>(99, sent * 100 / total));
        ShowProgress();
    });
    Await(op, [this, index](const TFtpOutcome& outcome) { FileSent(index, outcome); });
}

void TUploadSequence::FileSent(size_t index, const TFtpOutcome& outcome) {
    inFlight_.erase(index);
    const TUploadFile& file = files_[index];
    const bool error = !outcome.Ok();
    // A file that found every connection gone says why they went.
    const QString why = outcome.Kind == TFtpOutcome::TKind::NotConnected && !lastError_.isEmpty()
                            ? lastError_
                            : outcome.Message;
    if (error) lastError_ = why;
    state_[index] = error ? FileState::Failed : FileState::Sent;
    ++done_count_;
    ShowProgress();
    emit FileDone(file, !error, why);
    if (Cancelled() || !Running()) return;
    if (error) {
        if (!LocalFailure(outcome)) serverFailed_ = true;
        Fail(IsPage(index) ? TUploadOutcome::PageFailed : TUploadOutcome::FileFailed,
             file.Remote + QStringLiteral(": ") + why);
    }
    if (Step() == kSendPage) return Go(kRemove);
    if (inFlight_.empty()) Next();
}

size_t TUploadSequence::VisitorPage() const {
    return size_t(std::find_if(files_.begin(), files_.end(),
                               [](const TUploadFile& f) { return f.Role == TFileRole::VisitorPage; }) -
                  files_.begin());
}

void TUploadSequence::SendPage() {
    const size_t page = VisitorPage();
    if (page == files_.size() || state_[page] != FileState::Pending || !files_[page].Refused.isEmpty())
        return Go(kRemove);
    // The page only once all it shows has arrived; after a failure the old
    // page stays, and with it a site that is whole.
    if (serverFailed_ || !ftp_.Connected()) return End();
    SendOne(page);
}

// After the page: the files the page no longer has are removed, so that a
// visitor never meets a page whose pictures went first.
void TUploadSequence::RemoveOld() {
    if (toRemove_.empty()) return Next();
    if (serverFailed_ || !ftp_.Connected()) return End();
    const size_t page = VisitorPage();
    if (page < files_.size() && state_[page] == FileState::Failed) return End();
    pending_ = toRemove_.size();
    for (const QString& remote : toRemove_)
        Await(ftp_.RemoveFileBelow(remote), [this, remote](const TFtpOutcome& outcome) {
            // One already gone is what was wanted.
            const bool removed = outcome.Ok() || outcome.Kind == TFtpOutcome::TKind::Missing;
            emit FileRemoved(remote, removed, outcome.Message);
            if (!removed) Fail(TUploadOutcome::FileFailed, remote + QStringLiteral(": ") + outcome.Message);
            if (--pending_ == 0) Next();
        });
}

// The last request: a Git repository commits and pushes what was sent (a
// failed page keeps the branch as it was: nothing is committed).
void TUploadSequence::CommitAll() {
    if (serverFailed_ || !ftp_.Connected()) return End();
    const size_t page = VisitorPage();
    if (page < files_.size() && state_[page] == FileState::Failed) return End();
    Await(ftp_.Commit(), [this](const TFtpOutcome& outcome) {
        if (outcome.Ok())
            committed_ = true;
        else
            Fail(TUploadOutcome::PageFailed, outcome.Message);
        End();
    });
}

QString TUploadSequence::ServerState() const {
    const size_t page = VisitorPage();
    if (page == files_.size() || !reachedFiles_) return QString();
    // A branch changes with the commit alone.
    if (target_.Security == TSecurity::Git && !committed_)
        return tr("The branch is as it was: nothing of this upload was published.");
    if (state_[page] == FileState::Sent || state_[page] == FileState::Skipped) return QString();
    int sent = 0, meant = 0;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (i == page || state_[i] == FileState::Skipped || state_[i] == FileState::LeftAlone ||
            !files_[i].Refused.isEmpty())
            continue;
        ++meant;
        if (state_[i] == FileState::Sent) ++sent;
    }
    if (oldPageThere_)
        return meant == 0 ? tr("Your old page is still on the server; no other file was sent.")
                          : tr("Your old page is still on the server; %1 of %2 new files were sent.").arg(sent).arg(meant);
    return meant == 0 ? tr("Your page was not sent, and no other file was.")
                      : tr("Your page was not sent (the server shows what it showed before); %1 of %2 other files "
                           "were sent.")
                            .arg(sent)
                            .arg(meant);
}

void TUploadSequence::Concluding() {
    login_.Stop();
    if (reachedFiles_ && !Cancelled())
        SetStatus(QCoreApplication::translate("UploadSequence", "Disconnecting from Web Server..."));
}

void TUploadSequence::Concluded() {
    // Only a whole upload is completed: after a failure the caller tells
    // what went wrong instead.
    if (reachedFiles_ && !Cancelled() && outcome_ == TUploadOutcome::Done)
        SetStatus(QCoreApplication::translate("UploadSequence", "Upload Completed."));
}

void TUploadSequence::Cancelling() {
    outcome_ = TUploadOutcome::Cancelled;
    detail_.clear();
}
