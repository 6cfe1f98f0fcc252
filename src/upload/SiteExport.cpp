#include "upload/SiteExport.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/HtmlCommand.h"
#include "docs/SafeWrite.h"
#include "html/PageEncoding.h"
#include "upload/UploadCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

TExportResult ExportSite(const std::vector<TUploadFile>& plan, const QString& folder) {
    TExportResult result;
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    for (const TUploadFile& f : plan) {
        if (!f.Refused.isEmpty()) {
            result.Failed << f.Remote + QStringLiteral(": ") + f.Refused;
            continue;
        }
        const QString target = QDir::cleanPath(root + QLatin1Char('/') + f.Remote);
        if (!target.startsWith(root + QLatin1Char('/'))) {
            result.Failed << f.Remote + QStringLiteral(": ") +
                                 QCoreApplication::translate("SiteExport", "outside the chosen folder");
            continue;
        }
        QFile in(f.Local);
        if (!in.open(QIODevice::ReadOnly)) {
            result.Failed << f.Remote + QStringLiteral(": ") + in.errorString();
            continue;
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        const TWriteOutcome written = WriteFileChecked(target, in.readAll());
        if (written.ok)
            result.Written << f.Remote;
        else
            result.Failed << f.Remote + QStringLiteral(": ") + written.reason;
    }
    return result;
}

QString WriteDocumentPage(const QString& document, bool logo, QTextStream& err) {
    TPageReadOutcome read;
    const QString html = PageHtmlOfDocument(document, logo, read);
    if (read.Result != TPageReadResult::Ok) {
        err << "tarvo: " << read.Message << Qt::endl;
        return QString();
    }
    const QString pageFile = JoinPath(HTMLDir(), PageFileName(document));
    const TWriteOutcome written = WriteFileChecked(pageFile, EncodePageHTML(html).Bytes);
    if (!written.ok) {
        err << "tarvo: " << written.Message(QDir::toNativeSeparators(pageFile)) << Qt::endl;
        return QString();
    }
    return pageFile;
}

int RunExportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList positional;
    bool logo = true;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-logo"))
            logo = false;
        else if (args[i].startsWith(QLatin1Char('-')) || args[i].isEmpty())
            positional << QString();  // makes the count wrong
        else
            positional << args[i];
    }
    if (positional.size() != 2 || positional.contains(QString())) {
        err << "usage: tarvo --export DOCUMENT DIR [--no-logo]" << Qt::endl;
        return ucUsage;
    }
    const QString pageFile = WriteDocumentPage(positional[0], logo, err);
    if (pageFile.isEmpty()) return ucDocument;
    const TExportResult result =
        ExportSite(MakeUploadPlan(pageFile, BuildSiteList(pageFile)), positional[1]);
    for (const QString& name : result.Written) out << name << Qt::endl;
    for (const QString& failure : result.Failed) err << "tarvo: not written: " << failure << Qt::endl;
    return result.ok() ? ucOk : ucFile;
}
