#pragma once
// The undo history of the page being built: every insert, move and shred of
// a block and every field edit of a property panel is one step that can be
// taken back (Edit > Undo, Ctrl+Z) and done again (Edit > Redo, Ctrl+Y,
// Ctrl+Shift+Z). Undo and redo go through the canvas's own page changes, so
// the rows, the selection, the property panel and the changed flag stay as
// the mouse would leave them.
//
// The history belongs to the page: clearing the page (New, Open, the
// gallery) empties it; saving marks the state that is on disk, so that
// undoing or redoing back to it clears the changed flag again.
//
// Steps hold at most one block each (a shredded block, or a block's record
// before and after an edit), never the page, and there are at most MaxSteps
// of them: the history stays small on pages of any length.

#include "app/OneHook.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;
class TBuildCanvas;
class TStageHost;
class TPage;
struct TWebChunk;

// A copy of a block with its record (and picture), for keeping in a step.
std::unique_ptr<TWebChunk> CloneChunk(const TWebChunk& chunk);
// "Paragraph", "Link", "Image", "Heading", "E-mail Link", "Line".
QString KindDisplayName(int kind);

class TPageHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSteps = 500;
    // Typing into one field is one step until the user leaves the field or
    // pauses this long.
    static constexpr int TypingPauseMs = 1000;

    explicit TPageHistory(TBuildCanvas& canvas);
    ~TPageHistory() override;

    bool CanUndo() const;
    bool CanRedo() const;
    // The names of the steps undo and redo would take, e.g. "Shred Heading";
    // empty when there is none.
    QString UndoName() const;
    QString RedoName() const;
    int UndoCount() const { return pos_; }
    int RedoCount() const { return int(steps_.size()) - pos_; }

    // The page's chosen style name (kept beside the page, not in it); the
    // composition root points it at the page's session.
    TOneHook<QString()> StyleName;

    void Undo();
    void Redo();
    // Forgets every step; the page as it stands is the unchanged one.
    void Clear();
    // The page as it stands is the one on disk.
    void MarkSaved();
    // Ends the typing step that is open, so the next keystroke starts a new one.
    void CloseTyping();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TStep;
    // What the file keeps beside the blocks: the title, the style and the
    // phone choice.
    struct TExtras {
        QString title, style;
        bool fitPhone = false;
        bool operator==(const TExtras&) const = default;
    };

    // The canvas and the panels report their changes here, before they
    // change the page.
    void BlockInserting(int index, int kind);
    void BlockMoving(int from, int to);
    void BlockShredding(int index);
    void FieldEditing(QObject* control);
    void FieldEdited(QObject* control);

    void Push(std::unique_ptr<TStep> step);
    // Called before the page changes: a page without unsaved changes is the
    // one on disk (or the fresh one).
    void NoteUnchangedState();
    void Apply(TStep& step, bool undo);
    void SettleChangedFlag();
    TExtras Extras() const;
    // Undo and redo are for the Build stage, and never during a drag.
    bool Allowed() const;
    void UpdateActions();
    void InterceptEditorUndo();

    TBuildCanvas& canvas_;
    TStageHost& w_;
    TPage& page_;
    std::deque<std::unique_ptr<TStep>> steps_;
    int pos_ = 0;        // steps done; steps_[pos_..] can be redone
    int savedPos_ = 0;   // pos_ of the state on disk; -1 when no step leads there
    std::optional<TExtras> savedExtras_;
    std::unique_ptr<TStep> pending_;  // an edit under way, kept once it changes the record
    bool applying_ = false;
    QElapsedTimer lastTyping_;
};

// The history of the page of `window` (null before the Build stage exists).
TPageHistory* PageHistoryOf(TStageHost& window);
// Saving calls this: the page as it stands is the one on disk.
void MarkPageSaved(TStageHost& window);
