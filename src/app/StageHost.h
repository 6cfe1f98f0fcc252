#pragma once
// What the stage subsystems see of the main window: the panels they build
// their controls on, the stage switch, the hooks they plug their work into,
// and the few menu items they answer. The main window (in src/main/)
// implements it; the subsystems never see the window itself, and the page
// and the other subsystems they need are handed to them when they are
// attached.

#include <QImage>
#include <QMainWindow>
#include <QString>

#include "app/OneHook.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class TPicture;

// The answers the stage subsystems give the stage switch and one another,
// each filled by its one owner. What many may hear of (a stage entered, the
// upload list changed) is a signal of TStageHost instead.
struct TStageHooks {
    TOneHook<bool()> GallerySelected;   // a gallery entry is selected
    TOneHook<void()> OpenGalleryEntry;  // opens it (as a saved page or template)
    TOneHook<bool()> SaveDocument;      // before the Send stage; false: stay
    TOneHook<bool()> HTMLEditAccepted;  // the HTML was edited by hand
    TOneHook<bool()> AskForSave;        // before closing; false: stay open
    TOneHook<bool(const QString&)> OpenDocument;  // the command-line document
    TOneHook<void(int)> SelectAndHighlight;       // first block after an open
    TOneHook<void()> ClearPage;                   // empties the page and the canvas
    TOneHook<void(int)> LoadChunk;                // a block appended by the reader
    TOneHook<void()> ShowBlankPanel;              // no block selected
    TOneHook<QImage()> RenderSnapshot;            // the page as the viewer shows it
    // The file name a link to the saved document names (its page's HTML
    // file, written where it is missing; "" when there is none).
    TOneHook<QString(const QString& document)> LinkedPageFile;
};

class TStageHost : public QMainWindow {
    Q_OBJECT
public:
    enum Stage { stChoose = 0, stBuild = 1, stView = 2, stSend = 3, stSent = 4 };
    // The menu items a subsystem answers.
    enum class TMenuItem { FileNew, FileOpen, FileSave, FileSaveAs, FileMake, ExternalPreview, EditUndo, EditRedo,
                           HelpTopics, HelpAbout };

    explicit TStageHost(QWidget* parent = nullptr);
    ~TStageHost() override;

    virtual TStageHooks& Hooks() = 0;
    // Runs `work(from)` each time `stage` is entered, at `step`
    // (&TStageHost::stagePreparing or &TStageHost::stageEntered), for as
    // long as `receiver` lives.
    template <class Work>
    QMetaObject::Connection OnStage(void (TStageHost::*step)(int, int), int stage, QObject* receiver, Work work) {
        return connect(this, step, receiver, [stage, work](int entered, int from) {
            if (entered == stage) work(from);
        });
    }
    virtual int CurrentStage() const = 0;
    // The only way to change the stage: asks what must be asked, walks the
    // mascot, lights the segment and prepares the stage's panels.
    // `openGalleryEntry` false: the program's own switch, which leaves a
    // selected gallery entry alone.
    virtual void ShowRedPill(int stage, bool openGalleryEntry = true) = 0;
    // True while a stage switch opens the selected gallery entry.
    virtual bool OpeningFromGallery() const = 0;
    // Suspends drawing of `window`, or resumes the suspended one (nullptr).
    virtual void LockWindow(QWidget* window) = 0;
    // The caption: the application's title, " - " and the document name.
    virtual QString ApplicationTitle() const = 0;

    // The panel the controls of `stage` are built on (stSent: the Send panel).
    virtual QFrame* StagePanel(int stage) const = 0;
    // The client area below the menu; the full-size preview covers it.
    virtual QFrame* ClientArea() const = 0;
    // Lets the client area grow with a maximised window (the full-size
    // preview) or keeps it at its designed size.
    virtual void SetFullClient(bool full) = 0;
    virtual int BottomBarHeight() const = 0;
    // Puts the bottom bar's controls back in its middle.
    virtual void CenterBottomBar() = 0;
    // The bottom bar's button that toggles the full-size preview.
    virtual TPicture* FullSizeButton() const = 0;
    // The Build stage's two hints above the canvas and the property panels.
    virtual QLabel* BuildHint(bool right) const = 0;
    // Stops the start-up hint for good, leaving it visible.
    virtual void StopHintBlink() = 0;
    virtual QMenu* FileMenu() const = 0;
    virtual QMenu* HelpMenu() const = 0;
    virtual QAction* MenuItem(TMenuItem item) const = 0;

signals:
    // A stage switch, in two steps, each emitted once for the stage being
    // entered (`from` is the stage being left). First the stage's content
    // is made (the page's HTML written, the server list read); then the
    // stage's controls show it. A listener of either step must not rely on
    // another listener of the same step having run.
    void stagePreparing(int stage, int from);
    void stageEntered(int stage, int from);
    // The end of every stage switch (title box, ...).
    void stageChanged(int stage);
    // The page's files changed: what the Send stage lists is out of date.
    void uploadListChanged();
    // An upload finished with every file sent, once the Sent stage is lit.
    void uploadSucceeded();
    // Ticks while the Send stage is shown (its page picture flashes).
    void sendStageTick();
};

// The application-wide main window (null before it exists).
TStageHost* StageHost();
