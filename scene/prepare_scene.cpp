#include "scene/prepare_scene.h"

#include <cstdlib>

#include "platform/platform.h"
#include "scene/asset_set.h"
#include "scene/decorations.h"

namespace {

// Black is the primitives' only transparency, so blacking out what the mask excludes gives the
// picture its outline once and for all.
void BlackOutMaskedPixels(RgbImage& picture, const MaskImage& mask) {
    const size_t count = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    uint8_t* pixel = picture.pixels.get();
    for (size_t k = 0; k < count; ++k, pixel += 3) {
        if (mask.pixels[k] == 0) {
            pixel[0] = pixel[1] = pixel[2] = 0;
        }
    }
}

}  // namespace

void PrepareSceneSeeded(uint32_t seed) {
    std::srand(seed);
    BuildDimmedBackdrop();
    // The hanging points are searched on the masked tree.
    BlackOutMaskedPixels(*assetSet.tree, *assetSet.tree_mask);
    FillDecorations();
    BlackOutMaskedPixels(*assetSet.banner, *assetSet.banner_mask);
}

void PrepareScene() { PrepareSceneSeeded(ReadTickCount()); }
