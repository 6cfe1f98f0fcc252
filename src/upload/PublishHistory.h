#pragma once
// The history of what was published to a server folder: each upload's
// time, the page, and every file Tarvo has put there as it stood after that
// upload (name, size, SHA-256, and whether this upload sent it). One record
// per server entry and folder (the key of the sent record), in the user's
// data folder ("history"). The bytes of every version sent are kept beside
// them ("history/versions"), one file per content named by its hash, so
// that an earlier publish can be put back; past the store's size limit the
// oldest publishes lose their versions (they stay listed, no longer put
// back).
//
// A record is read as if it came from anybody: names that leave the server
// folder, hashes that are not hashes, and records or lists too large to be
// ours are refused, so nothing read from it reaches a path outside the
// store.

#include "upload/UploadList.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <set>
#include <vector>

struct TUploadTarget;

struct TPublishedFile {
    QString Remote;   // relative to the server folder
    qint64 Size = 0;
    QByteArray Hash;  // SHA-256 in hexadecimal
    TFileRole Role = TFileRole::Picture;
    bool Sent = false;  // this publish sent it (else it was already there)
};

struct TPublish {
    QDateTime Time;  // UTC
    QString Page;    // the visitor's page
    bool Complete = true;  // the upload ended without a failure
    bool Kept = true;      // the store still holds its versions
    bool PutBack = false;  // it put an earlier publish back
    // What Tarvo had put on the server after it.
    std::vector<TPublishedFile> Files;
    qint64 SentBytes() const;
    int SentCount() const;
};

class TPublishHistory {
public:
    // The history of `target` (none when the record cannot be read, is not
    // ours, or names another server).
    explicit TPublishHistory(const TUploadTarget& target);
    // Waits for the versions still being written.
    ~TPublishHistory();
    TPublishHistory(const TPublishHistory&) = delete;
    TPublishHistory& operator=(const TPublishHistory&) = delete;

    // Oldest first.
    const std::vector<TPublish>& Publishes() const { return publishes_; }
    QString FileName() const { return path_; }

    // Keeps the bytes of `file` (sent now, or already on the server) in
    // the store and notes it for the publish being made. The version is
    // written to the disk behind the caller, so that an upload does not
    // wait for the disk between two files; Record waits for it. False,
    // with `error` set, when the file is too large to be kept (the file is
    // noted all the same, and the publish cannot be put back). `hash`, when
    // given, receives the SHA-256 of the bytes noted ("" when the file was
    // not read), so that the sent record need not read the file again.
    bool Note(const TUploadFile& file, bool sent, QString* error = nullptr, QByteArray* hash = nullptr);
    // Notes that the file of that name is no longer on the server.
    void NoteRemoved(const QString& remote);

    // Records the publish made of what was noted (nothing when nothing
    // was): the files of the last publish with the noted ones over them.
    // Then drops the oldest versions past the store's limit.
    // The versions noted are on the disk before the record names them.
    bool Record(bool complete, bool putBack = false, QString* error = nullptr);
    // Why each version that could not be written was not kept (one
    // sentence each), once Record has run.
    const QStringList& Unkept() const { return unkept_; }

private:
    QString key_, path_;
    // The store's limit, read once: an upload asks for it with every file.
    qint64 limit_ = 0;
    std::vector<TPublish> publishes_;
    std::vector<TPublishedFile> noted_;
    QStringList removed_;
    QString page_;
    QStringList unkept_;
    std::set<QByteArray> writing_;  // the versions handed to the keeper
    class TKeeper;
    std::unique_ptr<TKeeper> keeper_;
};

// The folder of the records, and of the stored versions.
QString PublishHistoryFolder();
QString VersionStoreFolder();
// The stored version of a hash ("" when the hash is not one).
QString StoredVersionPath(const QByteArray& hash);
// Whether the store holds the complete version of the file (its bytes
// hash to the recorded hash).
bool HoldsVersion(const TPublishedFile& file);

// The store's limit in bytes: the setting VersionStoreMB of General, 200 MB
// when it is not set or not a number of at least 1.
qint64 VersionStoreLimit();
void SetVersionStoreLimitMB(int megabytes);
// When the store holds more than `limit` bytes: drops the versions of the
// oldest publishes until it holds at most that (the newest publish of each
// record keeps its own), and every stored file no kept publish names.
// Within the limit it only lists the store, without reading a record.
// True when it changed a record (its publishes lost their versions).
bool PruneVersionStore(qint64 limit);

// A name a record may hold for a file: relative, "/" between its parts,
// none of them empty, "." or "..", no backslash or control character.
bool IsSafeRemoteName(const QString& name);

// One line per publish for a list, newest first, in local time: "3  2026-12-10 02:50:00
// index.html, 4 files sent (12,345 bytes)". The number is the publish's
// place in the history, oldest 1.
QStringList HistoryLines(const TPublishHistory& history);

// What putting publish `index` (0 the oldest) of `history` back sends and
// removes, against what the newest publish says the server holds: each of
// its files read from the store (marked unchanged where the server holds
// that version already), its visitor's page last, and the files later
// publishes added. `Problem` says why it cannot be done ("" when it can).
struct TPutBackPlan {
    std::vector<TUploadFile> Files;
    std::vector<QString> Removals;
    QString Problem;
};
// With `checkVersions` false the kept versions are only looked for, not
// hashed again (for a list that changes with each click).
TPutBackPlan PlanPutBack(const TPublishHistory& history, size_t index, bool checkVersions = true);
