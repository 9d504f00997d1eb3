// Sound records and the game's sound slots, on WAV images built here and the
// corpus's files, played through OpenAL Soft's null output unless the caller
// chose another driver.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"
#include "platform/sys_process.h"
#include "sound/sound_effect.h"
#include "sound/sound_observer.h"
#include "sound/sound_slots.h"
#include "sound/wave_chunks.h"
#include "support/corpus.h"
#include "support/data_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline Bytes Little(uint32_t value, int bytes) {
    Bytes out;
    for (int i = 0; i < bytes; i++)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    return out;
}

// A chunk: id, size, data and, for an odd size, the pad byte.
inline Bytes Chunk(const char* id, const Bytes& data) {
    return Cat({Bytes(id, id + 4), Little(static_cast<uint32_t>(data.size()), 4), data,
                Bytes(data.size() % 2)});
}

// A mono WAV image: the format record of the tag, rate and bits, then the samples.
inline Bytes WaveImage(uint16_t tag, uint32_t rate, uint32_t bits, const Bytes& samples) {
    const Bytes format = Cat({Little(tag, 2), Little(1, 2), Little(rate, 4),
                              Little(rate * (bits / 8), 4), Little(bits / 8, 2), Little(bits, 2)});
    const Bytes body = Cat({{'W', 'A', 'V', 'E'}, Chunk("fmt ", format), Chunk("data", samples)});
    return Cat({{'R', 'I', 'F', 'F'}, Little(static_cast<uint32_t>(body.size()), 4), body});
}

// A plain 16-bit mono WAV image of a 440 Hz sine wave.
inline Bytes SineWave16(int frames, uint32_t rate, double amplitude) {
    Bytes samples;
    for (int i = 0; i < frames; i++) {
        double value = amplitude * 32767.0 * std::sin(2.0 * 3.141592653589793 * 440.0 * i / rate);
        samples.push_back(static_cast<uint8_t>(std::lround(value)));
        samples.push_back(static_cast<uint8_t>(std::lround(value) >> 8));
    }
    return WaveImage(1, rate, 16, samples);
}

constexpr uint32_t kRate = 22050;

class NullAudioEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { Sys_SetEnvironmentDefault("ALSOFT_DRIVERS", "null"); }
    void TearDown() override { Sys_CloseAudioDevice(); }
};
::testing::Environment* const nullAudio =
    ::testing::AddGlobalTestEnvironment(new NullAudioEnvironment);

// A record with a second of tone loaded.
class SoundEffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        good = dir.Write("good.wav", SineWave16(kRate, kRate, 0.5));
        if (!CreateDevice(&sound))
            GTEST_SKIP() << "no audio device, even the null one";
        ASSERT_TRUE(LoadWave(&sound, good.c_str()));
    }
    void TearDown() override { ReleaseSound(&sound); }

    void ExpectGoodSoundKept() {
        EXPECT_NE(sound.buffer, nullptr);
        EXPECT_EQ(sound.description.bufferBytes, kRate * 2);
        EXPECT_EQ(std::string(sound.file), good);
    }

    DataFolder dir;
    std::string good;
    SoundEffect sound{};
};

TEST_F(SoundEffectTest, UnreadableOrForeignFilesKeepTheOldSound) {
    Bytes notWave = SineWave16(100, kRate, 0.5), notRiff = notWave;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    std::memcpy(notRiff.data(), "RIFX", 4);
    PlayLooping(&sound);
    for (const std::string& path :
         {dir.Write("notwave.wav", notWave), dir.Write("notriff.wav", notRiff),
          dir.Write("empty.wav", ""), dir.File("missing.wav"), std::string("gamedata")}) {
        EXPECT_FALSE(LoadWave(&sound, path.c_str())) << path;
        ExpectGoodSoundKept();
        EXPECT_TRUE(Sys_BufferPlaying(sound.buffer)) << "the old sound plays on";
    }
    EXPECT_FALSE(LoadWave(&sound, nullptr));
    ExpectGoodSoundKept();
    EXPECT_FALSE(
        LoadWave(&sound, dir.Write("adpcm.wav", WaveImage(0x11, 8000, 4, Bytes(256))).c_str()));
    EXPECT_EQ(sound.buffer, nullptr) << "a refused format leaves no sound";
    EXPECT_STREQ(sound.file, "");
    PlayOnce(&sound);  // nothing to play, nothing happens
    StopSound(&sound);
}

