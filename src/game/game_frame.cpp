#include "game/game_frame.h"

#include "game/game_state.h"

void GameFrame(HWND /*glWindow*/) {}

uint32_t GameFrameNextDue() {
    return FrameStartTick + 1;
}
