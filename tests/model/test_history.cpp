// The page's undo history through the real window: gestures and typing
// taken back with Ctrl+Z and done again with Ctrl+Y.

#include "BuildStageHelpers.h"
#include "model/PageHistory.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "TarvoResources.h"

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() { QVERIFY(s.open()); }
    void cleanup() { s.close(); }

    void shredUndoneAndRedone();
    void typingIsOneStep();
    void moveUndoneAndRedone();
    void savedStateByEditMenu();
    void newEmptiesHistory();

private:
    TBuildStage s;
};

void TestHistory::shredUndoneAndRedone() {
    s.loadParagraphs(3);
    TBuildCanvas* c = s.canvas;
    TWebBlock* row = c->CanvasRows[1];
    StartDrag(row);
    DragTo(row, 150, 255);
    DragTo(row, 50, 255);
    Release(row);
    QCOMPARE(s.order(), (QStringList{"b0", "b2"}));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo Shred Paragraph"));
    s.w->activateWindow();
    QTest::keyClick(s.w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b2"}));
    QCOMPARE(s.shown(), (QList<int>{0, 1, 2}));
    QCOMPARE(s.page().CurrentIndex, 1);
    QVERIFY(!s.page().PageChanged);  // back at the loaded state
    QCOMPARE(s.panels().txtParagraph->toPlainText(), QStringLiteral("b1"));
    QTest::keyClick(s.w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(s.order(), (QStringList{"b0", "b2"}));
    QVERIFY(s.page().PageChanged);
    QVERIFY(!s.w->findChild<QAction*>(QStringLiteral("menEditRedo"))->isEnabled());
}

void TestHistory::typingIsOneStep() {
    s.loadParagraphs(1);
    QPlainTextEdit* edit = s.panels().txtParagraph;
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral(" more"));
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QStringLiteral("b0 more"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QStringLiteral("b0"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("b0"));
    QVERIFY(!s.page().PageChanged);
    QVERIFY(!s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->isEnabled());
}

// Chooses `item` of the Edit menu with the mouse: a click on the menu bar,
// then one on the item.
static void ChooseFromEditMenu(TfrmMain* w, QAction* item) {
    QMenuBar* bar = w->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->menuAction()).center());
    QTRY_VERIFY(w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->isVisible());
    QTest::mouseClick(w->findChild<QMenu*>(QStringLiteral("mnuEdit")), Qt::LeftButton, {}, w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->actionGeometry(item).center());
    QTRY_VERIFY(!w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->isVisible());
}

void TestHistory::moveUndoneAndRedone() {
    s.loadParagraphs(4);
    DropRowAt(s.canvas, 0, 199, 2 * 31 + 1);
    QCOMPARE(s.order(), (QStringList{"b1", "b2", "b0", "b3"}));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo Move Paragraph"));
    s.w->activateWindow();
    QTest::keyClick(s.w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b2", "b3"}));
    QCOMPARE(s.page().CurrentIndex, 0);
    QCOMPARE(s.panels().txtParagraph->toPlainText(), QStringLiteral("b0"));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditRedo"))->text(), QStringLiteral("&Redo Move Paragraph"));
    QTest::keyClick(s.w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.order(), (QStringList{"b1", "b2", "b0", "b3"}));
    QCOMPARE(s.page().CurrentIndex, 2);
    QCOMPARE(s.shown(), (QList<int>{0, 1, 2, 3}));
    QVERIFY(s.page().PageChanged);
}

void TestHistory::savedStateByEditMenu() {
    // A page with a file of its own, saved after one shred.
    s.loadParagraphs(3);
    const QString path = s.env->appDir() + QStringLiteral("/mine.tve");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    s.page().DocFileName = path;
    DropRowAt(s.canvas, 0, 50, 255);
    QVERIFY(s.page().PageChanged);
    s.w->activateWindow();
    QTest::keyClick(s.w, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!s.page().PageChanged);
    QVERIFY(QFileInfo(path).size() > 0);
    QVERIFY(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->isEnabled());  // saving keeps the history

    DropRowAt(s.canvas, 0, 50, 255);
    QCOMPARE(s.order(), (QStringList{"b2"}));
    ChooseFromEditMenu(s.w, s.w->findChild<QAction*>(QStringLiteral("menEditUndo")));
    QCOMPARE(s.order(), (QStringList{"b1", "b2"}));
    QVERIFY(!s.page().PageChanged);  // the state on disk
    ChooseFromEditMenu(s.w, s.w->findChild<QAction*>(QStringLiteral("menEditUndo")));
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b2"}));
    QVERIFY(s.page().PageChanged);  // before the save: differs from the file
    QVERIFY(!s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->isEnabled());
    ChooseFromEditMenu(s.w, s.w->findChild<QAction*>(QStringLiteral("menEditRedo")));
    QVERIFY(!s.page().PageChanged);
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    dialogs->shown.clear();
    QVERIFY(s.w->close());
    QVERIFY(dialogs->shown.isEmpty());  // nothing to save, nothing asked
}

void TestHistory::newEmptiesHistory() {
    s.loadParagraphs(2);
    DropRowAt(s.canvas, 0, 50, 255);
    QVERIFY(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->isEnabled());
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    dialogs->answers << QMessageBox::No;  // do not save the changes
    s.w->activateWindow();
    QTest::keyClick(s.w, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(s.page().Count(), 0);
    QVERIFY(!s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->isEnabled());
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo"));
    QTest::keyClick(s.w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.page().Count(), 0);
    QVERIFY(!s.page().PageChanged);
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
