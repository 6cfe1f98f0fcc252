#pragma once
// The user's list of WWW servers (the FTP hosts pages are uploaded to) and
// its place in the settings store:
//
//   [WWWServers]
//   LastServer=<the name last chosen in the Send stage's box>
//   Order=<the servers' names in the user's order, joined by "/">
//   [WWWServers/<Name>]
//   Address=<host or host:port>, Directory=, UserName=, URL=
//   Password=<scrambled>            only when the password is not in the keyring
//   PasswordStore=Keyring           the password is in the desktop's keyring
//   KeyringEntry=<entry>            its entry there, when not the server's name
//   Security=FTP|FTPS|SFTP|Git      missing: FTP (lists written before it)
//   Branch=<name>                   Git: the branch published to (Address is then
//                                   the repository's address)
//   TrustedKey=sha256//<base64>     FTPS: the certificate key the user trusted
//   HostKey=SHA256:<base64>         SFTP: the host key met on first contact
//   WebAddress=<https://...>        where the server folder is seen on the web, as
//                                   the user gave it (missing: not known)
//
// The store gives sub-sections back sorted, so the user's order is kept in
// "Order"; a list written without it loads in the store's order. A name
// holding "/", "\" or "%" is written with those three as %2F, %5C and %25,
// because the store would otherwise read them as section separators.

#include "upload/transfer/Login.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

QString SecurityName(TSecurity security);              // "FTP", "FTPS", "SFTP", "Git"
TSecurity SecurityFromName(const QString& name);       // anything unknown: FTP
int DefaultPort(TSecurity security);                   // 21, 21, 22; Git 443

// One server. The password is plain in memory; in the store it is in the
// desktop's keyring where there is one, else scrambled in the settings.
struct tWWWServerType {
    QString Name;       // the description shown in the lists; identifies the server
    QString Address;    // host name or address of the FTP server
    QString Directory;  // remote folder to change to after logging in
    QString UserName;
    QString Password;
    QString URL;        // the user's site, where the uploaded page can be seen
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS: pinned public key of a certificate the user trusted
    QString HostKey;     // SFTP: the host key fingerprint trusted on first contact
    QString Branch;      // Git: the branch the files go to
    // Where the server folder is seen on the web, as the user confirmed it
    // ("" not known). Unlike URL, which is a guess made from the address
    // when the user gives none, this is never filled in by the program.
    QString WebAddress;
    // The entry under which the keyring holds this record's password while
    // it has not been read yet ("" when Password holds it). The keyring is
    // asked only when the password is needed, not when the list is loaded.
    QString KeyringName;

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

namespace Keyring {
struct TReply;
}

// Takes the keyring's answer to a read of `server`'s entry: the password.
// Any other answer (no store, no unlock, no such entry) changes nothing and
// gives false: the record still names its entry, so a later save keeps the
// password the keyring holds; a password typed anew replaces it.
bool TakePasswordReply(tWWWServerType& server, const Keyring::TReply& reply);
// The same, waiting (bounded) for the keyring: for callers without a window.
// `why` receives the keyring's reason on failure.
bool FetchPassword(tWWWServerType& server, QString* why = nullptr);

// Writes the trust values (TrustedKey, HostKey) of `server` into its stored
// record, leaving everything else as it is.
void SaveServerTrust(const tWWWServerType& server);

// The host and port of an address typed as "host", "host:port" or, for an
// IPv6 address, "[addr]:port". False when the port is not 1 to 65535 or the
// host is empty; a missing port gives `defaultPort`.
bool SplitAddress(const QString& address, int defaultPort, QString& host, int& port);
// A Git repository's address: https:// or ssh:// with a host and a path.
bool IsRepositoryAddress(const QString& address);

// Empties `list` and fills it with every stored server, in order.
void LoadServerList(TServerList& list);

// Replaces the stored list by `list`. The settings are written at once, each
// password read into memory scrambled; the keyring then takes those
// passwords on its own thread, and each it takes leaves the settings (where
// there is no keyring they stay scrambled there). Passwords the keyring
// holds and nobody read stay where they are; the entries of deleted servers
// are removed. Records with an empty
// name are left out; of two with the same name the later one's fields are
// stored, at the first one's place. "LastServer" is kept as it was, even when no server of
// that name remains. False when the settings store could not be written;
// `error` then says why in plain words.
bool SaveServerList(const TServerList& list, QString* error = nullptr);

// The remembered choice of the Send stage's box ("" when none); reading
// creates nothing.
QString ReadLastServer();
void WriteLastServer(const QString& name);

// Passwords as stored: "ENC" turns a plain password into decimal byte
// numbers joined by ",", "DEC" turns them back. The bytes are those of
// ToStoredText (app/Utils.h), so any character survives. A text without "," decodes
// to itself, as does one that is not a list of byte numbers. A one-character
// password is encoded with a trailing "," so that it decodes as itself.
enum class TScrambleMode { ENC, DEC };
QString ScramblePassword(const QString& text, TScrambleMode mode);
