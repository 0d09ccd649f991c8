// An inverse mapping: every pixel of a square that holds the sprite at any angle looks up the source
// pixel that lands on it.
#include <cmath>

#include "scene/sprite_blit.h"
#include "scene/sprite_drawing.h"

namespace {

// Half the side of the square: truncate(sqrt(w * w + h * h)) / 2.
int64_t SquareRadius(const RgbImage& image) {
    const int64_t w = image.width;
    const int64_t h = image.height;
    return static_cast<int64_t>(std::sqrt(static_cast<double>(w * w + h * h))) / 2;
}

}  // namespace

void DrawSpriteTurned(const RgbImage& image, int32_t centreX, int32_t centreY, float sine,
                      float cosine) {
    const int64_t radius = SquareRadius(image);
    if (radius == 0) {
        return;
    }
    const int64_t left = int64_t{centreX} - radius;
    const int64_t top = int64_t{centreY} - radius;
    const VisibleSpan columns = ClipToAxis(left, 2 * radius, screenWidth);
    const VisibleSpan rows = ClipToAxis(top, 2 * radius, screenHeight);
    // Products and sums in double precision from the single-precision sine and cosine; the per-row
    // products are the same values the per-pixel formula would form.
    const double s = sine;
    const double c = cosine;
    const int32_t width = image.width;
    const int32_t height = image.height;
    const int32_t halfWidth = width / 2;
    const int32_t halfHeight = height / 2;
    for (int64_t i = rows.first; i < rows.end; ++i) {
        const double dy = static_cast<double>(i - radius);
        const double dyTimesS = dy * s;
        const double dyTimesC = dy * c;
        uint8_t* target = ScreenPixel(left + columns.first, top + i);
        for (int64_t j = columns.first; j < columns.end; ++j, target += 3) {
            const double dx = static_cast<double>(j - radius);
            // The casts truncate toward zero, as the mapping requires (-0.7 gives 0).
            const int32_t sx = static_cast<int32_t>(dx * c - dyTimesS) + halfWidth;
            const int32_t sy = static_cast<int32_t>(dx * s + dyTimesC) + halfHeight;
            if (sx >= 0 && sx < width && sy >= 0 && sy < height) {
                CopyIfOpaque(ImagePixel(image, sx, sy), target);
            }
        }
    }
}

void DrawSpriteRotated(const RgbImage& image, int32_t centreX, int32_t centreY, float angle) {
    const double turn = angle;
    DrawSpriteTurned(image, centreX, centreY, static_cast<float>(std::sin(turn)),
                     static_cast<float>(std::cos(turn)));
}
