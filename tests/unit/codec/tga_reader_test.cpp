#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "codec/codec_context.h"
#include "codec/decoders.h"

namespace {

std::string logged;

void RecordLog(const char* text) { logged += text; }

using Bytes = std::vector<uint8_t>;

// An 18-byte header of the accepted kind followed by `pixels` and `trailer`.
Bytes MakeTga(uint16_t width, uint16_t height, uint8_t descriptor, const Bytes& pixels, const Bytes& trailer = {}) {
    Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                  static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
                  static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), 24, descriptor};
    file.insert(file.end(), pixels.begin(), pixels.end());
    file.insert(file.end(), trailer.begin(), trailer.end());
    return file;
}

// A buffer exactly as long as the bytes, so that any read past the end is caught by the sanitizer.
std::unique_ptr<ByteBuffer> ToBuffer(const Bytes& bytes) {
    auto buffer = CreateByteBuffer(static_cast<int32_t>(bytes.size()));
    if (!bytes.empty()) std::memcpy(buffer->data.get(), bytes.data(), bytes.size());
    return buffer;
}

Bytes PixelsOf(const RgbImage& image) {
    return Bytes(image.pixels.get(), image.pixels.get() + size_t(image.width) * image.height * 3);
}

// A 2 x 2 file: stored row 0 is A = (1,2,3)(4,5,6), stored row 1 is B = (7,8,9)(10,11,12).
const Bytes kRowA = {1, 2, 3, 4, 5, 6};
const Bytes kRowB = {7, 8, 9, 10, 11, 12};

Bytes Concat(const Bytes& a, const Bytes& b) {
    Bytes joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    return joined;
}

class TgaReader : public testing::Test {
protected:
    void SetUp() override {
        logged.clear();
        SetLogCallback(RecordLog);
        SetBgrOrder(1);
    }

    int Decode(const Bytes& file) {
        out = std::make_unique<RgbImage>();  // must be cleared by the reader on failure
        return DecodeTga(*ToBuffer(file), out);
    }

    std::unique_ptr<RgbImage> out;
};

TEST_F(TgaReader, RefusesHeadersOutsideTheAcceptedKindInCheckOrder) {
    const struct {
        const char* what;
        std::vector<std::pair<int, uint8_t>> patches;
        const char* text;
        int32_t status;
    } cases[] = {
        {"id length", {{0, 5}}, "Cannot read TGA with non-zero identification field length\n", 4},
        {"id length before colour map", {{0, 5}, {1, 1}}, "Cannot read TGA with non-zero identification field length\n", 4},
        {"colour map", {{1, 1}}, "Cannot read 24b TGA with a colour map\n", 4},
        {"colour map before type", {{1, 1}, {2, 1}}, "Cannot read 24b TGA with a colour map\n", 4},
        {"run-length type", {{2, 10}}, "Targa is not a 24bit image\n", 3},
        {"grey type", {{2, 3}}, "Targa is not a 24bit image\n", 3},
        {"type before origin", {{2, 10}, {8, 1}}, "Targa is not a 24bit image\n", 3},
        {"x origin low", {{8, 1}}, "Image origin not (0,0)\n", 3},
        {"x origin high", {{9, 1}}, "Image origin not (0,0)\n", 3},
        {"y origin low", {{10, 1}}, "Image origin not (0,0)\n", 3},
        {"y origin high", {{11, 1}}, "Image origin not (0,0)\n", 3},
        {"origin before depth", {{11, 1}, {16, 32}}, "Image origin not (0,0)\n", 3},
        {"32-bit depth", {{16, 32}}, "Bit depth not 24bit, found\n", 3},
        {"16-bit depth", {{16, 16}}, "Bit depth not 24bit, found\n", 3},
    };
    for (const auto& c : cases) {
        Bytes file = MakeTga(2, 2, 0, Concat(kRowA, kRowB));
        for (const auto& [offset, value] : c.patches) file[offset] = value;
        logged.clear();
        SetStatus(0);
        EXPECT_EQ(Decode(file), 0) << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
        EXPECT_EQ(logged, c.text) << c.what;
        EXPECT_EQ(GetStatus(), c.status) << c.what;
    }
}

TEST_F(TgaReader, ReversesBottomUpRowsAndKeepsTopDownRows) {
    ASSERT_EQ(Decode(MakeTga(2, 2, 0x00, Concat(kRowA, kRowB))), 1);
    EXPECT_EQ(PixelsOf(*out), Concat(kRowB, kRowA));
    ASSERT_EQ(Decode(MakeTga(2, 2, 0x20, Concat(kRowA, kRowB))), 1);
    EXPECT_EQ(PixelsOf(*out), Concat(kRowA, kRowB));
    EXPECT_EQ(out->width, 2);
    EXPECT_EQ(out->height, 2);
    EXPECT_EQ(logged, "");
}

TEST_F(TgaReader, IgnoresEveryDescriptorBitButTopDownAndNeverMirrorsColumns) {
    // Bit 4 would mean right-to-left columns; alpha bits 0-3 and the interleave bits 6-7 are not ours.
    ASSERT_EQ(Decode(MakeTga(2, 2, 0xDF, Concat(kRowA, kRowB))), 1);
    EXPECT_EQ(PixelsOf(*out), Concat(kRowB, kRowA));
}

