// The build canvas driven by the mouse: real presses, moves and releases on
// the toolbox blocks and page rows of the real main window.

#include "BuildStageHelpers.h"
#include "app/EditorText.h"
#include "app/Application.h"
#include "app/Resources.h"
#include "app/HelpSystem.h"
#include "app/WhatsThis.h"

#include <QFrame>
#include <QDir>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "TarvoResources.h"

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { QVERIFY(s.open()); }
    void cleanup() { s.close(); }

    void dropAppendsOnEmptyPageAndBelowLastRow();
    void dropInsertsOnRowOfFullColumn();
    void dropOnLastRowOfFullColumn();
    void releaseOutsidePageSendsBlockHome();
    void toolboxAndPageRowsCountDifferently();
    void moveLandsAfterGoingDownBeforeGoingUp();
    void shredderOnlyOnRow8LeftOfToolboxEdge();
    void shreddingRebuildsRows();
    void shreddingAfterAutoScrollKeepsViewWithScrollBar();
    void scrollBarMovesView();
    void modifierKeysNeverDrag();
    void clickSelectsAndRightReleaseAsksForHelp();
    void loadAndClearPage();

private:
    void shred(TWebBlock* row);
    static int RowCount(TBuildCanvas* c) { return c->RowCount(); }
    TBuildStage s;
};

void TestCanvas::initTestCase() {
    InitTarvoResources();
}

void TestCanvas::shred(TWebBlock* row) {
    StartDrag(row);
    DragTo(row, 150, 255);
    DragTo(row, 50, 255);
    Release(row);
}

void TestCanvas::dropAppendsOnEmptyPageAndBelowLastRow() {
    TBuildCanvas* c = s.canvas;
    PlayedSounds().clear();
    QVERIFY(s.w->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    DropBrickAt(c->imgBrHeading, 199, 5 * 32 + 5);  // row 5 of an empty page
    QCOMPARE(s.page().Count(), 1);
    QCOMPARE(s.page().Chunk(0)->Kind, int(bkHeading));
    QCOMPARE(s.shown(), QList<int>{0});
    QCOMPARE(s.page().CurrentIndex, 0);
    QVERIFY(s.page().PageChanged);
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlHeading);
    QCOMPARE(PlayedSounds(), (QStringList{"wavclick1", "wavclick2"}));
    // The hint stops blinking for good, visible.
    QVERIFY(!s.w->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    QVERIFY(!s.w->findChild<QLabel*>(QStringLiteral("lblBuildRight"))->isHidden());
    QCOMPARE(CurrentScreenCursor(), 0);
    QTRY_VERIFY(!c->DraggingBrick);
    QCOMPARE(c->imgBrHeading->pos(), QPoint(1, 67));

    DropBrickAt(c->imgBrPara, 199, 260);  // the shredder row is below the last row too
    QCOMPARE(s.page().Count(), 2);
    QCOMPARE(s.page().Chunk(1)->Kind, int(bkPara));
    QCOMPARE(s.shown(), (QList<int>{0, 1}));
    QCOMPARE(s.page().CurrentIndex, 1);
    QTRY_VERIFY(!c->DraggingBrick);

    // With a full column the new block goes to the end of the page and the
    // view jumps to show it on the last row.
    for (int i = 0; i < 8; ++i) s.load();
    QCOMPARE(c->ScrollBar1->maximum(), 2);
    QVERIFY(!c->ScrollBar1->isHidden());
    DropBrickAt(c->imgBrLine, 199, 260);
    QCOMPARE(s.page().Count(), 11);
    QCOMPARE(s.page().Chunk(10)->Kind, int(bkLine));
    QCOMPARE(s.shown(), TBuildStage::range(3, 8));
    QCOMPARE(c->ScrollBar1->maximum(), 3);
    QCOMPARE(c->ScrollBar1->value(), 3);
    QCOMPARE(s.page().CurrentIndex, 10);
    QCOMPARE(c->HighlightedSlot, 7);
}

void TestCanvas::dropInsertsOnRowOfFullColumn() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(10);
    DropBrickAt(c->imgBrLink, 199, 3 * 32 + 2);
    QCOMPARE(s.page().Count(), 11);
    QCOMPARE(s.page().Chunk(3)->Kind, int(bkLink));
    QCOMPARE(s.order().mid(0, 5), (QStringList{"b0", "b1", "b2", "?", "b3"}));
    // The view stays; the block of row 7 left it.
    QCOMPARE(s.shown(), TBuildStage::range(0, 8));
    QCOMPARE(s.page().Chunk(7)->Para->Paragraph, QString("b6"));
    QCOMPARE(s.page().CurrentIndex, 3);
    QCOMPARE(c->HighlightedSlot, 3);
    QCOMPARE(c->ScrollBar1->value(), 0);
    QCOMPARE(c->ScrollBar1->maximum(), 3);
}

