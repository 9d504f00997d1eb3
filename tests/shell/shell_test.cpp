// The shell run whole on the headless back end: a script plays the user.

#include <gtest/gtest.h>

#include <cstring>

#include "core/fatal_error.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "render/gl_window.h"
#include "shell/exit_status.h"
#include "shell/resources.h"
#include "shell/shell_state.h"
#include "shell/win_main.h"

namespace {

int g_frames = 0;
int g_framesBeforeInit = 0;

void CountingFrame(HWND) {
    ++g_frames;
    if (GameState == 0)
        ++g_framesBeforeInit;
}

uint32_t NextFrameSoon() {
    return FrameStartTick + 1;
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_frames = 0;
        g_framesBeforeInit = 0;
        std::memset(KeyDown, 0, sizeof(KeyDown));
        MainLoopFrame = CountingFrame;
        MainLoopNextDue = NextFrameSoon;
        Sys_StartHeadless(HeadlessOptions());
    }
    void TearDown() override {
        MainLoopFrame = GameFrame;
        MainLoopNextDue = GameFrameNextDue;
        Sys_Stop();
    }
    // Runs the program until it ends; every step of the script must have run.
    static int Run() {
        int status = WinMain(Sys_ProcessInstance(), SW_SHOW);
        EXPECT_EQ(Headless_StepsLeft(), 0u);
        return status;
    }
    static void Restart(const HeadlessOptions& options = HeadlessOptions()) {
        Sys_Stop();
        Sys_StartHeadless(options);
    }
};

TEST_F(ShellTest, QuitEndsTheLoopAtOnceAndLeavesLaterMessages) {
    Headless_AddStep([] {
        PostMessage(MainWindow, WM_KEYDOWN, 'A', 0);
        PostQuitMessage(0);
        PostMessage(MainWindow, WM_KEYDOWN, 'B', 0);
    });
    EXPECT_EQ(Run(), kExitNormal);
    EXPECT_EQ(KeyDown['A'], 1);
    EXPECT_EQ(KeyDown['B'], 0);
    EXPECT_GT(g_frames, 0);
    EXPECT_EQ(g_framesBeforeInit, 0);
}

TEST_F(ShellTest, StartUpLeavesTheShellInitialised) {
    Headless_AddStep([] {
        EXPECT_EQ(GameState, 1);
        EXPECT_EQ(ClientWidth, 800);
        EXPECT_EQ(ClientHeight, 580);  // below the 20-pixel menu bar
        ASSERT_NE(GLWindow, nullptr);
        RECT rect;
        GetWindowRect(GLWindow, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, 800);
        EXPECT_EQ(rect.bottom, 580);
        EXPECT_NE(Cursors[0], nullptr);
        EXPECT_EQ(CursorMode, 0);
    });
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, KeyTableFollowsDownUpAndRepeat) {
    Headless_AddStep([] {
        Headless_Key(VK_RIGHT, true);
        Headless_Key(VK_SPACE, true);
    });
    Headless_AddStep([] {
        EXPECT_EQ(KeyDown[0x27], 1);
        Headless_Key(VK_RIGHT, true, true);  // auto-repeat
        Headless_Key(VK_SPACE, false);
    });
    Headless_AddStep([] {
        EXPECT_EQ(KeyDown[0x27], 1);
        EXPECT_EQ(KeyDown[0x20], 0);
        Headless_Key(VK_RIGHT, false);
        SendMessage(MainWindow, WM_KEYDOWN, 0x1000, 0);  // outside the table: ignored
    });
    Headless_AddStep([] { EXPECT_EQ(KeyDown[0x27], 0); });
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, FileExitAndCloseEndWithZero) {
    Headless_AddStep([] { PostMessage(MainWindow, WM_COMMAND, ID_FILE_EXIT, 0); });
    EXPECT_EQ(Run(), kExitNormal);
    Restart();
    Headless_AddStep([] { Headless_Close(); });
    EXPECT_EQ(Run(), kExitNormal);
    Restart();
    Headless_AddStep([] { Headless_Key(VK_F4, true, false, true); });  // Alt+F4
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, DataErrorShowsOneBoxAndEndsWithItsStatus) {
    Headless_AddStep([] {
        ShowFatalError("Couldn't load model data.");
        ShowFatalError("A second missing model.");
    });
    EXPECT_EQ(Run(), kExitDataError);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].text, "Couldn't load model data.");
    EXPECT_EQ(Headless_Shown()[0].caption, "Unrecoverable Logic Error");
    EXPECT_EQ(Headless_Shown()[0].type, unsigned(MB_OK | MB_ICONHAND));
}

