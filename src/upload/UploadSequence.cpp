#include "upload/UploadSequence.h"

#include "upload/FtpClient.h"
#include "upload/ServerList.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>
#include <optional>

struct TUploadSequence::TLane {
    enum class State { Connecting, Entering, Ready, Closed };
    TFtpClient* ftp = nullptr;
    std::unique_ptr<TFtpClient> own;  // an extra connection of the sequence
    State state = State::Ready;
    std::optional<size_t> file;  // in transfer
    int partial = 0;             // of that file, in hundredths
    QMetaObject::Connection progress;
};

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

// The page the visitor opens, which goes last (files.size() when the plan
// has none).
size_t VisitorPageOf(const std::vector<TUploadFile>& files) {
    return size_t(std::find_if(files.begin(), files.end(),
                               [](const TUploadFile& f) { return f.Role == TFileRole::VisitorPage; }) -
                  files.begin());
}

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
    ftp_->Connect(*target_, context_, [this, mayAsk](const TFtpOutcome& outcome) {
        if (stopped_) return;
        if (outcome.Untrusted()) {
            question_ = TTrustQuestion{target_->Security, target_->Address, outcome.Message, outcome.Fingerprint,
                                       outcome.Kind == TFtpOutcome::TKind::KeyChanged};
            const bool trust = mayAsk && AskTrust && AskTrust(question_);
            if (stopped_) return;
            if (trust) {
                (target_->Security == TSecurity::SFTP ? target_->HostKey : target_->TrustedKey) = question_.Fingerprint;
                if (Trusted) Trusted(*target_);
                Try(false);
                return;
            }
        }
        done_(outcome);
    });
}

TUploadSequence::TUploadSequence(TFtpClient& ftp, const TUploadTarget& target, std::vector<TUploadFile> files,
                                 QObject* parent)
    : QObject(parent), ftp_(ftp), target_(target), files_(std::move(files)) {
    state_.assign(files_.size(), FileState::Pending);
}

TUploadSequence::~TUploadSequence() {
    login_.Stop();
    disconnect(progress_);
    for (auto& lane : lanes_) {
        disconnect(lane->progress);
        if (lane->own) lane->own->Disconnect();
    }
}

void TUploadSequence::SetStatus(const QString& text) {
    if (Status) Status(text);
}

void TUploadSequence::Fail(TUploadOutcome outcome, const QString& detail) {
    if (cancelled_) outcome = TUploadOutcome::Cancelled;
    // The first failure is the one reported.
    if (outcome_ == TUploadOutcome::Done) {
        outcome_ = outcome;
        if (!cancelled_) detail_ = detail;
    }
}

