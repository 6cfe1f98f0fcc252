#include "upload/UploadList.h"

#include "app/Utils.h"
#include "viewer/HtmlEncoding.h"

#include <QFileInfo>

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

}  // namespace

UploadList BuildUploadList(const QString& pageText, const QString& pageFile) {
    UploadList list;
    const QString text = WithoutTagComments(pageText);
    auto add = [&](const QString& value) {
        ResourceDetail d;
        const TResolvedReference ref = ResolveReference(pageFile, FileNameOfReference(value));
        // "caf%C3%A9.png" is the file "café.png", here and on the server.
        if (ref.Refused()) {
            d.State = TUploadState::Refused;
            d.Reason = ref.Refusal;
            d.Remote = value;
        } else {
            d.Local = ref.Local;
            d.Remote = ref.Inside;
        }
        for (const ResourceDetail& e : list)
            if (e.State == d.State && (d.State == TUploadState::Refused ? e.Remote == d.Remote : e.Local == d.Local))
                return;
        list.push_back(d);
    };
    for (const QString& name : {QStringLiteral("src"), QStringLiteral("background")}) {
        QString rest = text;
        for (;;) {
            const int at = rest.indexOf(name, 0, Qt::CaseInsensitive);
            if (at < 0) break;
            const QString value = GetTagAttribute(rest, name);
            rest = rest.mid(at + name.size() + value.size());
            if (value.isEmpty() || IsWebAddress(value)) continue;
            add(value);
        }
    }
    return list;
}

UploadList BuildUploadListFromFile(const QString& pageFile) {
    QString text;
    LoadFileText(pageFile, text);
    return BuildUploadList(text, pageFile);
}

bool IsBinaryTransfer(const QString& fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    static const QStringList text = {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("txt"),
                                     QStringLiteral("doc"), QStringLiteral("shtml")};
    return !text.contains(ext);
}

std::vector<TUploadFile> MakeUploadPlan(const QString& htmlDir, const QString& pageFile, const UploadList& list) {
    std::vector<TUploadFile> plan;
    for (const ResourceDetail& e : list) {
        TUploadFile f;
        if (e.State == TUploadState::Refused) {
            f.Remote = e.Remote;
            f.Refused = e.Reason;
            plan.push_back(f);
            continue;
        }
        f.Remote = e.Remote.toLower();
        // The program keeps its copies of pictures in lower case; a file
        // that exists only under its written name is still found.
        QString lower = f.Remote;
        lower.replace(QLatin1Char('/'), PathSep());
        f.Local = JoinPath(htmlDir, lower);
        if (!QFileInfo::exists(f.Local) && QFileInfo::exists(e.Local)) f.Local = e.Local;
        f.Binary = IsBinaryTransfer(f.Local);
        plan.push_back(f);
    }
    // The page the visitor opens goes last, once everything it shows is
    // there.
    TUploadFile page;
    page.Local = pageFile;
    page.Remote = QFileInfo(pageFile).fileName().remove(QLatin1Char(' '));
    page.Binary = IsBinaryTransfer(page.Local);
    plan.push_back(page);
    return plan;
}
