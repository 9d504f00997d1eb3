#pragma once
// Tests on each shipped level as the game starts it, run where the game finds its data.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "search/played_level.h"
#include "tool_templates.h"

class ShippedLevelTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        std::filesystem::current_path(KORVATH_SOURCE_DIR);
        std::string error;
        ASSERT_TRUE(LoadToolTemplates(&error)) << error;
        BeforeStart();
        ASSERT_TRUE(level.Start(GetParam(), &error)) << error;
    }
    void TearDown() override { std::filesystem::current_path(here_); }
    virtual void BeforeStart() {}  // a test's own set-up of the level before it starts

    PlayedLevel level;
    const std::filesystem::path here_ = std::filesystem::current_path();  // to go back to
};
