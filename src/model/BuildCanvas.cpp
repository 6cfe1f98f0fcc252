// The build canvas: its controls, its wiring into the main window, and the
// page-level operations (select, load, clear) that other parts call.

#include "model/BuildCanvas.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/WhatsThis.h"
#include "model/CanvasKeys.h"
#include "model/PageHistory.h"
#include "model/PropertyPanels.h"
#include "model/WebBlock.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

using namespace canvas;

TBuildCanvas::TBuildCanvas(TStageHost& window, TPage& page) : QObject(&window), w_(window), page_(page) {
    setObjectName(QStringLiteral("BuildCanvas"));
    CreateControls();
    keys_ = new TCanvasKeys(*this);
    panels_ = new TPropertyPanels(window, page);
    WireControls();
    keys_->WirePanels();
}

TBuildCanvas::~TBuildCanvas() = default;

void TBuildCanvas::CreateControls() {
    pnlToolBox = new QFrame(w_.StagePanel(TStageHost::stBuild));
    pnlToolBox->setObjectName(QStringLiteral("pnlToolBox"));
    pnlToolBox->setGeometry(9, 19, 301, 273);
    pnlToolBox->setFrameShape(QFrame::NoFrame);

    imgBackground = new TPicture(pnlToolBox, QStringLiteral("imgBackground"));
    imgBackground->setGeometry(0, 1, 300, 272);
    imgBackground->setPixmap(ResourceBitmap(QStringLiteral("Page_Back")));

    // The toolbox blocks, each at home with its home top as Tag.
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        auto* brick = new TPicture(pnlToolBox, BrickName(kind));
        const int homeTop = FirstRowTop + kind * BlockHeight;
        brick->Tag = homeTop;
        brick->setGeometry(HomeLeft, homeTop, BlockWidth, BlockHeight);
        brick->setPixmap(ResourceBitmap(KindPictureName(kind)));
        brick->setCursor(ScreenCursor(12));
        brick->setAccessibleName(QCoreApplication::translate("BuildCanvas", "Toolbox: ") + BlockKindName(kind));
    }
    imgBrPara = Brick(bkPara);
    imgBrLink = Brick(bkLink);
    imgBrImage = Brick(bkImage);
    imgBrHeading = Brick(bkHeading);
    imgBrEmail = Brick(bkEmail);
    imgBrLine = Brick(bkLine);

    lblBuildBlocks = new QLabel(QCoreApplication::translate("BuildCanvas", " Web Blocks"), pnlToolBox);
    lblBuildBlocks->setObjectName(QStringLiteral("lblBuildBlocks"));
    lblBuildBlocks->move(17, 136);
    lblBuildBlocks->adjustSize();
    lblDelete = new QLabel(QCoreApplication::translate("BuildCanvas", "Delete Web Block"), pnlToolBox);
    lblDelete->setObjectName(QStringLiteral("lblDelete"));
    lblDelete->move(3, 223);
    lblDelete->adjustSize();
    for (QLabel* l : {lblBuildBlocks, lblDelete}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->adjustSize();
    }

    imgShredderBack = new TPicture(pnlToolBox, QStringLiteral("imgShredderBack"));
    imgShredderBack->setGeometry(-10, 248, 96, 24);
    imgShredderBack->setPixmap(ResourceBitmap(QStringLiteral("Page_BuzzBack")));
    imgShredder = new TPicture(pnlToolBox, QStringLiteral("imgShredder"));
    imgShredder->setGeometry(7, 238, 78, 34);
    imgShredder->hide();

    ScrollBar1 = new QScrollBar(Qt::Vertical, w_.StagePanel(TStageHost::stBuild));
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(315, 20, 18, 271);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(ShownRows);
    ScrollBar1->setFocusPolicy(Qt::NoFocus);
    ScrollBar1->hide();

    // The timers belong to the window, where their names are looked up.
    auto timer = [this](const char* name, int interval) {
        auto* t = new QTimer(&w_);
        t->setObjectName(QLatin1String(name));
        t->setInterval(interval);
        return t;
    };
    timAnim = timer("timAnim", 10);
    timUp = timer("timUp", 250);
    timDown = timer("timDown", 250);
    timShredder = timer("timShredder", 100);
    memBuzzsaw = new QPlainTextEdit(w_.StagePanel(TStageHost::stBuild));
    memBuzzsaw->setObjectName(QStringLiteral("memBuzzsaw"));
    memBuzzsaw->setPlainText(QStringLiteral("Page_Buzz1\nPage_Buzz2\nPage_Buzz3\nPage_Buzz4\n"
                                            "Page_Buzz5\nPage_Buzz6\nPage_Buzz7\nPage_Buzz8"));
    memBuzzsaw->setEnabled(false);
    memBuzzsaw->hide();

    // The hints above the canvas and above the panels.
    w_.BuildHint(true)->setGeometry(9, 2, 320, 16);
    w_.BuildHint(false)->setGeometry(TPropertyPanels::PanelLeft, 2, 287, 16);
}

