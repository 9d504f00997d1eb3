#pragma once

// The shell's one-time set-up, run by the main window's WM_CREATE before the
// GL window is made: empty level, GameState 1, default client size, cursors.
void GameInit();
