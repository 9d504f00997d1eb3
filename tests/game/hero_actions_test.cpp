#include "game/hero_actions.h"

#include "game/pawn_motion.h"
#include "game_fixture.h"

namespace game_test {
namespace {

class HeroTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Floor(-100, 100, -20);
    }
    void Start(float x = 0.0f, float y = 0.0f) {
        Place(kHero, x, y);
        Index();
        SavedPawns = LevelPawns;
    }
};

TEST_F(HeroTest, OpposedKeysCancelPairwise) {
    Start();
    KeyDown[kLeft] = KeyDown[kRight] = 1;
    Tick();
    EXPECT_EQ(Hero()->Motion.xoffset, 0.0f);
    KeyDown[kLeft] = 0;
    KeyDown[kUp] = KeyDown[kDown] = 1;
    Tick();
    EXPECT_EQ(Hero()->Motion.xoffset, 17.5f);  // Up+Down cancel, Right counts
}

TEST_F(HeroTest, WalkTakesEightTicks) {
    Start();
    Tap(kRight);
    Tick(6);
    EXPECT_FALSE(MoveFinished(*Hero()));
    Tick();
    EXPECT_TRUE(MoveFinished(*Hero()));
    EXPECT_EQ(Hero()->Placement.xoffset, 20.0f);
}

TEST_F(HeroTest, BombWithoutBombsDoesNothing) {
    Start();
    int before = LevelPawns.LastIndex();
    Tap(kSpace);
    EXPECT_EQ(LevelPawns.LastIndex(), before);
    EXPECT_EQ(InputCooldown, 0);
}

TEST_F(HeroTest, BlastChangesOnlyDestructiblesAroundHeroAndVoicesTakeTurns) {
    Pawn* near = Place(kDestructible, 20, 20);
    Pawn* far = Place(kDestructible, 40, 0);
    Pawn* wall = Place(kWall, -20, 0);
    Start();
    BombCount = 3;
    Tap(kSpace);
    EXPECT_EQ(near->Template, &PawnTemplates[kBlasted]);
    EXPECT_EQ(far->Template, &PawnTemplates[kDestructible]);
    EXPECT_EQ(wall->Template, &PawnTemplates[kWall]);
    EXPECT_EQ(LevelPawns.Last().Template, &PawnTemplates[kExplosion]);
    EXPECT_EQ(LevelPawns.Last().Placement.yoffset, 10.0f);
    EXPECT_EQ(BombCount, 2);
    for (int i = 0; i < 2; ++i) {
        Tick(10);
        Tap(kSpace);
    }
    Tick(10);
    Tap(kSpace);  // no bombs left
    ASSERT_EQ(BombCount, 0);
    EXPECT_EQ(CountPlayed(3), 1);
    EXPECT_EQ(CountPlayed(4), 1);
    EXPECT_EQ(CountPlayed(5), 1);
}

TEST_F(HeroTest, NothingMovesOnTheTickOfABlast) {
    Pawn* rock = Place(kRock, 20, 60);
    Start();
    rock->Settled = 0;
    BombCount = 1;
    KeyDown[kSpace] = 1;
    EXPECT_TRUE(GameplayTick());
    EXPECT_EQ(rock->Placement.yoffset, 60.0f);
    KeyDown[kSpace] = 0;
    EXPECT_FALSE(GameplayTick());
    EXPECT_EQ(rock->Motion.yoffset, -20.0f);
}

TEST_F(HeroTest, BombPickupTakenAsFallBegins) {
    LevelPawns.Remove(&LevelPawns[6]);  // the floor cell at x 20: a gap under the pickup
    Place(kBomb, 20, 0);
    Start();
    Tap(kRight);
    Tick(6);
    EXPECT_EQ(BombCount, 0);
    Tick();  // the move ends and the fall begins on this tick
    EXPECT_TRUE(Hero()->Falling);
    EXPECT_EQ(BombCount, 1);
    EXPECT_EQ(CountPlayed(kSoundBombCollect), 1);
    for (auto* n = LevelPawns.head; n; n = n->next)
        EXPECT_NE(n->data.Template, &PawnTemplates[kBomb]);
    EXPECT_EQ(PickupPawns.LastIndex(), -1);
}

