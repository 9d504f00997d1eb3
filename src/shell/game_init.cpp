#include "shell/game_init.h"

#include "game/game_state.h"
#include "shell/resources.h"
#include "shell/shell_state.h"

void GameInit() {
    // LEAD: DrawList.Clear();   (game/draw_list.h, from the game-flow branch)
    // LEAD: LevelPawns.Clear(); (world/level.h declares it; level.cpp defines it on the world
    // branch)
    GameState = 1;
    LevelPhase = 0;
    ClientWidth = 800;
    ClientHeight = 600;
    const int cursorIds[kCursorCount] = {IDC_CURSOR_MODE0, IDC_CURSOR_MODE1, IDC_CURSOR_MODE2,
                                         IDC_CURSOR_MODE3};
    for (int mode = 0; mode < kCursorCount; ++mode)
        Cursors[mode] = LoadCursor(ApplicationInstance, cursorIds[mode]);
    CursorMode = 0;
}
