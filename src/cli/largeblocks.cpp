// tandemdiff's large blocks: the files as read, the line tables, the keys and the aligned rows are
// each filled from end to end as soon as they are made, and a fresh page costs a fault that on
// some machines takes longer than the work done in it. Blocks of a megabyte and more are mapped
// on their own in whole 2 MB pieces that the kernel may back with large pages, one fault for each
// 2 MB instead of each 4 KB. Blocks from 64 KB up to a megabyte (the tables of files of some
// thousand lines) are cut one after another from such pieces. Every other block, and the score
// window (which the run touches sparsely and which is allocated apart), comes from the heap.
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <sys/mman.h>

namespace {

constexpr size_t kLargePage = size_t{2} << 20;
constexpr size_t kLargeBlock = size_t{1} << 20;
constexpr size_t kMediumBlock = size_t{64} << 10;
// Medium blocks start on cache lines, which is more than any type's alignment.
constexpr size_t kMediumAlignment = 64;
// A run holds a few dozen mappings at most; beyond this many, blocks come from the heap.
constexpr size_t kMostMappings = 256;

struct Mapping {
    char* start = nullptr;
    size_t length = 0;
    bool cut = false; // a piece that medium blocks are cut from
};

class LargeBlocks {
public:
    void* AllocateLarge(size_t size) {
        const size_t length = (size + kLargePage - 1) / kLargePage * kLargePage;
        char* start = MapAligned(length);
        if (!start)
            return nullptr;
        std::lock_guard<std::mutex> lock(mutex_);
        if (!Register({start, length, false})) {
            munmap(start, length);
            return nullptr;
        }
        return start;
    }

    // A freed medium block is taken back only when it is the last one cut: a run frees few of
    // them before it ends, and the rest of the piece waits for the process to end.
    void* AllocateMedium(size_t size) {
        size = (size + kMediumAlignment - 1) / kMediumAlignment * kMediumAlignment;
        std::lock_guard<std::mutex> lock(mutex_);
        if (!piece_ || pieceUsed_ + size > kLargePage) {
            char* start = MapAligned(kLargePage);
            if (!start)
                return nullptr;
            if (!Register({start, kLargePage, true})) {
                munmap(start, kLargePage);
                return nullptr;
            }
            piece_ = start;
            pieceUsed_ = 0;
        }
        char* block = piece_ + pieceUsed_;
        pieceUsed_ += size;
        lastCut_ = block;
        return block;
    }

    // True when the block was one of these.
    bool Release(void* block) {
        const uintptr_t address = reinterpret_cast<uintptr_t>(block);
        if (address < lowest_.load(std::memory_order_relaxed) ||
            address >= highest_.load(std::memory_order_relaxed))
            return false;
        char* const at = static_cast<char*>(block);
        std::lock_guard<std::mutex> lock(mutex_);
        for (size_t i = 0; i < count_; ++i) {
            Mapping& mapping = mappings_[i];
            if (at < mapping.start || at >= mapping.start + mapping.length)
                continue;
            if (mapping.cut) {
                if (at == lastCut_) {
                    pieceUsed_ = static_cast<size_t>(lastCut_ - piece_);
                    lastCut_ = nullptr;
                }
            } else {
                munmap(mapping.start, mapping.length);
                mapping = mappings_[--count_];
            }
            return true;
        }
        return false;
    }

private:
    bool Register(const Mapping& mapping) {
        if (count_ == mappings_.size())
            return false;
        mappings_[count_++] = mapping;
        const uintptr_t address = reinterpret_cast<uintptr_t>(mapping.start);
        lowest_.store(std::min(lowest_.load(), address));
        highest_.store(std::max(highest_.load(), address + mapping.length));
        return true;
    }

    // A mapping of `length` bytes starting on a large-page boundary, or null.
    static char* MapAligned(size_t length) {
        const size_t padded = length + kLargePage;
        void* raw =
            mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED)
            return nullptr;
        const uintptr_t rawAddress = reinterpret_cast<uintptr_t>(raw);
        const uintptr_t start = (rawAddress + kLargePage - 1) & ~(kLargePage - 1);
        if (start > rawAddress)
            munmap(raw, start - rawAddress);
        const uintptr_t end = start + length;
        if (rawAddress + padded > end)
            munmap(reinterpret_cast<void*>(end), rawAddress + padded - end);
        madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
        return reinterpret_cast<char*>(start);
    }

    std::mutex mutex_;
    std::array<Mapping, kMostMappings> mappings_{};
    size_t count_ = 0;
    std::atomic<uintptr_t> lowest_{UINTPTR_MAX};
    std::atomic<uintptr_t> highest_{0};
    char* piece_ = nullptr; // the piece medium blocks are cut from now
    size_t pieceUsed_ = 0;
    char* lastCut_ = nullptr;
};

LargeBlocks& Blocks() {
    static LargeBlocks blocks;
    return blocks;
}

void* AllocateOrNull(size_t size) noexcept {
    if (size >= kLargeBlock) {
        if (void* block = Blocks().AllocateLarge(size))
            return block;
    } else if (size >= kMediumBlock) {
        if (void* block = Blocks().AllocateMedium(size))
            return block;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(size_t size) {
    while (true) {
        if (void* block = AllocateOrNull(size))
            return block;
        std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

void Free(void* block) noexcept {
    if (block && !Blocks().Release(block))
        std::free(block);
}

} // namespace

void* operator new(size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void operator delete(void* block) noexcept {
    Free(block);
}
void operator delete[](void* block) noexcept {
    Free(block);
}
void operator delete(void* block, size_t) noexcept {
    Free(block);
}
void operator delete[](void* block, size_t) noexcept {
    Free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    Free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    Free(block);
}