TEST_F(TgaReader, PassesOverColourMapSpecificationAndTrailingBytes) {
    Bytes plain = MakeTga(2, 2, 0, Concat(kRowA, kRowB));
    ASSERT_EQ(Decode(plain), 1);
    const Bytes expected = PixelsOf(*out);
    Bytes withMapSpec = plain;
    for (int offset = 3; offset < 8; ++offset) withMapSpec[offset] = 0xEE;
    ASSERT_EQ(Decode(withMapSpec), 1);
    EXPECT_EQ(PixelsOf(*out), expected);
    Bytes footer(8, 0);
    for (char c : std::string("TRUEVISION-XFILE.")) footer.push_back(static_cast<uint8_t>(c));
    footer.push_back(0);
    ASSERT_EQ(Decode(MakeTga(2, 2, 0, Concat(kRowA, kRowB), footer)), 1);
    EXPECT_EQ(PixelsOf(*out), expected);
}

TEST_F(TgaReader, SwapsFirstAndThirdBytesOnlyWhenBgrOrderIsZero) {
    const Bytes stored = {10, 20, 30};
    SetBgrOrder(1);
    ASSERT_EQ(Decode(MakeTga(1, 1, 0, stored)), 1);
    EXPECT_EQ(PixelsOf(*out), (Bytes{10, 20, 30}));
    SetBgrOrder(0);
    ASSERT_EQ(Decode(MakeTga(1, 1, 0, stored)), 1);
    EXPECT_EQ(PixelsOf(*out), (Bytes{30, 20, 10}));
    ASSERT_EQ(Decode(MakeTga(2, 2, 0, Concat(kRowA, kRowB))), 1);
    EXPECT_EQ(PixelsOf(*out), (Bytes{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));
}

TEST_F(TgaReader, DecodesAnEmptyImageWithoutImageData) {
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{5, 0}, std::pair{0, 7}}) {
        ASSERT_EQ(Decode(MakeTga(width, height, 0, {})), 1) << width << "x" << height;
        EXPECT_EQ(out->width, width);
        EXPECT_EQ(out->height, height);
    }
}

TEST_F(TgaReader, RefusesEveryTruncationOfAValidFileWithoutReadingPastIt) {
    const Bytes file = MakeTga(2, 2, 0, Concat(kRowA, kRowB));
    for (size_t length = 0; length < file.size(); ++length) {
        logged.clear();
        SetStatus(0);
        EXPECT_EQ(Decode(Bytes(file.begin(), file.begin() + length)), 0) << length;
        EXPECT_EQ(out, nullptr) << length;
        EXPECT_EQ(GetStatus(), 3) << length;
        EXPECT_EQ(logged, length < 18 ? "TGA file too short for its header\n" : "TGA file too short for its image data\n")
            << length;
    }
}

TEST_F(TgaReader, RefusesAHugeHeaderWithoutItsDataBeforeAllocating) {
    ASSERT_EQ(Decode(MakeTga(65535, 65535, 0, Bytes(300, 7))), 0);
    EXPECT_EQ(GetStatus(), 3);
    EXPECT_EQ(logged, "TGA file too short for its image data\n");
}

TEST_F(TgaReader, RefusesAnEmptyByteBuffer) {
    out = std::make_unique<RgbImage>();
    EXPECT_EQ(DecodeTga(ByteBuffer{}, out), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(GetStatus(), 3);
}

// ImageMagick writes 24-bit TGA rows bottom-up by default and top-down with -orient TopLeft.
class TgaReaderAgainstImageMagick : public TgaReader {
protected:
    void SetUp() override {
        TgaReader::SetUp();
        if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick is not installed";
    }

    static Bytes ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(TgaReaderAgainstImageMagick, DecodesToThePixelsImageMagickReads) {
    const struct {
        const char* orientation;
        uint8_t descriptor;
        int32_t bgrOrder;
        const char* rawFormat;
    } cases[] = {
        {"", 0x00, 0, "rgb"},
        {"-orient TopLeft", 0x20, 0, "rgb"},
        {"", 0x00, 1, "bgr"},
        {"-orient TopLeft", 0x20, 1, "bgr"},
    };
    const std::string stem = testing::TempDir() + "tinselwick_tga_" + std::to_string(::getpid());
    for (const auto& c : cases) {
        const std::string tga = stem + ".tga";
        const std::string raw = stem + ".raw";
        // An odd width makes rows of 21 bytes, so any row padding or column mix-up shows.
        const std::string write = "convert -size 7x5 plasma:red-blue -alpha off -type TrueColor -compress None " +
                                  std::string(c.orientation) + " " + tga;
        ASSERT_EQ(std::system(write.c_str()), 0);
        // ImageMagick keeps bottom-up rows as stored and only notes the orientation; -auto-orient applies it.
        ASSERT_EQ(std::system(("convert " + tga + " -auto-orient " + c.rawFormat + ":" + raw).c_str()), 0);
        const Bytes file = ReadFile(tga);
        ASSERT_GT(file.size(), 17u);
        EXPECT_EQ(file[17], c.descriptor) << c.orientation;
        SetBgrOrder(c.bgrOrder);
        ASSERT_EQ(Decode(file), 1) << c.orientation;
        EXPECT_EQ(out->width, 7);
        EXPECT_EQ(out->height, 5);
        EXPECT_EQ(PixelsOf(*out), ReadFile(raw)) << c.orientation << " bgrOrder " << c.bgrOrder;
        std::remove(tga.c_str());
        std::remove(raw.c_str());
    }
}

}  // namespace
