#include "scene/sprite_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "scene/asset_set.h"
#include "scene/rope_layout.h"
#include "screen_fixture.h"

namespace {

using Draw = std::function<void(const RgbImage&, int32_t x, int32_t y)>;

struct Primitive {
    const char* name;
    Draw draw;
};

// The three blits, each in a form that moves pixels around non-trivially.
const Primitive kBlits[] = {
    {"DrawSprite", [](const RgbImage& i, int32_t x, int32_t y) { DrawSprite(i, x, y); }},
    {"DrawSpriteRotated",
     [](const RgbImage& i, int32_t x, int32_t y) { DrawSpriteRotated(i, x, y, 0.7f); }},
    {"DrawSpriteScaledY stretched",
     [](const RgbImage& i, int32_t x, int32_t y) { DrawSpriteScaledY(i, x, y, 1.7f); }},
    {"DrawSpriteScaledY squeezed",
     [](const RgbImage& i, int32_t x, int32_t y) { DrawSpriteScaledY(i, x, y, 0.5f); }},
};

TEST(DrawSprite, PutsEveryPixelAtItsPlaceAroundTheCentre) {
    TestScreen screen(16, 12);
    const auto image = MakeNumberedImage(5, 4);  // odd width: the half is 2
    DrawSprite(*image, 8, 6);                    // top-left at (6, 4)
    for (int32_t y = 0; y < 12; ++y) {
        for (int32_t x = 0; x < 16; ++x) {
            const bool inside = x >= 6 && x < 11 && y >= 4 && y < 8;
            if (inside) {
                EXPECT_TRUE(SamePixel(screen.Pixel(x, y), ImageAt(*image, x - 6, y - 4))) << x << "," << y;
            } else {
                EXPECT_TRUE(screen.Untouched(x, y)) << x << "," << y;
            }
        }
    }
}

// Clipping cuts a picture off and never shifts it: a small screen shows exactly the window of what a
// larger screen around it shows.
TEST(SpriteClipping, ShowsExactlyTheVisiblePartAtAnyEdge) {
    constexpr int32_t kW = 16, kH = 12, kMargin = 24;
    const struct {
        int32_t x, y;
    } centres[] = {
        {1, 6},  {15, 6}, {8, 0},  {8, 11}, {0, 0},   {15, 11}, {-1, 13},  // partly off each edge
        {-9, 6}, {25, 6}, {8, -9}, {8, 22}, {-9, -9}, {25, 22},            // wholly off each edge
    };
    const auto image = MakeNumberedImage(5, 4);
    for (const Primitive& blit : kBlits) {
        for (const auto& c : centres) {
            TestScreen large(kW + 2 * kMargin, kH + 2 * kMargin);
            blit.draw(*image, c.x + kMargin, c.y + kMargin);
            ASSERT_FALSE(large.AllUntouched()) << blit.name;
            TestScreen small(kW, kH);
            blit.draw(*image, c.x, c.y);
            EXPECT_EQ(small.frame(), large.Crop(kMargin, kMargin, kW, kH))
                << blit.name << " at " << c.x << "," << c.y;
        }
    }
}

TEST(SpriteClipping, CoordinatesAtTheEndsOfTheRangeChangeNothing) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t x, y;
    } centres[] = {{kMin, 5}, {kMax, 5}, {5, kMin}, {5, kMax}, {kMin, kMax}};
    const auto image = MakeNumberedImage(5, 4);
    TestScreen screen(16, 12);
    for (const Primitive& blit : kBlits) {
        for (const auto& c : centres) {
            blit.draw(*image, c.x, c.y);
        }
    }
    EXPECT_TRUE(screen.AllUntouched());
}

TEST(SpriteTransparency, OnlyPureBlackIsTransparent) {
    const Primitive unchanged[] = {
        {"DrawSprite", [](const RgbImage& i, int32_t x, int32_t y) { DrawSprite(i, x, y); }},
        {"DrawSpriteRotated at 0",
         [](const RgbImage& i, int32_t x, int32_t y) { DrawSpriteRotated(i, x, y, 0.0f); }},
        {"DrawSpriteScaledY at 1",
         [](const RgbImage& i, int32_t x, int32_t y) { DrawSpriteScaledY(i, x, y, 1.0f); }},
    };
    auto image = CreateRgbImage(2, 1);  // black, then (0, 0, 1)
    const uint8_t pixels[] = {0, 0, 0, 0, 0, 1};
    std::copy(pixels, pixels + 6, image->pixels.get());
    for (const Primitive& blit : unchanged) {
        TestScreen screen(4, 3);
        blit.draw(*image, 2, 1);  // left = 1
        EXPECT_TRUE(screen.Untouched(1, 1)) << blit.name;
        EXPECT_TRUE(SamePixel(screen.Pixel(2, 1), pixels + 3)) << blit.name;
    }
}

