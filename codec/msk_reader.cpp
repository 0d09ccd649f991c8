// Reads MSK, the program's own two-level mask format: "MSK", version 1.00, width and height high byte
// first, then one byte a run, alternating 0 and 255 and starting with 0, filling the mask in raster
// order exactly.
#include <cstring>

#include "codec/byte_reader.h"
#include "codec/codec_context.h"
#include "codec/decoders.h"

namespace {

constexpr uint8_t kSignature[] = {'M', 'S', 'K', 1, 0, 0};
constexpr int64_t kLongestRun = 255;

// Fills the mask from the run stream; false when a run would end past the last pixel.
bool FillRuns(ByteReader& runs, MaskImage& mask, int64_t pixelCount, int64_t& filled) {
    uint8_t value = 0;
    uint8_t length;
    while (runs.ReadByte(length)) {
        if (filled + length > pixelCount) return false;
        std::memset(mask.pixels.get() + filled, value, length);
        filled += length;
        value = static_cast<uint8_t>(255 - value);
    }
    return true;
}

int ReadMsk(const ByteBuffer& buffer, std::unique_ptr<MaskImage>& out) {
    ByteReader reader(buffer.data.get(), buffer.size);
    const uint8_t* signature = reader.Take(sizeof kSignature);
    uint16_t width = 0;
    uint16_t height = 0;
    if (!signature || std::memcmp(signature, kSignature, sizeof kSignature) != 0 ||
        !reader.ReadU16BigEndian(width) || !reader.ReadU16BigEndian(height)) {
        return Refuse(InvalidData, "Error - not a valid v1.00 MSK file\n");
    }
    Log("Verified MSK format, version 1.00\n");
    const int64_t pixelCount = int64_t{width} * height;
    // Each run byte covers at most 255 pixels: a stream this short can only end in underfill.
    if (pixelCount > static_cast<int64_t>(reader.Remaining()) * kLongestRun) {
        return Refuse(InvalidData, "Error - data stream did not fill destination image\n");
    }
    std::unique_ptr<MaskImage> mask = CreateMaskImage(width, height);
    if (!mask) return Refuse(InsufficientMemory, "Error - not enough memory for the MSK image\n");
    int64_t filled = 0;
    if (!FillRuns(reader, *mask, pixelCount, filled)) {
        return Refuse(InvalidData, "Error - data stream goes past end of image\n");
    }
    if (filled != pixelCount) return Refuse(InvalidData, "Error - data stream did not fill destination image\n");
    out = std::move(mask);
    return 1;
}

}  // namespace

int DecodeMsk(const ByteBuffer& buffer, std::unique_ptr<MaskImage>& out) {
    out.reset();
    return ReadMsk(buffer, out);
}
