#pragma once
// The user's list of WWW servers (the FTP hosts pages are uploaded to) and
// its place in the settings store:
//
//   [WWWServers]
//   LastServer=<the name last chosen in the Send stage's box>
//   Order=<the servers' names in the user's order, joined by "/">
//   [WWWServers/<Name>]
//   Address=, Directory=, UserName=, Password=<scrambled>, URL=
//
// The store gives sub-sections back sorted, so the user's order is kept in
// "Order"; a list written without it loads in the store's order. A name
// holding "/", "\" or "%" is written with those three as %2F, %5C and %25,
// because the store would otherwise read them as section separators.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One server. The password is plain in memory and scrambled in the store.
struct tWWWServerType {
    QString Name;       // the description shown in the lists; identifies the server
    QString Address;    // host name or address of the FTP server
    QString Directory;  // remote folder to change to after logging in
    QString UserName;
    QString Password;
    QString URL;        // the user's site, where the uploaded page can be seen

    bool operator==(const tWWWServerType&) const = default;
};

// An ordered list of servers that owns its records.
using TServerList = std::vector<std::unique_ptr<tWWWServerType>>;

// The program's server list, read at start-up by the Send stage and replaced
// when the server wizard saves. Its order is the order of the Send stage's
// box and of the wizard's list.
TServerList& ServerList();

// A deep copy.
TServerList CopyServerList(const TServerList& list);

// The names of the stored servers in the user's order (servers missing from
// "Order" follow in the store's order). Empty when "WWWServers" does not
// exist; reading never creates it.
QStringList ServerNames();

// The stored server of that name with its password unscrambled; missing
// values are empty. An empty name or one that is not stored gives a record
// whose six fields are all empty. Creates nothing.
tWWWServerType ReadServer(const QString& name);

// Empties `list` and fills it with every stored server, in order.
void LoadServerList(TServerList& list);

// Replaces the stored list by `list` (records with an empty name are left
// out; of two with the same name the later one's fields are stored, at the
// first one's place). "LastServer" is kept as it was, even when no server of
// that name remains. Failures are silent.
void SaveServerList(const TServerList& list);

// The remembered choice of the Send stage's box ("" when none); reading
// creates nothing.
QString ReadLastServer();
void WriteLastServer(const QString& name);

// Passwords as stored: "ENC" turns a plain password into decimal byte
// numbers joined by ",", "DEC" turns them back. A text without "," decodes
// to itself, as does one that is not a list of byte numbers. A one-character
// password is encoded with a trailing "," so that it decodes as itself.
enum class TScrambleMode { ENC, DEC };
QString ScramblePassword(const QString& text, TScrambleMode mode);
