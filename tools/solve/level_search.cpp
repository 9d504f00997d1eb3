#include "level_search.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <unordered_map>
#include <unordered_set>

#include "position_key.h"
#include "solver_game.h"

namespace {

using Clock = std::chrono::steady_clock;

class Search {
  public:
    Search(const SearchLimits& limits, bool exploreAll)
        : limits_(limits), exploreAll_(exploreAll), began_(Clock::now()) {}
    SearchResult Run(const GameSnapshot& start);

  private:
    int32_t Add(int32_t parent, int key, const GameSnapshot* from);
    void Expand(int32_t position, const GameSnapshot& snapshot);
    void Press(int32_t position, const GameSnapshot& snapshot, int key);
    bool OutOfLimits() const;

    SearchLimits limits_;
    bool exploreAll_;
    Clock::time_point began_;
    SearchResult result_;
    std::unordered_map<PositionKey, int32_t, PositionKeyHash> known_;
    std::unordered_set<PositionKey, PositionKeyHash> restartCopies_;
    std::deque<std::pair<int32_t, GameSnapshot>> frontier_;
};

bool Search::OutOfLimits() const {
    const std::chrono::duration<double> spent = Clock::now() - began_;
    return result_.Positions() >= limits_.maxPositions || spent.count() >= limits_.maxSeconds;
}

// A position reached for the first time: numbered, queued, its restart copy noted.
int32_t Search::Add(int32_t parent, int key, const GameSnapshot* from) {
    const int32_t position = static_cast<int32_t>(result_.Positions());
    result_.parent.push_back(parent);
    result_.keyFrom.push_back(static_cast<uint8_t>(key));
    result_.winning.push_back(false);
    const bool newRestartCopy = restartCopies_.insert(KeyOfRestartCopy()).second;
    if (newRestartCopy && parent >= 0)
        result_.checkpoints.push_back(position);
    frontier_.emplace_back(position, TakeGameSnapshot(from ? from->saved : nullptr));
    return position;
}

void Search::Press(int32_t position, const GameSnapshot& snapshot, int key) {
    RestoreGameSnapshot(snapshot);
    const PressOutcome outcome = PressAndSettle(key);
    if (outcome == PressOutcome::kNeverRests) {
        ++result_.neverRests;
        return;
    }
    if (outcome == PressOutcome::kFinished) {
        result_.winning[position] = true;
        if (!result_.solved) {
            result_.solved = true;
            result_.solution = PathTo(result_, position);
            result_.solution.push_back(key);
        }
        return;
    }
    auto [at, added] = known_.emplace(KeyOfPosition(), -1);
    if (added)
        at->second = Add(position, key, &snapshot);
    if (at->second != position && outcome != PressOutcome::kDied)
        result_.edges.emplace_back(position, at->second);
}

void Search::Expand(int32_t position, const GameSnapshot& snapshot) {
    for (int key = 0; key < kSearchKeyCount; ++key)
        Press(position, snapshot, key);
}

SearchResult Search::Run(const GameSnapshot& start) {
    RestoreGameSnapshot(start);
    known_.emplace(KeyOfPosition(), 0);
    Add(-1, 0, nullptr);
    while (!frontier_.empty() && !(result_.solved && !exploreAll_)) {
        if (OutOfLimits())
            break;
        auto [position, snapshot] = std::move(frontier_.front());
        frontier_.pop_front();
        Expand(position, snapshot);
    }
    result_.complete = frontier_.empty();
    result_.seconds = std::chrono::duration<double>(Clock::now() - began_).count();
    return std::move(result_);
}

}  // namespace

SearchResult SearchFrom(const GameSnapshot& start, const SearchLimits& limits, bool exploreAll) {
    return Search(limits, exploreAll).Run(start);
}

std::vector<int> PathTo(const SearchResult& result, int32_t position) {
    std::vector<int> keys;
    for (int32_t at = position; at > 0; at = result.parent[at])
        keys.push_back(result.keyFrom[at]);
    std::reverse(keys.begin(), keys.end());
    return keys;
}

void ReplayPath(const GameSnapshot& start, const std::vector<int>& keys) {
    RestoreGameSnapshot(start);
    for (int key : keys)
        PressAndSettle(key);
}
