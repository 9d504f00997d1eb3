// Explores every position at rest of each shipped level, from its start and
// from every checkpoint, as `korvath-solve LEVEL --from-checkpoints
// --dead-ends` needs, and of the stress level (bench/stress_level.txt, about
// 1.3 million positions). Reports positions per second and the bytes the
// search holds per position it has seen; the goals on the stress level are
// at least 100,000 positions a second and at most 200 bytes a position.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "search/level_search.h"
#include "search/played_level.h"
#include "solve_level_source.h"
#include "tool_templates.h"

namespace {

struct Explored {
    size_t positions = 0;
    size_t bytes = 0;  // the most any one search held
};

void Explore(const Position& start, Explored* explored) {
    const SearchResult result = SearchFrom(start, SearchLimits(), true);
    explored->positions += result.Positions();
    explored->bytes = std::max(explored->bytes, result.bytes);
    for (int32_t checkpoint : result.checkpoints) {
        PlayedLevel level;
        level.SetPosition(ReplayPath(start, PathTo(result, checkpoint)));
        level.DieAndSettle();
        const SearchResult again = SearchFrom(level.position(), SearchLimits(), true);
        explored->positions += again.Positions();
        explored->bytes = std::max(explored->bytes, again.bytes);
    }
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// `level`: a level number of the shipped levels, or a level file.
void ExploreLevel(benchmark::State& state, const std::string& level) {
    std::string error;
    LevelSource source;
    int number = 0;
    if (chdir(KORVATH_SOURCE_DIR) != 0 || !LoadToolTemplates(&error) ||
        !source.Prepare(level, &number, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    PlayedLevel played;
    if (!played.Start(number, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const long residentBefore = PeakResidentKilobytes();
    Explored explored;
    for (auto _ : state)
        Explore(played.position(), &explored);
    const double positions = static_cast<double>(explored.positions) / state.iterations();
    state.counters["positions"] = positions;
    state.counters["positions_per_s"] =
        benchmark::Counter(static_cast<double>(explored.positions), benchmark::Counter::kIsRate);
    state.counters["bytes_per_position"] = static_cast<double>(explored.bytes) / positions;
    state.counters["peak_rss_bytes_per_position"] =
        static_cast<double>(PeakResidentKilobytes() - residentBefore) * 1024.0 / positions;
}

void BM_ExploreShippedLevel(benchmark::State& state) {
    ExploreLevel(state, std::to_string(state.range(0)));
}
BENCHMARK(BM_ExploreShippedLevel)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ExploreStressLevel(benchmark::State& state) {
    ExploreLevel(state, std::string(KORVATH_SOURCE_DIR) + "/bench/stress_level.txt");
}
BENCHMARK(BM_ExploreStressLevel)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
