// The keyboard on the build canvas and in the rest of the program, with real
// key events sent to the widget that has the focus.

#include "BuildStageHelpers.h"
#include "main/ProgramKeys.h"
#include "app/Resources.h"
#include "preview/ViewStage.h"
#include "model/CanvasKeys.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include "TarvoResources.h"

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() { QVERIFY(s.open()); }
    void cleanup() { s.close(); }

    void keyboardPageEqualsMousePage();
    void keysWaitForTheMouse();
    void tabOrderFollowsTheScreen();
    void stageKeysGoThroughTheSwitch();
    void everyControlIsNamed();
    void aFieldTakingTheFocusIsTheFocusedObject();

private:
    // Presses a key in the widget that has the focus.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), mods);
    }
    void activate() {
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w));
    }
    TCanvasKeys& keys() { return s.canvas->Keys(); }
    // The HTML the View stage shows for the page.
    QString viewHtml() {
        press(Qt::Key_3, Qt::ControlModifier);
        if (s.w->CurrentStage() != TfrmMain::stView) return QStringLiteral("(not in View)");
        return s.w->View()->memHTML->toPlainText();
    }
    QList<int> kinds() {
        QList<int> k;
        for (auto& c : s.page().WebChunks) k << c->Kind;
        return k;
    }
    TBuildStage s;
};

void TestKeys::keyboardPageEqualsMousePage() {
    // By mouse: the six kinds dropped below the last row, the line dragged
    // from the bottom to the top, the image shredded, the heading filled in.
    TBuildCanvas* c = s.canvas;
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        DropBrickAt(c->Brick(kind), 199, 260);
        QTRY_VERIFY(!c->DraggingBrick);
    }
    DropRowAt(c, 5, 199, 1);
    QTRY_VERIFY(!c->DraggingBlock);
    TWebBlock* image = c->CanvasRows[3];
    StartDrag(image);
    DragTo(image, 150, 255);
    DragTo(image, 50, 255);
    Release(image);
    QCOMPARE(kinds(), (QList<int>{bkLine, bkPara, bkLink, bkHeading, bkEmail}));
    QTest::mouseClick(c->CanvasRows[3], Qt::LeftButton);
    QTest::keyClicks(s.panels().txtHeading, QStringLiteral("Welcome"));
    activate();
    const QString byMouse = viewHtml();
    QVERIFY(byMouse.contains(QStringLiteral("Welcome")));
    s.close();
    QVERIFY(s.open());
    c = s.canvas;
    activate();

    // By keys, from the first control of the window on.
    for (int i = 0; i < 40 && QApplication::focusWidget() != keys().fcsToolBox; ++i) press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), keys().fcsToolBox);
    QVERIFY(keys().shpFocusFrame->isVisible());
    QCOMPARE(keys().shpFocusFrame->geometry().center(), c->imgBrPara->geometry().center());
    PlayedSounds().clear();
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        if (kind > 0) press(Qt::Key_Down);
        QCOMPARE(keys().ToolKind(), kind);
        QCOMPARE(keys().fcsToolBox->accessibleName(), QStringLiteral("Toolbox: ") + BlockKindName(kind));
        press(kind % 2 ? Qt::Key_Insert : Qt::Key_Return);
        QCOMPARE(s.page().CurrentIndex, kind);  // below the selected block, selected
        QCOMPARE(QApplication::focusWidget(), keys().fcsToolBox);
    }
    press(Qt::Key_Down);  // stays on the last kind
    QCOMPARE(keys().ToolKind(), kBlockKindCount - 1);
    QCOMPARE(kinds(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QVERIFY(s.page().PageChanged);
    QCOMPARE(PlayedSounds().count(QStringLiteral("wavclick2")), 6);
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo Insert Line"));

    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), keys().fcsPageColumn);
    QCOMPARE(keys().fcsPageColumn->accessibleName(), QStringLiteral("Line block: full width, 6 of 6"));
    for (int i = 0; i < 5; ++i) press(Qt::Key_Up, i % 2 ? Qt::ControlModifier : Qt::AltModifier);
    press(Qt::Key_Up, Qt::AltModifier);  // already at the top
    QCOMPARE(kinds(), (QList<int>{bkLine, bkPara, bkLink, bkImage, bkHeading, bkEmail}));
    QCOMPARE(s.page().CurrentIndex, 0);
    QCOMPARE(s.shown(), s.range(0, 6));
    QCOMPARE(QApplication::focusWidget(), keys().fcsPageColumn);
    QCOMPARE(keys().shpFocusFrame->geometry().center(), c->CanvasRows[0]->geometry().center());

    press(Qt::Key_End);
    QCOMPARE(s.page().CurrentIndex, 5);
    press(Qt::Key_Home);
    QCOMPARE(s.page().CurrentIndex, 0);
    for (int i = 0; i < 3; ++i) press(Qt::Key_Down);
    QCOMPARE(s.page().CurrentChunk()->Kind, int(bkImage));
    PlayedSounds().clear();
    press(Qt::Key_Delete);
    QCOMPARE(kinds(), (QList<int>{bkLine, bkPara, bkLink, bkHeading, bkEmail}));
    QCOMPARE(s.page().CurrentChunk()->Kind, int(bkHeading));  // the block that took its place
    QCOMPARE(PlayedSounds(), QStringList{"wavshred"});
    QVERIFY(s.w->findChild<QTimer*>(QStringLiteral("timShredder"))->isActive());
    QCOMPARE(QApplication::focusWidget(), keys().fcsPageColumn);
    QCOMPARE(keys().shpFocusFrame->geometry().center(), c->CanvasRows[3]->geometry().center());

    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.panels().txtHeading);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Welcome"));
    press(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), keys().fcsPageColumn);
    QCOMPARE(keys().fcsPageColumn->accessibleName(), QStringLiteral("Heading block: Welcome, 4 of 5"));
    QCOMPARE(c->CanvasRows[3]->accessibleDescription(), QStringLiteral("Welcome"));
    QCOMPARE(viewHtml(), byMouse);
    QVERIFY(!keys().shpFocusFrame->isVisible());
}

