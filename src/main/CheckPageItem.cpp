// View > Check Page...: the checkup of the page as it stands, told in one
// message, each finding about a block with the block's number.

#include "app/AppPaths.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "docs/PageCheckup.h"
#include "main/MainWindow.h"
#include "model/WebBlocks.h"
#include "preview/ViewStage.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {


void CheckPageNow(TfrmMain& w) {
    TViewStage* view = w.View();
    const TStyleChunk* style = nullptr;
    if (view)
        style = StyleForListBoxIndex(view->StyleList, StyleListBoxIndex(view->StyleList, view->SelectedStyleName()));
    const QString doc = w.Page().DocFileName.isEmpty() ? QStringLiteral("page.tve") : w.Page().DocFileName;
    const QList<TCheckFinding> findings = CheckPage(w.Page(), style, CheckedPageFile(doc));
    QStringList lines;
    for (const TCheckFinding& f : findings)
        lines << (f.Block >= 0 ? QCoreApplication::translate("PageCheckup", "Block %1: ").arg(f.Block + 1) : QString()) +
                     f.Text;
    const QString text = lines.isEmpty()
                             ? QCoreApplication::translate("PageCheckup", "Nothing on this page needs attention.")
                             : lines.join(QLatin1Char('\n'));
    Dialogs().Tell(&w, QCoreApplication::translate("PageCheckup", "Check Page"), text,
                   lines.isEmpty() ? TMsgIcon::Information : TMsgIcon::Warning);
}

}  // namespace

void AttachCheckPageItem(TfrmMain& w, QMenu* viewMenu) {
    auto* item = new QAction(QCoreApplication::translate("PageCheckup", "&Check Page..."), viewMenu);
    item->setObjectName(QStringLiteral("menViewCheckPage"));
    viewMenu->addAction(item);
    QObject::connect(item, &QAction::triggered, &w, [&w] { CheckPageNow(w); });
}
