#include "docs/SaveInfo.h"

#include "app/HelpCalls.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmSaveInfo::TfrmSaveInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmSaveInfo"));
    setWindowTitle(QCoreApplication::translate("SaveInfo", "File Save Information"));
    setFixedSize(349, 144);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    lblText = new QLabel(QCoreApplication::translate("SaveInfo", "If this is your first Web Page, and you want it to be the default page that "
                                        "people see when they visit your Web Site, you should save this file under "
                                        "the name 'index'. This will create a file called 'index.html' on your Web "
                                        "Server."),
                         this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setGeometry(10, 6, 329, 64);
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblLink = new QLabel(QCoreApplication::translate("SaveInfo", "Click here for a tutorial creating links."), this);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setGeometry(10, 74, 329, 18);
    lblLink->setAlignment(Qt::AlignHCenter);
    lblLink->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    lblLink->setCursor(Qt::PointingHandCursor);
    lblLink->installEventFilter(this);

    chkShow = new QCheckBox(QCoreApplication::translate("SaveInfo", "Don't show this screen again."), this);
    chkShow->setObjectName(QStringLiteral("chkShow"));
    chkShow->setGeometry(12, 110, 244, 20);  // up to the button: room for longer words
    btnJoy = new QPushButton(QCoreApplication::translate("SaveInfo", "&OK"), this);
    btnJoy->setObjectName(QStringLiteral("btnJoy"));
    btnJoy->setGeometry(262, 106, 76, 27);
    btnJoy->setDefault(true);
    connect(btnJoy, &QPushButton::clicked, this, [this] {
        if (chkShow->isChecked())
            WriteSetting(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::SaveInfo),
                         QStringLiteral("No"));
        accept();
    });

    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

bool TfrmSaveInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ShowHelp(this, THelpCall::Context, 102);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowSaveInfoIfWanted(QWidget* parent) {
    if (!ReadSettingBool(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::SaveInfo), true))
        return;
    TfrmSaveInfo dlg(parent);
    Dialogs().Run(&dlg);
}
