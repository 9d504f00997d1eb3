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

extern FrameTimer PhaseTimer;
extern FrameTimer GameTickTimer;
extern FrameTimer AnimationTimer;
