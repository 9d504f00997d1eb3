// Undo and redo over seeded random plays of the shipped levels: each undo gives
// back the position at rest before its press (deaths and X resets included),
// each redo the one after; a restart is one more step.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/rest_state.h"
#include "shipped_level.h"

namespace {

class PlayHistoryTest : public ShippedLevelTest {
  protected:
    void BeforeStart() override { level.RecordInto(&history); }

    Position Now() const {
        Position position = level.position();
        ForgetSpentCooldown(&position);
        return position;
    }

    // Random presses of the play keys and, rarely, X until `presses` have
    // changed the position; returns the position before each of them and
    // after the last.
    std::vector<Position> RandomPlay(unsigned seed, int presses) {
        const int keys[] = {kKeyLeft, kKeyRight, kKeyRight, kKeyUp, kKeyDown, kKeySpace, kKeyX};
        std::mt19937 random(seed);
        std::discrete_distribution<int> pick({4, 4, 4, 2, 2, 2, 1});
        std::vector<Position> seen{Now()};
        while (static_cast<int>(seen.size()) <= presses) {
            const int key = keys[pick(random)];
            const PressOutcome outcome = level.Press(key);
            if (outcome == PressOutcome::kFinished)
                return seen;  // the level is left; its history goes with it
            died += outcome == PressOutcome::kDied;
            resets += key == kKeyX && !(Now() == seen.back());
            if (!(Now() == seen.back()))
                seen.push_back(Now());
        }
        return seen;
    }

    PlayHistory history;
    int died = 0, resets = 0;
};

TEST_P(PlayHistoryTest, UndoAndRedoWalkTheRandomPlayBackAndForth) {
    int undone = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::vector<Position> seen = RandomPlay(seed, 150);
        const int steps = static_cast<int>(seen.size()) - 1;
        ASSERT_EQ(history.Presses(), steps);
        for (int i = steps - 1; i >= 0; --i, ++undone) {
            ASSERT_TRUE(history.Undo(level.Rewind()));
            ASSERT_TRUE(Now() == seen[static_cast<size_t>(i)]) << "seed " << seed << " undo " << i;
        }
        EXPECT_FALSE(history.Undo(level.Rewind()));
        for (int i = 1; i <= steps; ++i) {
            ASSERT_TRUE(history.Redo(level.Rewind()));
            ASSERT_TRUE(Now() == seen[static_cast<size_t>(i)]) << "seed " << seed << " redo " << i;
        }
        EXPECT_FALSE(history.Redo(level.Rewind()));
        EXPECT_EQ(history.Presses(), steps);
        level.Press(kKeyLeft);  // play goes on after a redo, and the redo steps are gone
        EXPECT_EQ(history.RedoSteps(), 0u);
        while (history.Undo(level.Rewind())) {
        }
    }
    EXPECT_GT(undone, 1000);
    EXPECT_GT(resets, 0);
    // Level 1's spikes lie beyond the crate, out of a random walk's reach.
    EXPECT_TRUE(died > 0 || GetParam() == 1);
}

TEST_P(PlayHistoryTest, RestartGoesToTheStartAndIsUndone) {
    const Position start = Now();
    std::vector<Position> seen = RandomPlay(7, 10);
    ASSERT_TRUE(history.Restart(level.Rewind()));
    EXPECT_TRUE(Now() == start);
    EXPECT_EQ(history.Presses(), 0);
    ASSERT_TRUE(history.Undo(level.Rewind()));
    EXPECT_TRUE(Now() == seen.back());
    EXPECT_EQ(history.Presses(), static_cast<int>(seen.size()) - 1);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, PlayHistoryTest, ::testing::Values(1, 2));

}  // namespace
