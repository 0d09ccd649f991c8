// Any bytes through DecodeJpeg: it must decode or refuse, never read or write out of bounds.
#include <cstddef>
#include <cstdint>

#include "codec/decoders.h"
#include "fuzz/fuzz_input.h"

namespace {

// A frame of a few thousand pixels square fits 32 bits and is valid, but the decoder then runs through
// millions of MCUs of zero bits past the end of a small input; such inputs only measure patience.
constexpr int64_t kMaxFuzzedPixels = int64_t{1} << 22;

bool DeclaresHugeFrame(const uint8_t* data, size_t size) {
    for (size_t i = 0; i + 8 < size; ++i) {
        if (data[i] != 0xFF || data[i + 1] != 0xC0) continue;
        const int64_t height = data[i + 5] << 8 | data[i + 6];
        const int64_t width = data[i + 7] << 8 | data[i + 8];
        if (width * height > kMaxFuzzedPixels) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (DeclaresHugeFrame(data, size)) return -1;
    const std::unique_ptr<ByteBuffer> buffer = FuzzInput(data, size);
    if (!buffer) return -1;
    std::unique_ptr<RgbImage> image;
    if (DecodeJpeg(*buffer, image) == 1 && !image) __builtin_trap();
    return 0;
}
