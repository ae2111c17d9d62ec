#pragma once

#include <cstddef>
#include <vector>

// Hands the memory the program has freed back to the system, where the C library keeps freed
// memory for reuse instead (glibc keeps it in its heap until asked). Call it after letting go
// of something large, such as a closed report window: without it the process keeps the size
// of the largest report it ever showed. Elsewhere it does nothing.
void GiveBackFreedMemory();

// Has the system back the whole pages of a large new buffer with memory at once, before it is
// written: one call instead of a page fault for every 4 kB page, which costs far more on some
// virtual machines (15 us a page, a 3 MB file's buffer 11 ms). Only on Linux 5.14 or later;
// elsewhere, and for buffers under 64 kB, it does nothing.
void MakeMemoryReady(void* p, std::size_t size) noexcept;

// Grows a vector's room to hold n elements, its new memory made ready as above (a chart of a
// large diary fills several vectors of tens of thousands of elements at start-up).
template <class T> void ReserveReady(std::vector<T>& v, std::size_t n) {
    if (v.capacity() < n) {
        v.reserve(n);
        MakeMemoryReady(v.data(), n * sizeof(T));
    }
}
