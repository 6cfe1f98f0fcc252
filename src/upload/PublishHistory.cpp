#include "upload/PublishHistory.h"

#include "app/SafeWrite.h"
#include "app/Settings.h"
#include "upload/SentRecord.h"
#include "upload/UploadSequence.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

namespace {

// Bounds on what a record may hold: larger is not ours.
constexpr qint64 kMaxRecordBytes = 64LL * 1024 * 1024;
constexpr qsizetype kMaxPublishes = 2000;
constexpr qsizetype kMaxFilesPerPublish = 20000;
constexpr qint64 kMaxFileSize = 1LL << 40;
constexpr qint64 kDefaultLimitMB = 200;
const char* const kLimitSetting = "VersionStoreMB";

bool IsHash(const QByteArray& hash) {
    return hash.size() == 64 &&
           std::all_of(hash.begin(), hash.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

QString RoleName(TFileRole role) {
    switch (role) {
        case TFileRole::Picture:
            return QStringLiteral("picture");
        case TFileRole::Page:
            return QStringLiteral("page");
        case TFileRole::SiteFile:
            return QStringLiteral("site");
        case TFileRole::VisitorPage:
            return QStringLiteral("visitor");
    }
    return QStringLiteral("picture");
}

TFileRole RoleOf(const QString& name) {
    if (name == QLatin1String("visitor")) return TFileRole::VisitorPage;
    if (name == QLatin1String("page")) return TFileRole::Page;
    if (name == QLatin1String("site")) return TFileRole::SiteFile;
    return TFileRole::Picture;
}

// A publish read from a record; false when any part of it is not one.
bool ReadPublish(const QJsonObject& o, TPublish& p) {
    p.Time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODate);
    p.Page = o.value(QStringLiteral("page")).toString();
    p.Complete = o.value(QStringLiteral("complete")).toBool(true);
    p.Kept = o.value(QStringLiteral("kept")).toBool(true);
    p.PutBack = o.value(QStringLiteral("putBack")).toBool(false);
    if (!p.Time.isValid() || (!p.Page.isEmpty() && !IsSafeRemoteName(p.Page))) return false;
    p.Time = p.Time.toUTC();
    const QJsonArray files = o.value(QStringLiteral("files")).toArray();
    if (files.size() > kMaxFilesPerPublish) return false;
    for (const QJsonValue& v : files) {
        const QJsonObject f = v.toObject();
        TPublishedFile file;
        file.Remote = f.value(QStringLiteral("name")).toString();
        const double size = f.value(QStringLiteral("size")).toDouble(-1);
        file.Hash = f.value(QStringLiteral("sha256")).toString().toLatin1();
        file.Role = RoleOf(f.value(QStringLiteral("role")).toString());
        file.Sent = f.value(QStringLiteral("sent")).toBool(false);
        if (!IsSafeRemoteName(file.Remote) || !IsHash(file.Hash) || !(size >= 0 && size <= double(kMaxFileSize)))
            return false;
        file.Size = qint64(size);
        p.Files.push_back(file);
    }
    return true;
}

QJsonObject WritePublish(const TPublish& p) {
    QJsonArray files;
    for (const TPublishedFile& f : p.Files)
        files.append(QJsonObject{{QStringLiteral("name"), f.Remote},
                                 {QStringLiteral("size"), double(f.Size)},
                                 {QStringLiteral("sha256"), QString::fromLatin1(f.Hash)},
                                 {QStringLiteral("role"), RoleName(f.Role)},
                                 {QStringLiteral("sent"), f.Sent}});
    return QJsonObject{{QStringLiteral("time"), p.Time.toUTC().toString(Qt::ISODateWithMs)},
                       {QStringLiteral("page"), p.Page},
                       {QStringLiteral("complete"), p.Complete},
                       {QStringLiteral("kept"), p.Kept},
                       {QStringLiteral("putBack"), p.PutBack},
                       {QStringLiteral("files"), files}};
}

// A record's publishes, oldest first; false when it cannot be read or is
// not a record of `key` ("" any key, which is then set).
bool ReadRecord(const QString& path, QString& key, std::vector<TPublish>& publishes) {
    publishes.clear();
    QFile f(path);
    if (IsSymbolicLink(path) || !f.open(QIODevice::ReadOnly) || f.size() > kMaxRecordBytes) return false;
    const QJsonObject root = QJsonDocument::fromJson(f.read(kMaxRecordBytes)).object();
    const QString server = root.value(QStringLiteral("server")).toString();
    if (server.isEmpty() || (!key.isEmpty() && server != key)) return false;
    const QJsonArray list = root.value(QStringLiteral("publishes")).toArray();
    if (list.size() > kMaxPublishes) return false;
    for (const QJsonValue& v : list) {
        TPublish p;
        if (!ReadPublish(v.toObject(), p)) {
            publishes.clear();
            return false;
        }
        publishes.push_back(std::move(p));
    }
    key = server;
    return true;
}

TWriteOutcome WriteRecord(const QString& path, const QString& key, const std::vector<TPublish>& publishes) {
    QJsonArray list;
    for (const TPublish& p : publishes) list.append(WritePublish(p));
    MakePrivateFolder(PublishHistoryFolder());
    return WriteFileChecked(path, QJsonDocument(QJsonObject{{QStringLiteral("server"), key}, {QStringLiteral("publishes"), list}}).toJson(QJsonDocument::Compact),
                            {PublishHistoryFolder(), true});
}

}  // namespace

qint64 TPublish::SentBytes() const {
    qint64 n = 0;
    for (const TPublishedFile& f : Files)
        if (f.Sent) n += f.Size;
    return n;
}

int TPublish::SentCount() const {
    return int(std::count_if(Files.begin(), Files.end(), [](const TPublishedFile& f) { return f.Sent; }));
}

QString PublishHistoryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("history"));
}

