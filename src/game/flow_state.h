#pragma once
// The state of a game in progress: which level, what phase it is in, the
// three timers that pace it, and what the rules keep between ticks.

#include <cstdint>

#include "game/frame_timer.h"

// Stored values of LevelPhase within GameState 2.
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
extern int32_t InputCooldown;
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
