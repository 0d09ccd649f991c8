// Files written by a real encoder (cjpeg), decoded here and by the reference decoder (djpeg with the
// floating-point IDCT and without smoothing), compared pixel by pixel; refused kinds; damaged files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "jpeg_stream_writer.h"

namespace {

// This decoder truncates where the reference rounds: up to one step lower in each of Y, Cb and Cr
// from the transform, carried through the colour factors (1.402 for red, 1.772 for blue), and up to
// one more step from the truncated conversion.
constexpr int kMaxDifference[3] = {3, 2, 4};  // red, green, blue
constexpr double kMaxMeanDifference[3] = {2.0, 1.0, 2.5};

enum class Picture { Gradient, Edges, Noise };

struct Rgb {
    int width = 0;
    int height = 0;
    Bytes pixels;
};

Rgb MakePicture(Picture kind, int width, int height) {
    Rgb picture{width, height, Bytes(size_t(width) * height * 3)};
    std::mt19937 random(1234);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture.pixels[(size_t(y) * width + x) * 3];
            switch (kind) {
                case Picture::Gradient:
                    p[0] = uint8_t(255 * x / std::max(1, width - 1));
                    p[1] = uint8_t(255 * y / std::max(1, height - 1));
                    p[2] = uint8_t((x + y) * 2);
                    break;
                case Picture::Edges: {
                    const bool on = ((x / 5) + (y / 3)) % 2 == 0;
                    p[0] = on ? 250 : 5;
                    p[1] = (x / 7) % 2 ? 255 : 0;
                    p[2] = on != ((y / 11) % 2 == 0) ? 200 : 30;
                    break;
                }
                case Picture::Noise:
                    for (int c = 0; c < 3; ++c) p[c] = uint8_t(random());
                    break;
            }
        }
    }
    return picture;
}

