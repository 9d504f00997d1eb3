#include "sound/sound_effect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sound/sound_observer.h"
#include "sound/sound_slots.h"
#include "sound/test_wave_files.h"

namespace {

struct SeenCall {
    int slot;
    SoundOp op;
    std::string file;
    bool ok;
};

std::vector<SeenCall> seenCalls;

void RecordCall(int slot, SoundOp op, const char* file, bool ok) {
    seenCalls.push_back({slot, op, file, ok});
}

class SoundEffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = TestFolder("sound_effect_test");
        good = WriteFile(dir / "good.wav", SineWave16(4410, 22050, 0.5));
        other = WriteFile(dir / "other.wav", SineWave16(1000, 22050, 0.5));
        sound = SoundEffect{};
        if (!CreateDevice(&sound))
            GTEST_SKIP() << "no audio device, even the null one";
        ASSERT_TRUE(LoadWave(&sound, good.c_str()));
    }
    void TearDown() override {
        ReleaseSound(&sound);
        SetSoundObserver(nullptr);
        seenCalls.clear();
        std::filesystem::remove_all(dir);
    }

    // The record still holds the sound loaded in SetUp.
    void ExpectGoodSoundKept() {
        EXPECT_NE(sound.buffer, nullptr);
        EXPECT_EQ(sound.description.bufferBytes, 4410u * 2);
        EXPECT_EQ(std::string(sound.file), good);
    }

    std::filesystem::path dir;
    std::string good, other;
    SoundEffect sound;
};

TEST_F(SoundEffectTest, UnreadableOrForeignFilesKeepTheOldSound) {
    Bytes notWave = SineWave16(100, 22050, 0.5);
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    Bytes notRiff = SineWave16(100, 22050, 0.5);
    std::memcpy(notRiff.data(), "RIFX", 4);
    PlayLooping(&sound);
    for (const std::string& path :
         {WriteFile(dir / "notwave.wav", notWave), WriteFile(dir / "notriff.wav", notRiff),
          WriteFile(dir / "empty.wav", {}), (dir / "missing.wav").string(), dir.string()}) {
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
    EXPECT_FALSE(LoadWave(&sound, WriteFile(dir / "adpcm.wav", adpcm).c_str()));
    EXPECT_EQ(sound.buffer, nullptr);
    EXPECT_STREQ(sound.file, "");
    PlayOnce(&sound);  // nothing to play, nothing happens
    StopSound(&sound);
    EXPECT_TRUE(LoadWave(&sound, good.c_str()));
}

TEST_F(SoundEffectTest, ObserverSeesEveryCallWithItsSlot) {
    SetSoundObserver(RecordCall);
    SoundEffect& music = SoundEffects[MusicSlot];
    ASSERT_TRUE(CreateDevice(&music));
    LoadWave(&music, good.c_str());
    StopSound(&music);
    LoadWave(&music, (dir / "stage9.wav").string().c_str());
    PlayLooping(&music);
    ReleaseSound(&music);
    PlayOnce(&music);
    PlayOnce(&sound);
    ASSERT_EQ(seenCalls.size(), 6u);
    EXPECT_EQ(seenCalls[0].slot, MusicSlot);
    EXPECT_EQ(seenCalls[0].op, SoundOp::Load);
    EXPECT_TRUE(seenCalls[0].ok);
    EXPECT_EQ(seenCalls[1].op, SoundOp::Stop);
    EXPECT_FALSE(seenCalls[2].ok);
    EXPECT_EQ(seenCalls[2].file, (dir / "stage9.wav").string());
    EXPECT_EQ(seenCalls[3].op, SoundOp::PlayLooping);
    EXPECT_EQ(seenCalls[3].file, good) << "the missing stage file kept the old music";
    EXPECT_TRUE(seenCalls[3].ok);
    EXPECT_FALSE(seenCalls[4].ok) << "a released record has nothing to play";
    EXPECT_EQ(seenCalls[5].slot, -1);
}

}  // namespace
