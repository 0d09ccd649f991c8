#include "scene/sprite_blit.h"
#include "scene/sprite_drawing.h"

void DrawSprite(const RgbImage& image, int32_t centreX, int32_t centreY) {
    const int64_t left = int64_t{centreX} - image.width / 2;
    const int64_t top = int64_t{centreY} - image.height / 2;
    const VisibleSpan columns = ClipToAxis(left, image.width, screenWidth);
    const VisibleSpan rows = ClipToAxis(top, image.height, screenHeight);
    for (int64_t i = rows.first; i < rows.end; ++i) {
        CopyOpaqueRun(ImagePixel(image, columns.first, i), ScreenPixel(left + columns.first, top + i),
                      columns.end - columns.first);
    }
}
