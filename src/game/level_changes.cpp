#include "game/level_changes.h"

#include <vector>

#include "game/draw_list.h"
#include "game/flow_state.h"
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

}  // namespace

void RefreshLevelPointers() {
    BuildLevelIndex();
    RebuildDrawList();
}

void ClearLevel() {
    g_detached.clear();
    HeroLookedAround = false;
    ClearLevelIndex();
    DrawList.Clear();
    LevelPawns.Clear();
}

void RemoveLevelPawn(Pawn* pawn) {
    LevelPawns.Remove(pawn);
    RefreshLevelPointers();
}

void RestoreSavedLevel() {
    g_detached.clear();
    HeroLookedAround = false;
    LevelPawns = SavedPawns;
    RefreshLevelPointers();
}

void DetachPawnDuringStep(Pawn* pawn) {
    for (LinkedList<Pawn*>* list : IndexLists())
        RemovePointer(list, pawn);
    RemovePointer(&DrawList, pawn);
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
