#include "scene/decorations.h"

#include <cstdlib>

#include "platform/fatal_error.h"
#include "platform/screen.h"
#include "scene/asset_set.h"

Decoration decorations[kDecorationCount];

namespace {

constexpr int32_t kCarrierSpacing = 60;
constexpr int32_t kFirstCarrierGap = 30;  // beyond the right edge of the screen
constexpr int32_t kShortestSwayPeriod = 200;
constexpr int32_t kSwayPeriodChoices = 100;
// Nothing hangs on the trunk: the bottom rows of the tree are never chosen.
constexpr int32_t kBareRowsAtFoot = 40;

struct TreePoint {
    int32_t x;
    int32_t y;
};

bool IsOpaque(const RgbImage& image, int32_t x, int32_t y) {
    const uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
    return (p[0] | p[1] | p[2]) != 0;
}

// The row's first opaque column, or the width when the row has none.
int32_t LeftmostOpaqueColumn(const RgbImage& tree, int32_t y) {
    int32_t x = 0;
    while (x < tree.width && !IsOpaque(tree, x, y)) {
        ++x;
    }
    return x;
}

void RequireHangingRoom(const RgbImage& tree) {
    for (int32_t y = 0; y < tree.height - kBareRowsAtFoot; ++y) {
        if (LeftmostOpaqueColumn(tree, y) < tree.width) {
            return;
        }
    }
    FatalError("Tree picture has no opaque pixel above its bottom %d rows", kBareRowsAtFoot);
}

// Random points until one is opaque; x is drawn before y.
TreePoint ChooseHangingPoint(const RgbImage& tree) {
    for (;;) {
        const int32_t x = std::rand() % tree.width;
        const int32_t y = std::rand() % (tree.height - kBareRowsAtFoot);
        if (IsOpaque(tree, x, y)) {
            return {x, y};
        }
    }
}

// The generator is called for the period, then the picture, then the point.
Decoration MakeDecoration(int32_t index, const RgbImage& tree) {
    Decoration slot{};
    slot.pathStartX = kCarrierSpacing * index + screenWidth + kFirstCarrierGap;
    slot.carrier = assetSet.elf1.get();
    slot.swayPeriod = static_cast<float>(std::rand() % kSwayPeriodChoices + kShortestSwayPeriod);
    slot.image = assetSet.decoration[std::rand() % kDecorationPictures + 1].get();
    const TreePoint point = ChooseHangingPoint(tree);
    const int32_t treeLeft = kStandingTreeColumn - tree.width / 2;
    slot.targetX = treeLeft + point.x;
    slot.targetY = screenHeight - tree.height + point.y;
    slot.treeLeftX = treeLeft + LeftmostOpaqueColumn(tree, point.y);
    return slot;
}

}  // namespace

void FillDecorations() {
    const RgbImage& tree = *assetSet.tree;
    RequireHangingRoom(tree);
    for (int32_t i = 0; i < kDecorationCount; ++i) {
        decorations[i] = MakeDecoration(i, tree);
    }
}
