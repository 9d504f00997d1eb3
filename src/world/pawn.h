#pragma once
// One object of the level being played. Pawns are small values: the level
// holds them by value, the restart copy copies them wholesale, everything
// else points at them.

#include <cstdint>

#include "world/pawn_template.h"
#include "world/transform.h"

struct Pawn {
    PawnTemplate* Template;
    int32_t Frame = 0;
    int32_t Type = 0;     // 0 world pawn, 1 fixed pawn, other values never drawn
    int32_t Settled = 1;  // 0 asks the physics to test its support
    bool Visible = true;
    bool Falling = false;
    bool HolderPopped = false;
    Transform Placement;  // current angles, position, stretch, opacity
    Transform Motion;     // target angles, distances still to travel, target opacity

    explicit Pawn(PawnTemplate* pawnTemplate) : Template(pawnTemplate) {}
    Pawn(PawnTemplate* pawnTemplate, float x, float y) : Template(pawnTemplate) {
        Placement.xoffset = x;
        Placement.yoffset = y;
    }
};