void TestCanvas::dropOnLastRowOfFullColumn() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(10);
    DropBrickAt(c->imgBrImage, 199, 7 * 32 + 2);
    QCOMPARE(s.page().Chunk(7)->Kind, int(bkImage));
    // One step down, so the block pushed down shows on row 7; the new block
    // (now on row 6) is the selected one and its fields are shown.
    QCOMPARE(s.shown(), TBuildStage::range(1, 8));
    QCOMPARE(c->ScrollBar1->value(), 1);
    QCOMPARE(s.page().Chunk(8)->Para->Paragraph, QString("b7"));
    QCOMPARE(s.page().CurrentIndex, 7);
    QCOMPARE(c->HighlightedSlot, 6);
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlImage);
    QTRY_VERIFY(!c->DraggingBrick);

    // At the end of the page the view cannot step: the new block is selected.
    s.scrollTo(c->ScrollBar1->maximum());
    QCOMPARE(s.shown(), TBuildStage::range(3, 8));
    DropBrickAt(c->imgBrEmail, 199, 7 * 32 + 2);
    QCOMPARE(s.page().Chunk(10)->Kind, int(bkEmail));
    QCOMPARE(s.shown(), TBuildStage::range(3, 8));
    QCOMPARE(c->ScrollBar1->value(), 3);
    QCOMPARE(s.page().CurrentIndex, 10);
}

void TestCanvas::releaseOutsidePageSendsBlockHome() {
    TBuildCanvas* c = s.canvas;
    TPicture* brick = c->imgBrLink;
    // Inside the toolbox column it moves only sideways and jumps home.
    StartDrag(brick);
    DragTo(brick, 60, 150);
    QCOMPARE(brick->pos(), QPoint(60, 23));
    Release(brick);
    QCOMPARE(brick->pos(), QPoint(1, 23));
    QVERIFY(!c->DraggingBrick);
    QVERIFY(!s.w->findChild<QTimer*>(QStringLiteral("timAnim"))->isActive());

    // Once out of the column it snaps to rows and cannot go back in.
    StartDrag(brick);
    DragTo(brick, 150, 23);
    DragTo(brick, 20, 100);
    QCOMPARE(brick->pos(), QPoint(97, 94));
    DragTo(brick, 151, 100);
    Release(brick);
    QCOMPARE(s.page().Count(), 0);
    // It slides in from the left edge in ten steps.
    QCOMPARE(brick->pos(), QPoint(-99, 23));
    QVERIFY(s.w->findChild<QTimer*>(QStringLiteral("timAnim"))->isActive());
    QCOMPARE(s.w->findChild<QTimer*>(QStringLiteral("timAnim"))->interval(), 10);
    s.w->findChild<QTimer*>(QStringLiteral("timAnim"))->stop();
    for (int i = 0; i < 9; ++i) c->timAnimTimer();
    QCOMPARE(brick->x(), -9);
    QVERIFY(c->BrickReturning && c->DraggingBrick);
    // No other drag starts while one block is on its way home.
    StartDrag(c->imgBrPara);
    DragTo(c->imgBrPara, 150, 1);
    Release(c->imgBrPara);
    QCOMPARE(c->imgBrPara->pos(), QPoint(1, 1));
    c->timAnimTimer();
    QCOMPARE(brick->pos(), QPoint(1, 23));
    QVERIFY(!c->BrickReturning && !c->DraggingBrick);
    QCOMPARE(s.page().Count(), 0);
}

