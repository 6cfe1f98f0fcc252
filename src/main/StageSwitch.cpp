// The stage switch of the main window: ShowRedPill, ChangeState, the
// toolbar, window locking and the palette refresh.

#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/UserDialogs.h"
#include "docs/PageSession.h"

#include <QCoreApplication>
#include <QAction>
#include <QFrame>
#include <QTimer>

const TStageInfo kStages[5] = {
    {"Toolbutt1", 146, 0, 24},
    {"Toolbutt2", 170, 103, 156},
    {"Toolbutt3", 170, 230, 284},
    {"Toolbutt4", 170, 354, 408},
    {"Toolbutt5", 140, 481, 532},
};

void TfrmMain::ToolbarRelease(int x, Qt::MouseButton button) {
    // The fifth segment (the logo) does nothing, and neither does a click
    // while the mascot is still walking.
    if (button != Qt::LeftButton || x < 0 || x > 480 || switchingStage_) return;
    ShowRedPill(x / 140);
}

void TfrmMain::EnterStage(int s, int from) {
    emit stagePreparing(s, from);
    emit stageEntered(s, from);
}

void TfrmMain::ShowRedPill(int s, bool openGalleryEntry) {
    if (s < stChoose || s > stSent) return;
    // The user leaving the Choose stage opens the gallery entry that is
    // selected, once; the program's own switches (New, Open) never do.
    if (openGalleryEntry && currentStage_ == stChoose && !Page().FillingPanel && hooks_.GallerySelected &&
        hooks_.GallerySelected()) {
        TFlagScope opening(openingFromGallery_);
        if (hooks_.OpenGalleryEntry) hooks_.OpenGalleryEntry();
    }
    if (s == stSend && hooks_.SaveDocument && !hooks_.SaveDocument()) return;
    // Back to the blocks, hand edits to the HTML are lost: asked first.
    if ((s == stBuild || s == stChoose) && currentStage_ >= stView && hooks_.HTMLEditAccepted &&
        hooks_.HTMLEditAccepted()) {
        const auto answer = Dialogs().Ask(this, ApplicationTitle(),
                                          QCoreApplication::translate("StageSwitch", "You have made changes to your HTML. If you go back now, "
                                                         "you will lose these changes. Do you want to go back?"),
                                          TMsgIcon::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
    }

    // Released on every way out of the switch, an exception included, so
    // the toolbar never stays dead.
    struct TSwitchGuard {
        TfrmMain& w;
        explicit TSwitchGuard(TfrmMain& window) : w(window) { w.switchingStage_ = true; }
        ~TSwitchGuard() {
            w.LockWindow(nullptr);
            w.switchingStage_ = false;
        }
    } guard(*this);
    picRedPill->hide();
    WalkThePim(s);

    LockWindow(this);
    DrawToolbar();
    const TStageInfo& info = kStages[s];
    picRedPill->setPixmap(ResourceBitmap(QLatin1String(info.picture)));
    picRedPill->setGeometry(info.left, 0, info.width, 96);
    picRedPill->raise();
    picRedPill->show();
    picRedPill->repaint();

    ChangeState(s);
}

void TfrmMain::ChangeState(int s) {
    const int from = currentStage_;
    // Common beginning.
    // Greyed out away from the View stage, the button still says what it
    // is for.
    imgView->setToolTip(QCoreApplication::translate("StageSwitch", "Full: shows the preview of your page across the "
                                                                   "whole window. It works on the View stage."));
    imgView->ShowBitmap(QStringLiteral("Max_Dis"), true);
    timFlashPage->stop();
    ExternalPreview1->setEnabled(true);
    LockWindow(this);

    auto showOnly = [this](QFrame* panel) {
        for (QFrame* p : {pnlChoose, pnlBuild, pnlView, pnlSend})
            if (p != panel) p->hide();
        panel->show();
        panel->raise();
    };

    switch (s) {
        case stChoose:
            ExternalPreview1->setEnabled(false);
            EnterStage(stChoose, from);
            showOnly(pnlChoose);
            break;
        case stBuild:
            if (Page().DocFileName.isEmpty() && !Page().PageChanged) setWindowTitle(ApplicationTitle() + QCoreApplication::translate("StageSwitch", " - Untitled"));
            showOnly(pnlBuild);
            EnterStage(stBuild, from);
            break;
        case stView:
            imgView->setToolTip(QCoreApplication::translate("StageSwitch", "Click here to toggle your preview size from normal to full screen."));
            imgView->ShowBitmap(QStringLiteral("Max_Up"), true);
            pnlBuild->hide();
            pnlChoose->hide();
            EnterStage(stView, from);
            pnlView->show();
            pnlView->raise();
            pnlSend->hide();
            break;
        case stSend:
            EnterStage(stSend, from);
            showOnly(pnlSend);
            timFlashPage->start();
            break;
        case stSent:
            EnterStage(stSent, from);
            break;
        default:
            break;
    }

    // Common end.
    currentStage_ = s;
    LockWindow(nullptr);
    RefreshPalette();
    emit stageChanged(s);
}

void TfrmMain::LockWindow(QWidget* window) {
    if (window) {
        // One window at a time, as the system allows.
        if (locked_ && locked_ != window) locked_->setUpdatesEnabled(true);
        locked_ = window;
        window->setUpdatesEnabled(false);
        return;
    }
    if (locked_) {
        locked_->setUpdatesEnabled(true);
        locked_->update();
        locked_ = nullptr;
    }
    RefreshPalette();
}

void TfrmMain::RefreshPalette() {
    // Only displays of 256 colours or fewer need their palette realised;
    // Qt maps colours itself, so a repaint is all that is left to do.
    if (!tolveyPalette_ || realizingPalette_) return;
    realizingPalette_ = true;
    update();
    realizingPalette_ = false;
}
