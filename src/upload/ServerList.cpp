#include "upload/ServerList.h"

#include "app/Settings.h"
#include "app/Utils.h"
#include "upload/Keyring.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QUrl>

namespace {

const QString kServers = QString::fromLatin1(SettingKeys::WWWServers);
const QString kLastServer = QString::fromLatin1(SettingKeys::LastServer);
const QString kOrder = QStringLiteral("Order");
const QString kAddress = QStringLiteral("Address");
const QString kDirectory = QStringLiteral("Directory");
const QString kUserName = QStringLiteral("UserName");
const QString kPassword = QStringLiteral("Password");
const QString kURL = QStringLiteral("URL");
const QString kSecurity = QStringLiteral("Security");
const QString kBranch = QStringLiteral("Branch");
const QString kTrustedKey = QStringLiteral("TrustedKey");
const QString kHostKey = QStringLiteral("HostKey");
const QString kWebAddress = QStringLiteral("WebAddress");
const QString kPasswordStore = QStringLiteral("PasswordStore");
const QString kInKeyring = QStringLiteral("Keyring");
const QString kKeyringEntry = QStringLiteral("KeyringEntry");

// The fixed key of the password scrambling: 19 printable characters.
constexpr char kScrambleKey[] = "Tarvo*Web~Blocks!42";
constexpr int kKeyLength = sizeof(kScrambleKey) - 1;
static_assert(kKeyLength == 19);

QByteArray XorWithKey(QByteArray bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = char(bytes[i] ^ kScrambleKey[i % kKeyLength]);
    return bytes;
}

// A server's name as a sub-section of "WWWServers" and back. The store takes
// "/" and "\" as separators, so they (and "%", to stay reversible) are
// written as %2F, %5C and %25.
QString KeyForName(const QString& name) {
    QString key;
    key.reserve(name.size());
    for (QChar c : name) {
        if (c == QLatin1Char('%')) key += QLatin1String("%25");
        else if (c == QLatin1Char('/')) key += QLatin1String("%2F");
        else if (c == QLatin1Char('\\')) key += QLatin1String("%5C");
        else key += c;
    }
    return key;
}

QString NameForKey(const QString& key) {
    QString name;
    name.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (key[i] == QLatin1Char('%') && i + 2 < key.size()) {
            const QString code = key.mid(i + 1, 2).toUpper();
            const QChar plain = code == QLatin1String("25")   ? QLatin1Char('%')
                                : code == QLatin1String("2F") ? QLatin1Char('/')
                                : code == QLatin1String("5C") ? QLatin1Char('\\')
                                                              : QChar();
            if (!plain.isNull()) {
                name += plain;
                i += 2;
                continue;
            }
        }
        name += key[i];
    }
    return name;
}

}  // namespace

QString SecurityName(TSecurity security) {
    switch (security) {
    case TSecurity::FTPS: return QStringLiteral("FTPS");
    case TSecurity::SFTP: return QStringLiteral("SFTP");
    case TSecurity::WebDAVS: return QStringLiteral("WebDAVS");
    case TSecurity::WebDAV: return QStringLiteral("WebDAV");
    case TSecurity::Git: return QStringLiteral("Git");
    case TSecurity::FTP: break;
    }
    return QStringLiteral("FTP");
}

TSecurity SecurityFromName(const QString& name) {
    if (name.compare(QLatin1String("FTPS"), Qt::CaseInsensitive) == 0) return TSecurity::FTPS;
    if (name.compare(QLatin1String("SFTP"), Qt::CaseInsensitive) == 0) return TSecurity::SFTP;
    if (name.compare(QLatin1String("WebDAVS"), Qt::CaseInsensitive) == 0) return TSecurity::WebDAVS;
    if (name.compare(QLatin1String("WebDAV"), Qt::CaseInsensitive) == 0) return TSecurity::WebDAV;
    if (name.compare(QLatin1String("Git"), Qt::CaseInsensitive) == 0) return TSecurity::Git;
    return TSecurity::FTP;
}

int DefaultPort(TSecurity security) {
    switch (security) {
    case TSecurity::SFTP: return 22;
    case TSecurity::WebDAVS: return 443;
    case TSecurity::WebDAV: return 80;
    case TSecurity::Git: return 443;
    case TSecurity::FTP:
    case TSecurity::FTPS: break;
    }
    return 21;
}

bool IsRepositoryAddress(const QString& address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("ssh")) &&
           !url.host().isEmpty() && url.path().size() > 1 && !url.hasQuery() && !url.hasFragment();
}

