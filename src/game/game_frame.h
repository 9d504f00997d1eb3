#pragma once
// The per-frame step of the game, called by the main loop after each pass's
// events once GameInit has run.

#include <cstdint>

void GameFrame();

// The earliest tick at which GameFrame may have something to do; the main
// loop waits for input no longer than until then.
uint32_t GameFrameNextDue();
