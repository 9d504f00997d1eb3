#pragma once
// What the main loop keeps, reached by the session, the tools and the tests:
// the game it runs and the history of its presses, the keys held (written by
// its key events, read by the gameplay tick), the time taken at the top of
// the current pass, which every timer decision of that pass uses, the
// looking ahead, and the view it draws the game through.

#include <cstdint>

#include "core/keys.h"
#include "game/game_frame.h"
#include "game/play_history.h"
#include "shell/look_ahead.h"

class GameView;

struct MainLoopState {
    Game game;
    PlayHistory history;
    KeyDownTable KeyDown = {};
    LookAhead look;  // which held arrows are for looking, and how far the view looks
    uint32_t FrameStartTick = 0;
};
MainLoopState& MainLoop();
GameView& MainLoopView();
