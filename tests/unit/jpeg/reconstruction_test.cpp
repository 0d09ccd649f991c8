// The inverse DCT with its truncating level shift, and the colour conversion with replicated samples.
#include <gtest/gtest.h>

#include <algorithm>

#include "codec/codec_context.h"
#include "codec/jpeg/jpeg_decoder.h"

namespace {

const uint8_t kUnitQuant[kBlockSize] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

TEST(InverseDct, GivesFlatBlocksForTheDcCoefficientTruncatedAndClamped) {
    const struct {
        int32_t coefficient;
        uint8_t quant;
        uint8_t sample;
    } cases[] = {{84, 1, 138}, {42, 2, 138}, {0, 1, 128}, {-1100, 1, 0}, {1100, 1, 255}, {8, 1, 129}, {-8, 1, 127}};
    for (const auto& c : cases) {
        int32_t block[kBlockSize] = {c.coefficient};
        uint8_t quant[kBlockSize];
        std::fill(quant, quant + kBlockSize, c.quant);
        uint8_t samples[kBlockSize];
        InverseDct(block, quant, samples);
        for (int i = 0; i < kBlockSize; ++i) ASSERT_EQ(samples[i], c.sample) << c.coefficient << " at " << i;
    }
}

TEST(InverseDct, PlacesZigZagIndexOneAsTheFirstHorizontalFrequency) {
    int32_t block[kBlockSize] = {0, 32};
    uint8_t quant[kBlockSize];
    std::fill(quant, quant + kBlockSize, 9);
    quant[1] = 2;  // dequantised to 64; the quantisation table is in zig-zag order too
    uint8_t samples[kBlockSize];
    InverseDct(block, quant, samples);
    const uint8_t row[8] = {139, 137, 134, 130, 125, 121, 118, 116};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) EXPECT_EQ(samples[y * 8 + x], row[x]) << x << "," << y;
    }
}

TEST(InverseDct, PlacesZigZagIndexTwoAsTheFirstVerticalFrequency) {
    int32_t block[kBlockSize] = {0, 0, 64};
    uint8_t samples[kBlockSize];
    InverseDct(block, kUnitQuant, samples);
    const uint8_t column[8] = {139, 137, 134, 130, 125, 121, 118, 116};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) EXPECT_EQ(samples[y * 8 + x], column[y]) << x << "," << y;
    }
}

// A decoder holding three planes of the given sampling for a width x height picture, every sample of
// each plane set to `fill`.
struct PlaneSet {
    PlaneSet(int width, int height, const int (&factors)[3][2], const uint8_t (&fill)[3]) {
        decoder.width = width;
        decoder.height = height;
        int hMax = 0, vMax = 0;
        for (const auto& f : factors) hMax = std::max(hMax, f[0]), vMax = std::max(vMax, f[1]);
        decoder.mcusPerRow = (width + 8 * hMax - 1) / (8 * hMax);
        decoder.mcuRows = (height + 8 * vMax - 1) / (8 * vMax);
        for (int c = 0; c < 3; ++c) {
            JpegComponent& component = decoder.components[c];
            component.hFactor = factors[c][0];
            component.vFactor = factors[c][1];
            stride[c] = decoder.mcusPerRow * component.hFactor * 8;
            const int size = stride[c] * decoder.mcuRows * component.vFactor * 8;
            component.plane.reset(new uint8_t[size]);
            std::fill(component.plane.get(), component.plane.get() + size, fill[c]);
        }
    }
    uint8_t& At(int c, int x, int y) { return decoder.components[c].plane[y * stride[c] + x]; }
    JpegDecoder decoder;
    int stride[3];
};

TEST(ConvertToRgb, ConvertsWithSinglePrecisionConstantsAndTruncates) {
    const struct {
        uint8_t y, cb, cr;
        uint8_t red, green, blue;
    } cases[] = {
        {255, 128, 128, 255, 255, 255}, {0, 128, 128, 0, 0, 0},   {100, 128, 130, 102, 98, 100},
        {10, 128, 0, 0, 101, 10},       {128, 0, 0, 0, 255, 0},   {128, 255, 255, 255, 0, 255},
        {29, 123, 117, 13, 38, 20},
    };
    for (int bgrOrder : {0, 1}) {
        SetBgrOrder(bgrOrder);
        for (const auto& c : cases) {
            PlaneSet planes(1, 1, {{1, 1}, {1, 1}, {1, 1}}, {c.y, c.cb, c.cr});
            const std::unique_ptr<RgbImage> image = ConvertToRgb(planes.decoder);
            ASSERT_NE(image, nullptr);
            const uint8_t* pixel = image->pixels.get();
            EXPECT_EQ(pixel[bgrOrder ? 2 : 0], c.red) << int{c.y} << " " << int{c.cb} << " " << int{c.cr};
            EXPECT_EQ(pixel[1], c.green) << int{c.y} << " " << int{c.cb} << " " << int{c.cr};
            EXPECT_EQ(pixel[bgrOrder ? 0 : 2], c.blue) << int{c.y} << " " << int{c.cb} << " " << int{c.cr};
        }
    }
}

TEST(ConvertToRgb, ReplicatesSubsampledPlanesAndCropsThePadding) {
    SetBgrOrder(1);
    // 2 x 2 luma over 1 x 1 chroma; Y, Cb and Cr each mark one sample that must show up where expected.
    PlaneSet planes(17, 19, {{2, 2}, {1, 1}, {1, 1}}, {128, 128, 128});
    planes.At(0, 16, 18) = 200;  // the last visible pixel
    planes.At(0, 17, 18) = 0;    // padding right of it, never shown
    planes.At(1, 8, 9) = 255;    // Cb under the pixels 16..17 x 18..19
    const std::unique_ptr<RgbImage> image = ConvertToRgb(planes.decoder);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 17);
    ASSERT_EQ(image->height, 19);
    auto blue = [&](int x, int y) { return image->pixels[(y * 17 + x) * 3]; };
    EXPECT_EQ(blue(16, 18), 255);  // 200 + 1.772 * 127, clamped
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 17; ++x) {
            if (x != 16 || y != 18) {
                ASSERT_EQ(blue(x, y), 128) << x << "," << y;
            }
        }
    }

    PlaneSet wide(591, 130, {{1, 1}, {1, 1}, {1, 1}}, {128, 128, 128});
    EXPECT_EQ(wide.stride[0], 592);
    wide.At(0, 590, 129) = 10;
    wide.At(0, 591, 129) = 250;
    const std::unique_ptr<RgbImage> wideImage = ConvertToRgb(wide.decoder);
    EXPECT_EQ(wideImage->pixels[(129 * 591 + 590) * 3 + 1], 10);
}

TEST(ConvertToRgb, TakesChromaFromHalfTheColumnWithHorizontalSubsampling) {
    SetBgrOrder(0);
    PlaneSet planes(16, 8, {{2, 1}, {1, 1}, {1, 1}}, {128, 128, 128});
    for (int x = 0; x < 8; ++x) planes.At(2, x, 0) = static_cast<uint8_t>(128 + 10 * x);  // Cr
    const std::unique_ptr<RgbImage> image = ConvertToRgb(planes.decoder);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(image->pixels[x * 3], static_cast<uint8_t>(128 + 1.402f * 10 * (x / 2))) << x;
        EXPECT_EQ(image->pixels[(16 + x) * 3], 128) << x;  // row 1 reads Cr row 1
    }
}

}  // namespace
