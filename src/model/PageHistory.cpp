#include "model/PageHistory.h"

#include "app/StageHost.h"
#include "model/BuildCanvas.h"
#include "model/PropertyPanels.h"
#include "model/WebBlocks.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

template <typename T>
std::unique_ptr<T> CopyOf(const std::unique_ptr<T>& record) {
    return record ? std::make_unique<T>(*record) : nullptr;
}

// Puts the record of `from` into `to` (both of the same kind).
void CopyRecord(TWebChunk& to, const TWebChunk& from) {
    to.Para = CopyOf(from.Para);
    to.Link = CopyOf(from.Link);
    to.Image = CopyOf(from.Image);
    to.Heading = CopyOf(from.Heading);
    to.Email = CopyOf(from.Email);
    to.Line = CopyOf(from.Line);
}

template <typename T>
bool SameRecord(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
    return !a == !b && (!a || *a == *b);
}

bool SameRecords(const TWebChunk& a, const TWebChunk& b) {
    return a.Kind == b.Kind && SameRecord(a.Para, b.Para) && SameRecord(a.Link, b.Link) &&
           SameRecord(a.Image, b.Image) && SameRecord(a.Heading, b.Heading) && SameRecord(a.Email, b.Email) &&
           SameRecord(a.Line, b.Line);
}

// Controls whose keystrokes gather into one step: the text fields, and the
// image button whose one choice fills three of them.
bool GathersTyping(const QObject* control) {
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
           (control && control->objectName() == QLatin1String("spdImgFile"));
}

bool IsUndoKey(const QKeyEvent* e) {
    return e->matches(QKeySequence::Undo) || e->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
}

bool IsRedoKey(const QKeyEvent* e) {
    return e->matches(QKeySequence::Redo) || e->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           e->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

std::unique_ptr<TWebChunk> CloneChunk(const TWebChunk& chunk) {
    auto copy = std::make_unique<TWebChunk>();
    copy->Kind = chunk.Kind;
    copy->HTML = chunk.HTML;
    copy->Picture = chunk.Picture;
    CopyRecord(*copy, chunk);
    return copy;
}

QString KindDisplayName(int kind) {
    static const char* const names[kBlockKindCount] = {
        QT_TRANSLATE_NOOP("PageHistory", "Paragraph"), QT_TRANSLATE_NOOP("PageHistory", "Link"),
        QT_TRANSLATE_NOOP("PageHistory", "Image"),     QT_TRANSLATE_NOOP("PageHistory", "Heading"),
        QT_TRANSLATE_NOOP("PageHistory", "E-mail Link"), QT_TRANSLATE_NOOP("PageHistory", "Line")};
    return kind >= 0 && kind < kBlockKindCount ? QCoreApplication::translate("PageHistory", names[kind]) : QString();
}

struct TPageHistory::TStep {
    enum TKind { Insert, Move, Shred, Edit } kind = Edit;
    int index = 0;  // the block; for a move the index it came from
    int to = 0;     // a move: the index it went to
    QString name;
    // Insert: the block while it is undone. Shred: the block while it is shredded.
    std::unique_ptr<TWebChunk> chunk;
    // Edit: the block's record before and after.
    std::unique_ptr<TWebChunk> before, after;
    QPointer<QObject> control;  // Edit: the control that made it
    bool open = false;          // Edit: more typing into the control joins this step
};

TPageHistory::TPageHistory(TBuildCanvas& canvas)
    : QObject(&canvas), canvas_(canvas), w_(canvas.Window()), page_(canvas.Page()) {
    setObjectName(QStringLiteral("PageHistory"));
    connect(&canvas_, &TBuildCanvas::blockInserting, this, &TPageHistory::BlockInserting);
    connect(&canvas_, &TBuildCanvas::blockMoving, this, &TPageHistory::BlockMoving);
    connect(&canvas_, &TBuildCanvas::blockShredding, this, &TPageHistory::BlockShredding);
    connect(&canvas_, &TBuildCanvas::pageCleared, this, &TPageHistory::Clear);
    TPropertyPanels& panels = canvas_.Panels();
    connect(&panels, &TPropertyPanels::fieldEditing, this, &TPageHistory::FieldEditing);
    connect(&panels, &TPropertyPanels::fieldEdited, this, &TPageHistory::FieldEdited);
    connect(&panels, &TPropertyPanels::editGroupEnded, this, &TPageHistory::CloseTyping);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (pos_ > 0 && steps_[size_t(pos_ - 1)]->control == old) CloseTyping();
    });
    if (w_.MenuItem(TStageHost::TMenuItem::EditUndo)) connect(w_.MenuItem(TStageHost::TMenuItem::EditUndo), &QAction::triggered, this, &TPageHistory::Undo);
    if (w_.MenuItem(TStageHost::TMenuItem::EditRedo)) connect(w_.MenuItem(TStageHost::TMenuItem::EditRedo), &QAction::triggered, this, &TPageHistory::Redo);
    connect(&w_, &TStageHost::stageChanged, this, [this] {
        CloseTyping();
        UpdateActions();
    });
    InterceptEditorUndo();
    UpdateActions();
}

