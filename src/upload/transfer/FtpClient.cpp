#include "upload/transfer/FtpClient.h"

#include "upload/transfer/RemotePath.h"

#include <QCoreApplication>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// One connection: a thread of its own that runs the requests handed to it
// in turn on its transfer-library connection, and tells each reply to the
// client on the client's thread. Closing lets the request in progress
// stop (aborted), closes the connection and ends the thread.
class TFtpClient::TConnection {
public:
    TConnection(TFtpClient* client, int serial)
        : Serial(serial), client_(client), security_(client->login_.Security) {
        thread_ = std::thread([this] { Loop(); });
    }
    // Waits for the thread's last work (Close it first).
    ~TConnection() { thread_.join(); }

    void Post(const TRequest& request, std::shared_ptr<TRequestControl> control) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            jobs_.push_back({request, std::move(control)});
        }
        wake_.notify_all();
    }

    // Ends the thread after the request in progress, which is aborted;
    // `stop`: without removing the temporary file of a send either.
    void Close(bool stop = false) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closing_ = true;
            for (const TJob& job : jobs_) job.control->Abort = true;
            if (current_) {
                current_->Abort = true;
                if (stop) current_->Stop = true;
            }
        }
        wake_.notify_all();
    }

    const int Serial;
    bool LoggedIn = false;
    // The operations handed to it, in the order they run; its own log-in
    // is none of them.
    std::deque<QPointer<TFtpOperation>> Running;

private:
    struct TJob {
        TRequest request;
        std::shared_ptr<TRequestControl> control;
    };

    void Loop() {
        std::unique_ptr<TTransport> transport = MakeTransport(security_);
        for (;;) {
            TJob job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
                if (closing_) break;
                job = std::move(jobs_.front());
                jobs_.pop_front();
                current_ = job.control;
            }
            // An operation aborted before its turn never reaches the server.
            const TReply reply = job.control->Abort ? TReply{CancelledOutcome(), true, {}} : transport->Run(job.request, *job.control);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                current_.reset();
                // A connection that failed takes no more work: what is
                // handed to it goes back to the client unrun.
                if (!reply.Alive) closing_ = true;
            }
            TFtpClient* client = client_;
            const int serial = Serial;
            QMetaObject::invokeMethod(
                client, [client, serial, reply] { client->Replied(serial, reply); }, Qt::QueuedConnection);
        }
        transport.reset();  // closes the connection
        TFtpClient* client = client_;
        const int serial = Serial;
        QMetaObject::invokeMethod(client, [client, serial] { client->Reap(serial); }, Qt::QueuedConnection);
    }

    TFtpClient* client_;
    const TSecurity security_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<TJob> jobs_;
    bool closing_ = false;
    std::shared_ptr<TRequestControl> current_;
};

namespace {

QString NoConnection() { return QCoreApplication::translate("FtpClient", "There is no connection to the server."); }

}  // namespace

// --- operations ---

TFtpOperation::TFtpOperation(TFtpClient* client, TRequest request)
    : QObject(client), client_(client), request_(std::move(request)) {
    QPointer<TFtpOperation> self(this);
    TFtpClient* owner = client;
    // On the connection's thread: told on the client's.
    control_->Progress = [self, owner](qint64 sent, qint64 total) {
        QMetaObject::invokeMethod(
            owner,
            [self, owner, sent, total] {
                if (!self || self->over_) return;
                emit self->Progress(sent, total);
                emit owner->Progress(sent, total);
            },
            Qt::QueuedConnection);
    };
}

void TFtpOperation::Abort() {
    if (over_) return;
    control_->Abort = true;
    if (running_) return;
    client_->Dequeue(this);
    FinishLater(CancelledOutcome());
}

TFtpOperation* TFtpOperation::Then(QObject* context, std::function<void(const TFtpOutcome&)> done) {
    connect(this, &TFtpOperation::Finished, context, std::move(done));
    return this;
}

void TFtpOperation::FinishLater(const TFtpOutcome& outcome) {
    QMetaObject::invokeMethod(
        this, [this, outcome] { Finish({outcome, true, {}}); }, Qt::QueuedConnection);
}

void TFtpOperation::Finish(const TReply& reply) {
    if (over_) return;
    over_ = true;
    outcome_ = reply.Outcome;
    listing_ = reply.Listing;
    deleteLater();
    emit Finished(outcome_);
}

// --- the client ---

TFtpClient::TFtpClient(QObject* parent) : QObject(parent) {
    // Tests shorten the wait for a server that does not answer.
    if (const int seconds = qEnvironmentVariableIntValue("TARVO_SERVER_TIMEOUT"); seconds > 0) TimeoutSeconds = seconds;
}

TFtpClient::~TFtpClient() {
    // Nothing more is waited for than the library's own return.
    for (auto& c : connections_) c->Close(true);
    for (auto& c : closing_) c->Close(true);
    connections_.clear();
    closing_.clear();
}

