#pragma once
// Runs the game on the headless back end from an input list: the same
// start-up, main loop and GameFrame as the real game, on a virtual clock that
// jumps straight to the next moment anything is due.

#include <functional>
#include <vector>

#include "replay_input.h"
#include "replay_options.h"
#include "sound/sound_observer.h"

// Exit status when the replay gave up: --until ended did not see the end
// within its time limit, or the game did not come to rest for a "next" press
// (or, after the last one, to end the replay) within kRestTimeLimitMs.
constexpr int kReplayNotEnded = 3;
// The virtual time after which --until ended gives up.
constexpr uint32_t kReplayTimeLimitMs = 60u * 60u * 1000u;
// The virtual time the game has to come to rest after the previous event.
constexpr uint32_t kRestTimeLimitMs = 60u * 1000u;

// What an in-process caller hears of the running game; either may be empty.
struct ReplayHooks {
    std::function<void()> afterFrame;                   // after every GameFrame of the main loop
    std::function<void(int slot, SoundOp op)> onSound;  // every sound call the game makes
};

// Runs one replay in the current directory (the game's root), writing the
// trace file options name; returns the tool's exit status.
int RunReplay(const ReplayOptions& options, const std::vector<InputEvent>& events,
              const ReplayHooks* hooks = nullptr);
