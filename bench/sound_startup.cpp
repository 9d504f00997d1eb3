// Start-up loading of the twelve sound slots from the game's own files, and
// the reload of the stage music at the start of each level, through OpenAL
// Soft's null output unless ALSOFT_DRIVERS says otherwise. The files are in
// the page cache after the first pass.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "sound/sound_slots.h"

namespace {

bool EnterGameRoot(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (chdir(KORVATH_SOURCE_DIR) == 0)
        return true;
    state.SkipWithError("cannot enter the source folder");
    return false;
}

void BM_LoadAllSlots(benchmark::State& state) {
    if (!EnterGameRoot(state))
        return;
    for (auto _ : state) {
        LoadSoundSlots();
        state.PauseTiming();
        if (!SoundEffects[kSoundMusic].buffer)
            state.SkipWithError("the music did not load (no audio device?)");
        ReleaseSoundSlots();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAllSlots)->Unit(benchmark::kMillisecond);

// What the game does at the start of each level.
void BM_ReloadMusic(benchmark::State& state) {
    if (!EnterGameRoot(state))
        return;
    LoadSoundSlots();
    for (auto _ : state) {
        StopSlot(kSoundMusic);
        LoadSlot(kSoundMusic, kSoundSlots[kSoundMusic].file);
        PlaySlotLooping(kSoundMusic);
    }
    ReleaseSoundSlots();
}
BENCHMARK(BM_ReloadMusic)->Unit(benchmark::kMillisecond);

}  // namespace
