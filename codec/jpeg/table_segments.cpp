// The segments that carry the decoding tables and the scans: DQT, DHT, DRI and SOS. A DQT or DHT
// segment's tables are read until a marker follows; its length is only logged.
#include <cstdint>
#include <new>

#include "codec/codec_context.h"
#include "codec/jpeg/jpeg_decoder.h"

namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;

const char* const kScanIdErrors[3] = {
    "Error - expected a component id of 1 in the scan, found %0d\n",
    "Error - expected a component id of 2 in the scan, found %0d\n",
    "Error - expected a component id of 3 in the scan, found %0d\n",
};
const char* const kScanTableSummaries[3] = {"Y  - DC: %0d ", "Cb - DC: %0d ", "Cr - DC: %0d "};
const char* const kPlaneMemoryErrors[3] = {
    "Error - insufficient memory to hold decoded Y component\n",
    "Error - insufficient memory to hold decoded Cb component\n",
    "Error - insufficient memory to hold decoded Cr component\n",
};

// A table loop that met the end of the data would take the zeros ReadByte yields for further tables
// without end, so it stops there.
bool AtEndOfData(const JpegDecoder& decoder, const char* segment) {
    if (decoder.position < decoder.input->size) return false;
    Log("Error - %s segment runs past the end of the data\n", segment);
    SetStatus(InvalidData);
    return true;
}

// Steps back over a 0xFF that starts the next marker, so that ReadMarker reads it again.
bool AtNextMarker(JpegDecoder& decoder, uint8_t byte) {
    if (byte != kMarkerPrefix) return false;
    --decoder.position;
    Log("\n");
    return true;
}

int ReadQuantTable(JpegDecoder& decoder, uint8_t precisionAndId) {
    const int precision = precisionAndId >> 4;
    const int id = precisionAndId & 0x0F;
    if (precision != 0) {
        return Refuse(InvalidData, "Error - quantisation table must be 8 bits, found a Pq of %0d\n", precision);
    }
    if (id > 3) {
        return Refuse(InvalidData, "Error - quantisation table id must be in range 0 to 3, found %0d\n", id);
    }
    Log("Found quantisation table %0d\n", id);
    decoder.quantTables[id].reset(new (std::nothrow) uint8_t[kBlockSize]);
    if (!decoder.quantTables[id]) {
        return Refuse(InsufficientMemory, "Error - insufficient memory for quantisation table");
    }
    for (int k = 0; k < kBlockSize; ++k) decoder.quantTables[id][k] = ReadByte(decoder);
    return 1;
}

int ReadHuffmanTable(JpegDecoder& decoder, uint8_t classAndId) {
    const int tableClass = classAndId >> 4;
    const int id = classAndId & 0x0F;
    if (tableClass != kDcTableClass && tableClass != kAcTableClass) {
        return Refuse(InvalidData, "Error - table class can only have a value of 0 or 1, found %0d\n", tableClass);
    }
    Log(tableClass == kDcTableClass ? "Found DC Huffman table " : "Found AC Huffman table ");
    Log("%0d\n", id);
    if (id > 3) {
        return Refuse(InvalidData, "Error - Huffman table id must be in range 0 to 3, found %0d\n", id);
    }
    HuffmanTable& table = tableClass == kDcTableClass ? decoder.dcTables[id] : decoder.acTables[id];
    table.sizes.reset();
    table.codes.reset();
    table.defined = 1;
    int32_t total = 0;
    for (int32_t& count : table.counts) {
        count = ReadByte(decoder);
        total += count;
    }
    table.values.reset(new (std::nothrow) uint8_t[total]);
    if (table.values) {
        for (int32_t i = 0; i < total; ++i) table.values[i] = ReadByte(decoder);
    }
    // Without a single code the table could decode nothing, and building it would write a code for a
    // symbol that does not exist.
    if (total == 0) {
        return Refuse(InvalidData, "Error - Huffman table %0d holds no codes\n", id);
    }
    if (!table.values || !BuildHuffmanTable(table)) {
        return Refuse(InsufficientMemory, "Error - insufficient memory to hold Huffman tables\n");
    }
    return 1;
}

// Td and Ta above 3 name no table, so they are refused as undefined tables.
int BindHuffmanTables(JpegDecoder& decoder, int index) {
    JpegComponent& component = decoder.components[index];
    const int id = ReadByte(decoder);
    if (id != index + 1) {
        return Refuse(InvalidData, kScanIdErrors[index], id);
    }
    const uint8_t selectors = ReadByte(decoder);
    const int dcId = selectors >> 4;
    const int acId = selectors & 0x0F;
    if (dcId > 3 || !decoder.dcTables[dcId].defined) {
        return Refuse(InvalidData, "Error - DC Huffman table %0d has not been defined\n", dcId);
    }
    component.dcTable = &decoder.dcTables[dcId];
    Log(kScanTableSummaries[index], dcId);
    if (acId > 3 || !decoder.acTables[acId].defined) {
        return Refuse(InvalidData, "Error - AC Huffman table %0d has not been defined\n", acId);
    }
    component.acTable = &decoder.acTables[acId];
    Log("AC: %0d \n", acId);
    return 1;
}

