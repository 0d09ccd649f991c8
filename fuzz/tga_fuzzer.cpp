// Any bytes through DecodeTga: it must decode or refuse, never read or write out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "codec/codec_context.h"
#include "codec/decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return -1;
    SetLogCallback(nullptr);
    ByteBuffer buffer;
    buffer.size = static_cast<int32_t>(size);
    buffer.data.reset(new uint8_t[size]);
    std::memcpy(buffer.data.get(), data, size);
    std::unique_ptr<RgbImage> image;
    if (DecodeTga(buffer, image) == 1 && !image) __builtin_trap();
    return 0;
}
