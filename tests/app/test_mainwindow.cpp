#include "ScopedVariable.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "main/Startup.h"

#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

#include "TarvoResources.h"

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void startsInChooseStage();
    void toolbarSegmentsSwitchStages();
    void logoSegmentAndRightButtonDoNothing();
    void clickDuringWalkIsIgnored();
    void sameStageRunsChangeStateAgain();
    void mascotWalkPositions();
    void refusedSwitchesLeaveEverything();
    void handEditQuestion();
    void hintBlinksUntilStopped();
    void exitPictureClosesWindow();
    void exceptionInHandlerIsDiscarded();
    void hookFilledOnce();

private:
    void clickToolbar(int x, Qt::MouseButton button = Qt::LeftButton);
    QFrame* visibleStagePanel() const;
    std::unique_ptr<TTestEnv> env_;
    TfrmMain* w_ = nullptr;
};

void TestMainWindow::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    w_ = CreateMainWindow();
    // These tests are about the switch itself: saving before the Send stage
    // always succeeds here.
    w_->Hooks().SaveDocument.replace([] { return true; });
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
}

void TestMainWindow::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

void TestMainWindow::clickToolbar(int x, Qt::MouseButton button) {
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("picToolbar")), button, Qt::NoModifier, QPoint(x, 40));
}

QFrame* TestMainWindow::visibleStagePanel() const {
    QFrame* shown = nullptr;
    for (QFrame* p : {w_->findChild<QFrame*>(QStringLiteral("pnlChoose")), w_->findChild<QFrame*>(QStringLiteral("pnlBuild")), w_->findChild<QFrame*>(QStringLiteral("pnlView")), w_->findChild<QFrame*>(QStringLiteral("pnlSend"))}) {
        if (!p->isHidden()) {
            if (shown) return nullptr;  // more than one
            shown = p;
        }
    }
    return shown;
}

void TestMainWindow::startsInChooseStage() {
    QCOMPARE(w_->CurrentStage(), 0);
    QCOMPARE(visibleStagePanel(), w_->findChild<QFrame*>(QStringLiteral("pnlChoose")));
    QCOMPARE(w_->findChild<TPicture*>(QStringLiteral("picRedPill"))->geometry(), QRect(0, 0, 146, 96));
    QVERIFY(!w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->isEnabled());
    QCOMPARE(w_->Page().PageTitle, QString("Tarvo Version 1.0 Document"));
    QCOMPARE(w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->size(), QSize(632, 436));
    // Every timer is there by name with its interval.
    const QList<QPair<const char*, int>> timers = {{"timInit", 1000}, {"timAnim", 10},     {"timUp", 250},
                                                   {"timDown", 250},  {"timShredder", 100}, {"timTopPim", 25},
                                                   {"timWebAn", 250}, {"timFlashPage", 500}, {"timUpload", 50}};
    for (const auto& [name, interval] : timers) {
        auto* t = w_->findChild<QTimer*>(name);
        QVERIFY2(t, name);
        QCOMPARE(t->interval(), interval);
    }
}

void TestMainWindow::toolbarSegmentsSwitchStages() {
    const QList<QPair<int, int>> cases = {{150, 1}, {279, 1}, {280, 2}, {419, 2}, {420, 3}, {480, 3}, {0, 0}, {139, 0}};
    QFrame* panels[] = {w_->findChild<QFrame*>(QStringLiteral("pnlChoose")), w_->findChild<QFrame*>(QStringLiteral("pnlBuild")), w_->findChild<QFrame*>(QStringLiteral("pnlView")), w_->findChild<QFrame*>(QStringLiteral("pnlSend"))};
    for (const auto& [x, stage] : cases) {
        clickToolbar(x);
        QCOMPARE(w_->CurrentStage(), stage);
        QCOMPARE(visibleStagePanel(), panels[stage]);
        QCOMPARE(w_->findChild<TPicture*>(QStringLiteral("picRedPill"))->x(), kStages[stage].left);
        QCOMPARE(w_->findChild<TPicture*>(QStringLiteral("picRedPill"))->width(), kStages[stage].width);
        QVERIFY(!w_->SwitchingStage());
    }
    // The View stage enables the preview toggle picture and its hint.
    clickToolbar(300);
    QVERIFY(!w_->findChild<TPicture*>(QStringLiteral("imgView"))->toolTip().isEmpty());
    clickToolbar(200);
    // Elsewhere it is greyed out, and its hint still says what it is for.
    QVERIFY(w_->findChild<TPicture*>(QStringLiteral("imgView"))->toolTip().startsWith("Full: shows the preview"));
    QCOMPARE(w_->windowTitle(), QString("Tarvo - Untitled"));
}

