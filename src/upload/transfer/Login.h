#pragma once
// Where and as whom the transfer layer logs in.

#include <QString>

// How a server is reached.
enum class TSecurity { FTP, FTPS, SFTP, WebDAVS, WebDAV };

struct TFtpLogin {
    QString Address;  // host name or address
    int Port = 21;
    QString UserName;
    QString Password;
    TSecurity Security = TSecurity::FTP;
    QString TrustedKey;  // FTPS, WebDAVS: "sha256//<base64>", a public key accepted without the store
    QString HostKey;     // SFTP: "SHA256:<base64>", the host key accepted
};
