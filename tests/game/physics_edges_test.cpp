// Physics that a rule case cannot set up: pawns caught mid-move, template
// flags no shipped template has, and pushes that a key at rest never starts.

#include <gtest/gtest.h>

#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "world/template_roles.h"

namespace {

enum Slot { kHero = 0, kWall = 1, kCrate = 2, kRock = 3, kHolder = 6, kBarrel = 8 };

class PhysicsEdges : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPawnTemplates();
        PawnTemplates[kHero].SpecialFlag = kFlagHero;
        PawnTemplates[kHero].WeightHero = 1;
        MakeSolid(kWall);
        MakeSolid(kCrate).WeightCrate = PawnTemplates[kCrate].Sliding = 1;
        MakeSolid(kRock).WeightRock = 1;
        PawnTemplates[kHolder].SpecialFlag = kFlagHolder;
        PawnTemplates[kHolder].BlocksCrate = 1;  // a crate-only holder
        for (int slot : {int(kBarrel), int(kSlotRollingLeft), int(kSlotRollingRight)})
            MakeSolid(slot).Rolling = PawnTemplates[slot].WeightCrate = 1;
        PawnTemplates[kSlotRollingLeft].ID = kIdRollingLeft;
        PawnTemplates[kSlotRollingRight].ID = kIdRollingRight;
        for (float x = -40; x <= 140; x += 20)
            Place(kWall, x, -20);
    }
    void TearDown() override { ResetPawnTemplates(); }
    static PawnTemplate& MakeSolid(int slot) {
        PawnTemplate& t = PawnTemplates[slot];
        t.BlocksCrate = t.BlocksHero = t.BlocksRock = 1;
        return t;
    }
    // The pawn's place in the level; pointers are taken once every pawn is placed.
    size_t Place(int slot, float x, float y) {
        position.LevelPawns.push_back(Pawn(&PawnTemplates[slot], x, y));
        position.IndexOutOfDate = true;
        return position.LevelPawns.size() - 1;
    }
    Pawn* At(size_t at) { return &position.LevelPawns[at]; }
    void Index() { BuildLevelIndex(&position); }

    Position position;
    SilentSoundSink silent;
    RuleStep step{position, silent};
};

// A holder settles only what it carries: a rock in a crate-only holder falls on.
TEST_F(PhysicsEdges, HolderDoesNotSettleWhatItCannotCarry) {
    Place(kHolder, 0, -20);
    Place(kHero, 100, 0);
    const size_t rock = Place(kRock, 0, -20);
    Index();
    At(rock)->Settled = 0;
    EXPECT_FALSE(IsSupported(&step, At(rock)));
    EXPECT_EQ(At(rock)->Settled, 0);
}

// Hero-weight blocks pushing each other round in one cell end as blocked.
TEST_F(PhysicsEdges, PushChainThatComesRoundEnds) {
    MakeSolid(kCrate).WeightHero = 1;
    PawnTemplates[kCrate].SpecialFlag = kFlagHolder;
    Place(kHero, 0, 0);
    const size_t a = Place(kCrate, 20, 0);
    Place(kCrate, 20, 0);
    Index();
    EXPECT_FALSE(MakeWay(&step, At(a), kDirectionRight));
}

TEST_F(PhysicsEdges, BarrelStillMovingIsPlainBlocker) {
    Place(kHero, -40, 0);
    const size_t rolling = Place(kSlotRollingRight, 40, 0);
    const size_t falling = Place(kBarrel, 60, 10);
    At(falling)->Motion.yoffset = -10.0f;
    Index();
    EXPECT_FALSE(MakeWay(&step, At(rolling), kDirectionRight));
    EXPECT_EQ(At(rolling)->Placement.xoffset, 40.0f);
}

TEST_F(PhysicsEdges, NoSwapInsideTheHerosPushTest) {
    Place(kHero, 0, 0);
    const size_t rolling = Place(kSlotRollingRight, 20, 0);
    const size_t standing = Place(kBarrel, 40, 0);
    Index();
    EXPECT_FALSE(MakeWay(&step, position.PlayerPawn(), kDirectionRight));
    EXPECT_EQ(At(rolling)->Placement.xoffset, 20.0f);
    EXPECT_EQ(At(standing)->Placement.xoffset, 40.0f);
}

// A push wakes the pawn it moves, which looks for support as its move ends,
// before the hero next looks round; a kick also holds his keys for a cooldown.
TEST_F(PhysicsEdges, PushWakesThePushedAndKickHoldsTheKeys) {
    Place(kHero, 0, 0);
    const size_t crate = Place(kCrate, 20, 0);
    Place(kBarrel, -20, 0);
    Index();
    EXPECT_TRUE(MakeWay(&step, position.PlayerPawn(), kDirectionRight));
    EXPECT_EQ(At(crate)->Settled, 0);
    EXPECT_EQ(position.InputCooldown, 0);
    EXPECT_TRUE(MakeWay(&step, position.PlayerPawn(), kDirectionLeft));
    EXPECT_EQ(position.InputCooldown, kCooldownTicks);
}

TEST_F(PhysicsEdges, SlidingRockIsBlockedByWhatBlocksRocks) {
    PawnTemplates[kRock].Sliding = 1;
    Place(kHero, 0, 0);
    Place(kRock, 20, 0);
    Place(kWall, 40, 0);
    Index();
    EXPECT_FALSE(MakeWay(&step, position.PlayerPawn(), kDirectionRight));
}

TEST_F(PhysicsEdges, ClimbingGoesAtTheWalkingPace) {
    Place(kHero, 0, 0);
    Index();
    position.PlayerPawn()->Motion.yoffset = kCellSize;
    MovePawns(&step);
    EXPECT_EQ(position.PlayerPawn()->Placement.yoffset, 2.5f);
}

// Nothing reserves cells: a rock two rows up does not stop a push into its
// column, and both end in the same cell.
TEST_F(PhysicsEdges, RockAndCrateRaceIntoOneCell) {
    Place(kHero, 0, 0);
    const size_t crate = Place(kCrate, 20, 0);
    const size_t rock = Place(kRock, 40, 40);
    Index();
    At(rock)->Settled = 0;
    EXPECT_TRUE(MakeWay(&step, position.PlayerPawn(), kDirectionRight));
    for (int tick = 0; tick < 12; ++tick)
        MovePawns(&step);
    EXPECT_EQ(At(rock)->Placement.xoffset, At(crate)->Placement.xoffset);
    EXPECT_EQ(At(rock)->Placement.yoffset, At(crate)->Placement.yoffset);
}

}  // namespace
