// Send > History...: the history of the server chosen in the Send stage.

#include "app/UserDialogs.h"
#include "main/MainWindow.h"
#include "upload/HistoryDialog.h"
#include "upload/LiveNotice.h"
#include "upload/SendPanel.h"
#include "upload/ServerBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

void ShowHistory(TfrmMain& w) {
    const tWWWServerType* server = w.Servers() ? w.Servers()->SelectedServer() : nullptr;
    if (!server) {
        Dialogs().Tell(&w, QCoreApplication::translate("THistoryDialog", "History"),
                       QCoreApplication::translate("THistoryDialog",
                                                   "Choose a WWW server in the Send stage first: the history is "
                                                   "kept for each server and folder."),
                       TMsgIcon::Information);
        return;
    }
    // A put-back changes what the server holds: what the Sent stage says
    // of the last upload's page no longer holds.
    if (auto* send = w.findChild<TSendPanel*>(QStringLiteral("SendPanel"))) send->Live()->Stop();
    THistoryDialog dialog(*server, &w);
    Dialogs().Run(&dialog);
}

}  // namespace

void AttachHistoryItem(TfrmMain& w) {
    auto* send = new QMenu(QCoreApplication::translate("THistoryDialog", "Se&nd"), &w);
    send->setObjectName(QStringLiteral("mnuSend"));
    auto* item = new QAction(QCoreApplication::translate("THistoryDialog", "&History..."), send);
    item->setObjectName(QStringLiteral("menSendHistory"));
    send->addAction(item);
    QMenuBar* bar = w.menuBar();
    bar->insertMenu(w.HelpMenu()->menuAction(), send);
    QObject::connect(item, &QAction::triggered, &w, [&w] { ShowHistory(w); });
}
