#pragma once
// The per-frame function the main loop calls after every drain of the
// message queue, once the shell is initialised.

#include <cstdint>

#include "platform/sys_window.h"

void GameFrame(HWND glWindow);

// When the main loop must call GameFrame again: at once (a phase step is
// pending or timers are behind), at `due` (the earliest time a timer can
// fire), or only after the next message (nothing is scheduled).
struct GameFrameWait {
    bool now;
    uint32_t due;
    bool hasDue;
};
GameFrameWait GameFrameNextDue();
