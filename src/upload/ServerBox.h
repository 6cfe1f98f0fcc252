#pragma once
// The server box of the Send stage: "WWW Server to Upload to:" with the
// program's server list, and the button that opens the server wizard. The
// choice is remembered as "LastServer".

#include "upload/ServerList.h"

#include <QObject>

class QComboBox;
class QLabel;
class QToolButton;
class TStageHost;

class TServerBox : public QObject {
    Q_OBJECT
public:
    explicit TServerBox(TStageHost& window);

    // Refills the box from ServerList() and selects the remembered server
    // (letter case ignored), else the first. Writes nothing.
    void FillServerCombo();

    // The ServerList() record chosen in the box; null when the box is empty.
    const tWWWServerType* SelectedServer() const;
    // How many servers the box offers.
    int ServerCount() const;

signals:
    // Another entry of the box is current (picked, or the box refilled).
    void serverChanged();

private:
    // The user picked an entry: it is remembered.
    void cmbServersChange(int index);
    // Runs the server wizard, then refills the box.
    void spdEditWWWClick();

    TStageHost& w_;
    QLabel* lblServers = nullptr;
    QComboBox* cmbServers = nullptr;
    QToolButton* spdEditWWW = nullptr;  // "Edit WWW Server List"
};

// Reads the server list and puts the server box on the Send panel.
TServerBox* AttachServerBox(TStageHost& window);
