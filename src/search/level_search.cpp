#include "search/level_search.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "game/rest_state.h"
#include "platform/sys_memory.h"
#include "search/played_level.h"
#include "search/position_store.h"

namespace {

using Clock = std::chrono::steady_clock;

// The memory free for a search on this machine, less a margin for the rest
// of the program.
size_t FreeMemoryForSearch() {
    constexpr size_t kMargin = size_t{512} << 20;
    const size_t free = Sys_AvailableMemory();
    if (free == 0)
        return size_t{4} << 30;  // nothing known: a bound most machines have
    return free > 2 * kMargin ? free - kMargin : free / 2;
}

// Positions found but not yet expanded need no list of their own: positions
// are numbered as they are found, so those after the one being expanded are
// the frontier, in order.
class Search {
  public:
    Search(const Position& start, const SearchLimits& limits, bool exploreAll)
        : store_(start), limits_(limits), exploreAll_(exploreAll), began_(Clock::now()) {
        if (limits_.maxBytes == 0)
            limits_.maxBytes = FreeMemoryForSearch();
        level_.SetPosition(start);
    }
    SearchResult Run();

  private:
    void Add(const PositionStore::Added& added, int32_t parent, int key);
    void Expand(int32_t position);
    void Press(int32_t position, int key);
    size_t Bytes() const;
    SearchStop Limit() const;

    PositionStore store_;
    SearchLimits limits_;
    bool exploreAll_;
    Clock::time_point began_;
    SearchResult result_;
    PlayedLevel level_;
};

size_t Search::Bytes() const {
    const SearchResult& r = result_;
    return store_.Bytes() + r.parent.capacity() * sizeof(int32_t) + r.keyFrom.capacity() +
           r.winning.capacity() / 8 + r.edges.capacity() * sizeof(r.edges[0]) +
           r.checkpoints.capacity() * sizeof(int32_t);
}

// Memory is checked before the store's next doubling could pass the limit.
SearchStop Search::Limit() const {
    if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed))
        return SearchStop::kCancelled;
    if (result_.Positions() >= limits_.maxPositions)
        return SearchStop::kPositions;
    if (std::chrono::duration<double>(Clock::now() - began_).count() >= limits_.maxSeconds)
        return SearchStop::kSeconds;
    if (Bytes() * 2 > limits_.maxBytes)
        return SearchStop::kMemory;
    return SearchStop::kNone;
}

void Search::Add(const PositionStore::Added& added, int32_t parent, int key) {
    result_.parent.push_back(parent);
    result_.keyFrom.push_back(static_cast<uint8_t>(key));
    result_.winning.push_back(false);
    if (added.freshRestartCopy && parent >= 0)
        result_.checkpoints.push_back(added.number);
}

// The position to press from is written over what the last press left, and
// only in the pawns a rule can change where that still has every pawn.
void Search::Press(int32_t position, int key) {
    store_.Restore(position, level_.Rewind(), store_.HasEveryPawn(level_.position()));
    const PressOutcome outcome = level_.Press(SearchKeyCode(key));
    if (outcome == PressOutcome::kNeverRests) {
        ++result_.neverRests;
        return;
    }
    if (outcome == PressOutcome::kFinished) {
        result_.winning[static_cast<size_t>(position)] = true;
        if (!result_.solved) {
            result_.solved = true;
            result_.solution = PathTo(result_, position);
            result_.solution.push_back(key);
        }
        return;
    }
    if (outcome == PressOutcome::kDied && !limits_.followDeaths)
        return;
    ForgetSpentCooldown(level_.Rewind());
    const PositionStore::Added added = store_.Insert(level_.position());
    if (added.fresh)
        Add(added, position, key);
    if (added.number != position && outcome != PressOutcome::kDied && exploreAll_)
        result_.edges.emplace_back(position, added.number);
}

void Search::Expand(int32_t position) {
    for (int key = 0; key < kSearchKeyCount; ++key)
        Press(position, key);
}

SearchResult Search::Run() {
    ForgetSpentCooldown(level_.Rewind());
    Add(store_.Insert(level_.position()), -1, 0);
    int32_t next = 0;
    try {
        for (; static_cast<size_t>(next) < result_.Positions(); ++next) {
            if (result_.solved && !exploreAll_)
                break;
            if ((result_.stoppedBy = Limit()) != SearchStop::kNone)
                break;
            Expand(next);
        }
    } catch (const std::bad_alloc&) {
        result_.stoppedBy = SearchStop::kMemory;
    }
    result_.complete = static_cast<size_t>(next) == result_.Positions();
    if (result_.complete || (result_.solved && !exploreAll_))
        result_.stoppedBy = SearchStop::kNone;
    result_.seconds = std::chrono::duration<double>(Clock::now() - began_).count();
    result_.bytes = Bytes();
    return std::move(result_);
}

}  // namespace

SearchResult SearchFrom(const Position& start, const SearchLimits& limits, bool exploreAll) {
    return Search(start, limits, exploreAll).Run();
}

std::vector<int> PathTo(const SearchResult& result, int32_t position) {
    std::vector<int> keys;
    for (int32_t at = position; at > 0; at = result.parent[static_cast<size_t>(at)])
        keys.push_back(result.keyFrom[static_cast<size_t>(at)]);
    std::reverse(keys.begin(), keys.end());
    return keys;
}

Position ReplayPath(const Position& start, const std::vector<int>& keys) {
    PlayedLevel level;
    level.SetPosition(start);
    for (int key : keys)
        level.Press(SearchKeyCode(key));
    return level.position();
}
