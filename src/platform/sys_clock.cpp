#include "platform/sys_clock.h"

#include "platform/sys_internal.h"

// Without a back end (tools that only read data), SDL's clock.
uint32_t GetTickCount() {
    return Sys_Backend() ? Sys_Backend()->Ticks() : SDL_GetTicks();
}

void Sys_WaitUntil(uint32_t tick) {
    for (int32_t left; (left = static_cast<int32_t>(tick - GetTickCount())) > 0;) {
        if (Sys_Backend())
            Sys_Backend()->Sleep(static_cast<uint32_t>(left));
        else
            SDL_Delay(static_cast<uint32_t>(left));
    }
}
