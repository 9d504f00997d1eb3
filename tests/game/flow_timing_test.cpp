// The pace of the game: the fixed-period timers across the clock's wrap, no
// burst of ticks after a slow load, and the wake-up time that
// GameFrameNextDue gives the main loop.

#include "flow_fixture.h"
#include "game/game_frame.h"
#include "platform/sys_clock.h"
#include "platform/sys_headless.h"

namespace game_test {
namespace {

// Gameplay ticks are counted through the input cooldown, which every tick
// decrements by one and nothing else touches while the hero stands still.
constexpr int32_t kTickCounter = 1000000;

int32_t TicksCounted() {
    return kTickCounter - InputCooldown;
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

uint32_t g_musicLoadMs = 0;

void SlowMusicObserver(int slot, SoundOp op, const char* file, bool ok) {
    RecordSound(slot, op, file, ok);
    if (op == SoundOp::Load && std::string(file).find("stage") != std::string::npos)
        Headless_AdvanceClock(g_musicLoadMs);
}

// A level start that takes 3 s in either place where it can take time
// (decoding the loading picture, reading the stage music, as the parameter
// says) keeps the picture up no longer than it must, and the gameplay ticks
// do not catch up the time afterwards.
class SlowLoadTest : public FlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SlowLoadTest, NoWaitOnTopAndNoBurstAfterwards) {
    const bool slowMusic = GetParam();
    AddFloorAndHero(1);
    WriteLevels();
    g_musicLoadMs = slowMusic ? 3000 : 0;
    assets.loadMs = slowMusic ? 0 : 3000;
    SetSoundObserver(SlowMusicObserver);
    const uint32_t start = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(Now() - start, slowMusic ? 2002u + 3000u : 3000u);
    InputCooldown = kTickCounter;
    Spin(271);
    EXPECT_EQ(TicksCounted(), 10);
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
        const uint32_t phase = PhaseTimer.last, tick = GameTickTimer.last;
        const uint32_t animation = AnimationTimer.last;
        const int32_t levelPhase = LevelPhase;
        Pass();
        const bool fired = PhaseTimer.last != phase || GameTickTimer.last != tick ||
                           AnimationTimer.last != animation || LevelPhase != levelPhase;
        if (fired && !dueNow) {
            ASSERT_LE(static_cast<int32_t>(latestDue - Now()), 0) << "pass " << pass;
        }
        if (HeroDead)
            KeyDown[kKeyRight] = 0;
        const uint32_t due = GameFrameNextDue();
        dueNow = static_cast<int32_t>(due - Now()) <= 0;
        if (!dueNow)
            latestDue = due;
        if (LevelPhase == kPhasePlaying && !dueNow) {
            EXPECT_GT(static_cast<int32_t>(due - Now()), 0);
        }
        Headless_AdvanceClock(dueNow ? 0 : 1);
    }
    EXPECT_EQ(LevelPhase, kPhasePlaying);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

INSTANTIATE_TEST_SUITE_P(StartTicks, NextDueTest,
                         ::testing::Values(1000u, 0x80000000u - 3000u, 0u - 3000u));

}  // namespace
}  // namespace game_test
