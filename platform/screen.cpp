#include "platform/screen.h"

#include <cstdlib>

int32_t screenWidth = 0;
int32_t screenHeight = 0;
ScreenCapture screenCapture;
FrameBuffer frameBuffer;

size_t ScreenBytes() {
    return static_cast<size_t>(screenWidth) * static_cast<size_t>(screenHeight) * 3;
}

void ReleaseScreenCapture() {
    std::free(screenCapture.pixels);
    screenCapture.pixels = nullptr;
}
