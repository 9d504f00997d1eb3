#pragma once
// The program's start-up, main loop and shutdown.

#include "platform/sys_window.h"

// Registers the window classes, makes the renderer and the main window, shows
// it and runs the main loop; returns the exit status (exit_status.h).
int WinMain(HINSTANCE instance, int showCommand);

// What the main loop calls after each drain once GameInit has run, and when
// that call wants to run again: GameFrame and GameFrameNextDue, unless a test
// puts its own in their place.
extern void (*MainLoopFrame)(HWND glWindow);
extern uint32_t (*MainLoopNextDue)();
