#pragma once
// A working copy of a list that a dialog edits: the items, the one chosen
// (the current item), moves up and down, deletion, a flag for unsaved
// changes and the save at the end with its question. No widgets: a dialog
// shows the model and forwards the user's presses to it, and the model's
// signals tell the dialog what to show again.
//
// Rules:
// - A move swaps the current item with its nearest listed neighbour; the
//   current item stays the moved one. Nothing moves past either end.
// - Deleting the current item makes the next listed item current, else the
//   previous one, else none.
// - Every change to the list or to an item marks the list changed; choosing
//   an item does not.
// - Finish asks only when something changed; Save saves through the owner's
//   function, Discard closes unsaved, Cancel stays. A failed save stays open
//   with its message and the changes kept, so the user can try again.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// What a save achieved: ok, or why not in plain words for the user.
struct TSaveOutcome {
    bool Ok = true;
    QString Message;
    static TSaveOutcome Failed(const QString& message) { return {false, message}; }
};

// What Finish decided: close the dialog, or stay (with the message of a
// failed save to show, else "").
struct TFinishOutcome {
    bool Close = false;
    QString Message;
};

// The rules, over item positions; TListEditModel holds the items.
class TListEditCore : public QObject {
    Q_OBJECT
public:
    // The user's answer to "save the changes?".
    enum class TAnswer { Save, Discard, Cancel };

    int Current() const { return current_; }
    bool Dirty() const { return dirty_; }
    int Count() const { return ItemCount(); }
    // Whether the list shows the item at `index` (false outside the list).
    bool Listed(int index) const { return IsListed(index); }

    // Chooses the item at `index`; -1, a place outside the list or an
    // unlisted item chooses none.
    void Select(int index);
    // Moves the current item one listed place up (-1) or down (+1); false
    // when there is no current item or it stands at that end already.
    bool MoveCurrent(int step);
    bool MoveUp() { return MoveCurrent(-1); }
    bool MoveDown() { return MoveCurrent(+1); }
    // Deletes the current item; false when none is chosen.
    bool RemoveCurrent();
    // The owner changed item `index` in place (a row's text may change).
    void ItemEdited(int index);
    // Something the list does not see changed (a detail of a new item).
    void MarkDirty() { dirty_ = true; }

    // Saves through the owner's function; the list is unchanged after a
    // success.
    TSaveOutcome Save();
    // Asks `ask` only when something changed, then acts on the answer.
    TFinishOutcome Finish(const std::function<TAnswer()>& ask);

signals:
    // Items joined, left or changed places: show the whole list again.
    void ItemsChanged();
    // One item's details changed where it stands.
    void ItemChanged(int index);
    // The current item, or its place, changed (-1: none).
    void CurrentChanged(int index);

protected:
    virtual int ItemCount() const = 0;
    virtual bool IsListed(int index) const = 0;
    virtual void SwapItems(int a, int b) = 0;
    virtual void EraseItem(int index) = 0;
    virtual TSaveOutcome SaveItems() = 0;
    // Sets the current place without telling (the caller tells).
    void SetCurrentQuietly(int index) { current_ = index; }
    void SetClean() { dirty_ = false; }

private:
    int NearestListed(int from, int step) const;  // -1 for none
    int current_ = -1;
    bool dirty_ = false;
};

template <class T>
class TListEditModel : public TListEditCore {
public:
    using TItems = std::vector<std::unique_ptr<T>>;
    using TSaver = std::function<TSaveOutcome(const TItems&)>;
    using TListed = std::function<bool(const T&)>;

    // The items to edit; none chosen, nothing changed.
    void SetItems(TItems items) {
        items_ = std::move(items);
        SetCurrentQuietly(-1);
        SetClean();
        emit ItemsChanged();
        emit CurrentChanged(-1);
    }
    // The owner's way of saving the list.
    void SetSaver(TSaver saver) { saver_ = std::move(saver); }
    // Which items the list shows and moves among (default: all). An item
    // that is not listed stays in its place and is saved as the saver sees
    // fit.
    void SetListed(TListed listed) { listed_ = std::move(listed); }

    const TItems& Items() const { return items_; }
    T* At(int index) const {
        return index >= 0 && size_t(index) < items_.size() ? items_[size_t(index)].get() : nullptr;
    }
    T* CurrentItem() const { return At(Current()); }
    int IndexOf(const T* item) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item) return int(i);
        return -1;
    }

    // Appends `item` and makes it current.
    int Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        MarkDirty();
        emit ItemsChanged();
        Select(int(items_.size()) - 1);
        return int(items_.size()) - 1;
    }
    // Takes item `index` out again and hands it back, without counting as a
    // change (an item that only joined the list to be placed). The current
    // item stays current; when it is the one taken, none is.
    std::unique_ptr<T> Take(int index) {
        if (!At(index)) return nullptr;
        std::unique_ptr<T> item = std::move(items_[size_t(index)]);
        items_.erase(items_.begin() + index);
        const int current = Current();
        SetCurrentQuietly(current == index ? -1 : current > index ? current - 1 : current);
        emit ItemsChanged();
        emit CurrentChanged(Current());
        return item;
    }

protected:
    int ItemCount() const override { return int(items_.size()); }
    bool IsListed(int index) const override {
        const T* item = At(index);
        return item && (!listed_ || listed_(*item));
    }
    void SwapItems(int a, int b) override { std::swap(items_[size_t(a)], items_[size_t(b)]); }
    void EraseItem(int index) override { items_.erase(items_.begin() + index); }
    TSaveOutcome SaveItems() override { return saver_ ? saver_(items_) : TSaveOutcome{}; }

private:
    TItems items_;
    TSaver saver_;
    TListed listed_;
};
