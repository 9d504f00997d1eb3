// The pace of the game: the fixed-period timers across the clock's wrap, the
// cadence of gameplay ticks, no burst after a slow load, and the wake-up time
// that GameFrameNextDue gives the main loop.

#include <tuple>

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

TEST(FrameTimerTest, FiresOncePerPeriodAcrossTheSignedAndUnsignedWrap) {
    for (uint32_t start : {0u, 0x7FFFFFFFu - 40u, 0x80000000u - 27u, 0xFFFFFFFFu - 40u}) {
        FrameTimer timer(start, 27);
        std::vector<uint32_t> fired;
        for (uint32_t elapsed = 1; elapsed <= 300; ++elapsed) {
            if (timer.Tick(start + elapsed))
                fired.push_back(elapsed);
        }
        ASSERT_EQ(fired.size(), 11u) << "start " << start;
        for (size_t k = 0; k < fired.size(); ++k)
            EXPECT_EQ(fired[k], 27 * (k + 1) + 1) << "start " << start;
        EXPECT_EQ(timer.NextDue(), start + 27 * 12 + 1);
    }
}

TEST(FrameTimerTest, CatchesUpOnePeriodPerCallAfterAStall) {
    FrameTimer timer(0xFFFFFFF0u, 27);
    const uint32_t late = 0xFFFFFFF0u + 27 * 5 + 3;
    for (uint32_t k = 1; k <= 5; ++k)
        EXPECT_EQ(timer.Tick(late), k);
    EXPECT_EQ(timer.Tick(late), 0u);
    EXPECT_EQ(timer.last, 0xFFFFFFF0u + 27 * 5);
}

// A slow load, in either of the two places where a level start can take
// time: decoding the loading picture, or reading the stage music.
uint32_t g_musicLoadMs = 0;

void SlowMusicObserver(int slot, SoundOp op, const char* file, bool ok) {
    RecordSound(slot, op, file, ok);
    if (op == SoundOp::Load && std::string(file).find("stage") != std::string::npos)
        Headless_AdvanceClock(g_musicLoadMs);
}

class SlowLoadTest : public FlowTest {
  protected:
    void TearDown() override {
        g_musicLoadMs = 0;
        FlowTest::TearDown();
    }
    // Ticks in the 271 ms after the first pass that sees the level loaded.
    int32_t TicksAfterLoad() {
        InputCooldown = kTickCounter;
        Spin(271);
        return TicksCounted();
    }
};

TEST_F(SlowLoadTest, SlowPictureKeepsItUpForTheLoadTimeOnlyAndTicksDoNotCatchUp) {
    AddFloorAndHero(1);
    WriteLevels();
    assets.loadMs = 3000;
    const uint32_t start = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(Now() - start, 3000u);  // no wait on top of the load
    EXPECT_EQ(TicksAfterLoad(), 10);
}

TEST_F(SlowLoadTest, SlowMusicLoadIsNotCaughtUpAfterwards) {
    AddFloorAndHero(1);
    WriteLevels();
    g_musicLoadMs = 3000;
    SetSoundObserver(SlowMusicObserver);
    const uint32_t start = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(Now() - start, 2002u + 3000u);
    EXPECT_EQ(TicksAfterLoad(), 10);
}

// How the main loop gets from one pass to the next.
enum class Waiting {
    kSpinning,    // a pass every millisecond, as the loop that never sleeps
    kUntilDue,    // sleeps exactly until GameFrameNextDue
    kWakingLate,  // sleeps until then, but wakes up to 19 ms late
};

class CadenceTest : public FlowTest,
                    public ::testing::WithParamInterface<std::tuple<uint32_t, Waiting>> {
  protected:
    uint32_t NextWake(uint32_t pass) {
        const uint32_t now = Now();
        const uint32_t due = GameFrameNextDue();
        if (std::get<1>(GetParam()) == Waiting::kSpinning)
            return now + 1;
        const uint32_t lateness =
            std::get<1>(GetParam()) == Waiting::kWakingLate ? (pass * 7919u) % 20u : 0u;
        return static_cast<int32_t>(due - now) > 0 ? due + lateness : now + lateness;
    }
};

// Over ten seconds of play: 37 ticks a second, and no tick before its period
// has fully passed, however the loop waits.
TEST_P(CadenceTest, ThirtySevenTicksASecondEachAfterAFullPeriod) {
    Headless_SetClock(std::get<0>(GetParam()));
    AddFloorAndHero(1);
    WriteLevels();
    StartLevelAndPlay(1);
    const uint32_t begin = Now();
    InputCooldown = kTickCounter;
    std::vector<uint32_t> tickTimes;
    for (uint32_t pass = 0; Now() - begin < 10000; ++pass) {
        ASSERT_LT(pass, 100000u);
        Headless_SetClock(NextWake(pass));
        if (Now() - begin > 10000)
            break;
        const int32_t before = TicksCounted();
        Pass();
        for (int32_t t = before; t < TicksCounted(); ++t)
            tickTimes.push_back(Now() - begin);
    }
    if (std::get<1>(GetParam()) == Waiting::kWakingLate) {
        EXPECT_GE(tickTimes.size(), 369u);
        EXPECT_LE(tickTimes.size(), 371u);
    } else {
        EXPECT_EQ(tickTimes.size(), 370u);
    }
    for (size_t k = 0; k < tickTimes.size(); ++k) {
        ASSERT_GT(tickTimes[k], 27 * (k + 1)) << "tick " << k + 1 << " came early";
        if (std::get<1>(GetParam()) != Waiting::kWakingLate) {
            ASSERT_EQ(tickTimes[k], 27 * (k + 1) + 1) << "tick " << k + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(StartTicksAndLoops, CadenceTest,
                         ::testing::Combine(::testing::Values(0u, 0x80000000u - 4000u, 0u - 4000u),
                                            ::testing::Values(Waiting::kSpinning,
                                                              Waiting::kUntilDue,
                                                              Waiting::kWakingLate)));

// A timer that fires changes its period's start; the level phase can change
// only on a pass too. The wake-up time given before must not lie after it.
TEST_F(FlowTest, NextDueIsNeverLaterThanTheNextFiring) {
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

}  // namespace
}  // namespace game_test