void TestKeys::keysWaitForTheMouse() {
    s.loadParagraphs(3);
    activate();
    keys().fcsPageColumn->setFocus();
    TWebBlock* row = s.canvas->CanvasRows[1];
    StartDrag(row);
    QVERIFY(s.canvas->DraggingBlock);
    keys().fcsPageColumn->setFocus();
    for (int key : {int(Qt::Key_Delete), int(Qt::Key_Down), int(Qt::Key_Home), int(Qt::Key_Return)}) press(key);
    press(Qt::Key_Down, Qt::AltModifier);
    keys().fcsToolBox->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b2"}));
    QCOMPARE(s.page().CurrentIndex, 1);
    QCOMPARE(keys().ToolKind(), 0);
    QVERIFY(!s.page().PageChanged);
    Release(row);
    // Once the block is let go, the keys work again, and undo takes a key
    // move back like any other.
    keys().fcsPageColumn->setFocus();
    press(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(s.order(), (QStringList{"b0", "b2", "b1"}));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo Move Paragraph"));
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b2"}));
    QVERIFY(!s.page().PageChanged);
}

void TestKeys::tabOrderFollowsTheScreen() {
    s.loadParagraphs(2);
    activate();
    keys().fcsToolBox->setFocus();
    TPropertyPanels& p = s.panels();
    const QList<QWidget*> expected{keys().fcsToolBox, keys().fcsPageColumn, p.txtParagraph,
                                   p.paraButtons.left, p.paraButtons.center, p.paraButtons.right,
                                   p.paraButtons.newLine, keys().fcsToolBox};
    QList<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
    QCOMPARE(p.txtParagraph->toPlainText(), QStringLiteral("b0"));  // Tab typed nothing
    // A panel button pressed with Space is a change like a click.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), p.paraButtons.center);
    press(Qt::Key_Space);
    QCOMPARE(s.page().Chunk(0)->Para->Align, quint8(alCenter));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QStringLiteral("&Undo Align Paragraph"));
}

