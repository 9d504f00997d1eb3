#pragma once
// Checks that nothing points at a pawn the level no longer holds: the draw
// list, every index list, PlayerPawn and FinishPawn may refer only to
// elements of LevelPawns. A paint can draw the draw list between any two
// passes, so the flow tests and the rule cases check this after every pass.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "game/draw_list.h"
#include "world/level.h"

inline ::testing::AssertionResult LevelPointersValid() {
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
    for (const auto& [name, pawn] :
         {std::make_pair("PlayerPawn", PlayerPawn), std::make_pair("FinishPawn", FinishPawn)})
        if (pawn && !level.count(pawn))
            return ::testing::AssertionFailure() << name << " is not in LevelPawns";
    return ::testing::AssertionSuccess();
}