// A second PlayOnce during playback does not start the sound again; a stop
// halts it where it is, and the next play goes on from there.
TEST_F(SoundEffectTest, PlayingAgainNeitherRestartsNorLosesThePlace) {
    PlayOnce(&sound);
    for (int i = 0; i < 200 && Sys_BufferPosition(sound.buffer) <= int(kRate / 10); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int before = Sys_BufferPosition(sound.buffer);
    PlayOnce(&sound);
    EXPECT_GE(Sys_BufferPosition(sound.buffer), before);
    StopSound(&sound);
    const int stopped = Sys_BufferPosition(sound.buffer);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(Sys_BufferPlaying(sound.buffer));
    EXPECT_EQ(Sys_BufferPosition(sound.buffer), stopped);
    PlayOnce(&sound);
    EXPECT_GE(Sys_BufferPosition(sound.buffer), stopped);
    EXPECT_GT(stopped, int(kRate / 10));
}

// Every WAV file of the corpus, loaded over the good sound: the chunk walk finds
// the samples (offset -1: refused, the old sound stays), and the audio layer
// takes them or refuses the format (loads false: the old sound is gone).
TEST_F(SoundEffectTest, CorpusFilesLoadOrAreRefused) {
    SKIP_WITHOUT_CORPUS();
    const std::filesystem::path corpus = CorpusPath("wav");
    const struct {
        const char* name;
        bool loads;
        long offset;
        uint32_t length;
    } files[] = {{"kick.wav", true, 44, 8968},
                 {"kick-16b441k.wav", true, 44, 31128},
                 {"8bit.wav", true, 44, 88200},
                 {"waveformatex-8bit-11025Hz-mono.wav", true, 46, 4},
                 {"waveformatex-16bit-44100Hz-stereo.wav", true, 46, 16},
                 {"pcmwaveformat-16bit-44100Hz-mono-extra.wav", true, 78, 8},
                 {"waveformatex-ieeefloat-44100Hz-mono.wav", true, 46, 16},
                 {"waveformatextensible-ieeefloat-44100Hz-mono.wav", true, 80, 16},
                 {"M1F1-int12WE-AFsp.wav", true, 68, 93972},
                 {"derived_kick_data_before_fmt.wav", true, 20, 8968},
                 {"derived_kick_odd_chunk_pad.wav", true, 56, 8968},
                 {"derived_kick_riff_size_past_eof.wav", true, 44, 8968},
                 {"listChunkInHeader.wav", false, 12288, 91908},  // 24-bit
                 {"bwf.wav", false, 654, 21861},                  // 24-bit
                 {"nonstandard-01.wav", false, 802, 6},           // 24-bit
                 {"4bit-imaadpcm-8kHz-noBext-mono.wav", false, 48, 26880},
                 {"ima22m.wav", false, 48, 73728},
                 {"8bit-mulaw-8kHz-noBext-mono-encoded.wav", false, 60, 48000},
                 {"derived_kick_form_not_wave.wav", false, -1, 0},
                 {"derived_kick_truncated_in_data.wav", false, -1, 0},
                 {"hound-fuzz-crash-24728523.wav", false, -1, 0},
                 {"hound-fuzz-crash-e879de4e.wav", false, -1, 0},
                 {"hound-fuzz-oom-48ae4cd0.wav", false, -1, 0}};
    for (const auto& file : files) {
        const std::string path = (corpus / file.name).string();
        Sys_MappedFile view;
        ASSERT_TRUE(Sys_MapFile(path, &view)) << file.name;
        WaveChunks chunks = {};
        bool found = FindWaveChunks(view.data, view.size, &chunks);
        EXPECT_EQ(found ? chunks.wavData - view.data : -1, file.offset) << file.name;
        EXPECT_EQ(found ? chunks.wavLength : 0, file.length) << file.name;
        Sys_UnmapFile(&view);
        ASSERT_TRUE(LoadWave(&sound, good.c_str()));
        Sys_AudioBuffer* old = sound.buffer;
        EXPECT_EQ(LoadWave(&sound, path.c_str()), file.loads) << file.name;
        if (file.loads)  // every loading file holds whole frames already
            EXPECT_EQ(sound.description.bufferBytes, file.length) << file.name;
        else
            EXPECT_EQ(sound.buffer, file.offset < 0 ? old : nullptr) << file.name;
        PlayOnce(&sound);
        StopSound(&sound);
    }
}

std::vector<std::string> seen;

void Record(int slot, SoundOp op, const char* file, bool ok) {
    const char* names[] = {"load", "once", "loop", "stop"};
    seen.push_back(std::to_string(slot) + " " + names[static_cast<int>(op)] + " " + file +
                   (ok ? "" : " (nothing)"));
}

// Runs from a fresh working folder, where gamedata/sound/ can be written.
class SoundSlotsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetSoundObserver(Record); }
    void TearDown() override {
        ReleaseSoundSlots();
        SetSoundObserver(nullptr);
        seen.clear();
    }
    void WriteSlotFiles() {
        const Bytes wave = SineWave16(100, 22050, 0.5);
        for (const SoundSlotName& slot : kSoundSlots)
            data.Write(Sys_HostPath(slot.file).substr(11), std::string(wave.begin(), wave.end()));
    }

    DataFolder data;
};

// Every slot call reaches the observer, also one that does nothing: a load
// that fails keeps the slot's old sound, and a released slot has none.
TEST_F(SoundSlotsTest, LoadsEverySlotFromItsFileAndTheObserverSeesEveryCall) {
    WriteSlotFiles();
    LoadSoundSlots();
    ASSERT_EQ(seen.size(), 12u);
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        EXPECT_NE(SoundEffects[slot].buffer, nullptr) << slot;
    PlaySlotOnce(3);  // the three explosion voices are independent
    PlaySlotOnce(4);
    EXPECT_TRUE(Sys_BufferPlaying(SoundEffects[4].buffer));
    EXPECT_FALSE(Sys_BufferPlaying(SoundEffects[5].buffer));
    seen.clear();
    StopSlot(8);
    LoadSlot(8, "./gamedata\\sound\\stage9.wav");
    PlaySlotLooping(8);
    ReleaseSound(&SoundEffects[8]);
    PlaySlotOnce(8);
    EXPECT_EQ(seen, (std::vector<std::string>{"8 stop ./gamedata\\sound\\stage1.wav",
                                              "8 load ./gamedata\\sound\\stage9.wav (nothing)",
                                              "8 loop ./gamedata\\sound\\stage1.wav",
                                              "8 once  (nothing)"}));
}

}  // namespace
