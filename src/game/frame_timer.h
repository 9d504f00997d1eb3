#pragma once
// A fixed-period timer read against the time taken at the top of each
// main-loop pass. A period fires only when strictly more than `period` ms
// have passed since `last`, and `last` advances by exactly one period per
// firing, so a timer that fell behind fires on consecutive calls until it
// has caught up.

#include <cstdint>

struct FrameTimer {
    uint32_t last = 0;
    uint32_t period = 0;
    uint32_t count = 0;  // consecutive calls that fired

    FrameTimer() = default;
    FrameTimer(uint32_t now, uint32_t periodMs) : last(now), period(periodMs) {}

    void Reset(uint32_t now) {
        last = now;
        count = 0;
    }

    // Moves the timer on by `ms` in which nothing happened, so that it fires
    // as it would have at the time the pause began.
    void Shift(uint32_t ms) { last += ms; }

    // Returns the number of consecutive firings, or 0 when the period has not
    // passed. The elapsed time is taken as a wrapping difference, so the
    // timer keeps working when the clock or `last + period` crosses 2^31.
    uint32_t Tick(uint32_t now) {
        if (static_cast<int32_t>(now - last) > static_cast<int32_t>(period)) {
            last += period;
            return ++count;
        }
        count = 0;
        return 0;
    }

    // The first time at which Tick can fire.
    uint32_t NextDue() const { return last + period + 1; }
};
