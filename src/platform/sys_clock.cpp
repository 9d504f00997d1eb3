#include "platform/sys_clock.h"

#include <chrono>
#include <thread>

#include "platform/sys_backend.h"

uint32_t Sys_RealTicks() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    return static_cast<uint32_t>(elapsed.count());
}

uint32_t GetTickCount() {
    return Sys_Backend() ? Sys_Backend()->Ticks() : Sys_RealTicks();
}

void Sys_WaitUntil(uint32_t tick) {
    for (;;) {
        int32_t remaining = static_cast<int32_t>(tick - GetTickCount());
        if (remaining <= 0)
            return;
        if (Sys_Backend())
            Sys_Backend()->Sleep(static_cast<uint32_t>(remaining));
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(remaining));
    }
}
