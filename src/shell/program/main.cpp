// The korvath program: the game on the desktop back end.

#include <cstdio>

#include "platform/sys_main.h"
#include "shell/game_main.h"

int main() {
    if (!Sys_StartDesktop()) {
        std::fprintf(stderr, "Korvath: no display to open a window on.\n");
        return kExitNoGLContext;
    }
    int status = RunGame();
    Sys_Stop();
    return status;
}
