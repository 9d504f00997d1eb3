// The level index: pointers into LevelPawns by kind, rebuilt from scratch.

#include "core/fatal_error.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

// Every test applies; a later pawn replaces an earlier hero or finish.
void IndexPawn(Pawn* pawn) {
    const PawnTemplate& t = *pawn->Template;
    if (t.SpecialFlag == kFlagHero)
        PlayerPawn = pawn;
    if (t.ID == kIdExit)
        FinishPawn = pawn;
    if (t.SpecialFlag == kFlagGate)
        GatePawns.PushBack(pawn);
    if (t.ID == kIdDestructible)
        Id3Pawns.PushBack(pawn);
    if (CanMove(t))
        MovingPawns.PushBack(pawn);
    if (Blocks(t))
        BlockingPawns.PushBack(pawn);
    if (t.Ladder || t.SpecialFlag == kFlagSwitchDown || t.SpecialFlag == kFlagSwitchUp)
        CellActionPawns.PushBack(pawn);
    if (t.Collectable || t.ID == kIdDeadly || t.ID == kIdCheckpoint)
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
