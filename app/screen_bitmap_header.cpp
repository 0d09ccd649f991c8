#include "app/screen_bitmap_header.h"

#include "platform/screen.h"

namespace {

constexpr LONG kPixelsPerMeter = 10000;

}  // namespace

void FillScreenBitmapHeader(BITMAPINFOHEADER& header) {
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = screenWidth;
    // A negative height makes the rows top-down, as the scene writes them.
    header.biHeight = -screenHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = 0;
    header.biXPelsPerMeter = kPixelsPerMeter;
    header.biYPelsPerMeter = kPixelsPerMeter;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
}