// A scratch folder of this test process, removed at the end.
class Scratch {
public:
    Scratch() {
        char pattern[] = "/tmp/tinselwick-jpeg-XXXXXX";
        dir_ = mkdtemp(pattern);
    }
    ~Scratch() { std::system(("rm -rf '" + dir_ + "'").c_str()); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void WritePpm(const std::string& path, const Rgb& picture) {
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    file.write(reinterpret_cast<const char*>(picture.pixels.data()), std::streamsize(picture.pixels.size()));
}

Rgb ReadPpm(const std::string& path) {
    const Bytes bytes = ReadFile(path);
    Rgb picture;
    int maxValue = 0, headerLength = 0;
    const std::string head(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", &picture.width, &picture.height, &maxValue, &headerLength) != 3) {
        return {};
    }
    picture.pixels.assign(bytes.begin() + headerLength + 1, bytes.end());
    return picture;
}

Bytes Encode(const Scratch& scratch, const Rgb& picture, const std::string& options) {
    WritePpm(scratch.Path("in.ppm"), picture);
    const std::string command = "cjpeg " + options + " -outfile '" + scratch.Path("out.jpg") + "' '" +
                                scratch.Path("in.ppm") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFile(scratch.Path("out.jpg"));
}

Rgb ReferenceDecode(const Scratch& scratch, const Bytes& jpeg) {
    std::ofstream(scratch.Path("ref.jpg"), std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
    const std::string command = "djpeg -dct float -nosmooth -ppm -outfile '" + scratch.Path("ref.ppm") + "' '" +
                                scratch.Path("ref.jpg") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadPpm(scratch.Path("ref.ppm"));
}

struct Difference {
    int max[3] = {};
    double mean[3] = {};
};

Difference Compare(const RgbImage& ours, const Rgb& reference) {
    Difference difference;
    const size_t pixels = size_t(ours.width) * ours.height;
    double sums[3] = {};
    for (size_t i = 0; i < pixels * 3; ++i) {
        const int d = std::abs(int{ours.pixels[i]} - int{reference.pixels[i]});
        difference.max[i % 3] = std::max(difference.max[i % 3], d);
        sums[i % 3] += d;
    }
    for (int c = 0; c < 3; ++c) difference.mean[c] = sums[c] / double(std::max<size_t>(pixels, 1));
    return difference;
}

void ExpectCloseToReference(const Bytes& jpeg, const Scratch& scratch) {
    SetLogCallback(nullptr);
    SetBgrOrder(0);
    std::unique_ptr<RgbImage> ours;
    ASSERT_EQ(DecodeJpeg(ToBuffer(jpeg), ours), 1) << "status " << GetStatus();
    const Rgb reference = ReferenceDecode(scratch, jpeg);
    ASSERT_EQ(ours->width, reference.width);
    ASSERT_EQ(ours->height, reference.height);
    ASSERT_EQ(reference.pixels.size(), size_t(ours->width) * ours->height * 3);
    const Difference difference = Compare(*ours, reference);
    for (int c = 0; c < 3; ++c) {
        EXPECT_LE(difference.max[c], kMaxDifference[c]) << "channel " << c;
        EXPECT_LE(difference.mean[c], kMaxMeanDifference[c]) << "channel " << c;
    }
    std::printf("max %d %d %d  mean %.3f %.3f %.3f\n", difference.max[0], difference.max[1], difference.max[2],
                difference.mean[0], difference.mean[1], difference.mean[2]);
}

struct EncoderCase {
    const char* name;
    Picture picture;
    int width;
    int height;
    const char* options;
};

const EncoderCase kEncoderCases[] = {
    {"Gradient1x1Q75", Picture::Gradient, 64, 48, "-sample 1x1 -quality 75"},
    {"Gradient2x1Q90", Picture::Gradient, 64, 48, "-sample 2x1 -quality 90"},
    {"Gradient1x2Q50", Picture::Gradient, 64, 48, "-sample 1x2 -quality 50"},
    {"Gradient2x2Q100", Picture::Gradient, 64, 48, "-sample 2x2 -quality 100"},
    {"Edges1x1Q10", Picture::Edges, 64, 48, "-sample 1x1 -quality 10 -baseline"},
    {"Edges2x2Q30Restart1", Picture::Edges, 64, 48, "-sample 2x2 -quality 30 -restart 1B"},
    {"Edges2x1Restart3Optimised", Picture::Edges, 17, 33, "-sample 2x1 -restart 3B -optimize"},
    {"Noise1x2Q95Optimised", Picture::Noise, 17, 33, "-sample 1x2 -quality 95 -optimize"},
    {"Noise2x2Q60Restart2", Picture::Noise, 7, 9, "-sample 2x2 -quality 60 -restart 2B"},
    {"Noise1x1Q100", Picture::Noise, 7, 9, "-sample 1x1 -quality 100"},
    {"OnePixel1x1", Picture::Gradient, 1, 1, "-sample 1x1"},
    {"OnePixel2x2", Picture::Noise, 1, 1, "-sample 2x2 -quality 20 -baseline"},
    {"TreeSize1x1Optimised", Picture::Edges, 416, 480, "-sample 1x1 -quality 85 -optimize"},
    {"BannerSize1x1Restart", Picture::Gradient, 591, 130, "-sample 1x1 -quality 80 -restart 5"},
    {"BannerSize2x2Noise", Picture::Noise, 591, 130, "-sample 2x2 -quality 70"},
    {"Wide2x1Restart9", Picture::Edges, 2051, 24, "-sample 2x1 -quality 65 -restart 9B"},
};

class ReferenceDecoderTest : public testing::TestWithParam<EncoderCase> {};

TEST_P(ReferenceDecoderTest, MatchesTheReferenceWithinTheTruncationTolerance) {
    Scratch scratch;
    const EncoderCase& c = GetParam();
    ExpectCloseToReference(Encode(scratch, MakePicture(c.picture, c.width, c.height), c.options), scratch);
}

INSTANTIATE_TEST_SUITE_P(Cjpeg, ReferenceDecoderTest, testing::ValuesIn(kEncoderCases),
                         [](const testing::TestParamInfo<EncoderCase>& info) { return info.param.name; });

TEST(ReferenceDecoder, RefusedKindsGiveTheirTextAndStatus) {
    const struct {
        const char* options;
        const char* text;
    } cases[] = {
        {"-progressive", "Error - this programme can not decode a frame of type 0xC2\n"},
        {"-arithmetic", "Error - this programme can not decode a frame of type 0xC9\n"},
        {"-grayscale", "Error - 3 components allowed only, found 1\n"},
    };
    Scratch scratch;
    for (const auto& c : cases) {
        LogCapture log;
        SetStatus(NoError);
        std::unique_ptr<RgbImage> image;
        EXPECT_EQ(DecodeJpeg(ToBuffer(Encode(scratch, MakePicture(Picture::Edges, 24, 16), c.options)), image), 0);
        EXPECT_EQ(image, nullptr);
        EXPECT_NE(LogCapture::Text().find(c.text), std::string::npos) << c.options << ": " << LogCapture::Text();
        EXPECT_EQ(GetStatus(), UnsupportedFormat) << c.options;
    }
}

// A damaged file either decodes to a picture or fails with a status and no picture; returns the result.
int ExpectCleanOutcome(const Bytes& bytes, const std::string& what) {
    SetStatus(NoError);
    std::unique_ptr<RgbImage> image;
    const int result = DecodeJpeg(ToBuffer(bytes), image);
    if (result == 1) {
        EXPECT_NE(image, nullptr) << what;
        return result;
    }
    EXPECT_EQ(result, 0) << what;
    EXPECT_EQ(image, nullptr) << what;
    const int32_t status = GetStatus();
    EXPECT_TRUE(status == InsufficientMemory || status == InvalidData || status == UnsupportedFormat)
        << what << ": status " << status;
    return result;
}

TEST(ReferenceDecoder, RefusesEveryTruncationOfASmallFileCleanly) {
    Scratch scratch;
    const Bytes whole = Encode(scratch, MakePicture(Picture::Noise, 16, 16), "-sample 2x2 -restart 1B");
    SetLogCallback(nullptr);
    // The frame ends only at its EOI marker, so no truncated file decodes.
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_EQ(ExpectCleanOutcome(Bytes(whole.begin(), whole.begin() + length), "length " + std::to_string(length)), 0);
    }
    EXPECT_EQ(ExpectCleanOutcome(whole, "whole file"), 1);
}

TEST(ReferenceDecoder, SurvivesRandomByteFlips) {
    Scratch scratch;
    const Bytes whole = Encode(scratch, MakePicture(Picture::Gradient, 24, 24), "-sample 2x1 -restart 2B -optimize");
    SetLogCallback(nullptr);
    std::mt19937 random(20231224);
    for (int round = 0; round < 600; ++round) {
        Bytes damaged = whole;
        const int flips = 1 + round % 3;
        for (int i = 0; i < flips; ++i) damaged[random() % damaged.size()] ^= uint8_t(1 + random() % 255);
        ExpectCleanOutcome(damaged, "round " + std::to_string(round));
    }
}

TEST(ProgramPictures, TreeAndBannerDecodeAndMatchTheReference) {
    const struct {
        const char* name;
        int width;
        int height;
    } pictures[] = {{"tree.jpg", 416, 480}, {"banner.jpg", 591, 130}};
    Scratch scratch;
    for (const auto& picture : pictures) {
        const Bytes bytes = ReadFile(std::string(TINSELWICK_SOURCE_DIR) + "/resources/files/" + picture.name);
        ASSERT_FALSE(bytes.empty()) << picture.name;
        SetLogCallback(nullptr);
        std::unique_ptr<RgbImage> image;
        ASSERT_EQ(DecodeJpeg(ToBuffer(bytes), image), 1) << picture.name;
        EXPECT_EQ(image->width, picture.width);
        EXPECT_EQ(image->height, picture.height);
        ExpectCloseToReference(bytes, scratch);
    }
}

}  // namespace
