#include "app/screen_capture.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "app/screen_bitmap_header.h"
#include "platform/screen.h"

namespace {

// The device contexts and bitmap of one capture, released whichever way the capture ends.
struct CaptureHandles {
    HDC display = nullptr;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;

    void ReleaseDisplay() {
        if (display) DeleteDC(display);
        display = nullptr;
    }

    ~CaptureHandles() {
        ReleaseDisplay();
        if (memory) DeleteDC(memory);
        if (bitmap) DeleteObject(bitmap);
    }
};

// GetDIBits pads every 24-bit row to a multiple of 4 bytes.
size_t PaddedRowBytes() { return (static_cast<size_t>(screenWidth) * 3 + 3) & ~static_cast<size_t>(3); }

// Copies the desktop into handles.bitmap and leaves it selected into no device context.
bool BlitDesktop(CaptureHandles& handles) {
    handles.bitmap = CreateCompatibleBitmap(handles.display, screenWidth, screenHeight);
    if (!handles.bitmap) return false;
    HGDIOBJ previous = SelectObject(handles.memory, handles.bitmap);
    const BOOL copied =
        BitBlt(handles.memory, 0, 0, screenWidth, screenHeight, handles.display, 0, 0, SRCCOPY);
    SelectObject(handles.memory, previous);
    return copied != 0;
}

// Closes the row padding up, so that the block holds the rows back to back whatever the width.
void RemoveRowPadding(uint8_t* pixels) {
    const size_t padded = PaddedRowBytes();
    const size_t tight = static_cast<size_t>(screenWidth) * 3;
    if (padded == tight) return;
    for (int32_t row = 1; row < screenHeight; ++row) {
        std::memmove(pixels + row * tight, pixels + row * padded, tight);
    }
}

bool ReadCapturedPixels(CaptureHandles& handles) {
    // Sized for padded rows: for a width that is not a multiple of 4 the platform writes more than
    // the gap-free picture holds.
    screenCapture.pixels = static_cast<uint8_t*>(std::malloc(PaddedRowBytes() * screenHeight));
    if (!screenCapture.pixels) return false;
    BITMAPINFO info = {};
    FillScreenBitmapHeader(info.bmiHeader);
    const int lines = GetDIBits(handles.memory, handles.bitmap, 0, screenHeight, screenCapture.pixels,
                                &info, DIB_RGB_COLORS);
    if (lines != screenHeight) return false;
    RemoveRowPadding(screenCapture.pixels);
    return true;
}

}  // namespace

bool CaptureScreen() {
    CaptureHandles handles;
    handles.display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!handles.display) return false;
    handles.memory = CreateCompatibleDC(handles.display);
    if (!handles.memory) return false;
    screenWidth = GetDeviceCaps(handles.display, HORZRES);
    screenHeight = GetDeviceCaps(handles.display, VERTRES);
    if (!BlitDesktop(handles)) return false;
    handles.ReleaseDisplay();
    if (ReadCapturedPixels(handles)) return true;
    ReleaseScreenCapture();
    return false;
}
