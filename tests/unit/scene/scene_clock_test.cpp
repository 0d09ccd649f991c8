#include "scene/scene_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(SceneTimeBetween, ConvertsCounterTicksToMilliseconds) {
    const struct {
        int64_t now, start, frequency;
        int32_t t;
    } cases[] = {
        {0, 0, 10000000, 0},
        {15000, 0, 10000000, 1},              // 1.5 ms truncates to 1
        {1000, 3000, 1000, -2000},            // a counter behind the start gives negative time
        {-9999, 0, 10000000, 0},              // truncation toward zero, not toward minus infinity
        // The product (now - start) x 1000 needs 64 bits: 10^13 ticks of a 10 MHz counter.
        {10000000000000LL + 77, 77, 10000000, 1000000000},
        // Only the low 32 bits of the quotient are kept.
        {(int64_t{1} << 32) + 5, 0, 1000, 5},
        {int64_t{1} << 31, 0, 1000, INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SceneTimeBetween(c.now, c.start, c.frequency), c.t) << c.now << " " << c.start;
    }
}

}  // namespace
