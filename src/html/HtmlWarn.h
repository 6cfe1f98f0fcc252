#pragma once
// The warning shown on the first hand edit of the page's HTML text.

#include <QDialog>

class QCheckBox;
class QPushButton;

class TfrmHTMLWarn : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHTMLWarn(QWidget* parent = nullptr);

    // True once "&Yes" was pressed; No until a button is pressed.
    bool AnsweredYes() const { return yes_; }

    QCheckBox* chkHTML = nullptr;
    QPushButton* btnJoy = nullptr;   // "&Yes"
    QPushButton* Button1 = nullptr;  // "&No"

private:
    void Answer(bool yes);
    bool yes_ = false;
};

// Shows the warning modally (through the dialog seam); true when the user
// accepts hand editing.
bool AskHTMLWarning(QWidget* parent);
