#include "render/camera.h"

#include <gtest/gtest.h>

namespace {

TEST(Camera, ConstructionOrder) {
    Camera standard;
    EXPECT_EQ(standard.GetDistance(), 5.0f);
    EXPECT_EQ(standard.GetXAngle(), 0.0f);
    EXPECT_EQ(standard.GetX(), 0.0f);
    Camera explicitCamera(1, 2, 3, 4, 5, 6, 7);
    EXPECT_EQ(explicitCamera.GetXAngle(), 1.0f);
    EXPECT_EQ(explicitCamera.GetYAngle(), 2.0f);
    EXPECT_EQ(explicitCamera.GetZAngle(), 3.0f);
    EXPECT_EQ(explicitCamera.GetX(), 4.0f);
    EXPECT_EQ(explicitCamera.GetY(), 5.0f);
    EXPECT_EQ(explicitCamera.GetZ(), 6.0f);
    EXPECT_EQ(explicitCamera.GetDistance(), 7.0f);
}

TEST(Camera, AngleSettersWrapOneStep) {
    Camera camera;
    camera.SetXAngle(-30, true);
    EXPECT_EQ(camera.GetXAngle(), 330.0f);
    camera.SetXAngle(50, false);
    EXPECT_EQ(camera.GetXAngle(), 20.0f);
    camera.SetYAngle(360, true);
    EXPECT_EQ(camera.GetYAngle(), 360.0f);
    camera.SetZAngle(-400, true);
    EXPECT_EQ(camera.GetZAngle(), -40.0f);
    camera.SetZAngle(800, true);
    EXPECT_EQ(camera.GetZAngle(), 440.0f);
}

TEST(Camera, PlainSettersSetOrAddWithoutWrap) {
    Camera camera;
    camera.SetDistance(250, true);
    camera.SetDistance(10, false);
    EXPECT_EQ(camera.GetDistance(), 260.0f);
    camera.SetX(-500, true);
    camera.SetX(-400, false);
    EXPECT_EQ(camera.GetX(), -900.0f);
    camera.SetY(3, false);
    camera.SetZ(720, true);
    EXPECT_EQ(camera.GetY(), 3.0f);
    EXPECT_EQ(camera.GetZ(), 720.0f);
}

}  // namespace
