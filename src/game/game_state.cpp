#include "game/game_state.h"

#include <algorithm>
#include <iterator>

int32_t GameState = kGameNotStarted;
int32_t LevelPhase = 0;
uint32_t FrameStartTick = 0;
uint8_t KeyDown[kKeyCodeCount] = {};

void ResetGameState() {
    GameState = kGameNotStarted;
    LevelPhase = 0;
    FrameStartTick = 0;
    std::fill(std::begin(KeyDown), std::end(KeyDown), 0);
}
