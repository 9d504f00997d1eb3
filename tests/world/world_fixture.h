#pragma once
// Shared set-up for the world tests: a scratch working directory holding a
// "gamedata" folder, XML text builders for the store's layout, a recorder for
// data-error reports, and a reset of the global world state.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// <KeyVal Key="key">value</KeyVal>
std::string Key(const std::string& key, const std::string& value);
// <Section label="label">content</Section>
std::string Section(const std::string& label, const std::string& content);

class WorldTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file relative to the scratch working directory.
    void WriteFile(const std::string& path, const std::string& text);
    // Writes gamedata/<name> as a store whose root section holds content.
    void WriteStore(const std::string& name, const std::string& content);

    std::vector<std::string>& Reports();

  private:
    std::filesystem::path previousDir_;
    std::filesystem::path dir_;
};
