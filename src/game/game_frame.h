#pragma once
// The per-frame function the main loop calls after every drain of the
// message queue, once the shell is initialised.

#include <cstdint>

#include "platform/sys_window.h"

void GameFrame(HWND glWindow);

// The earliest tick at which GameFrame may have something to do (a tick at
// or before now: call again at once); the main loop waits for input no
// longer than until then.
uint32_t GameFrameNextDue();
