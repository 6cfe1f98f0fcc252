#pragma once
// The About box: the program's picture, a credit line and the version. A
// click anywhere closes it. It hides a small surprise behind a secret word
// typed while it is open.

#include <QDialog>

class QLabel;
class QLineEdit;
class TPicture;

class TfrmAbout : public QDialog {
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // The word that shows the hidden picture.
    static constexpr const char* kTriggerWord = "zorrrrip";

    TPicture* imgAbout = nullptr;
    QLabel* lblCredit = nullptr;
    QLabel* lblVersion = nullptr;
    TPicture* imgVB = nullptr;
    QLineEdit* txtHehe = nullptr;  // below the visible area; has the focus

    void txtHeheChange(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
