#pragma once
// The sixty decorations hung on the tree, in the order their carriers walk in and are drawn.
#include <cstdint>

#include "codec/containers.h"

constexpr int32_t kDecorationCount = 60;

// The standing tree is centred on this column, its bottom row on the bottom edge of the screen.
constexpr int32_t kStandingTreeColumn = 200;

struct Decoration {
    int32_t pathStartX;       // the carrier's column when the decorations phase starts
    const RgbImage* carrier;  // the elf carrying it; the asset set owns the picture
    float swayPeriod;         // a whole number from 200 to 299: the carrier's own pace of sway
    int32_t targetX;          // screen column and row of the decoration's centre once hung
    int32_t targetY;
    const RgbImage* image;    // one of the nine decoration pictures of the asset set
    int32_t treeLeftX;        // screen column of the standing tree's leftmost opaque pixel in row targetY
};

extern Decoration decorations[kDecorationCount];

// Fills every slot from the C library's rand, whose generator the caller has seeded, on the loaded
// and already masked tree. Raises FatalError for a tree with no opaque pixel above its bottom 40 rows,
// where no hanging point could ever be found.
void FillDecorations();
