#include "game/level_changes.h"

#include <algorithm>
#include <functional>

#include "world/pawn_template.h"

namespace {

void Forget(std::vector<int32_t>* list, int32_t at) {
    list->erase(std::remove(list->begin(), list->end(), at), list->end());
}

// The index without one pawn, which stays in the level for now.
std::shared_ptr<const LevelIndex> IndexWithout(const LevelIndex& index, int32_t at) {
    auto without = std::make_shared<LevelIndex>(index);
    for (std::vector<int32_t>* list :
         {&without->GatePawns, &without->DestructiblePawns, &without->MovingPawns,
          &without->BlockingPawns, &without->CellActionPawns, &without->PickupPawns,
          &without->AnimatedPawns, &without->LooseBlockers})
        Forget(list, at);
    auto& fixed = without->FixedBlockers;
    fixed.erase(std::remove_if(fixed.begin(), fixed.end(),
                               [at](const ColumnEntry& entry) { return entry.pawn == at; }),
                fixed.end());
    return without;
}

}  // namespace

void BuildLevelIndex(Position* position) {
    if (!position->IndexOutOfDate)
        return;
    auto index = std::make_shared<LevelIndex>();
    ::BuildLevelIndex(position->LevelPawns, index.get());
    position->Index = std::move(index);
    position->IndexOutOfDate = false;
}

void SetPawnTemplate(Position* position, Pawn* pawn, int slot) {
    pawn->Template = &PawnTemplates[slot];
    if (pawn->Frame >= pawn->Template->FrameCount())
        pawn->Frame = 0;
    position->IndexOutOfDate = true;
}

void AddLevelPawn(Position* position, const Pawn& pawn) {
    position->LevelPawns.push_back(pawn);
    position->IndexOutOfDate = true;
}

void RemoveLevelPawn(Position* position, int32_t at) {
    position->LevelPawns.erase(position->LevelPawns.begin() + at);
    position->IndexOutOfDate = true;
    BuildLevelIndex(position);
}

void TakeRestartCopy(Position* position) {
    position->SavedPawns = std::make_shared<const PawnList>(position->LevelPawns);
}

void RestoreSavedLevel(Position* position) {
    position->HeroLookedAround = false;
    position->LevelPawns = *position->SavedPawns;
    position->IndexOutOfDate = true;
    BuildLevelIndex(position);
}

void ClearLevel(Position* position) {
    position->HeroLookedAround = false;
    position->LevelPawns.clear();
    position->Index = std::make_shared<const LevelIndex>();
    position->IndexOutOfDate = false;
}

void DetachPawnDuringStep(RuleStep* step, int32_t at) {
    step->position.Index = IndexWithout(*step->position.Index, at);
    step->detached.push_back(at);
}

void FlushDetachedPawns(RuleStep* step) {
    if (step->detached.empty())
        return;
    std::sort(step->detached.begin(), step->detached.end(), std::greater<int32_t>());
    PawnList& pawns = step->position.LevelPawns;
    for (int32_t at : step->detached)
        pawns.erase(pawns.begin() + at);
    step->detached.clear();
    step->position.IndexOutOfDate = true;
    BuildLevelIndex(&step->position);
}
