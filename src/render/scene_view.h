#pragma once
// What the scene renderer reads each frame: the pawns to draw and the world
// camera (kept by the game's view), and the position, for the bomb gauge.
// The renderer only reads through the pointers.

#include "game/draw_list.h"
#include "game/position.h"

class Camera;

// A sign drawn over the hero: the key a hint suggests, or that no way to the
// exit is left from here (or that the search gave up). A small sign is a
// quiet reminder, kept up while it holds.
struct HintSign {
    enum Kind { kNone, kKey, kNoWay } kind = kNone;
    int keyCode = 0;
    bool gaveUp = false;
    bool small = false;
};

struct SceneView {
    const DrawList* drawList = nullptr;  // pawns to draw, in drawing order
    const Camera* worldCamera = nullptr;
    const Position* position = nullptr;
    const HintSign* hint = nullptr;
    // Frames drawn since the hero died (0 while he lives), for the death's moment.
    const int* heroDeadFrames = nullptr;
};
