// Every WAV file of the shared corpus, loaded over a good sound: the chunk
// walk either finds the chunks where the corpus says they are or refuses the
// file (the old sound stays), and the audio layer either takes the samples
// or refuses the format (the old sound is gone).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sys_mapped_file.h"
#include "sound/sound_effect.h"
#include "sound/test_wave_files.h"
#include "sound/wave_chunks.h"
#include "support/temp_dir.h"

namespace {

enum class Outcome { Loads, FormatRefused, WalkRefused };

struct CorpusFile {
    const char* name;
    Outcome outcome;
    uint32_t dataOffset;  // where the walk finds the samples, when it does
    uint32_t dataLength;
};

const CorpusFile kCorpus[] = {
    {"kick.wav", Outcome::Loads, 44, 8968},
    {"kick-16b441k.wav", Outcome::Loads, 44, 31128},
    {"8bit.wav", Outcome::Loads, 44, 88200},
    {"waveformatex-8bit-11025Hz-mono.wav", Outcome::Loads, 46, 4},
    {"waveformatex-16bit-44100Hz-stereo.wav", Outcome::Loads, 46, 16},
    {"pcmwaveformat-16bit-44100Hz-mono-extra.wav", Outcome::Loads, 78, 8},
    {"waveformatex-ieeefloat-44100Hz-mono.wav", Outcome::Loads, 46, 16},
    {"waveformatextensible-ieeefloat-44100Hz-mono.wav", Outcome::Loads, 80, 16},
    {"M1F1-int12WE-AFsp.wav", Outcome::Loads, 68, 93972},
    {"derived_kick_data_before_fmt.wav", Outcome::Loads, 20, 8968},
    {"derived_kick_odd_chunk_pad.wav", Outcome::Loads, 56, 8968},
    {"derived_kick_riff_size_past_eof.wav", Outcome::Loads, 44, 8968},
    {"listChunkInHeader.wav", Outcome::FormatRefused, 12288, 91908},  // 24-bit
    {"bwf.wav", Outcome::FormatRefused, 654, 21861},                  // 24-bit
    {"nonstandard-01.wav", Outcome::FormatRefused, 802, 6},           // 24-bit
    {"4bit-imaadpcm-8kHz-noBext-mono.wav", Outcome::FormatRefused, 48, 26880},
    {"ima22m.wav", Outcome::FormatRefused, 48, 73728},
    {"8bit-mulaw-8kHz-noBext-mono-encoded.wav", Outcome::FormatRefused, 60, 48000},
    {"derived_kick_form_not_wave.wav", Outcome::WalkRefused, 0, 0},
    {"derived_kick_truncated_in_data.wav", Outcome::WalkRefused, 0, 0},
    {"hound-fuzz-crash-24728523.wav", Outcome::WalkRefused, 0, 0},
    {"hound-fuzz-crash-e879de4e.wav", Outcome::WalkRefused, 0, 0},
    {"hound-fuzz-oom-48ae4cd0.wav", Outcome::WalkRefused, 0, 0},
};

std::filesystem::path CorpusWav() {
    return std::filesystem::path(KORVATH_CORPUS_DIR) / "wav";
}

// Where the walk finds the samples of one file; -1 when it refuses the file.
long FoundDataOffset(const CorpusFile& file, uint32_t* length) {
    Sys_MappedFile view;
    if (!Sys_MapFile((CorpusWav() / file.name).string(), &view))
        return -2;
    WaveChunks chunks = {};
    bool found = FindWaveChunks(view.data, view.size, &chunks);
    *length = chunks.wavLength;
    long offset = found ? chunks.wavData - view.data : -1;
    Sys_UnmapFile(&view);
    return offset;
}

TEST(WavCorpusTest, EachFileLoadsOrFailsAsExpected) {
    if (!std::filesystem::is_directory(CorpusWav()))
        GTEST_SKIP() << "no corpus at " << CorpusWav();
    TempDir dir;
    std::string good = WriteFile(dir.File("good.wav"), SineWave16(100, 22050, 0.5));
    SoundEffect sound{};
    if (!CreateDevice(&sound))
        GTEST_SKIP() << "no audio device, even the null one";
    for (const CorpusFile& file : kCorpus) {
        uint32_t length = 0;
        long offset = FoundDataOffset(file, &length);
        if (file.outcome == Outcome::WalkRefused) {
            EXPECT_EQ(offset, -1) << file.name;
        } else {
            EXPECT_EQ(offset, file.dataOffset) << file.name;
            EXPECT_EQ(length, file.dataLength) << file.name;
        }
        ASSERT_TRUE(LoadWave(&sound, good.c_str()));
        Sys_AudioBuffer* old = sound.buffer;
        bool loaded = LoadWave(&sound, (CorpusWav() / file.name).string().c_str());
        EXPECT_EQ(loaded, file.outcome == Outcome::Loads) << file.name;
        if (file.outcome == Outcome::WalkRefused) {
            EXPECT_EQ(sound.buffer, old) << file.name << ": the old sound stays";
        } else if (file.outcome == Outcome::FormatRefused) {
            EXPECT_EQ(sound.buffer, nullptr) << file.name;
        } else {  // every loading file holds whole frames already
            EXPECT_EQ(sound.description.bufferBytes, file.dataLength) << file.name;
        }
        PlayOnce(&sound);
        StopSound(&sound);
    }
    ReleaseSound(&sound);
}

}  // namespace
