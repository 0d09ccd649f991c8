// Baseline Huffman decoding (T.81 Annex C and F.2.2): the decoder tables, the bit reader with its
// byte-stuffing rule, DECODE, RECEIVE and EXTEND, and the walk over the MCUs with restart markers.
// Decoding is bit-serial: each code bit is one GetBit and one comparison with maxCode.
#include <new>

#include "codec/codec_context.h"
#include "codec/jpeg/jpeg_decoder.h"

namespace {

constexpr int kMaxCodeLength = 16;
constexpr int kLastCoefficient = 63;
constexpr int32_t kZeroRunLength = 0xF0;
// Valid 8-bit data uses DC categories up to 11; beyond 16 RECEIVE and EXTEND would leave 32 bits.
constexpr int32_t kMaxDcCategory = 16;
constexpr int kProgressSteps = 40;

const char* const kReceiveFailed = "Error - receive failed\n";
const char* const kHuffmanDecodeFailed = "Error - Huffman decode failed\n";

void StartInterval(JpegDecoder& decoder) {
    for (auto& component : decoder.components) component.dcPredictor = 0;
    decoder.bitsLeft = 0;
}

int DecodeDcCoefficient(JpegDecoder& decoder, JpegComponent& component, int32_t block[kBlockSize]) {
    int32_t category = 0;
    if (!HuffmanDecode(decoder, *component.dcTable, category)) {
        Log("%s", kHuffmanDecodeFailed);
        return 0;
    }
    if (category > kMaxDcCategory) {
        return Refuse(InvalidData, "Error - DC difference category %0d is out of range\n", category);
    }
    int32_t diff = 0;
    if (!Receive(decoder, category, diff)) {
        Log("%s", kReceiveFailed);
        return 0;
    }
    // Corrupt data could push the running sum past 32 bits; wrapping keeps it defined.
    component.dcPredictor = static_cast<int32_t>(static_cast<uint32_t>(component.dcPredictor) +
                                                 static_cast<uint32_t>(Extend(diff, category)));
    block[0] = component.dcPredictor;
    for (int k = 1; k < kBlockSize; ++k) block[k] = 0;
    return 1;
}

int RunPastBlockEnd() {
    return Refuse(InvalidData, "Error - a run of zero coefficients goes past the end of the block\n");
}

int DecodeAcCoefficients(JpegDecoder& decoder, const JpegComponent& component, int32_t block[kBlockSize]) {
    int32_t k = 1;
    for (;;) {
        int32_t runSize = 0;
        if (!HuffmanDecode(decoder, *component.acTable, runSize)) {
            Log("%s", kHuffmanDecodeFailed);
            return 0;
        }
        const int32_t run = runSize >> 4;
        const int32_t size = runSize & 15;
        if (size == 0) {
            if (runSize != kZeroRunLength) return 1;
            k += 16;
            if (k > kLastCoefficient) return RunPastBlockEnd();
            continue;
        }
        k += run;
        if (k > kLastCoefficient) return RunPastBlockEnd();
        int32_t bits = 0;
        if (!Receive(decoder, size, bits)) {
            Log("%s", kReceiveFailed);
            return 0;
        }
        block[k] = Extend(bits, size);
        if (k == kLastCoefficient) return 1;
        ++k;
    }
}

void StoreBlock(const uint8_t samples[kBlockSize], uint8_t* plane, int32_t stride, int32_t x0, int32_t y0) {
    uint8_t* row = plane + y0 * stride + x0;
    for (int y = 0; y < 8; ++y, row += stride) {
        for (int x = 0; x < 8; ++x) row[x] = samples[y * 8 + x];
    }
}

int ReadRestartMarker(JpegDecoder& decoder, int32_t& expected) {
    uint8_t code = 0;
    if (!ReadMarker(decoder, code)) {
        Log("Error - a marker was expected, but not found\n");
        return 0;
    }
    if ((code & 0xF8) != 0xD0) {
        return Refuse(InvalidData, "Error - expected an RSTm marker, found 0x%02X\n", code);
    }
    if ((code & 0x0F) != expected) {
        return Refuse(InvalidData, "Error - expected restart marker RST%0d, found RST%0d\n", expected, code & 0x0F);
    }
    expected = (expected + 1) % 8;
    StartInterval(decoder);
    return 1;
}

}  // namespace

namespace {

// The length of each code in order, then a 0.
bool ListCodeSizes(HuffmanTable& table, int32_t total) {
    table.sizes.reset(new (std::nothrow) int32_t[total + 1]);
    if (!table.sizes) return false;
    int32_t k = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        for (int32_t i = 0; i < table.counts[length - 1]; ++i) table.sizes[k++] = length;
    }
    table.sizes[k] = 0;
    return true;
}

// Consecutive codes within a length, doubled at each longer length. Starting at length 1 gives the
// same codes as starting at the shortest length (a code of 0 doubled stays 0), and an empty table
// then writes no code.
bool GenerateCodes(HuffmanTable& table, int32_t total) {
    table.codes.reset(new (std::nothrow) int32_t[total]);
    if (!table.codes) return false;
    int32_t code = 0;
    int32_t k = 0;
    for (int32_t size = 1; size <= kMaxCodeLength; ++size) {
        while (table.sizes[k] == size) table.codes[k++] = code++;
        code <<= 1;
    }
    return true;
}

