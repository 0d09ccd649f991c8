// From coefficients to pixels: dequantisation, the separable inverse DCT in single precision with
// truncating level shift, and the YCbCr to RGB conversion with replicated colour-difference samples.
#include <algorithm>
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

// kIdctBasis[k][n] = 1/2 * C(k) * cos((2n + 1) * k * pi / 16), C(0) = 1/sqrt(2), rounded to single
// precision: the one-dimensional inverse transform is t(n) = sum over k of kIdctBasis[k][n] * T(k).
constexpr float kIdctBasis[8][8] = {
    {3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f},
    {4.903926253e-01f, 4.157347977e-01f, 2.777851224e-01f, 9.754516184e-02f, -9.754516184e-02f, -2.777851224e-01f, -4.157347977e-01f, -4.903926253e-01f},
    {4.619397521e-01f, 1.913417131e-01f, -1.913417131e-01f, -4.619397521e-01f, -4.619397521e-01f, -1.913417131e-01f, 1.913417131e-01f, 4.619397521e-01f},
    {4.157347977e-01f, -9.754516184e-02f, -4.903926253e-01f, -2.777851224e-01f, 2.777851224e-01f, 4.903926253e-01f, 9.754516184e-02f, -4.157347977e-01f},
    {3.535533845e-01f, -3.535533845e-01f, -3.535533845e-01f, 3.535533845e-01f, 3.535533845e-01f, -3.535533845e-01f, -3.535533845e-01f, 3.535533845e-01f},
    {2.777851224e-01f, -4.903926253e-01f, 9.754516184e-02f, 4.157347977e-01f, -4.157347977e-01f, -9.754516184e-02f, 4.903926253e-01f, -2.777851224e-01f},
    {1.913417131e-01f, -4.619397521e-01f, 4.619397521e-01f, -1.913417131e-01f, -1.913417131e-01f, 4.619397521e-01f, -4.619397521e-01f, 1.913417131e-01f},
    {9.754516184e-02f, -2.777851224e-01f, 4.157347977e-01f, -4.903926253e-01f, 4.903926253e-01f, -4.157347977e-01f, 2.777851224e-01f, -9.754516184e-02f},
};

// The colour constants are single-precision values; the arithmetic with them is double precision.
constexpr double kCrToRed = 1.402f;
constexpr double kCbToGreen = 0.34414f;
constexpr double kCrToGreen = 0.71414f;
constexpr double kCbToBlue = 1.772f;

// One-dimensional inverse transform of the 8 values at in[0], in[step], ..., written likewise to out.
// Only the first `used` values can be nonzero; the zero terms after them would add exact zeros. Each
// output sums its terms in order of k, all eight outputs at once.
void InverseTransform(const float* in, int inStep, int used, float* out, int outStep) {
    float sums[8] = {};
    for (int k = 0; k < used; ++k) {
        const float value = in[k * inStep];
        for (int n = 0; n < 8; ++n) sums[n] += kIdctBasis[k][n] * value;
    }
    for (int n = 0; n < 8; ++n) out[n * outStep] = sums[n];
}

// One more than the highest v of column u holding a nonzero frequency; 0 for an empty column.
int UsedRows(const float* frequencies, int u) {
    for (int v = 7; v >= 0; --v) {
        if (frequencies[v * 8 + u] != 0.0f) return v + 1;
    }
    return 0;
}

uint8_t LevelShiftAndClamp(float value) {
    const float shifted = value + 128.0f;
    if (shifted < 0.0f) return 0;
    if (shifted > 255.0f) return 255;
    return static_cast<uint8_t>(shifted);
}

// Truncating toward zero and then clamping to 0..255 gives the same byte as clamping first, which
// keeps the conversion branch-free.
uint8_t ToByteRange(double value) {
    return static_cast<uint8_t>(std::min(std::max(value, 0.0), 255.0));
}

// Walks one plane along a row of the picture, moving to the next sample every `ratioX` pixels.
struct PlaneSampler {
    const uint8_t* plane;
    int32_t stride;
    int32_t ratioX;
    int32_t ratioY;
};

struct RowCursor {
    const uint8_t* sample;
    int32_t ratioX;
    int32_t phase;

    int32_t Next() {
        const int32_t value = *sample;
        if (++phase == ratioX) {
            phase = 0;
            ++sample;
        }
        return value;
    }
};

PlaneSampler MakeSampler(const JpegComponent& component, const SamplingMaxima& maxima, int32_t width) {
    const int32_t ratioX = maxima.hMax / component.hFactor;
    const int32_t ratioY = maxima.vMax / component.vFactor;
    const int32_t mcuWidth = 8 * maxima.hMax;
    const int32_t paddedWidth = (width + mcuWidth - 1) / mcuWidth * mcuWidth;
    return {component.plane.get(), paddedWidth / ratioX, ratioX, ratioY};
}

RowCursor StartRow(const PlaneSampler& sampler, int32_t row) {
    return {sampler.plane + (row / sampler.ratioY) * sampler.stride, sampler.ratioX, 0};
}

}  // namespace

void InverseDct(const int32_t block[kBlockSize], const uint8_t quant[kBlockSize], uint8_t samples[kBlockSize]) {
    float frequencies[kBlockSize];  // [v * 8 + u]
    for (int k = 0; k < kBlockSize; ++k) {
        frequencies[kZigZagToNatural[k]] = static_cast<float>(int64_t{block[k]} * quant[k]);
    }
    // Most blocks hold a few low frequencies only, so the transforms skip the zeros at the end of each
    // column and the empty columns at the right: the sums stay exactly those of all eight terms.
    float columns[kBlockSize];  // [y * 8 + u]
    int usedColumns = 0;
    for (int u = 0; u < 8; ++u) {
        const int usedRows = UsedRows(frequencies, u);
        if (usedRows != 0) usedColumns = u + 1;
        InverseTransform(frequencies + u, 8, usedRows, columns + u, 8);
    }
    float rows[kBlockSize];  // [y * 8 + x]
    for (int y = 0; y < 8; ++y) InverseTransform(columns + y * 8, 1, usedColumns, rows + y * 8, 1);
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
        RowCursor luma = StartRow(samplers[0], i);
        RowCursor blueDifference = StartRow(samplers[1], i);
        RowCursor redDifference = StartRow(samplers[2], i);
        for (int32_t j = 0; j < decoder.width; ++j, pixel += 3) {
            const int32_t y = luma.Next();
            const int32_t cb = blueDifference.Next() - 128;
            const int32_t cr = redDifference.Next() - 128;
            pixel[redOffset] = ToByteRange(y + kCrToRed * cr);
            pixel[1] = ToByteRange((y - kCbToGreen * cb) - kCrToGreen * cr);
            pixel[blueOffset] = ToByteRange(y + kCbToBlue * cb);
        }
    }
    return image;
}
