#include "sound/sound_effect.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "sound/test_wave_files.h"
#include "support/temp_dir.h"

namespace {

constexpr uint32_t kRate = 22050;

// A record with a second of tone loaded, played through the null output.
class SoundEffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        good = WriteFile(dir.File("good.wav"), SineWave16(kRate, kRate, 0.5));
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
    // Waits, at most two seconds, until the sound has played past the frame.
    int PlayedPast(int frame) {
        for (int i = 0; i < 200 && Sys_BufferPosition(sound.buffer) <= frame; i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return Sys_BufferPosition(sound.buffer);
    }

    TempDir dir;
    std::string good;
    SoundEffect sound{};
};

TEST_F(SoundEffectTest, UnreadableOrForeignFilesKeepTheOldSound) {
    Bytes notWave = SineWave16(100, kRate, 0.5);
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    Bytes notRiff = SineWave16(100, kRate, 0.5);
    std::memcpy(notRiff.data(), "RIFX", 4);
    PlayLooping(&sound);
    for (const std::string& path :
         {WriteFile(dir.File("notwave.wav"), notWave), WriteFile(dir.File("notriff.wav"), notRiff),
          WriteFile(dir.File("empty.wav"), {}), dir.File("missing.wav"), dir.Path()}) {
        EXPECT_FALSE(LoadWave(&sound, path.c_str())) << path;
        ExpectGoodSoundKept();
        EXPECT_TRUE(Sys_BufferPlaying(sound.buffer)) << "the old sound plays on";
    }
    EXPECT_FALSE(LoadWave(&sound, nullptr));
    ExpectGoodSoundKept();
}

TEST_F(SoundEffectTest, RefusedFormatLeavesNoSound) {
    Bytes adpcm =
        RiffImage({Chunk("fmt ", FormatRecord(1, 8000, 4, 0x11)), Chunk("data", Bytes(256))});
    EXPECT_FALSE(LoadWave(&sound, WriteFile(dir.File("adpcm.wav"), adpcm).c_str()));
    EXPECT_EQ(sound.buffer, nullptr);
    EXPECT_STREQ(sound.file, "");
    PlayOnce(&sound);  // nothing to play, nothing happens
    StopSound(&sound);
    EXPECT_TRUE(LoadWave(&sound, good.c_str()));
}

// A second PlayOnce during playback does not start the sound again; a stop
// halts it where it is, and the next play goes on from there.
TEST_F(SoundEffectTest, PlayingAgainNeitherRestartsNorLosesThePlace) {
    PlayOnce(&sound);
    const int before = PlayedPast(kRate / 10);
    PlayOnce(&sound);
    EXPECT_GE(Sys_BufferPosition(sound.buffer), before);
    StopSound(&sound);
    const int stopped = Sys_BufferPosition(sound.buffer);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(Sys_BufferPlaying(sound.buffer));
    EXPECT_EQ(Sys_BufferPosition(sound.buffer), stopped);
    PlayOnce(&sound);
    EXPECT_GE(Sys_BufferPosition(sound.buffer), stopped);
    EXPECT_GT(stopped, kRate / 10);
}

}  // namespace
