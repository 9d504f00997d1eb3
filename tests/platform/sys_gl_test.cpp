#include "platform/sys_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

class SysGLTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SDL_VIDEODRIVER", "offscreen", 0); }
};

TEST_F(SysGLTest, OffscreenSurfaceClearsAndReadsBack) {
    PixelFormat format;
    HDC surface = Sys_CreateOffscreenSurface(16, 16, format);
    if (!surface)
        GTEST_SKIP() << "no GL surface can be made on this machine";
    HGLRC context = Sys_GLCreateContext(surface);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(Sys_GLMakeCurrent(surface, context));
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(8, 8, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_GE(Sys_GLCurrentFormat().depthBits, 16);
    Sys_GLMakeCurrent(nullptr, nullptr);
    Sys_GLDeleteContext(context);
    Sys_DestroySurface(surface);
}

TEST_F(SysGLTest, PlainFormatIsAvailable) {
    if (!Sys_GLFormatAvailable(PixelFormat()))
        GTEST_SKIP() << "no GL on this machine";
    PixelFormat absurd;
    absurd.sampleBuffers = 1;
    absurd.samples = 64;
    EXPECT_FALSE(Sys_GLFormatAvailable(absurd));
}

}  // namespace

namespace {

TEST(SysGLAccelerationTest, SoftwareRasteriserRefusesAcceleratedFormats) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    PixelFormat plain;
    HDC surface = Sys_CreateOffscreenSurface(4, 4, plain);
    if (!surface)
        GTEST_SKIP() << "no GL surface can be made on this machine";
    HGLRC context = Sys_GLCreateContext(surface);
    ASSERT_NE(context, nullptr);
    Sys_GLMakeCurrent(surface, context);
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const bool software = renderer && std::strstr(renderer, "llvmpipe");
    Sys_GLMakeCurrent(nullptr, nullptr);
    Sys_GLDeleteContext(context);
    Sys_DestroySurface(surface);
    if (!software)
        GTEST_SKIP() << "not Mesa's software rasteriser: " << (renderer ? renderer : "?");
    PixelFormat accelerated = plain;
    accelerated.accelerated = true;
    EXPECT_FALSE(Sys_GLFormatAvailable(accelerated));
    EXPECT_TRUE(Sys_GLFormatAvailable(plain));
}

}  // namespace
