#include "upload/SiteExport.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/HtmlCommand.h"
#include "app/SafeWrite.h"
#include "html/BodyStyle.h"
#include "html/PageEncoding.h"
#include "html/SiteMenu.h"
#include "upload/UploadCommand.h"
#include "upload/UploadPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString ExportTarget(const QString& root, const QString& remote) {
    const QString target = QDir::cleanPath(root + QLatin1Char('/') + remote);
    return target.startsWith(root + QLatin1Char('/')) ? target : QString();
}

QByteArray ReadWhole(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

}  // namespace

QStringList ExportWouldReplace(const std::vector<TUploadFile>& plan, const QString& folder) {
    QStringList names;
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    for (const TUploadFile& f : plan) {
        const QString target = ExportTarget(root, f.Remote);
        if (!f.Refused.isEmpty() || target.isEmpty()) continue;
        const QFileInfo there(target);
        if (!there.exists() && !there.isSymLink()) continue;
        // The same bytes again lose nothing.
        if (there.isFile() && !there.isSymLink() && there.size() == QFileInfo(f.Local).size() &&
            ReadWhole(target) == ReadWhole(f.Local))
            continue;
        names << f.Remote;
    }
    return names;
}

TExportResult ExportSite(const std::vector<TUploadFile>& plan, const QString& folder) {
    TExportResult result;
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    // The chosen folder itself may be reached through a link (the user
    // chose it); what is below it may not.
    const TWriteOutcome made = MakeFolderChecked(root);
    for (const TUploadFile& f : plan) {
        if (!made.ok) {
            result.Failed << f.Remote + QStringLiteral(": ") + made.reason;
            continue;
        }
        if (!f.Refused.isEmpty()) {
            result.Failed << f.Remote + QStringLiteral(": ") + f.Refused;
            continue;
        }
        const QString target = ExportTarget(root, f.Remote);
        if (target.isEmpty()) {
            result.Failed << f.Remote + QStringLiteral(": ") +
                                 QCoreApplication::translate("SiteExport", "outside the chosen folder");
            continue;
        }
        QFile in(f.Local);
        if (!in.open(QIODevice::ReadOnly)) {
            result.Failed << f.Remote + QStringLiteral(": ") + in.errorString();
            continue;
        }
        // Neither a folder nor a file of the export may be a link: what is
        // written lands in the chosen folder on the disk, nowhere else.
        TWriteOutcome written = MakeFolderChecked(QFileInfo(target).absolutePath(), root);
        if (written.ok) written = WriteFileChecked(target, in.readAll(), {root, false});
        if (written.ok)
            result.Written << f.Remote;
        else
            result.Failed << f.Remote + QStringLiteral(": ") + written.reason;
    }
    return result;
}

QString WriteDocumentPage(const QString& document, bool logo, QTextStream& err) {
    TPageReadOutcome read;
    QString html = PageHtmlOfDocument(document, logo, read);
    if (read.Result != TPageReadResult::Ok) {
        err << "tarvo: " << read.Message << Qt::endl;
        return QString();
    }
    const QString pageFile = JoinPath(HTMLDir(), PageFileName(document));
    // The window writes the page's HTML file whenever it saves the document,
    // hand edits included: such a file, as new as the document or newer, is
    // the page the user last saw and is sent as it is. Only a missing or an
    // older file is made from the blocks.
    const QFileInfo saved(pageFile);
    if (saved.isFile() && !saved.isSymLink() && saved.size() > 0 &&
        saved.lastModified() >= QFileInfo(document).lastModified()) {
        if (logo) return pageFile;
        QString text;
        LoadFileText(pageFile, text);
        html = RemoveLogo(text);
        if (html == text) return pageFile;
    }
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
    bool force = false;
    QString webAddress;
    bool usage = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-logo")) {
            logo = false;
        } else if (args[i] == QLatin1String("--force")) {
            force = true;
        } else if (args[i] == QLatin1String("--web-address")) {
            // Once, and with an address after it.
            if (!webAddress.isEmpty() || i + 1 >= args.size() || args[i + 1].trimmed().isEmpty()) usage = true;
            else webAddress = args[++i].trimmed();
        } else if (args[i].startsWith(QLatin1Char('-')) || args[i].isEmpty()) {
            positional << QString();  // makes the count wrong
        } else {
            positional << args[i];
        }
    }
    if (usage || positional.size() != 2 || positional.contains(QString())) {
        err << "usage: tarvo --export DOCUMENT DIR [--web-address URL] [--no-logo] [--force]" << Qt::endl;
        return ucUsage;
    }
    QString problem;
    const QString web = NormalWebAddress(webAddress, &problem);
    if (!problem.isEmpty()) {
        err << "tarvo: --web-address: " << problem << Qt::endl;
        return ucUsage;
    }
    const QString pageFile = WriteDocumentPage(positional[0], logo, err);
    if (pageFile.isEmpty()) return ucDocument;
    const std::vector<TUploadFile> plan = PlanUpload(pageFile, nullptr, false, web).Files;
    const QStringList replaced = ExportWouldReplace(plan, positional[1]);
    if (!replaced.isEmpty() && !force) {
        err << "tarvo: " << QDir::toNativeSeparators(positional[1])
            << " already holds other files of these names (give --force to replace them): " << replaced.join(QStringLiteral(", "))
            << Qt::endl;
        return ucFile;
    }
    const TExportResult result = ExportSite(plan, positional[1]);
    for (const QString& name : result.Written) out << name << Qt::endl;
    for (const QString& failure : result.Failed) err << "tarvo: not written: " << failure << Qt::endl;
    return result.ok() ? ucOk : ucFile;
}
