#pragma once
// The upload half of the Send stage: the list of files that go to the
// server with what becomes of each, the flashing page picture that starts
// the upload, the short flight of the page into the web, and what follows
// the upload. File > Export Site... lives here too: it writes what an
// upload would send.

#include "upload/SentRecord.h"
#include "upload/UploadList.h"

#include <QObject>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class TPicture;
class QTimer;
class TPage;
class TServerBox;
class TStageHost;

class TSendPanel : public QObject {
    Q_OBJECT
public:
    TSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture);

    // --- controls on the Send panel ---
    QLabel* lblFiles = nullptr;       // "Files to upload to the server:"
    QListWidget* lstFiles = nullptr;  // display only
    QLabel* lblSendSize = nullptr;    // how many files, and how much, will go
    QCheckBox* chkSendAll = nullptr;  // send the unchanged files as well
    QAction* menFileExport = nullptr;  // File > Export Site...
    TPicture* imgUpload = nullptr;    // the page picture; a click uploads

    // --- state ---
    UploadList Uploads;      // the files of the saved page's site
    // The upload as the list shows it: each file with what becomes of it
    // on the chosen server.
    std::vector<TUploadFile> Plan;
    std::vector<TSendState> States;
    int UploadAnimFrame = 0;  // 0 idle, else the next frame of the flight

    // The page file of the document ("" while it has never been saved).
    QString PageFile() const;
    void BuildUploadList();
    void UpdateFileList();
    void imgUploadClick();
    void timFlashPageTimer();
    void timUploadTimer();
    // Runs the upload window for the chosen server; true when every file
    // was sent.
    bool UploadFiles();
    // File > Export Site...: saves the page when it must be, asks for a
    // folder and writes the site into it.
    void menFileExportClick();

private:
    void UploadDone(bool ok);
    void AskAboutIndexName();
    // The upload plan of the page's site, the page under the name it is
    // sent as.
    std::vector<TUploadFile> MakePlan() const;
    // The record of what went to the chosen server (none chosen: an empty
    // one, so everything is new).
    TSentRecord ChosenServerRecord() const;
    TStageHost& w_;
    const TPage& page_;
    TServerBox* servers_;   // the server box the upload goes to (null: none)
    TPicture* flightPicture_;  // the Send stage's web, the flight is drawn into (null: none)
    QTimer* timUpload = nullptr;  // the upload's flight
};

// The name the page of `docFileName` is sent under: its HTML file's name
// without spaces, or "index.html" for a page named Index in other letters
// when the user chose so.
QString SentPageName(const QString& docFileName);

// Puts the file list and the page picture on the Send panel; the upload's
// flight is drawn into `flightPicture`.
TSendPanel* AttachSendPanel(TStageHost& window, const TPage& page, TServerBox* servers, TPicture* flightPicture);
