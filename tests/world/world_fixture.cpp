#include "world/world_fixture.h"

#include <fstream>

#include "core/fatal_error.h"
#include "world/level.h"
#include "world/pawn_template.h"
#include "world/template_assets.h"

namespace {

std::vector<std::string> g_reports;

void RecordReport(const char* text) {
    g_reports.push_back(text);
}

void ResetWorld() {
    for (PawnTemplate& t : PawnTemplates)
        t = PawnTemplate();
    LevelPawns.Clear();
    SavedPawns.Clear();
    BuildLevelIndex();
    SetTemplateAssets(nullptr);
    g_reports.clear();
}

}  // namespace

std::string Key(const std::string& key, const std::string& value) {
    return "<KeyVal Key=\"" + key + "\">" + value + "</KeyVal>";
}

std::string Section(const std::string& label, const std::string& content) {
    return "<Section label=\"" + label + "\">" + content + "</Section>";
}

void WorldTest::SetUp() {
    namespace fs = std::filesystem;
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("korvath_world_") + info->test_suite_name() + "_" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "gamedata");
    previousDir_ = fs::current_path();
    fs::current_path(dir_);
    SetFatalErrorHandler(RecordReport);
    ResetWorld();
}

void WorldTest::TearDown() {
    ResetWorld();
    SetFatalErrorHandler(nullptr);
    std::filesystem::current_path(previousDir_);
    std::filesystem::remove_all(dir_);
}

void WorldTest::WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(dir_ / path, std::ios::binary) << text;
}

void WorldTest::WriteStore(const std::string& name, const std::string& content) {
    WriteFile("gamedata/" + name, "<?xml version=\"1.0\"?>\n" + Section("Root", content));
}

std::vector<std::string>& WorldTest::Reports() {
    return g_reports;
}
