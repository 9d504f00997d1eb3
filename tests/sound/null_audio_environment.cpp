// The sound tests play through OpenAL Soft's null output unless the caller
// chose another driver, so that they run on machines without a sound card.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sys_audio.h"

namespace {

class NullAudioEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { setenv("ALSOFT_DRIVERS", "null", 0); }
    void TearDown() override { Sys_CloseAudioDevice(); }
};

::testing::Environment* const nullAudio =
    ::testing::AddGlobalTestEnvironment(new NullAudioEnvironment);

}  // namespace
