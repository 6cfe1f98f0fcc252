#pragma once
// A Git repository as a place to publish to, driven through libgit2 on the
// thread that calls Run. The log-in fetches the branch into a bare cache
// of the user's own (in the program's data folder, readable by the user
// alone) and reads its tree into an index held in memory; listings come
// from that index, sends and removals change it, and Commit writes one
// commit on top of the fetched branch and pushes it. Nothing is checked
// out: no file of the repository reaches the disk, so no path in a tree
// can lead anywhere, and libgit2 runs no hook and reads no configuration
// of the remote.

#include "upload/transfer/Transport.h"

struct git_repository;
struct git_index;

class TGitConnection final : public TTransport {
public:
    TGitConnection();
    ~TGitConnection() override;
    TGitConnection(const TGitConnection&) = delete;
    TGitConnection& operator=(const TGitConnection&) = delete;

    TReply Run(const TRequest& request, TRequestControl& control) override;

    struct TCall;

private:
    using TRunner = TReply (TGitConnection::*)(TCall&);
    static TRunner RunnerOf(TRequest::TKind kind);
    TReply Login(TCall& call);
    TReply Nothing(TCall& call);
    TReply List(TCall& call);
    TReply Send(TCall& call);
    TReply Remove(TCall& call);
    TReply Commit(TCall& call);
    bool OpenCache(TCall& call);
    bool Fetch(TCall& call);
    bool ReadBranch(TCall& call);
    bool Push(TCall& call, const void* commitId);
    bool MayPush(TCall& call);
    TReply Failure(TCall& call, int code);
    void Close();

    git_repository* repo_ = nullptr;
    git_index* index_ = nullptr;  // the branch as it is to become
    unsigned char base_[20] = {};  // the commit fetched (or last pushed)
    bool hasBase_ = false;         // false: the branch does not exist yet
};
