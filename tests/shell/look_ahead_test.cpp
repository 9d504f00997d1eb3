// Looking ahead in level 1 as the game plays it, headless: Shift held with
// Right pans the view towards the level's end, no further, while the hero
// waits; once Shift is let go the view glides back to him, and the Right
// still held stays the look's until it is let go.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/keys.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "platform/sys_process.h"
#include "render/game_view.h"
#include "render/texture.h"
#include "shell/game_main.h"
#include "support/headless_script.h"

namespace {

float HeroX() {
    const Pawn* hero = MainLoop().game.position.PlayerPawn();
    return hero ? hero->Placement.xoffset : -1.0f;
}

float ViewX() {
    return -MainLoopView().Scene(MainLoop().game.position).worldCamera->GetX();
}

float LevelRight() {
    float right = HeroX();
    for (const Pawn& pawn : MainLoop().game.position.LevelPawns)
        right = std::max(right, pawn.Type == kWorldPawn ? pawn.Placement.xoffset : right);
    return right;
}

TEST(LookAheadTest, ShiftAndAnArrowPanTheViewNotTheHeroAndLettingGoBringsItBack) {
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(KORVATH_SOURCE_DIR);
    Sys_SetEnvironmentDefault("ALSOFT_DRIVERS", "null");
    Sys_StartHeadless(HeadlessOptions());
    SetTextureUploadEnabled(false);  // no GL: pictures are read, not uploaded
    HeadlessScript script;
    const auto wait = [&script](int ms) {
        for (int passed = 0; passed < ms; passed += 9)
            script.Add([] { Headless_AdvanceClock(9); });
    };
    static float start, farthest;
    wait(5000);
    script.Add([] {
        start = HeroX();
        EXPECT_EQ(ViewX(), start);
        Sys_DeliverKey(kKeyShift, true);
        Sys_DeliverKey(kKeyRight, true);
    });
    wait(4000);
    script.Add([] {
        farthest = ViewX();
        EXPECT_EQ(HeroX(), start);
        EXPECT_EQ(farthest, LevelRight());
        EXPECT_GT(farthest, start + 200.0f);
        Sys_DeliverKey(kKeyShift, false);
        Sys_DeliverKey(kKeyRight, true, true);  // the held key's auto-repeat
    });
    wait(100);
    script.Add([] { EXPECT_TRUE(ViewX() > start && ViewX() < farthest) << ViewX(); });
    wait(1500);
    script.Add([] {
        EXPECT_EQ(ViewX(), start);
        EXPECT_EQ(HeroX(), start);
        Sys_DeliverKey(kKeyRight, false);
        Sys_DeliverKey(kKeyRight, true);  // pressed afresh, Right walks
    });
    wait(500);
    script.Add([] { EXPECT_GT(HeroX(), start); });
    EXPECT_EQ(RunGame(), kExitNormal);
    EXPECT_EQ(script.StepsLeft(), 0u);
    Sys_Stop();
    SetTextureUploadEnabled(true);
    std::filesystem::current_path(here);
}

}  // namespace
