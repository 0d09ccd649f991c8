// The host side of the clock: std::chrono's steady clock in nanoseconds.
#include <chrono>

#include "platform/platform.h"

int64_t ReadPerformanceCounter() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int64_t ReadPerformanceFrequency() { return 1000000000; }

uint32_t ReadTickCount() {
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}
