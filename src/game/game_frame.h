#pragma once
// The per-frame step of the game, called by the main loop after every drain
// of the message queue once GameInit has run.

#include <cstdint>

#include "platform/sys_window.h"

void GameFrame(HWND glWindow);

// The earliest tick at which GameFrame may have something to do; the main
// loop waits for input no longer than until then.
uint32_t GameFrameNextDue();
