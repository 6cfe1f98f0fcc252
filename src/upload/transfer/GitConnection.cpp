#include "upload/transfer/GitConnection.h"

#include "upload/transfer/Listing.h"
#include "upload/transfer/Trust.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <git2.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>
#include <openssl/x509v3.h>

#include <cstring>

namespace {

// More than this many bytes fetched is no web site: the fetch ends.
constexpr size_t kMaxFetchBytes = size_t(1) << 30;

void GlobalInitOnce() {
    static const bool done = [] {
        git_libgit2_init();
        // The library reads neither variable by itself.
        const QByteArray caFile = qgetenv("SSL_CERT_FILE"), caPath = qgetenv("SSL_CERT_DIR");
        if (!caFile.isEmpty() || !caPath.isEmpty())
            git_libgit2_opts(GIT_OPT_SET_SSL_CERT_LOCATIONS, caFile.isEmpty() ? nullptr : caFile.constData(),
                             caPath.isEmpty() ? nullptr : caPath.constData());
        return true;
    }();
    (void)done;
}

// The local names of the branch as fetched and as it is to be pushed.
QByteArray FetchedRef(const QString& branch) { return "refs/tarvo/fetched/" + branch.toUtf8(); }
constexpr const char* kPublishRef = "refs/tarvo/publish";

// The bare cache of one repository address, in the user's own data folder.
QString CacheFolder(const QString& address) {
    const QByteArray hash = QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/git/") +
           QString::fromLatin1(hash);
}

bool MakePrivateFolder(const QString& path) {
    if (!QDir().mkpath(path)) return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A path inside the branch: the request's folder (leading "/" dropped)
// and a name; "" when a step is empty, "." or "..", or the repository's
// own ".git".
QByteArray BranchPath(const QString& folder, const QString& name) {
    QString joined = folder;
    if (!name.isEmpty()) joined += QLatin1Char('/') + name;
    QStringList parts;
    for (const QString& part : joined.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String("..") ||
            part.compare(QLatin1String(".git"), Qt::CaseInsensitive) == 0)
            return QByteArray();
        parts << part;
    }
    return parts.join(QLatin1Char('/')).toUtf8();
}

QString LastError() {
    const git_error* e = git_error_last();
    return e && e->message ? ShownServerText(QString::fromUtf8(e->message)).trimmed() : QString();
}

// The key files of ~/.ssh tried after the agent, in this order.
QStringList KeyFiles() {
    QStringList out;
    for (const char* name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const QString path = QDir::homePath() + QStringLiteral("/.ssh/") + QLatin1String(name);
        if (QFileInfo(path).isFile()) out << path;
    }
    return out;
}

// Why a certificate failed, in the words the refusal reads.
QString CertificateDetail(const QByteArray& der) {
    const auto* p = reinterpret_cast<const unsigned char*>(der.constData());
    X509* cert = d2i_X509(nullptr, &p, long(der.size()));
    if (!cert) return QString();
    const bool self = X509_check_issued(cert, cert) == X509_V_OK;
    X509_free(cert);
    return self ? QStringLiteral("self-signed") : QString();
}

}  // namespace

// What one request learns from the library's callbacks.
struct TGitConnection::TCall {
    TCall(const TRequest& request, TRequestControl& control) : r(request), control(control) {}
    const TRequest& r;
    TRequestControl& control;
    QStringList keys;  // SSH: "" the agent, then key files
    int keyAt = 0;
    bool passwordTried = false;
    bool loginRefused = false;
    bool tooLarge = false;
    bool untrusted = false;
    TFtpOutcome untrustedOutcome;
    QString pushStatus;   // why the server refused the update, "" when it took it
    QString remoteWords;  // the server's last line of progress words

    bool Aborted() const { return control.Abort || control.Stop; }

    void Untrusted(bool changed, const QString& why, const QString& key) {
        untrusted = true;
        untrustedOutcome = TFtpOutcome::Of(changed ? TFtpOutcome::TKind::KeyChanged : TFtpOutcome::TKind::KeyUnknown, why);
        untrustedOutcome.Fingerprint = key;
    }

