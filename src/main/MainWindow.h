#pragma once
// The main window: toolbar of stage arrows, the four stage panels, the
// bottom bar, the menu, the timers, and the stage switch.
//
// The stage subsystems (gallery, build canvas, view stage, upload) live in
// classes of their own that see the window only as a TStageHost: they build
// their controls on its stage panels and plug their work into its stage
// switch through its hooks.

#include "app/StageHost.h"

#include <QPixmap>
#include <QPointer>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TPage;
class TPageSession;
class TPicture;
class TViewStage;
class TFileCommands;
class TBrowserPreview;
class TSendWeb;
class TServerBox;
class THelpSystem;

// One stage of the work, as shown on the toolbar.
struct TStageInfo {
    const char* picture;  // lit toolbar segment
    int width;            // of the lit segment
    int left;
    int mascotLeft;       // where the mascot stands
};
extern const TStageInfo kStages[5];

// The stage subsystems the composition root attached (for the window's own
// features and for tests; null where one is not attached).
struct TStageParts {
    TViewStage* View = nullptr;
    TFileCommands* Files = nullptr;
    TServerBox* Servers = nullptr;       // the Send stage's server box
    TBrowserPreview* Browser = nullptr;  // the page and addresses in the browser
    TSendWeb* Web = nullptr;             // the Send stage's web and its links
    THelpSystem* Help = nullptr;         // the help desk of the window and its dialogs
};

class TfrmMain final : public TStageHost {
    Q_OBJECT
public:
    explicit TfrmMain(const QString& commandLineDocument = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    // --- the page ---
    // The page as a document, with the rules of the file commands.
    TPageSession& Session() { return *session_; }
    TPage& Page();

    // --- what the stage subsystems see ---
    TStageHooks& Hooks() override { return hooks_; }
    int CurrentStage() const override { return currentStage_; }
    void ShowRedPill(int stage, bool openGalleryEntry = true) override;
    bool OpeningFromGallery() const override { return openingFromGallery_; }
    void LockWindow(QWidget* window) override;
    QString ApplicationTitle() const override;
    QFrame* StagePanel(int stage) const override;
    QFrame* ClientArea() const override { return pnlMain; }
    void SetFullClient(bool full) override;
    int BottomBarHeight() const override;
    void CenterBottomBar() override;
    TPicture* FullSizeButton() const override { return imgView; }
    QLabel* BuildHint(bool right) const override { return right ? lblBuildRight : lblBuildLeft; }
    void StopHintBlink() override;
    QMenu* FileMenu() const override { return mnuFile; }
    QMenu* HelpMenu() const override { return mnuHelp; }
    QAction* MenuItem(TMenuItem item) const override;

    // --- the subsystems, once attached ---
    void SetParts(const TStageParts& parts) { parts_ = parts; }
    TViewStage* View() const { return parts_.View; }
    TFileCommands* Files() const { return parts_.Files; }
    TServerBox* Servers() const { return parts_.Servers; }
    TBrowserPreview* Browser() const { return parts_.Browser; }
    TSendWeb* Web() const { return parts_.Web; }
    THelpSystem* Help() const { return parts_.Help; }
    // The window's own pictures that the program's keys describe.
    struct TNamedPictures {
        TPicture* toolbar;
        TPicture* redPill;
        TPicture* exit;
        TPicture* logo;
    };
    TNamedPictures Pictures() const { return {picToolbar, picRedPill, imgExit, imgLogo}; }

    // --- the stage switch ---
    void ChangeState(int stage);
    // The mascot walk along the toolbar to the segment of `stage`.
    void WalkThePim(int stage);
    // True while a stage switch walks the mascot.
    bool SwitchingStage() const { return switchingStage_; }
    // The toolbar segment where the mascot stands.
    int PimPosition() const { return pimPosition_; }

    void RefreshPalette();
    // Deletes a preview file left by an earlier run.
    void DeletePreviewFile();

    // Call once after the window is first shown (opens the command-line
    // document).
    void FormShow();

    // The stage-entry points the toolbar would use (for tests and scripts).
    void ToolbarRelease(int x, Qt::MouseButton button);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The two steps of entering stage `s` from stage `from`.
    void EnterStage(int s, int from);
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

    // --- page and window state ---
    std::unique_ptr<TPageSession> session_;
    TStageHooks hooks_;
    TStageParts parts_;
    int currentStage_ = stChoose;
    bool switchingStage_ = false;      // a stage switch is walking the mascot
    bool openingFromGallery_ = false;  // a stage switch opens the gallery entry
    bool realizingPalette_ = false;
    bool tolveyPalette_ = false;       // the display has 256 colours or fewer
    int pimPosition_ = 0;              // toolbar segment where the mascot stands

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
    QPlainTextEdit* tmpMemo = nullptr;

    QTimer* timInit = nullptr;
    QTimer* timTopPim = nullptr;
    QTimer* timFlashPage = nullptr;  // ticks sendStageTick while the Send stage is shown

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

    QString commandLineDocument_;
    bool shown_ = false;
    QPointer<QWidget> locked_;
    QPixmap toolbarPixmap_;
};

// The application-wide main window (null before it exists).
TfrmMain* MainWindow();
