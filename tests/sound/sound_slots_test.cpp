#include "sound/sound_slots.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sys_path.h"
#include "sound/sound_observer.h"
#include "sound/test_wave_files.h"
#include "support/data_folder.h"

namespace {

std::vector<std::string> seen;

void Record(int slot, SoundOp op, const char* file, bool ok) {
    const char* names[] = {"load", "once", "loop", "stop"};
    seen.push_back(std::to_string(slot) + " " + names[static_cast<int>(op)] + " " + file +
                   (ok ? "" : " (nothing)"));
}

// Runs from a fresh working folder, where ./gamedata/sound/ is written.
class SoundSlotsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetSoundObserver(Record); }
    void TearDown() override {
        ReleaseSoundSlots();
        SetSoundObserver(nullptr);
        seen.clear();
    }
    void WriteSlotFiles() {
        std::filesystem::create_directories("gamedata/sound");
        for (const char* file : SoundSlotFiles)
            WriteFile(Sys_HostPath(file), SineWave16(100, 22050, 0.5));
    }

    DataFolder data;
};

TEST_F(SoundSlotsTest, LoadsEverySlotInOrderFromItsFile) {
    WriteSlotFiles();
    LoadSoundSlots();
    ASSERT_EQ(seen.size(), 12u);
    EXPECT_EQ(seen[0], "0 load ./gamedata\\sound\\bomb_collect.wav");
    EXPECT_EQ(seen[5], "5 load ./gamedata\\sound\\explode.wav");
    EXPECT_EQ(seen[8], "8 load ./gamedata\\sound\\stage1.wav");
    EXPECT_EQ(seen[11], "11 load ./gamedata\\sound\\sliding.wav");
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        EXPECT_NE(SoundEffects[slot].buffer, nullptr) << slot;
    // the three explosion voices are independent
    PlaySlotOnce(3);
    PlaySlotOnce(4);
    EXPECT_TRUE(Sys_BufferPlaying(SoundEffects[4].buffer));
    EXPECT_FALSE(Sys_BufferPlaying(SoundEffects[5].buffer));
}

// Every slot call reaches the observer, also one that does nothing: a load
// that fails keeps the slot's old sound, and a released slot has none.
TEST_F(SoundSlotsTest, ObserverSeesEverySlotCall) {
    WriteSlotFiles();
    LoadSoundSlots();
    seen.clear();
    StopSlot(8);
    LoadSlot(8, "./gamedata\\sound\\stage9.wav");
    PlaySlotLooping(8);
    ReleaseSound(&SoundEffects[8]);
    PlaySlotOnce(8);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "8 stop ./gamedata\\sound\\stage1.wav",
                        "8 load ./gamedata\\sound\\stage9.wav (nothing)",
                        "8 loop ./gamedata\\sound\\stage1.wav",
                        "8 once  (nothing)",
                    }));
}

TEST_F(SoundSlotsTest, MissingFilesLeaveSilentSlotsAndReleaseClearsThem) {
    LoadSoundSlots();
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        EXPECT_EQ(SoundEffects[slot].buffer, nullptr);
        PlaySlotLooping(slot);
    }
    ReleaseSoundSlots();
    SoundEffect zero{};
    for (const SoundEffect& sound : SoundEffects)
        EXPECT_EQ(std::memcmp(&sound, &zero, sizeof sound), 0);
    EXPECT_FALSE(Sys_AudioDeviceOpen());
}

// Every record without a voice or a buffer, and playing does nothing.
bool PlaysSilently() {
    LoadSoundSlots();
    bool silent = !Sys_AudioDeviceOpen();
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        silent = silent && !SoundEffects[slot].device && !SoundEffects[slot].buffer;
        PlaySlotOnce(slot);
        StopSlot(slot);
    }
    return silent;
}

// The audio library reads its configuration once per process, so the game
// runs in a fresh copy of this program (the threadsafe death-test style
// starts one) that is told to use an audio driver that does not exist.
TEST_F(SoundSlotsTest, WithoutAnyDeviceTheGamePlaysSilently) {
    WriteSlotFiles();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string driver = std::getenv("ALSOFT_DRIVERS");
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    EXPECT_EXIT(
        {
            const bool silent = PlaysSilently();
            std::filesystem::remove_all(data.Dir().Path());  // exit skips the destructors
            std::exit(silent ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    setenv("ALSOFT_DRIVERS", driver.c_str(), 1);
}

}  // namespace
