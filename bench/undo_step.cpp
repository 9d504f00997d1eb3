// Times one undo and one redo of a press on a shipped level whose history
// holds 200 presses of a seeded random play: each is a copy of a position
// at rest. The goal is well under 1 ms, so that holding Z rewinds smoothly.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <random>
#include <string>

#include "search/played_level.h"
#include "tool_templates.h"

namespace {

bool PlayRandomly(int number, PlayedLevel* level, std::string* error) {
    if (chdir(KORVATH_SOURCE_DIR) != 0 || !LoadToolTemplates(error) || !level->Start(number, error))
        return false;
    std::mt19937 random(1);
    for (int i = 0; i < 200; ++i)
        if (level->Press(SearchKeyCode(static_cast<int>(random() % kSearchKeyCount))) ==
            PressOutcome::kFinished)
            return true;
    return true;
}

void BM_UndoThenRedo(benchmark::State& state) {
    PlayedLevel level;
    PlayHistory history;
    level.RecordInto(&history);
    std::string error;
    if (!PlayRandomly(static_cast<int>(state.range(0)), &level, &error) ||
        history.UndoSteps() == 0) {
        state.SkipWithError(error.empty() ? "nothing to undo" : error.c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Undo(level.Rewind()));
        benchmark::DoNotOptimize(history.Redo(level.Rewind()));
    }
    state.counters["pawns"] = static_cast<double>(level.position().LevelPawns.size());
    state.counters["history"] = static_cast<double>(history.UndoSteps());
}
BENCHMARK(BM_UndoThenRedo)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
