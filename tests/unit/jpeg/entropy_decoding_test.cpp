// Huffman tables, the bit reader, block decoding, restart markers and progress output.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "codec/jpeg/jpeg_decoder.h"
#include "jpeg_stream_writer.h"

namespace {

HuffmanTable LoadTable(const Bytes& body) {
    HuffmanTable table;
    table.defined = 1;
    int32_t total = 0;
    for (int i = 0; i < 16; ++i) total += table.counts[i] = body[1 + i];
    table.values.reset(new uint8_t[total]);
    std::copy(body.begin() + 17, body.begin() + 17 + total, table.values.get());
    EXPECT_EQ(BuildHuffmanTable(table), 1);
    return table;
}

// A decoder reading the given entropy-coded bytes, with the fixed tables bound to every component.
struct BitSource {
    explicit BitSource(const Bytes& bytes) : buffer(ToBuffer(bytes)) {
        decoder.input = &buffer;
        for (auto& component : decoder.components) {
            component.dcTable = &dc;
            component.acTable = &ac;
        }
    }
    ByteBuffer buffer;
    HuffmanTable dc = LoadTable(FixedDcTableBody(0));
    HuffmanTable ac = LoadTable(FixedAcTableBody(0));
    JpegDecoder decoder;
};

TEST(Extend, TurnsTheReceivedBitsIntoSignedValues) {
    const struct {
        int32_t value, bits, expected;
    } cases[] = {
        {0, 0, 0}, {0, 1, -1}, {1, 1, 1}, {3, 3, -4}, {4, 3, 4}, {7, 3, 7},
        {0, 11, -2047}, {2047, 11, 2047}, {1023, 11, -1024}, {0, 16, -65535}, {65535, 16, 65535},
    };
    for (const auto& c : cases) EXPECT_EQ(Extend(c.value, c.bits), c.expected) << c.value << " " << c.bits;
}

TEST(BuildHuffmanTable, GivesCanonicalCodesAndTheDecodingLimits) {
    HuffmanTable table;
    table.counts[0] = 1;
    table.counts[1] = 1;
    table.values.reset(new uint8_t[2]{7, 9});
    ASSERT_EQ(BuildHuffmanTable(table), 1);
    EXPECT_EQ(table.sizes[0], 1);
    EXPECT_EQ(table.sizes[1], 2);
    EXPECT_EQ(table.sizes[2], 0);
    EXPECT_EQ(table.codes[0], 0b0);
    EXPECT_EQ(table.codes[1], 0b10);
    EXPECT_EQ(table.maxCode[0], 0);
    EXPECT_EQ(table.maxCode[1], 2);
    for (int length = 3; length <= 16; ++length) EXPECT_EQ(table.maxCode[length - 1], -1) << length;
    EXPECT_EQ(table.valueIndex[1], 1);
    EXPECT_EQ(table.minCode[1], 2);
}

TEST(BuildHuffmanTable, SkipsEmptyLengthsByDoublingTheNextCode) {
    HuffmanTable table;
    table.counts[1] = 3;  // 00, 01, 10
    table.counts[3] = 2;  // 1100, 1101
    table.values.reset(new uint8_t[5]{1, 2, 3, 4, 5});
    ASSERT_EQ(BuildHuffmanTable(table), 1);
    const int32_t expected[] = {0b00, 0b01, 0b10, 0b1100, 0b1101};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(table.codes[k], expected[k]) << k;
    EXPECT_EQ(table.maxCode[0], -1);
    EXPECT_EQ(table.maxCode[2], -1);
    EXPECT_EQ(table.minCode[3], 0b1100);
    EXPECT_EQ(table.maxCode[3], 0b1101);
}

TEST(GetBit, TakesBitsMostSignificantFirstAndDropsTheStuffedZero) {
    BitSource source({0xFF, 0x00, 0xA0});
    std::string bits;
    for (int i = 0; i < 12; ++i) {
        int32_t bit = -1;
        ASSERT_EQ(GetBit(source.decoder, bit), 1);
        bits += static_cast<char>('0' + bit);
    }
    EXPECT_EQ(bits, "111111111010");
    EXPECT_EQ(source.decoder.position, 3);
}

TEST(GetBit, RefusesAMarkerInsideTheData) {
    LogCapture log;
    BitSource source({0xFF, 0xD9});
    int32_t bit = 0;
    EXPECT_EQ(GetBit(source.decoder, bit), 0);
    EXPECT_EQ(LogCapture::Text(), "Error - get bit expected a stuffed byte of 0, found 0xD9\n");
    EXPECT_EQ(GetStatus(), InvalidData);
}

TEST(GetBit, DeliversZeroBitsPastTheEndOfTheData) {
    LogCapture log;
    BitSource source({});
    int32_t bit = -1;
    EXPECT_EQ(GetBit(source.decoder, bit), 1);
    EXPECT_EQ(bit, 0);
    EXPECT_EQ(LogCapture::Text(), "Error - JPEG decoder has gone past end of file\n");
}

TEST(HuffmanDecode, RefusesBitsThatMatchNoCodeWithinSixteenBits) {
    LogCapture log;
    BitSource source({0xFF, 0x00, 0xFF, 0x00});
    HuffmanTable table;
    table.counts[0] = 1;  // the only code is 0
    table.values.reset(new uint8_t[1]{5});
    ASSERT_EQ(BuildHuffmanTable(table), 1);
    int32_t symbol = 0;
    EXPECT_EQ(HuffmanDecode(source.decoder, table, symbol), 0);
    EXPECT_EQ(GetStatus(), InvalidData);
    EXPECT_EQ(source.decoder.position, 4);  // exactly 16 bits were taken
}

struct BlockCase {
    const char* name;
    void (*write)(BitWriter&);
    int32_t expected[kBlockSize];  // zig-zag order, after the block
};

// Each case writes one block, then a second block of DC difference 1 and EOB that must decode
// right after it.
const BlockCase kBlockCases[] = {
    {"EobFirst", [](BitWriter& w) { w.PutDc(-5); w.PutEob(); }, {-5}},
    {"DcCategoryZero", [](BitWriter& w) { w.PutDc(0); w.PutAc(0, 3); w.PutEob(); }, {0, 3}},
    {"RunsSkipPositions", [](BitWriter& w) { w.PutDc(2); w.PutAc(2, -1); w.PutAc(15, 7); w.PutEob(); },
     {2, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}},
    {"ZrlSkipsSixteen", [](BitWriter& w) { w.PutDc(1); w.PutZrl(); w.PutAc(0, 100); w.PutEob(); },
     {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100}},
    {"LastPositionEndsWithoutEob", [](BitWriter& w) {
         w.PutDc(0);
         w.PutZrl();
         w.PutZrl();
         w.PutZrl();
         w.PutAc(14, -1023);
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1023}},
};

class DecodeBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(DecodeBlockTest, FillsTheBlockAndStopsWhereTheNextBlockStarts) {
    BitWriter writer;
    GetParam().write(writer);
    writer.PutDc(1);
    writer.PutEob();
    BitSource source(writer.Finish());
    JpegComponent& component = source.decoder.components[0];
    component.dcPredictor = 10;
    int32_t block[kBlockSize];
    ASSERT_EQ(DecodeBlock(source.decoder, component, block), 1);
    int32_t expected[kBlockSize];
    std::copy(std::begin(GetParam().expected), std::end(GetParam().expected), expected);
    expected[0] += 10;  // the DC value is the running prediction
    EXPECT_TRUE(std::equal(block, block + kBlockSize, expected));
    ASSERT_EQ(DecodeBlock(source.decoder, component, block), 1);
    EXPECT_EQ(block[0], expected[0] + 1);
    EXPECT_TRUE(std::all_of(block + 1, block + kBlockSize, [](int32_t v) { return v == 0; }));
}

INSTANTIATE_TEST_SUITE_P(Blocks, DecodeBlockTest, testing::ValuesIn(kBlockCases),
                         [](const testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

// A DC table of 5-bit codes for the categories 0 to 31.
HuffmanTable WideDcTable() {
    HuffmanTable table;
    table.counts[4] = 32;
    table.values.reset(new uint8_t[32]);
    for (uint8_t i = 0; i < 32; ++i) table.values[i] = i;
    EXPECT_EQ(BuildHuffmanTable(table), 1);
    return table;
}

TEST(DecodeBlock, RefusesRunsPastTheLastPositionAndOversizedDcCategories) {
    const struct {
        const char* name;
        bool wideDcTable;
        void (*write)(BitWriter&);
        const char* text;
    } cases[] = {
        {"run past 63", false, [](BitWriter& w) { w.PutDc(0); w.PutZrl(); w.PutZrl(); w.PutZrl(); w.PutAc(15, 1); },
         "Error - a run of zero coefficients goes past the end of the block\n"},
        {"ZRL to 64", false,
         [](BitWriter& w) { w.PutDc(0); w.PutZrl(); w.PutZrl(); w.PutAc(14, 1); w.PutZrl(); w.PutEob(); },
         "Error - a run of zero coefficients goes past the end of the block\n"},
        {"DC category 17", true, [](BitWriter& w) { w.Put(17, 5); },
         "Error - DC difference category 17 is out of range\n"},
    };
    const HuffmanTable wideDc = WideDcTable();
    for (const auto& c : cases) {
        LogCapture log;
        SetStatus(NoError);
        BitWriter writer;
        c.write(writer);
        BitSource source(writer.Finish());
        if (c.wideDcTable) source.decoder.components[0].dcTable = &wideDc;
        int32_t block[kBlockSize];
        EXPECT_EQ(DecodeBlock(source.decoder, source.decoder.components[0], block), 0) << c.name;
        EXPECT_EQ(LogCapture::Text(), c.text) << c.name;
        EXPECT_EQ(GetStatus(), InvalidData) << c.name;
    }
}

TEST(DecodeBlock, AcceptsDcCategoriesUpToSixteen) {
    const HuffmanTable wideDc = WideDcTable();
    BitWriter writer;
    writer.Put(16, 5);
    writer.Put(0, 16);  // -65535
    writer.PutEob();
    BitSource source(writer.Finish());
    source.decoder.components[0].dcTable = &wideDc;
    int32_t block[kBlockSize];
    ASSERT_EQ(DecodeBlock(source.decoder, source.decoder.components[0], block), 1);
    EXPECT_EQ(block[0], -65535);
}

// A picture of 10 MCUs in a row, 80 x 8, whose Y blocks hold the DC values of `dcValues`; with a
// restart interval the DC differences start again from 0 after each marker of `markers`.
Bytes RowOfMcus(const int32_t (&dcValues)[10], int interval, const Bytes& markers) {
    JpegStreamWriter stream;
    stream.Header(80, 8);
    if (interval) stream.Dri(interval);
    stream.Sos();
    BitWriter bits;
    int32_t previous = 0;
    size_t marker = 0;
    for (int i = 0; i < 10; ++i) {
        bits.PutDc(dcValues[i] - previous);
        bits.PutEob();
        for (int chroma = 0; chroma < 2; ++chroma) {
            bits.PutDc(0);
            bits.PutEob();
        }
        previous = dcValues[i];
        if (interval && i % interval == interval - 1 && i != 9) {
            stream.Raw(bits.Finish());
            if (markers[marker] != 0) stream.Marker(markers[marker]);  // 0 leaves the marker out
            ++marker;
            bits = BitWriter();
            previous = 0;
        }
    }
    return stream.Raw(bits.Finish()).Eoi().bytes();
}

const int32_t kRowDc[10] = {8, 16, 24, 32, 40, -8, -16, -24, -32, -40};

void ExpectRowOfMcus(const ByteBuffer& buffer) {
    SetBgrOrder(0);
    std::unique_ptr<RgbImage> image;
    ASSERT_EQ(DecodeJpeg(buffer, image), 1) << LogCapture::Text();
    for (int mcu = 0; mcu < 10; ++mcu) {
        const int expected = 128 + kRowDc[mcu] / 8;
        EXPECT_EQ(image->pixels[(4 * 80 + mcu * 8 + 3) * 3], expected) << mcu;
    }
}

TEST(DecodeScanData, ReadsRestartMarkersInCyclicOrderAndRestartsThePrediction) {
    LogCapture log;
    ExpectRowOfMcus(ToBuffer(RowOfMcus(kRowDc, 4, {0xD0, 0xD1})));
    ExpectRowOfMcus(ToBuffer(RowOfMcus(kRowDc, 1, {0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD0})));
    ExpectRowOfMcus(ToBuffer(RowOfMcus(kRowDc, 0, {})));
}

TEST(DecodeScanData, RefusesMissingWrongAndOutOfOrderRestartMarkers) {
    const struct {
        const char* name;
        int interval;
        Bytes markers;
        const char* text;
    } cases[] = {
        {"out of order", 4, {0xD1, 0xD2}, "Error - expected restart marker RST0, found RST1\n"},
        {"no wrap after RST7", 1, {0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD7},
         "Error - expected restart marker RST0, found RST7\n"},
        {"not a restart marker", 4, {0xD9, 0xD9}, "Error - expected an RSTm marker, found 0xD9\n"},
        {"no marker", 4, {0x00, 0x00},
         "Error - expected byte 0xFF, found 0x6A\nError - a marker was expected, but not found\n"},
    };
    for (const auto& c : cases) {
        LogCapture log;
        SetStatus(NoError);
        std::unique_ptr<RgbImage> image;
        EXPECT_EQ(DecodeJpeg(ToBuffer(RowOfMcus(kRowDc, c.interval, c.markers)), image), 0) << c.name;
        const std::string chain = std::string(c.text) +
                                  "Error - decode scan failed\nError - decode frame failed\nError decoding file\n";
        EXPECT_TRUE(LogCapture::Text().size() >= chain.size() &&
                    LogCapture::Text().compare(LogCapture::Text().size() - chain.size(), chain.size(), chain) == 0)
            << c.name << ": " << LogCapture::Text();
        EXPECT_EQ(GetStatus(), InvalidData) << c.name;
    }
}

// The progress line of a scan of `mcus` MCUs in one row.
std::string ProgressLine(int mcus) {
    LogCapture log;
    JpegStreamWriter stream;
    stream.Header(mcus * 8, 8).Sos().Raw(FlatMcus(mcus, 0)).Eoi();
    std::unique_ptr<RgbImage> image;
    EXPECT_EQ(DecodeJpeg(stream.Buffer(), image), 1) << LogCapture::Text();
    const std::string& text = LogCapture::Text();
    const size_t start = text.find("\nDecoding MCU ");
    return start == std::string::npos ? "" : text.substr(start, text.find('\n', start + 1) - start + 1);
}

TEST(DecodeScanData, LogsAboutFortyProgressDots) {
    EXPECT_EQ(ProgressLine(39), "\nDecoding MCU \n");
    EXPECT_EQ(ProgressLine(40), "\nDecoding MCU " + std::string(40, '.') + "\n");
    EXPECT_EQ(ProgressLine(100), "\nDecoding MCU " + std::string(50, '.') + "\n");
}

}  // namespace
