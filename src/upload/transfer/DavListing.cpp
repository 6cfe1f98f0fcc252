#include "upload/transfer/DavListing.h"

#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");

// One <response> element as it is read.
struct TResponse {
    QString Href;
    bool Collection = false;
    qint64 Size = -1;
};

// The decoded URL path of an href, which may be a path or a whole URL.
QString HrefPath(const QString& href) {
    const QUrl url(href.trimmed());
    return url.path(QUrl::FullyDecoded);
}

// The entry's name when `path` lies directly inside `folder` (both
// decoded, the folder ending in "/"); "" otherwise.
QString NameInside(QString path, const QString& folder) {
    if (!path.startsWith(folder)) return QString();
    path.remove(0, folder.size());
    if (path.endsWith(QLatin1Char('/'))) path.chop(1);
    if (path.isEmpty() || path.contains(QLatin1Char('/')) || path == QLatin1String(".") ||
        path == QLatin1String(".."))
        return QString();
    return path;
}

void ReadResponse(QXmlStreamReader& xml, TResponse& r) {
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != kDav) {
            xml.skipCurrentElement();
            continue;
        }
        const QStringView name = xml.name();
        if (name == QLatin1String("href")) {
            r.Href = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("collection")) {
            r.Collection = true;
            xml.skipCurrentElement();
        } else if (name == QLatin1String("getcontentlength")) {
            bool ok = false;
            const qint64 size = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toLongLong(&ok);
            if (ok && size >= 0) r.Size = size;
        } else if (name == QLatin1String("propstat") || name == QLatin1String("prop") ||
                   name == QLatin1String("resourcetype")) {
            ReadResponse(xml, r);  // the properties sit a few levels down
        } else {
            xml.skipCurrentElement();
        }
    }
}

}  // namespace

bool ParseDavListing(const QByteArray& text, const QByteArray& folderPath, std::vector<TRemoteEntry>& out) {
    out.clear();
    QString folder = QUrl::fromPercentEncoding(folderPath);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("multistatus")) return false;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("response") || xml.namespaceUri() != kDav) {
            xml.skipCurrentElement();
            continue;
        }
        TResponse r;
        ReadResponse(xml, r);
        const QString name = NameInside(HrefPath(r.Href), folder);
        if (name.isEmpty()) continue;
        TRemoteEntry e;
        e.Name = name;
        e.Folder = r.Collection;
        e.Size = r.Collection ? -1 : r.Size;
        out.push_back(e);
    }
    // A reply cut off or not well formed lists nothing rather than half.
    if (!xml.hasError()) return true;
    out.clear();
    return false;
}

QByteArray DavListingQuery() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<D:propfind xmlns:D=\"DAV:\"><D:prop><D:resourcetype/><D:getcontentlength/></D:prop></D:propfind>";
}
