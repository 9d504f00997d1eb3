#pragma once
// The program's start-up, main loop and shutdown, and its exit statuses.

#include <cstdint>

// The statuses the program ends with (README.md lists them for players). 1
// is kept free: the README gives it to a start-up step that no longer exists.
enum ExitStatusCode : int {
    kExitNormal = 0,       // closed, File > Exit, Alt+F4
    kExitNoRenderer = 2,   // the renderer could not be allocated
    kExitBadPicture = 3,   // a JPEG picture could not be read
    kExitDataError = 4,    // a data file is wrong or missing (after its box)
    kExitNoGLContext = 5,  // no GL context at all, or no display (after its box)
};

// Makes the renderer, opens the window with the menu bar, loads the sounds,
// shows the window and runs the main loop; the back end must have started.
int RunGame();

// What the main loop calls after each pass's events while the game runs, and
// when that call wants to run again: GameFrame and GameFrameNextDue, unless
// a test or tool puts its own in their place.
extern void (*MainLoopFrame)();
extern uint32_t (*MainLoopNextDue)();
