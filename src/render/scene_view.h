#pragma once
// What the scene renderer reads from the game each frame. The game owns these
// and fills this in once; the renderer only reads through the pointers.

#include "core/linked_list.h"

class Camera;
struct Pawn;

struct SceneView {
    const LinkedList<Pawn*>* drawList = nullptr;  // pawns to draw, in drawing order
    const Camera* worldCamera = nullptr;
    const int* bombCount = nullptr;
    bool (*gaugeVisible)() = nullptr;  // whether a level is being played
};
