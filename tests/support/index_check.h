#pragma once
// Checks a position's index: every entry names a pawn of the level, and an
// index that says it is up to date is what BuildLevelIndex makes of the pawns
// now (a rule that changed the pawns without saying so would leave it otherwise).

#include <gtest/gtest.h>

#include <vector>

#include "core/fatal_error.h"
#include "game/position.h"

inline ::testing::AssertionResult IndexValid(const Position& position) {
    const LevelIndex& index = *position.Index;
    const int32_t size = static_cast<int32_t>(position.LevelPawns.size());
    for (const std::vector<int32_t>* list :
         {&index.GatePawns, &index.DestructiblePawns, &index.MovingPawns, &index.BlockingPawns,
          &index.CellActionPawns, &index.PickupPawns, &index.AnimatedPawns})
        for (int32_t at : *list)
            if (at < 0 || at >= size)
                return ::testing::AssertionFailure() << "an index list names pawn " << at;
    if (index.PlayerPawn >= size || index.FinishPawn >= size)
        return ::testing::AssertionFailure() << "the hero or the exit is not in the level";
    if (position.IndexOutOfDate)
        return ::testing::AssertionSuccess();
    LevelIndex fresh;
    FatalErrorHandler previous = SetFatalErrorHandler(nullptr);  // the check reports nothing
    BuildLevelIndex(position.LevelPawns, &fresh);
    SetFatalErrorHandler(previous);
    if (!(fresh == index) || fresh.FixedBlockers.size() != index.FixedBlockers.size())
        return ::testing::AssertionFailure() << "the index is out of date and does not say so";
    return ::testing::AssertionSuccess();
}
