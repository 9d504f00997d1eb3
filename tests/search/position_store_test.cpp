// The position as a value and the search's store, on random plays of the shipped
// levels: copies stay equal and hash alike, what is only seen does not count,
// and the store gives back what it kept.

#include <random>
#include <vector>

#include "game/level_changes.h"
#include "search/position_store.h"
#include "shipped_level.h"

namespace {

class PositionStoreTest : public ShippedLevelTest {
  protected:
    // The positions at rest of a seeded random play (the level restarts
    // from its start whenever it is finished).
    std::vector<Position> RandomPlay(unsigned seed, int presses) {
        const Position start = level.position();
        std::mt19937 random(seed);
        std::vector<Position> seen{start};
        for (int i = 0; i < presses; ++i) {
            const int key = std::uniform_int_distribution<int>(0, kSearchKeyCount - 1)(random);
            const PressOutcome outcome = level.Press(SearchKeyCode(key));
            if (outcome == PressOutcome::kFinished || outcome == PressOutcome::kNeverRests)
                level.SetPosition(start);
            else
                seen.push_back(level.position());
        }
        return seen;
    }
};

TEST_P(PositionStoreTest, CopiesAreEqualHashAlikeAndStayEqualUnderTheSamePresses) {
    const Position start = level.position();
    Position copy = start;
    copy.LevelPawns.back().Placement.yangle += 45.0f;  // only seen
    copy.LevelPawns.back().Placement.opacity = 30.0f;
    copy.ExplosionSoundIndex = 3;  // only heard
    EXPECT_TRUE(copy == start);
    EXPECT_EQ(HashPosition(copy), HashPosition(start));
    copy.BombCount = 1;
    EXPECT_FALSE(copy == start);

    PlayedLevel other;
    other.SetPosition(start);
    for (int key : {1, 1, 1, 4, 1, 2, 0}) {
        level.Press(SearchKeyCode(key));
        other.Press(SearchKeyCode(key));
        ASSERT_TRUE(level.position() == other.position());
        ASSERT_EQ(HashPosition(level.position()), HashPosition(other.position()));
    }
}

TEST_P(PositionStoreTest, GivesBackWhatItKeptAndKeepsEqualPositionsOnce) {
    std::vector<Position> seen = RandomPlay(7u + GetParam(), 400);
    seen.push_back(seen.front()), seen.back().PlayerPawn()->Settled ^= 1;
    for (bool Pawn::*flag : {&Pawn::Visible, &Pawn::Falling, &Pawn::HolderPopped})
        seen.push_back(seen.front()), seen.back().PlayerPawn()->*flag ^= true;
    seen.push_back(seen.front()), seen.back().PlayerPawn()->Motion.xoffset = kCellSize;
    PositionStore store(seen.front());
    std::vector<int32_t> numbers;
    for (const Position& position : seen)
        numbers.push_back(store.Insert(position).number);
    for (size_t i = 0; i < seen.size(); ++i) {
        const Position kept = store.At(numbers[i]);
        ASSERT_TRUE(kept == seen[i]) << "position " << i;
        ASSERT_EQ(HashPosition(kept), HashPosition(seen[i])) << "position " << i;
        for (size_t j = 0; j < i; j += 7)
            ASSERT_EQ(numbers[i] == numbers[j], seen[i] == seen[j]) << i << " and " << j;
        ASSERT_FALSE(store.Insert(seen[i]).fresh);
    }
    EXPECT_LT(store.Size(), seen.size());  // the random walk came back to places
}

INSTANTIATE_TEST_SUITE_P(ShippedLevel, PositionStoreTest, ::testing::Values(1, 2));

}  // namespace
