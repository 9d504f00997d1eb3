#pragma once
// The pawns of a level, in level order, and the index that finds the pawns of
// each kind: positions in the pawn list, in list order, rebuilt from the list
// by BuildLevelIndex. A pawn may stand in several index lists.

#include <cstdint>
#include <vector>

#include "world/pawn.h"

using PawnList = std::vector<Pawn>;

// A blocking pawn the rules never move or change, filed under its column.
struct ColumnEntry {
    float x;
    int32_t pawn;
};

struct LevelIndex {
    std::vector<int32_t> GatePawns;          // swapped by switches
    std::vector<int32_t> DestructiblePawns;  // turned to rubble by a blast
    std::vector<int32_t> MovingPawns;        // stepped by the physics
    std::vector<int32_t> BlockingPawns;      // stop and carry others
    std::vector<int32_t> CellActionPawns;    // ladders and switches
    std::vector<int32_t> PickupPawns;        // bombs, deadly cells, checkpoints
    std::vector<int32_t> AnimatedPawns;      // two or more frames
    // -1 when there is none; the later of two is taken. A level without a hero
    // is a data error, and after its report nothing may use the hero.
    int32_t PlayerPawn = -1;
    int32_t FinishPawn = -1;

    // BlockingPawns again, split for finding them by cell: the fixed ones
    // sorted by column and then list order, and the ones the rules can move
    // or change (world/template_roles.h) in list order.
    std::vector<ColumnEntry> FixedBlockers;
    std::vector<int32_t> LooseBlockers;

    bool operator==(const LevelIndex& other) const;
};

// Appends the pawns of level "Level<level>" of "levels.xml". A "PawnTemplate"
// outside the table or a number out of range is a data error: it is reported
// and nothing more of the level is loaded. A level without a hero is named on
// standard error; BuildLevelIndex reports it.
void LoadLevelPawns(int level, PawnList* pawns);

// Rebuilds every list of the index from the pawns; reports a level without a hero.
void BuildLevelIndex(const PawnList& pawns, LevelIndex* index);

// The fixed blockers of one column, in list order.
struct ColumnRange {
    const ColumnEntry* begin;
    const ColumnEntry* end;
};
ColumnRange FixedBlockersAt(const LevelIndex& index, float x);
