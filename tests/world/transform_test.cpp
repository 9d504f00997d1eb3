#include "world/transform.h"

#include <gtest/gtest.h>

namespace {

TEST(TransformTest, CombinationAddsMultipliesAndScalesOpacity) {
    Transform part(10, 20, 30, 1, 2, 3, 2, 3, 4, 50);
    Transform pawn(350, 90, 0, 20, 40, -20, 0.5f, 2, 0.25f, 50);
    Transform c = CombineTransforms(part, pawn);
    EXPECT_EQ(c.xangle, 360.0f);  // not wrapped
    EXPECT_EQ(c.yangle, 110.0f);
    EXPECT_EQ(c.xoffset, 21.0f);  // the part's offset is not turned by the pawn's angles
    EXPECT_EQ(c.yoffset, 42.0f);
    EXPECT_EQ(c.zoffset, -17.0f);
    EXPECT_EQ(c.xstretch, 1.0f);
    EXPECT_EQ(c.ystretch, 6.0f);
    EXPECT_EQ(c.zstretch, 1.0f);
    EXPECT_EQ(c.opacity, 25.0f);
    EXPECT_EQ(part.opacity, 50.0f);
    EXPECT_EQ(Transform(1, 2, 3, 4, 5, 6, 7, 8, 9).opacity, 100.0f);
}

}  // namespace
