#pragma once
// The record of what was sent to a server folder: for each file its name
// there, its size and a hash of its content as it was sent. It lives in the
// user's data folder ("sent"), one file per server and folder, so a
// visitor's web folder holds nothing of ours besides the site. The next
// upload compares each file with it and sends only what is new or changed.

#include "upload/UploadList.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

struct TUploadTarget;

// What the Send stage's list says of each file of the plan.
enum class TSendState { New, Changed, Unchanged, Refused, Missing };

class TSentRecord {
public:
    // The record of `target`: its security, address, port, user and folder
    // name it, so a changed server entry has none. A record that cannot be
    // read, or belongs to another entry, counts as none.
    explicit TSentRecord(const TUploadTarget& target);

    // Sets each file's Size, marks as Unchanged each one the record holds
    // with the same content under the same name, and tells the state of
    // every file (Missing also for a file to send that does not exist).
    // With `all` nothing is Unchanged (everything is sent).
    std::vector<TSendState> Classify(std::vector<TUploadFile>& plan, bool all) const;

    // Notes a file that is now on the server as it is here: call it for
    // each file sent and each file skipped as already there.
    void RecordSent(const TUploadFile& file, const QByteArray& hash = {});
    // Notes that the file of that name was removed from the server.
    void RecordRemoved(const QString& remote);

    // Writes what was noted (nothing when nothing was). On failure the old
    // record is removed as well, so the next upload sends everything, and
    // `error` says why in one sentence.
    bool Save(QString* error = nullptr);

    // The record's file.
    QString FileName() const { return path_; }

private:
    struct TEntry {
        qint64 size = -1;
        QByteArray hash;
    };
    QString key_, path_;
    QHash<QString, TEntry> files_;
    bool noted_ = false;
};

// What names the server entry and folder of a record: its security,
// address, port, user and folder (and a repository's branch).
QString SentRecordKey(const TUploadTarget& target);
// The file name of the record of that key.
QString SentRecordFileName(const QString& key);
// The folder that holds the records.
QString SentRecordFolder();
// A hash of the file's content ("" when it cannot be read).
QByteArray ContentHash(const QString& file);
// The same hash of bytes in memory.
QByteArray ContentHashOfBytes(const QByteArray& bytes);
