// The full-screen picture: as large as fits with its 4:3 shape kept, centred
// between bars, and the pointer on the screen taken back to the picture.

#include <gtest/gtest.h>

#include "platform/sys_picture_fit.h"

namespace {

void ExpectRect(const ScreenRect& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

TEST(PictureFitTest, ScaledToFitBetweenBarsAtTheSidesOrAboveAndBelow) {
    ExpectRect(FitPicture(800, 600, 1920, 1080), 240, 0, 1440, 1080);  // wide: bars at the sides
    ExpectRect(FitPicture(800, 600, 1280, 1024), 0, 32, 1280, 960);    // tall: above and below
    ExpectRect(FitPicture(800, 600, 1366, 768), 171, 0, 1024, 768);
    ExpectRect(FitPicture(800, 600, 1024, 768), 0, 0, 1024, 768);  // same shape: no bars
    ExpectRect(FitPicture(800, 600, 800, 600), 0, 0, 800, 600);
}

TEST(PictureFitTest, ThePointerIsTakenBackToThePicturesPoint) {
    const ScreenRect shown = FitPicture(800, 600, 1920, 1080);
    float x = 240.0f + 114.0f * 1.8f, y = 10.0f * 1.8f;  // where Info shows
    ScreenToPicture(shown, 800, 600, &x, &y);
    EXPECT_FLOAT_EQ(x, 114.0f);
    EXPECT_FLOAT_EQ(y, 10.0f);
    x = 100.0f;  // on the left bar: left of the picture
    ScreenToPicture(shown, 800, 600, &x, &y);
    EXPECT_LT(x, 0.0f);
    const ScreenRect tall = FitPicture(800, 600, 1280, 1024);
    x = 1279.0f, y = 32.0f + 959.0f;
    ScreenToPicture(tall, 800, 600, &x, &y);
    EXPECT_FLOAT_EQ(x, 799.375f);
    EXPECT_FLOAT_EQ(y, 599.375f);
}

}  // namespace
