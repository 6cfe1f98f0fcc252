#include "upload/SentRecord.h"

#include "app/SafeWrite.h"
#include "upload/UploadSequence.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <memory>
#include <openssl/evp.h>

QString SentRecordFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("sent"));
}

// SHA-256 through the crypto library, which uses the processor's hashing
// instructions where it has them: every file sent is hashed for the record,
// and Qt's portable hash took a third of a small site's upload time.
QByteArray ContentHash(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1) return QByteArray();
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 n = f.read(buffer.data(), buffer.size());
        if (n < 0) return QByteArray();
        if (n == 0) break;
        if (EVP_DigestUpdate(ctx.get(), buffer.constData(), size_t(n)) != 1) return QByteArray();
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(ctx.get(), digest, &length) != 1) return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex();
}

QString SentRecordKey(const TUploadTarget& target) {
    QString key = QStringLiteral("%1://%2@%3:%4/%5")
                      .arg(SecurityName(target.Security), target.UserName, target.Address)
                      .arg(target.Port)
                      .arg(target.Directory);
    // A repository's branches are places of their own.
    if (target.Security == TSecurity::Git) key += QStringLiteral("#") + target.Branch;
    return key;
}

QString SentRecordFileName(const QString& key) {
    return QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32)) +
           QStringLiteral(".json");
}

QByteArray ContentHashOfBytes(const QByteArray& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.constData(), size_t(bytes.size()), digest, &length, EVP_sha256(), nullptr) != 1)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex();
}

TSentRecord::TSentRecord(const TUploadTarget& target) {
    key_ = SentRecordKey(target);
    path_ = QDir(SentRecordFolder()).filePath(SentRecordFileName(key_));
    TightenToPrivate(path_);
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
    if (root.value(QStringLiteral("server")).toString() != key_) return;
    const QJsonObject files = root.value(QStringLiteral("files")).toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject e = it.value().toObject();
        files_.insert(it.key(), {qint64(e.value(QStringLiteral("size")).toDouble(-1)),
                                 e.value(QStringLiteral("sha256")).toString().toLatin1()});
    }
}

std::vector<TSendState> TSentRecord::Classify(std::vector<TUploadFile>& plan, bool all) const {
    std::vector<TSendState> states;
    for (TUploadFile& f : plan) {
        f.Unchanged = false;
        f.Ours = false;
        if (!f.Refused.isEmpty()) {
            states.push_back(f.Missing ? TSendState::Missing : TSendState::Refused);
            continue;
        }
        const QFileInfo local(f.Local);
        if (!local.isFile()) {
            // A picture the page names but the folder lacks: the upload
            // will tell it failed; the list says so beforehand.
            states.push_back(TSendState::Missing);
            continue;
        }
        f.Size = local.size();
        const auto it = files_.constFind(f.Remote);
        f.Ours = it != files_.constEnd();
        if (it == files_.constEnd()) {
            states.push_back(TSendState::New);
            continue;
        }
        // The content decides, not the time: the page's HTML is written
        // afresh before every upload.
        const QByteArray hash = ContentHash(f.Local);
        const bool same = !hash.isEmpty() && it->hash == hash && it->size == f.Size;
        f.Unchanged = same && !all;
        states.push_back(same ? TSendState::Unchanged : TSendState::Changed);
    }
    return states;
}

void TSentRecord::RecordRemoved(const QString& remote) {
    if (files_.remove(remote) > 0) noted_ = true;
}

void TSentRecord::RecordSent(const TUploadFile& file, const QByteArray& hash) {
    if (!file.Refused.isEmpty() || file.Remote.isEmpty()) return;
    files_.insert(file.Remote, {QFileInfo(file.Local).size(), hash.isEmpty() ? ContentHash(file.Local) : hash});
    noted_ = true;
}

bool TSentRecord::Save(QString* error) {
    if (!noted_) return true;
    QJsonObject files;
    for (auto it = files_.constBegin(); it != files_.constEnd(); ++it)
        files.insert(it.key(), QJsonObject{{QStringLiteral("size"), double(it->size)},
                                           {QStringLiteral("sha256"), QString::fromLatin1(it->hash)}});
    const QJsonObject root{{QStringLiteral("server"), key_}, {QStringLiteral("files"), files}};
    // What was sent where is the user's business only.
    MakePrivateFolder(SentRecordFolder());
    const TWriteOutcome written = WriteFileChecked(path_, QJsonDocument(root).toJson(), {QString(), true});
    if (written.ok) {
        noted_ = false;
        return true;
    }
    // An old record would now tell of files that are no longer on the
    // server as they were: without it, the next upload sends everything.
    QFile::remove(path_);
    if (error)
        *error = written.Message(path_) + QLatin1Char(' ') +
                 QCoreApplication::translate("TSentRecord", "The next upload sends every file again.");
    return false;
}
