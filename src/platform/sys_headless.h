#pragma once
// Driving the headless back end: its clock, its idle time, its pointer over
// the menu and dialog (other input goes in as on the desktop), what it showed.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

void Headless_SetClock(uint32_t tick);
void Headless_AdvanceClock(uint32_t ms);

// Decides what happens whenever the program waits for input: it may deliver
// input and move the clock (by at most timeoutMs to honour the wait exactly).
// Without one, the time waited for passes.
void Headless_SetIdleHandler(std::function<void(uint32_t timeoutMs)> handler);

void Headless_Mouse(int x, int y, bool down);

struct ShownBox {
    std::string text;
    std::string caption;
    bool dialog;  // else a message box
    bool error;   // a message box with the error icon
};
const std::vector<ShownBox>& Headless_Shown();
