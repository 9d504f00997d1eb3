#pragma once
// An 800 x 600 offscreen GL context with a SceneRenderer initialised for it,
// and read-back helpers for the pixel tests.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sys_main.h"
#include "platform/sys_video.h"
#include "render/scene_renderer.h"

struct Rgba {
    int r, g, b;
};

// The bounding box of the pixels that differ from the clear colour (31, 31,
// 46), rows counted bottom-up as GL does. right < 0 when nothing was drawn.
struct PixelBox {
    int left = 1 << 30, bottom = 1 << 30, right = -1, top = -1;
    bool Empty() const { return right < 0; }
    double CentreY() const { return (bottom + top + 1) / 2.0; }
};

class SceneGLTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 800, kHeight = 600;

    void SetUp() override { OpenContext(PixelFormat()); }
    void TearDown() override { CloseContext(); }

    // A hidden window of the headless back end, without a menu bar.
    bool OpenContext(const PixelFormat& format) {
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        if (!Sys_OpenWindow("", kWidth, kHeight, format))
            return false;
        renderer = std::make_unique<SceneRenderer>();
        renderer->Init();
        renderer->Resize(kWidth, kHeight);
        return true;
    }
    void CloseContext() {
        renderer.reset();
        Sys_Stop();
    }

    static std::vector<unsigned char> ReadFrame() {
        std::vector<unsigned char> pixels(kWidth * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    static Rgba At(const std::vector<unsigned char>& frame, int x, int y) {
        const unsigned char* p = &frame[(y * kWidth + x) * 4];
        return Rgba{p[0], p[1], p[2]};
    }
    static PixelBox DrawnBox(const std::vector<unsigned char>& frame) {
        PixelBox box;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                Rgba c = At(frame, x, y);
                if (c.r == 31 && c.g == 31 && c.b == 46)
                    continue;
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, y), box.top = std::max(box.top, y);
            }
        return box;
    }

    std::unique_ptr<SceneRenderer> renderer;
};

#define SKIP_WITHOUT_GL()                                              \
    do {                                                               \
        if (!renderer)                                                 \
            GTEST_SKIP() << "no offscreen GL context on this machine"; \
    } while (0)
