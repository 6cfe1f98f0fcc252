#pragma once
// What the client asks of one connection to a server, whatever it speaks:
// the requests, their replies, and the transport that runs them. Each kind
// of connection is a transport of its own; the client, its operations and
// everything above it are the same for all of them.

#include "upload/transfer/Listing.h"
#include "upload/transfer/Login.h"
#include "upload/transfer/Outcome.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// One request, complete with the log-in it needs: folders are relative to
// the login folder, or absolute with a leading "/".
struct TRequest {
    // Each transport has a request table with one row per kind naming the
    // function that does it (CurlConnection.cpp).
    // Commit: the last request of an upload. A Git repository commits and
    // pushes what was sent; every other kind of server has nothing to do.
    enum class TKind { Login, EnterFolder, MakeFolder, List, Send, Write, Remove, Commit };
    TKind Kind = TKind::Login;
    TFtpLogin Login;
    int Timeout = 30;  // seconds, for each wait on the server
    QString Folder;      // the remote folder the request works in
    QString LocalFile;   // Send, Write
    QString RemoteName;  // Send, Write, Remove: a plain name in Folder
    bool Binary = true;  // Send: false for a text (ASCII) transfer
};

// What a request came to.
struct TReply {
    TFtpOutcome Outcome;
    bool Alive = false;  // the connection is still open and usable
    std::vector<TRemoteEntry> Listing;  // List
};

// How the caller follows and stops a request from another thread.
struct TRequestControl {
    // Abort ends the request; a send still removes its temporary file
    // (briefly). Stop ends even that: the program is going.
    std::atomic<bool> Abort{false};
    std::atomic<bool> Stop{false};
    // Called on the working thread as bytes go (sent, total).
    std::function<void(qint64, qint64)> Progress;
};

// One connection, driven by one thread at a time: Run logs in where the
// connection is not open yet, does the request's work and comes back with
// its reply. The destructor closes the connection.
class TTransport {
public:
    virtual ~TTransport() = default;
    virtual TReply Run(const TRequest& request, TRequestControl& control) = 0;
};

// A new, unconnected transport for that kind of server.
std::unique_ptr<TTransport> MakeTransport(TSecurity security);
