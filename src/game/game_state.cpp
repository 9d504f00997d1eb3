#include "game/game_state.h"

int32_t GameState = kGameNotStarted;
int32_t LevelPhase = 0;
uint32_t FrameStartTick = 0;
uint8_t KeyDown[256] = {};
