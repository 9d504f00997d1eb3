#pragma once
// Driving the headless back end: the clock, scripted input, and what was
// shown. Steps run one at a time, each when the program would otherwise wait
// for input (Sys_WaitMessage), so a script interleaves with the program as a
// user at the keyboard would.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/sys_window.h"

void Headless_SetClock(uint32_t tick);
void Headless_AdvanceClock(uint32_t ms);
uint32_t Headless_WaitCount();  // how often the program waited

void Headless_AddStep(std::function<void()> step);
size_t Headless_StepsLeft();

// Once the script has run out, the handler decides what happens whenever the
// program waits: it may deliver input and move the clock (by at most
// timeoutMs to honour the wait exactly). While one is installed, an open
// dialog is not answered by itself and the window is never closed for the
// script's end. Null restores the default.
void Headless_SetIdleHandler(std::function<void(uint32_t timeoutMs)> handler);

// Input as the desktop would deliver it.
void Headless_Key(int virtualKey, bool down, bool repeat = false, bool alt = false);
void Headless_Close();                          // the window's close button
void Headless_Mouse(int x, int y, bool down);   // pointer within the main window
void Headless_PressDialogButton(int buttonId);  // a click on the open dialog's button

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned type;  // message box style, or the dialog resource number for a dialog
    bool dialog;
};
const std::vector<ShownBox>& Headless_Shown();

// Where the menu bar drew an item ("&File", "&Exit"), in main-window pixels;
// false before the menu was first drawn. Needs GL.
bool Sys_MenuItemCenter(const char* label, int* x, int* y);
