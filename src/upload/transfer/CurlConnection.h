#pragma once
// One control connection to a server, driven through the transfer library
// on the thread that calls Run: each request logs in where the connection
// is not open yet, walks to its folder, does its work and comes back with
// its reply. Nothing is shared between requests but the connection itself
// and what was learnt of it (how its certificate was accepted, whether the
// server knows machine-readable listings).

#include "upload/transfer/Transport.h"
#include "upload/transfer/Trust.h"

// FTP, FTPS and SFTP.
class TCurlConnection final : public TTransport {
public:
    TCurlConnection();
    ~TCurlConnection() override;  // closes the connection (QUIT)
    TCurlConnection(const TCurlConnection&) = delete;
    TCurlConnection& operator=(const TCurlConnection&) = delete;

    TReply Run(const TRequest& request, TRequestControl& control) override;

    struct TCall;
    // How an FTPS connection's certificate is checked.

private:
    using TRunner = TReply (TCurlConnection::*)(TCall&);
    static TRunner RunnerOf(TRequest::TKind kind);
    void Prepare(TCall& call, const QByteArray& path, TTlsCheck check);
    void PrepareFtps(TCall& call, TTlsCheck check);
    int Perform();
    TReply Verdict(const TCall& call, int code);

    TReply Login(TCall& call);
    TReply LoginFtps(TCall& call);
    TReply EnterFolder(TCall& call);
    TReply MakeFolder(TCall& call);
    TReply SftpFolder(TCall& call, bool make);
    TReply List(TCall& call);
    TReply Send(TCall& call);
    TReply Remove(TCall& call);
    TReply Commit(TCall& call);
    void RemoveTemporary(TCall& call, const QString& temp, int why);

    void* multi_ = nullptr;  // CURLM
    void* easy_ = nullptr;   // CURL
    // How the open FTPS connection was accepted: later requests must ask
    // for the same so that it is reused.
    TTlsCheck check_ = TTlsCheck::Store;
    bool noFacts_ = false;  // the server does not know MLSD
};
