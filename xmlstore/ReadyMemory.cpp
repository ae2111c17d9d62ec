#include "xmlstore/ReadyMemory.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

void MakeMemoryReady(void* p, std::size_t size) noexcept {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::size_t kLeast = 64 * 1024;
    if (p == nullptr || size < kLeast) {
        return;
    }
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    // Only the pages that lie wholly inside the buffer: the others are partly someone else's.
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
