#include "scene/dimmed_backdrop.h"

#include <cstring>
#include <new>

#include "platform/fatal_error.h"
#include "platform/screen.h"

DimmedBackdrop dimmedBackdrop;

void BuildDimmedBackdrop() {
    const size_t count = ScreenBytes();
    dimmedBackdrop.pixels.reset(new (std::nothrow) uint8_t[count]);
    if (!dimmedBackdrop.pixels) {
        FatalError("Not enough memory for the dimmed backdrop of %d x %d pixels", screenWidth,
                   screenHeight);
    }
    const uint8_t* source = screenCapture.pixels;
    uint8_t* target = dimmedBackdrop.pixels.get();
    for (size_t i = 0; i < count; ++i) {
        target[i] = static_cast<uint8_t>(source[i] / 6);
    }
}

void CopyBackdrop() { std::memcpy(frameBuffer.bits, dimmedBackdrop.pixels.get(), ScreenBytes()); }

void ReleaseDimmedBackdrop() { dimmedBackdrop.pixels.reset(); }
