// The marker structure of a baseline JFIF stream: SOI, the first APP0, the segments up to SOF0, and the
// frame's segments up to EOI. Every byte is read through ReadByte, which never runs past the data.
#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "codec/jpeg/jpeg_decoder.h"

namespace {

constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kEoi = 0xD9;
constexpr uint8_t kApp0 = 0xE0;
constexpr uint8_t kSof0 = 0xC0;
constexpr uint8_t kDht = 0xC4;
constexpr uint8_t kDqt = 0xDB;
constexpr uint8_t kDri = 0xDD;
constexpr uint8_t kSos = 0xDA;

constexpr uint8_t kJfifIdentifier[5] = {'J', 'F', 'I', 'F', 0};

// SOF1 to SOF15 other than DHT: frame kinds this decoder refuses, together with JPG and DAC.
bool IsOtherFrameType(uint8_t code) { return code >= 0xC1 && code <= 0xCF && code != kDht; }

const char* const kComponentIdErrors[3] = {
    "Error - the first component (Y) should have an id of 1, found %0d\n",
    "Error - the second component (Cb) should have an id of 2, found %0d\n",
    "Error - the third component (Cr) should have an id of 3, found %0d\n",
};

const char* const kComponentSummaries[3] = {
    "Y  - id: %0d, H: %0d, V: %0d, qt: %0d\n",
    "Cb - id: %0d, H: %0d, V: %0d, qt: %0d\n",
    "Cr - id: %0d, H: %0d, V: %0d, qt: %0d\n",
};

void ReleaseHuffmanArrays(HuffmanTable& table) {
    table.values.reset();
    table.sizes.reset();
    table.codes.reset();
}

void ReleaseTables(JpegDecoder& decoder) {
    for (auto& table : decoder.quantTables) table.reset();
    for (auto& table : decoder.dcTables) ReleaseHuffmanArrays(table);
    for (auto& table : decoder.acTables) ReleaseHuffmanArrays(table);
}

void ReleasePlanes(JpegDecoder& decoder) {
    for (auto& component : decoder.components) component.plane.reset();
}

void SkipBytes(JpegDecoder& decoder, int32_t count) {
    for (int32_t i = 0; i < count; ++i) ReadByte(decoder);
}

// The colour-difference planes are enlarged by whole-number ratios, so every factor must divide the
// largest one; a factor of 0 would leave a component without blocks.
bool HasWholeSamplingRatios(const JpegDecoder& decoder) {
    const SamplingMaxima maxima = FindSamplingMaxima(decoder);
    for (const auto& component : decoder.components) {
        if (component.hFactor == 0 || component.vFactor == 0) return false;
        if (maxima.hMax % component.hFactor != 0 || maxima.vMax % component.vFactor != 0) return false;
    }
    return true;
}

int ReadFrameComponents(JpegDecoder& decoder) {
    for (int index = 0; index < 3; ++index) {
        JpegComponent& component = decoder.components[index];
        component.id = ReadByte(decoder);
        if (component.id != index + 1) {
            return Refuse(InvalidData, kComponentIdErrors[index], component.id);
        }
        const uint8_t sampling = ReadByte(decoder);
        component.hFactor = sampling >> 4;
        component.vFactor = sampling & 0x0F;
        component.quantId = ReadByte(decoder);
    }
    for (int index = 0; index < 3; ++index) {
        const JpegComponent& component = decoder.components[index];
        Log(kComponentSummaries[index], component.id, component.hFactor, component.vFactor, component.quantId);
    }
    Log("\n");
    if (!HasWholeSamplingRatios(decoder)) {
        return Refuse(InvalidData, "Error - sampling factors must be nonzero and divide the largest factor\n");
    }
    return 1;
}

// The planes exist once a scan has been decoded; a frame without one has nothing to convert.
int EndFrame(const JpegDecoder& decoder) {
    if (!decoder.components[0].plane) {
        return Refuse(InvalidData, "Error - the frame ended without a scan\n");
    }
    Log("\n");
    return 1;
}

// A marker must come next; the caller's text follows ReadMarker's own.
int ReadNextMarker(JpegDecoder& decoder, uint8_t& code) {
    if (ReadMarker(decoder, code)) return 1;
    Log("Error - a marker was expected, but not found\n");
    return 0;
}

// The segments that may stand both before the frame and inside it: the tables, the restart interval,
// and everything else, which is passed over.
int ReadTableOrOtherSegment(JpegDecoder& decoder, uint8_t code) {
    switch (code) {
        case kDht:
            if (ReadHuffmanTables(decoder)) return 1;
            Log("Error - reading Huffman tables failed\n");
            return 0;
        case kDqt:
            if (ReadQuantTables(decoder)) return 1;
            Log("Error - reading quantisation tables failed\n");
            return 0;
        case kDri:
            ReadRestartInterval(decoder);
            return 1;
        default:
            SkipSegment(decoder, code);
            return 1;
    }
}

int ReadFrameSegments(JpegDecoder& decoder) {
    for (;;) {
        uint8_t code = 0;
        if (!ReadNextMarker(decoder, code)) return 0;
        if (code == kEoi) return EndFrame(decoder);
        if (code == kSos) {
            if (ReadScan(decoder)) continue;
            Log("Error - decode scan failed\n");
            return 0;
        }
        if (!ReadTableOrOtherSegment(decoder, code)) return 0;
    }
}

int ReadSegmentsBeforeFrame(JpegDecoder& decoder) {
    for (;;) {
        uint8_t code = 0;
        if (!ReadNextMarker(decoder, code)) return 0;
        if (code == kSof0) {
            if (ReadFrame(decoder)) return 1;
            Log("Error - decode frame failed\n");
            return 0;
        }
        if (IsOtherFrameType(code)) {
            return Refuse(UnsupportedFormat, "Error - this programme can not decode a frame of type 0x%X\n", code);
        }
        if (!ReadTableOrOtherSegment(decoder, code)) return 0;
    }
}

}  // namespace

