// The level index: pointers into LevelPawns by kind, rebuilt from scratch.

#include "core/fatal_error.h"
#include "world/level.h"

namespace {

enum : int32_t {
    kFlagGate = 5,
    kFlagPlayerStart = 11,
    kFlagSwitchA = 15,
    kFlagSwitchB = 16,
    kFlagCarriedByColumn = 30,
};

enum : int32_t {
    kIdBomb = 3,
    kIdCheckpoint = 29,
    kIdHazard = 34,
    kIdFinish = 35,
};

// Every test applies; a later pawn replaces an earlier hero or finish.
void IndexPawn(Pawn* pawn) {
    const PawnTemplate& t = *pawn->Template;
    if (t.SpecialFlag == kFlagPlayerStart)
        PlayerPawn = pawn;
    if (t.ID == kIdFinish)
        FinishPawn = pawn;
    if (t.SpecialFlag == kFlagGate)
        GatePawns.PushBack(pawn);
    if (t.ID == kIdBomb)
        Id3Pawns.PushBack(pawn);
    if (t.WeightCrate || t.WeightRock || t.WeightHero || t.SpecialFlag == kFlagCarriedByColumn)
        MovingPawns.PushBack(pawn);
    if (t.BlocksCrate || t.BlocksRock || t.BlocksHero)
        BlockingPawns.PushBack(pawn);
    if (t.Ladder || t.SpecialFlag == kFlagSwitchB || t.SpecialFlag == kFlagSwitchA)
        CellActionPawns.PushBack(pawn);
    if (t.Collectable || t.ID == kIdHazard || t.ID == kIdCheckpoint)
        PickupPawns.PushBack(pawn);
    if (t.IsAnimated())
        AnimatedPawns.PushBack(pawn);
}

}  // namespace

void BuildLevelIndex() {
    ClearLevelIndex();
    for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        IndexPawn(&node->data);
    if (!PlayerPawn)
        ShowFatalError("No player start position defined for this level.");
}

void ClearLevelIndex() {
    PlayerPawn = nullptr;
    FinishPawn = nullptr;
    for (LinkedList<Pawn*>* list : IndexLists())
        list->Clear();
}

std::array<LinkedList<Pawn*>*, 7> IndexLists() {
    return {&GatePawns,   &MovingPawns, &BlockingPawns, &CellActionPawns,
            &PickupPawns, &Id3Pawns,    &AnimatedPawns};
}
