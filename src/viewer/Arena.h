#pragma once
// TArena: memory for the many small pieces one document keeps until it is
// cleared: its sections, and the text and font runs of each finished text
// section. The C library's allocator adds a word to every block and rounds
// it up to 16 bytes; a long page holds tens of thousands of such pieces,
// where that comes to a fifth of what they hold. The arena hands pieces out
// of large blocks instead and frees them all at once.
//
// A piece given back with `recycle` is handed out again for a piece of the
// same size (the parser drops about as many empty sections as it keeps); one
// given back with `abandon` stays unused until `clear`. Under
// AddressSanitizer nothing is handed out twice (nor a block kept for the
// next arena), every piece has a poisoned gap after it and a piece given
// back is poisoned, so overruns and reads through stale pointers are still
// reported.
//
// The rules of the viewer's memory, in one place:
//  - A section lives in an arena piece only when made by
//    TSectionList::MakeSection: its class is a multiple of 8 bytes, at most
//    255 steps of 8 (the size is kept in TSectionBase::PieceUnits) and
//    aligned no more strictly than a pointer (checked when compiled). Its
//    delete gives back a piece of exactly that size to its own list's arena.
//  - TPackedArray (FreeList.h) holds plain records only: they are moved with
//    memcpy and realloc, never constructed or destroyed. `moveTo` puts the
//    records into an arena at exactly their size; growing moves them out
//    again. `release(arena)` gives an arena piece back to be handed out
//    again and must name the arena the records were moved to; the
//    destructor `abandon`s a piece instead (it does not know the arena).
//  - A table's cells live in blocks of its document's arena (TCellArena,
//    HtmlTable.h); the table destroys them and abandons the blocks.
//  - Nothing given back is used again, and an arena's pieces all end with
//    its `clear`.
//  - `clear` keeps blocks of the largest size, up to kKeptBytes in all per
//    thread, and the next arena of the thread fills them before it asks
//    the allocator (a preview loads the same page again and again).
//    Taken from the allocator afresh, a page of tens of thousands of
//    sections finds the heap fragmented by the one before it: the heap
//    grows by megabytes, each page of it faulted in anew. `releaseKept`
//    frees what is kept.
// Builds without NDEBUG check these when memory is given back: a piece
// that is not the arena's own, a section larger than its piece.

#include <cstddef>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define TARVO_ARENA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVO_ARENA_ASAN 1
#endif
#endif

class TArena {
public:
    TArena() = default;
    ~TArena() { clear(); }
    TArena(const TArena&) = delete;
    TArena& operator=(const TArena&) = delete;

    // `bytes` of memory aligned to `align` (a power of two, at most 16).
    // A recycled piece or the next of the block being filled is handed out
    // here, without a call: a page of many table cells takes several
    // pieces for each.
    void* allocate(size_t bytes, size_t align) {
        if constexpr (kGap == 0) {
            if (align <= 8 && recycles(bytes)) {
                if (void*& head = recycled_[bytes / 8 - 1]; head) {
                    void* p = head;
                    head = *static_cast<void**>(p);
                    return p;
                }
            }
            if (next_) {
                const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(next_);
                char* p = reinterpret_cast<char*>((at + align - 1) & ~std::uintptr_t(align - 1));
                if (p <= end_ && bytes <= size_t(end_ - p)) {
                    next_ = p + bytes;
                    return p;
                }
            }
        }
        return allocateSlow(bytes, align);
    }
    // Gives back a piece of this arena, to be handed out again.
    void recycle(void* p, size_t bytes);
    // Whether a piece of `bytes` given back is handed out again (pieces of
    // up to 512 bytes, in steps of 8, not under AddressSanitizer).
    static bool recycles(size_t bytes) { return kGap == 0 && bytes % 8 == 0 && bytes >= 8 && bytes <= 8 * kRecycledSizes; }
    // Gives back a piece of an arena, unused until that arena's `clear`.
    static void abandon(void* p, size_t bytes);
    // Frees every block; every piece handed out is gone.
    void clear();
    // Whether `p` lies in a block of this arena (for the checks of debug
    // builds: it walks every block).
    bool owns(const void* p) const;
    // Frees the blocks `clear` kept for this thread's next arenas; returns
    // how many bytes they held.
    static size_t releaseKept();
    // About half of what a page of 200,000 table cells takes: keeping all
    // of it left the allocator's own heap too small for a page loaded after
    // it, which grew the heap (and faulted its pages in) all the same.
    static constexpr size_t kKeptBytes = size_t(32) << 20;

private:
    static constexpr size_t kRecycledSizes = 64;
    struct Block {
        Block* next;
        size_t size;  // bytes after the header
    };
    static constexpr size_t kFirstBlock = 4096 - 32;     // bytes, a small page stays small
    static constexpr size_t kLargestBlock = 65536 - 32;  // below the allocator's mmap threshold
#ifdef TARVO_ARENA_ASAN
    static constexpr size_t kGap = 16;
#else
    static constexpr size_t kGap = 0;
#endif
    // Recycled pieces of 8, 16, ... bytes, each holding the next.
    void* recycled_[kRecycledSizes] = {};
    Block* blocks_ = nullptr;  // the block being filled first
    char* next_ = nullptr;     // its first free byte
    char* end_ = nullptr;
    size_t blockSize_ = kFirstBlock;  // of the next block
    Block* newBlock(size_t size);
    void* allocateSlow(size_t bytes, size_t align);

public:
    struct Kept;  // the blocks kept for the thread's next arenas (Arena.cpp)

private:
    static Kept& kept();
};