QString VersionStoreFolder() { return QDir(PublishHistoryFolder()).filePath(QStringLiteral("versions")); }

QString StoredVersionPath(const QByteArray& hash) {
    if (!IsHash(hash)) return QString();
    return QDir(VersionStoreFolder()).filePath(QString::fromLatin1(hash));
}

bool HoldsVersion(const TPublishedFile& file) {
    const QString path = StoredVersionPath(file.Hash);
    if (path.isEmpty() || IsSymbolicLink(path)) return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() == file.Size && ContentHash(path) == file.Hash;
}

bool IsSafeRemoteName(const QString& name) {
    if (name.isEmpty() || name.size() > 1024 || name.startsWith(QLatin1Char('/'))) return false;
    for (const QChar c : name)
        if (c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

qint64 VersionStoreLimit() {
    TTarvoReg reg;
    qint64 mb = kDefaultLimitMB;
    if (reg.OpenSection(QString::fromLatin1(SettingKeys::General), false)) {
        bool ok = false;
        const qint64 set = reg.ReadString(QString::fromLatin1(kLimitSetting)).toLongLong(&ok);
        if (ok && set >= 1 && set <= 1024 * 1024) mb = set;
    }
    return mb * 1024 * 1024;
}

void SetVersionStoreLimitMB(int megabytes) {
    TTarvoReg reg;
    if (!reg.OpenSection(QString::fromLatin1(SettingKeys::General), true)) return;
    reg.WriteString(QString::fromLatin1(kLimitSetting), QString::number(megabytes));
    reg.Sync();
}

// Writes versions into the store on a thread of its own, in the order
// given, each through WriteFileChecked (on the disk before it counts). At
// most kQueuedBytes wait at once: a caller with more waits its turn.
class TPublishHistory::TKeeper {
public:
    ~TKeeper() { Wait(); }

    void Keep(const QString& path, QByteArray bytes) {
        std::unique_lock<std::mutex> lock(mutex_);
        room_.wait(lock, [&] { return queuedBytes_ == 0 || queuedBytes_ + bytes.size() <= kQueuedBytes; });
        queuedBytes_ += bytes.size();
        jobs_.push_back({path, std::move(bytes)});
        if (!thread_.joinable()) {
            done_ = false;
            thread_ = std::thread([this] { Loop(); });
        }
        work_.notify_one();
    }

    // Waits until every version given is written; the messages of those
    // that could not be.
    QStringList Wait() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        work_.notify_one();
        if (thread_.joinable()) thread_.join();
        return std::exchange(failed_, {});
    }

private:
    static constexpr qint64 kQueuedBytes = 32LL * 1024 * 1024;
    struct TJob {
        QString path;
        QByteArray bytes;
    };

    void Loop() {
        for (;;) {
            TJob job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                work_.wait(lock, [&] { return done_ || !jobs_.empty(); });
                if (jobs_.empty()) return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            const TWriteOutcome written = WriteFileChecked(job.path, job.bytes, {VersionStoreFolder(), true});
            std::lock_guard<std::mutex> lock(mutex_);
            if (!written.ok) failed_ << written.Message(job.path);
            queuedBytes_ -= job.bytes.size();
            room_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable work_, room_;
    std::deque<TJob> jobs_;
    qint64 queuedBytes_ = 0;
    bool done_ = false;
    QStringList failed_;
    std::thread thread_;
};

TPublishHistory::~TPublishHistory() = default;

TPublishHistory::TPublishHistory(const TUploadTarget& target) : limit_(VersionStoreLimit()) {
    key_ = SentRecordKey(target);
    path_ = QDir(PublishHistoryFolder()).filePath(SentRecordFileName(key_));
    QString key = key_;
    ReadRecord(path_, key, publishes_);
}

bool TPublishHistory::Note(const TUploadFile& file, bool sent, QString* error, QByteArray* hash) {
    if (hash) hash->clear();
    if (!file.Refused.isEmpty() || !IsSafeRemoteName(file.Remote)) return true;
    TPublishedFile noted;
    noted.Remote = file.Remote;
    noted.Role = file.Role;
    noted.Sent = sent;
    if (file.Role == TFileRole::VisitorPage) page_ = file.Remote;
    std::erase_if(noted_, [&](const TPublishedFile& n) { return n.Remote == noted.Remote; });
    removed_.removeAll(noted.Remote);
    // A file larger than half the store is recorded but not kept: it would
    // push every other version out, and reading it whole could take more
    // memory than the machine has. A publish with it cannot be put back.
    const qint64 size = QFileInfo(file.Local).size();
    if (size > limit_ / 2) {
        noted.Size = size;
        noted.Hash = ContentHash(file.Local);
        if (noted.Hash.isEmpty()) return true;
        if (hash) *hash = noted.Hash;
        noted_.push_back(noted);
        if (error)
            *error = QCoreApplication::translate("PublishHistory", "%1 is too large to be kept for a put-back.")
                         .arg(file.Remote);
        return false;
    }
    QFile f(file.Local);
    if (!f.open(QIODevice::ReadOnly)) return true;
    const QByteArray bytes = f.read(size + 1);
    f.close();
    noted.Size = bytes.size();
    // The hash of the very bytes stored, so the version is what its name says.
    noted.Hash = ContentHashOfBytes(bytes);
    if (hash) *hash = noted.Hash;
    const QString path = StoredVersionPath(noted.Hash);
    if (path.isEmpty()) return true;
    // A version is written once, whole, under its hash: one of that size
    // there is the same (put-back checks its hash before sending it). One
    // that cannot be written is recorded all the same, so that no older
    // version stands in for it: the publish cannot be put back.
    const QFileInfo there(path);
    if (!writing_.count(noted.Hash) && (IsSymbolicLink(path) || !there.isFile() || there.size() != noted.Size)) {
        if (!keeper_) {
            MakePrivateFolder(VersionStoreFolder());
            keeper_ = std::make_unique<TKeeper>();
        }
        writing_.insert(noted.Hash);
        keeper_->Keep(path, bytes);
    }
    noted_.push_back(noted);
    return true;
}

void TPublishHistory::NoteRemoved(const QString& remote) {
    std::erase_if(noted_, [&](const TPublishedFile& n) { return n.Remote == remote; });
    if (!removed_.contains(remote)) removed_ << remote;
}

bool TPublishHistory::Record(bool complete, bool putBack, QString* error) {
    if (keeper_) unkept_ << keeper_->Wait();
    writing_.clear();
    if (noted_.empty() && removed_.isEmpty()) return true;
    TPublish p;
    p.Time = QDateTime::currentDateTimeUtc();
    p.Complete = complete;
    p.PutBack = putBack;
    std::map<QString, TPublishedFile> files;
    if (!publishes_.empty()) {
        for (TPublishedFile f : publishes_.back().Files) {
            f.Sent = false;
            // The page of an earlier publish is one more page now.
            if (f.Role == TFileRole::VisitorPage) f.Role = TFileRole::Page;
            files[f.Remote] = f;
        }
        p.Page = publishes_.back().Page;
    }
    for (const QString& gone : removed_) files.erase(gone);
    for (const TPublishedFile& f : noted_) files[f.Remote] = f;
    if (!page_.isEmpty()) p.Page = page_;
    if (auto it = files.find(p.Page); it != files.end()) it->second.Role = TFileRole::VisitorPage;
    for (auto& [name, f] : files) p.Files.push_back(f);
    publishes_.push_back(std::move(p));
    if (qsizetype(publishes_.size()) > kMaxPublishes) publishes_.erase(publishes_.begin());
    const TWriteOutcome written = WriteRecord(path_, key_, publishes_);
    if (!written.ok) {
        publishes_.pop_back();
        if (error) *error = written.Message(path_);
        return false;
    }
    noted_.clear();
    removed_.clear();
    page_.clear();
    // The limit may have taken this history's oldest versions.
    if (PruneVersionStore(limit_)) {
        QString key = key_;
        ReadRecord(path_, key, publishes_);
    }
    return true;
}

// The bytes the store holds.
static qint64 StoredBytes() {
    qint64 total = 0;
    QDirIterator files(VersionStoreFolder(), QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

bool PruneVersionStore(qint64 limit) {
    // Every record is read only when something must go: within the limit
    // the store, leftovers included, takes no more room than the user
    // allowed, and an upload need not read every history there is.
    if (StoredBytes() <= limit) return false;
    struct TRecord {
        QString path, key;
        std::vector<TPublish> publishes;
        bool changed = false;
    };
    std::vector<TRecord> records;
    QDirIterator it(PublishHistoryFolder(), {QStringLiteral("*.json")}, QDir::Files);
    while (it.hasNext()) {
        TRecord r;
        r.path = it.next();
        if (ReadRecord(r.path, r.key, r.publishes)) records.push_back(std::move(r));
    }
    // The versions each kept publish needs, counted by name.
    std::map<QByteArray, int> needed;
    auto need = [&needed](const TPublish& p, int by) {
        std::set<QByteArray> once;
        for (const TPublishedFile& f : p.Files) once.insert(f.Hash);
        for (const QByteArray& h : once) needed[h] += by;
    };
    for (const TRecord& r : records)
        for (const TPublish& p : r.publishes)
            if (p.Kept) need(p, 1);
    // What the store holds; what no kept publish names goes at once.
    std::map<QByteArray, qint64> stored;
    qint64 total = 0;
    QDirIterator files(VersionStoreFolder(), QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QString path = files.next();
        const QByteArray name = QFileInfo(path).fileName().toLatin1();
        if (!IsHash(name)) continue;  // a temporary file of a write in progress
        if (!needed.count(name)) {
            // Another Tarvo may be in the middle of an upload whose record
            // is not written yet: only versions left over for a day go.
            if (QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()) > 24 * 3600) QFile::remove(path);
            continue;
        }
        stored[name] = QFileInfo(path).size();
        total += stored[name];
    }
    // Oldest first, across every record; the newest of each is what its
    // server holds and stays.
    std::vector<std::pair<QDateTime, std::pair<size_t, size_t>>> order;
    for (size_t r = 0; r < records.size(); ++r)
        for (size_t p = 0; p + 1 < records[r].publishes.size(); ++p)
            if (records[r].publishes[p].Kept) order.push_back({records[r].publishes[p].Time, {r, p}});
    std::sort(order.begin(), order.end());
    for (const auto& [time, at] : order) {
        if (total <= limit) break;
        TRecord& r = records[at.first];
        TPublish& p = r.publishes[at.second];
        p.Kept = false;
        r.changed = true;
        need(p, -1);
        for (auto n = needed.begin(); n != needed.end();) {
            if (n->second > 0) {
                ++n;
                continue;
            }
            if (auto s = stored.find(n->first); s != stored.end()) {
                QFile::remove(StoredVersionPath(n->first));
                total -= s->second;
                stored.erase(s);
            }
            n = needed.erase(n);
        }
    }
    // A record whose publishes lost their versions says so; where it cannot
    // be written, put-back still checks every version before it starts.
    bool changed = false;
    for (const TRecord& r : records) {
        if (!r.changed) continue;
        WriteRecord(r.path, r.key, r.publishes);
        changed = true;
    }
    return changed;
}

QStringList HistoryLines(const TPublishHistory& history) {
    QStringList lines;
    const std::vector<TPublish>& list = history.Publishes();
    const QLocale locale;
    for (size_t i = list.size(); i-- > 0;) {
        const TPublish& p = list[i];
        QString line = QCoreApplication::translate("PublishHistory", "%1  %2  %3, %4 of %5 files sent (%6 bytes)")
                           .arg(i + 1)
                           .arg(p.Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), p.Page)
                           .arg(p.SentCount())
                           .arg(p.Files.size())
                           .arg(locale.toString(p.SentBytes()));
        if (p.PutBack) line += QCoreApplication::translate("PublishHistory", "; an earlier publish put back");
        if (!p.Complete) line += QCoreApplication::translate("PublishHistory", "; not complete");
        if (!p.Kept) line += QCoreApplication::translate("PublishHistory", "; its files are no longer kept");
        lines << line;
    }
    return lines;
}

TPutBackPlan PlanPutBack(const TPublishHistory& history, size_t index, bool checkVersions) {
    TPutBackPlan plan;
    const std::vector<TPublish>& list = history.Publishes();
    if (index >= list.size()) {
        plan.Problem = QCoreApplication::translate("PublishHistory", "There is no publish %1.").arg(index + 1);
        return plan;
    }
    const TPublish& wanted = list[index];
    const TPublish& now = list.back();
    if (!wanted.Kept) {
        plan.Problem = QCoreApplication::translate("PublishHistory",
                                                   "The files of publish %1 are no longer kept.").arg(index + 1);
        return plan;
    }
    std::map<QString, const TPublishedFile*> held;
    for (const TPublishedFile& f : now.Files) held[f.Remote] = &f;
    for (const TPublishedFile& f : wanted.Files) {
        // Every version is checked before anything is sent: a put-back
        // that stops half way would leave a site of two publishes.
        const QFileInfo kept(StoredVersionPath(f.Hash));
        if (checkVersions ? !HoldsVersion(f) : !(kept.isFile() && kept.size() == f.Size)) {
            plan.Problem = QCoreApplication::translate("PublishHistory",
                                                       "The kept version of %1 is missing or damaged.").arg(f.Remote);
            plan.Files.clear();
            return plan;
        }
        TUploadFile file;
        file.Local = StoredVersionPath(f.Hash);
        file.Remote = f.Remote;
        file.Role = f.Remote == wanted.Page ? TFileRole::VisitorPage
                                            : (f.Role == TFileRole::VisitorPage ? TFileRole::Page : f.Role);
        file.Binary = IsBinaryTransfer(f.Remote);
        file.Size = f.Size;
        const auto it = held.find(f.Remote);
        file.Unchanged = it != held.end() && it->second->Hash == f.Hash && it->second->Size == f.Size;
        // A site file of the publish put back goes only where the server
        // has none of its own.
        file.OnlyIfOurs = file.Role == TFileRole::SiteFile;
        file.Ours = it != held.end();
        plan.Files.push_back(file);
    }
    std::set<QString> keep;
    for (const TPublishedFile& f : wanted.Files) keep.insert(f.Remote);
    for (const TPublishedFile& f : now.Files)
        if (!keep.count(f.Remote)) plan.Removals.push_back(f.Remote);
    return plan;
}
