#include "xmlstore/NodePool.h"

#include "xmlstore/ReadyMemory.h"

// TLG_KEEP_NODE_POOL (the CMake option of that name) keeps the pool in a sanitizer build, so
// that the undefined-behaviour sanitizer checks the blocks the program really uses.
#if defined(TLG_KEEP_NODE_POOL)
#elif defined(__SANITIZE_ADDRESS__)
#define TLG_PLAIN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TLG_PLAIN_HEAP 1
#endif
#endif

#include <utility>

#ifdef TLG_PLAIN_HEAP

// Under the address sanitizer every block comes from the heap, so that it sees every misuse.
void* NodePool::Allocate(std::size_t size) {
    return ::operator new(size);
}
void NodePool::Deallocate(void* p, std::size_t) noexcept {
    ::operator delete(p);
}

bool NodePool::IsPooled() noexcept {
    return false;
}

struct NodePool::Parcel {};
void NodePool::ParcelDeleter::operator()(Parcel* parcel) const noexcept {
    delete parcel;
}
NodePool::ParcelPtr NodePool::HandOver() {
    return ParcelPtr(new Parcel());
}
void NodePool::TakeOver(ParcelPtr /*parcel*/) noexcept {}

#else

#if defined(__linux__)
#include <sys/mman.h>

#include <cstdint>
#endif

namespace {

constexpr std::size_t kGranule = NodePool::kBlockAlignment;
constexpr std::size_t kClasses = NodePool::kLargestBlock / kGranule;
constexpr std::size_t kChunkBytes = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// Per thread and size class: blocks given back, and the rest of the chunk being cut up.
// Trivially destructible, so blocks can still be given back while the program ends.
struct SizeClass {
    FreeBlock* free;
    char* next;
    char* end;
};
thread_local SizeClass tClasses[kClasses];

#if defined(__linux__)
// Chunks are cut from 2 MB regions, aligned so that a kernel that backs memory with huge pages
// by itself can: a large tree then costs a handful of page faults instead of thousands. The
// regions do not ask for huge pages (MADV_HUGEPAGE): where the kernel compacts memory only for
// those who ask, such a fault could wait tens of milliseconds for a free huge page, and one
// start in a few of a large diary took 40 ms longer so.
constexpr std::size_t kRegionBytes = std::size_t{2} << 20;
thread_local char* tRegionNext = nullptr;
thread_local char* tRegionEnd = nullptr;

char* NewRegion() {
    void* raw = ::mmap(nullptr, 2 * kRegionBytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        return nullptr;
    }
    auto* start = static_cast<char*>(raw);
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    char* aligned = start + ((kRegionBytes - address % kRegionBytes) % kRegionBytes);
    // give back what lies outside the aligned region
    if (aligned > start) {
        ::munmap(start, static_cast<std::size_t>(aligned - start));
    }
    char* end = aligned + kRegionBytes;
    char* mappedEnd = start + 2 * kRegionBytes;
    if (mappedEnd > end) {
        ::munmap(end, static_cast<std::size_t>(mappedEnd - end));
    }
    return aligned;
}
#endif

char* NewChunk() {
#if defined(__linux__)
    if (tRegionNext == tRegionEnd) {
        if (char* region = NewRegion()) {
            tRegionNext = region;
            tRegionEnd = region + kRegionBytes;
        }
    }
    if (tRegionNext != tRegionEnd) {
        char* chunk = tRegionNext;
        tRegionNext += kChunkBytes;
        // The chunk is cut up and written at once: its pages are backed in one call instead of
        // a fault for each (on some virtual machines a third of a large diary's load time).
        MakeMemoryReady(chunk, kChunkBytes);
        return chunk;
    }
#endif
    return static_cast<char*>(::operator new(kChunkBytes));
}

std::size_t ClassOf(std::size_t size) {
    return (size + kGranule - 1) / kGranule - 1;
}

} // namespace

void* NodePool::Allocate(std::size_t size) {
    const std::size_t c = ClassOf(size);
    SizeClass& sc = tClasses[c];
    if (sc.free) {
        FreeBlock* b = sc.free;
        sc.free = b->next;
        return b;
    }
    const std::size_t blockBytes = (c + 1) * kGranule;
    if (sc.next == nullptr || static_cast<std::size_t>(sc.end - sc.next) < blockBytes) {
        // The chunk stays for the life of the program; its blocks circulate in the free lists.
        sc.next = NewChunk();
        sc.end = sc.next + kChunkBytes;
    }
    void* p = sc.next;
    sc.next += blockBytes;
    return p;
}

void NodePool::Deallocate(void* p, std::size_t size) noexcept {
    SizeClass& sc = tClasses[ClassOf(size)];
    auto* b = static_cast<FreeBlock*>(p);
    b->next = sc.free;
    sc.free = b;
}

bool NodePool::IsPooled() noexcept {
    return true;
}

struct NodePool::Parcel {
    SizeClass classes[kClasses];
    char* regionNext;
    char* regionEnd;
};

void NodePool::ParcelDeleter::operator()(Parcel* parcel) const noexcept {
    // What was not taken over stays unused, as a pool of a thread that ended does.
    delete parcel;
}

NodePool::ParcelPtr NodePool::HandOver() {
    ParcelPtr parcel(new Parcel());
    for (std::size_t c = 0; c < kClasses; ++c) {
        parcel->classes[c] = std::exchange(tClasses[c], SizeClass{});
    }
#if defined(__linux__)
    parcel->regionNext = std::exchange(tRegionNext, nullptr);
    parcel->regionEnd = std::exchange(tRegionEnd, nullptr);
#else
    parcel->regionNext = parcel->regionEnd = nullptr;
#endif
    return parcel;
}

void NodePool::TakeOver(ParcelPtr parcel) noexcept {
    if (!parcel) {
        return;
    }
    for (std::size_t c = 0; c < kClasses; ++c) {
        SizeClass& mine = tClasses[c];
        const SizeClass& theirs = parcel->classes[c];
        const std::size_t blockBytes = (c + 1) * kGranule;
        FreeBlock* head = mine.free;
        if (theirs.next != nullptr) {
            if (mine.next == nullptr ||
                static_cast<std::size_t>(mine.end - mine.next) < blockBytes) {
                mine.next = theirs.next;
                mine.end = theirs.end;
            } else {
                // Both have a chunk under way: the rest of theirs becomes free blocks, lowest
                // address first.
                const std::size_t iRest =
                    static_cast<std::size_t>(theirs.end - theirs.next) / blockBytes;
                for (std::size_t i = iRest; i-- > 0;) {
                    auto* b = reinterpret_cast<FreeBlock*>(theirs.next + i * blockBytes);
                    b->next = head;
                    head = b;
                }
            }
        }
        // Their freed blocks come first.
        if (theirs.free != nullptr) {
            FreeBlock* last = theirs.free;
            while (last->next != nullptr) {
                last = last->next;
            }
            last->next = head;
            head = theirs.free;
        }
        mine.free = head;
    }
#if defined(__linux__)
    if (tRegionNext == tRegionEnd && parcel->regionNext != parcel->regionEnd) {
        tRegionNext = parcel->regionNext;
        tRegionEnd = parcel->regionEnd;
    }
#endif
}

#endif
