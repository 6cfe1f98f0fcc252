#include "upload/UploadPlan.h"

#include "app/Settings.h"
#include "app/Utils.h"
#include "html/SiteMenu.h"
#include "upload/SiteStaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

bool IsCapitalIndex(const QString& name) {
    const QString lower = QStringLiteral("index.html");
    return name != lower && name.compare(lower, Qt::CaseInsensitive) == 0;
}

QString IndexNameAnswer() {
    TTarvoReg reg;
    if (!reg.OpenSection(QString::fromLatin1(SettingKeys::General), false)) return QString();
    return reg.ReadString(QString::fromLatin1(SettingKeys::IndexInSmallLetters));
}

QString SentPageName(const QString& docFileName) {
    const QString name = PageFileName(docFileName).remove(QLatin1Char(' '));
    // The Send stage asks once whether such a page may go up in small
    // letters; until it is answered, and on the command line, the page
    // goes where visitors look for it.
    if (!IsCapitalIndex(name) || IndexNameAnswer() == QLatin1String("No")) return name;
    return QStringLiteral("index.html");
}

namespace {

// A listed file of the site as the upload sends it.
TUploadFile PlannedFile(const QString& pageFile, const ResourceDetail& e) {
    TUploadFile f;
    f.Remote = e.Remote;
    const bool page = e.FileKind == QLatin1String("html");
    f.Role = page ? TFileRole::Page : TFileRole::Picture;
    if (e.State != TUploadState::ToSend) {
        f.Refused = e.Reason;
        f.Missing = e.State == TUploadState::Missing;
        return f;
    }
    // Every file goes up under the name the page gives it: nearly every
    // server tells letter cases apart, and the page must find it there.
    f.Local = e.Local;
    f.Binary = !page && IsBinaryTransfer(f.Local);
    if (!page && !QFileInfo(f.Local).isFile()) {
        // Earlier versions kept their copies of pictures in lower case
        // whatever the page wrote: such a copy is sent under the page's
        // name.
        const TResolvedReference copy = ResolveReference(pageFile, e.Remote.toLower());
        if (!copy.Refused() && QFileInfo(copy.Local).isFile()) f.Local = copy.Local;
    }
    if (!QFileInfo(f.Local).isFile()) {
        // Left out before anything is made on the server for it.
        f.Refused = QCoreApplication::translate("UploadList", "the file does not exist");
        f.Missing = true;
    }
    return f;
}

// The other pages of the page's site (html/SiteMenu.h) with the files they
// show, each file once, put before the visitor's page: every page of the
// site goes up with any one of them, so its menu leads nowhere missing.
void AddSitePages(const QString& pageFile, std::vector<TUploadFile>& plan) {
    const TSite site = LoadSite(QFileInfo(pageFile).path());
    const QString own = SiteFileName(SentPageName(pageFile));
    // Each remote name planned, with its place: in `plan`, then in `more`.
    QHash<QString, size_t> planned;
    for (size_t i = 0; i < plan.size(); ++i) planned.insert(plan[i].Remote, i);
    std::vector<TUploadFile> more;
    for (const TSitePage& p : site.Pages) {
        const QString local = QDir(site.Folder).filePath(p.File);
        if (SiteFileName(p.File) == own || SitePageMissing(site, p)) continue;
        for (TUploadFile f : MakeUploadPlan(local, BuildSiteList(local, SentPageName(local)))) {
            if (f.Role == TFileRole::VisitorPage) f.Role = TFileRole::Page;
            const auto at = planned.constFind(f.Remote);
            if (at == planned.cend()) {
                planned.insert(f.Remote, plan.size() + more.size());
                more.push_back(f);
                continue;
            }
            // The menu links "Join us.html" by the name it is sent under,
            // "Joinus.html", which no file of the folder has: that link is
            // this page, not a missing one.
            TUploadFile& there = *at < plan.size() ? plan[*at] : more[*at - plan.size()];
            if (there.Missing && f.Local == local && QFileInfo(local).isFile()) {
                f.Role = there.Role == TFileRole::VisitorPage ? TFileRole::VisitorPage : TFileRole::Page;
                there = f;
            }
        }
    }
    plan.insert(plan.end() - 1, more.begin(), more.end());
}

}  // namespace

std::vector<TUploadFile> MakeUploadPlan(const QString& pageFile, const UploadList& list) {
    std::vector<TUploadFile> plan;
    for (const ResourceDetail& e : list) plan.push_back(PlannedFile(pageFile, e));
    TUploadFile page;
    page.Local = pageFile;
    page.Remote = SentPageName(pageFile);
    page.Binary = IsBinaryTransfer(page.Local);
    page.Role = TFileRole::VisitorPage;
    plan.push_back(page);
    return plan;
}

TUploadPlan PlanUpload(const QString& pageFile, const TSentRecord* record, bool all, const QString& webAddress) {
    TUploadPlan plan;
    if (pageFile.isEmpty()) return plan;
    plan.Files = MakeUploadPlan(pageFile, BuildSiteList(pageFile, SentPageName(pageFile)));
    AddSitePages(pageFile, plan.Files);
    AddWebAddress(plan.Files, pageFile, webAddress);
    if (record) plan.States = record->Classify(plan.Files, all);
    return plan;
}