    git_remote_callbacks Callbacks() {
        git_remote_callbacks cb = GIT_REMOTE_CALLBACKS_INIT;
        cb.credentials = &OnCredentials;
        cb.certificate_check = &OnCertificate;
        cb.transfer_progress = &OnFetchProgress;
        cb.push_transfer_progress = &OnPushProgress;
        cb.push_update_reference = &OnPushUpdate;
        cb.sideband_progress = &OnWords;
        cb.payload = this;
        return cb;
    }

    static int OnCredentials(git_credential** out, const char*, const char* urlUser, unsigned int allowed, void* self) {
        auto* c = static_cast<TCall*>(self);
        if (c->Aborted()) return GIT_EUSER;
        const QByteArray user = !c->r.Login.UserName.isEmpty() ? c->r.Login.UserName.toUtf8()
                                : urlUser                      ? QByteArray(urlUser)
                                                               : QByteArray("git");
        if (allowed & GIT_CREDENTIAL_USERNAME) return git_credential_username_new(out, user.constData());
        if (allowed & GIT_CREDENTIAL_SSH_KEY) {
            if (c->keyAt < c->keys.size()) {
                const QString key = c->keys[c->keyAt++];
                if (key.isEmpty()) return git_credential_ssh_key_from_agent(out, user.constData());
                const QByteArray pub = QFile::encodeName(key + QStringLiteral(".pub"));
                return git_credential_ssh_key_new(out, user.constData(), QFileInfo::exists(key + QStringLiteral(".pub")) ? pub.constData() : nullptr,
                                                  QFile::encodeName(key).constData(),
                                                  c->r.Login.Password.toUtf8().constData());
            }
        } else if ((allowed & GIT_CREDENTIAL_USERPASS_PLAINTEXT) && !c->passwordTried) {
            c->passwordTried = true;
            return git_credential_userpass_plaintext_new(out, user.constData(), c->r.Login.Password.toUtf8().constData());
        }
        c->loginRefused = true;
        return GIT_EAUTH;
    }

    static int OnCertificate(git_cert* cert, int valid, const char*, void* self) {
        auto* c = static_cast<TCall*>(self);
        if (cert->cert_type == GIT_CERT_X509) {
            const auto* x = reinterpret_cast<const git_cert_x509*>(cert);
            const QByteArray der(static_cast<const char*>(x->data), qsizetype(x->len));
            const QString key = CertificateKeyFingerprintDer(der);
            // The store verified it; or its key is the one the user trusted.
            const QString trusted = c->r.Login.TrustedKey.trimmed();
            if (valid || (!key.isEmpty() && key == trusted)) return 0;
            c->Untrusted(!trusted.isEmpty(), CertificateRefusal(CertificateDetail(der), !trusted.isEmpty()), key);
            return GIT_ECERTIFICATE;
        }
        if (cert->cert_type == GIT_CERT_HOSTKEY_LIBSSH2) {
            const auto* h = reinterpret_cast<const git_cert_hostkey*>(cert);
            QString key;
            if (h->type & GIT_CERT_SSH_RAW)
                key = HostKeyFingerprint(h->hostkey, h->hostkey_len);
            else if (h->type & GIT_CERT_SSH_SHA256)
                key = QStringLiteral("SHA256:") +
                      QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(h->hash_sha256), 32)
                                              .toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
            const QString trusted = c->r.Login.HostKey.trimmed();
            if (!key.isEmpty() && key == trusted) return 0;
            c->Untrusted(!trusted.isEmpty(), HostKeyRefusal(!trusted.isEmpty()), key);
            return GIT_ECERTIFICATE;
        }
        return GIT_ECERTIFICATE;
    }

    static int OnFetchProgress(const git_indexer_progress* stats, void* self) {
        auto* c = static_cast<TCall*>(self);
        if (c->Aborted()) return GIT_EUSER;
        if (stats->received_bytes > kMaxFetchBytes) {
            c->tooLarge = true;
            return GIT_EUSER;
        }
        return 0;
    }

    static int OnPushProgress(unsigned int, unsigned int, size_t, void* self) {
        return static_cast<TCall*>(self)->Aborted() ? GIT_EUSER : 0;
    }

    static int OnPushUpdate(const char*, const char* status, void* self) {
        if (status) static_cast<TCall*>(self)->pushStatus = ShownServerText(QString::fromUtf8(status)).trimmed();
        return 0;
    }

    static int OnWords(const char* text, int len, void* self) {
        auto* c = static_cast<TCall*>(self);
        const QString words = QString::fromUtf8(text, qMin(len, 2000));
        for (const QString& line : words.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts))
            if (!line.trimmed().isEmpty()) c->remoteWords = ShownServerText(line).trimmed();
        return c->Aborted() ? GIT_EUSER : 0;
    }
};

