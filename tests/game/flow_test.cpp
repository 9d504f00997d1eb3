// The course of a level through GameFrame (the loading picture, death and
// restore, the exit and the next level, the end picture, the animation step)
// and its pace: the fixed-period timers across the clock's wrap, no burst of
// ticks after a slow load, and the wake-up time GameFrameNextDue gives.

#include "flow_fixture.h"
#include "game/pawn_motion.h"

namespace game_test {
namespace {

TEST_F(FlowTest, LoadingPictureStaysUpBeyondThePhasePeriodWhenTheLevelLoadsAtOnce) {
    AddFloorAndHero(1);
    WriteLevels();
    const uint32_t shown = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(assets.pictures, std::vector<std::string>{"./gamedata\\loading1.jpg"});
    EXPECT_EQ(Now() - shown, 2002u);
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
        [] { return PlayerPawn->Placement.xoffset == 40.0f && MoveFinished(*PlayerPawn); }));
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

// Animation steps are told apart by the animation timer's period moving on;
// a pawn's frame is -1 once it has left the level.
TEST_F(FlowTest, OneShotOfThreeFramesLeavesOnTheThirdStepAndOneFrameStays) {
    AddFloorAndHero(1);
    Add(1, kOneShot3, 100, 0);
    Add(1, kLooping, 120, 0);
    Add(1, kOneShot1, 140, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    const auto frame = [](int slot) { return Find(slot) ? Find(slot)->Frame : -1; };
    const int expected[4][2] = {{1, 1}, {2, 0}, {-1, 0}, {-1, 1}};  // behind the removed one: late
    for (const auto& step : expected) {
        const uint32_t last = AnimationTimer.last;
        ASSERT_TRUE(SpinUntil([last] { return AnimationTimer.last != last; }, 100));
        EXPECT_EQ(frame(kOneShot3), step[0]);
        EXPECT_EQ(frame(kLooping), step[1]);
    }
    Spin(500);
    EXPECT_EQ(frame(kOneShot1), 0);
}

TEST_F(FlowTest, LevelWithoutHeroIsReportedAndNothingUsesTheHero) {
    Add(1, kWall, 0, -20);
    WriteLevels();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    Spin(100);
    ASSERT_FALSE(fatalErrors.empty());
    EXPECT_EQ(fatalErrors[0], "No player start position defined for this level.");
    EXPECT_EQ(PlayerPawn, nullptr);
}

// Each firing comes strictly after a full period, across the signed and the
// unsigned wrap of the clock; after a stall the timer catches up one period
// per call.
TEST(FrameTimerTest, FiresOncePerPeriodAcrossTheWrapAndCatchesUpAfterAStall) {
    for (uint32_t start : {0u, 0x7FFFFFFFu - 40u, 0x80000000u - 27u, 0xFFFFFFFFu - 40u}) {
        FrameTimer timer(start, 27);
        std::vector<uint32_t> fired;
        for (uint32_t elapsed = 1; elapsed <= 300; ++elapsed)
            if (timer.Tick(start + elapsed))
                fired.push_back(elapsed);
        ASSERT_EQ(fired.size(), 11u) << "start " << start;
        for (size_t k = 0; k < fired.size(); ++k)
            EXPECT_EQ(fired[k], 27 * (k + 1) + 1) << "start " << start;
        EXPECT_EQ(timer.NextDue(), start + 27 * 12 + 1);
        const uint32_t late = timer.last + 27 * 5 + 3;
        for (uint32_t k = 1; k <= 5; ++k)
            EXPECT_EQ(timer.Tick(late), k);
        EXPECT_EQ(timer.Tick(late), 0u);
    }
}

// A level start that takes 3 s in either place where it can take time
// (decoding the loading picture, reading the stage music, as the parameter
// says) keeps the picture up no longer than it must, and the gameplay ticks
// do not catch up the time afterwards. Ticks are counted through the input
// cooldown, which every tick decrements and nothing else touches here.
class SlowLoadTest : public FlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SlowLoadTest, NoWaitOnTopAndNoBurstAfterwards) {
    const bool slowMusic = GetParam();
    AddFloorAndHero(1);
    WriteLevels();
    musicLoadMs = slowMusic ? 3000 : 0;
    assets.loadMs = slowMusic ? 0 : 3000;
    const uint32_t start = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(Now() - start, slowMusic ? 2002u + 3000u : 3000u);
    InputCooldown = 1000;
    Spin(271);
    EXPECT_EQ(InputCooldown, 1000 - 10);
}

INSTANTIATE_TEST_SUITE_P(PictureOrMusic, SlowLoadTest, ::testing::Bool());

// A timer that fires changes its period's start; the level phase can change
// only on a pass too. The wake-up time given before must not lie after it,
// also while the clock crosses the signed and the unsigned wrap.
class NextDueTest : public FlowTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(NextDueTest, NeverLaterThanTheNextFiring) {
    Headless_SetClock(GetParam());
    AddFloorAndHero(1);
    Add(1, kDeadly, 40, 0);
    Add(1, kLooping, 100, 0);
    WriteLevels();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    uint32_t latestDue = Now();
    bool dueNow = false;
    KeyDown[kKeyRight] = 1;  // walks into the deadly cell: a death and a restore
    for (int pass = 0; pass < 6000; ++pass) {
        const uint32_t timers[] = {PhaseTimer.last, GameTickTimer.last, AnimationTimer.last};
        const int32_t levelPhase = LevelPhase;
        Pass();
        const bool fired = PhaseTimer.last != timers[0] || GameTickTimer.last != timers[1] ||
                           AnimationTimer.last != timers[2] || LevelPhase != levelPhase;
        if (fired && !dueNow) {
            ASSERT_LE(static_cast<int32_t>(latestDue - Now()), 0) << "pass " << pass;
        }
        if (HeroDead)
            KeyDown[kKeyRight] = 0;
        const uint32_t due = GameFrameNextDue();
        dueNow = static_cast<int32_t>(due - Now()) <= 0;
        latestDue = dueNow ? latestDue : due;
        Headless_AdvanceClock(dueNow ? 0 : 1);
    }
    EXPECT_EQ(LevelPhase, kPhasePlaying);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

INSTANTIATE_TEST_SUITE_P(StartTicks, NextDueTest,
                         ::testing::Values(1000u, 0x80000000u - 3000u, 0u - 3000u));

}  // namespace
}  // namespace game_test
