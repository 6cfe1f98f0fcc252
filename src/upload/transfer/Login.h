#pragma once
// Where and as whom the transfer layer logs in.

#include <QString>

// How a server is reached.
enum class TSecurity { FTP, FTPS, SFTP, WebDAVS, WebDAV, Git };

// The server shows an SSH host key (else a certificate): SFTP, and Git
// over SSH.
inline bool ShowsHostKey(TSecurity security, const QString& address) {
    return security == TSecurity::SFTP ||
           (security == TSecurity::Git && address.startsWith(QLatin1String("ssh://"), Qt::CaseInsensitive));
}

struct TFtpLogin {
    QString Address;  // host name or address
    int Port = 21;
    QString UserName;
    QString Password;
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS, WebDAVS, Git over HTTPS: "sha256//<base64>", a public key accepted without the store
    QString HostKey;     // SFTP, Git over SSH: "SHA256:<base64>", the host key accepted
    // Git: Address is the repository's whole address ("https://host/path/repo.git"
    // or "ssh://host:port/path/repo.git"), Port unused, and the files go to
    // this branch.
    QString Branch;
};
