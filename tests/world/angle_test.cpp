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
    EXPECT_EQ(WrapAngle(360.0f), 360.0f);
    EXPECT_EQ(WrapAngle(375.0f), 15.0f);
    EXPECT_EQ(WrapAngle(-15.0f), 345.0f);
    EXPECT_EQ(WrapAngle(0.0f), 0.0f);
    EXPECT_EQ(WrapAngle(720.0f), 360.0f);
    EXPECT_EQ(WrapAngle(-360.0f), 0.0f);
    EXPECT_EQ(WrapAngle(800.0f), 440.0f);  // one step only
    float a = 370.0f;
    WrapAngle(&a);
    EXPECT_EQ(a, 10.0f);
}

TEST(AngleTest, TieTurnsUpwards) {
    std::vector<float> up = Turn(90.0f, 270.0f);
    ASSERT_EQ(up.size(), 12u);
    EXPECT_EQ(up.front(), 105.0f);
    EXPECT_EQ(up[10], 255.0f);
    EXPECT_EQ(up.back(), 270.0f);

    std::vector<float> through = Turn(270.0f, 90.0f);
    std::vector<float> expected = {285, 300, 315, 330, 345, 360, 15, 30, 45, 60, 75, 90};
    EXPECT_EQ(through, expected);
}

TEST(AngleTest, SeamAndNearRules) {
    EXPECT_EQ(Turn(350.0f, 10.0f), std::vector<float>{10.0f});
    EXPECT_EQ(Turn(0.0f, 20.0f), std::vector<float>{20.0f});
    EXPECT_EQ(Turn(20.0f, 0.0f), std::vector<float>{0.0f});
    EXPECT_EQ(Turn(330.0f, 0.0f), (std::vector<float>{345.0f, 360.0f, 0.0f}));
}

TEST(AngleTest, ShortWayDown) {
    EXPECT_EQ(Turn(180.0f, 90.0f).front(), 165.0f);
    EXPECT_EQ(Turn(90.0f, 0.0f), (std::vector<float>{75, 60, 45, 30, 15, 0}));
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