void IndexCodeLengths(HuffmanTable& table) {
    int32_t index = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        const int32_t count = table.counts[length - 1];
        if (count == 0) {
            table.maxCode[length - 1] = -1;
            continue;
        }
        table.valueIndex[length - 1] = index;
        table.minCode[length - 1] = table.codes[index];
        table.maxCode[length - 1] = table.codes[index + count - 1];
        index += count;
    }
}

}  // namespace

int BuildHuffmanTable(HuffmanTable& table) {
    int32_t total = 0;
    for (int32_t count : table.counts) total += count;
    if (!ListCodeSizes(table, total) || !GenerateCodes(table, total)) return 0;
    IndexCodeLengths(table);
    return 1;
}

int GetBit(JpegDecoder& decoder, int32_t& bit) {
    if (decoder.bitsLeft == 0) {
        decoder.bitBuffer = ReadByte(decoder);
        decoder.bitsLeft = 8;
        if (decoder.bitBuffer == 0xFF) {
            const uint8_t stuffed = ReadByte(decoder);
            if (stuffed != 0) {
                return Refuse(InvalidData, "Error - get bit expected a stuffed byte of 0, found 0x%X\n", stuffed);
            }
        }
    }
    bit = decoder.bitBuffer >> 7;
    decoder.bitBuffer = (decoder.bitBuffer & 0x7F) << 1;
    --decoder.bitsLeft;
    return 1;
}

int HuffmanDecode(JpegDecoder& decoder, const HuffmanTable& table, int32_t& symbol) {
    int32_t code = 0;
    if (!GetBit(decoder, code)) {
        Log("Error - get bit failed\n");
        return 0;
    }
    int length = 1;
    while (code > table.maxCode[length - 1]) {
        if (length == kMaxCodeLength) {
            return Refuse(InvalidData, "Error - no Huffman code matches the bits read\n");
        }
        int32_t bit = 0;
        if (!GetBit(decoder, bit)) {
            Log("Error - get bit failed\n");
            return 0;
        }
        ++length;
        code = code * 2 + bit;
    }
    symbol = table.values[table.valueIndex[length - 1] + code - table.minCode[length - 1]];
    return 1;
}

int Receive(JpegDecoder& decoder, int32_t bitCount, int32_t& value) {
    value = 0;
    for (int32_t i = 0; i < bitCount; ++i) {
        int32_t bit = 0;
        if (!GetBit(decoder, bit)) {
            Log("Error - get bit failed\n");
            return 0;
        }
        value = value * 2 + bit;
    }
    return 1;
}

int32_t Extend(int32_t value, int32_t bitCount) {
    if (bitCount == 0) return 0;
    if (value < (1 << (bitCount - 1))) return value - (1 << bitCount) + 1;
    return value;
}

int DecodeBlock(JpegDecoder& decoder, JpegComponent& component, int32_t block[kBlockSize]) {
    if (!DecodeDcCoefficient(decoder, component, block)) return 0;
    return DecodeAcCoefficients(decoder, component, block);
}

int DecodeMcu(JpegDecoder& decoder, int32_t mcuIndex) {
    const int32_t mcuRow = mcuIndex / decoder.mcusPerRow;
    const int32_t mcuCol = mcuIndex % decoder.mcusPerRow;
    int32_t block[kBlockSize];
    uint8_t samples[kBlockSize];
    for (auto& component : decoder.components) {
        const int32_t stride = decoder.mcusPerRow * component.hFactor * 8;
        for (int32_t blockRow = 0; blockRow < component.vFactor; ++blockRow) {
            for (int32_t blockCol = 0; blockCol < component.hFactor; ++blockCol) {
                if (!DecodeBlock(decoder, component, block)) {
                    Log("Error - decode DCT coefficients failed\n");
                    return 0;
                }
                InverseDct(block, component.quantTable, samples);
                StoreBlock(samples, component.plane.get(), stride, (mcuCol * component.hFactor + blockCol) * 8,
                           (mcuRow * component.vFactor + blockRow) * 8);
            }
        }
    }
    return 1;
}

int DecodeScanData(JpegDecoder& decoder) {
    StartInterval(decoder);
    Log("\nDecoding MCU ");
    int32_t expected = 0;
    const int32_t total = decoder.mcusPerRow * decoder.mcuRows;
    for (int32_t i = 0; i < total; ++i) {
        if (total >= kProgressSteps && i % (total / kProgressSteps) == 0) Log(".");
        if (!DecodeMcu(decoder, i)) {
            Log("Error - decoding MCU failed\n");
            return 0;
        }
        const bool endsInterval = decoder.restartInterval != 0 && i % decoder.restartInterval == decoder.restartInterval - 1;
        if (endsInterval && i != total - 1 && !ReadRestartMarker(decoder, expected)) return 0;
    }
    Log("\n");
    return 1;
}
