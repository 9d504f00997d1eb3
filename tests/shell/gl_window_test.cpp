#include "render/gl_window.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "platform/sys_headless.h"
#include "platform/sys_main.h"

namespace {

struct RendererLog {
    int inits = 0, shutdowns = 0, draws = 0, destroyed = 0;
    int width = -1, height = -1;
    PixelFormat offered;
};

class RecordingRenderer : public GLRenderer {
  public:
    RecordingRenderer(RendererLog* log, const PixelFormat* choice = nullptr)
        : log_(log), choice_(choice) {}
    ~RecordingRenderer() override { ++log_->destroyed; }
    void Draw() override { ++log_->draws; }
    PixelFormat PickPixelFormat(HDC dc, const PixelFormat& format) override {
        log_->offered = format;
        return choice_ ? *choice_ : GLRenderer::PickPixelFormat(dc, format);
    }
    void Resize(int width, int height) override {
        log_->width = width;
        log_->height = height;
    }
    void Init() override { ++log_->inits; }
    void Shutdown() override { ++log_->shutdowns; }

  private:
    RendererLog* log_;
    const PixelFormat* choice_;
};

LRESULT ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}

class GLWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Start(HeadlessOptions()); }
    void TearDown() override { Sys_Stop(); }

    void Start(const HeadlessOptions& options) {
        Sys_Stop();
        Sys_StartHeadless(options);
        ASSERT_TRUE(RegisterGLWindowClasses(nullptr));
        WNDCLASSEX cls{};
        cls.lpfnWndProc = ParentProc;
        cls.menuId = 1;
        cls.lpszClassName = "Parent";
        RegisterClassEx(&cls);
        parent_ = CreateWindowEx(0, "Parent", "", 0, 0, 0, 320, 240, nullptr, 0, nullptr, nullptr);
    }
    HWND Create(GLRenderer* renderer, PixelFormat* pfd) {
        RECT rect{0, 40, 600, 640};
        return CreateGLWindow(nullptr, parent_, WS_CHILD | WS_VISIBLE, 0, rect, renderer, pfd);
    }

    HWND parent_ = nullptr;
    RendererLog log;  // outlives the windows, which Sys_Stop destroys
};

TEST_F(GLWindowTest, SecondRegistrationSucceedsWithoutRegisteringAgain) {
    EXPECT_TRUE(RegisterGLWindowClasses(nullptr));
    WNDCLASSEX cls{};
    ASSERT_TRUE(GetClassInfoEx(nullptr, "OpenGL1.0", &cls));
    EXPECT_EQ(cls.lpfnWndProc, GLWindowProc);
    EXPECT_EQ(cls.cbWndExtra, 1);
    EXPECT_TRUE(GetClassInfoEx(nullptr, "StupidOpenGL1.0", nullptr));
}

TEST_F(GLWindowTest, RendererKeepingTheDefaultGetsExactlyIt) {
    PixelFormat pfd;
    pfd.doubleBuffer = false;  // the window asks for double buffering itself
    HWND window = Create(new RecordingRenderer(&log), &pfd);
    ASSERT_NE(window, nullptr);
    PixelFormat expected;
    EXPECT_TRUE(pfd == expected);
    EXPECT_TRUE(log.offered == expected);
    EXPECT_TRUE(GetPixelFormat(GetDC(window)) == expected);
    EXPECT_EQ(log.inits, 1);
    EXPECT_EQ(log.width, 600);
    EXPECT_EQ(log.height, 600);
}

TEST_F(GLWindowTest, SizingAndPaintingReachTheRendererAndDestructionEndsIt) {
    PixelFormat pfd;
    HWND window = Create(new RecordingRenderer(&log), &pfd);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 0, 0, 640, 0, 0);  // minimised: no height
    EXPECT_EQ(log.width, 640);
    EXPECT_EQ(log.height, 1);
    SendMessage(window, WM_PAINT, 0, 0);
    EXPECT_EQ(log.draws, 1);
    EXPECT_EQ(SendMessage(window, WM_ERASEBKGND, 0, 0), 1);
    DestroyWindow(window);
    EXPECT_EQ(log.shutdowns, 1);
    EXPECT_EQ(log.destroyed, 1);
}

int DrainMessages() {
    int count = 0;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessage(&msg);
        ++count;
    }
    return count;
}

// The menu draws over the frames of the GL view, so whatever it needs, the
// view gets a paint: when the window is shown and when the pointer moves.
TEST_F(GLWindowTest, ShowingAndPointerInputPaintTheView) {
    PixelFormat pfd;
    ASSERT_NE(Create(new RecordingRenderer(&log), &pfd), nullptr);
    ShowWindow(parent_, SW_SHOW);
    DrainMessages();
    EXPECT_EQ(log.draws, 1);
    DrainMessages();
    EXPECT_EQ(log.draws, 1);
    Headless_Mouse(10, 5, false);  // over the menu bar
    DrainMessages();
    EXPECT_EQ(log.draws, 2);
}

TEST_F(GLWindowTest, WindowWithoutRendererIgnoresPaintAndSize) {
    PixelFormat format;
    GLCreateParams params{nullptr, &format, &format};
    HWND window = CreateWindowEx(0, "OpenGL1.0", "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                 0, 0, 10, 10, parent_, 0, nullptr, &params);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessage(window, WM_SIZE, 0, MAKELPARAM(20, 20)), 0);
    EXPECT_EQ(SendMessage(window, WM_PAINT, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(window));
}

TEST_F(GLWindowTest, CreationIsRefusedWithoutWhatItNeeds) {
    PixelFormat format;
    EXPECT_EQ(Create(nullptr, &format), nullptr);
    RecordingRenderer renderer(&log);
    EXPECT_EQ(Create(&renderer, nullptr), nullptr);
    GLCreateParams noClip{&renderer, &format, &format};
    EXPECT_EQ(
        CreateWindowEx(0, "OpenGL1.0", "", WS_CHILD, 0, 0, 10, 10, parent_, 0, nullptr, &noClip),
        nullptr);
    GLCreateParams noFormat{&renderer, &format, nullptr};
    EXPECT_EQ(CreateWindowEx(0, "OpenGL1.0", "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                             10, 10, parent_, 0, nullptr, &noFormat),
              nullptr);
    EXPECT_EQ(log.inits, 0);  // a refused window never takes the renderer
    EXPECT_EQ(log.destroyed, 0);
}

TEST_F(GLWindowTest, UnobtainableChoiceFallsBackToThePlatformFormat) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    HeadlessOptions options;
    options.gl = true;
    Start(options);
    if (!Sys_GLFormatAvailable(PixelFormat()))
        GTEST_SKIP() << "no GL on this machine";
    PixelFormat impossible;
    impossible.sampleBuffers = 1;
    impossible.samples = 64;
    PixelFormat pfd;
    HWND window = Create(new RecordingRenderer(&log, &impossible), &pfd);
    if (!window)
        GTEST_SKIP() << "this GL driver accepts any sample count up front";
    EXPECT_EQ(log.inits, 1);
    EXPECT_EQ(GetPixelFormat(GetDC(window)).samples, 0);
}

}  // namespace
