#include "game/game_state.h"

int32_t GameState = 0;
int32_t LevelPhase = 0;
uint32_t FrameStartTick = 0;
uint8_t KeyDown[256] = {};
