#pragma once
// TFreeList: an ordered list that owns its items and frees them when it is
// cleared or destroyed. TPackedArray: a compact array of plain records.

#include "viewer/Arena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

// Bytes the C library's allocator takes for a block of `bytes` (a word of
// its own and steps of 16, at least 32), so that shrinking a block that
// would stay as large is skipped.
constexpr size_t AllocatedSize(size_t bytes) { return std::max<size_t>(32, (bytes + 8 + 15) & ~size_t(15)); }

// A growable array of plain records behind one pointer: the count and the
// room live in the block with the records, so an empty array costs only
// the pointer. Sections hold several of these and a long page thousands of
// sections.
template <class T>
class TPackedArray {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved with realloc");

public:
    TPackedArray() = default;
    ~TPackedArray() { freeBlock(); }
    TPackedArray(const TPackedArray&) = delete;
    TPackedArray& operator=(const TPackedArray&) = delete;
    TPackedArray(TPackedArray&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    TPackedArray& operator=(TPackedArray&& other) noexcept {
        if (this != &other) {
            freeBlock();
            block_ = std::exchange(other.block_, nullptr);
        }
        return *this;
    }

    size_t size() const { return block_ ? size_t(block_->size) : 0; }
    bool empty() const { return size() == 0; }
    T* begin() const { return block_ ? block_->items() : nullptr; }
    T* end() const { return begin() + size(); }
    T& operator[](size_t i) const { return begin()[i]; }
    T& back() const { return begin()[size() - 1]; }
    void clear() {
        if (block_)
            block_->size = 0;
    }
    // Frees the records and their room.
    void reset() {
        freeBlock();
        block_ = nullptr;
    }
    void swap(TPackedArray& other) { std::swap(block_, other.block_); }
    void insert(size_t i, const T& item) {
        push_back(item);
        T* a = begin();
        std::memmove(static_cast<void*>(a + i + 1), static_cast<const void*>(a + i), sizeof(T) * (size() - 1 - i));
        a[i] = item;
    }
    void erase(size_t i) {
        T* a = begin();
        std::memmove(static_cast<void*>(a + i), static_cast<const void*>(a + i + 1), sizeof(T) * (size() - 1 - i));
        --block_->size;
    }
    void push_back(const T& item) {
        // A copy first: `item` may be one of our own records, which the
        // growth below moves.
        const T copy = item;
        if (!block_ || block_->size == block_->room)
            grow(block_ ? block_->room + block_->room / 2 + 1 : 1);
        block_->items()[block_->size++] = copy;
    }
    // push_back for arrays that mostly keep few records (a section's font
    // runs, a cell's sections): an empty array takes its room in `arena`,
    // `room` records of it (at least one), so that one
    // that never outgrows it is not copied there from the allocator later
    // (moveTo). Growing beyond it moves the records into a block of their
    // own and gives the piece back to `arena`, which must be the one it
    // came from.
    void push_back(const T& item, TArena& arena, size_t room = 1) {
        const T copy = item;
        if (!block_) {
            reserveIn(arena, room);
        } else if (block_->size == block_->room) {
            if (block_->inArena)
                moveOut(arena, block_->room + block_->room / 2 + 1);
            else
                grow(block_->room + block_->room / 2 + 1);
        }
        block_->items()[block_->size++] = copy;
    }
    // Room for `room` records (at least one) in `arena`, for an array that
    // holds none yet and is to be filled with push_back(item, arena).
    void reserveIn(TArena& arena, size_t room) {
        if (block_)
            return;
        room = std::max<size_t>(room, 1);
        auto* b = static_cast<Block*>(
            arena.allocate(sizeof(Block) + sizeof(T) * room, std::max(alignof(Block), alignof(T))));
        b->size = 0;
        b->room = int(room);
        b->inArena = 1;
        block_ = b;
    }
    // Gives back the room beyond the records (all of it when empty), when
    // the allocator would take less for fewer.
    void shrink_to_fit() {
        if (block_ && block_->inArena) {
            return;
        } else if (block_ && block_->size == 0) {
            reset();
        } else if (block_ && block_->size < block_->room &&
                   AllocatedSize(sizeof(Block) + sizeof(T) * size_t(block_->size)) <
                       AllocatedSize(sizeof(Block) + sizeof(T) * size_t(block_->room))) {
            grow(block_->size);
        }
    }
    // Moves the records into `arena`, at exactly their size (none when
    // empty). Growing later moves them back out.
    void moveTo(TArena& arena) {
        if (!block_ || block_->inArena)
            return;
        if (block_->size == 0) {
            reset();
            return;
        }
        const size_t bytes = sizeof(Block) + sizeof(T) * size_t(block_->size);
        auto* b = static_cast<Block*>(arena.allocate(bytes, alignof(Block)));
        std::memcpy(static_cast<void*>(b), block_, bytes);
        std::free(block_);
        block_ = b;
        block_->room = block_->size;
        block_->inArena = 1;
    }
    // Replaces the records with a copy of `from`'s, at exactly their size:
    // in `arena` when it recycles pieces that small (records that change
    // with every layout), else in a block of their own.
    void assign(const TPackedArray& from, TArena& arena) {
        const size_t n = from.size();
        if (!block_ || size_t(block_->room) != n || n == 0) {
            release(arena);
            if (n == 0)
                return;
            const size_t bytes = sizeof(Block) + sizeof(T) * n;
            const bool inArena = TArena::recycles(bytes);
            void* p = inArena ? arena.allocate(bytes, 8) : std::malloc(bytes);
            if (!p)
                throw std::bad_alloc();
            block_ = static_cast<Block*>(p);
            block_->room = int(n);
            block_->inArena = inArena;
        }
        block_->size = int(n);
        std::memcpy(static_cast<void*>(block_->items()), static_cast<const void*>(from.begin()), sizeof(T) * n);
    }
    // Frees the records, recycling a piece of `arena`, the one they were
    // moved to (Arena.h).
    void release(TArena& arena) {
        if (block_ && block_->inArena)
            arena.recycle(block_, sizeof(Block) + sizeof(T) * size_t(block_->room));
        else
            std::free(block_);
        block_ = nullptr;
    }
    // Room for at least n records.
    void reserve(size_t n) {
        if (n > size_t(block_ ? block_->room : 0))
            grow(int(n));
    }

private:
    struct Block {
        int size;
        int room : 31;
        unsigned inArena : 1;  // a piece of an arena (moveTo), not the allocator's
        T* items() { return reinterpret_cast<T*>(this + 1); }
    };
    static_assert(alignof(T) <= alignof(Block) || alignof(T) <= sizeof(Block));
    Block* block_ = nullptr;

    void grow(int room) {
        const size_t bytes = sizeof(Block) + sizeof(T) * size_t(room);
        void* p;
        if (block_ && block_->inArena) {
            // Out of the arena into a block of its own.
            p = std::malloc(bytes);
            if (!p)
                throw std::bad_alloc();
            std::memcpy(p, block_, sizeof(Block) + sizeof(T) * size_t(block_->size));
            freeBlock();
        } else {
            p = std::realloc(block_, bytes);
        }
        if (!p)
            throw std::bad_alloc();
        const bool fresh = !block_;
        block_ = static_cast<Block*>(p);
        if (fresh)
            block_->size = 0;
        block_->room = room;
        block_->inArena = 0;
    }
    // Out of the arena piece into a block of `room` records, the piece
    // given back to `arena`.
    void moveOut(TArena& arena, int room) {
        const size_t used = sizeof(Block) + sizeof(T) * size_t(block_->size);
        void* p = std::malloc(sizeof(Block) + sizeof(T) * size_t(room));
        if (!p)
            throw std::bad_alloc();
        std::memcpy(p, block_, used);
        arena.recycle(block_, sizeof(Block) + sizeof(T) * size_t(block_->room));
        block_ = static_cast<Block*>(p);
        block_->room = room;
        block_->inArena = 0;
    }
    void freeBlock() {
        if (block_ && block_->inArena)
            TArena::abandon(block_, sizeof(Block) + sizeof(T) * size_t(block_->room));
        else
            std::free(block_);
    }
};

// An item of a list of pointers, read like a unique_ptr.
template <class T>
struct TItemPtr {
    T* p;
    T* get() const { return p; }
    T* operator->() const { return p; }
    T& operator*() const { return *p; }
    explicit operator bool() const { return p != nullptr; }
};

template <class T>
class TFreeList {
public:
    TFreeList() = default;
    ~TFreeList() { clear(); }
    TFreeList(const TFreeList&) = delete;
    TFreeList& operator=(const TFreeList&) = delete;

