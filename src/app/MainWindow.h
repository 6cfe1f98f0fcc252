#pragma once
// The main window: toolbar of stage arrows, the four stage panels, the
// bottom bar, the menu, the timers, and the stage switch.
//
// The stage subsystems (gallery, build canvas, view stage, upload) live in
// classes of their own that build their controls on the stage panels and
// plug their work into the stage switch through the hooks below.

#include "docs/PageSession.h"
#include "model/WebBlocks.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TPicture;
class TViewStage;
class TFileCommands;
class TExecFile;
class TBrowserPreview;
class TSendWeb;
class TServerBox;

// One stage of the work, as shown on the toolbar.
struct TStageInfo {
    const char* picture;  // lit toolbar segment
    int width;            // of the lit segment
    int left;
    int mascotLeft;       // where the mascot stands
};
extern const TStageInfo kStages[5];

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    enum Stage { stChoose = 0, stBuild = 1, stView = 2, stSend = 3, stSent = 4 };

    explicit TfrmMain(const QString& commandLineDocument = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    // --- page and window state ---
    // The page as a document, with the rules of the file commands.
    TPageSession Session;
    TPage& Page = Session.Page;
    int CurrentStage = stChoose;
    bool SwitchingStage = false;      // a stage switch is walking the mascot
    bool OpeningFromGallery = false;  // a stage switch opens the gallery entry
    bool RealizingPalette = false;
    bool RenamingEntry = false;
    bool SettingTitle = false;        // the program writes txtTitle itself
    bool HTMLUpdating = false;        // the program writes the HTML editor itself
    bool TolveyPalette = false;       // the display has 256 colours or fewer
    int PimPosition = 0;              // toolbar segment where the mascot stands
    int WhatsThisContext = 1;
    int LastScrollPos = 0;

    // --- the stage subsystems (created by CreateMainWindow) ---
    TViewStage* View = nullptr;
    TFileCommands* Files = nullptr;
    TServerBox* Servers = nullptr;  // the Send stage's server box
    TBrowserPreview* Browser = nullptr;  // the page and addresses in the browser
    TSendWeb* Web = nullptr;             // the Send stage's web and its links
    TExecFile* ExecFile = nullptr;       // the launcher the browser is started with
    bool Uploaded = false;               // an upload has succeeded since the program started

    // --- controls (named as their objectName) ---
    QFrame* pnlMain = nullptr;
    QFrame* pnlTopPim = nullptr;
    TPicture* picToolbar = nullptr;
    TPicture* picRedPill = nullptr;
    QWidget* picWindy = nullptr;       // only holds the mascot's position
    TPicture* imgWindyPim = nullptr;   // mascot walking right (never shown itself)
    TPicture* imgWindyPimB = nullptr;  // mascot walking left
    QFrame* pnlChoose = nullptr;
    QFrame* pnlBuild = nullptr;
    QFrame* pnlView = nullptr;
    QFrame* pnlSend = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* pnlLower = nullptr;
    TPicture* imgView = nullptr;
    TPicture* imgLogo = nullptr;
    TPicture* imgExit = nullptr;
    QLabel* lblBuildRight = nullptr;  // the start-up hint that blinks
    QLabel* lblBuildLeft = nullptr;
    QPlainTextEdit* memBuzzsaw = nullptr;
    QPlainTextEdit* tmpMemo = nullptr;

    QTimer* timInit = nullptr;
    QTimer* timAnim = nullptr;
    QTimer* timUp = nullptr;
    QTimer* timDown = nullptr;
    QTimer* timShredder = nullptr;
    QTimer* timTopPim = nullptr;
    QTimer* timWebAn = nullptr;
    QTimer* timFlashPage = nullptr;
    QTimer* timUpload = nullptr;

    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* menFileOpen = nullptr;
    QAction* menFileSave = nullptr;
    QAction* menFileSaveAs = nullptr;
    QAction* menFileMake = nullptr;
    QAction* ExternalPreview1 = nullptr;
    QAction* menFileExit = nullptr;
    QAction* menEditUndo = nullptr;
    QAction* menEditRedo = nullptr;
    QAction* mnuHelpTopics = nullptr;
    QAction* menHelpAbout = nullptr;

    // --- hooks the stage subsystems install ---
    struct Hooks {
        std::function<bool()> GallerySelected;   // a gallery entry is selected
        std::function<void()> OpenGalleryEntry;  // opens it (as a saved page or template)
        std::function<bool()> SaveDocument;      // before the Send stage; false: stay
        std::function<bool()> HTMLEditAccepted;  // the HTML was edited by hand
        std::function<bool()> AskForSave;        // before closing; false: stay open
        std::function<bool(const QString&)> OpenDocument;  // the command-line document
        std::function<void(int)> SelectAndHighlight;       // first block after an open
        std::function<void()> ClearPage;                   // empties the page and the canvas
        std::function<void(int)> LoadChunk;                // a block appended by the reader
        std::function<void()> ShowBlankPanel;              // no block selected
        std::function<QImage()> RenderSnapshot;            // the page as the viewer shows it
        // The file name a link to the saved document names (its page's HTML
        // file, written where it is missing; "" when there is none).
        std::function<QString(const QString& document)> LinkedPageFile;
        std::vector<std::function<void()>> UploadListChanged;  // the page's files changed
        std::vector<std::function<void()>> UploadSucceeded;    // after a successful upload, once stage 4 is lit
        // Stage-specific work of ChangeState, run in order for the stage
        // entered; the argument is the stage being left.
        std::array<std::vector<std::function<void(int)>>, 5> StageEntered;
        // Runs at the end of every ChangeState (title box, ...).
        std::vector<std::function<void()>> StageChanged;
    } hooks;

    // --- the stage switch ---
    // The only way to change the stage: asks what must be asked, walks the
    // mascot, lights the segment and prepares the stage's panels.
    // `openGalleryEntry` false: the program's own switch, which leaves a
    // selected gallery entry alone.
    void ShowRedPill(int stage, bool openGalleryEntry = true);
    void ChangeState(int stage);
    // The mascot walk along the toolbar to the segment of `stage`.
    void WalkThePim(int stage);

    // Suspends drawing of `window`, or resumes the suspended one (nullptr).
    void LockWindow(QWidget* window);
    void RefreshPalette();
    // Deletes a preview file left by an earlier run.
    void DeletePreviewFile();
    // Stops the start-up hint for good, leaving it visible.
    void StopHintBlink();

    // Lets the client area grow with a maximised window (the full-size
    // preview) or keeps it at its designed size.
    void SetFullClient(bool full);

    // The caption: the application's title, " - " and the document name.
    QString ApplicationTitle() const;

    // Call once after the window is first shown (opens the command-line
    // document).
    void FormShow();

    // The stage-entry points the toolbar would use (for tests and scripts).
    void ToolbarRelease(int x, Qt::MouseButton button);

signals:
    void stageChanged(int stage);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void CreateTimers();
    void PaintEmDan();
    void WireControls();
    void DrawToolbar();
    void MovePimUp(int from, int to);
    void MovePimDown(int from, int to);
    void PimStep(int left, bool right);
    void PauseStep();
    void timInitTimer();
    void imgViewMouse(bool down);

    QString commandLineDocument_;
    bool shown_ = false;
    QPointer<QWidget> locked_;
    QPixmap toolbarPixmap_;
};

// The application-wide main window (null before it exists).
TfrmMain* MainWindow();
