// Reads the one kind of TGA the program uses: uncompressed true-colour, 24 bits a pixel, no
// identification field, no colour map, origin (0,0). Rows may be stored either way up; columns always
// run left to right.
#include <cstring>
#include <utility>

#include "codec/byte_reader.h"
#include "codec/codec_context.h"
#include "codec/decoders.h"

namespace {

constexpr size_t kHeaderBytes = 18;
constexpr uint8_t kTopDownRows = 0x20;

struct TgaHeader {
    uint8_t idLength;
    uint8_t colourMapType;
    uint8_t imageType;
    uint8_t origin[4];
    uint16_t width;
    uint16_t height;
    uint8_t pixelDepth;
    uint8_t descriptor;
};

struct HeaderCheck {
    bool (*passes)(const TgaHeader&);
    const char* text;
    CodecStatus status;
};

// In the order they are tested: the first that fails names the fault.
constexpr HeaderCheck kHeaderChecks[] = {
    {[](const TgaHeader& h) { return h.idLength == 0; },
     "Cannot read TGA with non-zero identification field length\n", UnsupportedFormat},
    {[](const TgaHeader& h) { return h.colourMapType == 0; }, "Cannot read 24b TGA with a colour map\n",
     UnsupportedFormat},
    {[](const TgaHeader& h) { return h.imageType == 2; }, "Targa is not a 24bit image\n", InvalidData},
    {[](const TgaHeader& h) { return (h.origin[0] | h.origin[1] | h.origin[2] | h.origin[3]) == 0; },
     "Image origin not (0,0)\n", InvalidData},
    {[](const TgaHeader& h) { return h.pixelDepth == 24; }, "Bit depth not 24bit, found\n", InvalidData},
};

TgaHeader ParseHeader(const uint8_t* bytes) {
    ByteReader reader(bytes, kHeaderBytes);
    TgaHeader header{};
    uint8_t colourMapSpecification;
    reader.ReadByte(header.idLength);
    reader.ReadByte(header.colourMapType);
    reader.ReadByte(header.imageType);
    for (int i = 0; i < 5; ++i) reader.ReadByte(colourMapSpecification);
    for (uint8_t& originByte : header.origin) reader.ReadByte(originByte);
    reader.ReadU16LittleEndian(header.width);
    reader.ReadU16LittleEndian(header.height);
    reader.ReadByte(header.pixelDepth);
    reader.ReadByte(header.descriptor);
    return header;
}

void CopyRows(const uint8_t* data, const TgaHeader& header, RgbImage& image) {
    const size_t rowBytes = size_t{header.width} * 3;
    for (size_t fileRow = 0; fileRow < header.height; ++fileRow) {
        const size_t imageRow = header.descriptor & kTopDownRows ? fileRow : header.height - 1 - fileRow;
        std::memcpy(image.pixels.get() + imageRow * rowBytes, data + fileRow * rowBytes, rowBytes);
    }
}

void SwapRedAndBlue(RgbImage& image) {
    uint8_t* pixel = image.pixels.get();
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    for (size_t i = 0; i < count; ++i, pixel += 3) std::swap(pixel[0], pixel[2]);
}

int ReadTga(const ByteBuffer& buffer, std::unique_ptr<RgbImage>& out) {
    ByteReader reader(buffer.data.get(), buffer.size);
    const uint8_t* headerBytes = reader.Take(kHeaderBytes);
    if (!headerBytes) return Refuse(InvalidData, "TGA file too short for its header\n");
    const TgaHeader header = ParseHeader(headerBytes);
    for (const HeaderCheck& check : kHeaderChecks) {
        if (!check.passes(header)) return Refuse(check.status, "%s", check.text);
    }
    const uint64_t dataBytes = uint64_t{header.width} * header.height * 3;
    const uint8_t* data = dataBytes <= reader.Remaining() ? reader.Take(static_cast<size_t>(dataBytes)) : nullptr;
    if (!data) return Refuse(InvalidData, "TGA file too short for its image data\n");
    std::unique_ptr<RgbImage> image = CreateRgbImage(header.width, header.height);
    if (!image) return Refuse(InsufficientMemory, "Not enough memory for the TGA image\n");
    CopyRows(data, header, *image);
    if (GetBgrOrder() == 0) SwapRedAndBlue(*image);
    out = std::move(image);
    return 1;
}

}  // namespace

int DecodeTga(const ByteBuffer& buffer, std::unique_ptr<RgbImage>& out) {
    out.reset();
    return ReadTga(buffer, out);
}
