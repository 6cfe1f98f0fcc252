#pragma once
// The hint shown before a page is first saved: how to make it the site's
// start page.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class TfrmSaveInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSaveInfo(QWidget* parent = nullptr);

    QLabel* lblText = nullptr;
    QLabel* lblLink = nullptr;  // "Click here for a tutorial creating links."
    QCheckBox* chkShow = nullptr;
    QPushButton* btnJoy = nullptr;  // "&OK"

protected:
    // A click on lblLink opens the links tutorial.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the hint modally (through the dialog seam) when the "SaveInfo"
// setting allows it.
void ShowSaveInfoIfWanted(QWidget* parent);
