#pragma once
// Changes to a position's pawns that change the kinds in the level: a pawn
// turned into another kind, removed, or the whole list replaced. Each marks
// the index out of date; BuildLevelIndex brings it up to date where the
// rules rebuild it, and only then do pawns join the lists of their new kind.

#include <cstdint>

#include "game/position.h"
#include "game/rule_step.h"

// Rebuilds the index when it is out of date; reports a level without a hero.
void BuildLevelIndex(Position* position);

// Turns the pawn into another kind: template slot `slot`. The pawn keeps its
// frame unless the new template has no such frame, in which case it starts
// again at frame 0 (a frame past the end would draw nothing for ever).
void SetPawnTemplate(Position* position, Pawn* pawn, int slot);

// Appends a pawn; the index follows at the next BuildLevelIndex.
void AddLevelPawn(Position* position, const Pawn& pawn);

// Removes one pawn from the level and rebuilds the index.
void RemoveLevelPawn(Position* position, int32_t at);

// The level as it is becomes the restart point (a checkpoint, a level's start).
void TakeRestartCopy(Position* position);

// Copies the restart point back into the level (death, reset key).
void RestoreSavedLevel(Position* position);

// Empties the level and its index.
void ClearLevel(Position* position);

// Takes a pickup out of every index list at once, and out of the level at
// the end of the moving-pawns step (FlushDetachedPawns), so that the running
// step never finds it again.
void DetachPawnDuringStep(RuleStep* step, int32_t at);
void FlushDetachedPawns(RuleStep* step);
