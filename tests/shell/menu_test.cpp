// The menu bar and the dialog's OK button as a user clicks them, drawn with
// offscreen GL.

#include <gtest/gtest.h>

#include <memory>

#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
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

// Where the menu bar, its popups and the Controls dialog show their items
// in the 800 x 600 window.
struct Spot {
    int x, y;
};
constexpr Spot kFile{26, 10}, kExit{36, 34}, kInfo{70, 10}, kControls{94, 51}, kOk{392, 345};

// A click: press in one frame, release in a later one.
void Click(HeadlessScript* script, Spot spot) {
    for (bool down : {true, false})
        script->Add([spot, down] { Headless_Mouse(spot.x, spot.y, down); });
}

TEST_F(MenuTest, ClicksOpenTheControlsCloseThemWithOkAndExit) {
    script->Add([] { Headless_Mouse(400, 300, false); });
    Click(script.get(), kInfo);
    Click(script.get(), kControls);
    script->Add([] { EXPECT_TRUE(Sys_ShownDialog()); });
    Click(script.get(), kOk);
    script->Add([] { EXPECT_FALSE(Sys_ShownDialog()); });
    Click(script.get(), kFile);
    Click(script.get(), kExit);
    script->Add([] { ADD_FAILURE() << "still running after File > Exit"; });
    EXPECT_EQ(RunGame(), kExitNormal);
    EXPECT_EQ(script->StepsLeft(), 1u);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, "Controls");
}

}  // namespace
