#pragma once
// Watches the running game for the trace: wraps the main loop's frame call to
// note each gameplay tick and phase change, hears every sound call, and
// notes the message boxes shown.

#include "trace_writer.h"

// Starts writing to trace; onPhase (may be null) hears each new LevelPhase.
void StartWatching(TraceWriter* trace, void (*onPhase)(int phase));
void StopWatching();

// Writes the message boxes shown since the last call (headless only).
void TraceNewBoxes();
