#include "model/CanvasKeys.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "model/BuildCanvas.h"
#include "model/PageHistory.h"
#include "model/PropertyPanels.h"
#include "model/WebBlock.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace canvas;

QString BlockKindName(int kind) { return KindDisplayName(kind) + QCoreApplication::translate("CanvasKeys", " block"); }

QString BlockSummary(const TWebChunk& chunk) {
    QString text;
    if (chunk.Para) text = chunk.Para->Paragraph;
    else if (chunk.Link) text = chunk.Link->LinkText.isEmpty() ? chunk.Link->URL : chunk.Link->LinkText;
    else if (chunk.Image) text = chunk.Image->FileName;
    else if (chunk.Heading) text = chunk.Heading->HeadText;
    else if (chunk.Email) text = chunk.Email->Address;
    else if (chunk.Line)
        text = chunk.Line->LineWidth.isEmpty() ? QCoreApplication::translate("CanvasKeys", "full width") : chunk.Line->LineWidth + QLatin1Char('%');
    return text.simplified();
}

// --- the page changes the keys make, as the mouse makes them ---

bool TBuildCanvas::Carrying() const { return DraggingBlock || (DraggingBrick && !BrickReturning); }

void TBuildCanvas::KeyInsert(int kind) {
    auto chunk = NewChunkForKind(kind);
    if (Carrying() || !chunk) return;
    // Below the selected block, at the top of an empty page, at the end
    // when nothing is selected.
    const int index = page_.CurrentChunk() ? page_.CurrentIndex + 1 : page_.Count();
    emit blockInserting(index, kind);
    PlayResourceSound(QStringLiteral("wavClick2"));
    InsertBlockAt(index, std::move(chunk));
    page_.PageChanged = true;
}

void TBuildCanvas::KeyMove(int places) {
    const int from = page_.CurrentIndex;
    const int to = from + places;
    if (Carrying() || !page_.Chunk(from) || !page_.Chunk(to)) return;
    emit blockMoving(from, to);
    PlayResourceSound(QStringLiteral("wavClick2"));
    MoveBlockTo(from, to);
    page_.PageChanged = true;
}

void TBuildCanvas::KeyShred() {
    const int index = page_.CurrentIndex;
    if (Carrying() || !page_.Chunk(index)) return;
    emit blockShredding(index);
    RemoveBlockAt(index);
    page_.PageChanged = true;
    AnimateShredder();
    PlayResourceSound(QStringLiteral("wavShred"));
}

void TBuildCanvas::KeySelect(int index) {
    if (Carrying() || !page_.Chunk(index) || index == page_.CurrentIndex) return;
    ShowBlock(index);
}

// --- the focus stops ---

TCanvasKeys::TCanvasKeys(TBuildCanvas& canvas) : QObject(&canvas), canvas_(canvas) {
    setObjectName(QStringLiteral("CanvasKeys"));
    auto stop = [this](const char* name, const QRect& geometry, const QString& description) {
        auto* w = new QWidget(canvas_.pnlToolBox);
        w->setObjectName(QLatin1String(name));
        w->setGeometry(geometry);
        w->setFocusPolicy(Qt::TabFocus);
        // The mouse goes on to the blocks underneath.
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setAccessibleDescription(description);
        w->installEventFilter(this);
        return w;
    };
    fcsToolBox = stop("fcsToolBox", QRect(0, 0, ToolboxEdge, kBlockKindCount * BlockHeight + 2),
                      QCoreApplication::translate("CanvasKeys", "Up and Down choose a kind of block; Enter puts one on the page below the "
                                     "selected block."));
    fcsPageColumn = stop("fcsPageColumn", QRect(ColumnLeft - 2, 0, BlockWidth + 4, RowTop(ShownRows)),
                         QCoreApplication::translate("CanvasKeys", "Up and Down select a block, Alt+Up and Alt+Down move it, Delete shreds it, "
                                        "Enter edits it."));
    shpFocusFrame = new QFrame(canvas_.pnlToolBox);
    shpFocusFrame->setObjectName(QStringLiteral("shpFocusFrame"));
    shpFocusFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpFocusFrame->setFocusPolicy(Qt::NoFocus);
    shpFocusFrame->setStyleSheet(QStringLiteral("QFrame#shpFocusFrame { border: 2px dashed #000080; background: transparent; }"));
    shpFocusFrame->hide();
    connect(qApp, &QApplication::focusChanged, this, [this] {
        // Not while the window goes (its page is already gone then).
        if (StageHost() == &canvas_.Window()) UpdateFocusFrame();
    });
    UpdateFocusFrame();
}

