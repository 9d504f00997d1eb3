#include "shell/main_loop_state.h"

#include "render/game_view.h"

MainLoopState& MainLoop() {
    static MainLoopState loop;
    return loop;
}

GameView& MainLoopView() {
    static GameView view;
    return view;
}
