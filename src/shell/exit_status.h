#pragma once
// The statuses the program ends with (README.md lists them for players).

enum ExitStatusCode : int {
    kExitNormal = 0,  // closed, File > Exit, Alt+F4
    // 1 is kept free: the README gives it to a start-up step that no longer
    // exists, and no other failure takes the number.
    kExitNoRenderer = 2,   // the renderer could not be allocated
    kExitBadPicture = 3,   // a JPEG picture could not be read
    kExitDataError = 4,    // a data file is wrong or missing (after its box)
    kExitNoGLContext = 5,  // no GL context at all, or no display (after its box)
};