void TestCanvas::toolboxAndPageRowsCountDifferently() {
    // Top 63 is row 1 for a toolbox block (63 div 32) but row 2 for a page
    // block ((63 - 1) div 31).
    s.loadParagraphs(5);
    DropBrickAt(s.canvas->imgBrLine, 199, 63);
    QCOMPARE(s.order(), (QStringList{"b0", "?", "b1", "b2", "b3", "b4"}));
    QTRY_VERIFY(!s.canvas->DraggingBrick);
    DropRowAt(s.canvas, 5, 199, 63);
    QCOMPARE(s.order(), (QStringList{"b0", "?", "b4", "b1", "b2", "b3"}));
}

void TestCanvas::moveLandsAfterGoingDownBeforeGoingUp() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(5);
    PlayedSounds().clear();
    // During the drag the column keeps a lit row in place; the pressed
    // control follows the mouse.
    QPointer<TWebBlock> pressed = c->CanvasRows[1];
    StartDrag(pressed);
    QVERIFY(c->DraggingBlock);
    QVERIFY(c->CanvasRows[1] != pressed.data());
    QCOMPARE(s.shown(), TBuildStage::range(0, 5));
    QCOMPARE(c->HighlightedSlot, 1);
    QCOMPARE(s.page().CurrentIndex, 1);
    DragTo(pressed, 199, 3 * 31 + 6);
    QCOMPARE(pressed->pos(), QPoint(199, 94));
    Release(pressed);
    QCOMPARE(s.order(), (QStringList{"b0", "b2", "b3", "b1", "b4"}));
    QCOMPARE(s.page().CurrentIndex, 3);
    QCOMPARE(c->HighlightedSlot, 3);
    QVERIFY(s.page().PageChanged);
    QCOMPARE(s.shown(), TBuildStage::range(0, 5));
    QCOMPARE(PlayedSounds(), (QStringList{"wavclick1", "wavclick2"}));
    QTRY_VERIFY(pressed.isNull());  // the carried copy is gone

    DropRowAt(c, 3, 199, 2);
    QCOMPARE(s.order(), (QStringList{"b1", "b0", "b2", "b3", "b4"}));
    QCOMPARE(s.page().CurrentIndex, 0);

    s.page().PageChanged = false;
    DropRowAt(c, 2, 199, 2 * 31 + 1);  // its own row
    QCOMPARE(s.order(), (QStringList{"b1", "b0", "b2", "b3", "b4"}));
    QVERIFY(!s.page().PageChanged);

    // Below the last row, right of the toolbox column: the last row.
    DropRowAt(c, 0, 199, 260);
    QCOMPARE(s.order(), (QStringList{"b0", "b2", "b3", "b4", "b1"}));

    // Sideways only left of the column, into the toolbox only on row 8.
    TWebBlock* row = c->CanvasRows[2];
    StartDrag(row);
    DragTo(row, 20, 2 * 31 + 1);
    QCOMPARE(row->pos(), QPoint(97, 63));
    DragTo(row, 20, 255);
    QCOMPARE(row->pos(), QPoint(20, 249));
    DragTo(row, 300, 300);
    QCOMPARE(row->pos(), QPoint(199, 249));
    Release(row);
    QCOMPARE(s.page().Count(), 5);
}

void TestCanvas::shredderOnlyOnRow8LeftOfToolboxEdge() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(3);
    PlayedSounds().clear();
    shred(c->CanvasRows[0]);
    QCOMPARE(s.order(), (QStringList{"b1", "b2"}));
    QVERIFY(s.page().PageChanged);  // so that closing asks to save
    QCOMPARE(s.shown(), (QList<int>{0, 1}));
    QCOMPARE(PlayedSounds(), (QStringList{"wavclick1", "wavshred"}));
    QCOMPARE(s.page().CurrentIndex, 0);  // the block that moved into the freed row
    QCOMPARE(c->HighlightedSlot, 0);
    QCOMPARE(CurrentScreenCursor(), 0);

    // Eight frames of 125 ms, gone on the ninth tick.
    QVERIFY(s.w->findChild<QTimer*>(QStringLiteral("timShredder"))->isActive());
    QCOMPARE(s.w->findChild<QTimer*>(QStringLiteral("timShredder"))->interval(), 125);
    s.w->findChild<QTimer*>(QStringLiteral("timShredder"))->stop();
    for (int i = 0; i < 8; ++i) {
        c->timShredderTimer();
        QVERIFY(!c->imgShredder->isHidden());
        QCOMPARE(c->imgShredder->Tag, i + 1);
    }
    c->timShredderTimer();
    QVERIFY(c->imgShredder->isHidden());
    QCOMPARE(c->imgShredder->Tag, 0);

    // Left 97 on row 8 is past the shredder: the block moves to the last row.
    TWebBlock* row = c->CanvasRows[0];
    StartDrag(row);
    DragTo(row, 97, 255);
    Release(row);
    QCOMPARE(s.order(), (QStringList{"b2", "b1"}));
}

