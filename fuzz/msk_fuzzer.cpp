// Any bytes through DecodeMsk: it must decode or refuse, never read or write out of bounds.
#include <cstddef>
#include <cstdint>

#include "codec/decoders.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::unique_ptr<ByteBuffer> buffer = FuzzInput(data, size);
    if (!buffer) return -1;
    std::unique_ptr<MaskImage> image;
    if (DecodeMsk(*buffer, image) == 1 && !image) __builtin_trap();
    return 0;
}
