#pragma once
// Watches the running game for the trace: wraps the main loop's frame call to
// note each gameplay tick and phase change, hears every sound call, and
// notes the message boxes shown, the hints shown and the dead ends told.

#include <functional>

#include "sound/sound_observer.h"
#include "trace_writer.h"

// What a caller hears besides the trace; any of them may be empty.
struct WatchCallbacks {
    std::function<void(int phase)> onPhase;  // each new LevelPhase
    // After every GameFrame of the main loop; gameplayTick tells whether the
    // pass ran a gameplay tick.
    std::function<void(bool gameplayTick)> afterFrame;
    std::function<void(int slot, SoundOp op)> onSound;  // every sound call
};

// Starts writing to trace and telling the callbacks.
void StartWatching(TraceWriter* trace, WatchCallbacks callbacks = WatchCallbacks());
void StopWatching();

// Writes the message boxes shown since the last call (headless only).
void TraceNewBoxes();
