#include "sound/sound_slots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/sys_path.h"
#include "sound/child_process.h"
#include "sound/sound_observer.h"
#include "sound/test_wave_files.h"

namespace {

std::vector<std::string> loadedFiles;

void RecordLoad(int slot, SoundOp op, const char* file, bool) {
    if (op == SoundOp::Load)
        loadedFiles.push_back(std::to_string(slot) + " " + file);
}

// Runs the test from a fresh working folder with ./gamedata/sound/ in it.
class SoundSlotsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = std::filesystem::current_path();
        dir = TestFolder("sound_slots_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "gamedata" / "sound");
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        ReleaseSoundSlots();
        SetSoundObserver(nullptr);
        loadedFiles.clear();
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }
    void WriteSlotFiles() {
        for (const char* file : SoundSlotFiles)
            WriteFile(Sys_HostPath(file), SineWave16(100, 22050, 0.5));
    }

    std::filesystem::path home, dir;
};

TEST_F(SoundSlotsTest, LoadsEverySlotInOrderFromItsFile) {
    WriteSlotFiles();
    SetSoundObserver(RecordLoad);
    LoadSoundSlots();
    ASSERT_EQ(loadedFiles.size(), 12u);
    EXPECT_EQ(loadedFiles[0], "0 ./gamedata\\sound\\bomb_collect.wav");
    EXPECT_EQ(loadedFiles[5], "5 ./gamedata\\sound\\explode.wav");
    EXPECT_EQ(loadedFiles[MusicSlot], "8 ./gamedata\\sound\\stage1.wav");
    EXPECT_EQ(loadedFiles[11], "11 ./gamedata\\sound\\sliding.wav");
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        EXPECT_NE(SoundEffects[slot].buffer, nullptr) << slot;
    // the three explosion voices are independent
    PlayOnce(&SoundEffects[3]);
    PlayOnce(&SoundEffects[4]);
    EXPECT_TRUE(Sys_BufferPlaying(SoundEffects[4].buffer));
    EXPECT_FALSE(Sys_BufferPlaying(SoundEffects[5].buffer));
}

TEST_F(SoundSlotsTest, MissingFilesLeaveSilentSlots) {
    LoadSoundSlots();
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        EXPECT_EQ(SoundEffects[slot].buffer, nullptr);
        PlayLooping(&SoundEffects[slot]);
    }
    ReleaseSoundSlots();
    SoundEffect zero{};
    for (const SoundEffect& sound : SoundEffects)
        EXPECT_EQ(std::memcmp(&sound, &zero, sizeof sound), 0);
    EXPECT_FALSE(Sys_AudioDeviceOpen());
}

TEST_F(SoundSlotsTest, WithoutAnyDeviceTheGamePlaysSilently) {
    if (!InSoundChild()) {
        ASSERT_EQ(RunCurrentTestInChild({"ALSOFT_DRIVERS=no-such-driver"}), 0);
        return;
    }
    WriteSlotFiles();
    LoadSoundSlots();
    EXPECT_FALSE(Sys_AudioDeviceOpen());
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        EXPECT_EQ(SoundEffects[slot].device, nullptr);
        EXPECT_EQ(SoundEffects[slot].buffer, nullptr);
        PlayOnce(&SoundEffects[slot]);
        StopSound(&SoundEffects[slot]);
    }
}

}  // namespace
