#include "upload/TrustQuestion.h"

#include "app/UserDialogs.h"
#include "upload/UploadSequence.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool AskToTrustServer(QWidget* parent, const TTrustQuestion& q, TTrustAsker asker) {
    const QString caption = QCoreApplication::translate("TrustQuestion", "Is this the right server?");
    const QString key = ShowsHostKey(q.Security, q.Address) ? QCoreApplication::translate("TrustQuestion", "host key") : QCoreApplication::translate("TrustQuestion", "certificate key");
    if (!q.CanTrust()) {
        const QString text =
            asker == TTrustAsker::ServerTest
                ? QCoreApplication::translate("TrustQuestion", "%1\n\nThe server at %2 now shows the %3\n%4\n\nThe test was stopped. Ask your "
                                              "host whether the server's key was changed; if it was, remove the server's "
                                              "entry and make it again.")
                : QCoreApplication::translate("TrustQuestion", "%1\n\nThe server at %2 now shows the %3\n%4\n\nThe upload was stopped. Ask your "
                                              "host whether the server's key was changed; if it was, remove the server's "
                                              "entry and make it again.");
        Dialogs().Tell(parent, caption, text.arg(q.Problem, q.Address, key, q.Fingerprint), TMsgIcon::Warning);
        return false;
    }
    QMessageBox box(QMessageBox::Warning, caption,
                    QCoreApplication::translate("TrustQuestion", "%1\n\nThe server at %2 shows the %3\n%4\n\nTrust it only if you expected this, "
                                   "for instance because your host told you this fingerprint.")
                        .arg(q.Problem, q.Address, key, q.Fingerprint),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("dlgTrustServer"));
    QPushButton* trust = box.addButton(QCoreApplication::translate("TrustQuestion", "Trust this server from now on"), QMessageBox::AcceptRole);
    trust->setObjectName(QStringLiteral("btnTrust"));
    QPushButton* cancel = box.addButton(QCoreApplication::translate("TrustQuestion", "Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    Dialogs().Run(&box);
    return box.clickedButton() == trust;
}
