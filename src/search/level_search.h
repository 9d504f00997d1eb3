#pragma once
// Breadth-first search over the positions at rest of a level: from each, one
// press of each search key and the game's own play until everything rests
// again gives the next position. The first press that finishes the level
// ends the shortest solution, counted in key presses.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "game/position.h"

struct SearchLimits {
    size_t maxPositions = 5000000;
    double maxSeconds = 600.0;
    // The search stops before its memory grows past this; 0: what the
    // machine has free when it begins, less a margin.
    size_t maxBytes = 0;
    // false: a press that kills the hero leads nowhere (the position the
    // death restores is not added), so that no way found goes through a death.
    bool followDeaths = true;
    // Another thread stops the search by setting this.
    const std::atomic<bool>* cancel = nullptr;
};

// Why a search stopped before it had explored every position it was asked to.
enum class SearchStop { kNone, kPositions, kSeconds, kMemory, kCancelled };

struct SearchResult {
    bool solved = false;
    bool complete = false;  // every reachable position was explored
    SearchStop stoppedBy = SearchStop::kNone;
    std::vector<int> solution;  // search key indices
    size_t neverRests = 0;      // presses after which nothing came to rest
    double seconds = 0.0;
    size_t bytes = 0;  // the memory the search held at its end
    // One entry per position found, in the order found; position 0 is the start.
    std::vector<int32_t> parent;
    std::vector<uint8_t> keyFrom;
    std::vector<bool> winning;  // a press from it finishes the level
    // Every press between two positions that did not kill the hero: dying
    // restores the last checkpoint, as the reset key does.
    std::vector<std::pair<int32_t, int32_t>> edges;
    std::vector<int32_t> checkpoints;  // the first position with each new restart copy

    size_t Positions() const { return parent.size(); }
};

// exploreAll: go on after the first solution until every position is known.
SearchResult SearchFrom(const Position& start, const SearchLimits& limits, bool exploreAll);

// The presses that lead from the start to the position.
std::vector<int> PathTo(const SearchResult& result, int32_t position);

// The position the presses lead to from the start.
Position ReplayPath(const Position& start, const std::vector<int>& keys);
