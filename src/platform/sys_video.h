#pragma once
// The game's one window: a menu bar strip at the top, the client area below
// it where the game draws, and one GL context for the window's whole life.

#include <vector>

#include "platform/sys_gl.h"

struct MenuItem {
    const char* label;  // '&' marks the access key; a tab, the key shown beside it
    int command;
};

struct MenuPopup {
    const char* label;
    std::vector<MenuItem> items;
};

// Makes the window, hidden, with a GL context of this format made current;
// false (and no window) when no context can be had with this format.
bool Sys_OpenWindow(const char* title, int width, int height, const PixelFormat& format);
void Sys_CloseWindow();
void Sys_ShowWindow();
// Whether the window has a GL context (a headless one without GL has none).
bool Sys_WindowDraws();
// The menu bar's popups (set before opening); a chosen item is a Command event.
void Sys_SetMenu(const std::vector<MenuPopup>& menu);
// The client area: the window below the menu bar.
void Sys_ClientSize(int* width, int* height);
void Sys_DeliverResize(int width, int height);  // the whole window, as a back end tells it
// A line of text shown at the foot of the window over every frame, until
// another or "" replaces it.
void Sys_SetNotice(const char* text);
// Lines of text shown large over every frame, until others or "" replace
// them; centred across the window, with their middle at `height` (a share of
// the window's height from its top).
void Sys_SetBanner(const char* text, float height = 0.5f);
// Whether the menu item of this command shows a check mark (none at first).
void Sys_SetMenuChecked(int command, bool checked);
// Shows the frame in the back buffer with the menu bar and dialog over it.
void Sys_SwapWindow();
// Called with a finished frame still in the back buffer, for a tool to read.
extern void (*Sys_BeforeSwap)();
