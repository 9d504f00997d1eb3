#include "platform/sys_clock.h"

#include <chrono>

uint32_t GetTickCount() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    return static_cast<uint32_t>(elapsed.count());
}