TEST_F(ShellTest, NoGLContextSaysSoAndEnds) {
    HeadlessOptions options;
    options.glUnavailable = true;
    Restart(options);
    EXPECT_EQ(Run(), kExitNoGLContext);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_NE(Headless_Shown()[0].text.find("OpenGL"), std::string::npos);
    EXPECT_EQ(g_frames, 0);
}

// Escape leaves the dialog open, OK closes it, and the game stands still
// while it is open.
void CheckInfoDialog(int command, const char* caption) {
    static int framesAtOpen;
    Headless_AddStep([command] { PostMessage(MainWindow, WM_COMMAND, command, 0); });
    Headless_AddStep([] {
        framesAtOpen = g_frames;
        Headless_Key(VK_ESCAPE, true);
    });
    Headless_AddStep([] {
        EXPECT_NE(Sys_ActiveDialog(), nullptr);
        Headless_AdvanceClock(500);
    });
    Headless_AddStep([] {
        EXPECT_EQ(g_frames, framesAtOpen);
        Headless_PressDialogButton(IDOK);
    });
    Headless_AddStep([] {
        EXPECT_EQ(Sys_ActiveDialog(), nullptr);
        EXPECT_GT(g_frames, framesAtOpen);
    });
    EXPECT_EQ(WinMain(Sys_ProcessInstance(), SW_SHOW), kExitNormal);
    EXPECT_EQ(Headless_StepsLeft(), 0u);
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, caption);
}

TEST_F(ShellTest, InfoDialogsCloseOnlyWithOk) {
    CheckInfoDialog(ID_INFO_CONTROLS, "Controls");
    EXPECT_EQ(Headless_Shown()[0].text,
              "Left/Right - Move\nSpacebar - Explode Bomb\n"
              "Up - Activate Switch, Enter Door, Climb\nX - Reset to Last Checkpoint");
    Restart();
    CheckInfoDialog(ID_INFO_ABOUT, "About");
    EXPECT_EQ(Headless_Shown()[0].text.rfind("Korvath\nTwo Level Demo\n\n", 0), 0u);
}

TEST_F(ShellTest, SizeMovesTheGLWindowToTheWholeClientArea) {
    Headless_AddStep([] {
        SendMessage(MainWindow, WM_SIZE, 0, MAKELPARAM(1280, 980));
        EXPECT_EQ(ClientWidth, 1280);
        EXPECT_EQ(ClientHeight, 980);
        RECT rect;
        GetWindowRect(GLWindow, &rect);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, 1280);
        EXPECT_EQ(rect.bottom, 980);
    });
    EXPECT_EQ(Run(), kExitNormal);
}

TEST_F(ShellTest, WheelSetsTheCursorOnlyWithoutButtonsHeld) {
    Headless_AddStep([] {
        SetCursor(nullptr);
        SendMessage(MainWindow, WM_MOUSEWHEEL, MK_LBUTTON, 0);
        EXPECT_EQ(GetCursor(), nullptr);
        SendMessage(MainWindow, WM_MOUSEWHEEL, WPARAM(120) << 16, 0);
        EXPECT_EQ(GetCursor(), Cursors[0]);
        SetCursor(nullptr);
        SendMessage(GLWindow, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // over the GL view
        EXPECT_EQ(GetCursor(), Cursors[0]);
    });
    EXPECT_EQ(Run(), kExitNormal);
}

}  // namespace
