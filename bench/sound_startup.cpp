// Start-up loading of the twelve sound slots: eleven one-second effects and
// a 30-second stereo music file, through OpenAL Soft's null output unless
// ALSOFT_DRIVERS says otherwise. The files are in the page cache after the
// first pass.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "game/game_sounds.h"
#include "platform/sys_path.h"
#include "sound/sound_slots.h"
#include "sound/test_wave_files.h"
#include "support/data_folder.h"

namespace {

// The 30-second music: 16-bit stereo at 44.1 kHz, about 5.3 MB of samples.
Bytes StereoMusic(int seconds) {
    Bytes left = SineSamples16(seconds * 44100, 44100, 0.3);
    Bytes samples;
    for (size_t i = 0; i < left.size(); i += 2)
        samples.insert(samples.end(), {left[i], left[i + 1], left[i], left[i + 1]});
    return RiffImage({Chunk("fmt ", FormatRecord(2, 44100, 16)), Chunk("data", samples)});
}

// Every slot's file under ./gamedata/sound/ of the working folder.
void WriteSlotFiles() {
    std::filesystem::create_directories("gamedata/sound");
    for (const char* file : SoundSlotFiles)
        WriteFile(Sys_HostPath(file), SineWave16(22050, 22050, 0.5));
    WriteFile(Sys_HostPath(SoundSlotFiles[kSoundMusic]), StereoMusic(30));
}

void BM_LoadAllSlots(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    DataFolder data;
    WriteSlotFiles();
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
    setenv("ALSOFT_DRIVERS", "null", 0);
    DataFolder data;
    WriteSlotFiles();
    LoadSoundSlots();
    for (auto _ : state) {
        StopSlot(kSoundMusic);
        LoadSlot(kSoundMusic, SoundSlotFiles[kSoundMusic]);
        PlaySlotLooping(kSoundMusic);
    }
    ReleaseSoundSlots();
}
BENCHMARK(BM_ReloadMusic)->Unit(benchmark::kMillisecond);

}  // namespace
