#include "app/ListEditModel.h"

void TListEditCore::Select(int index) {
    if (!IsListed(index)) index = -1;
    if (index == current_) return;
    current_ = index;
    emit CurrentChanged(current_);
}

int TListEditCore::NearestListed(int from, int step) const {
    for (int i = from + step; i >= 0 && i < ItemCount(); i += step)
        if (IsListed(i)) return i;
    return -1;
}

bool TListEditCore::MoveCurrent(int step) {
    if (current_ < 0 || (step != -1 && step != 1)) return false;
    const int to = NearestListed(current_, step);
    if (to < 0) return false;
    SwapItems(current_, to);
    current_ = to;
    dirty_ = true;
    emit ItemsChanged();
    emit CurrentChanged(current_);
    return true;
}

bool TListEditCore::RemoveCurrent() {
    const int at = current_;
    if (at < 0) return false;
    EraseItem(at);
    dirty_ = true;
    // The item that took its place, else the one before it.
    current_ = IsListed(at) ? at : NearestListed(at, +1);
    if (current_ < 0) current_ = NearestListed(at, -1);
    emit ItemsChanged();
    // Always told: another item stands at the same place now.
    emit CurrentChanged(current_);
    return true;
}

void TListEditCore::ItemEdited(int index) {
    dirty_ = true;
    if (index >= 0 && index < ItemCount()) emit ItemChanged(index);
}

TSaveOutcome TListEditCore::Save() {
    TSaveOutcome outcome = SaveItems();
    if (outcome.Ok) dirty_ = false;
    return outcome;
}

TFinishOutcome TListEditCore::Finish(const std::function<TAnswer()>& ask) {
    if (!dirty_) return {true, QString()};
    switch (ask ? ask() : TAnswer::Save) {
        case TAnswer::Cancel: return {false, QString()};
        case TAnswer::Discard: return {true, QString()};
        case TAnswer::Save: break;
    }
    const TSaveOutcome saved = Save();
    return {saved.Ok, saved.Ok ? QString() : saved.Message};
}
