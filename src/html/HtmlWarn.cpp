#include "html/HtmlWarn.h"

#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmHTMLWarn::TfrmHTMLWarn(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmHTMLWarn"));
    setWindowTitle(QCoreApplication::translate("HtmlWarn", "HTML Change Alert"));
    setFixedSize(344, 148);
    setModal(true);

    auto* text1 = new QLabel(QCoreApplication::translate("HtmlWarn", "If you make changes to your HTML directly, they will appear in your Web "
                                            "Page. However, if you move back to 'Build Your Page', these changes will "
                                            "be lost."),
                             this);
    text1->setObjectName(QStringLiteral("lblText1"));
    text1->setGeometry(8, 6, 328, 42);
    auto* text2 = new QLabel(QCoreApplication::translate("HtmlWarn", "Any changes you make here will not appear next time you load your Tarvo "
                                            "file. Do you still want to make changes to your HTML?"),
                             this);
    text2->setObjectName(QStringLiteral("lblText2"));
    text2->setGeometry(8, 50, 328, 44);  // three lines
    for (QLabel* l : {text1, text2}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    chkHTML = new QCheckBox(QCoreApplication::translate("HtmlWarn", "Don't show this screen again."), this);
    chkHTML->setObjectName(QStringLiteral("chkHTML"));
    // A line of its own, so that the whole label shows in any font.
    chkHTML->setGeometry(10, 96, 326, 20);
    btnJoy = new QPushButton(QCoreApplication::translate("HtmlWarn", "&Yes"), this);
    btnJoy->setObjectName(QStringLiteral("btnJoy"));
    btnJoy->setGeometry(196, 118, 66, 26);
    Button1 = new QPushButton(QCoreApplication::translate("HtmlWarn", "&No"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(270, 118, 66, 26);
    // The alert opens while the user types: no key answers it by chance.
    for (QPushButton* b : {btnJoy, Button1}) b->setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(btnJoy, &QPushButton::clicked, this, [this] { Answer(true); });
    connect(Button1, &QPushButton::clicked, this, [this] { Answer(false); });

    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void TfrmHTMLWarn::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Keys go to the alert itself, which keeps them, until the user moves
    // to a button with Tab or answers with the mouse or Alt+Y / Alt+N.
    setFocus(Qt::OtherFocusReason);
}

void TfrmHTMLWarn::keyPressEvent(QKeyEvent* e) {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (button && enter) {
        button->click();
        return;
    }
    const bool meant = e->key() == Qt::Key_Escape || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab ||
                       (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
    if (meant) {
        QDialog::keyPressEvent(e);
        return;
    }
    typed_.append({e->key(), e->modifiers(), e->text()});
    e->accept();
}

void TfrmHTMLWarn::Answer(bool yes) {
    yes_ = yes;
    if (chkHTML->isChecked()) WriteSetting(QString::fromLatin1(SettingKeys::General),
                                           QString::fromLatin1(SettingKeys::ShowHTMLWarning), QStringLiteral("No"));
    done(yes ? QDialog::Accepted : QDialog::Rejected);
}

bool AskHTMLWarning(QWidget* parent, QList<TTypedKey>* typed) {
    TfrmHTMLWarn dlg(parent);
    Dialogs().Run(&dlg);
    if (typed) *typed = dlg.TypedKeys();
    return dlg.AnsweredYes();
}
