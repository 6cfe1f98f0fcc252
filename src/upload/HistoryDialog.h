#pragma once
// Send > History...: what was published to the chosen server and folder,
// newest first, and a button that puts the chosen publish back through the
// upload window (the files it changed sent again from the kept versions,
// its page last, the files added since removed).

#include "upload/ServerList.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class THistoryDialog : public QDialog {
    Q_OBJECT
public:
    THistoryDialog(const tWWWServerType& server, QWidget* parent = nullptr);

    // Lists the history afresh (after a publish or a put-back).
    void Fill();

private:
    void PutBackClick();
    void SelectionChanged();

    tWWWServerType server_;
    QLabel* lblServer = nullptr;
    QListWidget* lstPublishes = nullptr;
    QLabel* lblNote = nullptr;
    QPushButton* btnPutBack = nullptr;
    QPushButton* btnClose = nullptr;
};
