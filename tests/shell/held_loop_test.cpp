// The real game on the shipped levels, headless on its own clock: whatever
// held the main loop for 20 s (an open dialog, a window being moved), the
// game stood still meanwhile, and a 60 ms tap of Right once it resumes walks
// the hero exactly one cell. (A slow load resets the flow's timers itself.)

#include <gtest/gtest.h>

#include "core/keys.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "platform/sys_process.h"
#include "render/texture.h"
#include "shell/game_main.h"
#include "shell/menu_commands.h"

namespace {

constexpr uint32_t kHeldMs = 20000;
constexpr uint32_t kTapMs = 60;
constexpr float kCell = 20;

enum class Hold { kDialog, kWindowMove };

// Plays the user on each wait for input: once level 1 has been played for a
// second, holds the loop as `hold` does, taps Right as it resumes, watches
// the hero for two seconds, then closes the window.
class HeldLoopPlayer {
  public:
    explicit HeldLoopPlayer(Hold hold) : hold_(hold) {}

    void OnIdle(uint32_t timeoutMs) {
        const uint32_t now = GetTickCount();
        switch (step_) {
            case Step::kWaitForPlay:
                return WaitForPlay(timeoutMs);
            case Step::kHolding:
                return Sys_ShownDialog() && now - since_ < kHeldMs ? Pass(timeoutMs, kHeldMs)
                                                                   : ResumeWithTap();
            case Step::kTapping:
                return now - since_ < kTapMs ? Pass(timeoutMs, kTapMs) : Release();
            case Step::kWatching:
                return now - since_ < 2000 ? Pass(timeoutMs, 2000) : Finish();
            case Step::kDone:
                return Headless_AdvanceClock(timeoutMs);
        }
    }

    float startX = 0, endX = 0;

  private:
    enum class Step { kWaitForPlay, kHolding, kTapping, kWatching, kDone };

    static float HeroX() { return MainLoop().game.position.PlayerPawn()->Placement.xoffset; }

    // The clock moves on by the wait, but never past `span` after the step began.
    void Pass(uint32_t timeoutMs, uint32_t span) {
        const uint32_t left = span - (GetTickCount() - since_);
        Headless_AdvanceClock(timeoutMs < left ? timeoutMs : left);
    }

    void WaitForPlay(uint32_t timeoutMs) {
        const bool playing = MainLoop().game.position.LevelPhase == kPhasePlaying;
        if (playing && !playSeen_) {
            playSeen_ = true;
            since_ = GetTickCount();
        }
        if (!playing || GetTickCount() - since_ < 1000)
            return Headless_AdvanceClock(timeoutMs);
        startX = HeroX();
        Begin(Step::kHolding);
        if (hold_ == Hold::kDialog)
            return Sys_PushEvent({EventType::Command, kCommandControls});
        Headless_AdvanceClock(kHeldMs);  // no pass runs while the window moves
        ResumeWithTap();
    }

    void ResumeWithTap() {
        if (Sys_ShownDialog())
            Sys_CloseDialog();
        Sys_DeliverKey(kKeyRight, true);
        Begin(Step::kTapping);
    }
    void Release() {
        Sys_DeliverKey(kKeyRight, false);
        Begin(Step::kWatching);
    }
    void Finish() {
        endX = HeroX();
        Sys_PushEvent({EventType::Close});
        Begin(Step::kDone);
    }
    void Begin(Step step) {
        step_ = step;
        since_ = GetTickCount();
    }

    Hold hold_;
    Step step_ = Step::kWaitForPlay;
    uint32_t since_ = 0;
    bool playSeen_ = false;
};

float CellsWalkedByATapAfter(Hold hold) {
    Sys_StartHeadless(HeadlessOptions());
    SetTextureUploadEnabled(false);  // no GL context to upload to
    HeldLoopPlayer player(hold);
    Headless_SetIdleHandler([&player](uint32_t timeoutMs) { player.OnIdle(timeoutMs); });
    EXPECT_EQ(RunGame(), kExitNormal);
    Sys_Stop();
    SetTextureUploadEnabled(true);
    return (player.endX - player.startX) / kCell;
}

TEST(HeldLoop, OneTapIsOneStepAfterADialogOrAWindowMove) {
    const std::string previous = Sys_CurrentFolder();
    ASSERT_TRUE(Sys_EnterFolder(KORVATH_SOURCE_DIR));
    EXPECT_EQ(CellsWalkedByATapAfter(Hold::kDialog), 1);
    EXPECT_EQ(CellsWalkedByATapAfter(Hold::kWindowMove), 1);
    ASSERT_TRUE(Sys_EnterFolder(previous));
}

}  // namespace