void TBuildCanvas::WireControls() {
    for (int kind = 0; kind < kBlockKindCount; ++kind) {
        TPicture* brick = Brick(kind);
        connect(brick, &TPicture::mousePressed, this, [this, brick](QMouseEvent* e) { BrickMouseDown(brick, e); });
        connect(brick, &TPicture::mouseMoved, this, [this, brick](QMouseEvent* e) { DragBrick(brick, e); });
        connect(brick, &TPicture::mouseReleased, this, [this, brick](QMouseEvent* e) { DropBrick(brick, e); });
    }
    auto helpOnRightRelease = [this](TPicture* picture, int context) {
        connect(picture, &TPicture::mouseReleased, this, [picture, context](QMouseEvent* e) {
            if (e->button() == Qt::RightButton) ShowWhatsThis(picture, context);
        });
    };
    helpOnRightRelease(imgBackground, 11);
    helpOnRightRelease(imgShredder, 30);
    helpOnRightRelease(imgShredderBack, 30);

    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TBuildCanvas::ScrollBar1Change);
    pnlToolBox->installEventFilter(this);
    connect(timAnim, &QTimer::timeout, this, &TBuildCanvas::timAnimTimer);
    connect(timUp, &QTimer::timeout, this, &TBuildCanvas::timUpTimer);
    connect(timDown, &QTimer::timeout, this, &TBuildCanvas::timDownTimer);
    connect(timShredder, &QTimer::timeout, this, &TBuildCanvas::timShredderTimer);

    w_.Hooks().SelectAndHighlight = [this](int index) {
        SelectBlock(index);
        HighLightBlock(index);
    };
    w_.Hooks().ClearPage = [this] { ClearPage(); };
    w_.Hooks().LoadChunk = [this](int index) { LoadChunk(index, false); };
    w_.Hooks().ShowBlankPanel = [this] {
        panels_->ShowPanel(-1);
        panels_->pnlBlank->raise();
    };
    // Entering the Build stage puts the shredder in front of the canvas.
    w_.OnStage(&TStageHost::stageEntered, TStageHost::stBuild, this, [this](int) {
        imgShredderBack->raise();
        imgShredder->raise();
    });
}

TPicture* TBuildCanvas::Brick(int kind) const {
    return pnlToolBox ? pnlToolBox->findChild<TPicture*>(BrickName(kind), Qt::FindDirectChildrenOnly) : nullptr;
}

TWebBlock* TBuildCanvas::NewRow(int chunkIndex, int slot) {
    auto* row = new TWebBlock(&page_, pnlToolBox);
    row->setProperty("Tag", 11);
    connect(row, &TWebBlock::pressed, this, &TBuildCanvas::BlockMouseDown);
    connect(row, &TWebBlock::moved, this, &TBuildCanvas::BlockMouseMove);
    connect(row, &TWebBlock::released, this, &TBuildCanvas::BlockMouseUp);
    ShowRow(row, chunkIndex, slot);
    return row;
}

void TBuildCanvas::ShowRow(TWebBlock* row, int chunkIndex, int slot) {
    row->ChunkIndex = chunkIndex;
    row->SlotIndex = slot;
    if (const TWebChunk* chunk = page_.Chunk(chunkIndex)) {
        row->setPixmap(chunk->Picture);
        row->setAccessibleName(BlockKindName(chunk->Kind));
        row->setAccessibleDescription(BlockSummary(*chunk));
    }
    row->move(ColumnLeft, RowTop(slot));
    row->show();
}

void TBuildCanvas::SelectBlock(int index) {
    if (!page_.Chunk(index)) return;
    page_.CurrentIndex = index;
    panels_->FillPanel();
}

void TBuildCanvas::LoadChunk(int index, bool allocate) {
    TWebChunk* chunk = page_.Chunk(index);
    if (!chunk || chunk->Kind < 0 || chunk->Kind >= kBlockKindCount) return;
    if (allocate) chunk->AllocateRecord();
    chunk->Picture = ResourceBitmap(KindPictureName(chunk->Kind));
    // The reader appends blocks in order, so the first eight get the rows.
    if (index < ShownRows && index == RowCount()) {
        CanvasRows.push_back(NewRow(index, index));
        w_.StopHintBlink();
    }
    UpdateScrollBar();
}

void TBuildCanvas::ClearPage() {
    // A page block still being carried belongs to the old page: drop it
    // without a trace, so its release cannot touch the new page.
    if (DraggedBlock) {
        DraggedBlock->hide();
        DraggedBlock->deleteLater();
        DraggedBlock = nullptr;
    }
    DraggingBlock = false;
    StopAutoScroll();
    for (TWebBlock* row : CanvasRows) delete row;
    CanvasRows.clear();
    page_.ClearChunks();
    HighlightedSlot = 0;
    SetScrollQuietly(0);
    ScrollBar1->setMaximum(0);
    ScrollBar1->hide();
    panels_->ShowPanel(-1);
    panels_->pnlBlank->raise();
    emit pageCleared();
}

void TBuildCanvas::UpdateScrollBar() {
    // The maximum is left as it was when the bar hides.
    if (page_.Count() > ShownRows) {
        ScrollBar1->setMaximum(page_.Count() - ShownRows);
        ScrollBar1->show();
    } else {
        ScrollBar1->hide();
    }
}

TBuildCanvas* AttachBuildStage(TStageHost& window, TPage& page) {
    if (TBuildCanvas* existing = BuildCanvasOf(window)) return existing;
    auto* canvas = new TBuildCanvas(window, page);
    new TPageHistory(*canvas);
    return canvas;
}

TBuildCanvas* BuildCanvasOf(TStageHost& window) {
    return window.findChild<TBuildCanvas*>(QStringLiteral("BuildCanvas"), Qt::FindDirectChildrenOnly);
}
