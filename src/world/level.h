#pragma once
// The pawns of the level being played, its restart copy, and the index lists
// that the rules and the renderer use to find pawns of a kind. The index lists
// and the two pointers point into LevelPawns: every change that adds, removes
// or replaces pawns is followed by BuildLevelIndex before they are used again.

#include <array>

#include "core/linked_list.h"
#include "world/pawn.h"

extern LinkedList<Pawn> LevelPawns;
extern LinkedList<Pawn> SavedPawns;

extern LinkedList<Pawn*> GatePawns;
extern LinkedList<Pawn*> Id3Pawns;
extern LinkedList<Pawn*> MovingPawns;
extern LinkedList<Pawn*> BlockingPawns;
extern LinkedList<Pawn*> CellActionPawns;
extern LinkedList<Pawn*> PickupPawns;
extern LinkedList<Pawn*> AnimatedPawns;

// Null when the level has none; a level without a hero is a data error, and
// after its report PlayerPawn stays null, so every user tests it first.
extern Pawn* PlayerPawn;
extern Pawn* FinishPawn;

// Appends the pawns of level "Level<level>" of "levels.xml" to LevelPawns.
// A "PawnTemplate" outside the table is a data error: it is reported and
// nothing more of the level is loaded.
void LoadLevelPawns(int level);

// Rebuilds every index list and both pointers; reports a level without a hero.
void BuildLevelIndex();

// Empties every index list and both pointers, without looking for a hero.
void ClearLevelIndex();

// Empties the level, its restart copy, every index list and both pointers.
void ResetLevelLists();

// The seven index lists, in the order BuildLevelIndex clears them.
std::array<LinkedList<Pawn*>*, 7> IndexLists();
