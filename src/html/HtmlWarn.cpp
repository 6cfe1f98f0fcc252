#include "html/HtmlWarn.h"

#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmHTMLWarn::TfrmHTMLWarn(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmHTMLWarn"));
    setWindowTitle(QStringLiteral("HTML Change Alert"));
    setFixedSize(344, 140);
    setModal(true);

    auto* text1 = new QLabel(QStringLiteral("If you make changes to your HTML directly, they will appear in your Web "
                                            "Page. However, if you move back to 'Build Your Page', these changes will "
                                            "be lost."),
                             this);
    text1->setObjectName(QStringLiteral("lblText1"));
    text1->setGeometry(8, 6, 328, 42);
    auto* text2 = new QLabel(QStringLiteral("Any changes you make here will not appear next time you load your Tarvo "
                                            "file. Do you still want to make changes to your HTML?"),
                             this);
    text2->setObjectName(QStringLiteral("lblText2"));
    text2->setGeometry(8, 50, 328, 42);
    for (QLabel* l : {text1, text2}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    chkHTML = new QCheckBox(QStringLiteral("Don't show this screen again."), this);
    chkHTML->setObjectName(QStringLiteral("chkHTML"));
    chkHTML->setGeometry(10, 108, 180, 20);
    btnJoy = new QPushButton(QStringLiteral("&Yes"), this);
    btnJoy->setObjectName(QStringLiteral("btnJoy"));
    btnJoy->setGeometry(196, 104, 66, 26);
    Button1 = new QPushButton(QStringLiteral("&No"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(270, 104, 66, 26);
    connect(btnJoy, &QPushButton::clicked, this, [this] { Answer(true); });
    connect(Button1, &QPushButton::clicked, this, [this] { Answer(false); });

    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void TfrmHTMLWarn::Answer(bool yes) {
    yes_ = yes;
    if (chkHTML->isChecked()) WriteSetting(QString::fromLatin1(SettingKeys::General),
                                           QString::fromLatin1(SettingKeys::ShowHTMLWarning), QStringLiteral("No"));
    done(yes ? QDialog::Accepted : QDialog::Rejected);
}

bool AskHTMLWarning(QWidget* parent) {
    TfrmHTMLWarn dlg(parent);
    Dialogs().Run(&dlg);
    return dlg.AnsweredYes();
}