namespace {

// Frees a libgit2 object with the scope.
template <typename T, void (*Free)(T*)>
struct TOwned {
    T* p = nullptr;
    ~TOwned() {
        if (p) Free(p);
    }
};

git_oid OidOf(const unsigned char* raw) {
    git_oid id;
    std::memcpy(id.id, raw, sizeof id.id);
    return id;
}

TReply Done() {
    TReply reply;
    reply.Alive = true;
    return reply;
}

}  // namespace

TGitConnection::TGitConnection() { GlobalInitOnce(); }

TGitConnection::~TGitConnection() { Close(); }

void TGitConnection::Close() {
    if (index_) git_index_free(index_);
    if (repo_) git_repository_free(repo_);
    index_ = nullptr;
    repo_ = nullptr;
    hasBase_ = false;
}

// The request table: the function that does each kind of request. A switch
// with no default, so a kind added to the requests and forgotten here is a
// compiler warning rather than a call through nothing.
TGitConnection::TRunner TGitConnection::RunnerOf(TRequest::TKind kind) {
    using K = TRequest::TKind;
    switch (kind) {
    case K::Login: return &TGitConnection::Login;
    case K::EnterFolder: return &TGitConnection::Nothing;
    case K::MakeFolder: return &TGitConnection::Nothing;
    case K::List: return &TGitConnection::List;
    case K::Send: return &TGitConnection::Send;
    case K::Write: return &TGitConnection::Send;
    case K::Remove: return &TGitConnection::Remove;
    case K::Commit: return &TGitConnection::Commit;
    }
    return &TGitConnection::Nothing;  // not reached: every kind is listed above
}

TReply TGitConnection::Run(const TRequest& request, TRequestControl& control) {
    TCall call(request, control);
    // Over SSH: the agent's keys first, then the key files.
    if (ShowsHostKey(request.Login.Security, request.Login.Address)) {
        if (qEnvironmentVariableIsSet("SSH_AUTH_SOCK")) call.keys << QString();
        call.keys << KeyFiles();
    }
    if (request.Kind != TRequest::TKind::Login && !index_) {
        TReply reply;
        reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::NotConnected,
                                        QCoreApplication::translate("FtpClient", "There is no connection to the server."));
        return reply;
    }
    TReply reply = (this->*RunnerOf(request.Kind))(call);
    if (control.Abort && reply.Outcome.Ok()) reply.Outcome = CancelledOutcome();
    return reply;
}

// Folders need no making in Git: they exist while they hold a file.
TReply TGitConnection::Nothing(TCall&) { return Done(); }

// Fetches the branch into the cache and reads its tree.
TReply TGitConnection::Login(TCall& call) {
    Close();
    int valid = 0;
    const QByteArray ref = "refs/heads/" + call.r.Login.Branch.toUtf8();
    if (call.r.Login.Branch.isEmpty() || git_reference_name_is_valid(&valid, ref.constData()) < 0 || !valid) {
        TReply reply;
        reply.Outcome = GitOutcome(TGitProblem::BadBranch, QString());
        return reply;
    }
    if (!OpenCache(call) || !Fetch(call) || !ReadBranch(call)) {
        TReply reply = Failure(call, git_error_last() ? -1 : 0);
        Close();
        reply.Alive = false;
        return reply;
    }
    return Done();
}

