// Phase 1: every byte of the capture scaled by one factor f that falls from 256 to 42 over 3000 ms.
#include <cstddef>

#include "platform/screen.h"
#include "scene/scene_phase.h"

namespace {

constexpr int32_t kFadeMilliseconds = 3000;

int32_t FadeFactor(int32_t t) { return 256 - (t * 214) / kFadeMilliseconds; }

}  // namespace

bool FadeDesktopEnded(int32_t t) { return t > kFadeMilliseconds; }

void DrawFadeDesktop(int32_t t) {
    const int32_t f = FadeFactor(t);
    const uint8_t* source = screenCapture.pixels;
    uint8_t* target = frameBuffer.bits;
    const size_t count = ScreenBytes();
    for (size_t i = 0; i < count; ++i) {
        target[i] = static_cast<uint8_t>((source[i] * f) >> 8);
    }
}