    int count() const { return int(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    T* at(int i) const { return items_[size_t(i)].p; }
    T* last() const { return items_.empty() ? nullptr : items_.back().p; }
    void add(std::unique_ptr<T> item) {
        items_.push_back({item.get()});
        item.release();
    }
    // Adds with the list's first room taken in `arena` (TPackedArray's
    // push_back with an arena): a list that keeps one item stays there.
    void add(std::unique_ptr<T> item, TArena& arena) {
        items_.push_back({item.get()}, arena);
        item.release();
    }
    void insert(int i, std::unique_ptr<T> item) {
        items_.insert(size_t(i), {item.get()});
        item.release();
    }
    // Removes and frees the item at i.
    void removeAt(int i) {
        T* item = items_[size_t(i)].p;
        items_.erase(size_t(i));
        delete item;
    }
    // Frees every item, first to last, and the room that held them.
    void clear() {
        for (const TItemPtr<T>& item : items_)
            delete item.p;
        items_.reset();
    }
    void swapItems(TFreeList& other) { items_.swap(other.items_); }
    // Moves the list (not its items) into `arena` (TPackedArray::moveTo).
    void moveListTo(TArena& arena) { items_.moveTo(arena); }
    const TItemPtr<T>* begin() const { return items_.begin(); }
    const TItemPtr<T>* end() const { return items_.end(); }

private:
    // One pointer wide: a table of many small cells holds a list in each.
    TPackedArray<TItemPtr<T>> items_;
};

// A TFreeList that takes one pointer while empty, for lists that most of
// their owners never fill.
template <class T>
class TSparseFreeList {
    using Iterator = const TItemPtr<T>*;

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