bool TGitConnection::OpenCache(TCall& call) {
    const QString path = CacheFolder(call.r.Login.Address);
    if (!MakePrivateFolder(QFileInfo(path).path())) {
        git_error_set_str(GIT_ERROR_OS, "the cache folder could not be made");
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    if (git_repository_open_bare(&repo_, native.constData()) == 0) return true;
    // Missing or broken: made anew (it holds nothing but a copy).
    QDir(path).removeRecursively();
    return git_repository_init(&repo_, native.constData(), 1) == 0 && MakePrivateFolder(path);
}

// The branch alone, without tags, into its fetched ref; a branch the
// server does not have leaves no ref.
bool TGitConnection::Fetch(TCall& call) {
    const QByteArray local = FetchedRef(call.r.Login.Branch);
    TOwned<git_reference, git_reference_free> old;
    if (git_reference_lookup(&old.p, repo_, local.constData()) == 0) git_reference_delete(old.p);
    TOwned<git_remote, git_remote_free> remote;
    const QByteArray url = call.r.Login.Address.toUtf8();
    if (git_remote_create_anonymous(&remote.p, repo_, url.constData()) != 0) return false;
    QByteArray spec = "+refs/heads/" + call.r.Login.Branch.toUtf8() + ":" + local;
    char* specs[] = {spec.data()};
    const git_strarray refspecs = {specs, 1};
    git_fetch_options options = GIT_FETCH_OPTIONS_INIT;
    options.callbacks = call.Callbacks();
    options.download_tags = GIT_REMOTE_DOWNLOAD_TAGS_NONE;
    options.update_fetchhead = 0;
    return git_remote_fetch(remote.p, &refspecs, &options, nullptr) == 0;
}

bool TGitConnection::ReadBranch(TCall& call) {
    if (git_index_new(&index_) != 0) return false;
    TOwned<git_reference, git_reference_free> ref;
    if (git_reference_lookup(&ref.p, repo_, FetchedRef(call.r.Login.Branch).constData()) != 0) {
        hasBase_ = false;  // a new branch: it starts empty
        return true;
    }
    const git_oid* id = git_reference_target(ref.p);
    TOwned<git_commit, git_commit_free> commit;
    TOwned<git_tree, git_tree_free> tree;
    if (!id || git_commit_lookup(&commit.p, repo_, id) != 0 || git_commit_tree(&tree.p, commit.p) != 0 ||
        git_index_read_tree(index_, tree.p) != 0)
        return false;
    std::memcpy(base_, id->id, sizeof base_);
    hasBase_ = true;
    return true;
}

// The folder's files and folders as the branch is to become. Links and
// submodules are left out: they are nothing the sequence could compare.
TReply TGitConnection::List(TCall& call) {
    QByteArray prefix = BranchPath(call.r.Folder, QString());
    if (!prefix.isEmpty()) prefix += '/';
    TOwned<git_odb, git_odb_free> odb;
    if (git_repository_odb(&odb.p, repo_) != 0) return Failure(call, -1);
    TReply reply = Done();
    QString lastFolder;
    const size_t count = git_index_entrycount(index_);
    for (size_t i = 0; i < count; ++i) {
        const git_index_entry* e = git_index_get_byindex(index_, i);
        if (!e || std::strncmp(e->path, prefix.constData(), size_t(prefix.size())) != 0) continue;
        const QString rest = QString::fromUtf8(e->path + prefix.size());
        const qsizetype slash = rest.indexOf(QLatin1Char('/'));
        if (slash >= 0) {
            // Paths below one folder come together in the index's order.
            if (rest.left(slash) != lastFolder) reply.Listing.push_back({lastFolder = rest.left(slash), -1, true});
            continue;
        }
        if (e->mode != GIT_FILEMODE_BLOB && e->mode != GIT_FILEMODE_BLOB_EXECUTABLE) continue;
        size_t size = 0;
        git_object_t type = GIT_OBJECT_INVALID;
        const qint64 known = git_odb_read_header(&size, &type, odb.p, &e->id) == 0 ? qint64(size) : -1;
        reply.Listing.push_back({rest, known, false});
    }
    return reply;
}

// The file goes into the repository's store and the index; nothing leaves
// before Commit.
TReply TGitConnection::Send(TCall& call) {
    const QByteArray path = BranchPath(call.r.Folder, call.r.RemoteName);
    if (path.isEmpty()) {
        TReply reply = Done();
        reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::BadName,
                                        QCoreApplication::translate("FtpClient", "The name %1 cannot go into a Git "
                                                                                 "repository.").arg(call.r.RemoteName));
        return reply;
    }
    const QFileInfo local(call.r.LocalFile);
    git_oid id;
    if (!local.isFile() || git_blob_create_from_disk(&id, repo_, QFile::encodeName(call.r.LocalFile).constData()) != 0) {
        TReply reply = Done();
        reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::LocalFile,
                                        QCoreApplication::translate("FtpClient", "the file %1 could not be read")
                                            .arg(call.r.LocalFile));
        return reply;
    }
    git_index_entry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.path = path.constData();
    entry.mode = GIT_FILEMODE_BLOB;
    entry.id = id;
    entry.file_size = uint32_t(local.size());
    if (git_index_add(index_, &entry) != 0) return Failure(call, -1);
    if (call.control.Progress) call.control.Progress(local.size(), local.size());
    // Write is the server test's: staging alone proves little, so it also
    // makes sure the server lets this user push.
    if (call.r.Kind == TRequest::TKind::Write && !MayPush(call)) return Failure(call, -1);
    return Done();
}

