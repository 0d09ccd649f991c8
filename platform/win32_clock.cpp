// The Windows side of the clock. QueryPerformanceFrequency is fixed at boot, so it is asked once;
// a machine without the counter (or one reporting 0) runs on GetTickCount64's milliseconds instead.
#include <windows.h>

#include "platform/platform.h"

namespace {

int64_t CounterFrequency() {
    static const int64_t frequency = [] {
        LARGE_INTEGER value;
        return QueryPerformanceFrequency(&value) && value.QuadPart > 0 ? value.QuadPart : 0;
    }();
    return frequency;
}

}  // namespace

int64_t ReadPerformanceCounter() {
    if (CounterFrequency() == 0) return static_cast<int64_t>(GetTickCount64());
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

int64_t ReadPerformanceFrequency() { return CounterFrequency() > 0 ? CounterFrequency() : 1000; }

uint32_t ReadTickCount() { return GetTickCount(); }
