#include "platform/sys_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/sys_main.h"
#include "platform/sys_video.h"

namespace {

// Sample counts beyond the driver's are refused in the GL window's tests.
TEST(SysGLTest, SoftwareRasteriserRefusesAcceleratedFormats) {
    HeadlessOptions options;
    options.gl = true;
    Sys_StartHeadless(options);
    if (!Sys_OpenWindow("", 4, 4, PixelFormat())) {
        Sys_Stop();
        GTEST_SKIP() << "no GL on this machine";
    }
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    PixelFormat accelerated;
    accelerated.accelerated = true;
    const bool available = Sys_GLFormatAvailable(accelerated);
    Sys_Stop();
    if (renderer.find("llvmpipe") == std::string::npos)
        GTEST_SKIP() << "not Mesa's software rasteriser: " << renderer;
    EXPECT_FALSE(available);
}

}  // namespace