void TestCanvas::shreddingRebuildsRows() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(10);
    // A full column with a block below it: the next block moves up into view.
    shred(c->CanvasRows[2]);
    QCOMPARE(s.page().Count(), 9);
    QCOMPARE(s.shown(), TBuildStage::range(0, 8));
    QCOMPARE(s.order().mid(0, 4), (QStringList{"b0", "b1", "b3", "b4"}));
    QCOMPARE(c->HighlightedSlot, 2);
    QCOMPARE(s.page().CurrentIndex, 2);
    QCOMPARE(c->ScrollBar1->maximum(), 1);
    QVERIFY(!c->ScrollBar1->isHidden());

    // A full column at the end of the page: the view steps up one row.
    s.scrollTo(1);
    QCOMPARE(s.shown(), TBuildStage::range(1, 8));
    shred(c->CanvasRows[3]);  // b5
    QCOMPARE(s.order(), (QStringList{"b0", "b1", "b3", "b4", "b6", "b7", "b8", "b9"}));
    QCOMPARE(s.shown(), TBuildStage::range(0, 8));
    QCOMPARE(c->ScrollBar1->value(), 0);
    QVERIFY(c->ScrollBar1->isHidden());
    QCOMPARE(c->HighlightedSlot, 3);
    QCOMPARE(s.page().Chunk(s.page().CurrentIndex)->Para->Paragraph, QString("b4"));

    // Eight blocks at the top: one shred leaves seven rows, the row above lit.
    shred(c->CanvasRows[7]);
    QCOMPARE(s.shown(), TBuildStage::range(0, 7));
    QVERIFY(c->ScrollBar1->isHidden());
    QCOMPARE(c->HighlightedSlot, 6);
    QCOMPARE(s.page().CurrentIndex, 6);
    shred(c->CanvasRows[2]);
    QCOMPARE(s.shown(), TBuildStage::range(0, 6));
    QCOMPARE(c->HighlightedSlot, 2);
    QCOMPARE(s.page().Chunk(2)->Para->Paragraph, QString("b4"));

    // The last block of the page leaves the blank panel.
    while (s.page().Count() > 0) shred(c->CanvasRows[0]);
    QVERIFY(c->CanvasRows.empty());
    QCOMPARE(s.page().CurrentIndex, -1);
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlBlank);
}

void TestCanvas::shreddingAfterAutoScrollKeepsViewWithScrollBar() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(14);
    // Carried down to the shredder row at the column, the view scrolls.
    TWebBlock* row = c->CanvasRows[2];
    StartDrag(row);
    DragTo(row, 199, 255);
    QVERIFY(s.w->findChild<QTimer*>(QStringLiteral("timDown"))->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(c->FirstShown() >= 2, 30000);
    DragTo(row, 150, 255);
    DragTo(row, 50, 255);
    QVERIFY(!s.w->findChild<QTimer*>(QStringLiteral("timDown"))->isActive());
    Release(row);
    QCOMPARE(s.page().Count(), 13);
    QVERIFY(!s.order().contains("b2"));
    QCOMPARE(c->ScrollBar1->value(), c->FirstShown());
    QCOMPARE(s.shown(), TBuildStage::range(c->FirstShown(), 8));

    // The carried block scrolls out of view before it is shredded: the view
    // keeps showing the same blocks and agrees with the scroll bar.
    row = c->CanvasRows[1];
    const QString carried = s.page().Chunk(row->ChunkIndex)->Para->Paragraph;
    StartDrag(row);
    DragTo(row, 199, 255);
    QTRY_VERIFY_WITH_TIMEOUT(c->FirstShown() >= 5, 30000);
    QStringList before;
    for (TWebBlock* r : c->CanvasRows) before << s.page().Chunk(r->ChunkIndex)->Para->Paragraph;
    DragTo(row, 150, 255);
    DragTo(row, 50, 255);
    Release(row);
    QVERIFY(!s.order().contains(carried));
    QCOMPARE(c->FirstShown(), 4);
    QCOMPARE(c->ScrollBar1->value(), 4);
    QCOMPARE(s.shown(), TBuildStage::range(4, 8));
    QStringList after;
    for (TWebBlock* r : c->CanvasRows) after << s.page().Chunk(r->ChunkIndex)->Para->Paragraph;
    QCOMPARE(after, before);
}

