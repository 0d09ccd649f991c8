#include "tools/decode/picture_decoders.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "codec/decoders.h"

namespace {

template <int (*Decode)(const ByteBuffer&, std::unique_ptr<RgbImage>&)>
int DecodeColour(const ByteBuffer& file, NetpbmPicture& picture) {
    std::unique_ptr<RgbImage> image;
    if (Decode(file, image) != 1) return 0;
    picture = {image->width, image->height, 3, std::move(image->pixels)};
    return 1;
}

template <int (*Decode)(const ByteBuffer&, std::unique_ptr<MaskImage>&)>
int DecodeGrey(const ByteBuffer& file, NetpbmPicture& picture) {
    std::unique_ptr<MaskImage> mask;
    if (Decode(file, mask) != 1) return 0;
    picture = {mask->width, mask->height, 1, std::move(mask->pixels)};
    return 1;
}

constexpr PictureDecoder kPictureDecoders[] = {
    {".tga", DecodeColour<DecodeTga>},
    {".msk", DecodeGrey<DecodeMsk>},
    {".jpg", DecodeColour<DecodeJpeg>},
    {".jpeg", DecodeColour<DecodeJpeg>},
};

bool EndsWithIgnoringCase(const char* name, const char* suffix) {
    const size_t nameLength = std::strlen(name);
    const size_t suffixLength = std::strlen(suffix);
    if (nameLength < suffixLength) return false;
    const char* tail = name + nameLength - suffixLength;
    for (size_t i = 0; i < suffixLength; ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i]) return false;
    }
    return true;
}

}  // namespace

const PictureDecoder* FindPictureDecoder(const char* name) {
    for (const PictureDecoder& decoder : kPictureDecoders) {
        if (EndsWithIgnoringCase(name, decoder.extension)) return &decoder;
    }
    return nullptr;
}

std::unique_ptr<ByteBuffer> ReadWholeFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return nullptr;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return nullptr;
    std::unique_ptr<ByteBuffer> buffer = CreateByteBuffer(static_cast<int32_t>(bytes.size()));
    if (buffer && !bytes.empty()) std::memcpy(buffer->data.get(), bytes.data(), bytes.size());
    return buffer;
}