TEST_F(HeroTest, StandingOnDeadlyPawnDiesOnce) {
    Place(kDeadly, 20, 0);
    Start();
    Walk(kRight);
    Tick(30);
    EXPECT_TRUE(HeroDead);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
    EXPECT_EQ(BombCount, 0);
    Tap(kX);  // the reset key still works once the cooldown has run out
    EXPECT_FALSE(HeroDead);
    EXPECT_EQ(Hero()->Placement.xoffset, 0.0f);
}

TEST_F(HeroTest, SwitchThrowsEveryGateOfTheRowBeneath) {
    Pawn* lever = Place(kSwitchUp, 0, 0);
    Pawn* gateFar = Place(kGateClosed, 400, -20);
    Pawn* gateOtherRow = Place(kGateClosed, 20, -40);
    Start();
    Tap(kUp);
    EXPECT_EQ(lever->Template, &PawnTemplates[kSwitchDown]);
    EXPECT_EQ(gateFar->Template, &PawnTemplates[kGateOpen]);
    EXPECT_EQ(gateOtherRow->Template, &PawnTemplates[kGateClosed]);
    EXPECT_EQ(InputCooldown, 8);
    Tick(8);
    Tap(kUp);
    EXPECT_EQ(lever->Template, &PawnTemplates[kSwitchUp]);
    EXPECT_EQ(gateFar->Template, &PawnTemplates[kGateClosed]);
    EXPECT_EQ(CountPlayed(kSoundSwitch), 2);
}

TEST_F(HeroTest, SecondCheckpointReplacesFirst) {
    Place(kCheckpoint, 20, 0);
    Place(kCheckpoint, 40, 0);
    Start();
    Walk(kRight);
    Tick();
    Walk(kRight);
    Tick();
    BombCount = 2;
    Place(kDeadly, 60, 0);
    Index();
    Walk(kRight);
    Tick();
    ASSERT_TRUE(HeroDead);
    RestoreSavedLevel();
    EXPECT_EQ(Hero()->Placement.xoffset, 40.0f);
    EXPECT_EQ(BombCount, 0);
    EXPECT_EQ(CountPlayed(kSoundCheckpoint), 2);
}

TEST_F(HeroTest, ResetKeyRestoresAtOnceWithNoBombs) {
    Start();
    Walk(kRight);
    BombCount = 2;
    KeyDown[kX] = 1;
    Tick();
    EXPECT_EQ(Hero()->Placement.xoffset, 0.0f);
    EXPECT_EQ(BombCount, 0);
    EXPECT_EQ(InputCooldown, 10);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

TEST_F(HeroTest, ExitIsEnteredOnce) {
    Place(kExit, 0, 0);
    Start();
    FrameStartTick = 5000;
    KeyDown[kUp] = 1;
    Tick();
    EXPECT_TRUE(LevelFinished);
    EXPECT_EQ(Hero()->Motion.zoffset, -17.5f);
    EXPECT_EQ(Hero()->Motion.yangle, 180.0f);
    FrameStartTick = 5200;
    Tick(30);
    EXPECT_EQ(Hero()->Placement.zoffset, -20.0f);  // one cell deep, not deeper
    EXPECT_EQ(PhaseTimer.last, 5000u);
    int musicPlays = 0;
    for (const PlayedSound& s : played)
        musicPlays += s.slot == MusicSlot && s.op == SoundOp::PlayOnce;
    EXPECT_EQ(musicPlays, 1);
}

TEST_F(HeroTest, LadderClimbsUpAndDown) {
    Place(kLadder, 0, 0);
    Place(kLadder, 0, 20);
    Start();
    Walk(kUp);
    EXPECT_EQ(Hero()->Placement.yoffset, 20.0f);
    Tick(3);
    EXPECT_EQ(Hero()->Placement.yoffset, 20.0f);  // held by the ladder
    Walk(kDown);
    EXPECT_EQ(Hero()->Placement.yoffset, 0.0f);
}

TEST_F(HeroTest, LevelWithoutHeroRunsNothing) {
    Index();
    EXPECT_EQ(fatalErrors.size(), 1u);
    EXPECT_FALSE(GameplayTick());
}

}  // namespace
}  // namespace game_test
