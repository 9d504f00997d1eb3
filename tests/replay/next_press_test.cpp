// "next" presses on the shipped level 1, replayed in-process so that the
// hooks can watch the hero and the keys between passes. The fourth Right runs
// into the cracked wall and is held for its one tick all the same; the last
// one waits out the blast's cooldown.

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/keys.h"
#include "core/sound_names.h"
#include "game/rest_state.h"
#include "replay_run.h"
#include "shell/game_main.h"

TEST(NextPress, EachPressIsOneTickAndMovesTheHeroOneCell) {
    std::vector<float> restingX;  // the hero's x each time he comes to rest
    int ticksWithRightHeld = 0, explosions = 0;
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(
        ParseInput("next Right\nnext Right\nnext Right\nnext Right\nnext Space\nnext Right\n",
                   "keys", &events, &error));
    ReplayHooks hooks;
    hooks.afterFrame = [&] {
        const Game& game = MainLoop().game;
        ticksWithRightHeld += game.timers.GameTickTimer.count > 0 && MainLoop().KeyDown[kKeyRight];
        const Pawn* hero = game.position.PlayerPawn();
        float x = hero ? hero->Placement.xoffset : 0.0f;
        if (GameAtRest(game.position) && (restingX.empty() || restingX.back() != x))
            restingX.push_back(x);
    };
    hooks.onSound = [&](int slot, SoundOp op) {
        int blast = slot - kSoundExplosionFirst;
        explosions += op == SoundOp::PlayOnce && blast >= 0 && blast < kExplosionVoices;
    };
    ReplayOptions options;
    options.noRender = true;
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) && chdir(KORVATH_SOURCE_DIR) == 0);
    EXPECT_EQ(RunReplay(options, events, &hooks), 0);
    ASSERT_EQ(chdir(here), 0);
    EXPECT_EQ(restingX, (std::vector<float>{0, 20, 40, 60, 80}));
    EXPECT_EQ(ticksWithRightHeld, 5);
    EXPECT_EQ(explosions, 1);
}
