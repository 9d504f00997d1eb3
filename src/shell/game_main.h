#pragma once
// The program's start-up, main loop and shutdown, and its exit statuses.

#include <cstdint>

#include "shell/main_loop_state.h"
#include "shell/play_session.h"

// The statuses the program ends with (README.md lists them for players). 1
// is kept free: the README gives it to a start-up step that no longer exists.
enum ExitStatusCode : int {
    kExitNormal = 0,       // closed, File > Exit, Alt+F4
    kExitNoRenderer = 2,   // the renderer could not be allocated
    kExitBadPicture = 3,   // a JPEG picture could not be read (after its box)
    kExitDataError = 4,    // a data file is wrong or missing (after its box)
    kExitNoGLContext = 5,  // no GL context at all, or no display (after its box)
};

// Makes the renderer, opens the window with the menu bar, loads the sounds,
// shows the window and runs the main loop; the back end must have started.
// The game starts afresh, with the session's settings.
int RunGame(const SessionSettings& settings = SessionSettings());

// The flow's call of one pass and its next due time, on the main loop's game
// with its sounds, drawing and clock.
void MainLoopGameFrame();
uint32_t MainLoopGameFrameNextDue();

// What the main loop calls after each pass's events while the game runs, and
// when that call wants to run again: the two above, unless a test or tool
// puts its own in their place.
extern void (*MainLoopFrame)();
extern uint32_t (*MainLoopNextDue)();
