#include "flow_fixture.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "game/game_frame.h"
#include "level_pointers.h"
#include "platform/sys_clock.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"

namespace game_test {

namespace {

void MakeFlowTemplates() {
    PawnTemplates[kOneShotThree].SpecialFlag = 4;
    PawnTemplates[kOneShotSingle].SpecialFlag = 4;
    for (int frames = 0; frames < 3; ++frames)
        PawnTemplates[kOneShotThree].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[kOneShotSingle].Frames.PushBack(LinkedList<FramePart>());
    for (int frames = 0; frames < 2; ++frames)
        PawnTemplates[kLooping].Frames.PushBack(LinkedList<FramePart>());
}

std::string PawnSection(int number, int slot, float x, float y) {
    std::string s = "<Section label=\"Pawn" + std::to_string(number) + "\">";
    auto key = [&s](const char* name, const std::string& value) {
        s += std::string("<KeyVal Key=\"") + name + "\">" + value + "</KeyVal>";
    };
    key("PawnTemplate", std::to_string(slot));
    key("Type", "0");
    key("Visible", "1");
    for (const char* name : {"xangle", "yangle", "zangle", "zoffset"})
        key(name, "0");
    key("xoffset", std::to_string(x));
    key("yoffset", std::to_string(y));
    for (const char* name : {"xstretch", "ystretch", "zstretch"})
        key(name, "1");
    key("opacity", "100");
    return s + "</Section>\n";
}

}  // namespace

void RecordingAssets::LoadJpegTexture(int* textures, const char* path, int) {
    pictures.push_back(path);
    *textures = static_cast<int>(pictures.size());
    Headless_AdvanceClock(loadMs);
}

void FlowTest::SetUp() {
    GameTest::SetUp();
    MakeFlowTemplates();
    Sys_StartHeadless(HeadlessOptions());
    Headless_SetClock(1000);
    SetTemplateAssets(&assets);
    char pattern[] = "/tmp/korvath_flow_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::filesystem::create_directory(dir_ + "/gamedata");
    previousDir_ = std::filesystem::current_path().string();
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    levels_.assign(3, "");
}

void FlowTest::TearDown() {
    SetTemplateAssets(nullptr);
    GameState = 0;
    LevelPhase = 0;
    CurrentLevel = 1;
    Sys_Stop();
    if (!previousDir_.empty()) {
        EXPECT_EQ(chdir(previousDir_.c_str()), 0);
    }
    if (!dir_.empty())
        std::filesystem::remove_all(dir_);
    GameTest::TearDown();
}

void FlowTest::Add(int level, int slot, float x, float y) {
    std::string& pawns = levels_[level];
    int number = 1;
    for (size_t at = pawns.find("label=\"Pawn"); at != std::string::npos;
         at = pawns.find("label=\"Pawn", at + 1))
        ++number;
    pawns += PawnSection(number, slot, x, y);
}

void FlowTest::AddFloorAndHero(int level) {
    for (float x = -40.0f; x <= 200.0f; x += 20.0f)
        Add(level, kWall, x, -20.0f);
    Add(level, kHero, 0.0f, 0.0f);
}

void FlowTest::WriteLevels() {
    std::ofstream file(dir_ + "/gamedata/levels.xml");
    file << "<?xml version=\"1.0\"?>\n<Section label=\"Root\">\n";
    for (size_t level = 1; level < levels_.size(); ++level)
        file << "<Section label=\"Level" << level << "\">\n" << levels_[level] << "</Section>\n";
    file << "</Section>\n";
}

void FlowTest::WriteDataFile(const std::string& name, const std::string& text) {
    const std::filesystem::path path = dir_ + "/gamedata/" + name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

void FlowTest::Pass() {
    FrameStartTick = GetTickCount();
    GameFrame();
    EXPECT_TRUE(LevelPointersValid()) << "after the pass at " << FrameStartTick;
}

void FlowTest::Spin(uint32_t ms) {
    for (uint32_t i = 0; i < ms; ++i) {
        Headless_AdvanceClock(1);
        Pass();
    }
}

void FlowTest::StartLevelAndPlay(int level) {
    GameState = 2;
    LevelPhase = kPhaseStartLevel;
    CurrentLevel = level;
    for (int i = 0; i < 3 && LevelPhase != kPhasePlaying; ++i)
        Pass();
    ASSERT_EQ(LevelPhase, kPhasePlaying);
    Pass();  // the timers restart here, as the load asked
    ASSERT_FALSE(TimerResetRequested);
}

uint32_t FlowTest::Now() const {
    return GetTickCount();
}

Pawn* FlowTest::Find(int slot) const {
    for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        if (node->data.Template == &PawnTemplates[slot])
            return &node->data;
    return nullptr;
}

}  // namespace game_test
