// Explores every position at rest of each shipped level, from its start and
// from every checkpoint, as `korvath-solve LEVEL --from-checkpoints
// --dead-ends` needs. Reports positions per second; the goal is each level
// explored completely in under 5 seconds.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "level_search.h"
#include "solver_game.h"

namespace {

// Positions explored: the start's whole space, then each checkpoint's.
size_t ExploreLevel(int level) {
    std::string error;
    if (!StartLevelAsTheGameDoes(level, &error))
        return 0;
    const GameSnapshot start = TakeGameSnapshot();
    SearchResult main = SearchFrom(start, SearchLimits(), true);
    size_t positions = main.Positions();
    for (int32_t checkpoint : main.checkpoints) {
        ReplayPath(start, PathTo(main, checkpoint));
        DieAndSettle();
        positions += SearchFrom(TakeGameSnapshot(), SearchLimits(), true).Positions();
    }
    return positions;
}

void BM_ExploreShippedLevel(benchmark::State& state) {
    std::string error;
    if (chdir(KORVATH_SOURCE_DIR) != 0 || !OpenSolverGame(&error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    size_t positions = 0;
    for (auto _ : state)
        positions += ExploreLevel(static_cast<int>(state.range(0)));
    CloseSolverGame();
    state.counters["positions"] = static_cast<double>(positions) / state.iterations();
    state.counters["positions_per_s"] =
        benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExploreShippedLevel)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
