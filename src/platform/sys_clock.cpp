#include "platform/sys_clock.h"

#include <chrono>

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
