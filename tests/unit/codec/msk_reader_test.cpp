#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "codec/codec_context.h"
#include "codec/decoders.h"

namespace {

std::string logged;

void RecordLog(const char* text) { logged += text; }

using Bytes = std::vector<uint8_t>;

const std::string kVerified = "Verified MSK format, version 1.00\n";
const std::string kBadHeader = "Error - not a valid v1.00 MSK file\n";
const std::string kPastEnd = "Error - data stream goes past end of image\n";
const std::string kUnderfill = "Error - data stream did not fill destination image\n";

Bytes MakeMsk(uint16_t width, uint16_t height, const Bytes& runs) {
    Bytes file = {'M', 'S', 'K', 1, 0, 0, static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width),
                  static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height)};
    file.resize(file.size() + runs.size());
    std::copy(runs.begin(), runs.end(), file.end() - runs.size());
    return file;
}

// A buffer exactly as long as the bytes, so that any read past the end is caught by the sanitizer.
std::unique_ptr<ByteBuffer> ToBuffer(const Bytes& bytes) {
    auto buffer = CreateByteBuffer(static_cast<int32_t>(bytes.size()));
    if (!bytes.empty()) std::memcpy(buffer->data.get(), bytes.data(), bytes.size());
    return buffer;
}

Bytes PixelsOf(const MaskImage& mask) {
    return Bytes(mask.pixels.get(), mask.pixels.get() + size_t(mask.width) * mask.height);
}

// The worked example: rows 0,0,255,255 and 255,0,0,0.
const Bytes kExample = {0x4D, 0x53, 0x4B, 0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x02, 0x03, 0x03};

class MskReader : public testing::Test {
protected:
    void SetUp() override {
        logged.clear();
        SetLogCallback(RecordLog);
    }

    int Decode(const Bytes& file) {
        logged.clear();
        SetStatus(0);
        out = std::make_unique<MaskImage>();  // must be cleared by the reader on failure
        return DecodeMsk(*ToBuffer(file), out);
    }

    std::unique_ptr<MaskImage> out;
};

TEST_F(MskReader, DecodesTheWorkedExample) {
    ASSERT_EQ(Decode(kExample), 1);
    EXPECT_EQ(out->width, 4);
    EXPECT_EQ(out->height, 2);
    EXPECT_EQ(PixelsOf(*out), (Bytes{0, 0, 255, 255, 255, 0, 0, 0}));
    EXPECT_EQ(logged, kVerified);
    EXPECT_EQ(GetStatus(), 0);
}

TEST_F(MskReader, DecodesRunStreamsThatFillTheMaskExactly) {
    const Bytes all255(300, 255);
    const struct {
        const char* what;
        uint16_t width, height;
        Bytes runs;
        Bytes pixels;
    } cases[] = {
        {"empty mask, no runs", 0, 0, {}, {}},
        {"zero width, empty runs only", 0, 3, {0, 0, 0}, {}},
        {"zero height, empty run", 5, 0, {0}, {}},
        {"leading empty run makes the first pixel 255", 3, 1, {0, 2, 1}, {255, 255, 0}},
        {"runs cross rows", 2, 2, {1, 2, 1}, {0, 255, 255, 0}},
        {"empty runs after the last pixel", 2, 1, {1, 1, 0, 0, 0}, {0, 255}},
        {"long run split from the front", 300, 1, {0, 255, 0, 45}, all255},
        {"long run split elsewhere", 300, 1, {0, 100, 0, 200}, all255},
        {"width read high byte first", 258, 1, {255, 0, 3}, Bytes(258, 0)},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Decode(MakeMsk(c.width, c.height, c.runs)), 1) << c.what << ": " << logged;
        EXPECT_EQ(out->width, c.width) << c.what;
        EXPECT_EQ(out->height, c.height) << c.what;
        EXPECT_EQ(PixelsOf(*out), c.pixels) << c.what;
    }
}

TEST_F(MskReader, RefusesRunStreamsThatOverflowOrUnderfillAfterVerifyingTheHeader) {
    const struct {
        const char* what;
        uint16_t width, height;
        Bytes runs;
        const std::string& text;
    } cases[] = {
        {"run on an empty mask", 0, 0, {1}, kPastEnd},
        {"run past the last pixel", 4, 2, {2, 3, 4}, kPastEnd},
        {"non-zero run after an exact fill", 4, 2, {2, 3, 3, 0, 1}, kPastEnd},
        {"overflow before later bytes", 2, 1, {3, 0}, kPastEnd},
        {"stream ends early", 4, 2, {2, 3, 2}, kUnderfill},
        {"no runs at all", 4, 2, {}, kUnderfill},
        {"empty runs only", 4, 2, {0, 0, 0}, kUnderfill},
        {"more pixels than the bytes could cover", 65535, 65535, {255, 255, 255}, kUnderfill},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(MakeMsk(c.width, c.height, c.runs)), 0) << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
        EXPECT_EQ(logged, kVerified + c.text) << c.what;
        EXPECT_EQ(GetStatus(), 3) << c.what;
    }
}

TEST_F(MskReader, RefusesBadSignaturesAndVersions) {
    const struct {
        int offset;
        uint8_t value;
    } cases[] = {{0, 'm'}, {1, 's'}, {2, 'k'}, {3, 2}, {4, 1}, {5, 1}};
    for (const auto& c : cases) {
        Bytes file = kExample;
        file[c.offset] = c.value;
        EXPECT_EQ(Decode(file), 0) << c.offset;
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(logged, kBadHeader) << c.offset;
        EXPECT_EQ(GetStatus(), 3);
    }
}

TEST_F(MskReader, RefusesEveryTruncationOfAValidFileWithoutReadingPastIt) {
    for (size_t length = 0; length < kExample.size(); ++length) {
        EXPECT_EQ(Decode(Bytes(kExample.begin(), kExample.begin() + length)), 0) << length;
        EXPECT_EQ(out, nullptr) << length;
        EXPECT_EQ(logged, length < 10 ? kBadHeader : kVerified + kUnderfill) << length;
        EXPECT_EQ(GetStatus(), 3) << length;
    }
}

}  // namespace
