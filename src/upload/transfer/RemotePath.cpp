#include "upload/transfer/RemotePath.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

#include <cstring>

bool HasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')) || s.contains(QChar(0));
}

bool ClimbsUp(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

QString JoinRemote(const QString& current, const QString& folder) {
    QString f = folder.trimmed();
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (f.startsWith(QLatin1Char('/')) || current.isEmpty()) return f;
    if (f.isEmpty()) return current;
    return current + QLatin1Char('/') + f;
}

QString FolderRefusal(const QString& folder) {
    if (HasLineBreak(folder)) return QCoreApplication::translate("FtpClient", "The folder name holds a line break.");
    if (ClimbsUp(folder))
        return QCoreApplication::translate("FtpClient", "The folder \"%1\" is not allowed: it climbs out with \"..\".")
            .arg(folder);
    return QString();
}

QString PlainNameRefusal(const QString& name) {
    if (name.isEmpty() || HasLineBreak(name) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("FtpClient", "The remote name \"%1\" is not a plain file name.").arg(name);
    return QString();
}

QString SendNameRefusal(const QString& remoteName) {
    QString remote = remoteName;
    remote.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString name = remote.mid(remote.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.isEmpty() || HasLineBreak(remote) || name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("FtpClient", "The remote name \"%1\" is not a file name.").arg(remoteName);
    // A file lands inside the current remote folder or a folder below it,
    // never above it nor anywhere from the root.
    if (remote.startsWith(QLatin1Char('/')) || ClimbsUp(remote))
        return QCoreApplication::translate("FtpClient", "The remote name \"%1\" is outside the server folder.")
            .arg(remoteName);
    return QString();
}

QString LoginRefusal(const TFtpLogin& login) {
    if (HasLineBreak(login.Address) || HasLineBreak(login.UserName) || HasLineBreak(login.Password))
        return QCoreApplication::translate("FtpClient", "The server details hold a line break.");
    return QString();
}

QByteArray HostPart(const QString& typed) {
    QString host = typed.trimmed();
    for (const char* scheme : {"ftp://", "ftps://", "sftp://", "davs://", "dav://", "https://", "http://"})
        if (host.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) host = host.mid(int(std::strlen(scheme)));
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        return "[" + host.toLatin1() + "]";
    const QByteArray ace = QUrl::toAce(host);
    return ace.isEmpty() ? QUrl::toPercentEncoding(host) : ace;
}

namespace {

QByteArray EncodeSegments(const QString& folder) {
    QByteArray out;
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts) out += QUrl::toPercentEncoding(p) + '/';
    return out;
}

}  // namespace

QByteArray FolderPath(TSecurity security, const QString& folder) {
    const bool absolute = folder.startsWith(QLatin1Char('/'));
    if (security == TSecurity::SFTP) return (absolute ? "/" : "/~/") + EncodeSegments(folder);
    // A web server has no login folder: every path starts at its root.
    if (security == TSecurity::WebDAV || security == TSecurity::WebDAVS) return "/" + EncodeSegments(folder);
    if (absolute) return "/%2F" + EncodeSegments(folder);
    return "/" + EncodeSegments(folder);
}

QByteArray SftpPath(const QString& folder, const QString& name) {
    QString path = folder;
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1) path.chop(1);
    if (!name.isEmpty()) path = path.isEmpty() ? name : path + QLatin1Char('/') + name;
    if (path.isEmpty()) path = QStringLiteral(".");
    QByteArray out = "\"";
    for (const char c : path.toUtf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}