TPageHistory::~TPageHistory() = default;

void TPageHistory::InterceptEditorUndo() {
    // The panels' text fields have an undo of their own that knows nothing
    // of the blocks; their undo and redo keys go to the page's history.
    for (auto* edit : w_.StagePanel(TStageHost::stBuild)->findChildren<QLineEdit*>()) edit->installEventFilter(this);
    for (auto* edit : w_.StagePanel(TStageHost::stBuild)->findChildren<QPlainTextEdit*>()) edit->installEventFilter(this);
}

bool TPageHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsUndoKey(key) || IsRedoKey(key)) {
            // Left unclaimed, the key reaches the Edit menu's shortcut; a key
            // press that still arrives (nothing to undo) is dropped.
            key->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TPageHistory::CanUndo() const { return pos_ > 0; }
bool TPageHistory::CanRedo() const { return pos_ < int(steps_.size()); }
QString TPageHistory::UndoName() const { return CanUndo() ? steps_[size_t(pos_ - 1)]->name : QString(); }
QString TPageHistory::RedoName() const { return CanRedo() ? steps_[size_t(pos_)]->name : QString(); }

bool TPageHistory::Allowed() const {
    const bool carrying = canvas_.DraggingBlock || (canvas_.DraggingBrick && !canvas_.ReturningBrick);
    return w_.CurrentStage() == TStageHost::stBuild && !carrying && !page_.FillingPanel;
}

void TPageHistory::UpdateActions() {
    const bool build = w_.CurrentStage() == TStageHost::stBuild;
    auto show = [](QAction* action, const QString& verb, const QString& name, bool enabled) {
        if (!action) return;
        action->setText(name.isEmpty() ? verb : verb + QLatin1Char(' ') + name);
        action->setEnabled(enabled);
    };
    show(w_.MenuItem(TStageHost::TMenuItem::EditUndo), QCoreApplication::translate("PageHistory", "&Undo"), UndoName(), build && CanUndo());
    show(w_.MenuItem(TStageHost::TMenuItem::EditRedo), QCoreApplication::translate("PageHistory", "&Redo"), RedoName(), build && CanRedo());
}

TPageHistory::TExtras TPageHistory::Extras() const {
    return {page_.PageTitle, StyleName ? StyleName() : QString(), page_.FitPhone};
}

void TPageHistory::NoteUnchangedState() {
    if (page_.PageChanged) return;
    savedPos_ = pos_;
    savedExtras_ = Extras();
}

void TPageHistory::SettleChangedFlag() {
    // Back at the state on disk, the page is unchanged, unless something the
    // history does not keep (the title, the style, the phone choice)
    // differs from then.
    page_.PageChanged = !(pos_ == savedPos_ && savedExtras_ && *savedExtras_ == Extras());
}

void TPageHistory::Clear() {
    steps_.clear();
    pos_ = 0;
    savedPos_ = 0;
    savedExtras_.reset();
    UpdateActions();
}

void TPageHistory::MarkSaved() {
    CloseTyping();
    savedPos_ = pos_;
    savedExtras_ = Extras();
}

void TPageHistory::CloseTyping() {
    if (pos_ > 0) steps_[size_t(pos_ - 1)]->open = false;
}

void TPageHistory::Push(std::unique_ptr<TStep> step) {
    NoteUnchangedState();
    CloseTyping();
    // A new step drops what could have been redone.
    steps_.erase(steps_.begin() + pos_, steps_.end());
    if (savedPos_ > pos_) savedPos_ = -1;
    steps_.push_back(std::move(step));
    ++pos_;
    while (int(steps_.size()) > MaxSteps) {
        steps_.pop_front();
        --pos_;
        if (savedPos_ >= 0) --savedPos_;
    }
    UpdateActions();
}

void TPageHistory::BlockInserting(int index, int kind) {
    if (applying_) return;
    auto step = std::make_unique<TStep>();
    step->kind = TStep::Insert;
    step->index = index;
    step->name = QCoreApplication::translate("PageHistory", "Insert ") + KindDisplayName(kind);
    Push(std::move(step));
}

void TPageHistory::BlockMoving(int from, int to) {
    const TWebChunk* chunk = page_.Chunk(from);
    if (applying_ || !chunk) return;
    auto step = std::make_unique<TStep>();
    step->kind = TStep::Move;
    step->index = from;
    step->to = to;
    step->name = QCoreApplication::translate("PageHistory", "Move ") + KindDisplayName(chunk->Kind);
    Push(std::move(step));
}

void TPageHistory::BlockShredding(int index) {
    const TWebChunk* chunk = page_.Chunk(index);
    if (applying_ || !chunk) return;
    auto step = std::make_unique<TStep>();
    step->kind = TStep::Shred;
    step->index = index;
    step->name = QCoreApplication::translate("PageHistory", "Shred ") + KindDisplayName(chunk->Kind);
    step->chunk = CloneChunk(*chunk);
    Push(std::move(step));
}

void TPageHistory::FieldEditing(QObject* control) {
    const TWebChunk* chunk = page_.CurrentChunk();
    if (applying_ || !chunk) return;
    NoteUnchangedState();
    TStep* top = pos_ > 0 ? steps_[size_t(pos_ - 1)].get() : nullptr;
    const bool joins = top && top->kind == TStep::Edit && top->open && top->control == control &&
                       top->index == page_.CurrentIndex && !CanRedo() && lastTyping_.isValid() &&
                       lastTyping_.elapsed() < TypingPauseMs;
    pending_.reset();
    if (joins) return;
    CloseTyping();
    // The step is kept only once the edit has changed the record.
    auto step = std::make_unique<TStep>();
    step->kind = TStep::Edit;
    step->index = page_.CurrentIndex;
    step->before = CloneChunk(*chunk);
    step->control = control;
    step->open = GathersTyping(control);
    const QString kind = KindDisplayName(chunk->Kind);
    const QString name = control ? control->objectName() : QString();
    if (qobject_cast<QToolButton*>(control) && name.endsWith(QLatin1String("Return")))
        step->name = QCoreApplication::translate("PageHistory", "New Line after ") + kind;
    else if (qobject_cast<QToolButton*>(control) && !step->open)
        step->name = QCoreApplication::translate("PageHistory", "Align ") + kind;
    else
        step->name = QCoreApplication::translate("PageHistory", "Edit ") + kind;
    pending_ = std::move(step);
}

void TPageHistory::FieldEdited(QObject* control) {
    const TWebChunk* chunk = page_.CurrentChunk();
    if (applying_ || !chunk) return;
    lastTyping_.start();
    if (pending_) {
        std::unique_ptr<TStep> step = std::move(pending_);
        if (step->control != control || step->index != page_.CurrentIndex || SameRecords(*step->before, *chunk)) return;
        step->after = CloneChunk(*chunk);
        const bool open = step->open;
        Push(std::move(step));
        steps_[size_t(pos_ - 1)]->open = open;  // Push closed it as the previous step
        return;
    }
    TStep* top = pos_ > 0 ? steps_[size_t(pos_ - 1)].get() : nullptr;
    if (top && top->kind == TStep::Edit && top->control == control) top->after = CloneChunk(*chunk);
}

void TPageHistory::Undo() {
    if (!Allowed() || !CanUndo()) return;
    CloseTyping();
    NoteUnchangedState();
    --pos_;
    Apply(*steps_[size_t(pos_)], true);
    SettleChangedFlag();
    UpdateActions();
}

void TPageHistory::Redo() {
    if (!Allowed() || !CanRedo()) return;
    CloseTyping();
    NoteUnchangedState();
    Apply(*steps_[size_t(pos_)], false);
    ++pos_;
    SettleChangedFlag();
    UpdateActions();
}

void TPageHistory::Apply(TStep& step, bool undo) {
    applying_ = true;
    switch (step.kind) {
        case TStep::Insert:
            if (undo) step.chunk = canvas_.RemoveBlockAt(step.index);
            else canvas_.InsertBlockAt(step.index, std::move(step.chunk));
            break;
        case TStep::Shred:
            if (undo) canvas_.InsertBlockAt(step.index, std::move(step.chunk));
            else step.chunk = canvas_.RemoveBlockAt(step.index);
            break;
        case TStep::Move:
            if (undo) canvas_.MoveBlockTo(step.to, step.index);
            else canvas_.MoveBlockTo(step.index, step.to);
            break;
        case TStep::Edit:
            if (TWebChunk* chunk = page_.Chunk(step.index)) {
                CopyRecord(*chunk, undo ? *step.before : *step.after);
                canvas_.ShowBlock(step.index);
                // The heading's new-line button does not follow its record
                // when the panel fills; after an undo it shows what it undid.
                TPropertyPanels& panels = canvas_.Panels();
                if (step.control == panels.headButtons.newLine && chunk->Heading)
                    panels.headButtons.newLine->setChecked(chunk->Heading->NewLine != 0);
                auto* widget = qobject_cast<QWidget*>(step.control.data());
                if (widget && widget->isVisible() && widget->focusPolicy() != Qt::NoFocus) widget->setFocus();
            }
            break;
    }
    applying_ = false;
}

TPageHistory* PageHistoryOf(TStageHost& window) {
    TBuildCanvas* canvas = BuildCanvasOf(window);
    return canvas ? canvas->findChild<TPageHistory*>(QStringLiteral("PageHistory"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void MarkPageSaved(TStageHost& window) {
    if (TPageHistory* history = PageHistoryOf(window)) history->MarkSaved();
}
