// Times the hint (FindHint with its default limits) from every position at
// rest of a shipped level: the positions a complete search from its start
// finds. Reports the median and the worst time of one hint, in
// milliseconds; the goal is a worst under 100 ms, so that the hint shows
// within a few ticks of the player's press.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "search/hint_search.h"
#include "search/played_level.h"
#include "tool_templates.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every position at rest of the level, or none when it cannot be played.
std::vector<Position> PositionsAtRest(int number, std::string* error) {
    PlayedLevel level;
    if (chdir(KORVATH_SOURCE_DIR) != 0 || !LoadToolTemplates(error) || !level.Start(number, error))
        return {};
    const Position start = level.position();
    const SearchResult result = SearchFrom(start, SearchLimits(), true);
    std::vector<Position> positions;
    for (int32_t p = 0; p < static_cast<int32_t>(result.Positions()); ++p)
        positions.push_back(ReplayPath(start, PathTo(result, p)));
    return positions;
}

double HintMilliseconds(const Position& position) {
    const Clock::time_point began = Clock::now();
    benchmark::DoNotOptimize(FindHint(position));
    return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
}

void BM_HintOnEveryPosition(benchmark::State& state) {
    std::string error = "the level has no position at rest";
    const std::vector<Position> positions = PositionsAtRest(state.range(0), &error);
    if (positions.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<double> milliseconds;
    for (auto _ : state)
        for (const Position& position : positions)
            milliseconds.push_back(HintMilliseconds(position));
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["worst_ms"] = milliseconds.back();
}
BENCHMARK(BM_HintOnEveryPosition)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
