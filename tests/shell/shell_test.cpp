// The game's start-up, main loop and menu, run whole on the headless back
// end: a script plays the user, and a stand-in frame function watches.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/fatal_error.h"
#include "core/keys.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_gl.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "shell/game_main.h"
#include "shell/resources.h"
#include "support/headless_script.h"

namespace {

int g_framesBeforeInit = 0;
std::vector<uint8_t> g_rightHeldAtFrame;  // one entry per frame

void WatchingFrame() {
    g_framesBeforeInit += MainLoop().game.position.GameState == kGameNotStarted;
    g_rightHeldAtFrame.push_back(MainLoop().KeyDown[kKeyRight]);
}

uint32_t NextFrameSoon() {
    return MainLoop().FrameStartTick + 1;
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_framesBeforeInit = 0;
        g_rightHeldAtFrame.clear();
        MainLoopFrame = WatchingFrame;
        MainLoopNextDue = NextFrameSoon;
        Restart();
    }
    void TearDown() override {
        MainLoopFrame = MainLoopGameFrame;
        MainLoopNextDue = MainLoopGameFrameNextDue;
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

// Close ends the loop at once and leaves the events after it.
TEST_F(ShellTest, FileExitCloseButtonAndAltF4EndWithZero) {
    script->Add([] {
        Sys_DeliverKey('A', true);
        Sys_PushEvent({EventType::Close});
        Sys_DeliverKey('B', true);
    });
    EXPECT_EQ(Run(), kExitNormal);
    EXPECT_EQ(MainLoop().KeyDown['A'], 1);
    EXPECT_EQ(MainLoop().KeyDown['B'], 0);
    EXPECT_GT(g_rightHeldAtFrame.size(), 0u);
    EXPECT_EQ(g_framesBeforeInit, 0);
    Restart();
    script->Add([] { Sys_PushEvent({EventType::Command, kCommandExit}); });
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
    EXPECT_EQ(g_rightHeldAtFrame.size(), 0u);
}

// Clicks where the menu bar, its popups and the Controls dialog show their
// items in the 800 x 600 window, drawn with offscreen GL: a press in one
// frame, the release in a later one. A dialog holds the game until OK.
TEST_F(ShellTest, MenuClicksOpenTheDialogsThatHoldTheGameUntilOk) {
    HeadlessOptions options;
    options.gl = true;
    Restart(options);
    if (!Sys_GLFormatAvailable(PixelFormat()))
        GTEST_SKIP() << "no GL on this machine";
    static size_t framesAtOpen;
    const auto click = [this](int x, int y) {
        for (bool down : {true, false})
            script->Add([x, y, down] { Headless_Mouse(x, y, down); });
    };
    script->Add([] { Headless_Mouse(400, 300, false); });
    click(114, 10);  // Info
    click(138, 51);  // Controls
    script->Add([] {
        framesAtOpen = g_rightHeldAtFrame.size();
        Headless_AdvanceClock(500);
    });
    script->Add([] { EXPECT_EQ(g_rightHeldAtFrame.size(), framesAtOpen); });
    click(400, 445);  // OK
    script->Add([] {
        EXPECT_FALSE(Sys_ShownDialog());
        EXPECT_GT(g_rightHeldAtFrame.size(), framesAtOpen);
        Sys_PushEvent({EventType::Command, kCommandAbout});
    });
    script->Add([] { Sys_CloseDialog(); });
    click(26, 10);  // File
    click(36, 34);  // Exit
    script->Add([] { ADD_FAILURE() << "still running after File > Exit"; });
    EXPECT_EQ(RunGame(), kExitNormal);
    EXPECT_EQ(script->StepsLeft(), 1u);
    ASSERT_EQ(Headless_Shown().size(), 2u);
    EXPECT_EQ(Headless_Shown()[0].caption, "Controls");
    EXPECT_EQ(Headless_Shown()[1].caption, "About");
}

}  // namespace
