#pragma once
// The warning shown on the first hand edit of the page's HTML text.

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

// A key typed while the alert was up, to be typed into the editor after all.
struct TTypedKey {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

class TfrmHTMLWarn : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHTMLWarn(QWidget* parent = nullptr);

    // True once "&Yes" was pressed; No until a button is pressed.
    bool AnsweredYes() const { return yes_; }
    // The keys typed at the alert that were not meant for it: the rest of
    // what the user was typing into the editor when it opened.
    const QList<TTypedKey>& TypedKeys() const { return typed_; }

    QCheckBox* chkHTML = nullptr;
    QPushButton* btnJoy = nullptr;   // "&Yes"
    QPushButton* Button1 = nullptr;  // "&No"

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Answer(bool yes);
    bool yes_ = false;
    QList<TTypedKey> typed_;
};

// Shows the warning modally (through the dialog seam); true when the user
// accepts hand editing. `typed` receives the keys typed at the alert.
bool AskHTMLWarning(QWidget* parent, QList<TTypedKey>* typed = nullptr);
