#pragma once
// Remote names and paths: how they are checked before anything is sent,
// and how they are written into the transfer library's URLs and SFTP
// commands.

#include "upload/transfer/Login.h"

#include <QByteArray>
#include <QString>

// A name holding a line break or a NUL, which would smuggle a command to
// the server.
bool HasLineBreak(const QString& s);
// A remote path with a ".." step, which could lead above the folder it
// starts from.
bool ClimbsUp(QString path);

// `folder` relative to `current` (absolute when it starts with "/"), with
// "\" read as "/".
QString JoinRemote(const QString& current, const QString& folder);

// Why a request may not go, in plain words; "" when it may. A folder (for
// entering, making, listing), a plain file name in the current folder (for
// writing or removing as it is), the remote name of a file sent (relative,
// never climbing out), the log-in's details.
QString FolderRefusal(const QString& folder);
QString PlainNameRefusal(const QString& name);
QString SendNameRefusal(const QString& remote);
QString LoginRefusal(const TFtpLogin& login);

// The host as the URL needs it: a typed "ftp://" (or "ftps://", "sftp://")
// and trailing "/" dropped, IPv6 addresses in brackets, international
// names in their ASCII form.
QByteArray HostPart(const QString& typed);
// The URL path of a remote folder: relative folders start at the login
// folder, absolute ones at the root (over WebDAV, which has no login
// folder, both start at the web server's root). Over FTP "%2F" makes the first step
// "CWD /"; over SFTP every path is absolute and "~" is the login folder.
QByteArray FolderPath(TSecurity security, const QString& folder);
// A remote path for an SFTP command ("rm", "rename", "mkdir"), quoted so
// that spaces and quotes in names survive; relative paths start at the
// login folder.
QByteArray SftpPath(const QString& folder, const QString& name);
