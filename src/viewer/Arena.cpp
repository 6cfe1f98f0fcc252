#include "viewer/Arena.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <new>

#ifdef TARVO_ARENA_ASAN
#include <sanitizer/asan_interface.h>
#define TARVO_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define TARVO_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define TARVO_POISON(p, n) ((void)(p), (void)(n))
#define TARVO_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {
char* alignUp(char* p, size_t align) {
    return reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(p) + align - 1) & ~std::uintptr_t(align - 1));
}
}  // namespace

// Blocks of the largest size that arenas of this thread were cleared of,
// for the next ones (Arena.h); each holds the next in its first word.
// Plain data, never destroyed: an arena cleared while the thread ends, after
// `Release` below freed the blocks, frees its own instead of keeping them.
struct TArena::Kept {
    void* head;
    size_t bytes;
    bool closed;
};

namespace {
thread_local constinit TArena::Kept keptBlocks{nullptr, 0, false};

// Makes sure the thread frees what is kept when it ends.
void releaseAtThreadEnd() {
    struct Release {
        ~Release() {
            TArena::releaseKept();
            keptBlocks.closed = true;
        }
    };
    thread_local Release release;
    (void)release;
}
}  // namespace

TArena::Kept& TArena::kept() { return keptBlocks; }

size_t TArena::releaseKept() {
    Kept& k = kept();
    const size_t was = k.bytes;
    while (k.head) {
        void* next = *static_cast<void**>(k.head);
        std::free(k.head);
        k.head = next;
    }
    k.bytes = 0;
    return was;
}

TArena::Block* TArena::newBlock(size_t size) {
    Block* b = nullptr;
    if (Kept& k = kept(); size == kLargestBlock && k.head) {
        b = static_cast<Block*>(k.head);
        k.head = *static_cast<void**>(k.head);
        k.bytes -= sizeof(Block) + size;
    } else {
        b = static_cast<Block*>(std::malloc(sizeof(Block) + size));
        if (!b)
            throw std::bad_alloc();
    }
    b->size = size;
    TARVO_POISON(b + 1, size);
    return b;
}

void* TArena::allocateSlow(size_t bytes, size_t align) {
    if (kGap)
        align = std::max<size_t>(align, 8);  // the sanitizer poisons in steps of 8
    if (align <= 8 && recycles(bytes)) {
        if (void*& head = recycled_[bytes / 8 - 1]; head) {
            void* p = head;
            head = *static_cast<void**>(p);
            return p;
        }
    }
    const size_t need = bytes + kGap;
    char* p = next_ ? alignUp(next_, align) : nullptr;
    if (!p || p > end_ || need > size_t(end_ - p)) {
        if (need > blockSize_ / 4) {
            // A large piece gets a block of its own, kept behind the block
            // being filled, which goes on being filled.
            Block* b = newBlock(need);
            if (blocks_) {
                b->next = blocks_->next;
                blocks_->next = b;
            } else {
                b->next = nullptr;
                blocks_ = b;
            }
            TARVO_UNPOISON(b + 1, bytes);
            return b + 1;
        }
        Block* b = newBlock(blockSize_);
        b->next = blocks_;
        blocks_ = b;
        next_ = reinterpret_cast<char*>(b + 1);
        end_ = next_ + b->size;
        blockSize_ = std::min(blockSize_ * 2 + sizeof(Block) * 2, kLargestBlock);
        p = alignUp(next_, align);
    }
    next_ = p + need;
    TARVO_UNPOISON(p, bytes);
    return p;
}

void TArena::recycle(void* p, size_t bytes) {
    assert(owns(p) && "a piece given back to an arena it does not come from");
    if (recycles(bytes) && reinterpret_cast<std::uintptr_t>(p) % 8 == 0) {
        void*& head = recycled_[bytes / 8 - 1];
        *static_cast<void**>(p) = head;
        head = p;
    } else {
        abandon(p, bytes);
    }
}

void TArena::abandon(void* p, size_t bytes) { TARVO_POISON(p, bytes); }

void TArena::clear() {
    Kept& k = kept();
    while (blocks_) {
        Block* b = blocks_;
        blocks_ = b->next;
        TARVO_UNPOISON(b + 1, b->size);
        const size_t bytes = sizeof(Block) + b->size;
        if (kGap == 0 && b->size == kLargestBlock && !k.closed && k.bytes + bytes <= kKeptBytes) {
            releaseAtThreadEnd();
            *reinterpret_cast<void**>(b) = k.head;
            k.head = b;
            k.bytes += bytes;
        } else {
            std::free(b);
        }
    }
    next_ = end_ = nullptr;
    blockSize_ = kFirstBlock;
    std::fill(std::begin(recycled_), std::end(recycled_), nullptr);
}

bool TArena::owns(const void* p) const {
    const char* c = static_cast<const char*>(p);
    for (const Block* b = blocks_; b; b = b->next) {
        const char* start = reinterpret_cast<const char*>(b + 1);
        if (c >= start && c < start + b->size)
            return true;
    }
    return false;
}
