#include "app/frame_buffer.h"

#include "app/screen_bitmap_header.h"
#include "platform/fatal_error.h"
#include "platform/screen.h"

namespace {

// The same description creates the bitmap and presents it.
struct FrameBufferBitmap {
    BITMAPINFO info;
    HBITMAP bitmap;
};

FrameBufferBitmap frameBufferBitmap = {};

}  // namespace

void CreateFrameBuffer() {
    frameBufferBitmap.info = {};
    FillScreenBitmapHeader(frameBufferBitmap.info.bmiHeader);
    void* bits = nullptr;
    // 24-bit pixels have no colour table, so the colour use has no effect on them.
    frameBufferBitmap.bitmap =
        CreateDIBSection(nullptr, &frameBufferBitmap.info, DIB_PAL_COLORS, &bits, nullptr, 0);
    if (!frameBufferBitmap.bitmap) FatalError("Unable to create frame buffer");
    frameBuffer.bits = static_cast<uint8_t*>(bits);
}

bool PresentFrame(HDC deviceContext) {
    const int result = StretchDIBits(deviceContext, 0, 0, screenWidth, screenHeight, 0, 0, screenWidth,
                                     screenHeight, frameBuffer.bits, &frameBufferBitmap.info,
                                     DIB_RGB_COLORS, SRCCOPY);
    return result != -1;
}

void ReleaseFrameBuffer() {
    if (frameBufferBitmap.bitmap) DeleteObject(frameBufferBitmap.bitmap);
    frameBufferBitmap.bitmap = nullptr;
    frameBuffer.bits = nullptr;
}
