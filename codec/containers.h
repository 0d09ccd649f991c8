#pragma once
// The three plain containers of the codec library: the bytes a reader takes and the images it returns.
// Rows are top-down with no gap between them. Creation leaves the bytes uninitialised (the creator or
// the reader fills every one) and gives none when the size is negative, overflows, or cannot be had.
#include <cstdint>
#include <memory>

struct ByteBuffer {
    std::unique_ptr<uint8_t[]> data;
    int32_t size = 0;
};

// 3 bytes a pixel: B, G, R when the codec context's bgrOrder was set at decode time, else R, G, B.
struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels;
};

// 1 byte a pixel, 0 or 255.
struct MaskImage {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels;
};

std::unique_ptr<ByteBuffer> CreateByteBuffer(int32_t size);
std::unique_ptr<RgbImage> CreateRgbImage(int32_t width, int32_t height);
std::unique_ptr<MaskImage> CreateMaskImage(int32_t width, int32_t height);