bool SplitAddress(const QString& address, int defaultPort, QString& host, int& port) {
    const QString text = address.trimmed();
    QString portText;
    if (text.startsWith(QLatin1Char('['))) {
        // [IPv6 address] with an optional :port after it
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) return false;
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) return false;
            portText = rest.mid(1);
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        host = text.left(colon);
        portText = text.mid(colon + 1);
    } else {
        host = text;  // a name, or an IPv6 address without brackets and port
    }
    port = defaultPort;
    if (!portText.isNull()) {
        bool ok = false;
        port = portText.toInt(&ok);
        if (!ok || port < 1 || port > 65535) return false;
    }
    return !host.isEmpty();
}

TServerList& ServerList() {
    static TServerList list;
    return list;
}

TServerList CopyServerList(const TServerList& list) {
    TServerList copy;
    copy.reserve(list.size());
    for (const auto& s : list) copy.push_back(std::make_unique<tWWWServerType>(*s));
    return copy;
}

QStringList ServerNames() {
    TTarvoReg reg;
    if (!TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return {};
    const QStringList keys = reg.GetKeyNames();
    QStringList ordered;
    // "Order" first, for the names that are still there; then the rest.
    const QStringList order = reg.ReadString(kOrder).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& key : order)
        if (keys.contains(key) && !ordered.contains(key)) ordered << key;
    for (const QString& key : keys)
        if (!ordered.contains(key)) ordered << key;
    QStringList names;
    for (const QString& key : ordered) names << NameForKey(key);
    return names;
}

namespace {

// The server `name` from `reg`, which has "WWWServers" open.
tWWWServerType ReadServerFrom(const TTarvoReg& reg, const QStringList& keys, const QString& name) {
    tWWWServerType server;
    const QString key = KeyForName(name);
    if (name.isEmpty() || !keys.contains(key)) return server;
    const QString at = key + QLatin1Char('/');
    server.Name = name;
    server.Address = reg.ReadString(at + kAddress);
    server.Directory = reg.ReadString(at + kDirectory);
    server.UserName = reg.ReadString(at + kUserName);
    if (reg.ReadString(at + kPasswordStore) == kInKeyring) {
        server.KeyringName = reg.ReadString(at + kKeyringEntry);
        if (server.KeyringName.isEmpty()) server.KeyringName = name;
    } else
        server.Password = ScramblePassword(reg.ReadString(at + kPassword), TScrambleMode::DEC);
    server.URL = reg.ReadString(at + kURL);
    server.Security = SecurityFromName(reg.ReadString(at + kSecurity));
    server.TrustedKey = reg.ReadString(at + kTrustedKey);
    server.HostKey = reg.ReadString(at + kHostKey);
    server.Branch = reg.ReadString(at + kBranch);
    server.WebAddress = reg.ReadString(at + kWebAddress);
    return server;
}

void WriteOrDelete(TTarvoReg& reg, const QString& name, const QString& text) {
    if (text.isEmpty())
        reg.DeleteValue(name);
    else
        reg.WriteString(name, text);
}

}  // namespace

bool TakePasswordReply(tWWWServerType& server, const Keyring::TReply& reply) {
    if (server.KeyringName.isEmpty()) return true;
    // Anything but the password leaves the record pointing at its entry, so
    // that the next save keeps the password the store holds. "Not found"
    // too: a locked store whose unlock prompt was cancelled (or could not
    // be shown) answers so, and taking it for an empty password would lose
    // the real one at the next save.
    if (reply.Result != Keyring::TResult::Ok) return false;
    server.Password = reply.Password;
    server.KeyringName.clear();
    return true;
}

bool FetchPassword(tWWWServerType& server, QString* why) {
    if (server.KeyringName.isEmpty()) return true;
    const Keyring::TReply reply = Keyring::Read(server.KeyringName);
    if (why) *why = reply.Error;
    return TakePasswordReply(server, reply);
}

