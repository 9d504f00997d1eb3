#pragma once
// The program's start-up, main loop and shutdown.

#include <cstdint>

// Makes the renderer, opens the window with the menu bar, loads the sounds,
// shows the window and runs the main loop until the game ends; returns the
// exit status (exit_status.h). The back end must have been started.
int RunGame();

// The client area, below the menu bar; the GL view fills it.
extern int ClientWidth;
extern int ClientHeight;

// What the main loop calls after each pass's events while the game runs, and
// when that call wants to run again: GameFrame and GameFrameNextDue, unless
// a test or tool puts its own in their place.
extern void (*MainLoopFrame)();
extern uint32_t (*MainLoopNextDue)();
