#include "upload/ServerBox.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "upload/ServerWizard.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

TServerBox* AttachServerBox(TStageHost& window) {
    LoadServerList(ServerList());
    return new TServerBox(window);
}

TServerBox::TServerBox(TStageHost& window) : QObject(&window), w_(window) {
    setObjectName(QStringLiteral("ServerBox"));
    lblServers = new QLabel(QCoreApplication::translate("ServerBox", "WWW Server to Upload to:"), w_.StagePanel(TStageHost::stSend));
    lblServers->setObjectName(QStringLiteral("lblServers"));
    lblServers->setGeometry(16, 10, 170, 16);
    cmbServers = new QComboBox(w_.StagePanel(TStageHost::stSend));
    cmbServers->setObjectName(QStringLiteral("cmbServers"));
    cmbServers->setGeometry(16, 28, 170, 22);
    spdEditWWW = new QToolButton(w_.StagePanel(TStageHost::stSend));
    spdEditWWW->setObjectName(QStringLiteral("spdEditWWW"));
    spdEditWWW->setText(QCoreApplication::translate("ServerBox", "Edit WWW Server List"));
    spdEditWWW->setGeometry(16, 56, 170, 25);

    // Only the user's picks are remembered (activated is not sent when the
    // program selects).
    connect(cmbServers, &QComboBox::activated, this, &TServerBox::cmbServersChange);
    connect(cmbServers, &QComboBox::currentIndexChanged, this, &TServerBox::serverChanged);
    connect(spdEditWWW, &QToolButton::clicked, this, &TServerBox::spdEditWWWClick);
    w_.OnStage(&TStageHost::stagePreparing, TStageHost::stSend, this, [this](int) { FillServerCombo(); });
}

void TServerBox::FillServerCombo() {
    const QSignalBlocker quiet(cmbServers);
    cmbServers->clear();
    for (const auto& s : ServerList()) cmbServers->addItem(s->Name);
    if (cmbServers->count() == 0) return;
    const QString last = ReadLastServer();
    int index = -1;
    if (!last.isEmpty()) index = cmbServers->findText(last, Qt::MatchFixedString);  // no regard to case
    cmbServers->setCurrentIndex(index < 0 ? 0 : index);
}

void TServerBox::cmbServersChange(int index) {
    if (index >= 0) WriteLastServer(cmbServers->itemText(index));
}

void TServerBox::spdEditWWWClick() {
    const QString added = RunServerWizard(&w_);
    FillServerCombo();
    // The server just added is the one the user means to send to.
    const int index = added.isEmpty() ? -1 : cmbServers->findText(added, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return;
    {
        const QSignalBlocker quiet(cmbServers);
        cmbServers->setCurrentIndex(index);
    }
    WriteLastServer(added);
}

const tWWWServerType* TServerBox::SelectedServer() const {
    const int index = cmbServers->currentIndex();
    const TServerList& list = ServerList();
    return index >= 0 && size_t(index) < list.size() ? list[size_t(index)].get() : nullptr;
}

int TServerBox::ServerCount() const { return cmbServers->count(); }
