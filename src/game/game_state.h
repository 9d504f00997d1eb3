#pragma once
// The shell's view of the game: whether it has started, the phase of the
// level, the time taken at the top of the main-loop pass, and the keys held.

#include <cstdint>

// 0 until the main window has run GameInit; 1: load the templates on the next
// frame; 2: running the levels.
extern int32_t GameState;
// Within GameState 2: 1 StartLevel, 6 LoadingScreen, 5 LoadLevel, 2 Playing, 7 Ended.
extern int32_t LevelPhase;
// GetTickCount() taken at the top of every main-loop pass.
extern uint32_t FrameStartTick;
// 1 while the key with that virtual-key code is held.
extern uint8_t KeyDown[256];
