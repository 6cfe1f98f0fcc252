#pragma once
// The upload window, which sends the page and its files to the chosen
// server through its own FTP client while the user watches the progress
// (and may cancel), and the congratulation shown after a successful upload.

#include "upload/ServerList.h"
#include "upload/UploadList.h"

#include <QDialog>
#include <QMap>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class TFtpClient;
class TPicture;
class TSentRecord;
class TPublishHistory;
class TUploadSequence;

class TfrmUpload : public QDialog {
    Q_OBJECT
public:
    // `files`: the plan of the upload, the page last (MakeUploadPlan).
    TfrmUpload(const tWWWServerType& server, std::vector<TUploadFile> files, QWidget* parent = nullptr);
    ~TfrmUpload() override;

    // `record` is told of each file sent, and each one skipped as already
    // on the server (none when null).
    void SetRecord(TSentRecord* record) { Record = record; }
    // Keeps the version of each file now on the server for the history.
    void SetHistory(TPublishHistory* history) { History = history; }
    // Files to remove once the page has arrived (a put-back).
    void SetRemovals(std::vector<QString> remotes) { Removals = std::move(remotes); }
    // Every file was sent, and the upload was not cancelled.
    bool Succeeded() const { return UploadOK; }
    bool WasCancelled() const { return Cancelled; }
    // The site files left out so as not to replace the server's own: each
    // remote name with why, in plain words.
    const QMap<QString, QString>& LeftAlone() const { return leftAlone_; }
    // What the user is to be told of the files sent that the history could
    // not keep for a put-back ("" when every one was kept); `alsoUnkept`
    // adds the history's own, known once it has recorded the publish.
    QString UnkeptWords(const QStringList& alsoUnkept = {}) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels the upload rather than just hiding the window.
    void reject() override;

private slots:
    // From the first tick of timInit: reads the password from the keyring
    // where it is kept there, then starts the upload sequence. Nothing here
    // waits; the window closes when the sequence finishes (and tells what
    // went wrong), or at once on Cancel.
    void RunUpload();
    void butCancelClick();

private:
    // --- state ---
    tWWWServerType UploadServer;
    bool Cancelled = false;
    bool UploadOK = false;
    TSentRecord* Record = nullptr;
    TPublishHistory* History = nullptr;
    std::vector<QString> Removals;
    QMap<QString, QString> leftAlone_;
    const QString LoginFailedText = tr("Couldn't log in.  Please check that the Login and Password are correct.");

    // --- controls ---
    TPicture* imgUpload = nullptr;
    QLabel* lblProgress = nullptr;  // "Upload Progress:"
    QProgressBar* pbProgress = nullptr;
    QLabel* lblStatus = nullptr;    // "FTP Status:"
    QLabel* lblFTPStatus = nullptr;
    QPushButton* butCancel = nullptr;
    TFtpClient* ftp = nullptr;
    QTimer* timInit = nullptr;

    // Shows a space followed by `text` in the status line.
    void SetStatus(const QString& text);
    void StartSequence();
    void SequenceFinished(bool ok);
    void TellOutcome();
    void Finish(bool ok);
    // A message of the upload, with what went wrong below it.
    void TellFailure(const QString& message, const QString& detail);

    std::vector<TUploadFile> files_;
    std::unique_ptr<TUploadSequence> upload_;
    QStringList failedFiles_;  // "graphics/a.gif: why" of each file not sent
    QStringList unkept_;       // why each file sent was not kept for a put-back
    bool running_ = false;
};

// "Upload Successful": the congratulation with its fireworks.
class TfrmJoy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmJoy(QWidget* parent = nullptr);

private slots:
    void timFireTimer();
    void butOKClick();

private:
    QLabel* lblCongrats = nullptr;
    QLabel* lblView = nullptr;
    QLabel* lblTrouble = nullptr;
    QLabel* lblContact = nullptr;
    TPicture* imgFire = nullptr;
    QCheckBox* chkShow = nullptr;  // "Don't show this screen again."
    QPushButton* butOK = nullptr;
    QTimer* timFire = nullptr;
    int FireFrame = 0;  // the next frame of the fireworks
};

// Shows TfrmJoy unless the user asked not to see it again.
void ShowJoyIfWanted(QWidget* parent);