// Opens the repository for a push and closes it again: the server asks
// for the log-in a push needs, and nothing is sent.
bool TGitConnection::MayPush(TCall& call) {
    TOwned<git_remote, git_remote_free> remote;
    const QByteArray url = call.r.Login.Address.toUtf8();
    const git_remote_callbacks callbacks = call.Callbacks();
    if (git_remote_create_anonymous(&remote.p, repo_, url.constData()) != 0 ||
        git_remote_connect(remote.p, GIT_DIRECTION_PUSH, &callbacks, nullptr, nullptr) != 0)
        return false;
    git_remote_disconnect(remote.p);
    return true;
}

TReply TGitConnection::Remove(TCall& call) {
    const QByteArray path = BranchPath(call.r.Folder, call.r.RemoteName);
    if (!path.isEmpty() && git_index_get_bypath(index_, path.constData(), 0)) {
        if (git_index_remove(index_, path.constData(), 0) != 0) return Failure(call, -1);
        return Done();
    }
    TReply reply = Done();
    reply.Outcome = TFtpOutcome::Of(TFtpOutcome::TKind::Missing,
                                    QCoreApplication::translate("FtpClient", "The branch holds no file %1.")
                                        .arg(call.r.RemoteName));
    return reply;
}

namespace {

QByteArray CommitMessage(size_t changed) {
    return changed == 1 ? QByteArray("Published with Tarvo: 1 file changed\n")
                        : "Published with Tarvo: " + QByteArray::number(qulonglong(changed)) + " files changed\n";
}

// The user's own name and address from their Git settings, else the
// program's.
git_signature* Signature(git_repository* repo) {
    git_signature* sig = nullptr;
    if (git_signature_default(&sig, repo) == 0) return sig;
    git_signature_now(&sig, "Tarvo", "tarvo@localhost");
    return sig;
}

}  // namespace

// One commit of what changed on top of the fetched branch, pushed; with
// nothing changed, nothing is committed.
TReply TGitConnection::Commit(TCall& call) {
    git_oid treeId;
    if (git_index_write_tree_to(&treeId, index_, repo_) != 0) return Failure(call, -1);
    TOwned<git_tree, git_tree_free> tree, baseTree;
    TOwned<git_commit, git_commit_free> base;
    const git_oid baseId = OidOf(base_);
    if (git_tree_lookup(&tree.p, repo_, &treeId) != 0) return Failure(call, -1);
    if (hasBase_ && (git_commit_lookup(&base.p, repo_, &baseId) != 0 || git_commit_tree(&baseTree.p, base.p) != 0))
        return Failure(call, -1);
    if ((hasBase_ && git_oid_equal(&treeId, git_tree_id(baseTree.p))) || (!hasBase_ && git_tree_entrycount(tree.p) == 0))
        return Done();
    TOwned<git_diff, git_diff_free> diff;
    if (git_diff_tree_to_tree(&diff.p, repo_, baseTree.p, tree.p, nullptr) != 0) return Failure(call, -1);
    TOwned<git_signature, git_signature_free> sig{Signature(repo_)};
    git_oid commitId;
    const git_commit* parents[] = {base.p};
    if (!sig.p || git_commit_create(&commitId, repo_, nullptr, sig.p, sig.p, "UTF-8",
                                    CommitMessage(git_diff_num_deltas(diff.p)).constData(), tree.p, hasBase_ ? 1 : 0,
                                    parents) != 0)
        return Failure(call, -1);
    TOwned<git_reference, git_reference_free> ref;
    if (git_reference_create(&ref.p, repo_, kPublishRef, &commitId, 1, nullptr) != 0) return Failure(call, -1);
    if (!Push(call, &commitId)) return Failure(call, -1);
    std::memcpy(base_, commitId.id, sizeof base_);
    hasBase_ = true;
    return Done();
}