int TFtpClient::OpenConnections() const {
    return int(std::count_if(connections_.begin(), connections_.end(), [](const auto& c) { return c->LoggedIn; }));
}

TFtpOperation* TFtpClient::Refuse(TFtpOutcome::TKind kind, const QString& message) {
    auto* op = new TFtpOperation(this, TRequest{});
    op->FinishLater(TFtpOutcome::Of(kind, message));
    return op;
}

TRequest TFtpClient::Request(TRequest::TKind kind, const QString& folder) const {
    TRequest r;
    r.Kind = kind;
    r.Login = login_;
    r.Timeout = qMax(1, TimeoutSeconds);
    r.Folder = folder;
    return r;
}

TFtpOperation* TFtpClient::Refusal(const QString& why) {
    if (!connected_) return Refuse(TFtpOutcome::TKind::NotConnected, NoConnection());
    if (!why.isEmpty()) return Refuse(TFtpOutcome::TKind::BadName, why);
    return nullptr;
}

TFtpOperation* TFtpClient::Submit(TRequest request) {
    auto* op = new TFtpOperation(this, std::move(request));
    waiting_.push_back(op);
    Dispatch();
    return op;
}

// Hands waiting operations to the connections, in order, each taking up
// to kDepth: one that runs and one its thread starts as soon as the first
// is done, without waiting for the client's thread in between.
void TFtpClient::Dispatch() {
    constexpr size_t kDepth = 2;
    std::erase_if(waiting_, [](const QPointer<TFtpOperation>& op) { return !op || op->over_; });
    for (size_t depth = 1; depth <= kDepth; ++depth)
        for (auto& c : connections_) {
            if (waiting_.empty()) return;
            if (!c->LoggedIn || c->Running.size() >= depth) continue;
            TFtpOperation* op = waiting_.front();
            waiting_.erase(waiting_.begin());
            op->running_ = true;
            c->Running.push_back(op);
            c->Post(op->request_, op->control_);
        }
}

TFtpClient::TConnection* TFtpClient::Open() {
    connections_.push_back(std::make_unique<TConnection>(this, ++nextConnection_));
    return connections_.back().get();
}

TFtpOperation* TFtpClient::Connect(const TFtpLogin& login) {
    if (const QString why = LoginRefusal(login); !why.isEmpty()) return Refuse(TFtpOutcome::TKind::BadName, why);
    // What was open is closed quietly: this is a new log-in.
    CloseAll();
    login_ = login;
    cwd_.clear();
    wanted_ = 1;
    auto* op = new TFtpOperation(this, Request(TRequest::TKind::Login, QString()));
    op->running_ = true;
    TConnection* c = Open();
    c->Running.push_back(op);
    c->Post(op->request_, op->control_);
    return op;
}

void TFtpClient::Reserve(int count) {
    if (!connected_ || login_.Security == TSecurity::Git) return;
    wanted_ = qMax(wanted_, count);
    while (int(connections_.size()) < wanted_) {
        TConnection* c = Open();
        c->Post(Request(TRequest::TKind::Login, QString()), std::make_shared<TRequestControl>());
    }
}

TFtpOperation* TFtpClient::ChangeFolder(const QString& folder) {
    if (TFtpOperation* refused = Refusal(FolderRefusal(folder))) return refused;
    return Submit(Request(TRequest::TKind::EnterFolder, JoinRemote(cwd_, folder)));
}

TFtpOperation* TFtpClient::MakeFolder(const QString& folder) {
    if (TFtpOperation* refused = Refusal(FolderRefusal(folder))) return refused;
    return Submit(Request(TRequest::TKind::MakeFolder, JoinRemote(cwd_, folder)));
}

TFtpOperation* TFtpClient::ListFolder(const QString& folder) {
    if (TFtpOperation* refused = Refusal(FolderRefusal(folder))) return refused;
    return Submit(Request(TRequest::TKind::List, JoinRemote(cwd_, folder)));
}

TFtpOperation* TFtpClient::SendFile(const QString& localFile, const QString& remoteName, bool binary) {
    if (TFtpOperation* refused = Refusal(SendNameRefusal(remoteName))) return refused;
    QString remote = remoteName;
    remote.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = remote.lastIndexOf(QLatin1Char('/'));
    TRequest r = Request(TRequest::TKind::Send, slash >= 0 ? JoinRemote(cwd_, remote.left(slash)) : cwd_);
    r.RemoteName = remote.mid(slash + 1);
    r.LocalFile = localFile;
    r.Binary = binary;
    return Submit(r);
}

TFtpOperation* TFtpClient::WriteFile(const QString& localFile, const QString& name) {
    if (TFtpOperation* refused = Refusal(PlainNameRefusal(name))) return refused;
    TRequest r = Request(TRequest::TKind::Write, cwd_);
    r.RemoteName = name;
    r.LocalFile = localFile;
    return Submit(r);
}

