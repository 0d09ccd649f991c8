#include "scene/prepare_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "codec/codec_context.h"
#include "scene/asset_set.h"
#include "scene/decorations.h"
#include "screen_fixture.h"

namespace {

std::unique_ptr<MaskImage> MakeMask(int32_t width, int32_t height, uint8_t value) {
    auto mask = CreateMaskImage(width, height);
    std::memset(mask->pixels.get(), value, static_cast<size_t>(width) * height);
    return mask;
}

void SetMask(MaskImage& mask, int32_t x, int32_t y, uint8_t value) {
    mask.pixels[static_cast<size_t>(y) * mask.width + x] = value;
}

bool IsBlack(const uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

bool SameSlot(const Decoration& a, const Decoration& b) {
    return a.pathStartX == b.pathStartX && a.carrier == b.carrier && a.swayPeriod == b.swayPeriod &&
           a.targetX == b.targetX && a.targetY == b.targetY && a.image == b.image &&
           a.treeLeftX == b.treeLeftX;
}

// A 32 x 24 screen whose capture runs through every byte value, and an asset set of small synthetic
// pictures: a tree whose mask is a band that widens downward (so every row has its own left edge),
// and a banner whose mask is a checkerboard.
class PrepareSceneTest : public testing::Test {
protected:
    static constexpr int32_t kTreeWidth = 30;
    static constexpr int32_t kTreeHeight = 70;

    void SetUp() override {
        for (size_t i = 0; i < screen.capture().size(); ++i) {
            screen.capture()[i] = static_cast<uint8_t>(i * 7);
        }
        assetSet.elf1 = MakeNumberedImage(6, 7);
        for (int k = 1; k <= kDecorationPictures; ++k) {
            assetSet.decoration[k] = MakeNumberedImage(k, 2);
        }
        assetSet.tree = MakeNumberedImage(kTreeWidth, kTreeHeight);
        assetSet.tree_mask = MakeMask(kTreeWidth, kTreeHeight, 0);
        for (int32_t y = 0; y < kTreeHeight; ++y) {
            for (int32_t x = kTreeWidth - 1 - y / 3; x < kTreeWidth; ++x) {
                SetMask(*assetSet.tree_mask, x, y, y % 2 ? 255 : 1);  // any nonzero value keeps
            }
        }
        assetSet.banner = MakeNumberedImage(9, 5);
        assetSet.banner_mask = MakeMask(9, 5, 0);
        for (int32_t y = 0; y < 5; ++y) {
            for (int32_t x = (y % 2); x < 9; x += 2) {
                SetMask(*assetSet.banner_mask, x, y, 255);
            }
        }
        originalTree = MakeNumberedImage(kTreeWidth, kTreeHeight);
        originalBanner = MakeNumberedImage(9, 5);
    }
    void TearDown() override {
        ReleaseAssets();
        ReleaseDimmedBackdrop();
    }

    // The tree pixel that a slot's target lies on.
    static int32_t TreeColumn(int32_t screenColumn) {
        return screenColumn - kStandingTreeColumn + kTreeWidth / 2;
    }
    int32_t TreeRow(int32_t screenRow) const { return screenRow - screenHeight + kTreeHeight; }

    TestScreen screen{32, 24};
    std::unique_ptr<RgbImage> originalTree;
    std::unique_ptr<RgbImage> originalBanner;
};

TEST_F(PrepareSceneTest, BackdropIsTheCaptureDividedBySixAndCopiesOverTheFrame) {
    PrepareSceneSeeded(1);
    const std::vector<uint8_t>& capture = screen.capture();
    const uint8_t* backdrop = dimmedBackdrop.pixels.get();
    for (size_t i = 0; i < capture.size(); ++i) {
        ASSERT_EQ(backdrop[i], capture[i] / 6) << i;
    }
    CopyBackdrop();
    EXPECT_EQ(0, std::memcmp(screen.frame().data(), backdrop, screen.frame().size()));
    ReleaseDimmedBackdrop();
    EXPECT_EQ(dimmedBackdrop.pixels, nullptr);
}

TEST_F(PrepareSceneTest, MaskedOffPixelsTurnBlackAndTheRestStayAsDecoded) {
    PrepareSceneSeeded(1);
    const struct {
        const RgbImage& picture;
        const MaskImage& mask;
        const RgbImage& original;
    } pictures[] = {{*assetSet.tree, *assetSet.tree_mask, *originalTree},
                    {*assetSet.banner, *assetSet.banner_mask, *originalBanner}};
    for (const auto& p : pictures) {
        for (int32_t y = 0; y < p.picture.height; ++y) {
            for (int32_t x = 0; x < p.picture.width; ++x) {
                const uint8_t* pixel = ImageAt(p.picture, x, y);
                if (p.mask.pixels[static_cast<size_t>(y) * p.mask.width + x] == 0) {
                    ASSERT_TRUE(IsBlack(pixel)) << x << "," << y;
                } else {
                    ASSERT_TRUE(SamePixel(pixel, ImageAt(p.original, x, y))) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(PrepareSceneTest, EverySlotHangsOnAnOpaqueTreePixelAboveTheFoot) {
    PrepareSceneSeeded(12345);
    const RgbImage& tree = *assetSet.tree;
    for (int32_t i = 0; i < kDecorationCount; ++i) {
        const Decoration& d = decorations[i];
        EXPECT_EQ(d.pathStartX, 60 * i + 32 + 30) << i;
        EXPECT_EQ(d.carrier, assetSet.elf1.get()) << i;
        EXPECT_EQ(d.swayPeriod, std::floor(d.swayPeriod)) << i;
        EXPECT_GE(d.swayPeriod, 200.0f) << i;
        EXPECT_LE(d.swayPeriod, 299.0f) << i;
        bool isDecorationPicture = false;
        for (int k = 1; k <= kDecorationPictures; ++k) {
            isDecorationPicture |= d.image == assetSet.decoration[k].get();
        }
        EXPECT_TRUE(isDecorationPicture) << i;

        const int32_t x = TreeColumn(d.targetX);
        const int32_t y = TreeRow(d.targetY);
        ASSERT_TRUE(x >= 0 && x < kTreeWidth && y >= 0 && y < kTreeHeight - 40) << i;
        EXPECT_FALSE(IsBlack(ImageAt(tree, x, y))) << i;
        const int32_t left = TreeColumn(d.treeLeftX);
        ASSERT_TRUE(left >= 0 && left <= x) << i;
        EXPECT_FALSE(IsBlack(ImageAt(tree, left, y))) << i;
        for (int32_t c = 0; c < left; ++c) {
            EXPECT_TRUE(IsBlack(ImageAt(tree, c, y))) << i << " column " << c;
        }
    }
}

TEST_F(PrepareSceneTest, TheSameSeedGivesTheSameSlots) {
    PrepareSceneSeeded(777);
    Decoration first[kDecorationCount];
    std::copy(decorations, decorations + kDecorationCount, first);
    PrepareSceneSeeded(777);
    for (int32_t i = 0; i < kDecorationCount; ++i) {
        EXPECT_TRUE(SameSlot(first[i], decorations[i])) << i;
    }
}

// The generator's sequence differs between C libraries, but each slot takes its values from it in a
// fixed order: the period, the picture, then (x, y) pairs until the point is opaque.
TEST_F(PrepareSceneTest, EachSlotDrawsPeriodThenPictureThenPointsFromTheGenerator) {
    PrepareSceneSeeded(4242);
    std::srand(4242);
    int rejectedPoints = 0;
    for (int32_t i = 0; i < kDecorationCount; ++i) {
        const float period = static_cast<float>(std::rand() % 100 + 200);
        const RgbImage* image = assetSet.decoration[std::rand() % 9 + 1].get();
        int32_t x, y;
        for (;;) {
            x = std::rand() % kTreeWidth;
            y = std::rand() % (kTreeHeight - 40);
            if (!IsBlack(ImageAt(*assetSet.tree, x, y))) break;
            ++rejectedPoints;
        }
        EXPECT_EQ(decorations[i].swayPeriod, period) << i;
        EXPECT_EQ(decorations[i].image, image) << i;
        EXPECT_EQ(TreeColumn(decorations[i].targetX), x) << i;
        EXPECT_EQ(TreeRow(decorations[i].targetY), y) << i;
    }
    EXPECT_GT(rejectedPoints, 0);  // the fixture's tree makes the search retry
}

// The picture is opaque everywhere; only the mask leaves one pixel above the foot, so the search can
// only succeed on the masked tree, and never in the opaque foot.
TEST_F(PrepareSceneTest, TheSearchRunsOnTheMaskedTreeAndSkipsTheFoot) {
    assetSet.tree = MakeNumberedImage(10, 50);
    assetSet.tree_mask = MakeMask(10, 50, 0);
    SetMask(*assetSet.tree_mask, 7, 3, 255);
    for (int32_t x = 0; x < 10; ++x) {
        SetMask(*assetSet.tree_mask, x, 45, 255);
    }
    PrepareSceneSeeded(99);
    for (const Decoration& d : decorations) {
        EXPECT_EQ(d.targetX, 7 - 5 + 200);
        EXPECT_EQ(d.targetY, 24 - 50 + 3);
        EXPECT_EQ(d.treeLeftX, d.targetX);
    }
}

TEST_F(PrepareSceneTest, ATreeWithNowhereToHangIsAFatalError) {
    const struct {
        const char* what;
        int32_t height;
        int32_t opaqueRow;  // the only row the mask keeps; -1 for none
    } cases[] = {
        {"opaque only in the foot", 60, 20},
        {"opaque only in the last row", 60, 59},
        {"no opaque pixel", 60, -1},
        {"40 rows high", 40, 0},
        {"10 rows high", 10, 0},
    };
    for (const auto& c : cases) {
        assetSet.tree = MakeNumberedImage(8, c.height);
        assetSet.tree_mask = MakeMask(8, c.height, 0);
        if (c.opaqueRow >= 0) {
            SetMask(*assetSet.tree_mask, 3, c.opaqueRow, 255);
        }
        try {
            PrepareSceneSeeded(5);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Tree picture has no opaque pixel above its bottom 40 rows")
                << c.what;
        }
    }
}

TEST_F(PrepareSceneTest, ABackdropThatCannotBeAllocatedIsAFatalError) {
    screenWidth = 1 << 20;
    screenHeight = 1 << 20;  // 3 TiB
    try {
        PrepareSceneSeeded(5);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(),
                     "Not enough memory for the dimmed backdrop of 1048576 x 1048576 pixels");
    }
    EXPECT_EQ(dimmedBackdrop.pixels, nullptr);
}

// The shipped tree (416 x 480) standing centred on column 200 of an 800 x 600 screen.
TEST(ShippedTree, DecorationsHangWithinTheStandingTree) {
    SetLogCallback(nullptr);
    TestScreen screen(800, 600);
    LoadAssets();
    ASSERT_EQ(assetSet.tree->width, 416);
    ASSERT_EQ(assetSet.tree->height, 480);
    for (uint32_t seed : {1u, 2u, 31337u}) {
        PrepareSceneSeeded(seed);
        for (int32_t i = 0; i < kDecorationCount; ++i) {
            const Decoration& d = decorations[i];
            EXPECT_GE(d.targetY, 600 - 480) << seed << " " << i;
            EXPECT_LE(d.targetY, 600 - 41) << seed << " " << i;
            EXPECT_GE(d.targetX, -8) << seed << " " << i;
            EXPECT_LE(d.targetX, 407) << seed << " " << i;
            EXPECT_LE(d.treeLeftX, d.targetX) << seed << " " << i;
            EXPECT_EQ(d.pathStartX, 60 * i + 830) << seed << " " << i;
        }
    }
    ReleaseDimmedBackdrop();
    ReleaseAssets();
}

}  // namespace
