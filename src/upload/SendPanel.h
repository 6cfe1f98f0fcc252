#pragma once
// The upload half of the Send stage: the list of files that go to the
// server with what becomes of each, the flashing page picture that starts
// the upload, the short flight of the page into the web, and what follows
// the upload. File > Export Site... lives here too: it writes what an
// upload would send.

#include "docs/PageCheckup.h"
#include "upload/UploadPlan.h"
#include "upload/transfer/LiveCheck.h"

#include <QMap>
#include <QObject>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class TPicture;
class QTimer;
class TPage;
class TLiveNotice;
class TServerBox;
class TStageHost;

class TSendPanel : public QObject {
    Q_OBJECT
public:
    TSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture);

    // The page file of the document ("" while it has never been saved).
    QString PageFile() const;
    // Reads the page's site again and lists what an upload would send.
    void Refresh();
    // The Sent stage's sentence on whether the web shows the page.
    TLiveNotice* Live() const { return live_; }

private slots:
    void imgUploadClick();
    void timFlashPageTimer();
    void timUploadTimer();
    // File > Export Site...: saves the page when it must be, asks for a
    // folder and writes the site into it.
    void menFileExportClick();

private:
    // --- controls on the Send panel ---
    QLabel* lblFiles = nullptr;       // "Files to upload to the server:"
    QListWidget* lstFiles = nullptr;  // display only
    QListWidget* lstCheckup = nullptr;  // the checkup's findings, above the files
    QLabel* lblSendSize = nullptr;    // how many files, and how much, will go
    QCheckBox* chkSendAll = nullptr;  // send the unchanged files as well
    QAction* menFileExport = nullptr;  // File > Export Site...
    TPicture* imgUpload = nullptr;    // the page picture; a click uploads

    // --- state ---
    // The upload as the list shows it: the saved page's site, each file
    // with what becomes of it on the chosen server.
    TUploadPlan Plan;
    // The checkup of the saved page, listed above the files.
    QList<TCheckFinding> Findings;
    int UploadAnimFrame = 0;  // 0 idle, else the next frame of the flight

    // Plans the saved page's site afresh (what is on the disk now).
    void BuildUploadList();
    // Checks the plan against the chosen server's record and lists it.
    void UpdateFileList();
    void AddFindings();
    // Runs the upload window for the chosen server; true when every file
    // was sent.
    bool UploadFiles();
    void UploadDone(bool ok);
    void AskAboutIndexName();
    // One line of the list: the file, and what becomes of it.
    void AddListItem(const TUploadFile& file, TSendState state, bool all);
    // A link to a saved page names its HTML file, which the upload sends:
    // a page saved before it ever had one gets it now.
    QString LinkedPageFile(const QString& doc);
    // The record of what went to the chosen server (none chosen: an empty
    // one, so everything is new).
    TSentRecord ChosenServerRecord() const;
    // After a successful upload: the check of the page's web address
    // (none without one).
    std::optional<TLiveRequest> liveRequest_;
    int liveTries_ = 1;
    TLiveNotice* live_ = nullptr;
    // Where the chosen server's folder is seen on the web ("" not known).
    QString ChosenWebAddress() const;
    // The site files the last upload left out so as not to replace the
    // server's own, with why, and the record of the server they belong to.
    QMap<QString, QString> leftAlone_;
    QString leftAloneServer_;
    TStageHost& w_;
    const TPage& page_;
    TServerBox* servers_;   // the server box the upload goes to (null: none)
    TPicture* flightPicture_;  // the Send stage's web, the flight is drawn into (null: none)
    QTimer* timUpload = nullptr;  // the upload's flight
};

// Puts the file list and the page picture on the Send panel; the upload's
// flight is drawn into `flightPicture`.
TSendPanel* AttachSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture);
