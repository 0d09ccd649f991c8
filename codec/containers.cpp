#include "codec/containers.h"

#include <cstddef>
#include <limits>
#include <new>

namespace {

// The byte count of a block of width x height x bytesPerPixel, or -1 when it cannot be represented.
int64_t BlockSize(int32_t width, int32_t height, int32_t bytesPerPixel) {
    if (width < 0 || height < 0) return -1;
    const int64_t bytes = int64_t{width} * height * bytesPerPixel;
    if (static_cast<uint64_t>(bytes) > std::numeric_limits<size_t>::max()) return -1;
    return bytes;
}

std::unique_ptr<uint8_t[]> AllocateBlock(int64_t bytes) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]);
}

template <typename Image>
std::unique_ptr<Image> CreateImage(int32_t width, int32_t height, int32_t bytesPerPixel) {
    const int64_t bytes = BlockSize(width, height, bytesPerPixel);
    if (bytes < 0) return nullptr;
    std::unique_ptr<Image> image(new (std::nothrow) Image);
    if (!image) return nullptr;
    image->pixels = AllocateBlock(bytes);
    if (!image->pixels) return nullptr;
    image->width = width;
    image->height = height;
    return image;
}

}  // namespace

std::unique_ptr<ByteBuffer> CreateByteBuffer(int32_t size) {
    if (size < 0) return nullptr;
    std::unique_ptr<ByteBuffer> buffer(new (std::nothrow) ByteBuffer);
    if (!buffer) return nullptr;
    buffer->data = AllocateBlock(size);
    if (!buffer->data) return nullptr;
    buffer->size = size;
    return buffer;
}

std::unique_ptr<RgbImage> CreateRgbImage(int32_t width, int32_t height) {
    return CreateImage<RgbImage>(width, height, 3);
}

std::unique_ptr<MaskImage> CreateMaskImage(int32_t width, int32_t height) {
    return CreateImage<MaskImage>(width, height, 1);
}
