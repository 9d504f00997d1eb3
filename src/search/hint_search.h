#pragma once
// The hint: from where the player stands, the first press of a shortest way
// to the exit, found by a bounded search that never follows a death, so that
// a hint never asks the hero to die.

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "game/position.h"
#include "search/level_search.h"

enum class HintKind { kPress, kNoWay, kGaveUp };

struct Hint {
    HintKind kind = HintKind::kGaveUp;
    int keyCode = 0;  // kPress: the key to press (a core/keys.h code)
    int presses = 0;  // kPress: presses of the shortest way from here, this one included
    SearchStop stoppedBy = SearchStop::kNone;  // kGaveUp: why
    size_t positions = 0;                      // the positions the search found
    double seconds = 0.0;
    // kPress, when asked for: the hashes (HashPosition) of the positions at
    // rest the way found passes through after each of its presses but the
    // last; from each of them the exit can still be reached.
    std::vector<uint64_t> wayAhead;
};

// Small enough that a hint comes within a second in a game being played.
struct HintLimits {
    size_t maxPositions = 200000;
    double maxSeconds = 1.0;
    size_t maxBytes = size_t{256} << 20;
    bool hashWayAhead = false;  // fill Hint::wayAhead
};

// From a position at rest (the caller makes sure: GameAtRest), the first
// press of a shortest way to the exit that never dies, or that none exists,
// or that the search gave up.
Hint FindHint(const Position& atRest, const HintLimits& limits = HintLimits(),
              const std::atomic<bool>* cancel = nullptr);

// The hint as one line for the player, e.g. "Hint: Right (12 presses to the exit)".
std::string HintText(const Hint& hint);