TFtpOperation* TFtpClient::RemoveFile(const QString& name) {
    if (TFtpOperation* refused = Refusal(PlainNameRefusal(name))) return refused;
    TRequest r = Request(TRequest::TKind::Remove, cwd_);
    r.RemoteName = name;
    return Submit(r);
}

TFtpOperation* TFtpClient::RemoveFileBelow(const QString& remoteName) {
    const qsizetype slash = remoteName.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? remoteName.left(slash) : QString();
    const QString name = remoteName.mid(slash + 1);
    if (TFtpOperation* refused = Refusal(folder.isEmpty() ? PlainNameRefusal(name) : FolderRefusal(folder)))
        return refused;
    if (TFtpOperation* refused = Refusal(PlainNameRefusal(name))) return refused;
    TRequest r = Request(TRequest::TKind::Remove, folder.isEmpty() ? cwd_ : JoinRemote(cwd_, folder));
    r.RemoteName = name;
    return Submit(r);
}

TFtpOperation* TFtpClient::Commit() {
    if (TFtpOperation* refused = Refusal(QString())) return refused;
    return Submit(Request(TRequest::TKind::Commit, cwd_));
}

// --- replies and closing ---

void TFtpClient::Replied(int serial, const TReply& reply) {
    const auto it = std::find_if(connections_.begin(), connections_.end(),
                                 [serial](const auto& c) { return c->Serial == serial; });
    if (it == connections_.end()) return;  // closed meanwhile: abandoned
    TConnection& c = **it;
    const bool loggingIn = !c.LoggedIn;
    // The reply of the first operation handed to it; none for the log-in
    // of a connection opened beside the first.
    QPointer<TFtpOperation> op;
    if (!c.Running.empty()) {
        op = c.Running.front();
        c.Running.pop_front();
    }
    if (reply.Alive) c.LoggedIn = true;
    const bool was = connected_;
    if (!reply.Alive) {
        // What it had not begun goes to the others, first in line.
        for (auto at = c.Running.rbegin(); at != c.Running.rend(); ++at)
            if (*at) {
                (*at)->running_ = false;
                waiting_.insert(waiting_.begin(), *at);
            }
        c.Running.clear();
        Close(c);
        // A connection beside the first that the server does not take:
        // the others carry on without it.
        if (loggingIn && !op) wanted_ = qMax(1, int(connections_.size()));
    }
    if (op && op->request_.Kind == TRequest::TKind::Login && reply.Outcome.Ok()) connected_ = true;
    if (op && op->request_.Kind == TRequest::TKind::EnterFolder && reply.Outcome.Ok()) cwd_ = op->request_.Folder;
    if (connections_.empty()) connected_ = false;
    // Lost by this reply; a Disconnect made by the operation's receiver
    // finds the client closed already and tells nothing.
    const bool lost = was && !connected_;
    if (op) op->Finish(reply);
    if (lost) emit OnDisconnect();
    Dispatch();
    if (!connected_) FailWaiting();
}

// Operations that can no longer get a connection.
void TFtpClient::FailWaiting() {
    const std::vector<QPointer<TFtpOperation>> left = std::exchange(waiting_, {});
    for (const QPointer<TFtpOperation>& op : left)
        if (op)
            op->Finish({TFtpOutcome::Of(TFtpOutcome::TKind::NotConnected, NoConnection()), false, {}});
}

void TFtpClient::Close(TConnection& connection) {
    const auto it = std::find_if(connections_.begin(), connections_.end(),
                                 [&](const auto& c) { return c.get() == &connection; });
    if (it == connections_.end()) return;
    for (const QPointer<TFtpOperation>& op : connection.Running)
        if (op) Abandon(op);
    connection.Close();
    closing_.push_back(std::move(*it));
    connections_.erase(it);
}

void TFtpClient::Reap(int serial) {
    std::erase_if(closing_, [serial](const auto& c) { return c->Serial == serial; });
}

void TFtpClient::Abandon(TFtpOperation* op) {
    op->over_ = true;
    op->control_->Abort = true;
    op->deleteLater();
}

void TFtpClient::Dequeue(TFtpOperation* op) {
    std::erase(waiting_, QPointer<TFtpOperation>(op));
}

void TFtpClient::CloseAll() {
    for (const QPointer<TFtpOperation>& op : std::exchange(waiting_, {}))
        if (op) Abandon(op);
    while (!connections_.empty()) Close(*connections_.front());
    connected_ = false;
    cwd_.clear();
}

void TFtpClient::Disconnect() {
    const bool was = connected_;
    CloseAll();
    if (was) emit OnDisconnect();
}

void TFtpClient::DisconnectAndWait() {
    Disconnect();
    // Each connection ends its thread once its last work is done.
    closing_.clear();
}

void TFtpClient::Cancel() {
    const std::vector<QPointer<TFtpOperation>> waiting = waiting_;
    for (const QPointer<TFtpOperation>& op : waiting)
        if (op) op->Abort();
    for (auto& c : connections_)
        for (const QPointer<TFtpOperation>& op : c->Running)
            if (op) op->Abort();
}