void TestCanvas::scrollBarMovesView() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(20);
    QTest::mouseClick(c->CanvasRows[3], Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.page().CurrentIndex, 3);
    c->ScrollBar1->setValue(1);
    QCOMPARE(s.shown(), TBuildStage::range(1, 8));
    QCOMPARE(c->HighlightedSlot, 2);  // the same block stays lit
    QCOMPARE(s.page().CurrentIndex, 3);
    // A jump of the thumb takes the view all the way with it; the block
    // scrolled out of view stays the one selected.
    c->ScrollBar1->setValue(6);
    QCOMPARE(s.shown(), TBuildStage::range(6, 8));
    QCOMPARE(s.page().CurrentIndex, 3);
    QCOMPARE(EditorContents(s.panels().txtParagraph), QString("b3"));
    c->ScrollBar1->setValue(c->ScrollBar1->maximum());
    QCOMPARE(s.shown(), TBuildStage::range(12, 8));
    c->ScrollBar1->setValue(0);
    QCOMPARE(s.shown(), TBuildStage::range(0, 8));
    QCOMPARE(c->HighlightedSlot, 3);  // lit again in its row
    QCOMPARE(s.page().CurrentIndex, 3);
    // The scroll bar's arrows scroll and select nothing else either.
    const QRect arrows = c->ScrollBar1->rect();
    QTest::mouseClick(c->ScrollBar1, Qt::LeftButton, Qt::NoModifier, QPoint(arrows.width() / 2, arrows.height() - 4));
    QTRY_COMPARE(c->FirstShown(), 1);
    QCOMPARE(s.page().CurrentIndex, 3);
    QTest::mouseClick(c->ScrollBar1, Qt::LeftButton, Qt::NoModifier, QPoint(arrows.width() / 2, 4));
    QTRY_COMPARE(c->FirstShown(), 0);
    QCOMPARE(s.page().CurrentIndex, 3);
    // The mouse wheel over the column scrolls it a row a notch. (A wheel
    // turned over a row reaches the column the row is on; an event sent
    // by hand is not passed on, so it goes to the column itself.)
    const auto wheel = [&](QWidget* row, int delta) {
        QWidget* over = row->parentWidget();
        const QPointF at = row->geometry().center();
        QWheelEvent e(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &e);
    };
    wheel(c->CanvasRows[2], -120);
    wheel(c->CanvasRows[2], -120);
    QCOMPARE(c->FirstShown(), 2);
    QCOMPARE(c->ScrollBar1->value(), 2);
    wheel(c->CanvasRows[0], -60);  // half a notch: not yet
    QCOMPARE(c->FirstShown(), 2);
    wheel(c->CanvasRows[0], -60);
    QCOMPARE(c->FirstShown(), 3);
    wheel(c->CanvasRows[0], 360);
    QCOMPARE(c->FirstShown(), 0);
    QCOMPARE(s.page().CurrentIndex, 3);
    // The auto-scroll timers step the bar.
    c->timDownTimer();
    c->timDownTimer();
    QCOMPARE(s.shown(), TBuildStage::range(2, 8));
    c->timUpTimer();
    QCOMPARE(s.shown(), TBuildStage::range(1, 8));
    QCOMPARE(s.canvas->LastScrollPos(), 1);
}