void SaveServerTrust(const tWWWServerType& server) {
    TTarvoReg reg;
    if (server.Name.isEmpty() || !TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return;
    const QString key = KeyForName(server.Name);
    if (!reg.KeyExists(key)) return;
    const QString at = key + QLatin1Char('/');
    WriteOrDelete(reg, at + kTrustedKey, server.TrustedKey);
    WriteOrDelete(reg, at + kHostKey, server.HostKey);
    reg.Sync();
}

namespace {

// The keyring entries the stored servers' passwords are in, as the store
// says now.
QSet<QString> EntriesInKeyring() {
    QSet<QString> entries;
    TTarvoReg reg;
    if (!TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return entries;
    for (const QString& key : reg.GetKeyNames()) {
        const QString at = key + QLatin1Char('/');
        if (reg.ReadString(at + kPasswordStore) != kInKeyring) continue;
        const QString entry = reg.ReadString(at + kKeyringEntry);
        entries.insert(entry.isEmpty() ? NameForKey(key) : entry);
    }
    return entries;
}

// After the keyring took the password of `name`: the settings point there
// and drop the scrambled copy, unless that server was saved anew meanwhile.
void PasswordMovedToKeyring(const QString& name, const QString& entry, const QString& scrambled) {
    TTarvoReg reg;
    if (!TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return;
    const QString key = KeyForName(name);
    if (!reg.KeyExists(key)) return;
    const QString at = key + QLatin1Char('/');
    if (reg.ReadString(at + kPasswordStore) == kInKeyring || reg.ReadString(at + kPassword) != scrambled) return;
    reg.DeleteValue(at + kPassword);
    reg.WriteString(at + kPasswordStore, kInKeyring);
    WriteOrDelete(reg, at + kKeyringEntry, entry == name ? QString() : entry);
    reg.Sync();
}

// What a save asks of the keyring, decided before the settings are written.
struct TKeyringPlan {
    // Records whose password the keyring holds and was not read: the entry
    // each keeps (a renamed server keeps its old entry).
    QHash<QString, QString> kept;  // server name -> entry
    // Passwords to put in: server name -> (entry, password).
    QHash<QString, std::pair<QString, QString>> writes;
};

TKeyringPlan PlanKeyring(const TServerList& list) {
    TKeyringPlan plan;
    QSet<QString> used;
    for (const auto& s : list)
        if (!s->Name.isEmpty() && !s->KeyringName.isEmpty()) used.insert(s->KeyringName);
    for (const auto& s : list) {
        if (s->Name.isEmpty()) continue;
        // A later record of the same name decides anew.
        plan.kept.remove(s->Name);
        plan.writes.remove(s->Name);
        if (!s->KeyringName.isEmpty()) {
            plan.kept.insert(s->Name, s->KeyringName);
            continue;
        }
        if (s->Password.isEmpty()) continue;
        // Under the server's name, unless another server's kept entry has
        // that name.
        QString entry = s->Name;
        for (int n = 2; used.contains(entry); ++n) entry = s->Name + QStringLiteral(" (%1)").arg(n);
        used.insert(entry);
        plan.writes.insert(s->Name, {entry, s->Password});
    }
    return plan;
}

// The object the keyring's answers to a save come back to.
QObject* SaveContext() {
    static QPointer<QObject> context;
    if (!context) {
        context = new QObject(QCoreApplication::instance());
        context->setObjectName(QStringLiteral("ServerListKeyring"));
    }
    return context;
}

}  // namespace

tWWWServerType ReadServer(const QString& name) {
    TTarvoReg reg;
    if (name.isEmpty() || !TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return {};
    return ReadServerFrom(reg, reg.GetKeyNames(), name);
}

void LoadServerList(TServerList& list) {
    list.clear();
    const QStringList names = ServerNames();
    TTarvoReg reg;
    if (names.isEmpty() || !reg.OpenSection(kServers, false)) return;
    const QStringList keys = reg.GetKeyNames();
    for (const QString& name : names) {
        auto server = std::make_unique<tWWWServerType>(ReadServerFrom(reg, keys, name));
        if (!server->Name.isEmpty()) list.push_back(std::move(server));
    }
}

QString ReadLastServer() {
    TTarvoReg reg;
    if (!TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return {};
    return reg.ReadString(kLastServer);
}

void WriteLastServer(const QString& name) {
    TTarvoReg reg;
    if (reg.OpenSection(kServers, true)) reg.WriteString(kLastServer, name);
}

namespace {

// One server's record under `at` ("<key>/") of the open "WWWServers".
void WriteServerRecord(TTarvoReg& reg, const QString& at, const tWWWServerType& s, const TKeyringPlan& plan) {
    reg.WriteString(at + kAddress, s.Address);
    reg.WriteString(at + kDirectory, s.Directory);
    reg.WriteString(at + kUserName, s.UserName);
    const auto kept = plan.kept.constFind(s.Name);
    if (kept != plan.kept.constEnd()) {
        reg.DeleteValue(at + kPassword);
        reg.WriteString(at + kPasswordStore, kInKeyring);
        WriteOrDelete(reg, at + kKeyringEntry, *kept == s.Name ? QString() : *kept);
    } else {
        // Scrambled until the keyring has taken it, and for good where
        // there is no keyring.
        reg.WriteString(at + kPassword, ScramblePassword(s.Password, TScrambleMode::ENC));
        reg.DeleteValue(at + kPasswordStore);
        reg.DeleteValue(at + kKeyringEntry);
    }
    reg.WriteString(at + kURL, s.URL);
    reg.WriteString(at + kSecurity, SecurityName(s.Security));
    WriteOrDelete(reg, at + kTrustedKey, s.TrustedKey);
    WriteOrDelete(reg, at + kHostKey, s.HostKey);
    WriteOrDelete(reg, at + kBranch, s.Branch);
    WriteOrDelete(reg, at + kWebAddress, s.WebAddress);
}

void HandToKeyring(const TKeyringPlan& plan, const QSet<QString>& wasInKeyring) {
    // The keyring works on its own thread, after the settings are safe:
    // each password it takes leaves the settings, and the entries of
    // servers deleted, renamed or keeping their password in the settings
    // now are removed. Nothing waits for it.
    QSet<QString> stillUsed;
    for (const QString& entry : plan.kept) stillUsed.insert(entry);
    for (auto w = plan.writes.constBegin(); w != plan.writes.constEnd(); ++w) {
        const QString name = w.key(), entry = w->first;
        stillUsed.insert(entry);
        const QString scrambled = ScramblePassword(w->second, TScrambleMode::ENC);
        Keyring::WriteAsync(entry, w->second, SaveContext(), [name, entry, scrambled](const Keyring::TReply& r) {
            if (r.Result == Keyring::TResult::Ok) PasswordMovedToKeyring(name, entry, scrambled);
        });
    }
    for (const QString& entry : wasInKeyring)
        if (!stillUsed.contains(entry)) Keyring::RemoveAsync(entry, SaveContext(), [](const Keyring::TReply&) {});
}

}  // namespace

bool SaveServerList(const TServerList& list, QString* error) {
    const QString lastServer = ReadLastServer();
    const QSet<QString> wasInKeyring = EntriesInKeyring();
    const TKeyringPlan plan = PlanKeyring(list);
    TTarvoReg reg;
    auto failed = [&reg, error] {
        if (error) *error = QCoreApplication::translate("ServerList", "The settings file %1 could not be written.").arg(reg.FileName());
        return false;
    };
    if (!reg.OpenSection(QString(), true)) return failed();
    reg.DeleteKey(kServers);
    QStringList order;
    // One open "WWWServers" serves every record (opening reads the store).
    bool open = false;
    for (const auto& s : list) {
        if (s->Name.isEmpty()) continue;
        if (!open && !(open = reg.OpenSection(kServers, true))) return failed();
        const QString key = KeyForName(s->Name);
        if (!order.contains(key)) order << key;
        WriteServerRecord(reg, key + QLatin1Char('/'), *s, plan);
    }
    if (!lastServer.isEmpty() && !open) open = reg.OpenSection(kServers, true);
    if (open) {
        if (!order.isEmpty()) reg.WriteString(kOrder, order.join(QLatin1Char('/')));
        if (!lastServer.isEmpty()) reg.WriteString(kLastServer, lastServer);
    }
    if (!reg.Sync()) return failed();

    HandToKeyring(plan, wasInKeyring);
    return true;
}

QString ScramblePassword(const QString& text, TScrambleMode mode) {
    if (mode == TScrambleMode::ENC) {
        const QByteArray bytes = XorWithKey(ToStoredText(text));
        QStringList numbers;
        for (char b : bytes) numbers << QString::number(quint8(b));
        QString out = numbers.join(QLatin1Char(','));
        // One number alone would read back as itself; the trailing "," marks
        // it as scrambled.
        if (bytes.size() == 1) out += QLatin1Char(',');
        return out;
    }
    if (!text.contains(QLatin1Char(','))) return text;
    QStringList pieces = text.split(QLatin1Char(','));
    if (pieces.size() == 2 && pieces.constLast().isEmpty()) pieces.removeLast();
    QByteArray bytes;
    for (const QString& piece : pieces) {
        bool ok = false;
        const uint value = piece.toUInt(&ok, 10);
        // Not a list of byte numbers: a plain text, given back as it is.
        if (!ok || value > 255) return text;
        bytes += char(value);
    }
    return FromStoredText(XorWithKey(bytes));
}
