// The hint on every position at rest of the shipped levels, and its worker thread.

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

#include "game/rest_state.h"
#include "search/dead_ends.h"
#include "search/hint_worker.h"
#include "shipped_level.h"

namespace {

using HintTest = ShippedLevelTest;
using namespace std::chrono_literals;
constexpr int kNever = 1 << 20;

// For each position, the fewest presses that finish the level, none of them fatal.
std::vector<int> PressesToExit(const SearchResult& result) {
    std::vector<int> presses(result.winning.begin(), result.winning.end());  // 1: a press wins
    std::replace(presses.begin(), presses.end(), 0, kNever);
    for (size_t round = 0; round < presses.size(); ++round)
        for (const auto& [from, to] : result.edges)
            presses[from] = std::min(presses[from], presses[to] + 1);
    return presses;
}

TEST_P(HintTest, EveryPositionGetsAShortestWaysFirstPressOrNoWayUnlessALimitComesFirst) {
    const Position start = level.position();
    SearchLimits neverDie;
    neverDie.followDeaths = false;
    const SearchResult result = SearchFrom(start, neverDie, true);
    const std::vector<int> presses = PressesToExit(result);
    size_t noWay = 0;
    std::map<uint64_t, int> pressesByHash;
    for (int32_t p = 0; p < static_cast<int32_t>(presses.size()); ++p) {
        level.SetPosition(ReplayPath(start, PathTo(result, p)));
        pressesByHash[HashPosition(AtRestForm(level.position()))] = presses[p];
        const Hint hint = FindHint(level.position());
        noWay += hint.kind == HintKind::kNoWay;
        if (presses[p] == kNever)
            continue;
        EXPECT_EQ(hint.presses, presses[p]) << p;
        const bool finished = level.Press(hint.keyCode) == PressOutcome::kFinished;
        EXPECT_EQ(finished ? 0 : FindHint(level.position()).presses, presses[p] - 1) << p;
    }
    EXPECT_EQ(noWay, FindDeadEnds(result).count);  // so every position without a way
    // The way ahead passes one press nearer the exit each time.
    HintLimits wayAhead;
    wayAhead.hashWayAhead = true;
    const Hint first = FindHint(start, wayAhead);
    ASSERT_EQ(first.wayAhead.size(), static_cast<size_t>(first.presses - 1));
    for (size_t i = 0; i < first.wayAhead.size(); ++i)
        EXPECT_EQ(pressesByHash[first.wayAhead[i]], first.presses - 1 - static_cast<int>(i)) << i;
    EXPECT_EQ(FindHint(start, HintLimits{1}).kind, HintKind::kGaveUp);  // 1 position
}

TEST_P(HintTest, WorkerGivesTheLatestRequestsHintOnceAndCancelStopsItsSearch) {
    HintWorker worker;
    worker.Request(level.position(), 1);  // a copy: the level plays on
    level.Press(kKeyRight);
    std::this_thread::sleep_for(100ms);  // found, not taken
    worker.Request(level.position(), 2);
    Hint hint;
    uint64_t ticket = 0;
    for (int wait = 0; wait < 2000 && !worker.Take(&hint, &ticket); ++wait)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(ticket, 2u);
    EXPECT_EQ(hint.presses, FindHint(level.position()).presses);
    // Nothing once taken, nor from a search cancelled before, while or after it runs.
    for (int i = 0; i < 50; ++i) {
        ASSERT_FALSE(worker.Take(&hint, &ticket)) << "cancelled after " << 20 * (i - 1) << " us";
        worker.Request(level.position(), 3);
        std::this_thread::sleep_for(20us * i);
        worker.Cancel();
    }
    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(FindHint(level.position(), {}, &cancelled).stoppedBy, SearchStop::kCancelled);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevel, HintTest, ::testing::Values(1, 2));

}  // namespace
