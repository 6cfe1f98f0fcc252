#pragma once
// Help for the main window: the help desk behind ShowHelp (the help window
// and the pop-up topics), the "What's This?" menu, F1 on a focused control,
// the "&Help" menu and the About box.

#include "app/HelpCalls.h"

#include <QPoint>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;
class TStageHost;
class THelpPopup;
class THelpWindow;

class THelpSystem : public THelpDesk {
public:
    explicit THelpSystem(TStageHost& w);
    ~THelpSystem() override;

    // Pops up "What's This?" at `globalPos` for `source`; WhatsThisContext()
    // already holds the context.
    void PopupWhatsThis(QWidget* source, const QPoint& globalPos);
    // The choice of the one menu item.
    void popMenWhatsThisClick();
    // F1: the topic of the focused control (its own help context or that of
    // the nearest control around it that has one), else the contents.
    void HelpKey(QWidget* focused);
    // "&About": the About box, modal.
    void menHelpAboutClick();
    // "What's &This?" (Shift+F1): the next click on a control of the main
    // window shows that control's topic instead of acting; Escape cancels.
    void mnuHelpWhatsThisClick();
    bool InWhatsThisMode() const { return whatsThisMode_; }
    // The "What's This?" topic of `widget` (or of the control around it);
    // 0 when none has one.
    static int WhatsThisContextOf(QWidget* widget);

    // The windows, made when first needed (null before).
    THelpWindow* HelpWindow() const;
    THelpPopup* HelpPopup() const;

    QMenu* popWhatsThis = nullptr;
    QAction* popMenWhatsThis = nullptr;
    QAction* mnuHelpWhatsThis = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Show(QWidget* source, THelpCall call, int context) override;
    void OfferWhatsThis(QWidget* source) override;

private:
    // The events seen are those of the focused control (F1), of the named
    // controls of the "What's This?" table (their right-button release), of
    // the modal window holding the help window (its hiding), and while
    // "What's This?" mode lasts, of every control of the main window.
    void Watch(QWidget* widget);
    void WatchNamedControls();
    void WatchWholeWindow(bool on);
    // The help window, owned by the window that is modal at the moment, so
    // a wizard's help can be read (and scrolled) while the wizard waits.
    THelpWindow* WindowFor(QWidget* source);
    // Gives the help window another owner, keeping its place and visibility.
    void MoveHelpWindowTo(QWidget* owner);

    TStageHost& w_;
    QPointer<THelpWindow> helpWindow_;
    QPointer<THelpPopup> popup_;
    QPointer<QWidget> whatsThisSource_;
    QPointer<QWidget> helpOwner_;  // the modal window that holds the help window
    QPoint whatsThisPos_;
    bool whatsThisMode_ = false;
    bool eatRelease_ = false;  // the release of the click that ended the mode
    void EndWhatsThisMode();
};

// The names of the help tables that no control of `mainWindow` carries
// (a renamed control loses its topic; tests require none).
QStringList UnmatchedHelpNames(QWidget* mainWindow);

// Sets the help context (for F1) of the main window's edit controls, as a
// "HelpContext" property; the same number is their "What's This?" context.
void AssignHelpContext(QWidget* mainWindow);
// The help context F1 uses for `widget`: its own, else that of the nearest
// control around it; 0 when none has one.
int HelpContextOf(QWidget* widget);

// Creates the main window's help system, the help desk of the window and
// of everything below it.
THelpSystem* AttachHelp(TStageHost& w);
