#include "game/scene_source.h"

#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_state.h"

namespace {

bool LevelBeingPlayed() {
    return GameState == kGameRunning && LevelPhase == kPhasePlaying;
}

}  // namespace

SceneView GameSceneView() {
    SceneView view;
    view.drawList = &DrawList;
    view.worldCamera = &WorldCamera;
    view.bombCount = &BombCount;
    view.gaugeVisible = LevelBeingPlayed;
    return view;
}
