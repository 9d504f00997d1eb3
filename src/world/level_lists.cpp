// The lists of the level being played. They live for the whole run; only
// their content changes between levels.

#include "world/level.h"

LinkedList<Pawn> LevelPawns;
LinkedList<Pawn> SavedPawns;

LinkedList<Pawn*> GatePawns;
LinkedList<Pawn*> Id3Pawns;
LinkedList<Pawn*> MovingPawns;
LinkedList<Pawn*> BlockingPawns;
LinkedList<Pawn*> CellActionPawns;
LinkedList<Pawn*> PickupPawns;
LinkedList<Pawn*> AnimatedPawns;

Pawn* PlayerPawn = nullptr;
Pawn* FinishPawn = nullptr;

void ResetLevelLists() {
    ClearLevelIndex();
    LevelPawns.Clear();
    SavedPawns.Clear();
}
