#pragma once
// Drawing one frame of the game into the GL window.

#include "platform/sys_window.h"

// The scene renderer's Render, then the window's own update.
void DrawFrame(HWND glWindow);