TEST(DrawSpriteRotated, AtAngleZeroMatchesDrawSpriteAndTouchesNothingElse) {
    auto rope = MakeNumberedImage(8, 8);
    std::fill_n(&rope->pixels[(2 * 8 + 3) * 3], 3, 0);  // a transparent pixel inside
    const struct {
        int32_t x, y;
    } centres[] = {{10, 10}, {1, 18}, {19, 0}};
    for (const auto& c : centres) {
        TestScreen plain(20, 20);
        DrawSprite(*rope, c.x, c.y);
        TestScreen rotated(20, 20);
        DrawSpriteRotated(*rope, c.x, c.y, 0.0f);
        EXPECT_EQ(rotated.frame(), plain.frame()) << c.x << "," << c.y;
    }
}

TEST(DrawSpriteRotated, ImagesTooSmallForASquareDrawNothing) {
    TestScreen screen(8, 8);
    DrawSpriteRotated(*MakeNumberedImage(1, 1), 4, 4, 0.0f);
    DrawSpriteRotated(*MakeNumberedImage(1, 1), 4, 4, 0.3f);
    DrawSpriteRotated(*MakeNumberedImage(0, 0), 4, 4, 0.0f);
    EXPECT_TRUE(screen.AllUntouched());
}

// At a quarter turn (pi/2 in single precision, whose cosine is -4.37e-8, not 0) the tiny cosine
// decides which side of a whole number the mapping lands on, and truncation goes toward zero.
TEST(DrawSpriteRotated, QuarterTurnMapsPixelsAsWorkedOutByHand) {
    constexpr int32_t kCx = 10, kCy = 10;
    TestScreen screen(20, 20);
    const auto image = MakeNumberedImage(8, 8);
    DrawSpriteRotated(*image, kCx, kCy, 1.5707964f);
    const struct {
        int32_t dx, dy;
        int32_t sx, sy;  // -1: left untouched
    } cases[] = {
        {1, -4, 7, 5},    // the source's right edge comes out at the top
        {0, -4, -1, -1},  // 4.0 exactly gives column 8: outside
        {-1, 1, 4, 3},    // -0.99999996 truncates to 0, not -1
        {-5, -1, 5, 0},   // the source's top edge comes out at the left
        {0, -5, -1, -1},  // the top row of the square stays empty
        {0, 0, 4, 4},
    };
    for (const auto& c : cases) {
        const uint8_t* drawn = screen.Pixel(kCx + c.dx, kCy + c.dy);
        if (c.sx < 0) {
            EXPECT_TRUE(screen.Untouched(kCx + c.dx, kCy + c.dy)) << c.dx << "," << c.dy;
        } else {
            EXPECT_TRUE(SamePixel(drawn, ImageAt(*image, c.sx, c.sy)))
                << c.dx << "," << c.dy << " shows " << int(drawn[0]) - 1 << "," << int(drawn[1]) - 1;
        }
    }
    // Only the 10 x 10 square around the centre is touched.
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            if (x < kCx - 5 || x >= kCx + 5 || y < kCy - 5 || y >= kCy + 5) {
                ASSERT_TRUE(screen.Untouched(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(DrawSpriteScaledY, SqueezedBannerShowsEvenlySpacedRowsFromItsTopEdge) {
    TestScreen screen(6, 140);
    const auto banner = MakeNumberedImage(4, 130);
    DrawSpriteScaledY(*banner, 3, 70, 0.05f);  // unscaled top edge at row 5, left at column 1
    const int32_t shownRows[] = {0, 21, 43, 65, 86, 108};
    for (int32_t i = 0; i < 6; ++i) {
        for (int32_t j = 0; j < 4; ++j) {
            EXPECT_TRUE(SamePixel(screen.Pixel(1 + j, 5 + i), ImageAt(*banner, j, shownRows[i])))
                << "row " << i << " column " << j;
        }
    }
    for (int32_t y = 0; y < 140; ++y) {
        for (int32_t x = 0; x < 6; ++x) {
            const bool drawn = y >= 5 && y < 11 && x >= 1 && x < 5;
            if (!drawn) {
                ASSERT_TRUE(screen.Untouched(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(DrawSpriteScaledY, StretchedRepeatsRowsAndScaleOneIsDrawSprite) {
    const auto image = MakeNumberedImage(3, 4);
    TestScreen stretched(5, 12);
    DrawSpriteScaledY(*image, 2, 2, 2.0f);  // top-left at (1, 0)
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(SamePixel(stretched.Pixel(1, i), ImageAt(*image, 0, i / 2))) << i;
    }
    EXPECT_TRUE(stretched.Untouched(1, 8));

    TestScreen plain(5, 12);
    DrawSprite(*image, 2, 5);
    TestScreen scaled(5, 12);
    DrawSpriteScaledY(*image, 2, 5, 1.0f);
    EXPECT_EQ(scaled.frame(), plain.frame());
}

TEST(DrawSpriteScaledY, LessThanOneRowDrawsNothing) {
    const float scales[] = {0.0f, -0.5f, -2.0f, 0.007f, std::numeric_limits<float>::quiet_NaN()};
    const auto banner = MakeNumberedImage(4, 130);
    TestScreen screen(6, 140);
    for (float scale : scales) {
        DrawSpriteScaledY(*banner, 3, 70, scale);
    }
    EXPECT_TRUE(screen.AllUntouched());
}

class Rope : public testing::Test {
protected:
    void SetUp() override {
        assetSet.rope = MakeNumberedImage(8, 8);
        std::fill_n(&assetSet.rope->pixels[(5 * 8 + 1) * 3], 3, 0);
    }
    void TearDown() override { ReleaseAssets(); }
};

TEST_F(Rope, SegmentsStepEightPixelsAlongTheLineFromTheFirstPoint) {
    const struct {
        int32_t fromX, fromY, toX, toY;
        std::vector<std::pair<int32_t, int32_t>> centres;
    } cases[] = {
        {100, 100, 100, 140, {{100, 100}, {100, 108}, {100, 116}, {100, 124}, {100, 132}}},
        {10, 20, 40, 60, {{10, 20}, {14, 26}, {19, 32}, {24, 39}, {29, 45}, {34, 52}}},
        {50, 50, 58, 50, {{50, 50}}},    // 8 apart: one segment on the first point
        {50, 50, 50, 42, {{50, 50}}},
        {50, 50, 57, 50, {}},            // 7 apart: none
        {50, 50, 50, 50, {}},
    };
    for (const auto& c : cases) {
        const RopeLayout layout = LayOutRope(c.fromX, c.fromY, c.toX, c.toY);
        ASSERT_EQ(layout.segments, static_cast<int32_t>(c.centres.size()));
        TestScreen expected(160, 160);
        for (const auto& centre : c.centres) {
            DrawSpriteRotated(*assetSet.rope, centre.first, centre.second, layout.angle);
        }
        TestScreen drawn(160, 160);
        DrawRope(c.fromX, c.fromY, c.toX, c.toY);
        EXPECT_EQ(drawn.frame(), expected.frame()) << c.fromX << "," << c.fromY << " to " << c.toX
                                                   << "," << c.toY;
    }
}

TEST(RopeLayout, AngleTurnsTheSpriteAlongTheRope) {
    const struct {
        int32_t fromX, fromY, toX, toY;
        float angle;
        float tolerance;
    } cases[] = {
        {100, 100, 100, 140, 0.0f, 1e-7f},          // straight down: upright
        {10, 20, 40, 60, 0.6435f, 1e-4f},
        {0, 0, 80, 0, 1.5707964f, 1e-7f},            // to the right
        {0, 0, 0, -80, 3.1415927f, 1e-6f},           // straight up: upside down
    };
    for (const auto& c : cases) {
        const RopeLayout layout = LayOutRope(c.fromX, c.fromY, c.toX, c.toY);
        EXPECT_NEAR(layout.angle, c.angle, c.tolerance) << c.toX << "," << c.toY;
        EXPECT_NEAR(std::hypot(layout.stepX, layout.stepY), 8.0, 1e-5);
    }
}

}  // namespace
