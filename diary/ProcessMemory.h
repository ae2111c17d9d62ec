#pragma once

// Hands the memory the program has freed back to the system, where the C library keeps freed
// memory for reuse instead (glibc keeps it in its heap until asked). Call it after letting go
// of something large, such as a closed report window: without it the process keeps the size
// of the largest report it ever showed. Elsewhere it does nothing.
void GiveBackFreedMemory();
