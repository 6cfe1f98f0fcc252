// The page's undo history through the real window: gestures and typing
// taken back with Ctrl+Z and done again with Ctrl+Y.

#include "BuildStageHelpers.h"
#include "model/PageHistory.h"

#include <QAction>
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
    QCOMPARE(s.w->menEditUndo->text(), QStringLiteral("&Undo Shred Paragraph"));
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
    QVERIFY(!s.w->menEditRedo->isEnabled());
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
    QVERIFY(!s.w->menEditUndo->isEnabled());
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