bool TGitConnection::Push(TCall& call, const void* commitId) {
    TOwned<git_remote, git_remote_free> remote;
    const QByteArray url = call.r.Login.Address.toUtf8();
    if (git_remote_create_anonymous(&remote.p, repo_, url.constData()) != 0) return false;
    QByteArray spec = QByteArray(kPublishRef) + ":refs/heads/" + call.r.Login.Branch.toUtf8();
    char* specs[] = {spec.data()};
    const git_strarray refspecs = {specs, 1};
    git_push_options options = GIT_PUSH_OPTIONS_INIT;
    options.callbacks = call.Callbacks();
    call.remoteWords.clear();  // from now on, what a hook says
    if (git_remote_push(remote.p, &refspecs, &options) != 0) return false;
    if (!call.pushStatus.isEmpty()) {
        git_error_set_str(GIT_ERROR_REFERENCE, call.pushStatus.toUtf8().constData());
        return false;
    }
    // The branch as pushed is the fetched one from now on.
    TOwned<git_reference, git_reference_free> fetched;
    git_reference_create(&fetched.p, repo_, FetchedRef(call.r.Login.Branch).constData(),
                         static_cast<const git_oid*>(commitId), 1, nullptr);
    return true;
}

namespace {

TGitProblem ProblemOf(int code, const QString& message) {
    const auto has = [&](const char* words) { return message.contains(QLatin1String(words), Qt::CaseInsensitive); };
    if (code == GIT_EAUTH || has("authentication") || has("authenticate")) return TGitProblem::LoginRefused;
    if (code == GIT_ENONFASTFORWARD || has("not present locally") || has("non-fast-forward") || has("fetch first"))
        return TGitProblem::BranchMoved;
    if (has("resolve")) return TGitProblem::NotFound;
    if (has("refused")) return TGitProblem::Refused;
    if (has("failed to connect") || has("timed out") || has("unreachable")) return TGitProblem::NoAnswer;
    if (has("status code: 404") || has("repository not found") || has("not a git repository") ||
        has("does not appear to be a git repository"))
        return TGitProblem::NoRepository;
    return TGitProblem::Failed;
}

}  // namespace

// The reply to a request that failed; a log-in's failure closes the
// connection, any other keeps the staging as it was.
TReply TGitConnection::Failure(TCall& call, int code) {
    TReply reply;
    reply.Alive = call.r.Kind != TRequest::TKind::Login;
    const QString message = LastError();
    if (const git_error* e = git_error_last(); e && e->klass == GIT_ERROR_CALLBACK && code == -1) code = GIT_EUSER;
    if (call.untrusted) {
        reply.Outcome = call.untrustedOutcome;
    } else if (call.Aborted()) {
        reply.Outcome = GitOutcome(TGitProblem::Cancelled, QString());
    } else if (call.tooLarge) {
        reply.Outcome = GitOutcome(TGitProblem::TooLarge, QString());
    } else if (call.loginRefused) {
        reply.Outcome = GitOutcome(TGitProblem::LoginRefused, QString());
    } else if (!call.pushStatus.isEmpty()) {
        const TGitProblem p = ProblemOf(0, call.pushStatus);
        // The hook's own last words say why, where it said any.
        QString why = call.pushStatus;
        if (!call.remoteWords.isEmpty()) why += QStringLiteral(": ") + call.remoteWords;
        reply.Outcome = GitOutcome(p == TGitProblem::BranchMoved ? p : TGitProblem::PushRefused, why);
    } else {
        const TGitProblem p = ProblemOf(code, message);
        reply.Outcome = GitOutcome(p, message.isEmpty() ? call.remoteWords : message);
    }
    return reply;
}

// The module's entry point (GitModule.h).
extern "C" Q_DECL_EXPORT TTransport* TarvoGitTransport() { return new TGitConnection(); }
