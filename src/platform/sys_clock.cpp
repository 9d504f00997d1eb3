#include "platform/sys_clock.h"

#include <chrono>
#include <thread>

uint32_t GetTickCount() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    return static_cast<uint32_t>(elapsed.count());
}

void Sys_WaitUntil(uint32_t tick) {
    while (static_cast<int32_t>(tick - GetTickCount()) > 0)
        std::this_thread::yield();
}
