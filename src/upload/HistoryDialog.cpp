#include "upload/HistoryDialog.h"

#include "app/UserDialogs.h"
#include "upload/PublishHistory.h"
#include "upload/SentRecord.h"
#include "upload/UploadSequence.h"
#include "upload/UploadWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

THistoryDialog::THistoryDialog(const tWWWServerType& server, QWidget* parent) : QDialog(parent), server_(server) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History of %1").arg(server.Name));
    lblServer = new QLabel(this);
    lblServer->setObjectName(QStringLiteral("lblServer"));
    lblServer->setWordWrap(true);
    lstPublishes = new QListWidget(this);
    lstPublishes->setObjectName(QStringLiteral("lstPublishes"));
    lstPublishes->setMinimumSize(520, 220);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    btnPutBack = new QPushButton(tr("&Put Back"), this);
    btnPutBack->setObjectName(QStringLiteral("btnPutBack"));
    btnClose = new QPushButton(tr("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPutBack);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblServer);
    layout->addWidget(lstPublishes, 1);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnPutBack, &QPushButton::clicked, this, &THistoryDialog::PutBackClick);
    connect(lstPublishes, &QListWidget::currentRowChanged, this, &THistoryDialog::SelectionChanged);
    Fill();
}

void THistoryDialog::Fill() {
    const TUploadTarget target = UploadTargetOf(server_);
    lblServer->setText(target.Directory.isEmpty() ? tr("What was published to %1, newest first:").arg(target.Address)
                                                  : tr("What was published to the folder \u201c%1\u201d of %2, newest first:")
                                                        .arg(target.Directory, target.Address));
    const TPublishHistory history(target);
    lstPublishes->clear();
    const QStringList lines = HistoryLines(history);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(lines[i], lstPublishes);
        // The list is newest first; the data is the publish's place.
        item->setData(Qt::UserRole, qulonglong(history.Publishes().size() - 1 - size_t(i)));
    }
    if (lines.isEmpty())
        lblNote->setText(tr("Nothing was published there yet."));
    if (!lines.isEmpty()) lstPublishes->setCurrentRow(0);
    SelectionChanged();
}

void THistoryDialog::SelectionChanged() {
    const QListWidgetItem* item = lstPublishes->currentItem();
    if (!item) {
        btnPutBack->setEnabled(false);
        return;
    }
    const TPublishHistory history{UploadTargetOf(server_)};
    const size_t index = item->data(Qt::UserRole).toULongLong();
    const TPutBackPlan plan = PlanPutBack(history, index, false);
    const bool newest = index + 1 == history.Publishes().size();
    btnPutBack->setEnabled(plan.Problem.isEmpty() && !newest);
    if (!plan.Problem.isEmpty())
        lblNote->setText(plan.Problem);
    else if (newest)
        lblNote->setText(tr("This is what the server holds now."));
    else
        lblNote->setText(plan.Removals.empty()
                             ? tr("Put Back sends this publish's files again; nothing else on the server is touched.")
                             : tr("Put Back sends this publish's files again and removes the files added since "
                                  "(%1); nothing else on the server is touched.")
                                   .arg(plan.Removals.size()));
}

void THistoryDialog::PutBackClick() {
    const QListWidgetItem* item = lstPublishes->currentItem();
    if (!item) return;
    const size_t index = item->data(Qt::UserRole).toULongLong();
    const TUploadTarget target = UploadTargetOf(server_);
    TPublishHistory history(target);
    const TPutBackPlan plan = PlanPutBack(history, index);
    if (!plan.Problem.isEmpty()) {
        Dialogs().Tell(this, windowTitle(), plan.Problem, TMsgIcon::Warning);
        return;
    }
    TSentRecord record(target);
    TfrmUpload upload(server_, plan.Files, this);
    upload.SetRecord(&record);
    upload.SetHistory(&history);
    upload.SetRemovals(plan.Removals);
    Dialogs().Run(&upload);
    QString unsaved;
    if (!record.Save(&unsaved)) Dialogs().Tell(this, windowTitle(), unsaved, TMsgIcon::Warning);
    if (!history.Record(upload.Succeeded(), true, &unsaved))
        Dialogs().Tell(this, windowTitle(), unsaved, TMsgIcon::Warning);
    else if (const QString unkept = upload.UnkeptWords(history.Unkept()); !unkept.isEmpty())
        Dialogs().Tell(this, windowTitle(), unkept, TMsgIcon::Warning);
    Fill();
}