void TestKeys::stageKeysGoThroughTheSwitch() {
    activate();
    QAction* stage3 = s.w->findChild<QAction*>(QStringLiteral("menStageView"));
    QVERIFY(stage3);
    QCOMPARE(stage3->shortcut(), QKeySequence(QStringLiteral("Ctrl+3")));
    QCOMPARE(s.w->findChild<QAction*>(QStringLiteral("menFileSaveAs"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    press(Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(s.w->CurrentStage(), int(TfrmMain::stView));
    QVERIFY(s.w->findChild<QFrame*>(QStringLiteral("pnlView"))->isVisible());
    // The Send stage asks for the page to be saved first; cancelled, the
    // stage stays.
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    dialogs->answers << QMessageBox::Cancel << QMessageBox::Cancel;
    dialogs->fileNames << QString() << QString();
    press(Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(s.w->CurrentStage(), int(TfrmMain::stView));
    // Nothing was sent: there is no Sent stage to go to.
    press(Qt::Key_5, Qt::ControlModifier);
    QCOMPARE(s.w->CurrentStage(), int(TfrmMain::stView));
    press(Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(s.w->CurrentStage(), int(TfrmMain::stBuild));
    QVERIFY(s.w->findChild<QFrame*>(QStringLiteral("pnlBuild"))->isVisible());
    press(Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(s.w->CurrentStage(), int(TfrmMain::stChoose));
}

void TestKeys::everyControlIsNamed() {
    s.loadParagraphs(2);
    activate();
    for (int stage : {TfrmMain::stChoose, TfrmMain::stBuild, TfrmMain::stView}) {
        s.w->ShowRedPill(stage);
        QCOMPARE(s.w->CurrentStage(), stage);
        for (auto* w : s.w->findChildren<QWidget*>()) {
            // Controls: what takes the focus, the page rows, and the pictures
            // that answer the mouse (they show a cursor or a hint of their own).
            const bool picture = qobject_cast<TPicture*>(w) &&
                                 (w->testAttribute(Qt::WA_SetCursor) || !w->toolTip().isEmpty());
            const bool control = w->focusPolicy() != Qt::NoFocus || picture || qobject_cast<TWebBlock*>(w);
            if (!control || !w->isVisible() || w->width() <= 1 || qobject_cast<QMenu*>(w)) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("stage %1: %2 (%3) has no name")
                                    .arg(stage)
                                    .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))));
        }
    }
    QCOMPARE(s.canvas->imgBrHeading->accessibleName(), QStringLiteral("Toolbox: Heading block"));
    QCOMPARE(s.canvas->CanvasRows[1]->accessibleDescription(), QStringLiteral("b1"));
    QVERIFY(s.w->findChild<QWidget*>(QStringLiteral("accStage4")));
    QCOMPARE(s.w->findChild<QWidget*>(QStringLiteral("accStage4"))->accessibleName(),
             QStringLiteral("Stage 4: Send it to the Web"));
}

void TestKeys::aFieldTakingTheFocusIsTheFocusedObject() {
    s.loadParagraphs(2);
    activate();
    keys().fcsPageColumn->setFocus();
    press(Qt::Key_Return);
    QPlainTextEdit* editor = s.panels().txtParagraph;
    QCOMPARE(QApplication::focusWidget(), editor);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::EditableText);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Type your paragraph text here"));
    QVERIFY(a->state().focused);
    // A screen reader looks for the focused object: the editor is the only
    // one, not its nameless viewport beside it.
    for (auto* w : s.w->findChildren<QWidget*>()) {
        QAccessibleInterface* other = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(w == editor || !other || !other->state().focused,
                 qPrintable(QStringLiteral("%1 (%2) reports the focus")
                                .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))));
    }
    // A click on the text still puts the focus in the editor.
    keys().fcsPageColumn->setFocus();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), editor);
}

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
