// Site > Pages and Menu...: the pages and menu of the site of the HTML
// folder; the open page takes a changed menu at once.

#include "app/AppPaths.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "docs/PageSession.h"
#include "docs/SitePagesDialog.h"
#include "main/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

void AttachSiteItem(TfrmMain& w) {
    auto* site = new QMenu(QCoreApplication::translate("TfrmSitePages", "S&ite"), &w);
    site->setObjectName(QStringLiteral("mnuSite"));
    auto* item = new QAction(QCoreApplication::translate("TfrmSitePages", "&Pages and Menu\u2026"), site);
    item->setObjectName(QStringLiteral("menSitePages"));
    site->addAction(item);
    w.menuBar()->insertMenu(w.HelpMenu()->menuAction(), site);
    QObject::connect(item, &QAction::triggered, &w, [&w] {
        TfrmSitePages dialog(HTMLDir(), w.Session().SaveFolder(), &w);
        dialog.MenuChanged = [&w] { w.Session().SiteMenuChanged(); };
        Dialogs().Run(&dialog);
    });
}
