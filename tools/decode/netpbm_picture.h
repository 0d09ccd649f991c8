#pragma once
// A decoded picture on its way to a Netpbm file: 3 bytes a pixel (R, G, B) become a binary PPM, 1 byte a
// pixel a binary PGM.
#include <cstdint>
#include <memory>

struct NetpbmPicture {
    int32_t width = 0;
    int32_t height = 0;
    int32_t channels = 0;  // 3 or 1
    std::unique_ptr<uint8_t[]> pixels;
};

// Writes P6 or P5 with maxval 255; false when the file cannot be written whole.
bool WriteNetpbm(const NetpbmPicture& picture, const char* path);
