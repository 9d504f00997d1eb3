#pragma once
// The flow of levels: the per-frame step of the game, called by the main loop
// after each pass's events once the game has been initialised. It loads the
// templates once, then takes each level through its phases (clear, loading
// picture, load and wait, play) on three fixed-period timers, runs the
// gameplay tick and the animation step, restores a dead hero, starts the next
// level and ends on the end picture.

#include <cstdint>

#include "core/keys.h"
#include "core/sound_sink.h"
#include "game/frame_timer.h"
#include "game/position.h"
#include "world/level_list.h"

constexpr uint32_t kPhasePeriodMs = 2001;
constexpr uint32_t kGameTickPeriodMs = 27;
constexpr uint32_t kAnimationPeriodMs = 24;

// The timers that pace a game, created on the flow's first call.
struct FlowTimers {
    FrameTimer PhaseTimer;
    FrameTimer GameTickTimer;
    FrameTimer AnimationTimer;
    bool Created = false;
    // The next call first resets all three to its time (after a level start
    // or a load, so that the time they took is not caught up).
    bool TimerResetRequested = false;
};

// A game being played: its position, the timers that pace it, and the levels
// it plays in turn (read from the level store when the first level starts).
struct Game {
    Position position;
    FlowTimers timers;
    std::vector<LevelEntry> levels;
    int firstLevel = 1;  // where a new game begins
    // The keys the hero has taken so far (RuleStep::heroActed), for counting
    // a player's presses.
    uint32_t HeroActions = 0;
};

// The levels the game plays, read from the level store the first time.
const std::vector<LevelEntry>& GameLevels(Game* game);
// The entry of the level being played; null past the last level.
const LevelEntry* CurrentLevelEntry(const Game& game);

// What the flow asks of the program that runs it.
class FlowHost {
  public:
    virtual ~FlowHost() = default;
    virtual SoundSink& Sound() = 0;
    // A frame is due: the loading picture has just been put up, or a gameplay
    // tick has run. The host draws the position now, or not at all.
    virtual void FrameDue(const Position& position) = 0;
    // Blocks, handling no input, until the clock has reached `tick`; returns
    // the clock then.
    virtual uint32_t WaitUntil(uint32_t tick) = 0;
};

// One call of the flow at time `now` (the time taken at the top of the pass)
// with these keys held.
void GameFrame(Game* game, uint32_t now, const KeyDownTable& keys, FlowHost* host);

// The game stood still for `heldMs` while something held the loop (an open
// dialog, a message box, a window being moved, a slow pass): its timers move
// on by that time, so that it resumes where it stood instead of catching up
// every tick it missed while keys are held.
void ResumeAfterHold(Game* game, uint32_t heldMs);

// The earliest tick at which GameFrame may have something to do; the main
// loop waits for input no longer than until then.
uint32_t GameFrameNextDue(const Game& game, uint32_t now);
