// From coefficients to pixels: dequantisation, the separable inverse DCT in single precision with
// truncating level shift, and the YCbCr to RGB conversion with replicated colour-difference samples.
#include <cstddef>

#include "codec/codec_context.h"
#include "codec/jpeg/jpeg_decoder.h"

namespace {

// Row-major position (v * 8 + u) of each zig-zag index (T.81 Figure A.6).
constexpr uint8_t kZigZagToNatural[kBlockSize] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

// kIdctBasis[n][k] = 1/2 * C(k) * cos((2n + 1) * k * pi / 16), C(0) = 1/sqrt(2), rounded to single
// precision: the one-dimensional inverse transform is t(n) = sum over k of kIdctBasis[n][k] * T(k).
constexpr float kIdctBasis[8][8] = {
    {3.535533845e-01f, 4.903926253e-01f, 4.619397521e-01f, 4.157347977e-01f, 3.535533845e-01f, 2.777851224e-01f, 1.913417131e-01f, 9.754516184e-02f},
    {3.535533845e-01f, 4.157347977e-01f, 1.913417131e-01f, -9.754516184e-02f, -3.535533845e-01f, -4.903926253e-01f, -4.619397521e-01f, -2.777851224e-01f},
    {3.535533845e-01f, 2.777851224e-01f, -1.913417131e-01f, -4.903926253e-01f, -3.535533845e-01f, 9.754516184e-02f, 4.619397521e-01f, 4.157347977e-01f},
    {3.535533845e-01f, 9.754516184e-02f, -4.619397521e-01f, -2.777851224e-01f, 3.535533845e-01f, 4.157347977e-01f, -1.913417131e-01f, -4.903926253e-01f},
    {3.535533845e-01f, -9.754516184e-02f, -4.619397521e-01f, 2.777851224e-01f, 3.535533845e-01f, -4.157347977e-01f, -1.913417131e-01f, 4.903926253e-01f},
    {3.535533845e-01f, -2.777851224e-01f, -1.913417131e-01f, 4.903926253e-01f, -3.535533845e-01f, -9.754516184e-02f, 4.619397521e-01f, -4.157347977e-01f},
    {3.535533845e-01f, -4.157347977e-01f, 1.913417131e-01f, 9.754516184e-02f, -3.535533845e-01f, 4.903926253e-01f, -4.619397521e-01f, 2.777851224e-01f},
    {3.535533845e-01f, -4.903926253e-01f, 4.619397521e-01f, -4.157347977e-01f, 3.535533845e-01f, -2.777851224e-01f, 1.913417131e-01f, -9.754516184e-02f},
};

// The colour constants are single-precision values; the arithmetic with them is double precision.
constexpr double kCrToRed = 1.402f;
constexpr double kCbToGreen = 0.34414f;
constexpr double kCrToGreen = 0.71414f;
constexpr double kCbToBlue = 1.772f;

// One-dimensional inverse transform of the 8 values at in[0], in[step], ..., written likewise to out.
void InverseTransform(const float* in, int inStep, float* out, int outStep) {
    for (int n = 0; n < 8; ++n) {
        float sum = 0.0f;
        for (int k = 0; k < 8; ++k) sum += kIdctBasis[n][k] * in[k * inStep];
        out[n * outStep] = sum;
    }
}

bool IsZeroColumn(const float* frequencies, int u) {
    for (int v = 0; v < 8; ++v) {
        if (frequencies[v * 8 + u] != 0.0f) return false;
    }
    return true;
}

uint8_t LevelShiftAndClamp(float value) {
    const float shifted = value + 128.0f;
    if (shifted < 0.0f) return 0;
    if (shifted > 255.0f) return 255;
    return static_cast<uint8_t>(shifted);
}

int32_t ToByteRange(double value) {
    const int32_t truncated = static_cast<int32_t>(value);
    return truncated < 0 ? 0 : (truncated > 255 ? 255 : truncated);
}

struct PlaneSampler {
    const uint8_t* plane;
    int32_t stride;
    int32_t ratioX;
    int32_t ratioY;
};

PlaneSampler MakeSampler(const JpegComponent& component, const SamplingMaxima& maxima, int32_t width) {
    const int32_t ratioX = maxima.hMax / component.hFactor;
    const int32_t ratioY = maxima.vMax / component.vFactor;
    const int32_t mcuWidth = 8 * maxima.hMax;
    const int32_t paddedWidth = (width + mcuWidth - 1) / mcuWidth * mcuWidth;
    return {component.plane.get(), paddedWidth / ratioX, ratioX, ratioY};
}

}  // namespace

void InverseDct(const int32_t block[kBlockSize], const uint8_t quant[kBlockSize], uint8_t samples[kBlockSize]) {
    float frequencies[kBlockSize];  // [v * 8 + u]
    for (int k = 0; k < kBlockSize; ++k) {
        frequencies[kZigZagToNatural[k]] = static_cast<float>(int64_t{block[k]} * quant[k]);
    }
    float columns[kBlockSize];  // [y * 8 + u]
    for (int u = 0; u < 8; ++u) {
        // A column without coefficients transforms to exact zeros; most columns of a block are empty.
        if (IsZeroColumn(frequencies, u)) {
            for (int y = 0; y < 8; ++y) columns[y * 8 + u] = 0.0f;
        } else {
            InverseTransform(frequencies + u, 8, columns + u, 8);
        }
    }
    float rows[kBlockSize];  // [y * 8 + x]
    for (int y = 0; y < 8; ++y) InverseTransform(columns + y * 8, 1, rows + y * 8, 1);
    for (int i = 0; i < kBlockSize; ++i) samples[i] = LevelShiftAndClamp(rows[i]);
}

std::unique_ptr<RgbImage> ConvertToRgb(const JpegDecoder& decoder) {
    std::unique_ptr<RgbImage> image = CreateRgbImage(decoder.width, decoder.height);
    if (!image) return nullptr;
    const SamplingMaxima maxima = FindSamplingMaxima(decoder);
    PlaneSampler samplers[3];
    for (int c = 0; c < 3; ++c) samplers[c] = MakeSampler(decoder.components[c], maxima, decoder.width);
    const int redOffset = GetBgrOrder() ? 2 : 0;
    const int blueOffset = 2 - redOffset;

    uint8_t* pixel = image->pixels.get();
    for (int32_t i = 0; i < decoder.height; ++i) {
        const uint8_t* rows[3];
        for (int c = 0; c < 3; ++c) rows[c] = samplers[c].plane + (i / samplers[c].ratioY) * samplers[c].stride;
        for (int32_t j = 0; j < decoder.width; ++j, pixel += 3) {
            const int32_t y = rows[0][j / samplers[0].ratioX];
            const int32_t cb = rows[1][j / samplers[1].ratioX] - 128;
            const int32_t cr = rows[2][j / samplers[2].ratioX] - 128;
            pixel[redOffset] = static_cast<uint8_t>(ToByteRange(y + kCrToRed * cr));
            pixel[1] = static_cast<uint8_t>(ToByteRange((y - kCbToGreen * cb) - kCrToGreen * cr));
            pixel[blueOffset] = static_cast<uint8_t>(ToByteRange(y + kCbToBlue * cb));
        }
    }
    return image;
}