SamplingMaxima FindSamplingMaxima(const JpegDecoder& decoder) {
    SamplingMaxima maxima = {0, 0};
    for (const auto& component : decoder.components) {
        if (component.hFactor > maxima.hMax) maxima.hMax = component.hFactor;
        if (component.vFactor > maxima.vMax) maxima.vMax = component.vFactor;
    }
    return maxima;
}

uint8_t ReadByte(JpegDecoder& decoder) {
    if (decoder.position < decoder.input->size) return decoder.input->data[decoder.position++];
    Log("Error - JPEG decoder has gone past end of file\n");
    return 0;
}

uint16_t ReadWord(JpegDecoder& decoder) {
    const uint16_t high = ReadByte(decoder);
    return static_cast<uint16_t>(high * 256 + ReadByte(decoder));
}

int ReadMarker(JpegDecoder& decoder, uint8_t& code) {
    const uint8_t first = ReadByte(decoder);
    if (first != 0xFF) {
        return Refuse(InvalidData, "Error - expected byte 0xFF, found 0x%02X\n", first);
    }
    code = ReadByte(decoder);
    return 1;
}

void SkipSegment(JpegDecoder& decoder, uint8_t code) {
    const int32_t length = ReadWord(decoder);
    Log("Found unrecognised marker (0x%02X) of length %d. Skipping\n\n", code, length);
    if (length > 2) SkipBytes(decoder, length - 2);
}

int ReadApp0(JpegDecoder& decoder) {
    const int32_t length = ReadWord(decoder);
    Log("Found APP0 marker of length %d\n", length);
    bool isJfif = true;
    for (uint8_t expected : kJfifIdentifier) isJfif = (ReadByte(decoder) == expected) && isJfif;
    if (!isJfif) {
        return Refuse(InvalidData, "Error - not a JFIF file\n");
    }
    Log("Verified JFIF format\n");
    const int major = ReadByte(decoder);
    const int minor = ReadByte(decoder);
    Log("JFIF version: %d.%02d\n", major, minor);
    SkipBytes(decoder, length - 9);
    Log("\n");
    return 1;
}

int ReadStream(JpegDecoder& decoder) {
    uint8_t code = 0;
    if (!ReadMarker(decoder, code)) return 0;
    if (code != kSoi) {
        return Refuse(InvalidData, "Error - expecting SOI marker, instead found 0x%02X\n", code);
    }
    if (!ReadMarker(decoder, code)) return 0;
    if (code != kApp0) {
        return Refuse(InvalidData, "Error - expecting APP0 marker, instead found 0x%02X\n", code);
    }
    if (!ReadApp0(decoder)) {
        return Refuse(InvalidData, "Error - first APP0 marker is invalid\n");
    }
    return ReadSegmentsBeforeFrame(decoder);
}

int ReadFrame(JpegDecoder& decoder) {
    Log("Found start of baseline DCT frame of length %0d\n", ReadWord(decoder));
    const int precision = ReadByte(decoder);
    if (precision != 8) {
        return Refuse(UnsupportedFormat, "Error - 8 bit precision allowed only, found %0d\n", precision);
    }
    decoder.height = ReadWord(decoder);
    decoder.width = ReadWord(decoder);
    Log("Image dimensions: %0dx%0d\n", decoder.width, decoder.height);
    const int componentCount = ReadByte(decoder);
    if (componentCount != 3) {
        return Refuse(UnsupportedFormat, "Error - 3 components allowed only, found %0d\n", componentCount);
    }
    if (!ReadFrameComponents(decoder)) return 0;
    return ReadFrameSegments(decoder);
}

int RunJpegDecoder(JpegDecoder& decoder, const ByteBuffer& input, std::unique_ptr<RgbImage>& out) {
    decoder.input = &input;
    decoder.position = 0;
    decoder.restartInterval = 0;
    ReleaseTables(decoder);
    for (int id = 0; id < 4; ++id) decoder.dcTables[id].defined = decoder.acTables[id].defined = 0;

    if (!ReadStream(decoder)) {
        Log("Error decoding file\n");
        ReleaseTables(decoder);
        ReleasePlanes(decoder);
        return 0;
    }
    ReleaseTables(decoder);
    std::unique_ptr<RgbImage> image = ConvertToRgb(decoder);
    ReleasePlanes(decoder);
    if (!image) {
        Log("Error - insufficient memory to hold the decoded image\n");
        return Refuse(InsufficientMemory, "Error decoding file\n");
    }
    out = std::move(image);
    return 1;
}

int DecodeJpeg(const ByteBuffer& buffer, std::unique_ptr<RgbImage>& out) {
    out.reset();
    JpegDecoder decoder;
    return RunJpegDecoder(decoder, buffer, out);
}
