#pragma once
// TFreeList: an ordered list that owns its items and frees them when it is
// cleared or destroyed.

#include <memory>
#include <utility>
#include <vector>

template <class T>
class TFreeList {
public:
    int count() const { return int(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    T* at(int i) const { return items_[size_t(i)].get(); }
    T* last() const { return items_.empty() ? nullptr : items_.back().get(); }
    void add(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
    void insert(int i, std::unique_ptr<T> item) { items_.insert(items_.begin() + i, std::move(item)); }
    // Removes and frees the item at i.
    void removeAt(int i) { items_.erase(items_.begin() + i); }
    void clear() { items_.clear(); }
    // Hands over every item, leaving the list empty.
    std::vector<std::unique_ptr<T>> takeAll() { return std::exchange(items_, {}); }
    void swapItems(TFreeList& other) { items_.swap(other.items_); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

// A TFreeList that takes one pointer while empty, for lists that most of
// their owners never fill.
template <class T>
class TSparseFreeList {
    using Iterator = typename std::vector<std::unique_ptr<T>>::const_iterator;

public:
    int count() const { return list_ ? list_->count() : 0; }
    bool isEmpty() const { return !list_ || list_->isEmpty(); }
    T* at(int i) const { return list_->at(i); }
    void add(std::unique_ptr<T> item) {
        if (!list_)
            list_ = std::make_unique<TFreeList<T>>();
        list_->add(std::move(item));
    }
    void clear() { list_.reset(); }
    Iterator begin() const { return list_ ? list_->begin() : Iterator(); }
    Iterator end() const { return list_ ? list_->end() : Iterator(); }

private:
    std::unique_ptr<TFreeList<T>> list_;
};
