#pragma once
// Positions a player can get stuck in: from them no sequence of presses
// finishes the level any more without going back to the last checkpoint,
// by the reset key (never searched) or by dying.

#include <cstddef>
#include <cstdint>

#include "search/level_search.h"

struct DeadEnds {
    size_t count = 0;
    int32_t nearest = -1;  // the first found, so the fewest presses from the start
};

// Needs a complete search (every position and every press between them).
DeadEnds FindDeadEnds(const SearchResult& result);