// A selector above 3 names no table, so it is refused as an undefined table.
int BindQuantTables(JpegDecoder& decoder) {
    for (auto& component : decoder.components) {
        const int id = component.quantId;
        if (id > 3 || !decoder.quantTables[id]) {
            return Refuse(InvalidData, "Error - quantisation table %0d has not been defined\n", id);
        }
        component.quantTable = decoder.quantTables[id].get();
    }
    return 1;
}

int ReadSpectralSelection(JpegDecoder& decoder) {
    constexpr uint8_t kExpected[3] = {0, 63, 0};
    for (uint8_t expected : kExpected) {
        if (ReadByte(decoder) != expected) {
            return Refuse(InvalidData, "Error - last 3 bytes of scan header have invalid values\n");
        }
    }
    return 1;
}

// Plane sizes and sample offsets are 32-bit, so a frame whose largest plane would not fit is refused.
int SetMcuGeometry(JpegDecoder& decoder) {
    const SamplingMaxima maxima = FindSamplingMaxima(decoder);
    const int64_t mcuWidth = 8 * maxima.hMax;
    const int64_t mcuHeight = 8 * maxima.vMax;
    const int64_t mcusPerRow = (decoder.width + mcuWidth - 1) / mcuWidth;
    const int64_t mcuRows = (decoder.height + mcuHeight - 1) / mcuHeight;
    const int64_t largestPlane = int64_t{maxima.hMax} * maxima.vMax * mcusPerRow * mcuRows * kBlockSize;
    if (largestPlane > INT32_MAX) {
        return Refuse(InvalidData, "Error - image dimensions %0dx%0d are too large\n", decoder.width, decoder.height);
    }
    decoder.mcusPerRow = static_cast<int32_t>(mcusPerRow);
    decoder.mcuRows = static_cast<int32_t>(mcuRows);
    Log("MCU: H %0d, V: %0d, total: %0d\n", decoder.mcusPerRow, decoder.mcuRows, decoder.mcusPerRow * decoder.mcuRows);
    return 1;
}

int AllocatePlanes(JpegDecoder& decoder) {
    const int32_t totalMcus = decoder.mcusPerRow * decoder.mcuRows;
    for (int index = 0; index < 3; ++index) {
        JpegComponent& component = decoder.components[index];
        const int32_t size = component.hFactor * component.vFactor * totalMcus * kBlockSize;
        component.plane.reset();
        component.plane.reset(new (std::nothrow) uint8_t[size]);
        if (!component.plane) {
            return Refuse(InsufficientMemory, "%s", kPlaneMemoryErrors[index]);
        }
    }
    return 1;
}

}  // namespace

int ReadQuantTables(JpegDecoder& decoder) {
    Log("Found Quantisation tables of length %0d\n", ReadWord(decoder));
    for (;;) {
        if (AtEndOfData(decoder, "quantisation table")) return 0;
        const uint8_t byte = ReadByte(decoder);
        if (AtNextMarker(decoder, byte)) return 1;
        if (!ReadQuantTable(decoder, byte)) return 0;
    }
}

int ReadHuffmanTables(JpegDecoder& decoder) {
    Log("Found Huffman tables of length %0d\n", ReadWord(decoder));
    for (;;) {
        if (AtEndOfData(decoder, "Huffman table")) return 0;
        const uint8_t byte = ReadByte(decoder);
        if (AtNextMarker(decoder, byte)) return 1;
        if (!ReadHuffmanTable(decoder, byte)) return 0;
    }
}

void ReadRestartInterval(JpegDecoder& decoder) {
    ReadWord(decoder);
    decoder.restartInterval = ReadWord(decoder);
    Log("Found restart interval marker, set to %0d\n\n", decoder.restartInterval);
}

int ReadScan(JpegDecoder& decoder) {
    Log("Found start of scan of length %0d\n", ReadWord(decoder));
    const int componentCount = ReadByte(decoder);
    if (componentCount != 3) {
        return Refuse(UnsupportedFormat, "Error - expected 3 components in the scan, found %0d\n", componentCount);
    }
    for (int index = 0; index < 3; ++index) {
        if (!BindHuffmanTables(decoder, index)) return 0;
    }
    if (!BindQuantTables(decoder)) return 0;
    if (!ReadSpectralSelection(decoder)) return 0;
    if (!SetMcuGeometry(decoder)) return 0;
    if (!AllocatePlanes(decoder)) return 0;
    return DecodeScanData(decoder);
}
