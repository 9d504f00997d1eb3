#include "shell/game_init.h"

#include "game/game_state.h"
#include "game/level_changes.h"
#include "shell/resources.h"
#include "shell/shell_state.h"

void GameInit() {
    ClearLevel();  // the draw list and the level's pawns
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
