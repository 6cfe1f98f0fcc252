#pragma once
// Helpers of the build-stage suites: a real main window in the Build stage,
// pages made the way the document reader makes them, and mouse gestures
// made of real presses, moves and releases on the canvas controls.

#include "TestSupport.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "main/Startup.h"
#include "model/BuildCanvas.h"
#include "model/PropertyPanels.h"
#include "model/WebBlock.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>
#include <memory>

struct TBuildStage {
    std::unique_ptr<TTestEnv> env;
    TfrmMain* w = nullptr;
    TBuildCanvas* canvas = nullptr;

    bool open() {
        env = std::make_unique<TTestEnv>();
        if (!env->ok()) return false;
        w = CreateMainWindow();
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) return false;
        w->ChangeState(TfrmMain::stBuild);
        canvas = BuildCanvasOf(*w);
        return canvas != nullptr;
    }
    void close() {
        delete w;
        w = nullptr;
        canvas = nullptr;
        env.reset();
    }
    TPage& page() { return w->Page(); }
    TPropertyPanels& panels() { return canvas->Panels(); }

    // Appends a block as the document reader does; paragraphs are named
    // "b0", "b1", ... by their original position.
    void load(int kind = bkPara) {
        const int index = page().InsertChunk(page().Count(), NewChunkForKind(kind));
        if (kind == bkPara) page().Chunk(index)->Para->Paragraph = QStringLiteral("b%1").arg(index);
        canvas->LoadChunk(index, false);
    }
    void loadParagraphs(int count) {
        for (int i = 0; i < count; ++i) load();
        canvas->SelectBlock(0);
        canvas->HighLightBlock(0);
        page().PageChanged = false;
    }
    // The paragraph names in page order.
    QStringList order() {
        QStringList names;
        for (auto& c : page().WebChunks) names << (c->Para ? c->Para->Paragraph : QStringLiteral("?"));
        return names;
    }
    // The blocks the rows show, row by row, and whether each row stands in place.
    QList<int> shown() {
        QList<int> indexes;
        for (size_t i = 0; i < canvas->CanvasRows.size(); ++i) {
            TWebBlock* row = canvas->CanvasRows[i];
            if (row->SlotIndex != int(i) || row->pos() != QPoint(199, int(i) * 31 + 1) || row->isHidden())
                indexes << -1;
            else
                indexes << row->ChunkIndex;
        }
        return indexes;
    }
    static QList<int> range(int from, int count) {
        QList<int> r;
        for (int i = 0; i < count; ++i) r << from + i;
        return r;
    }
    // Scrolls the view with the scroll bar, one row per change.
    void scrollTo(int position) {
        while (canvas->ScrollBar1->value() < position) canvas->ScrollBar1->setValue(canvas->ScrollBar1->value() + 1);
        while (canvas->ScrollBar1->value() > position) canvas->ScrollBar1->setValue(canvas->ScrollBar1->value() - 1);
    }
};

// A mouse move with the left button held and the given keys.
inline void MoveWithKeys(QWidget* target, QPoint at, Qt::KeyboardModifiers keys) {
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, keys);
    QApplication::sendEvent(target, &move);
}

// Moves a dragged control so that its top-left lands on (left, top) as far
// as the canvas lets it: the control hangs from its top centre.
inline void DragTo(QWidget* dragged, int left, int top) {
    QTest::mouseMove(dragged, QPoint(left - dragged->x() + 47, top - dragged->y()));
}

// Presses on a control and makes the first move, which starts a drag.
inline void StartDrag(QWidget* control) {
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(30, 8));
    QTest::mouseMove(control, QPoint(31, 8));
}

inline void Release(QWidget* control) { QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(47, 2)); }

// Drags a toolbox block out of its column and lets it go at (left, top).
inline void DropBrickAt(TPicture* brick, int left, int top) {
    StartDrag(brick);
    DragTo(brick, 150, brick->y());
    DragTo(brick, left, top);
    Release(brick);
}

// Drags a page row to (left, top) and lets it go; returns the dragged control.
inline TWebBlock* DropRowAt(TBuildCanvas* canvas, int row, int left, int top) {
    TWebBlock* pressed = canvas->CanvasRows[size_t(row)];
    StartDrag(pressed);
    DragTo(pressed, left, top);
    Release(pressed);
    return pressed;
}
