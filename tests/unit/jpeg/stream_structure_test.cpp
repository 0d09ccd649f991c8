// The marker structure, the table and scan segments, and the chains of texts and statuses of failures.
#include <gtest/gtest.h>

#include <string>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "jpeg_stream_writer.h"

namespace {

const char* const kEndOfFrame = "Error - decode frame failed\nError decoding file\n";
const char* const kScanFailed = "Error - decode scan failed\nError - decode frame failed\nError decoding file\n";

// One grey 8 x 8 picture: every sample 128 + dc / 8.
Bytes SmallPicture(int32_t dc = 0) {
    return JpegStreamWriter().Header(8, 8).Sos().Raw(FlatMcus(1, dc)).Eoi().bytes();
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct FailureCase {
    const char* name;
    Bytes stream;
    std::string logEnd;
    int32_t status;
};

Bytes Frame(const ComponentSpec (&components)[3]) {
    return JpegStreamWriter().Header(16, 8, components).Sos().Raw(FlatMcus(2, 0)).Eoi().bytes();
}

Bytes WithScanHeader(const Bytes& scanBody) {
    return JpegStreamWriter().Header(8, 8).Segment(0xDA, scanBody).Raw(FlatMcus(1, 0)).Eoi().bytes();
}

Bytes WithSof0Body(const Bytes& body) {
    return JpegStreamWriter().Soi().App0().Dqt(0, 1).FixedDht().Segment(0xC0, body).bytes();
}

std::vector<FailureCase> FailureCases() {
    Bytes truncated = SmallPicture(80);
    truncated.resize(truncated.size() - 4);
    // DC category 0, then the AC symbol 0x08 whose eight extra bits run into a marker.
    const Bytes stuffing = JpegStreamWriter().Header(8, 8).Sos().Raw({0x00, 0x80, 0xFF, 0xD0}).Eoi().bytes();
    const Bytes quantRunsOut = JpegStreamWriter().Soi().App0().Raw({0xFF, 0xDB, 0x00, 0x43, 0x00, 1, 2}).bytes();
    const Bytes huffmanRunsOut =
        JpegStreamWriter().Soi().App0().Raw({0xFF, 0xC4, 0x00, 0x1F}).Raw(FixedDcTableBody(0)).bytes();
    return {
        {"NotSoi", {0xFF, 0xD9, 0xFF, 0xE0}, "Error - expecting SOI marker, instead found 0xD9\nError decoding file\n", 3},
        {"NotAMarker", {0x89, 0x50}, "Error - expected byte 0xFF, found 0x89\nError decoding file\n", 3},
        {"NoApp0", {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x02},
         "Error - expecting APP0 marker, instead found 0xE1\nError decoding file\n", 3},
        {"Jfxx", JpegStreamWriter().Soi().App0(1, 2, "JFXX").bytes(),
         "Error - not a JFIF file\nError - first APP0 marker is invalid\nError decoding file\n", 3},
        {"JfifWithoutZero", JpegStreamWriter().Soi().App0(1, 2, "JFIFX").bytes(),
         "Error - not a JFIF file\nError - first APP0 marker is invalid\nError decoding file\n", 3},
        {"Progressive", JpegStreamWriter().Soi().App0().Segment(0xC2, {8}).bytes(),
         "Error - this programme can not decode a frame of type 0xC2\nError decoding file\n", 4},
        {"Arithmetic", JpegStreamWriter().Soi().App0().Segment(0xC9, {8}).bytes(),
         "Error - this programme can not decode a frame of type 0xC9\nError decoding file\n", 4},
        {"TwelveBit", WithSof0Body({12, 0, 8, 0, 8, 3}),
         std::string("Error - 8 bit precision allowed only, found 12\n") + kEndOfFrame, 4},
        {"Greyscale", WithSof0Body({8, 0, 8, 0, 8, 1, 1, 0x11, 0}),
         std::string("Error - 3 components allowed only, found 1\n") + kEndOfFrame, 4},
        {"FirstComponentId", WithSof0Body({8, 0, 8, 0, 8, 3, 0, 0x11, 0}),
         std::string("Error - the first component (Y) should have an id of 1, found 0\n") + kEndOfFrame, 3},
        {"SecondComponentId", WithSof0Body({8, 0, 8, 0, 8, 3, 1, 0x11, 0, 3, 0x11, 0}),
         std::string("Error - the second component (Cb) should have an id of 2, found 3\n") + kEndOfFrame, 3},
        {"ThirdComponentId", WithSof0Body({8, 0, 8, 0, 8, 3, 1, 0x11, 0, 2, 0x11, 0, 4, 0x11, 0}),
         std::string("Error - the third component (Cr) should have an id of 3, found 4\n") + kEndOfFrame, 3},
        {"SamplingFactorZero", Frame({{1, 0, 0}, {1, 1, 0}, {1, 1, 0}}),
         std::string("Error - sampling factors must be nonzero and divide the largest factor\n") + kEndOfFrame, 3},
        {"SamplingFactorNotDividing", Frame({{3, 1, 0}, {2, 1, 0}, {1, 1, 0}}),
         std::string("Error - sampling factors must be nonzero and divide the largest factor\n") + kEndOfFrame, 3},
        {"UndefinedDcTable", JpegStreamWriter().Header(8, 8).Sos(1, 0).Raw(FlatMcus(1, 0)).Eoi().bytes(),
         std::string("Error - DC Huffman table 1 has not been defined\n") + kScanFailed, 3},
        {"UndefinedAcTable", JpegStreamWriter().Header(8, 8).Sos(0, 2).Raw(FlatMcus(1, 0)).Eoi().bytes(),
         std::string("Y  - DC: 0 Error - AC Huffman table 2 has not been defined\n") + kScanFailed, 3},
        {"DcTableIdAboveThree", JpegStreamWriter().Header(8, 8).Sos(5, 0).Raw(FlatMcus(1, 0)).Eoi().bytes(),
         std::string("Error - DC Huffman table 5 has not been defined\n") + kScanFailed, 3},
        {"AcTableIdAboveThree", JpegStreamWriter().Header(8, 8).Sos(0, 15).Raw(FlatMcus(1, 0)).Eoi().bytes(),
         std::string("Error - AC Huffman table 15 has not been defined\n") + kScanFailed, 3},
        {"UndefinedQuantTable", Frame({{1, 1, 0}, {1, 1, 1}, {1, 1, 1}}),
         std::string("Error - quantisation table 1 has not been defined\n") + kScanFailed, 3},
        {"QuantSelectorAboveThree", Frame({{1, 1, 200}, {1, 1, 0}, {1, 1, 0}}),
         std::string("Error - quantisation table 200 has not been defined\n") + kScanFailed, 3},
        {"ScanOfOneComponent", WithScanHeader({1, 1, 0x00, 0, 63, 0}),
         std::string("Error - expected 3 components in the scan, found 1\n") + kScanFailed, 4},
        {"ScanComponentsOutOfOrder", WithScanHeader({3, 1, 0x00, 3, 0x00, 2, 0x00, 0, 63, 0}),
         std::string("Error - expected a component id of 2 in the scan, found 3\n") + kScanFailed, 3},
        {"SpectralSelection", WithScanHeader({3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 5, 0}),
         std::string("Error - last 3 bytes of scan header have invalid values\n") + kScanFailed, 3},
        {"SuccessiveApproximation", WithScanHeader({3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0x10}),
         std::string("Error - last 3 bytes of scan header have invalid values\n") + kScanFailed, 3},
        {"PlanesBeyondThirtyTwoBits",
         JpegStreamWriter().Header(65535, 65535).Sos().Raw(FlatMcus(1, 0)).Eoi().bytes(),
         std::string("Error - image dimensions 65535x65535 are too large\n") + kScanFailed, 3},
        {"SixteenBitQuantTable", JpegStreamWriter().Soi().App0().Segment(0xDB, {0x10, 0, 1}).bytes(),
         "Error - quantisation table must be 8 bits, found a Pq of 1\n"
         "Error - reading quantisation tables failed\nError decoding file\n", 3},
        {"QuantTableIdAboveThree", JpegStreamWriter().Soi().App0().Segment(0xDB, {0x04}).bytes(),
         "Error - quantisation table id must be in range 0 to 3, found 4\n"
         "Error - reading quantisation tables failed\nError decoding file\n", 3},
        {"QuantTablesRunIntoTheEnd", quantRunsOut,
         "Error - quantisation table segment runs past the end of the data\n"
         "Error - reading quantisation tables failed\nError decoding file\n", 3},
        {"HuffmanTableClass", JpegStreamWriter().Soi().App0().Segment(0xC4, {0x20}).bytes(),
         "Error - table class can only have a value of 0 or 1, found 2\n"
         "Error - reading Huffman tables failed\nError decoding file\n", 3},
        {"HuffmanTableIdAboveThree", JpegStreamWriter().Soi().App0().Segment(0xC4, {0x14}).bytes(),
         "Found AC Huffman table 4\nError - Huffman table id must be in range 0 to 3, found 4\n"
         "Error - reading Huffman tables failed\nError decoding file\n", 3},
        {"HuffmanTableWithoutCodes",
         JpegStreamWriter().Soi().App0().Segment(0xC4, Bytes(17, 0)).Segment(0xDB, {0}).bytes(),
         "Found DC Huffman table 0\nError - Huffman table 0 holds no codes\n"
         "Error - reading Huffman tables failed\nError decoding file\n", 3},
        {"HuffmanTablesRunIntoTheEnd", huffmanRunsOut,
         "Error - Huffman table segment runs past the end of the data\n"
         "Error - reading Huffman tables failed\nError decoding file\n", 3},
        {"FrameWithoutScan", JpegStreamWriter().Header(8, 8).Eoi().bytes(),
         std::string("Error - the frame ended without a scan\n") + kEndOfFrame, 3},
        {"MarkerInsideTheScan", stuffing,
         "Error - get bit expected a stuffed byte of 0, found 0xD0\nError - get bit failed\n"
         "Error - receive failed\nError - decode DCT coefficients failed\nError - decoding MCU failed\n" +
             std::string(kScanFailed),
         3},
        {"CutInsideTheScan", truncated,
         "\nError - JPEG decoder has gone past end of file\nError - expected byte 0xFF, found 0x00\nError - a marker was expected, but not found\n" +
             std::string(kEndOfFrame),
         3},
    };
}

class DecodeFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(DecodeFailureTest, LogsTheChainOfTextsAndSetsTheStatus) {
    LogCapture log;
    std::unique_ptr<RgbImage> image(new RgbImage);
    EXPECT_EQ(DecodeJpeg(ToBuffer(GetParam().stream), image), 0);
    EXPECT_EQ(image, nullptr);
    EXPECT_PRED2(EndsWith, LogCapture::Text(), GetParam().logEnd);
    EXPECT_EQ(GetStatus(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Streams, DecodeFailureTest, testing::ValuesIn(FailureCases()),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(DecodeJpeg, LogsEverySegmentOfASmallPicture) {
    LogCapture log;
    const Bytes stream = JpegStreamWriter()
                             .Soi()
                             .App0(1, 2)
                             .Segment(0xEC, Bytes(15, 0))
                             .Dqt(0, 1)
                             .FixedDht()
                             .Sof0(8, 8)
                             .Dri(0)
                             .Sos()
                             .Raw(FlatMcus(1, 0))
                             .Eoi()
                             .bytes();
    std::unique_ptr<RgbImage> image;
    ASSERT_EQ(DecodeJpeg(ToBuffer(stream), image), 1);
    EXPECT_EQ(LogCapture::Text(),
              "Found APP0 marker of length 16\nVerified JFIF format\nJFIF version: 1.02\n\n"
              "Found unrecognised marker (0xEC) of length 17. Skipping\n\n"
              "Found Quantisation tables of length 67\nFound quantisation table 0\n\n"
              "Found Huffman tables of length 303\nFound DC Huffman table 0\nFound AC Huffman table 0\n\n"
              "Found start of baseline DCT frame of length 17\nImage dimensions: 8x8\n"
              "Y  - id: 1, H: 1, V: 1, qt: 0\nCb - id: 2, H: 1, V: 1, qt: 0\nCr - id: 3, H: 1, V: 1, qt: 0\n\n"
              "Found restart interval marker, set to 0\n\n"
              "Found start of scan of length 12\nY  - DC: 0 AC: 0 \nCb - DC: 0 AC: 0 \nCr - DC: 0 AC: 0 \n"
              "MCU: H 1, V: 1, total: 1\n\nDecoding MCU \n\n");
}

TEST(DecodeJpeg, ReadsEveryTableOfOneDqtAndOneDhtSegment) {
    LogCapture log;
    SetBgrOrder(0);
    Bytes quant = {0x00};
    quant.insert(quant.end(), 64, 1);
    quant.push_back(0x03);
    quant.insert(quant.end(), 64, 2);
    Bytes huffman;
    for (const Bytes& table : {FixedDcTableBody(0), FixedAcTableBody(0), FixedDcTableBody(3), FixedAcTableBody(3)}) {
        huffman.insert(huffman.end(), table.begin(), table.end());
    }
    // Y uses table 0 (1s), Cb and Cr table 3 (2s): a chroma DC of 64 becomes 128 and red 128 + 1.402 * 16.
    const ComponentSpec components[3] = {{1, 1, 0}, {1, 1, 3}, {1, 1, 3}};
    BitWriter bits;
    bits.PutDc(0);
    bits.PutEob();
    bits.PutDc(0);
    bits.PutEob();
    bits.PutDc(64);
    bits.PutEob();
    const Bytes stream = JpegStreamWriter()
                             .Soi()
                             .App0()
                             .Segment(0xDB, quant)
                             .Segment(0xC4, huffman)
                             .Sof0(8, 8, components)
                             .Segment(0xDA, {3, 1, 0x00, 2, 0x33, 3, 0x33, 0, 63, 0})
                             .Raw(bits.Finish())
                             .Eoi()
                             .bytes();
    std::unique_ptr<RgbImage> image;
    ASSERT_EQ(DecodeJpeg(ToBuffer(stream), image), 1) << LogCapture::Text();
    EXPECT_NE(LogCapture::Text().find("Found quantisation table 0\nFound quantisation table 3\n\n"), std::string::npos);
    EXPECT_NE(LogCapture::Text().find("Found DC Huffman table 0\nFound AC Huffman table 0\n"
                                      "Found DC Huffman table 3\nFound AC Huffman table 3\n\n"),
              std::string::npos);
    EXPECT_EQ(image->pixels[0], 150);  // red, B G R order off: 128 + 22.432
}

TEST(DecodeJpeg, IgnoresBytesAfterEoiAndSkipsAnEoiBeforeTheFrame) {
    LogCapture log;
    Bytes trailing = SmallPicture(80);
    trailing.insert(trailing.end(), {0x12, 0x34, 0xFF});
    std::unique_ptr<RgbImage> image;
    ASSERT_EQ(DecodeJpeg(ToBuffer(trailing), image), 1);
    EXPECT_EQ(image->pixels[0], 138);

    const Bytes picture = SmallPicture();
    const Bytes afterApp0(picture.begin() + 20, picture.end());
    const Bytes earlyEoi = JpegStreamWriter().Soi().App0().Eoi().Raw({0x00, 0x02}).Raw(afterApp0).bytes();
    ASSERT_EQ(DecodeJpeg(ToBuffer(earlyEoi), image), 1) << LogCapture::Text();
    EXPECT_NE(LogCapture::Text().find("Found unrecognised marker (0xD9) of length 2. Skipping\n\n"), std::string::npos);
}

TEST(DecodeJpeg, KeepsTheStatusOfAnEarlierFailureAfterASuccess) {
    LogCapture log;
    std::unique_ptr<RgbImage> image;
    ASSERT_EQ(DecodeJpeg(ToBuffer({0xFF, 0xD8, 0xFF, 0xC2}), image), 0);
    ASSERT_EQ(DecodeJpeg(ToBuffer(SmallPicture()), image), 1);
    EXPECT_EQ(GetStatus(), InvalidData);
}

}  // namespace
