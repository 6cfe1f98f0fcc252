#include "upload/ServerList.h"

#include "app/Settings.h"
#include "app/Utils.h"
#include "upload/Keyring.h"

#include <QSet>

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
const QString kTrustedKey = QStringLiteral("TrustedKey");
const QString kHostKey = QStringLiteral("HostKey");
const QString kPasswordStore = QStringLiteral("PasswordStore");
const QString kInKeyring = QStringLiteral("Keyring");

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
    case TSecurity::FTP: break;
    }
    return QStringLiteral("FTP");
}

TSecurity SecurityFromName(const QString& name) {
    if (name.compare(QLatin1String("FTPS"), Qt::CaseInsensitive) == 0) return TSecurity::FTPS;
    if (name.compare(QLatin1String("SFTP"), Qt::CaseInsensitive) == 0) return TSecurity::SFTP;
    return TSecurity::FTP;
}

int DefaultPort(TSecurity security) { return security == TSecurity::SFTP ? 22 : 21; }

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
    if (reg.ReadString(at + kPasswordStore) == kInKeyring)
        server.KeyringName = name;
    else
        server.Password = ScramblePassword(reg.ReadString(at + kPassword), TScrambleMode::DEC);
    server.URL = reg.ReadString(at + kURL);
    server.Security = SecurityFromName(reg.ReadString(at + kSecurity));
    server.TrustedKey = reg.ReadString(at + kTrustedKey);
    server.HostKey = reg.ReadString(at + kHostKey);
    return server;
}

void WriteOrDelete(TTarvoReg& reg, const QString& name, const QString& text) {
    if (text.isEmpty())
        reg.DeleteValue(name);
    else
        reg.WriteString(name, text);
}

}  // namespace

void FetchPassword(tWWWServerType& server) {
    if (server.KeyringName.isEmpty()) return;
    server.Password = Keyring::Read(server.KeyringName).value_or(QString());
    server.KeyringName.clear();
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

// The names whose passwords the keyring holds, as the store says now.
QSet<QString> NamesInKeyring() {
    QSet<QString> names;
    TTarvoReg reg;
    if (!TTarvoReg::RootExists() || !reg.OpenSection(kServers, false)) return names;
    for (const QString& key : reg.GetKeyNames())
        if (reg.ReadString(key + QLatin1Char('/') + kPasswordStore) == kInKeyring) names.insert(NameForKey(key));
    return names;
}

// Brings the keyring in line with `list` before the settings are written:
// the passwords of renamed servers are read under their old names first (so
// that two servers that swap names keep their own), then every password held
// in memory is written under its server's name. Returns the names whose
// passwords the keyring now holds. Records whose password was read hold it
// in memory afterwards.
QSet<QString> StorePasswords(const TServerList& list) {
    for (const auto& s : list)
        if (!s->Name.isEmpty() && !s->KeyringName.isEmpty() && s->KeyringName != s->Name) FetchPassword(*s);
    QSet<QString> inKeyring;
    bool keyringUp = true;  // after the first refusal the store is not asked again
    for (const auto& s : list) {
        if (s->Name.isEmpty()) continue;
        if (!s->KeyringName.isEmpty()) {
            inKeyring.insert(s->Name);  // there already, under this name
            continue;
        }
        inKeyring.remove(s->Name);  // a later record of the same name decides anew
        if (s->Password.isEmpty() || !keyringUp) continue;
        if (Keyring::Write(s->Name, s->Password))
            inKeyring.insert(s->Name);
        else
            keyringUp = false;
    }
    return inKeyring;
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

void SaveServerList(const TServerList& list) {
    const QString lastServer = ReadLastServer();
    const QSet<QString> wasInKeyring = NamesInKeyring();
    const QSet<QString> inKeyring = StorePasswords(list);
    TTarvoReg reg;
    if (!reg.OpenSection(QString(), true)) return;
    reg.DeleteKey(kServers);
    QStringList order;
    // One open "WWWServers" serves every record (opening reads the store).
    bool open = false;
    for (const auto& s : list) {
        if (s->Name.isEmpty()) continue;
        if (!open && !(open = reg.OpenSection(kServers, true))) return;
        const QString key = KeyForName(s->Name);
        if (!order.contains(key)) order << key;
        const QString at = key + QLatin1Char('/');
        reg.WriteString(at + kAddress, s->Address);
        reg.WriteString(at + kDirectory, s->Directory);
        reg.WriteString(at + kUserName, s->UserName);
        if (inKeyring.contains(s->Name)) {
            reg.DeleteValue(at + kPassword);
            reg.WriteString(at + kPasswordStore, kInKeyring);
        } else {
            reg.WriteString(at + kPassword, ScramblePassword(s->Password, TScrambleMode::ENC));
            reg.DeleteValue(at + kPasswordStore);
        }
        reg.WriteString(at + kURL, s->URL);
        reg.WriteString(at + kSecurity, SecurityName(s->Security));
        WriteOrDelete(reg, at + kTrustedKey, s->TrustedKey);
        WriteOrDelete(reg, at + kHostKey, s->HostKey);
    }
    // Entries of servers that were deleted, renamed or that now keep their
    // password in the settings.
    for (const QString& name : wasInKeyring)
        if (!inKeyring.contains(name)) Keyring::Remove(name);
    if (!lastServer.isEmpty() && !open) open = reg.OpenSection(kServers, true);
    if (!open) return;
    if (!order.isEmpty()) reg.WriteString(kOrder, order.join(QLatin1Char('/')));
    if (!lastServer.isEmpty()) reg.WriteString(kLastServer, lastServer);
    reg.Sync();
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
