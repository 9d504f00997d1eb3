// Start-up loading of the twelve sound slots: eleven one-second effects and
// a 30-second stereo music file, through OpenAL Soft's null output unless
// ALSOFT_DRIVERS says otherwise. The files are in the page cache after the
// first pass.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "platform/sys_path.h"
#include "sound/sound_slots.h"
#include "sound/test_wave_files.h"

namespace {

// The 30-second music: 16-bit stereo at 44.1 kHz, about 5.3 MB of samples.
Bytes StereoMusic(int seconds) {
    Bytes left = SineSamples16(seconds * 44100, 44100, 0.3);
    Bytes samples;
    for (size_t i = 0; i < left.size(); i += 2)
        samples.insert(samples.end(), {left[i], left[i + 1], left[i], left[i + 1]});
    return RiffImage({Chunk("fmt ", FormatRecord(2, 44100, 16)), Chunk("data", samples)});
}

// A working folder with ./gamedata/sound/ holding every slot's file.
std::filesystem::path MakeGameData() {
    std::filesystem::path dir = TestFolder("bench_sound_startup");
    std::filesystem::create_directories(dir / "gamedata" / "sound");
    std::filesystem::current_path(dir);
    for (const char* file : SoundSlotFiles)
        WriteFile(Sys_HostPath(file), SineWave16(22050, 22050, 0.5));
    WriteFile(Sys_HostPath(SoundSlotFiles[MusicSlot]), StereoMusic(30));
    return dir;
}

void BM_LoadAllSlots(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::path dir = MakeGameData();
    for (auto _ : state) {
        LoadSoundSlots();
        state.PauseTiming();
        if (!SoundEffects[MusicSlot].buffer)
            state.SkipWithError("the music did not load (no audio device?)");
        ReleaseSoundSlots();
        state.ResumeTiming();
    }
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadAllSlots)->Unit(benchmark::kMillisecond);

void BM_ReloadMusic(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::path dir = MakeGameData();
    LoadSoundSlots();
    for (auto _ : state) {
        StopSound(&SoundEffects[MusicSlot]);
        LoadWave(&SoundEffects[MusicSlot], SoundSlotFiles[MusicSlot]);
        PlayLooping(&SoundEffects[MusicSlot]);
    }
    ReleaseSoundSlots();
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReloadMusic)->Unit(benchmark::kMillisecond);

}  // namespace