void TestCanvas::modifierKeysNeverDrag() {
    TBuildCanvas* c = s.canvas;
    s.loadParagraphs(2);
    for (Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        TPicture* brick = c->imgBrEmail;
        QTest::mousePress(brick, Qt::LeftButton, key, QPoint(30, 8));
        MoveWithKeys(brick, QPoint(31, 8), key);
        MoveWithKeys(brick, QPoint(150, 8), key);
        QTest::mouseRelease(brick, Qt::LeftButton, key, QPoint(150, 8));
        QVERIFY(!c->DraggingBrick);
        QCOMPARE(brick->pos(), QPoint(1, 89));

        TWebBlock* row = c->CanvasRows[0];
        QTest::mousePress(row, Qt::LeftButton, key, QPoint(30, 8));
        MoveWithKeys(row, QPoint(31, 8), key);
        MoveWithKeys(row, QPoint(31, 80), key);
        QTest::mouseRelease(row, Qt::LeftButton, key, QPoint(31, 80));
        QVERIFY(!c->DraggingBlock);
        QCOMPARE(c->CanvasRows[0], row);
        QCOMPARE(row->pos(), QPoint(199, 1));
    }
    QCOMPARE(s.page().Count(), 2);
    QCOMPARE(s.order(), (QStringList{"b0", "b1"}));
}

void TestCanvas::clickSelectsAndRightReleaseAsksForHelp() {
    TBuildCanvas* c = s.canvas;
    s.load(bkPara);
    s.load(bkLink);
    s.load(bkImage);
    QTest::mouseClick(c->CanvasRows[2], Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.page().CurrentIndex, 2);
    QCOMPARE(c->HighlightedSlot, 2);
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlImage);
    QCOMPARE(CurrentScreenCursor(), 0);
    QTest::mouseClick(c->CanvasRows[1], Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlLink);

    QTest::mouseClick(c->CanvasRows[0], Qt::RightButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.w->Help()->WhatsThisContext(), 11);
    QCOMPARE(s.page().CurrentIndex, 1);  // a right click selects nothing
    QTest::mouseClick(c->imgBrEmail, Qt::RightButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.w->Help()->WhatsThisContext(), 16);
    QTest::mouseClick(c->imgShredderBack, Qt::RightButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(s.w->Help()->WhatsThisContext(), 30);
    QTest::mouseClick(c->imgBackground, Qt::RightButton, Qt::NoModifier, QPoint(250, 10));
    QCOMPARE(s.w->Help()->WhatsThisContext(), 11);
}

void TestCanvas::loadAndClearPage() {
    TBuildCanvas* c = s.canvas;
    for (int i = 0; i < 10; ++i) s.load(i % kBlockKindCount);
    QCOMPARE(s.shown(), TBuildStage::range(0, 8));
    QVERIFY(!c->ScrollBar1->isHidden());
    QCOMPARE(c->ScrollBar1->maximum(), 2);
    QVERIFY(!s.w->findChild<QTimer*>(QStringLiteral("timInit"))->isActive());
    s.w->Hooks().SelectAndHighlight(4);
    QCOMPARE(s.page().CurrentIndex, 4);
    QCOMPARE(c->HighlightedSlot, 4);
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlEmail);

    s.page().DocFileName = QStringLiteral("/tmp/page.tve");
    s.page().PageTitle = QStringLiteral("Mine");
    c->ClearPage();
    QVERIFY(c->CanvasRows.empty());
    QCOMPARE(s.page().Count(), 0);
    QCOMPARE(s.page().CurrentIndex, -1);
    QVERIFY(c->ScrollBar1->isHidden());
    QCOMPARE(c->ScrollBar1->maximum(), 0);
    QCOMPARE(s.page().PageTitle, QString("Tarvo Version 1.0 Document"));
    QCOMPARE(s.page().DocFileName, QString("/tmp/page.tve"));
    QCOMPARE(s.panels().VisiblePanel(), s.panels().pnlBlank);

    // A record made by the reader is kept; one asked for is made; an
    // unknown kind gets nothing.
    auto chunk = std::make_unique<TWebChunk>();
    chunk->Kind = bkImage;
    s.page().InsertChunk(0, std::move(chunk));
    c->LoadChunk(0, true);
    QVERIFY(s.page().Chunk(0)->Image);
    QCOMPARE(s.page().Chunk(0)->Image->ImgLink, QString("http://"));
    auto odd = std::make_unique<TWebChunk>();
    odd->Kind = 9;
    s.page().InsertChunk(1, std::move(odd));
    c->LoadChunk(1, true);
    QCOMPARE(s.shown(), QList<int>{0});
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestCanvas t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_canvas.moc"
