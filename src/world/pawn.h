#pragma once
// One object of the level being played. Pawns are small values: the level
// holds them by value, the restart copy copies them wholesale, everything
// else points at them.

#include <cstdint>

#include "world/pawn_template.h"
#include "world/transform.h"

// One grid cell, in world units: every ordered move is one cell long, and
// pawns that take part in the rules stand on whole cells.
constexpr float kCellSize = 20.0f;

// Values of Pawn::Type.
enum PawnType : int32_t {
    kWorldPawn = 0,  // drawn through the world camera and culled around it
    kFixedPawn = 1,  // drawn through the fixed camera, never culled
};

struct Pawn {
    PawnTemplate* Template;
    int32_t Frame = 0;
    int32_t Type = kWorldPawn;  // other values than PawnType are never drawn
    int32_t Settled = 1;        // 0 asks the physics to test its support
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

// The rules compare positions exactly: every move is whole cells travelled
// in steps that floats hold exactly.
inline bool SameCell(const Pawn& a, const Pawn& b) {
    return a.Placement.xoffset == b.Placement.xoffset && a.Placement.yoffset == b.Placement.yoffset;
}
