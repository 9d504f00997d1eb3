// "next" presses on the shipped level 1, replayed in-process so that the
// hooks can watch the hero and the keys between passes.

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/keys.h"
#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/rest_state.h"
#include "replay_run.h"
#include "world/level.h"

namespace {

struct Seen {
    std::vector<float> restingX;  // the hero's x each time he comes to rest
    int ticksWithRightHeld = 0;
    int explosions = 0;
};

int Replay(const std::string& keys, Seen* seen) {
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_TRUE(ParseInput(keys, "keys.txt", &events, &error)) << error;
    ReplayHooks hooks;
    hooks.afterFrame = [seen] {
        seen->ticksWithRightHeld += GameTickTimer.count > 0 && KeyDown[kKeyRight];
        float x = PlayerPawn ? PlayerPawn->Placement.xoffset : 0.0f;
        if (GameAtRest() && (seen->restingX.empty() || seen->restingX.back() != x))
            seen->restingX.push_back(x);
    };
    hooks.onSound = [seen](int slot, SoundOp op) {
        int blast = slot - kSoundExplosionFirst;
        seen->explosions += op == SoundOp::PlayOnce && blast >= 0 && blast < 3;
    };
    ReplayOptions options;
    options.noRender = true;
    char here[4096];
    EXPECT_TRUE(getcwd(here, sizeof here) && chdir(KORVATH_SOURCE_DIR) == 0);
    int status = RunReplay(options, events, &hooks);
    EXPECT_EQ(chdir(here), 0);
    return status;
}

}  // namespace

// The fourth Right runs into the cracked wall and is held for its one tick
// all the same; the last one waits out the blast's cooldown.
TEST(NextPress, EachPressIsOneTickAndMovesTheHeroOneCell) {
    Seen seen;
    ASSERT_EQ(
        Replay("next Right\nnext Right\nnext Right\nnext Right\nnext Space\nnext Right\n", &seen),
        0);
    EXPECT_EQ(seen.restingX, (std::vector<float>{0, 20, 40, 60, 80}));
    EXPECT_EQ(seen.ticksWithRightHeld, 5);
    EXPECT_EQ(seen.explosions, 1);
}
