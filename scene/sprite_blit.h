#pragma once
// What the sprite primitives share: clipping one axis against the screen, finding a screen pixel,
// and copying a run of pixels with black as transparency.
#include <algorithm>
#include <cstdint>

#include "codec/containers.h"
#include "platform/screen.h"

// The part [first, end) of `count` pixels, laid out from screen coordinate `start` on, that falls
// inside an axis of `size` pixels. Cutting off the hidden pixels never shifts the visible ones.
// 64-bit, so that coordinates anywhere in the 32-bit range cannot overflow.
struct VisibleSpan {
    int64_t first;
    int64_t end;
};

inline VisibleSpan ClipToAxis(int64_t start, int64_t count, int32_t size) {
    const int64_t first = std::max<int64_t>(0, -start);
    const int64_t end = std::min<int64_t>(count, int64_t{size} - start);
    return {first, std::max(first, end)};
}

inline uint8_t* ScreenPixel(int64_t x, int64_t y) {
    return frameBuffer.bits + (y * screenWidth + x) * 3;
}

inline const uint8_t* ImagePixel(const RgbImage& image, int64_t x, int64_t y) {
    return image.pixels.get() + (y * image.width + x) * 3;
}

inline void CopyIfOpaque(const uint8_t* source, uint8_t* target) {
    if (source[0] | source[1] | source[2]) {
        target[0] = source[0];
        target[1] = source[1];
        target[2] = source[2];
    }
}

inline void CopyOpaqueRun(const uint8_t* source, uint8_t* target, int64_t count) {
    for (int64_t k = 0; k < count; ++k, source += 3, target += 3) {
        CopyIfOpaque(source, target);
    }
}

// The rotated blit with the sine and cosine already taken, so that a chain of equal turns (a rope)
// pays for them once.
void DrawSpriteTurned(const RgbImage& image, int32_t centreX, int32_t centreY, float sine,
                      float cosine);
