#include "render/camera.h"

#include <gtest/gtest.h>

namespace {

TEST(Camera, SettersSetOrAddAndAnglesWrapOneStep) {
    Camera camera;
    EXPECT_EQ(camera.GetDistance(), 5.0f);
    camera.SetXAngle(-30, true);
    EXPECT_EQ(camera.GetXAngle(), 330.0f);
    camera.SetXAngle(50, false);
    EXPECT_EQ(camera.GetXAngle(), 20.0f);
    camera.SetYAngle(360, true);
    EXPECT_EQ(camera.GetYAngle(), 360.0f);
    camera.SetZAngle(800, true);
    EXPECT_EQ(camera.GetZAngle(), 440.0f);
    camera.SetDistance(250, true);
    camera.SetDistance(10, false);
    EXPECT_EQ(camera.GetDistance(), 260.0f);
    camera.SetX(-500, true);
    camera.SetX(-400, false);
    EXPECT_EQ(camera.GetX(), -900.0f);
}

}  // namespace
