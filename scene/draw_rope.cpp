#include <cmath>
#include <limits>

#include "scene/asset_set.h"
#include "scene/rope_layout.h"
#include "scene/sprite_blit.h"
#include "scene/sprite_drawing.h"

namespace {

constexpr float kQuarterTurn = 1.5707964f;  // pi / 2 in single precision

// Truncation toward zero that stays defined for centres pushed past the 32-bit range.
int32_t TruncateToInt32(float value) {
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::fmax(kLow, std::fmin(kHigh, static_cast<double>(value))));
}

}  // namespace

RopeLayout LayOutRope(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    const double dx = static_cast<double>(int64_t{toX} - fromX);
    const double dy = static_cast<double>(int64_t{toY} - fromY);
    const double steps = std::sqrt(dx * dx + dy * dy) * 0.125;
    RopeLayout layout{};
    layout.segments = static_cast<int32_t>(steps);
    if (layout.segments == 0) {
        return layout;
    }
    layout.stepX = static_cast<float>(dx * (1 / steps));
    layout.stepY = static_cast<float>(dy * (1 / steps));
    layout.angle = static_cast<float>(
        kQuarterTurn - std::atan2(static_cast<double>(layout.stepY), static_cast<double>(layout.stepX)));
    return layout;
}

void DrawRope(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    const RopeLayout layout = LayOutRope(fromX, fromY, toX, toY);
    if (layout.segments == 0) {
        return;
    }
    const double turn = layout.angle;
    const float sine = static_cast<float>(std::sin(turn));
    const float cosine = static_cast<float>(std::cos(turn));
    float x = static_cast<float>(fromX);
    float y = static_cast<float>(fromY);
    for (int32_t k = 0; k < layout.segments; ++k) {
        DrawSpriteTurned(*assetSet.rope, TruncateToInt32(x), TruncateToInt32(y), sine, cosine);
        x += layout.stepX;
        y += layout.stepY;
    }
}
