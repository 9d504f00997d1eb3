#include "game/pawn_motion.h"

#include "game_fixture.h"

namespace game_test {
namespace {

using PhysicsTest = GameTest;

TEST_F(PhysicsTest, CrateIntoHolderPopsOnceAndStaysPut) {
    Floor(-40, 20, -20);
    Floor(60, 100, -20);
    Place(kHolder, 40, -20);
    Place(kHero, 0, 0);
    Pawn* crate = Place(kCrate, 20, 0);
    Index();
    Walk(kRight);
    EXPECT_EQ(CountPlayed(kSoundSliding), 1);
    Tick(12);  // the crate's move ends, it falls one cell into the holder and rests
    EXPECT_EQ(crate->Placement.xoffset, 40.0f);
    EXPECT_EQ(crate->Placement.yoffset, -20.0f);
    EXPECT_EQ(crate->Settled, 1);
    EXPECT_EQ(CountPlayed(kSoundPopHolder), 1);
    crate->Settled = 0;
    Tick(2);
    EXPECT_EQ(CountPlayed(kSoundPopHolder), 1);
    EXPECT_TRUE(IsBlocked(crate, kDirectionLeft));
    EXPECT_TRUE(IsBlocked(crate, kDirectionRight));
}

TEST_F(PhysicsTest, HolderDoesNotSettleWhatItCannotCarry) {
    Place(kHolder, 0, -20);
    Place(kHero, 100, 0);
    Place(kWall, 100, -20);
    Pawn* rock = Place(kRock, 0, -20);  // a rock inside a crate-only holder
    Index();
    rock->Settled = 0;
    EXPECT_FALSE(IsSupported(rock));
    EXPECT_EQ(rock->Settled, 0);
    Tick(6);  // nothing carries it: it falls on instead of hanging in the air
    EXPECT_LT(rock->Placement.yoffset, -20.0f);
    EXPECT_TRUE(rock->Falling);
}

TEST_F(PhysicsTest, TallBlockerCarriesAtSixtyAndBlocksThreeRows) {
    Floor(-40, 60, -20);
    Place(kTall, 40, 0);
    Place(kTall, 100, 0);
    Pawn* rock = Place(kRock, 40, 80);
    Place(kHero, 0, 0);
    Index();
    rock->Settled = 0;
    Tick(6);
    EXPECT_EQ(rock->Placement.yoffset, 60.0f);
    EXPECT_EQ(rock->Settled, 1);
    Pawn* hero = Hero();
    hero->Placement.xoffset = 80.0f;
    for (float y : {0.0f, 20.0f, 40.0f}) {
        hero->Placement.yoffset = y;
        EXPECT_TRUE(IsBlocked(hero, kDirectionRight)) << "row " << y;
    }
    hero->Placement.yoffset = 60.0f;
    EXPECT_FALSE(IsBlocked(hero, kDirectionRight));
}

TEST_F(PhysicsTest, PushAgainstWallRefusedWhileHeroStillTurns) {
    Floor(-40, 80, -20);
    Place(kHero, 0, 0);
    Pawn* crate = Place(kCrate, 20, 0);
    Place(kWall, 40, 0);
    Index();
    Tap(kRight);
    EXPECT_EQ(Hero()->Motion.xoffset, 0.0f);
    EXPECT_EQ(Hero()->Motion.yangle, 90.0f);
    EXPECT_EQ(crate->Motion.xoffset, 0.0f);
    Tick();
    EXPECT_EQ(Hero()->Placement.xoffset, 0.0f);
    EXPECT_EQ(CountPlayed(kSoundSliding), 0);
}

TEST_F(PhysicsTest, PushedCrateTestedWithItsOwnWeights) {
    Floor(-40, 80, -20);
    Place(kHero, 0, 0);
    Place(kCrate, 20, 0);
    PawnTemplates[kFence].BlocksCrate = 1;  // stops crates, not the hero
    Place(kFence, 40, 0);
    Index();
    Tap(kRight);
    EXPECT_EQ(Hero()->Motion.xoffset, 0.0f);

    PawnTemplates[kFence].BlocksCrate = 0;  // now nothing stops the crate
    Tap(kRight);
    EXPECT_EQ(Hero()->Motion.xoffset, 17.5f);
}

TEST_F(PhysicsTest, PushChainThatComesRoundEnds) {
    PawnTemplates[kCrate].WeightHero = 1;   // hero-weight sliding blocks push each other
    PawnTemplates[kCrate].SpecialFlag = 1;  // and block in their own cell
    Floor(-40, 80, -20);
    Place(kHero, 0, 0);
    Pawn* a = Place(kCrate, 20, 0);
    Place(kCrate, 20, 0);
    Index();
    EXPECT_TRUE(IsBlocked(a, kDirectionRight));
}

TEST_F(PhysicsTest, KickedBarrelRollsAndSwapsWithStandingBarrel) {
    Floor(-40, 140, -20);
    Place(kHero, 0, 0);
    Pawn* kicked = Place(kBarrel, 20, 0);
    Pawn* standing = Place(kBarrel, 80, 0);
    Place(kWall, 120, 0);
    Index();
    Tap(kRight);
    EXPECT_EQ(kicked->Template, &PawnTemplates[kRollRight]);
    EXPECT_EQ(InputCooldown, 10);
    EXPECT_EQ(CountPlayed(kSoundBarrelRoll), 1);
    Tick(60);
    EXPECT_EQ(CountPlayed(kSoundBarrelHit), 1);
    // The rolling pawn took the struck barrel's place and rolled on to the wall;
    // the struck barrel, still standing, was left where the rolling one was.
    EXPECT_EQ(kicked->Placement.xoffset, 100.0f);
    EXPECT_EQ(standing->Placement.xoffset, 60.0f);
    EXPECT_EQ(standing->Template, &PawnTemplates[kBarrel]);
}

TEST_F(PhysicsTest, BarrelDoesNotRollThroughWallListedBeforeIt) {
    Floor(-40, 140, -20);
    Place(kWall, 80, 0);  // walls come before barrels in the level
    Place(kHero, 0, 0);
    Pawn* rolling = Place(kRollRight, 40, 0);
    Place(kBarrel, 60, 0);
    Index();
    EXPECT_TRUE(IsBlocked(rolling, kDirectionRight));
    EXPECT_EQ(rolling->Placement.xoffset, 60.0f);  // swapped once, then stopped by the wall
}

TEST_F(PhysicsTest, TwoRollingBarrelsDoNotSwap) {
    Floor(-40, 140, -20);
    Place(kHero, -40, 0);
    Pawn* a = Place(kRollRight, 40, 0);
    Place(kRollLeft, 60, 0);
    Index();
    EXPECT_TRUE(IsBlocked(a, kDirectionRight));
    EXPECT_EQ(a->Placement.xoffset, 40.0f);
    EXPECT_EQ(CountPlayed(kSoundBarrelHit), 0);
}

TEST_F(PhysicsTest, BarrelStillMovingIsPlainBlocker) {
    Floor(-40, 140, -20);
    Place(kHero, -40, 0);
    Pawn* a = Place(kRollRight, 40, 0);
    Pawn* b = Place(kBarrel, 60, 10);
    b->Motion.yoffset = -10.0f;  // falling into the row
    Index();
    EXPECT_TRUE(IsBlocked(a, kDirectionRight));
    EXPECT_EQ(a->Placement.xoffset, 40.0f);
}

TEST_F(PhysicsTest, NoSwapInsideHeroPushTest) {
    Floor(-40, 140, -20);
    Place(kHero, 0, 0);
    Pawn* rolling = Place(kRollRight, 20, 0);
    Pawn* standing = Place(kBarrel, 40, 0);
    Index();
    EXPECT_TRUE(IsBlocked(Hero(), kDirectionRight));
    EXPECT_EQ(rolling->Placement.xoffset, 20.0f);
    EXPECT_EQ(standing->Placement.xoffset, 40.0f);
    EXPECT_EQ(CountPlayed(kSoundBarrelHit), 0);
}

TEST_F(PhysicsTest, RockRestsOnHeroAndDropsWhenHeWalksAway) {
    Floor(-40, 80, -20);
    Pawn* hero = Place(kHero, 0, 0);
    Pawn* rock = Place(kRock, 0, 40);
    Index();
    rock->Settled = 0;
    Tick(6);
    EXPECT_EQ(rock->Placement.yoffset, 20.0f);
    Tap(kRight);
    Tick(4);
    EXPECT_LT(rock->Placement.yoffset, 20.0f);  // falling into the cell he leaves
    Tick(8);
    EXPECT_EQ(rock->Placement.yoffset, 0.0f);
    EXPECT_EQ(rock->Placement.xoffset, 0.0f);
    EXPECT_FALSE(HeroDead);
    EXPECT_EQ(hero->Placement.xoffset, 20.0f);
}

TEST_F(PhysicsTest, ColumnPawnNeverFallsUnderColumnBlocker) {
    Place(kHero, -100, 0);
    Place(kWall, -100, -20);
    Place(kWall, 40, 200);  // far above, same column
    Pawn* column = Place(kColumnPawn, 40, 0);
    Index();
    column->Settled = 0;
    Tick(10);
    EXPECT_EQ(column->Placement.yoffset, 0.0f);
}

TEST_F(PhysicsTest, HeroAboveLadderTopDoesNotFall) {
    Place(kLadder, 0, -20);
    Pawn* hero = Place(kHero, 0, 0);
    Index();
    Tick(5);
    EXPECT_EQ(hero->Placement.yoffset, 0.0f);
    EXPECT_TRUE(OnLadder(*hero));
}

TEST_F(PhysicsTest, RockAndCrateRaceIntoOneCell) {
    Floor(-40, 80, -20);
    Place(kHero, 0, 0);
    Pawn* crate = Place(kCrate, 20, 0);
    Pawn* rock = Place(kRock, 40, 40);
    Index();
    rock->Settled = 0;
    Tap(kRight);  // the crate starts towards (40, 0) while the rock is two rows up
    Tick(12);
    EXPECT_EQ(rock->Placement.xoffset, 40.0f);
    EXPECT_EQ(rock->Placement.yoffset, 0.0f);
    // Nothing reserved the cell: both end in it.
    EXPECT_EQ(crate->Placement.xoffset, 40.0f);
    EXPECT_EQ(crate->Placement.yoffset, 0.0f);
}

TEST_F(PhysicsTest, TurningAndFadingSteps) {
    Floor(-40, 40, -20);
    Place(kHero, 0, 0);
    Pawn* rock = Place(kRock, 20, 0);
    rock->Placement.yangle = 90.0f;
    rock->Placement.opacity = 40.0f;
    Index();
    Tick();
    EXPECT_EQ(rock->Placement.yangle, 75.0f);
    EXPECT_EQ(rock->Placement.opacity, 60.0f);
    Tick(2);
    EXPECT_EQ(rock->Placement.opacity, 100.0f);
}

}  // namespace
}  // namespace game_test
