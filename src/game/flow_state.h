#pragma once
// The state of a game in progress: which level, what phase it is in, the
// three timers that pace it, and what the rules keep between ticks.

#include <cstdint>

// A fixed-period timer read against the time taken at the top of each
// main-loop pass. A period fires only when strictly more than `period` ms
// have passed since `last`, and `last` advances by exactly one period per
// firing, so a timer that fell behind fires on consecutive calls until it
// has caught up.
struct FrameTimer {
    uint32_t last = 0;
    uint32_t period = 0;
    uint32_t count = 0;  // consecutive calls that fired

    FrameTimer() = default;
    FrameTimer(uint32_t now, uint32_t periodMs) : last(now), period(periodMs) {}

    void Reset(uint32_t now) {
        last = now;
        count = 0;
    }

    // Returns the number of consecutive firings, or 0 when the period has not
    // passed. The elapsed time is taken as a wrapping difference, so the
    // timer keeps working when the clock or `last + period` crosses 2^31.
    uint32_t Tick(uint32_t now) {
        if (static_cast<int32_t>(now - last) > static_cast<int32_t>(period)) {
            last += period;
            return ++count;
        }
        count = 0;
        return 0;
    }

    // The first time at which Tick can fire.
    uint32_t NextDue() const { return last + period + 1; }
};

// Stored values of LevelPhase while GameState is kGameRunning.
enum LevelPhaseValue : int32_t {
    kPhaseStartLevel = 1,
    kPhasePlaying = 2,
    kPhaseLoadLevel = 5,
    kPhaseLoadingScreen = 6,
    kPhaseEnded = 7,
};

constexpr uint32_t kPhasePeriodMs = 2001;
constexpr uint32_t kGameTickPeriodMs = 27;
constexpr uint32_t kAnimationPeriodMs = 24;

extern int32_t CurrentLevel;
extern bool TimerResetRequested;
extern bool HeroDead;
extern bool LevelFinished;
extern int32_t InputCooldown;  // game ticks during which the hero's keys are not read
// The cooldown after a bomb, a death, a reset, a restore and a barrel kick;
// and the shorter one after a switch.
constexpr int32_t kCooldownTicks = 10;
constexpr int32_t kSwitchCooldownTicks = 8;
extern int32_t BombCount;
extern int32_t ExplosionSoundIndex;  // 1, 2, 3: which explosion voice sounds next
// The last gameplay tick began with the hero standing in the cell he is in
// now, so the touch rules and the wake-up around him have run there. Cleared
// whenever the level is loaded or restored.
extern bool HeroLookedAround;

extern FrameTimer PhaseTimer;
extern FrameTimer GameTickTimer;
extern FrameTimer AnimationTimer;

// Puts every value above back as it is when the program starts, so that a
// second game in the same process (a test, a tool) starts afresh.
void ResetFlowState();
