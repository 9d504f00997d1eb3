#include "platform/sys_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/sys_main.h"
#include "platform/sys_video.h"

namespace {

class SysGLTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        if (!Sys_GLFormatAvailable(PixelFormat()))
            GTEST_SKIP() << "no GL on this machine";
    }
    void TearDown() override { Sys_Stop(); }
};

TEST_F(SysGLTest, AbsurdSampleCountsAreNotAvailable) {
    PixelFormat absurd;
    absurd.sampleBuffers = 1;
    absurd.samples = 64;
    EXPECT_FALSE(Sys_GLFormatAvailable(absurd));
}

TEST_F(SysGLTest, SoftwareRasteriserRefusesAcceleratedFormats) {
    ASSERT_TRUE(Sys_OpenWindow("", 4, 4, PixelFormat()));
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!renderer || !std::strstr(renderer, "llvmpipe"))
        GTEST_SKIP() << "not Mesa's software rasteriser: " << (renderer ? renderer : "?");
    PixelFormat accelerated;
    accelerated.accelerated = true;
    EXPECT_FALSE(Sys_GLFormatAvailable(accelerated));
}

}  // namespace
