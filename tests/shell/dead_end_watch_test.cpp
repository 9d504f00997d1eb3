// The dead-end watch with its worker thread, on level 1 as the game starts it.

#include <chrono>
#include <thread>

#include "search/shipped_level.h"
#include "shell/dead_end_watch.h"

namespace {

using DeadEndWatchTest = ShippedLevelTest;

// Follows the level until the watch has its answer.
bool ToldAfterChecking(DeadEndWatch* watch, const Position& here) {
    watch->Follow(here);
    for (int wait = 0; wait < 2000 && watch->Checking(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        watch->Follow(here);
    }
    EXPECT_FALSE(watch->Checking());
    return watch->Told();
}

// The only bomb wasted is told, and stays told a press further on; the start
// is not, nor is anything once the watch is turned off.
TEST_P(DeadEndWatchTest, TellsADeadEndOnlyWhereNoWayIsLeftAndOnlyWhenOn) {
    DeadEndWatch watch;
    const Position start = level.position();
    EXPECT_FALSE(ToldAfterChecking(&watch, start));
    for (int key : {kKeyRight, kKeyRight, kKeySpace})
        level.Press(key);
    const Position wasted = level.position();
    EXPECT_TRUE(ToldAfterChecking(&watch, wasted));
    level.Press(kKeyLeft);
    watch.Follow(level.position());
    EXPECT_TRUE(watch.Told());  // until the answer, what was told stays
    EXPECT_TRUE(ToldAfterChecking(&watch, level.position()));
    EXPECT_FALSE(ToldAfterChecking(&watch, start));
    watch.SetEnabled(false);
    EXPECT_FALSE(ToldAfterChecking(&watch, wasted));
}

INSTANTIATE_TEST_SUITE_P(ShippedLevel, DeadEndWatchTest, ::testing::Values(1));

}  // namespace
