#pragma once
// The flow of levels: the per-frame step of the game, called by the main loop
// after each pass's events once GameInit has run. It loads the
// templates once, then takes each level through its phases (clear, loading
// picture, load and wait, play) on three fixed-period timers, runs the
// gameplay tick and the animation step, restores a dead hero, starts the next
// level and ends on the end picture. The state it keeps is in flow_state.h.

#include <cstdint>

void GameFrame();

// The earliest tick at which GameFrame may have something to do; the main
// loop waits for input no longer than until then.
uint32_t GameFrameNextDue();
