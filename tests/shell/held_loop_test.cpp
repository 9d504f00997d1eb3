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

constexpr uint32_t kHeldMs = 20000, kTapMs = 60, kWatchMs = 2000;

enum class Hold { kDialog, kWindowMove };

float HeroX() {
    return MainLoop().game.position.PlayerPawn()->Placement.xoffset;
}

// Once level 1 has been played for a second, holds the loop as `hold` says,
// taps Right as it resumes, and closes the window two seconds later.
float CellsWalkedByATapAfter(Hold hold) {
    Sys_StartHeadless(HeadlessOptions());
    SetTextureUploadEnabled(false);  // no GL context to upload to
    uint32_t playing = 0, resume = 0;
    float startX = 0, endX = 0;
    Headless_SetIdleHandler([&](uint32_t timeoutMs) {
        const uint32_t now = GetTickCount();
        const auto passUntil = [&](uint32_t until) {
            Headless_AdvanceClock(until - now < timeoutMs ? until - now : timeoutMs);
        };
        if (!playing && MainLoop().game.position.LevelPhase == kPhasePlaying)
            playing = now;
        if (!resume && (!playing || now < playing + 1000))
            return Headless_AdvanceClock(timeoutMs);
        if (!resume) {
            startX = HeroX();
            resume = now + kHeldMs;
            if (hold == Hold::kDialog)
                return Sys_PushEvent({EventType::Command, kCommandControls});
            return Headless_AdvanceClock(kHeldMs);  // no pass runs while the window moves
        }
        if (now < resume)
            return passUntil(resume);
        if (now == resume && !MainLoop().KeyDown[kKeyRight]) {
            if (Sys_ShownDialog())
                Sys_CloseDialog();
            return Sys_DeliverKey(kKeyRight, true);
        }
        if (now < resume + kTapMs)
            return passUntil(resume + kTapMs);
        if (MainLoop().KeyDown[kKeyRight])
            return Sys_DeliverKey(kKeyRight, false);
        if (now < resume + kWatchMs)
            return passUntil(resume + kWatchMs);
        endX = HeroX();
        Sys_PushEvent({EventType::Close});
    });
    EXPECT_EQ(RunGame(), kExitNormal);
    Sys_Stop();
    SetTextureUploadEnabled(true);
    return (endX - startX) / 20;
}

TEST(HeldLoop, OneTapIsOneStepAfterADialogOrAWindowMove) {
    const std::string previous = Sys_CurrentFolder();
    ASSERT_TRUE(Sys_EnterFolder(KORVATH_SOURCE_DIR));
    EXPECT_EQ(CellsWalkedByATapAfter(Hold::kDialog), 1);
    EXPECT_EQ(CellsWalkedByATapAfter(Hold::kWindowMove), 1);
    ASSERT_TRUE(Sys_EnterFolder(previous));
}

}  // namespace
