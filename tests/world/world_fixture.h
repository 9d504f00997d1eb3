#pragma once
// World tests run in a scratch working directory with a "gamedata" folder,
// record data-error reports, and start and end with an empty world.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "world/level.h"
#include "world/template_assets.h"

inline std::string Key(const std::string& key, const std::string& value) {
    return "<KeyVal Key=\"" + key + "\">" + value + "</KeyVal>";
}

inline std::string Section(const std::string& label, const std::string& content) {
    return "<Section label=\"" + label + "\">" + content + "</Section>";
}

class WorldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ =
            std::filesystem::temp_directory_path() / ("korvath_world_" + std::string(info->name()));
        std::filesystem::create_directories(dir_ / "gamedata");
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        SetFatalErrorHandler([](const char* text) { Reports().push_back(text); });
        Reset();
    }
    void TearDown() override {
        Reset();
        SetFatalErrorHandler(nullptr);
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(dir_);
    }

    void WriteFile(const std::string& path, const std::string& text) {
        std::ofstream(dir_ / path, std::ios::binary) << text;
    }
    // gamedata/<name> as a store whose root section holds content.
    void WriteStore(const std::string& name, const std::string& content) {
        WriteFile("gamedata/" + name, Section("Root", content));
    }
    static std::vector<std::string>& Reports() {
        static std::vector<std::string> reports;
        return reports;
    }

  private:
    static void Reset() {
        for (PawnTemplate& t : PawnTemplates)
            t = PawnTemplate();
        LevelPawns.Clear();
        BuildLevelIndex();
        SetTemplateAssets(nullptr);
        Reports().clear();
    }
    std::filesystem::path previousDir_, dir_;
};
