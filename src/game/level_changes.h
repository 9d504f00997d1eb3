#pragma once
// Changes to LevelPawns that remove or replace pawns. Everything that points
// into the list (the index lists, PlayerPawn, FinishPawn, the draw list) is
// rebuilt or cleared by these, so no pointer outlives its pawn.

#include "world/pawn.h"

// Rebuilds the index lists and the draw list after LevelPawns changed.
void RefreshLevelPointers();

// Empties the level and everything that points into it.
void ClearLevel();

// Removes one pawn from the level and rebuilds the pointers.
void RemoveLevelPawn(Pawn* pawn);

// Copies the restart point back into the level (death, reset key).
void RestoreSavedLevel();

// Takes a pickup out of every index list at once, and out of the level at the
// end of the moving-pawns step (FlushDetachedPawns), so that the running step
// never visits it again.
void DetachPawnDuringStep(Pawn* pawn);
bool FlushDetachedPawns();  // true when any pawn was removed
