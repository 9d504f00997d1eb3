#pragma once
// What the scene renderer reads each frame: the pawns to draw and the world
// camera (kept by the game's view), and the position, for the bomb gauge.
// The renderer only reads through the pointers.

#include "game/draw_list.h"
#include "game/position.h"

class Camera;

struct SceneView {
    const DrawList* drawList = nullptr;  // pawns to draw, in drawing order
    const Camera* worldCamera = nullptr;
    const Position* position = nullptr;
};
