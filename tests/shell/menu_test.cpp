// The menu bar and dialogs as a user clicks them, drawn with offscreen GL.

#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_gl.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "shell/exit_status.h"
#include "shell/win_main.h"

namespace {

// The menu is tested on its own: the game's frames do nothing here.
void IdleFrame(HWND) {}
uint32_t NextFrameSoon() {
    return FrameStartTick + 1;
}

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        MainLoopFrame = IdleFrame;
        MainLoopNextDue = NextFrameSoon;
        if (!Sys_GLFormatAvailable(PixelFormat()))
            GTEST_SKIP() << "no GL on this machine";
    }
    void TearDown() override {
        MainLoopFrame = GameFrame;
        MainLoopNextDue = GameFrameNextDue;
        Sys_Stop();
    }
};

// A click on what the menu drew under this label: press in one frame,
// release in a later one.
void Click(const char* label) {
    Headless_AddStep([label] {
        int x = 0, y = 0;
        ASSERT_TRUE(Sys_MenuItemCenter(label, &x, &y)) << label;
        Headless_Mouse(x, y, true);
    });
    Headless_AddStep([label] {
        int x = 0, y = 0;
        ASSERT_TRUE(Sys_MenuItemCenter(label, &x, &y)) << label;
        Headless_Mouse(x, y, false);
    });
}

TEST_F(MenuTest, ControlsOpensFromTheMenuAndClosesWithOk) {
    Headless_AddStep([] { Headless_Mouse(400, 300, false); });
    Click("&Info");
    Click("&Controls");
    Headless_AddStep([] { Headless_Key(VK_ESCAPE, true); });
    Headless_AddStep([] { EXPECT_NE(Sys_ActiveDialog(), nullptr); });
    Click("OK");
    Headless_AddStep([] { EXPECT_EQ(Sys_ActiveDialog(), nullptr); });
    EXPECT_EQ(WinMain(Sys_ProcessInstance(), SW_SHOW), kExitNormal);
    EXPECT_EQ(Headless_StepsLeft(), 0u);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, "Controls");
}

TEST_F(MenuTest, FileExitEndsTheProgramAtOnce) {
    Headless_AddStep([] { Headless_Mouse(400, 300, false); });
    Click("&File");
    Click("&Exit");
    Headless_AddStep([] { ADD_FAILURE() << "still running after File > Exit"; });
    EXPECT_EQ(WinMain(Sys_ProcessInstance(), SW_SHOW), kExitNormal);
    EXPECT_EQ(Headless_StepsLeft(), 1u);
}

}  // namespace
