// The game's start-up, main loop and menu, run whole on the headless back
// end: a script plays the user, and a stand-in frame function watches.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "core/fatal_error.h"
#include "core/keys.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "shell/game_main.h"
#include "shell/resources.h"
#include "support/headless_script.h"

namespace {

int g_framesBeforeInit = 0;
std::vector<uint8_t> g_rightHeldAtFrame;  // one entry per frame

void WatchingFrame() {
    g_framesBeforeInit += GameState == 0;
    g_rightHeldAtFrame.push_back(KeyDown[kKeyRight]);
}

size_t Frames() {
    return g_rightHeldAtFrame.size();
}

uint32_t NextFrameSoon() {
    return FrameStartTick + 1;
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_framesBeforeInit = 0;
        g_rightHeldAtFrame.clear();
        std::memset(KeyDown, 0, sizeof(KeyDown));
        MainLoopFrame = WatchingFrame;
        MainLoopNextDue = NextFrameSoon;
        Restart();
    }
    void TearDown() override {
        MainLoopFrame = GameFrame;
        MainLoopNextDue = GameFrameNextDue;
        Sys_Stop();
    }
    // Runs the program until it ends; every step of the script must have run.
    int Run() {
        int status = RunGame();
        EXPECT_EQ(script->StepsLeft(), 0u);
        return status;
    }
    void Restart(const HeadlessOptions& options = HeadlessOptions()) {
        Sys_Stop();
        Sys_StartHeadless(options);
        script = std::make_unique<HeadlessScript>();
    }

    std::unique_ptr<HeadlessScript> script;
};

TEST_F(ShellTest, CloseEndsTheLoopAtOnceAndLeavesLaterEvents) {
    script->Add([] {
        Sys_DeliverKey('A', true);
        Sys_PushEvent({EventType::Close});
        Sys_DeliverKey('B', true);
    });
    EXPECT_EQ(Run(), kExitNormal);
    EXPECT_EQ(KeyDown['A'], 1);
    EXPECT_EQ(KeyDown['B'], 0);
    EXPECT_GT(Frames(), 0u);
    EXPECT_EQ(g_framesBeforeInit, 0);
}

TEST_F(ShellTest, InputBeforeAPassIsHandledBeforeItsFrame) {
    script->Add([] { Sys_DeliverKey(kKeyRight, true); });
    script->Add([] {
        EXPECT_EQ(g_rightHeldAtFrame.back(), 1);
        Sys_DeliverKey(kKeyRight, false);
    });
    script->Add([] { EXPECT_EQ(g_rightHeldAtFrame.back(), 0); });
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, FileExitCloseButtonAndAltF4EndWithZero) {
    script->Add([] { Sys_PushEvent({EventType::Command, kCommandExit}); });
    EXPECT_EQ(Run(), kExitNormal);
    Restart();
    script->Add([] { Sys_PushEvent({EventType::Close}); });
    EXPECT_EQ(Run(), kExitNormal);
    Restart();
    script->Add([] { Sys_DeliverKey(kKeyF4, true, false, true); });
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, DataErrorShowsOneBoxAndEndsWithItsStatus) {
    script->Add([] {
        ShowFatalError("Couldn't load model data.");
        ShowFatalError("A second missing model.");
    });
    EXPECT_EQ(Run(), kExitDataError);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].text, "Couldn't load model data.");
    EXPECT_EQ(Headless_Shown()[0].caption, "Unrecoverable Logic Error");
    EXPECT_TRUE(Headless_Shown()[0].error);
}

TEST_F(ShellTest, NoGLContextSaysSoAndEnds) {
    HeadlessOptions options;
    options.glUnavailable = true;
    Restart(options);
    EXPECT_EQ(Run(), kExitNoGLContext);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_NE(Headless_Shown()[0].text.find("OpenGL"), std::string::npos);
    EXPECT_EQ(Frames(), 0u);
}

// The dialog shows its text; the game stands still until OK closes it.
void CheckInfoDialog(HeadlessScript* script, int command, const char* caption, const char* text) {
    static size_t framesAtOpen;
    script->Add([command] { Sys_PushEvent({EventType::Command, command}); });
    script->Add([] {
        framesAtOpen = Frames();
        Headless_AdvanceClock(500);
    });
    script->Add([] {
        EXPECT_EQ(Frames(), framesAtOpen);
        Sys_CloseDialog();
    });
    script->Add([] { EXPECT_GT(Frames(), framesAtOpen); });
    EXPECT_EQ(RunGame(), kExitNormal);
    EXPECT_EQ(script->StepsLeft(), 0u);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, caption);
    EXPECT_EQ(Headless_Shown()[0].text.rfind(text, 0), 0u) << Headless_Shown()[0].text;
}

TEST_F(ShellTest, InfoDialogsHoldTheGameUntilOk) {
    CheckInfoDialog(script.get(), kCommandControls, "Controls",
                    "Left/Right - Move\nSpacebar - Explode Bomb\n"
                    "Up - Activate Switch, Enter Door, Climb\nX - Reset to Last Checkpoint");
    Restart();
    CheckInfoDialog(script.get(), kCommandAbout, "About", "Korvath\nTwo Level Demo\n\n");
}

}  // namespace
