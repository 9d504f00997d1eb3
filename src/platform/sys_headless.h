#pragma once
// Driving the headless back end: its clock, input as the desktop would
// deliver it, and what was shown.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/sys_events.h"

void Headless_SetClock(uint32_t tick);
void Headless_AdvanceClock(uint32_t ms);

// Decides what happens whenever the program waits for input: it may deliver
// input and move the clock (by at most timeoutMs to honour the wait exactly).
// Without one, the time waited for passes.
void Headless_SetIdleHandler(std::function<void(uint32_t timeoutMs)> handler);

// Input as a back end delivers it; the close button is Sys_PostClose, a menu
// command Sys_PushEvent. Keys outside 1..255 are dropped; with Alt held a key
// is the window's, not the game's; an open dialog takes every key.
void Sys_DeliverKey(int key, bool down, bool repeat = false, bool alt = false);
void Sys_DeliverResize(int width, int height);  // the whole window, menu bar included
void Sys_PushEvent(const Event& event);
void Sys_CloseDialog();                        // the open dialog's OK button
void Headless_Mouse(int x, int y, bool down);  // the pointer over the menu and dialog

struct ShownBox {
    std::string text;
    std::string caption;
    bool dialog;  // else a message box
    bool error;   // a message box with the error icon
};
const std::vector<ShownBox>& Headless_Shown();
