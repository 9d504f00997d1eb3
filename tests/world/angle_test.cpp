#include "world/angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Runs ApproachAngle with the caller's wrap until the target is reached.
std::vector<float> Turn(float from, float to, int maxCalls = 40) {
    std::vector<float> seen;
    float a = from;
    for (int i = 0; i < maxCalls && a != to; ++i) {
        ApproachAngle(&a, to, 15.0f);
        WrapAngle(&a);
        seen.push_back(a);
    }
    return seen;
}

TEST(AngleTest, WrapSingleStepEachWay) {
    const std::pair<float, float> wraps[] = {{360, 360}, {375, 15}, {-15, 345}, {0, 0},
                                             {720, 360}, {-360, 0}, {800, 440}};  // one step only
    for (auto [angle, wrapped] : wraps) {
        EXPECT_EQ(WrapAngle(angle), wrapped) << angle;
        WrapAngle(&angle);
        EXPECT_EQ(angle, wrapped);
    }
}

// In steps of 15: a tie turns upwards, near targets are taken at once, and the
// seam at 0/360 is crossed the short way.
TEST(AngleTest, TurnsTheShortWayInSteps) {
    const struct {
        float from, to;
        std::vector<float> seen;
    } turns[] = {{90, 270, {105, 120, 135, 150, 165, 180, 195, 210, 225, 240, 255, 270}},
                 {270, 90, {285, 300, 315, 330, 345, 360, 15, 30, 45, 60, 75, 90}},
                 {350, 10, {10}},
                 {0, 20, {20}},
                 {20, 0, {0}},
                 {330, 0, {345, 360, 0}},
                 {90, 0, {75, 60, 45, 30, 15, 0}},
                 {180, 90, {165, 150, 135, 120, 105, 90}}};
    for (const auto& turn : turns)
        EXPECT_EQ(Turn(turn.from, turn.to), turn.seen) << turn.from << " to " << turn.to;
}

TEST(AngleTest, NonFiniteAndHugeAnglesAreDefined) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    float a = 1e30f;
    ApproachAngle(&a, 0.0f, 15.0f);  // must not be undefined behaviour
    WrapAngle(&a);
    a = inf;
    ApproachAngle(&a, 90.0f, 15.0f);
    EXPECT_TRUE(std::isinf(a));
    a = 90.0f;
    ApproachAngle(&a, -inf, 15.0f);
    EXPECT_TRUE(std::isfinite(a));
    a = nan;
    ApproachAngle(&a, 90.0f, 15.0f);
    a = 45.0f;
    ApproachAngle(&a, nan, 15.0f);
    EXPECT_EQ(a, 45.0f);  // no comparison with NaN holds, so nothing moves
    EXPECT_TRUE(std::isnan(WrapAngle(nan)));
}

}  // namespace