void TestMainWindow::logoSegmentAndRightButtonDoNothing() {
    QSignalSpy spy(w_, &TfrmMain::stageChanged);
    clickToolbar(481);
    clickToolbar(600);
    clickToolbar(200, Qt::RightButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(w_->CurrentStage(), 0);
}

void TestMainWindow::clickDuringWalkIsIgnored() {
    QSignalSpy spy(w_, &TfrmMain::stageChanged);
    // A second click arrives while the mascot walks to stage 3.
    QTimer::singleShot(60, w_, [this] {
        QVERIFY(w_->SwitchingStage());
        clickToolbar(150);
    });
    clickToolbar(450);
    QCOMPARE(w_->CurrentStage(), 3);
    QCOMPARE(spy.count(), 1);
}

void TestMainWindow::sameStageRunsChangeStateAgain() {
    int choose = 0;
    w_->OnStage(&TStageHost::stageEntered, TfrmMain::stChoose, w_, [&choose](int) { ++choose; });
    clickToolbar(10);
    clickToolbar(10);
    QCOMPARE(choose, 2);
    QCOMPARE(w_->PimPosition(), 0);
    // A switch to the same stage plays the glide and nothing else moves.
    PlayedSounds().clear();
    clickToolbar(10);
    QCOMPARE(PlayedSounds(), QStringList{"wavglide"});
}

void TestMainWindow::mascotWalkPositions() {
    clickToolbar(450);  // 0 -> 3: three segments of ten steps
    QCOMPARE(w_->PimPosition(), 3);
    // Each segment starts from its own stand, so the last one decides.
    QCOMPARE(w_->findChild<QWidget*>(QStringLiteral("picWindy"))->x(), 284 + 12 * 10);
    clickToolbar(150);  // 3 -> 1 walks left
    QCOMPARE(w_->PimPosition(), 1);
    QCOMPARE(w_->findChild<QWidget*>(QStringLiteral("picWindy"))->x(), 284 - 12 * 10);
    clickToolbar(10);
    QCOMPARE(w_->PimPosition(), 0);
    QCOMPARE(w_->findChild<QWidget*>(QStringLiteral("picWindy"))->x(), 156 - 13 * 10);
}

void TestMainWindow::refusedSwitchesLeaveEverything() {
    bool saveResult = false;
    int saves = 0;
    w_->Hooks().SaveDocument.replace([&] {
        ++saves;
        return saveResult;
    });
    clickToolbar(150);
    QCOMPARE(w_->CurrentStage(), 1);
    clickToolbar(450);
    QCOMPARE(saves, 1);
    QCOMPARE(w_->CurrentStage(), 1);
    QCOMPARE(visibleStagePanel(), w_->findChild<QFrame*>(QStringLiteral("pnlBuild")));
    QCOMPARE(w_->findChild<TPicture*>(QStringLiteral("picRedPill"))->x(), kStages[1].left);
    QCOMPARE(w_->PimPosition(), 1);
    saveResult = true;
    clickToolbar(450);
    QCOMPARE(w_->CurrentStage(), 3);
}

void TestMainWindow::handEditQuestion() {
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    bool edited = true;
    w_->Hooks().HTMLEditAccepted.replace([&edited] { return edited; });
    clickToolbar(300);
    QCOMPARE(w_->CurrentStage(), 2);
    QVERIFY(dialogs->shown.isEmpty());  // only the way back to building asks
    dialogs->answers << QMessageBox::No;
    clickToolbar(150);
    QCOMPARE(w_->CurrentStage(), 2);
    QCOMPARE(dialogs->lastText(), QString("You have made changes to your HTML. If you go back now, you will lose "
                                          "these changes. Do you want to go back?"));
    dialogs->answers << QMessageBox::Yes;
    clickToolbar(150);
    QCOMPARE(w_->CurrentStage(), 1);
    QCOMPARE(dialogs->shown.size(), 2);
    QCOMPARE(dialogs->unexpected, 0);
}

void TestMainWindow::hintBlinksUntilStopped() {
    clickToolbar(150);
    QVERIFY(w_->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    const bool before = w_->findChild<QLabel*>(QStringLiteral("lblBuildRight"))->isHidden();
    QTRY_VERIFY_WITH_TIMEOUT(w_->findChild<QLabel*>(QStringLiteral("lblBuildRight"))->isHidden() != before, 30000);
    w_->StopHintBlink();
    QVERIFY(!w_->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    QVERIFY(!w_->findChild<QLabel*>(QStringLiteral("lblBuildRight"))->isHidden());
}

void TestMainWindow::exitPictureClosesWindow() {
    bool asked = false;
    w_->Hooks().AskForSave.replace([&asked] {
        asked = true;
        return false;  // the user cancels: the window stays
    });
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgExit")), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QVERIFY(asked);
    QVERIFY(w_->isVisible());
    w_->Hooks().AskForSave.replace([] { return true; });
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgExit")), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QVERIFY(!w_->isVisible());
}

void TestMainWindow::hookFilledOnce() {
    // The window's subsystems filled SaveDocument; a second filler is refused
    // and the first stays.
    TStageHooks& hooks = w_->Hooks();
    QVERIFY(hooks.SaveDocument);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, hooks.SaveDocument = [] { return false; });
    TStageHooks fresh;
    QVERIFY(!fresh.ClearPage);
    int cleared = 0;
    fresh.ClearPage = [&cleared] { ++cleared; };
    fresh.ClearPage();
    QCOMPARE(cleared, 1);
    fresh.ClearPage = nullptr;  // emptied, it may be filled again
    fresh.ClearPage = [&cleared] { cleared += 10; };
    fresh.ClearPage();
    QCOMPARE(cleared, 11);
}

void TestMainWindow::exceptionInHandlerIsDiscarded() {
    int after = 0;
    QObject guard;  // the two listeners live as long as it does
    w_->OnStage(&TStageHost::stageEntered, TfrmMain::stBuild, &guard, [](int) { throw std::runtime_error("boom"); });
    w_->OnStage(&TStageHost::stageEntered, TfrmMain::stBuild, &guard, [&after](int) { ++after; });
    const int before = TTarvoApplication::DiscardedExceptions();
    QTemporaryDir data;
    const TScopedVariable dataHome("XDG_DATA_HOME", data.path().toLocal8Bit());
    clickToolbar(150);
    // The handler stopped where the exception arose; the program goes on.
    QCOMPARE(TTarvoApplication::DiscardedExceptions(), before + 1);
    QCOMPARE(after, 0);
    // It left one line in the user's data folder, naming the handler.
    QFile log(ExceptionLogPath());
    QVERIFY(log.fileName().startsWith(data.path()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains("TPicture picToolbar, MouseButtonRelease: boom"), lines[0].constData());
    // The switch released its guards on the way out: the toolbar works.
    QVERIFY(!w_->SwitchingStage());
    QVERIFY(w_->updatesEnabled());
    QObject::disconnect(w_, nullptr, &guard, nullptr);
    clickToolbar(300);
    QCOMPARE(w_->CurrentStage(), 2);
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestMainWindow t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_mainwindow.moc"
