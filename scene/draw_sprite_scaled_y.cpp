#include <cmath>
#include <limits>

#include "scene/sprite_blit.h"
#include "scene/sprite_drawing.h"

namespace {

// truncate(height x scaleY), 0 for anything below one row (NaN included) and capped at the 32-bit
// range, beyond which every visible row shows source row 0 anyway.
int64_t ScaledRowCount(int32_t height, float scaleY) {
    const double rows = height * static_cast<double>(scaleY);
    if (!(rows >= 1)) {
        return 0;
    }
    return static_cast<int64_t>(std::min<double>(rows, std::numeric_limits<int32_t>::max()));
}

}  // namespace

void DrawSpriteScaledY(const RgbImage& image, int32_t centreX, int32_t centreY, float scaleY) {
    const int64_t count = ScaledRowCount(image.height, scaleY);
    if (count == 0) {
        return;
    }
    const int64_t left = int64_t{centreX} - image.width / 2;
    const int64_t top = int64_t{centreY} - image.height / 2;
    const VisibleSpan columns = ClipToAxis(left, image.width, screenWidth);
    const VisibleSpan rows = ClipToAxis(top, count, screenHeight);
    for (int64_t i = rows.first; i < rows.end; ++i) {
        CopyOpaqueRun(ImagePixel(image, columns.first, i * image.height / count),
                      ScreenPixel(left + columns.first, top + i), columns.end - columns.first);
    }
}
