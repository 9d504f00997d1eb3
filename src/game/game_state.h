#pragma once
// The state of the game that the shell and the game flow share.

#include <cstdint>

#include "core/keys.h"

// Values of GameState.
enum GameStateValue : int32_t {
    kGameNotStarted = 0,     // until GameInit has run
    kGameLoadTemplates = 1,  // the templates load on the next frame
    kGameRunning = 2,        // the levels are played
};

extern int32_t GameState;
// Within GameState 2: the step of the current level (set to 0 by GameInit).
extern int32_t LevelPhase;
// GetTickCount at the top of the current main-loop pass; every timer
// decision of one pass uses this instant.
extern uint32_t FrameStartTick;
// 1 while the key with that code (core/keys.h) is held, else 0.
// Written by the main loop's key events, read by the gameplay tick.
extern uint8_t KeyDown[kKeyCodeCount];

// Every value above as it is when the program starts.
void ResetGameState();
