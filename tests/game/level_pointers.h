#pragma once
// Checks that nothing points at a pawn the level no longer holds: the draw
// list, every index list, PlayerPawn and FinishPawn may refer only to
// elements of LevelPawns. A paint can draw the draw list between any two
// passes, so the flow tests run this after every pass.

#include <gtest/gtest.h>

::testing::AssertionResult LevelPointersValid();
