#pragma once
// One connection to a WebDAV server, over HTTPS or plain HTTP, driven
// through the transfer library on the thread that calls Run. The library
// keeps the connection open between requests; what is kept besides is how
// the certificate was accepted and which log-in method the server asked
// for, so that later requests send it at once.

#include "upload/transfer/Transport.h"
#include "upload/transfer/Trust.h"

#include <QByteArray>


class TDavConnection final : public TTransport {
public:
    TDavConnection();
    ~TDavConnection() override;
    TDavConnection(const TDavConnection&) = delete;
    TDavConnection& operator=(const TDavConnection&) = delete;

    TReply Run(const TRequest& request, TRequestControl& control) override;

    struct TCall;
    // How the certificate is checked (as for FTPS).

private:
    using TRunner = TReply (TDavConnection::*)(TCall&);
    static TRunner RunnerOf(TRequest::TKind kind);
    void Prepare(TCall& call, const QByteArray& url, const char* method, TTlsCheck check);
    int Perform(TCall& call);
    TReply Verdict(const TCall& call, int code);

    TReply Login(TCall& call);
    TReply LoginTls(TCall& call);
    TReply EnterFolder(TCall& call);
    TReply MakeFolder(TCall& call);
    TReply List(TCall& call);
    TReply Send(TCall& call);
    int Put(TCall& call, const QByteArray& url, void* file, long size);
    TReply Remove(TCall& call);
    TReply Commit(TCall& call);
    void RemoveTemporary(TCall& call, const QByteArray& url);

    void* easy_ = nullptr;  // CURL
    TTlsCheck check_ = TTlsCheck::Store;
    long auth_ = 0;  // the log-in method the server asked for; 0 not known yet
};
