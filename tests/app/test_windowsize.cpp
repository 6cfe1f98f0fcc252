// The window size: stored per user, applied through Qt's scaling when the
// program starts, chosen again in View > Window Size.
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "main/Startup.h"
#include "main/WindowSize.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

class TestWindowSize : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void storedSizeAppliedAtStart();
    void choosingASizeIsKeptForTheNextStart();
    void firstStartFitsTheScreen();
    void buildHintShowsOnANewPage();
};

void TestWindowSize::storedSizeAppliedAtStart() {
    // main() stored 200 % before the application was made.
    QCOMPARE(CurrentWindowSize(), 200);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    std::unique_ptr<TfrmMain> w(CreateMainWindow());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // The same layout, twice the pixels, pictures at their double size.
    QCOMPARE(w->findChild<QFrame*>(QStringLiteral("pnlMain"))->size(), QSize(632, 436));
    const QPixmap shot = w->grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), w->size() * 2);
    QCOMPARE(w->findChild<TPicture*>(QStringLiteral("picToolbar"))->pixmap().devicePixelRatio(), 2.0);
    auto* item = w->findChild<QAction*>("mnuViewSize200");
    QVERIFY(item && item->isChecked());
    // A window of fixed size: nothing to maximise.
    QCOMPARE(w->minimumSize(), w->maximumSize());
}

void TestWindowSize::choosingASizeIsKeptForTheNextStart() {
    auto* dialogs = InstallScriptedDialogs();
    std::unique_ptr<TfrmMain> w(CreateMainWindow());
    QStringList started;
    SetProgramStarter([&started](const QString& program, const QStringList& args) {
        started << program << args;
        return true;
    });
    // Later: the size waits for the next start.
    QString text;
    dialogs->runs << [&text](QDialog* d) {
        text = static_cast<QMessageBox*>(d)->text();
        d->findChild<QPushButton*>("butRestartLater")->click();
        return 0;
    };
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->findChild<QAction*>("mnuViewSize150")->trigger();
    QCOMPARE(StoredWindowSize(), 150);
    QCOMPARE(dialogs->shown.size(), 1);
    QVERIFY(text.contains("the next time it starts"));
    QVERIFY(w->findChild<QAction*>("mnuViewSize150")->isChecked());
    QVERIFY(started.isEmpty() && w->isVisible());
    // Back to the size it runs at: nothing to tell.
    w->findChild<QAction*>("mnuViewSize200")->trigger();
    QCOMPARE(StoredWindowSize(), 200);
    QCOMPARE(dialogs->shown.size(), 1);
    // Restart now: the window closes and the program starts again.
    dialogs->runs << [](QDialog* d) {
        d->findChild<QPushButton*>("butRestartNow")->click();
        return 0;
    };
    w->findChild<QAction*>("mnuViewSize100")->trigger();
    QCOMPARE(StoredWindowSize(), 100);
    QVERIFY(!w->isVisible());
    QCOMPARE(started, QStringList{QCoreApplication::applicationFilePath()});
    SetProgramStarter({});
}

void TestWindowSize::firstStartFitsTheScreen() {
    // The largest that fits in nine tenths of the screen each way.
    QCOMPARE(FittingWindowSize(QSize(800, 600)), 100);
    QCOMPARE(FittingWindowSize(QSize(1280, 720)), 100);
    QCOMPARE(FittingWindowSize(QSize(1366, 768)), 150);
    QCOMPARE(FittingWindowSize(QSize(1600, 1000)), 150);
    QCOMPARE(FittingWindowSize(QSize(1920, 1080)), 200);
    QCOMPARE(FittingWindowSize(QSize(3840, 2160)), 200);
    // A narrow screen holds the window back as well.
    QCOMPARE(FittingWindowSize(QSize(1100, 1280)), 150);
    QCOMPARE(FittingWindowSize(QSize(900, 1600)), 100);
}

void TestWindowSize::buildHintShowsOnANewPage() {
    std::unique_ptr<TfrmMain> w(CreateMainWindow());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // To the Build stage by the toolbar, as a user goes there.
    QTest::mouseClick(w->findChild<TPicture*>(QStringLiteral("picToolbar")), Qt::LeftButton, Qt::NoModifier, QPoint(150, 40));
    QTRY_VERIFY_WITH_TIMEOUT(w->CurrentStage() == TfrmMain::stBuild && !w->SwitchingStage(), 10000);
    QVERIFY(w->findChild<QFrame*>(QStringLiteral("pnlBuild"))->isVisible());
    QLabel* hint = w->findChild<QLabel*>(QStringLiteral("lblBuildRight"));
    QVERIFY(w->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    // The hint blinks: wait for a shown phase.
    QTRY_VERIFY_WITH_TIMEOUT(hint->isVisible(), 5000);
    // Whole, and not under another control.
    QVERIFY(hint->sizeHint().width() <= hint->width());
    QVERIFY(hint->sizeHint().height() <= hint->height());
    QCOMPARE(hint->visibleRegion(), QRegion(hint->rect()));
    QCOMPARE(w->findChild<QFrame*>(QStringLiteral("pnlBuild"))->childAt(hint->geometry().center()), hint);
    // And its words are drawn: dark pixels on the grey panel.
    const QImage shot = w->grab(QRect(hint->mapTo(w.get(), QPoint(0, 0)), hint->size())).toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 100;
    QVERIFY(dark > 100);
}

int main(int argc, char** argv) {
    TTestEnv env;
    if (!env.ok()) return 1;
    qunsetenv("QT_SCALE_FACTOR");
    StoreWindowSize(200);
    PrepareWindowSize(argc, argv);
    TTarvoApplication app(argc, argv);
    TestWindowSize test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_windowsize.moc"