void TCanvasKeys::WirePanels() {
    TPropertyPanels& panels = canvas_.Panels();
    // Tab leaves the paragraph for the next field instead of typing a tab
    // (which the page would show as a space anyway), and the buttons of the
    // panels are reached with Tab and pressed with Space; a mouse click
    // still leaves the focus where it is.
    panels.txtParagraph->setTabChangesFocus(true);
    for (const auto* row : {&panels.paraButtons, &panels.linkButtons, &panels.imageButtons, &panels.headButtons,
                            &panels.emailButtons})
        for (QToolButton* b : {row->left, row->center, row->right, row->newLine})
            if (b) b->setFocusPolicy(Qt::TabFocus);
    panels.spdImgFile->setFocusPolicy(Qt::TabFocus);
    // A row tells what its block says, also after the block was edited.
    connect(&panels, &TPropertyPanels::fieldEdited, this, [this] {
        const TPage& page = canvas_.Page();
        const TWebChunk* chunk = page.CurrentChunk();
        for (TWebBlock* row : canvas_.CanvasRows)
            if (chunk && row->ChunkIndex == page.CurrentIndex) row->setAccessibleDescription(BlockSummary(*chunk));
        UpdateFocusFrame();
    });
    for (QFrame* panel : {panels.pnlPara, panels.pnlLink, panels.pnlImage, panels.pnlHeading, panels.pnlEmail,
                          panels.pnlLine}) {
        for (auto* w : panel->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
    }
}

QWidget* TCanvasKeys::FirstField() const {
    TPropertyPanels& p = canvas_.Panels();
    const TWebChunk* chunk = canvas_.Page().CurrentChunk();
    if (!chunk) return nullptr;
    switch (chunk->Kind) {
        case bkPara: return p.txtParagraph;
        case bkLink: return p.txtLinkURL;
        case bkImage: return p.txtImgFileName;
        case bkHeading: return p.txtHeading;
        case bkEmail: return p.txtEmail;
        case bkLine: return p.txtLineWidth;
        default: return nullptr;
    }
}

void TCanvasKeys::KeepFocus(QWidget* stop) {
    if (stop->isVisible()) stop->setFocus(Qt::OtherFocusReason);
    UpdateFocusFrame();
}

bool TCanvasKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (watched == fcsToolBox) return ToolboxKey(key->key(), mods);
    if (watched == fcsPageColumn) return PageKey(key->key(), mods);
    // A field of a property panel: Escape goes back to the page column.
    if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier && fcsPageColumn->isVisible()) {
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->view()->isVisible()) return false;
        KeepFocus(fcsPageColumn);
        return true;
    }
    return false;
}

bool TCanvasKeys::ToolboxKey(int key, Qt::KeyboardModifiers mods) {
    if (mods != Qt::NoModifier) return false;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (canvas_.Carrying()) return true;
            toolKind_ = std::clamp(toolKind_ + (key == Qt::Key_Up ? -1 : 1), 0, kBlockKindCount - 1);
            UpdateFocusFrame();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Insert:
            canvas_.KeyInsert(toolKind_);
            KeepFocus(fcsToolBox);
            return true;
        default:
            return false;
    }
}

bool TCanvasKeys::PageKey(int key, Qt::KeyboardModifiers mods) {
    TPage& page = canvas_.Page();
    const bool moving = mods == Qt::AltModifier || mods == Qt::ControlModifier;
    if (mods != Qt::NoModifier && !(moving && (key == Qt::Key_Up || key == Qt::Key_Down))) return false;
    const int current = page.CurrentIndex;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int step = key == Qt::Key_Up ? -1 : 1;
            if (moving) canvas_.KeyMove(step);
            else if (!page.CurrentChunk()) canvas_.KeySelect(0);
            else canvas_.KeySelect(current + step);
            break;
        }
        case Qt::Key_Home: canvas_.KeySelect(0); break;
        case Qt::Key_End: canvas_.KeySelect(page.Count() - 1); break;
        case Qt::Key_Delete: canvas_.KeyShred(); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (QWidget* field = FirstField(); field && !canvas_.Carrying()) {
                field->setFocus(Qt::OtherFocusReason);
                return true;
            }
            return true;
        default:
            return false;
    }
    KeepFocus(fcsPageColumn);
    return true;
}

void TCanvasKeys::UpdateFocusFrame() {
    const TPage& page = canvas_.Page();
    QRect around;
    // The stops speak of what they act on.
    const QString toolName = QCoreApplication::translate("CanvasKeys", "Toolbox: ") + BlockKindName(toolKind_);
    QString pageName = QCoreApplication::translate("CanvasKeys", "Page: empty");
    if (const TWebChunk* chunk = page.CurrentChunk()) {
        const QString summary = BlockSummary(*chunk);
        pageName = BlockKindName(chunk->Kind) + (summary.isEmpty() ? QString() : QStringLiteral(": ") + summary) +
                   QCoreApplication::translate("CanvasKeys", ", %1 of %2").arg(page.CurrentIndex + 1).arg(page.Count());
    }
    auto rename = [](QWidget* w, const QString& name) {
        if (w->accessibleName() == name) return;
        w->setAccessibleName(name);
        QAccessibleEvent changed(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    };
    rename(fcsToolBox, toolName);
    rename(fcsPageColumn, pageName);

    if (fcsToolBox->hasFocus()) {
        if (TPicture* brick = canvas_.Brick(toolKind_)) around = QRect(HomeLeft, brick->Tag, BlockWidth, BlockHeight);
    } else if (fcsPageColumn->hasFocus()) {
        const int slot = page.CurrentChunk() ? page.CurrentIndex - canvas_.FirstShown() : 0;
        around = QRect(ColumnLeft, RowTop(std::clamp(slot, 0, ShownRows - 1)), BlockWidth, BlockHeight);
    }
    if (around.isNull()) {
        shpFocusFrame->hide();
        return;
    }
    shpFocusFrame->setGeometry(around.adjusted(-2, -2, 2, 2));
    shpFocusFrame->raise();
    shpFocusFrame->show();
}
