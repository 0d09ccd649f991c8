#pragma once
// The desktop's size and the two screen-sized pixel stores shared by the shell and the scene.
// Both stores are screenWidth x screenHeight pixels of 3 bytes, B, G, R, rows top-down, stride exactly
// screenWidth x 3 bytes: the pixel at (x, y) starts at byte (y x screenWidth + x) x 3.
#include <cstddef>
#include <cstdint>

// The desktop picture taken once at start-up; read-only afterwards.
struct ScreenCapture {
    uint8_t* pixels = nullptr;
};

// The picture every frame is drawn into. On Windows `bits` belongs to a DIB section (app/).
struct FrameBuffer {
    uint8_t* bits = nullptr;
};

extern int32_t screenWidth;
extern int32_t screenHeight;
extern ScreenCapture screenCapture;
extern FrameBuffer frameBuffer;

// screenWidth x screenHeight x 3: the size of either store.
size_t ScreenBytes();

void ReleaseScreenCapture();