TUploadTarget UploadTargetOf(const tWWWServerType& server) {
    TUploadTarget target;
    if (!SplitAddress(server.Address, DefaultPort(server.Security), target.Address, target.Port)) {
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
    return target;
}

void TUploadSequence::Start() {
    if (step_ != Step::Idle) return;
    auto first = std::make_unique<TLane>();
    first->ftp = &ftp_;
    TLane* lane = first.get();
    lanes_.push_back(std::move(first));
    // Within a file, the bar moves with its bytes.
    progress_ = connect(&ftp_, &TFtpClient::Progress, this, [this, lane](qint64 sent, qint64 total) {
        if (lane->file && total > 0) {
            lane->partial = int(qMin<qint64>(99, sent * 100 / total));
            ShowProgress();
        }
    });
    untrusted_ = false;
    step_ = Step::Connecting;
    SetStatus(QCoreApplication::translate("UploadSequence", "Connecting to ") + target_.Address);
    login_.AskTrust = AskTrust;
    login_.Trusted = Trusted;
    login_.Start(ftp_, target_, this, Next());
}

bool TUploadSequence::Run() {
    Start();
    if (Running()) {
        QEventLoop loop;
        connect(this, &TUploadSequence::Finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome_ == TUploadOutcome::Done && !cancelled_;
}

TFtpDone TUploadSequence::Next() {
    return [this](const TFtpOutcome& outcome) { OperationDone(outcome); };
}

void TUploadSequence::EnterFolder() {
    step_ = Step::MakingFolder;
    ftp_.MakeFolder(target_.Directory, this, Next());
}

void TUploadSequence::ShowProgress() {
    if (!Progress) return;
    int value = done_count_ * 100;
    for (const auto& lane : lanes_)
        if (lane->file) value += lane->partial;
    Progress(value, int(files_.size()) * 100);
}

void TUploadSequence::OperationDone(const TFtpOutcome& outcome) {
    if (cancelled_ || !Running()) return;
    const bool error = !outcome.Ok();
    if (error) lastError_ = outcome.Message;
    switch (step_) {
        case Step::Connecting:
            if (error) {
                untrusted_ = outcome.Untrusted();
                loginFailure_ = outcome;
                Fail(TUploadOutcome::LoginFailed, outcome.Message);
                Finish();
                return;
            }
            SetStatus(QCoreApplication::translate("UploadSequence", "Connecting to ") + target_.Address);
            if (!target_.Directory.isEmpty()) {
                EnterFolder();
                return;
            }
            InFolder();
            return;
        case Step::MakingFolder:
            // An existing folder is no error; entering it tells.
            step_ = Step::EnteringFolder;
            ftp_.ChangeFolder(target_.Directory, this, Next());
            return;
        case Step::EnteringFolder:
            if (error) {
                Fail(TUploadOutcome::FolderFailed, outcome.Message);
                Finish();
                return;
            }
            InFolder();
            return;
        case Step::MakingFolders:
            // A folder that cannot be made fails its files, which tell why.
            ++folderAt_;
            MakeNext();
            return;
        case Step::Sending:
        case Step::SendingPage:
            LaneDone(*lanes_.front(), outcome);
            return;
        default:
            return;
    }
}

// Logged in and in the server folder: which folders to look at and which
// to make, and the extra connections opened meanwhile.
void TUploadSequence::InFolder() {
    reachedFiles_ = true;
    ShowProgress();
    SetStatus(QCoreApplication::translate("UploadSequence", "Uploading files to Web Server..."));
    // The server folder itself is always looked at: whether an old page is
    // there is what a cancel or a failure has to tell.
    std::vector<QString> folders, withUnchanged{QString()};
    int toSend = 0;
    for (size_t i = 0; i < files_.size(); ++i) {
        const TUploadFile& f = files_[i];
        if (!f.Refused.isEmpty()) continue;
        const QString folder = FolderOf(f.Remote);
        if (!folder.isEmpty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
        if (f.Unchanged) {
            if (std::find(withUnchanged.begin(), withUnchanged.end(), folder) == withUnchanged.end())
                withUnchanged.push_back(folder);
        } else if (f.Role != TFileRole::VisitorPage) {
            ++toSend;
        }
    }
    // Parents before their subfolders.
    std::sort(withUnchanged.begin(), withUnchanged.end());
    std::sort(folders.begin(), folders.end());
    toList_ = withUnchanged;
    for (const QString& folder : folders)
        if (std::find(toList_.begin(), toList_.end(), folder) == toList_.end()) toMake_.push_back(folder);
    // Over SFTP one connection already keeps several requests in flight,
    // and every further one costs a key exchange: it stays at one.
    const int extra = target_.Security == TSecurity::SFTP
                          ? 0
                          : qMin(kMaxConnections - 1, toSend / kFilesPerExtraConnection);
    for (int i = 0; i < extra; ++i) OpenExtraLanes();
    step_ = Step::Listing;
    folderAt_ = 0;
    ListNext();
}

// One more connection beside the first, logged in and in the server
// folder while the first one lists and makes folders.
void TUploadSequence::OpenExtraLanes() {
    auto lane = std::make_unique<TLane>();
    lane->own = std::make_unique<TFtpClient>();
    lane->ftp = lane->own.get();
    lane->state = TLane::State::Connecting;
    TLane* l = lane.get();
    TFtpClient& ftp = *lane->own;
    ftp.TimeoutSeconds = ftp_.TimeoutSeconds;
    lane->progress = connect(&ftp, &TFtpClient::Progress, this, [this, l](qint64 sent, qint64 total) {
        if (l->file && total > 0) {
            l->partial = int(qMin<qint64>(99, sent * 100 / total));
            ShowProgress();
        }
    });
    lanes_.push_back(std::move(lane));
    ftp.Connect(target_, this, [this, l](const TFtpOutcome& outcome) { ExtraDone(*l, outcome); });
}

void TUploadSequence::ExtraDone(TLane& lane, const TFtpOutcome& outcome) {
    if (cancelled_ || !Running()) return;
    const bool error = !outcome.Ok();
    switch (lane.state) {
        case TLane::State::Connecting:
        case TLane::State::Entering:
            // A server that takes no more connections: the others carry on.
            if (error) {
                lane.state = TLane::State::Closed;
                lane.ftp->Disconnect();
                break;
            }
            if (lane.state == TLane::State::Connecting && !target_.Directory.isEmpty()) {
                lane.state = TLane::State::Entering;
                TLane* l = &lane;
                lane.ftp->ChangeFolder(target_.Directory, this,
                                       [this, l](const TFtpOutcome& outcome) { ExtraDone(*l, outcome); });
                return;
            }
            lane.state = TLane::State::Ready;
            break;
        case TLane::State::Ready:
            if (lane.file) {
                LaneDone(lane, outcome);
                return;
            }
            break;
        case TLane::State::Closed:
            return;
    }
    if (step_ == Step::Sending) Dispatch();
}

void TUploadSequence::Listed(const TFtpOutcome& outcome, const std::vector<TRemoteEntry>& entries) {
    if (cancelled_ || !Running()) return;
    const QString& folder = toList_[folderAt_++];
    if (!outcome.Ok()) lastError_ = outcome.Message;
    if (outcome.Ok()) {
        listed_.emplace_back(folder, entries);
    } else if (!ftp_.Connected()) {
        Fail(TUploadOutcome::FileFailed, outcome.Message);
        Finish();
        return;
    } else if (!folder.isEmpty()) {
        // Not there (or not listable): made, and all its files sent.
        toMake_.push_back(folder);
    }
    ListNext();
}

void TUploadSequence::ListNext() {
    if (folderAt_ < toList_.size()) {
        ftp_.ListFolder(toList_[folderAt_], this,
                        [this](const TFtpOutcome& outcome, const std::vector<TRemoteEntry>& entries) {
                            Listed(outcome, entries);
                        });
        return;
    }
    // A file sent before is skipped when its folder's listing shows it at
    // the same size; missing or of another size, it goes again.
    const size_t visitorPage = VisitorPageOf(files_);
    const QString page = visitorPage < files_.size() ? files_[visitorPage].Remote : QString();
    for (const auto& [folder, entries] : listed_) {
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
            if (FileSkipped) FileSkipped(f);
        }
    }
    // Only folders files go to are made (no empty "backgrnd" for a page
    // without a background), and none the server folder's listing shows.
    if (!listed_.empty() && listed_.front().first.isEmpty()) {
        const std::vector<TRemoteEntry>& top = listed_.front().second;
        std::erase_if(toMake_, [&](const QString& folder) {
            return std::any_of(top.begin(), top.end(), [&](const TRemoteEntry& e) { return e.Folder && e.Name == folder; });
        });
    }
    std::sort(toMake_.begin(), toMake_.end());
    ShowProgress();
    step_ = Step::MakingFolders;
    folderAt_ = 0;
    MakeNext();
}

void TUploadSequence::MakeNext() {
    if (folderAt_ < toMake_.size()) {
        ftp_.MakeFolder(toMake_[folderAt_], this, Next());
        return;
    }
    StartSending();
}

void TUploadSequence::StartSending() {
    step_ = Step::Sending;
    // Refused files are told first and never reach the client.
    for (size_t i = 0; i < files_.size(); ++i) {
        const TUploadFile& file = files_[i];
        if (file.Refused.isEmpty()) {
            if (state_[i] == FileState::Pending && file.Role != TFileRole::VisitorPage) queue_.push_back(i);
            continue;
        }
        state_[i] = FileState::Failed;
        ++done_count_;
        if (FileDone) FileDone(file, false, file.Refused);
        Fail(TUploadOutcome::FileFailed, file.Remote + QStringLiteral(": ") + file.Refused);
    }
    ShowProgress();
    if (files_.empty()) {
        Fail(TUploadOutcome::PageFailed, QCoreApplication::translate("UploadSequence", "There is no page to send."));
        Finish();
        return;
    }
    // What the pages show goes before the pages; the queue is taken from
    // its front.
    std::stable_sort(queue_.begin(), queue_.end(), [this](size_t a, size_t b) { return files_[a].Role < files_[b].Role; });
    std::reverse(queue_.begin(), queue_.end());
    Dispatch();
}

void TUploadSequence::Dispatch() {
    if (cancelled_ || step_ != Step::Sending) return;
    bool busy = false, waiting = false;
    for (auto& lane : lanes_) {
        if (lane->state == TLane::State::Ready && !lane->file && !queue_.empty()) {
            const size_t next = queue_.back();
            queue_.pop_back();
            SendOn(*lane, next);
            if (step_ != Step::Sending) return;
        }
        if (lane->file) busy = true;
        if (lane->state == TLane::State::Connecting || lane->state == TLane::State::Entering) waiting = true;
    }
    if (!queue_.empty()) {
        const bool first = lanes_.front()->state == TLane::State::Ready;
        if (busy || first || waiting) return;
        // Every connection is gone: what is left cannot be sent.
        for (const size_t i : queue_) {
            state_[i] = FileState::Failed;
            ++done_count_;
            if (FileDone) FileDone(files_[i], false, lastError_);
        }
        queue_.clear();
        serverFailed_ = true;
    }
    if (busy) return;
    // The extra connections have done their part.
    for (auto& lane : lanes_)
        if (lane->own && lane->state != TLane::State::Closed) {
            lane->state = TLane::State::Closed;
            lane->own->Disconnect();
        }
    const size_t page = VisitorPageOf(files_);
    if (page == files_.size() || state_[page] != FileState::Pending || !files_[page].Refused.isEmpty()) {
        Finish();
        return;
    }
    // The page only once all it shows has arrived; after a failure the old
    // page stays, and with it a site that is whole.
    if (serverFailed_ || lanes_.front()->state != TLane::State::Ready || !ftp_.Connected()) {
        Finish();
        return;
    }
    step_ = Step::SendingPage;
    SendOn(*lanes_.front(), page);
}

void TUploadSequence::SendOn(TLane& lane, size_t index) {
    const TUploadFile& file = files_[index];
    lane.file = index;
    lane.partial = 0;
    TLane* l = &lane;
    const bool first = lane.ftp == &ftp_;
    lane.ftp->SendFile(file.Local, file.Remote, IsBinaryTransfer(file.Local), this,
                       [this, l, first](const TFtpOutcome& outcome) {
                           if (first)
                               OperationDone(outcome);
                           else
                               ExtraDone(*l, outcome);
                       });
}

void TUploadSequence::LaneDone(TLane& lane, const TFtpOutcome& outcome) {
    if (!lane.file) return;
    const size_t index = *lane.file;
    lane.file.reset();
    lane.partial = 0;
    const TUploadFile& file = files_[index];
    const bool error = !outcome.Ok();
    const QString why = outcome.Message;
    state_[index] = error ? FileState::Failed : FileState::Sent;
    ++done_count_;
    ShowProgress();
    if (FileDone) FileDone(file, !error, why);
    if (cancelled_ || !Running()) return;
    if (error) {
        if (!LocalFailure(outcome)) serverFailed_ = true;
        Fail(file.Role == TFileRole::VisitorPage ? TUploadOutcome::PageFailed : TUploadOutcome::FileFailed,
             file.Remote + QStringLiteral(": ") + why);
        if (!lane.ftp->Connected()) {
            lane.state = TLane::State::Closed;
        }
    }
    if (step_ == Step::SendingPage) {
        Finish();
        return;
    }
    Dispatch();
}

QString TUploadSequence::ServerState() const {
    const size_t page = VisitorPageOf(files_);
    if (page == files_.size() || !reachedFiles_) return QString();
    if (state_[page] == FileState::Sent || state_[page] == FileState::Skipped) return QString();
    int sent = 0, meant = 0;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (i == page || state_[i] == FileState::Skipped || !files_[i].Refused.isEmpty()) continue;
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

void TUploadSequence::Finish() {
    if (!Running()) return;
    const bool sending = reachedFiles_;
    step_ = Step::Over;
    login_.Stop();
    disconnect(progress_);
    for (auto& lane : lanes_) {
        if (!lane->own) continue;
        disconnect(lane->progress);
        if (cancelled_) lane->own->Cancel();
        lane->own->Disconnect();
        lane->state = TLane::State::Closed;
    }
    // Closing never waits: an operation still running is abandoned.
    if (sending && !cancelled_) SetStatus(QCoreApplication::translate("UploadSequence", "Disconnecting from Web Server..."));
    ftp_.Disconnect();
    // Only a whole upload is completed: after a failure the caller tells
    // what went wrong instead.
    if (sending && !cancelled_ && outcome_ == TUploadOutcome::Done)
        SetStatus(QCoreApplication::translate("UploadSequence", "Upload Completed."));
    emit Finished(outcome_ == TUploadOutcome::Done && !cancelled_);
}

void TUploadSequence::Cancel() {
    if (cancelled_) return;
    cancelled_ = true;
    outcome_ = TUploadOutcome::Cancelled;
    detail_.clear();
    ftp_.Cancel();
    Finish();
}
