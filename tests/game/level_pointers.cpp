#include "level_pointers.h"

#include <set>
#include <utility>

#include "game/draw_list.h"
#include "world/level.h"

::testing::AssertionResult LevelPointersValid() {
    std::set<const Pawn*> level;
    for (const LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        level.insert(&node->data);
    const std::pair<const char*, const LinkedList<Pawn*>*> lists[] = {
        {"DrawList", &DrawList},           {"GatePawns", &GatePawns},
        {"Id3Pawns", &Id3Pawns},           {"MovingPawns", &MovingPawns},
        {"BlockingPawns", &BlockingPawns}, {"CellActionPawns", &CellActionPawns},
        {"PickupPawns", &PickupPawns},     {"AnimatedPawns", &AnimatedPawns}};
    for (const auto& [name, list] : lists) {
        int index = 0;
        for (const LLNode<Pawn*>* node = list->head; node; node = node->next, ++index)
            if (!level.count(node->data))
                return ::testing::AssertionFailure()
                       << name << "[" << index << "] is not in LevelPawns";
    }
    const std::pair<const char*, const Pawn*> pointers[] = {{"PlayerPawn", PlayerPawn},
                                                            {"FinishPawn", FinishPawn}};
    for (const auto& [name, pawn] : pointers)
        if (pawn && !level.count(pawn))
            return ::testing::AssertionFailure() << name << " is not in LevelPawns";
    return ::testing::AssertionSuccess();
}
