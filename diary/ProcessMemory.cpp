#include "diary/ProcessMemory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

void GiveBackFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

void MakeMemoryReady(void* p, std::size_t size) noexcept {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::size_t kLeast = 64 * 1024;
    if (p == nullptr || size < kLeast) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    // Only the pages that lie wholly inside the buffer: the others may hold someone else's data
    // (which making them ready would not harm, but need not touch).
    const std::uintptr_t from = (start + page - 1) / page * page;
    const std::uintptr_t to = (start + size) / page * page;
    if (to > from) {
        // An older kernel refuses the advice; the pages then come one fault at a time.
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
    }
#else
    (void)p;
    (void)size;
#endif
}
