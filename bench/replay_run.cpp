// Whole replays of the game on its own data, timed by the wall clock: the
// program starts, loads everything and plays until the given virtual time.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string kTrace = "/tmp/korvath_bench_replay.jsonl";

bool Replay(const std::string& args) {
    std::string command = std::string(KORVATH_REPLAY_EXE) + " --root " KORVATH_SOURCE_DIR " " +
                          args + " --trace " + kTrace + " 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

// Every gameplay tick record stands for one frame drawn.
double DrawnFrames() {
    std::ifstream in(kTrace);
    double frames = 0;
    for (std::string line; std::getline(in, line);)
        frames += line.find("\"hero\"") != std::string::npos;
    return frames;
}

void BM_TenVirtualMinutesNoRender(benchmark::State& state) {
    for (auto _ : state)
        if (!Replay("--no-render --until 600000"))
            state.SkipWithError("the replay failed");
}
BENCHMARK(BM_TenVirtualMinutesNoRender)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_DrawnReplay(benchmark::State& state) {
    double frames = 0;
    for (auto _ : state) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (!Replay("--until " + std::to_string(state.range(0))))
            state.SkipWithError("the replay failed");
        frames += DrawnFrames();
    }
    state.counters["frames"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawnReplay)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
