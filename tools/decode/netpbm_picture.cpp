#include "tools/decode/netpbm_picture.h"

#include <cstdio>

bool WriteNetpbm(const NetpbmPicture& picture, const char* path) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const size_t bytes = static_cast<size_t>(picture.width) * picture.height * picture.channels;
    const bool written =
        std::fprintf(file, "%s\n%d %d\n255\n", picture.channels == 3 ? "P6" : "P5", picture.width, picture.height) > 0 &&
        std::fwrite(picture.pixels.get(), 1, bytes, file) == bytes;
    return std::fclose(file) == 0 && written;
}
