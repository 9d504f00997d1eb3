// What is heard, not only what was called: OpenAL Soft's wave writer records
// the mix to a file while a child process plays through a sound slot, and the
// parent measures the recording.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/sys_mapped_file.h"
#include "sound/child_process.h"
#include "sound/sound_slots.h"
#include "sound/test_wave_files.h"
#include "sound/wave_chunks.h"
#include "sound/wave_format.h"

namespace {

constexpr uint32_t kRate = 44100;
// Long enough that the second call still finds it playing on a busy machine.
constexpr double kToneSeconds = 0.6;
constexpr int kToneFrames = static_cast<int>(kRate * kToneSeconds);
constexpr double kToneLevel = 0.5;
constexpr double kMiddleGain = 0.6;

// Writes the tone and an OpenAL configuration that records the mix; returns
// the environment for the child.
std::vector<std::string> PrepareRecording(const std::filesystem::path& dir) {
    WriteFile(dir / "tone.wav", SineWave16(kToneFrames, kRate, kToneLevel));
    std::ofstream(dir / "alsoft.conf")
        << "drivers = wave\n[wave]\nfile = " << (dir / "mix.wav").string() << "\n";
    return {"ALSOFT_CONF=" + (dir / "alsoft.conf").string(), "KORVATH_HEARD_DIR=" + dir.string()};
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Waits, at most two seconds, for the slot's sound to end.
void WaitUntilSilent(int slot) {
    for (int i = 0; i < 200 && Sys_BufferPlaying(SoundEffects[slot].buffer); i++)
        Sleep(10);
}

constexpr size_t kBlockFrames = kRate / 100;  // 10 ms

struct Recording {
    size_t frames = 0;
    size_t firstLoud = 0, lastLoud = 0;  // frames above a tenth of the tone's level
    size_t loudBlocks = 0;               // 10 ms blocks that hold such a frame
    float peak = 0;
};

void Measure(const float* values, size_t count, int channels, Recording* out) {
    size_t lastBlock = SIZE_MAX;
    for (size_t i = 0; i < count; i++) {
        size_t frame = i / channels;
        out->peak = std::max(out->peak, std::fabs(values[i]));
        if (std::fabs(values[i]) <= kToneLevel / 10)
            continue;
        if (out->loudBlocks == 0)
            out->firstLoud = frame;
        if (frame / kBlockFrames != lastBlock || out->loudBlocks == 0)
            out->loudBlocks++;
        lastBlock = frame / kBlockFrames;
        out->lastLoud = frame;
    }
}

// Reads the mix: 32-bit float frames of any channel count.
bool ReadRecording(const std::string& path, Recording* out) {
    Sys_MappedFile view;
    if (!Sys_MapFile(path, &view))
        return false;
    WaveChunks chunks = {};
    bool ok = FindWaveChunks(view.data, view.size, &chunks);
    Sys_AudioFormat format =
        ok ? ReadWaveFormat(chunks.wavHeader, chunks.headerLength) : Sys_AudioFormat{};
    ok = ok && format.encoding == Sys_SampleEncoding::Float && format.bitsPerSample == 32;
    std::vector<float> values(ok ? chunks.wavLength / 4 : 0);
    if (!values.empty())
        std::memcpy(values.data(), chunks.wavData, values.size() * 4);
    out->frames = ok ? values.size() / format.channels : 0;
    Measure(values.data(), values.size(), ok ? format.channels : 1, out);
    Sys_UnmapFile(&view);
    return ok;
}

double SpanSeconds(const Recording& r) {
    return double(r.lastLoud - r.firstLoud + 1) / kRate;
}

double LoudSeconds(const Recording& r) {
    return r.loudBlocks / 100.0;
}

class SoundHeardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (InSoundChild()) {
            dir = std::getenv("KORVATH_HEARD_DIR");
            LoadSoundSlots();
            ASSERT_TRUE(LoadWave(&SoundEffects[0], (dir / "tone.wav").string().c_str()));
        } else {
            dir = TestFolder(
                "sound_heard_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        }
    }
    void TearDown() override {
        if (InSoundChild())
            ReleaseSoundSlots();  // closing the device finishes the recording
    }

    // Runs the test's child part and reads what it played.
    void RecordChild(Recording* recording) {
        ASSERT_EQ(RunCurrentTestInChild(PrepareRecording(dir)), 0);
        ASSERT_TRUE(ReadRecording((dir / "mix.wav").string(), recording));
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path dir;
};

TEST_F(SoundHeardTest, SecondPlayOnceNeitherRestartsNorDoubles) {
    if (InSoundChild()) {
        PlayOnce(&SoundEffects[0]);
        Sleep(200);
        PlayOnce(&SoundEffects[0]);
        WaitUntilSilent(0);
        return Sleep(100);
    }
    Recording r;
    RecordChild(&r);
    EXPECT_NEAR(SpanSeconds(r), kToneSeconds, 0.005) << "a restart would add 0.2 s";
    EXPECT_NEAR(LoudSeconds(r), kToneSeconds, 0.02);
    EXPECT_GT(r.frames, r.lastLoud);
    // A mono sound sits in the middle of the stereo mix at about 0.6 of its level;
    // a second voice would add up.
    EXPECT_NEAR(r.peak, kToneLevel * kMiddleGain, 0.03);
    std::printf("heard %.4f s, peak %.3f, %zu frames recorded\n", SpanSeconds(r), r.peak, r.frames);
}

TEST_F(SoundHeardTest, StopHaltsAndTheNextPlayResumes) {
    if (InSoundChild()) {
        PlayOnce(&SoundEffects[0]);
        Sleep(150);
        StopSound(&SoundEffects[0]);
        Sleep(300);
        PlayOnce(&SoundEffects[0]);
        WaitUntilSilent(0);
        return Sleep(100);
    }
    Recording r;
    RecordChild(&r);
    // The whole tone once, with a gap: resumed, not replayed from the start (0.15 s more)
    EXPECT_NEAR(LoudSeconds(r), kToneSeconds, 0.03);
    EXPECT_GT(SpanSeconds(r), kToneSeconds + 0.2);
}

}  // namespace
