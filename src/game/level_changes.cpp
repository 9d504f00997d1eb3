#include "game/level_changes.h"

#include <vector>

#include "game/draw_list.h"
#include "game/world_camera.h"
#include "world/level.h"

namespace {

std::vector<Pawn*> g_detached;

void RemovePointer(LinkedList<Pawn*>* list, const Pawn* pawn) {
    for (auto* node = list->head; node; node = node->next) {
        if (node->data == pawn) {
            list->Remove(&node->data);
            return;
        }
    }
}

void ClearIndex() {
    PlayerPawn = nullptr;
    FinishPawn = nullptr;
    for (LinkedList<Pawn*>* list : {&GatePawns, &MovingPawns, &BlockingPawns, &CellActionPawns,
                                    &PickupPawns, &Id3Pawns, &AnimatedPawns})
        list->Clear();
    DrawList.Clear();
}

}  // namespace

void RefreshLevelPointers() {
    BuildLevelIndex();
    RebuildDrawList();
}

void ClearLevel() {
    g_detached.clear();
    ClearIndex();
    LevelPawns.Clear();
}

void RemoveLevelPawn(Pawn* pawn) {
    LevelPawns.Remove(pawn);
    RefreshLevelPointers();
}

void RestoreSavedLevel() {
    g_detached.clear();
    LevelPawns = SavedPawns;
    RefreshLevelPointers();
}

void DetachPawnDuringStep(Pawn* pawn) {
    for (LinkedList<Pawn*>* list : {&GatePawns, &MovingPawns, &BlockingPawns, &CellActionPawns,
                                    &PickupPawns, &Id3Pawns, &AnimatedPawns, &DrawList})
        RemovePointer(list, pawn);
    g_detached.push_back(pawn);
}

bool FlushDetachedPawns() {
    if (g_detached.empty())
        return false;
    for (Pawn* pawn : g_detached)
        LevelPawns.Remove(pawn);
    g_detached.clear();
    RefreshLevelPointers();
    return true;
}
