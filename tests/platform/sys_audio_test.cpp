#include "platform/sys_audio.h"
#include "platform/sys_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t kRate = 44100;
const Sys_AudioFormat kMono16 = {Sys_SampleEncoding::Pcm, 1, 16, kRate};

// Plays through OpenAL Soft's null output, which mixes in real time without a sound card.
class SysAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Sys_SetEnvironmentDefault("ALSOFT_DRIVERS", "null");
        voice = Sys_CreateVoice();
        if (!voice)
            GTEST_SKIP() << "no audio device, even the null one";
    }
    void TearDown() override {
        Sys_ReleaseVoice(voice);
        EXPECT_TRUE(Sys_CloseAudioDevice());
    }

    Sys_AudioBuffer* Silence(int frames) {
        samples.assign(static_cast<size_t>(frames) * 2, 0);
        return Sys_CreateBuffer(voice, samples.data(), samples.size(), kMono16);
    }

    // Waits, at most two seconds, for the buffer to stop playing.
    static bool Finishes(Sys_AudioBuffer* buffer) {
        for (int i = 0; i < 200 && Sys_BufferPlaying(buffer); i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !Sys_BufferPlaying(buffer);
    }

    Sys_AudioVoice* voice = nullptr;
    std::vector<uint8_t> samples;
};

TEST_F(SysAudioTest, FinishedSoundPlaysAgainAndLoopsOnlyWhenAsked) {
    Sys_AudioBuffer* buffer = Silence(kRate / 50);
    ASSERT_NE(buffer, nullptr);
    Sys_PlayBuffer(buffer, false);
    ASSERT_TRUE(Finishes(buffer));
    Sys_PlayBuffer(buffer, false);
    EXPECT_TRUE(Sys_BufferPlaying(buffer)) << "a finished sound starts again";
    Sys_PlayBuffer(buffer, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(Sys_BufferPlaying(buffer)) << "five times its length later, still looping";
    Sys_PlayBuffer(buffer, false);
    EXPECT_TRUE(Finishes(buffer)) << "playing once ends the loop";
}

TEST_F(SysAudioTest, ReplacesAHaltedBufferAndClosesOnlyWhenNoVoiceIsLeft) {
    Sys_AudioBuffer* first = Silence(kRate);
    ASSERT_NE(first, nullptr);
    Sys_PlayBuffer(first, true);
    for (int i = 0; i < 200 && Sys_BufferPosition(first) <= int(kRate / 5); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Sys_StopBuffer(first);
    Sys_ReleaseBuffer(first);
    Sys_AudioBuffer* second = Silence(kRate / 2);
    ASSERT_NE(second, nullptr);
    Sys_PlayBuffer(second, false);
    EXPECT_TRUE(Sys_BufferPlaying(second));
    EXPECT_LT(Sys_BufferPosition(second), static_cast<int>(kRate / 5))
        << "the new sound starts at its beginning";
    EXPECT_FALSE(Sys_CloseAudioDevice()) << "a voice is still alive";
    EXPECT_TRUE(Sys_AudioDeviceOpen());
}

}  // namespace
