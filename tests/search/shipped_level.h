#pragma once
// Tests on each shipped level as the game starts it, run where the game finds its data.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "search/played_level.h"
#include "tool_templates.h"

class ShippedLevelTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(getcwd(here_, sizeof here_) && chdir(KORVATH_SOURCE_DIR) == 0);
        std::string error;
        ASSERT_TRUE(LoadToolTemplates(&error)) << error;
        ASSERT_TRUE(level.Start(GetParam(), &error)) << error;
    }
    void TearDown() override { ASSERT_EQ(chdir(here_), 0); }

    PlayedLevel level;
    char here_[4096];  // the folder to go back to
};
