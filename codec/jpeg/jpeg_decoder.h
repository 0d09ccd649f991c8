#pragma once
// The baseline JPEG decoder's state and its procedures, named as the JPEG standard (T.81) names them.
// One JpegDecoder lives for one DecodeJpeg call. Every operation returns 1 on success and 0 on failure,
// having logged its text and, where it is the first to fail, set the codec status.
#include <cstdint>
#include <memory>

#include "codec/containers.h"

struct HuffmanTable {
    int32_t defined = 0;
    int32_t counts[16] = {};                 // counts[L - 1]: codes of length L
    std::unique_ptr<uint8_t[]> values;       // symbols in order of increasing code
    std::unique_ptr<int32_t[]> sizes;        // code length of each symbol, then 0
    std::unique_ptr<int32_t[]> codes;        // code of each symbol
    int32_t valueIndex[16] = {};             // index in values of the first code of each length
    int32_t minCode[16] = {};
    int32_t maxCode[16] = {};                // -1 when there is no code of that length
};

struct JpegComponent {
    int32_t id = 0;
    int32_t hFactor = 0;
    int32_t vFactor = 0;
    int32_t quantId = 0;
    const uint8_t* quantTable = nullptr;     // bound by the scan header
    const HuffmanTable* dcTable = nullptr;   // bound by the scan header
    const HuffmanTable* acTable = nullptr;   // bound by the scan header
    int32_t dcPredictor = 0;
    std::unique_ptr<uint8_t[]> plane;        // mcusPerRow * hFactor * 8 samples a row, top-down
};

struct JpegDecoder {
    const ByteBuffer* input = nullptr;
    int32_t position = 0;
    int32_t restartInterval = 0;
    HuffmanTable dcTables[4];
    HuffmanTable acTables[4];
    std::unique_ptr<uint8_t[]> quantTables[4];  // zig-zag order, as stored in the file
    JpegComponent components[3];                // Y, Cb, Cr
    int32_t height = 0;
    int32_t width = 0;
    int32_t mcusPerRow = 0;
    int32_t mcuRows = 0;
    int32_t bitBuffer = 0;
    int32_t bitsLeft = 0;
};

constexpr int kBlockSize = 64;
constexpr int kDcTableClass = 0;
constexpr int kAcTableClass = 1;

// Largest sampling factors of the three components: the MCU is 8 * hMax by 8 * vMax pixels.
struct SamplingMaxima {
    int32_t hMax;
    int32_t vMax;
};
SamplingMaxima FindSamplingMaxima(const JpegDecoder& decoder);

// Stream structure.
int RunJpegDecoder(JpegDecoder& decoder, const ByteBuffer& input, std::unique_ptr<RgbImage>& out);
uint8_t ReadByte(JpegDecoder& decoder);
uint16_t ReadWord(JpegDecoder& decoder);
int ReadMarker(JpegDecoder& decoder, uint8_t& code);
int ReadStream(JpegDecoder& decoder);
int ReadApp0(JpegDecoder& decoder);
int ReadFrame(JpegDecoder& decoder);
void SkipSegment(JpegDecoder& decoder, uint8_t code);

// Table and scan segments.
int ReadQuantTables(JpegDecoder& decoder);
int ReadHuffmanTables(JpegDecoder& decoder);
void ReadRestartInterval(JpegDecoder& decoder);
int ReadScan(JpegDecoder& decoder);

// Entropy decoding.
int BuildHuffmanTable(HuffmanTable& table);
int GetBit(JpegDecoder& decoder, int32_t& bit);
int HuffmanDecode(JpegDecoder& decoder, const HuffmanTable& table, int32_t& symbol);
int Receive(JpegDecoder& decoder, int32_t bitCount, int32_t& value);
int32_t Extend(int32_t value, int32_t bitCount);
int DecodeBlock(JpegDecoder& decoder, JpegComponent& component, int32_t block[kBlockSize]);
int DecodeMcu(JpegDecoder& decoder, int32_t mcuIndex);
int DecodeScanData(JpegDecoder& decoder);

// Reconstruction.
void InverseDct(const int32_t block[kBlockSize], const uint8_t quant[kBlockSize], uint8_t samples[kBlockSize]);
std::unique_ptr<RgbImage> ConvertToRgb(const JpegDecoder& decoder);
