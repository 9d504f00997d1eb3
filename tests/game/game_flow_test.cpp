// The course of a level through GameFrame: the loading picture, death and
// restore, the exit and the next level, the end picture, and the animation
// step. Every pass also checks that nothing points at a pawn that is gone.

#include "flow_fixture.h"
#include "game/draw_list.h"
#include "game/game_frame.h"
#include "game/pawn_motion.h"

namespace game_test {
namespace {

TEST_F(FlowTest, LoadingPictureStaysUpBeyondThePhasePeriodWhenTheLevelLoadsAtOnce) {
    AddFloorAndHero(1);
    WriteLevels();
    const uint32_t shown = Now();
    StartLevelAndPlay(1);
    ASSERT_EQ(assets.pictures.size(), 1u);
    EXPECT_EQ(assets.pictures[0], "./gamedata\\loading1.jpg");
    EXPECT_GT(Now() - shown, 2001u);
    EXPECT_LE(Now() - shown, 2002u);
    const Pawn& picture = LevelPawns.head->data;
    EXPECT_EQ(picture.Template, &PawnTemplates[kSlotLoadingPicture]);
    EXPECT_EQ(picture.Type, kFixedPawn);
    EXPECT_EQ(picture.Motion.opacity, 0.0f);
    EXPECT_EQ(SavedPawns.LastIndex(), LevelPawns.LastIndex());
    ASSERT_GE(played.size(), 2u);
    const PlayedSound& load = played[played.size() - 2];
    EXPECT_EQ(load.op, SoundOp::Load);
    EXPECT_EQ(load.slot, kSoundMusic);
    EXPECT_EQ(load.file, "./gamedata\\sound\\stage1.wav");
    EXPECT_EQ(played.back().op, SoundOp::PlayLooping);
}

TEST_F(FlowTest, DeadHeroStandingOnTheDeadlyCellIsRestoredOnlyAfterThePhasePeriod) {
    AddFloorAndHero(1);
    Add(1, kDeadly, 20, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    KeyDown[kKeyRight] = 1;
    ASSERT_TRUE(SpinUntil([] { return HeroDead; }));
    KeyDown[kKeyRight] = 0;
    const uint32_t died = Now();
    // He stays on the deadly cell: the death is not repeated, so the phase
    // timer is not pushed back and the restore comes on time.
    Spin(2001);
    EXPECT_TRUE(HeroDead);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 20.0f);
    Spin(1);
    EXPECT_EQ(Now() - died, 2002u);
    EXPECT_FALSE(HeroDead);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

TEST_F(FlowTest, DeathThenExitRestoresFirstAndStartsTheNextLevelOnTheFollowingFiring) {
    AddFloorAndHero(1);
    Add(1, kDeadly, 20, 0);
    Add(1, kExit, 40, 0);
    AddFloorAndHero(2);
    WriteLevels();
    StartLevelAndPlay(1);
    KeyDown[kKeyRight] = 1;
    ASSERT_TRUE(SpinUntil([] { return HeroDead; }));
    // Keys count again once the death's cooldown has run out.
    ASSERT_TRUE(SpinUntil(
        [this] { return PlayerPawn->Placement.xoffset == 40.0f && MoveFinished(*PlayerPawn); }));
    KeyDown[kKeyRight] = 0;
    KeyDown[kKeyUp] = 1;
    ASSERT_TRUE(SpinUntil([] { return LevelFinished; }));
    KeyDown[kKeyUp] = 0;
    const uint32_t entered = Now();
    ASSERT_LT(entered - PhaseTimer.last, 1u);

    ASSERT_TRUE(SpinUntil([] { return !HeroDead; }));
    EXPECT_EQ(Now() - entered, 2002u);
    EXPECT_TRUE(LevelFinished);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
    EXPECT_EQ(CurrentLevel, 1);

    ASSERT_TRUE(SpinUntil([] { return LevelPhase != kPhasePlaying; }));
    EXPECT_EQ(Now() - entered, 4003u);
    EXPECT_EQ(CurrentLevel, 2);
    EXPECT_FALSE(LevelFinished);
    Pass();  // StartLevel: the old level is gone, and nothing points into it
    EXPECT_EQ(LevelPawns.head, nullptr);
    EXPECT_EQ(DrawList.head, nullptr);
    Pass();
    ASSERT_EQ(assets.pictures.size(), 2u);
    EXPECT_EQ(assets.pictures[1], "./gamedata\\loading2.jpg");
    Pass();
    EXPECT_EQ(LevelPhase, kPhasePlaying);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
}

TEST_F(FlowTest, ExitOfTheLastLevelShowsTheEndPictureAndNothingMoreHappens) {
    AddFloorAndHero(2);
    Add(2, kExit, 0, 0);
    WriteLevels();
    StartLevelAndPlay(2);
    KeyDown[kKeyUp] = 1;
    ASSERT_TRUE(SpinUntil([] { return LevelPhase == kPhaseLoadingScreen; }));
    Pass();
    EXPECT_EQ(LevelPhase, kPhaseEnded);
    ASSERT_EQ(assets.pictures.size(), 2u);
    EXPECT_EQ(assets.pictures[1], "./gamedata\\demo_end.jpg");
    EXPECT_EQ(PlayerPawn, nullptr);
    const size_t sounds = played.size();
    KeyDown[kKeyX] = KeyDown[kKeyRight] = 1;
    Spin(3000);
    EXPECT_EQ(LevelPhase, kPhaseEnded);
    EXPECT_EQ(played.size(), sounds);
    EXPECT_EQ(LevelPawns.LastIndex(), 0);  // the end picture alone
    // Nothing is scheduled any more: the loop may wait for input.
    EXPECT_GT(GameFrameNextDue() - FrameStartTick, 60000u);
}

// Animation steps are told apart by the animation timer's period moving on.
class AnimationFlowTest : public FlowTest {
  protected:
    void NextAnimationStep() {
        const uint32_t last = AnimationTimer.last;
        ASSERT_TRUE(SpinUntil([last] { return AnimationTimer.last != last; }, 100));
    }
    // The frame the slot's pawn shows; -1 once it has left the level.
    int FrameOf(int slot) const { return Find(slot) ? Find(slot)->Frame : -1; }
};

TEST_F(AnimationFlowTest, OneShotOfThreeFramesLeavesOnTheThirdStepAndOneFrameStays) {
    AddFloorAndHero(1);
    Add(1, kOneShotThree, 100, 0);
    Add(1, kLooping, 120, 0);
    Add(1, kOneShotSingle, 140, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    NextAnimationStep();
    EXPECT_EQ(FrameOf(kOneShotThree), 1);
    EXPECT_EQ(FrameOf(kLooping), 1);
    NextAnimationStep();
    EXPECT_EQ(FrameOf(kOneShotThree), 2);
    EXPECT_EQ(FrameOf(kLooping), 0);
    NextAnimationStep();
    EXPECT_EQ(FrameOf(kOneShotThree), -1);
    EXPECT_EQ(FrameOf(kLooping), 0);  // behind the removed pawn: waits a step
    NextAnimationStep();
    EXPECT_EQ(FrameOf(kLooping), 1);
    Spin(500);
    EXPECT_EQ(FrameOf(kOneShotSingle), 0);
}

TEST_F(FlowTest, LevelWithoutHeroIsReportedAndNothingUsesTheHero) {
    Add(1, kWall, 0, -20);
    WriteLevels();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    for (int i = 0; i < 3; ++i)
        Pass();
    ASSERT_FALSE(fatalErrors.empty());
    EXPECT_EQ(fatalErrors[0], "No player start position defined for this level.");
    Spin(100);
    EXPECT_EQ(PlayerPawn, nullptr);
}

}  // namespace
}  // namespace game_test
