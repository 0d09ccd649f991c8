#pragma once
// All that the portable code asks of the operating system besides the screen stores (screen.h).
#include <cstdint>

// A monotonic counter and its ticks per second. The frequency is never 0: where the system has no
// high-resolution counter, both fall back to a millisecond clock.
int64_t ReadPerformanceCounter();
int64_t ReadPerformanceFrequency();

// Milliseconds since the system started, wrapping at 2^32; the scene's random seed.
uint32_t ReadTickCount();

// The bytes of resource `id` of type "FILES" in this program, or nullptr.
const uint8_t* LockFileResource(int id);
