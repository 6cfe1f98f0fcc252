#include "upload/UploadList.h"

#include "app/Utils.h"
#include "viewer/HtmlEncoding.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

QString PageFileName(const QString& docFileName) {
    return StripExtension(QFileInfo(docFileName).fileName()) + QStringLiteral(".html");
}

namespace {

// Comments that hold tags are cut out, from their "<" through "-->", so
// that commented-out tags send no files.
QString WithoutTagComments(const QString& text) {
    QString t = text;
    int from = 0;
    for (;;) {
        const int open = t.indexOf(QLatin1String("<!--"), from);
        if (open < 0) break;
        const int close = t.indexOf(QLatin1String("-->"), open + 4);
        if (close < 0) break;
        const QStringView inside = QStringView(t).mid(open + 4, close - open - 4);
        if (inside.contains(QLatin1Char('<')) && inside.contains(QLatin1Char('>'))) {
            t.remove(open, close + 3 - open);
            from = open;
        } else {
            from = close + 3;
        }
    }
    return t;
}

// Values that name something on the web, not a file beside the page: an
// address with a scheme other than "file", or one that starts with "//".
bool IsWebAddress(const QString& value) {
    const QString v = value.trimmed();
    if (v.startsWith(QLatin1String("//"))) return true;
    const int scheme = v.indexOf(QLatin1String("://"));
    if (scheme < 0) return false;
    return !v.left(scheme).trimmed().startsWith(QLatin1String("file"), Qt::CaseInsensitive);
}

// A reference written in a page of the subfolder `folder` ("" the page's
// own folder, else "more/") as a path from the page's folder. A reference
// that is absolute (or names a drive or scheme) is kept as written, and
// refused as such.
QString FromFolder(const QString& folder, const QString& reference) {
    if (folder.isEmpty()) return reference;
    QString r = StripQuotes(reference.trimmed());
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype colon = r.indexOf(QLatin1Char(':')), slash = r.indexOf(QLatin1Char('/'));
    if (r.startsWith(QLatin1Char('/')) || (colon >= 0 && (slash < 0 || colon < slash))) return reference;
    return folder + r;
}

// The folder part of a path below the page's folder: "more/" for
// "more/contact.html", "" for "about.html".
QString FolderOf(const QString& inside) { return inside.left(inside.lastIndexOf(QLatin1Char('/')) + 1); }

// A local file is listed once, and so is a refused reference: the entries
// are noted by what makes two the same (a refused reference by its words,
// any other by its local file), so that a page of many pictures is listed
// in linear time.
class TListed {
public:
    // Whether an entry the same as `d` is listed already; notes it if not.
    bool Seen(const ResourceDetail& d) {
        const QString key = QString::number(int(d.State)) + QLatin1Char('\n') +
                            (d.State == TUploadState::Refused ? d.Remote : d.Local);
        if (keys_.contains(key)) return true;
        keys_.insert(key);
        return false;
    }

private:
    QSet<QString> keys_;
};

// Adds the files `text` (a page in `folder`, comments already cut out)
// references to `list`, each local file and each refused reference once.
void AddReferences(UploadList& list, TListed& listed, const QString& text, const QString& pageFile,
                   const QString& folder) {
    auto add = [&](const QString& value) {
        ResourceDetail d;
        // "caf%C3%A9.png" is the file "café.png", here and on the server.
        const TResolvedReference ref = ResolveReference(pageFile, FromFolder(folder, FileNameOfReference(value)));
        if (ref.Refused()) {
            d.State = TUploadState::Refused;
            d.Reason = ref.Refusal;
            d.Remote = value;
        } else {
            d.Local = ref.Local;
            d.Remote = ref.Inside;
        }
        if (!listed.Seen(d)) list.push_back(d);
    };
    // Every value is read where it stands, so that a page of many pictures
    // costs time in proportion to its size.
    for (const QString& name : {QStringLiteral("src"), QStringLiteral("background")}) {
        for (qsizetype from = 0; from < text.size();) {
            const QString value = TagAttributeFrom(text, name, from, &from);
            if (value.isEmpty() || IsWebAddress(value)) continue;
            add(value);
        }
    }
    // The page's icon is a file of the page like its pictures.
    static const QRegularExpression link(QStringLiteral("<link\\s[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString tag = it.next().captured(0);
        const QStringList rel = GetTagAttribute(tag, QStringLiteral("rel")).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString value = GetTagAttribute(tag, QStringLiteral("href"));
        if (!rel.contains(QLatin1String("icon")) || value.isEmpty() || IsWebAddress(value) ||
            value.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            continue;
        add(value);
    }
}

}  // namespace

UploadList BuildUploadList(const QString& pageText, const QString& pageFile) {
    UploadList list;
    TListed listed;
    AddReferences(list, listed, WithoutTagComments(pageText), pageFile, QString());
    return list;
}

UploadList BuildUploadListFromFile(const QString& pageFile) {
    QString text;
    LoadFileText(pageFile, text);
    return BuildUploadList(text, pageFile);
}

QStringList PageLinks(const QString& pageText) {
    static const QRegularExpression anchor(
        QStringLiteral("<a\\s[^>]*?\\bhref\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    QStringList links;
    QSet<QString> linked;
    const QString text = WithoutTagComments(pageText);
    for (auto it = anchor.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString link = m.captured(1) + m.captured(2) + m.captured(3);
        link = link.trimmed();
        static const QRegularExpression fragmentOrQuery(QStringLiteral("[#?]"));
        const qsizetype cut = link.indexOf(fragmentOrQuery);
        if (cut >= 0) link.truncate(cut);
        if (link.isEmpty() || link.startsWith(QLatin1String("//")) || link.startsWith(QLatin1String("\\\\")) ||
            scheme.match(link).hasMatch())
            continue;
        link = FileNameOfReference(link);
        const QString suffix = QFileInfo(link).suffix().toLower();
        if (suffix != QLatin1String("html") && suffix != QLatin1String("htm")) continue;
        if (!linked.contains(link)) {
            linked.insert(link);
            links << link;
        }
    }
    return links;
}

UploadList BuildSiteList(const QString& pageFile, const QString& pageRemote) {
    const QString sentAs = pageRemote.isEmpty() ? QFileInfo(pageFile).fileName().remove(QLatin1Char(' ')) : pageRemote;
    UploadList list;
    TListed listed;
    // Pages still to read: the local file and its folder below the page's.
    std::vector<std::pair<QString, QString>> pages{{pageFile, QString()}};
    // Pages are followed once each by what they are on disk, so a folder
    // that links to itself cannot make the walk endless.
    const QString start = QFileInfo(pageFile).canonicalFilePath();
    QSet<QString> followed{start};
    for (size_t next = 0; next < pages.size(); ++next) {
        const auto [file, folder] = pages[next];
        QString text;
        LoadFileText(file, text);
        text = WithoutTagComments(text);
        AddReferences(list, listed, text, pageFile, folder);
        for (const QString& link : PageLinks(text)) {
            const TResolvedReference ref = ResolveReference(pageFile, FromFolder(folder, link));
            ResourceDetail d;
            d.FileKind = QStringLiteral("html");
            if (ref.Refused()) {
                d.State = TUploadState::Refused;
                d.Reason = ref.Refusal;
                d.Remote = link;
            } else {
                const QString canonical = QFileInfo(ref.Local).canonicalFilePath();
                if (ref.Local == pageFile || (!canonical.isEmpty() && canonical == start)) {
                    // A link back to the page itself. The page goes up under
                    // the name it is sent as; where a link names it as it
                    // is here ("my%20page.html", "Index.html"), a copy goes
                    // up under that name too, so that the link works on the
                    // server.
                    d.Local = pageFile;
                    d.Remote = ref.Inside;
                    if (d.Remote != sentAs && !listed.Seen(d)) list.push_back(d);
                    continue;
                }
                if (!canonical.isEmpty() && followed.contains(canonical)) continue;
                followed.insert(canonical);
                d.Local = ref.Local;
                d.Remote = ref.Inside;
                if (!QFileInfo(ref.Local).isFile()) {
                    d.State = TUploadState::Missing;
                    d.Reason = QCoreApplication::translate("UploadList", "the page does not exist");
                }
            }
            if (listed.Seen(d)) continue;
            list.push_back(d);
            if (d.State == TUploadState::ToSend) pages.emplace_back(d.Local, FolderOf(d.Remote));
        }
    }
    return list;
}

bool IsBinaryTransfer(const QString& fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    static const QStringList text = {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("txt"),
                                     QStringLiteral("doc"), QStringLiteral("shtml")};
    return !text.contains(ext);
}
