// The GL window and the renderer it owns: the renderer's choice of format,
// its set-up, sizing and end, on a hidden window of the headless back end.

#include "render/gl_window.h"

#include <gtest/gtest.h>

#include "platform/sys_headless.h"
#include "platform/sys_main.h"

namespace {

// Counts what the window asks of it; picks `choice` when given.
struct RecordingRenderer : GLRenderer {
    struct Log {
        int inits = 0, shutdowns = 0, draws = 0, destroyed = 0, width = -1, height = -1;
        PixelFormat offered;
    };
    RecordingRenderer(Log* log, const PixelFormat* choice) : log(log), choice(choice) {}
    ~RecordingRenderer() override { ++log->destroyed; }
    void Draw() override { ++log->draws; }
    PixelFormat PickPixelFormat(const PixelFormat& format) override {
        log->offered = format;
        return choice ? *choice : format;
    }
    void Resize(int width, int height) override { log->width = width, log->height = height; }
    void Init() override { ++log->inits; }
    void Shutdown() override { ++log->shutdowns; }
    Log* log;
    const PixelFormat* choice;
};

class GLWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        if (!Sys_GLFormatAvailable(PixelFormat()))
            GTEST_SKIP() << "no GL on this machine";
    }
    void TearDown() override { Sys_Stop(); }
    bool Open(const PixelFormat* choice = nullptr) {
        return OpenGLWindow("t", 320, 240, std::make_unique<RecordingRenderer>(&log, choice));
    }

    RecordingRenderer::Log log;
};

TEST_F(GLWindowTest, TheRendererIsSetUpSizedAndEndedWithTheWindow) {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(log.offered == PixelFormat());
    EXPECT_EQ(log.inits, 1);
    EXPECT_EQ(log.width * 1000 + log.height, 320240);
    ResizeGLWindow(640, 0);  // minimised: no height
    EXPECT_EQ(log.width * 1000 + log.height, 640001);
    RenderGLWindow();
    EXPECT_EQ(log.draws, 1);
    CloseGLWindow();
    EXPECT_EQ(log.shutdowns, 1);
    EXPECT_EQ(log.destroyed, 1);
    RenderGLWindow();
    EXPECT_EQ(log.draws, 1);
}

}  // namespace
