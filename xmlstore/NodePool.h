#pragma once

#include <cstddef>
#include <memory>
#include <new>

// Small, fixed-size blocks for tags and tag lists. A large document holds hundreds of thousands
// of them; taking them from per-thread free lists of big chunks makes building and letting go
// of a tree several times faster than the general heap, and packs them densely. Chunks are
// kept for reuse once taken (a document that was loaded once is usually loaded again).
namespace NodePool {

constexpr std::size_t kLargestBlock = 256;
// Blocks are aligned to this; types that need more come from the general heap.
constexpr std::size_t kBlockAlignment = 8;

void* Allocate(std::size_t size);
void Deallocate(void* p, std::size_t size) noexcept;
// False where every block comes from the general heap (an address-sanitizer build).
bool IsPooled() noexcept;

// A thread's free blocks and the unused rest of its chunks. A thread that builds a tree for
// another hands them over as it ends: the blocks that thread frees and the space left then
// serve it, instead of lying idle beside a pool of its own.
struct Parcel;
struct ParcelDeleter {
    void operator()(Parcel* parcel) const noexcept;
};
using ParcelPtr = std::unique_ptr<Parcel, ParcelDeleter>;
// Empties the calling thread's pool into a parcel.
ParcelPtr HandOver();
// Adds a parcel to the calling thread's pool.
void TakeOver(ParcelPtr parcel) noexcept;

// An allocator for std::allocate_shared and small vectors: objects and arrays of up to
// kLargestBlock bytes come from the pool (a day's list of its four value tags is one such
// array), larger ones from the general heap.
template <class T> struct Allocator {
    using value_type = T;
    Allocator() noexcept = default;
    template <class U> Allocator(const Allocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (Pooled(n)) {
            return static_cast<T*>(Allocate(n * sizeof(T)));
        }
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (Pooled(n)) {
            Deallocate(p, n * sizeof(T));
        } else {
            ::operator delete(p);
        }
    }
    static constexpr bool Pooled(std::size_t n) {
        return n >= 1 && n <= kLargestBlock / sizeof(T) && alignof(T) <= kBlockAlignment;
    }
    template <class U> bool operator==(const Allocator<U>&) const noexcept { return true; }
    template <class U> bool operator!=(const Allocator<U>&) const noexcept { return false; }
};

} // namespace NodePool
