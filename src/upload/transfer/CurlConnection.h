#pragma once
// One control connection to a server, driven through the transfer library
// on the thread that calls Run: each request logs in where the connection
// is not open yet, walks to its folder, does its work and comes back with
// its reply. Nothing is shared between requests but the connection itself
// and what was learnt of it (how its certificate was accepted, whether the
// server knows machine-readable listings).

#include "upload/transfer/Listing.h"
#include "upload/transfer/Login.h"
#include "upload/transfer/Outcome.h"

#include <QString>
#include <atomic>
#include <functional>
#include <vector>

// One request, complete with the log-in it needs: folders are relative to
// the login folder, or absolute with a leading "/".
struct TRequest {
    // The request table: every kind has one row in CurlConnection.cpp
    // naming the function that does it.
    enum class TKind { Login, EnterFolder, MakeFolder, List, Send, Write, Remove };
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

class TCurlConnection {
public:
    TCurlConnection();
    ~TCurlConnection();  // closes the connection (QUIT)
    TCurlConnection(const TCurlConnection&) = delete;
    TCurlConnection& operator=(const TCurlConnection&) = delete;

    TReply Run(const TRequest& request, TRequestControl& control);

    struct TCall;
    // How an FTPS connection's certificate is checked.
    enum class TCheck { Store, Pinned, Probe };

private:
    using TRunner = TReply (TCurlConnection::*)(TCall&);
    static TRunner RunnerOf(TRequest::TKind kind);
    void Prepare(TCall& call, const QByteArray& path, TCheck check);
    void PrepareFtps(TCall& call, TCheck check);
    int Perform();
    TReply Verdict(const TCall& call, int code);
    QString ServerCertificateKey();

    TReply Login(TCall& call);
    TReply LoginFtps(TCall& call);
    TReply EnterFolder(TCall& call);
    TReply MakeFolder(TCall& call);
    TReply SftpFolder(TCall& call, bool make);
    TReply List(TCall& call);
    TReply Send(TCall& call);
    TReply Remove(TCall& call);
    void RemoveTemporary(TCall& call, const QString& temp, int why);

    void* multi_ = nullptr;  // CURLM
    void* easy_ = nullptr;   // CURL
    // How the open FTPS connection was accepted: later requests must ask
    // for the same so that it is reused.
    TCheck check_ = TCheck::Store;
    bool noFacts_ = false;  // the server does not know MLSD
};
