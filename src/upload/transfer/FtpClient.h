#pragma once
// The client of the upload: connections to one server, reused for every
// operation until Disconnect. It speaks plain FTP, FTP with explicit TLS
// on the control and data connections (FTPS), or SFTP, as the log-in's
// `Security` says (trust: see Trust.h).
//
// Every call returns an operation of its own at once; the operation tells
// its progress and, on the event loop, its outcome. Operations may be
// started while others run: they wait their turn for a connection, and
// with more than one connection open (Reserve) several run at once, each
// on whichever connection is free. A caller that needs an order (a folder
// made before files go into it) starts the next operation once the first
// has finished. An operation refused before anything is sent (no
// connection, a name that climbs out) finishes on the next turn of the
// event loop, like any other.
//
// A file is sent under a temporary name in its remote folder and renamed
// over the real name once it is complete, so a failed or cancelled transfer
// never leaves half a file under the real name.

#include "upload/transfer/Transport.h"
#include "upload/transfer/Listing.h"
#include "upload/transfer/Login.h"
#include "upload/transfer/Outcome.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TFtpClient;

// One operation of the client: finished once with an outcome (unless the
// client is disconnected first), its bytes told as they go. The client
// deletes it after it has finished; keep a QPointer to hold on to it.
class TFtpOperation : public QObject {
    Q_OBJECT
public:
    bool Over() const { return over_; }
    const TFtpOutcome& Outcome() const { return outcome_; }
    // ListFolder: the entries, once finished.
    const std::vector<TRemoteEntry>& Listing() const { return listing_; }
    // Ends the operation Cancelled: one waiting for a connection at once,
    // one running as soon as its transfer stops.
    void Abort();
    // Calls `done` with the outcome when it is finished, unless `context`
    // is gone by then.
    TFtpOperation* Then(QObject* context, std::function<void(const TFtpOutcome&)> done);

signals:
    void Finished(const TFtpOutcome& outcome);
    // Bytes sent of the file in transfer, and its size.
    void Progress(qint64 sent, qint64 total);

private:
    friend class TFtpClient;
    TFtpOperation(TFtpClient* client, TRequest request);
    void Finish(const TReply& reply);
    // Finishes on the next turn of the event loop: the caller has the
    // operation in hand before it is told.
    void FinishLater(const TFtpOutcome& outcome);

    TFtpClient* client_;
    TRequest request_;
    std::shared_ptr<TRequestControl> control_ = std::make_shared<TRequestControl>();
    TFtpOutcome outcome_;
    std::vector<TRemoteEntry> listing_;
    bool over_ = false;
    bool running_ = false;  // handed to a connection
};

class TFtpClient : public QObject {
    Q_OBJECT
public:
    explicit TFtpClient(QObject* parent = nullptr);
    ~TFtpClient() override;

    // Every wait on the server is bounded by this many seconds: connecting,
    // each reply, and a transfer in which no byte moves.
    int TimeoutSeconds = 30;

    bool Connected() const { return connected_; }
    // Connections open now, logged in.
    int OpenConnections() const;
    // The remote folder the operations are relative to, as given to
    // ChangeFolder ("" the login folder).
    QString CurrentFolder() const { return cwd_; }

    // Connects and logs in on one connection, closing any open before.
    TFtpOperation* Connect(const TFtpLogin& login);
    // Once connected: opens connections beside the first, up to `count`
    // in all, logged in while other operations run. A server that takes
    // fewer keeps the ones it took. A Git repository keeps one: its
    // staging is one index.
    void Reserve(int count);
    // Makes `folder` (relative to the current remote folder, or absolute
    // with a leading "/", as the user's server folder may be) the current
    // remote folder when it succeeds; it must exist.
    TFtpOperation* ChangeFolder(const QString& folder);
    // Creates `folder` with every missing level above it; an existing
    // folder is no error.
    TFtpOperation* MakeFolder(const QString& folder);
    // Lists `folder` (relative to the current remote folder; "" itself).
    // A folder that does not exist fails like ChangeFolder. The listing is
    // bounded in size and time: a server that sends too much or never ends
    // it fails the call.
    TFtpOperation* ListFolder(const QString& folder);
    // Sends `localFile` as `remoteName`, relative to the current remote
    // folder (missing folders on the way are made), under a temporary name
    // renamed over the real one when complete. `binary` false: a text
    // (ASCII) transfer.
    TFtpOperation* SendFile(const QString& localFile, const QString& remoteName, bool binary);
    // Writes `localFile` as `name` (a plain name) in the current remote
    // folder directly, with no temporary name and no rename; a failed or
    // cancelled write removes what arrived. (The server test.)
    TFtpOperation* WriteFile(const QString& localFile, const QString& name);
    // Removes the file `name` (a plain name) from the current remote folder;
    // a refusal is a failure.
    TFtpOperation* RemoveFile(const QString& name);
    // Removes the file `remoteName` ("pictures/a.jpg") below the current
    // remote folder, as SendFile names files.
    TFtpOperation* RemoveFileBelow(const QString& remoteName);
    // Ends the upload's changes: a Git repository commits and pushes what
    // was sent since the log-in; other servers have nothing to do.
    TFtpOperation* Commit();
    // Closes every connection, abandoning the operations not finished
    // (their outcome is never told); raises OnDisconnect when one was
    // open. Returns at once; closing cannot fail.
    void Disconnect();
    // Disconnect, then waits until every connection has done its last work
    // (such as removing the temporary file of a cancelled transfer), for a
    // program about to end.
    void DisconnectAndWait();
    // Aborts every operation not finished (each ends Cancelled).
    void Cancel();

signals:
    // The last connection was closed, whatever closed it.
    void OnDisconnect();
    // Bytes sent of a file in transfer, and its size.
    void Progress(qint64 sent, qint64 total);

private:
    friend class TFtpOperation;
    class TConnection;
    TFtpOperation* Refuse(TFtpOutcome::TKind kind, const QString& message);
    // The operation refused for `why` or for want of a connection;
    // nullptr when it may go.
    TFtpOperation* Refusal(const QString& why);
    TFtpOperation* Submit(TRequest request);
    TRequest Request(TRequest::TKind kind, const QString& folder) const;
    TConnection* Open();
    void Dispatch();
    void Replied(int connection, const TReply& reply);
    void Close(TConnection& connection);
    void CloseAll();
    void Reap(int connection);
    void FailWaiting();
    void Abandon(TFtpOperation* op);
    void Dequeue(TFtpOperation* op);

    TFtpLogin login_;
    QString cwd_;
    bool connected_ = false;
    int wanted_ = 1;  // connections to keep open
    int nextConnection_ = 0;
    std::vector<std::unique_ptr<TConnection>> connections_;  // open or logging in
    std::vector<std::unique_ptr<TConnection>> closing_;     // finishing their last work
    std::vector<QPointer<TFtpOperation>> waiting_;          // for a free connection, in order
};
