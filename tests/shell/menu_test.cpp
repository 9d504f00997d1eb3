// The menu bar and the dialog's OK button as a user clicks them, drawn with
// offscreen GL.

#include <gtest/gtest.h>

#include <memory>

#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_gl.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "shell/game_main.h"
#include "support/headless_script.h"

namespace {

// The menu is tested on its own: the game's frames do nothing here.
void IdleFrame() {}
uint32_t NextFrameSoon() {
    return FrameStartTick + 1;
}

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        script = std::make_unique<HeadlessScript>();
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

    std::unique_ptr<HeadlessScript> script;
};

// A click on what the menu drew under this label: press in one frame,
// release in a later one.
void Click(HeadlessScript* script, const char* label) {
    for (bool down : {true, false})
        script->Add([label, down] {
            int x = 0, y = 0;
            ASSERT_TRUE(Sys_MenuItemCenter(label, &x, &y)) << label;
            Headless_Mouse(x, y, down);
        });
}

TEST_F(MenuTest, ClicksOpenTheControlsCloseThemWithOkAndExit) {
    script->Add([] { Headless_Mouse(400, 300, false); });
    Click(script.get(), "&Info");
    Click(script.get(), "&Controls");
    script->Add([] { EXPECT_TRUE(Sys_DialogOpen()); });
    Click(script.get(), "OK");
    script->Add([] { EXPECT_FALSE(Sys_DialogOpen()); });
    Click(script.get(), "&File");
    Click(script.get(), "&Exit");
    script->Add([] { ADD_FAILURE() << "still running after File > Exit"; });
    EXPECT_EQ(RunGame(), kExitNormal);
    EXPECT_EQ(script->StepsLeft(), 1u);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, "Controls");
}

}  // namespace
