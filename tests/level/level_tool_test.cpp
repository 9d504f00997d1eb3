// Runs the korvath-level program as a level designer would: compiling the
// shipped levels, printing them back, and feeding it broken level files.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

const std::string kSource = KORVATH_SOURCE_DIR;

class LevelTool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.Write("levels/legend.txt", ReadFile(kSource + "/gamedata/levels/legend.txt"));
    }

    // Runs the tool from the source root; returns its status, keeps its stderr.
    int Run(const std::string& args) {
        int status = RunCommand(InFolder(kSource) + Quoted(KORVATH_LEVEL_EXE) + " " + args + " >" +
                                Quoted(dir_.File("out")) + " 2>" + Quoted(dir_.File("err")));
        errors_ = ReadOutput(dir_.File("err"));
        return status;
    }

    // Writes a level file into the scratch level folder and returns its path
    // as the tool writes it (with the system's separators).
    std::string Level(const std::string& text) {
        return std::filesystem::path(dir_.Write("levels/level1.txt", text))
            .make_preferred()
            .string();
    }

    TempDir dir_;
    std::string errors_;
};

TEST_F(LevelTool, CompiledStoreIsTheCommittedOneAndSurvivesPrintingBack) {
    const std::string first = dir_.File("first.xml");
    const std::string second = dir_.File("second.xml");
    ASSERT_EQ(Run("compile gamedata/levels -o " + first), 0) << errors_;
    EXPECT_EQ(ReadFile(first), ReadFile(kSource + "/gamedata/levels.xml"));
    ASSERT_EQ(Run("print " + first + " -o " + dir_.File("printed")), 0) << errors_;
    ASSERT_EQ(Run("compile " + dir_.File("printed") + " -o " + second), 0) << errors_;
    EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(LevelTool, BadInputNamesFileLineAndColumnAndLeavesNoStore) {
    const std::string big(5000, '#');
    const struct {
        std::string text;
        std::string where;
    } cases[] = {
        {"level 1\nmap\n@Q\n##\nend\n", ":3:2: unknown map character 'Q'"},
        {"level 1\nmap\n@.\n#\nend\n", ":4:2: this row is 1 cells long"},
        {"level 1\nmap\n@@\n##\nend\n", ":3:2: a second '@'"},
        {"level 1\nlegend u\nmap\n@\n#\nend\n", ":2:8: legend entry 'u' names no template slot"},
        {"level 1\npawn 91\n", ":2:6: template slot 91 is out of range"},
        {"level 1\n" + big + "\n", ":2:4097: line is longer than 4096"},
        {std::string("level 1\0\1\xff", 10), ":1:8: unexpected byte 0x00"},
        {"level 1\npawn 0 xoffset=1e39\n", ":2:8: xoffset needs a finite decimal number"}};
    const std::string store = dir_.File("levels.xml");
    for (const auto& c : cases) {
        std::string path = Level(c.text);
        EXPECT_EQ(Run("compile " + dir_.File("levels") + " -o " + store), 2) << c.where;
        EXPECT_NE(errors_.find(path + c.where), std::string::npos) << errors_;
        EXPECT_FALSE(std::ifstream(store).good()) << c.where;
    }
}

TEST_F(LevelTool, CheckReportsEveryBrokenLevelRuleWhereItIs) {
    const struct {
        std::string text;
        std::string where;
    } cases[] = {
        {"level 1\nmap\n#.#\n###\nend\norigin 0 0\n", ":1:1: the level has no hero"},
        {"level 1\norigin 0 0\nmap\n@.@\n###\nend\n", ":4:3: a second hero"},
        {"level 1\nmap\n@.\n#Z\nend\nlegend Z 20\n", ":4:2: template slot 20: its animation"},
        {"level 1\nmap\n@.\n##\nend\npawn 2 xoffset=5 yoffset=0\n",
         ":6:1: this pawn takes part in the rules but is not on the 20-unit grid"},
        {"level 1\nmap\n@C\n#.\nend\n", ":3:2: nothing carries this pawn"},
        {"level 1\nmap\n@\n=\nend\n", ":1:1: no fixed blocker in column x = 0"},
        {"level 17\nmap\n@\n#\nend\n",
         ":1:1: the level's loading picture ./gamedata\\loading17.jpg"},
        {"level 1\nmusic ../stage1.wav\nmap\n@\n#\nend\n",
         ":2:7: the level's music ./gamedata\\..\\stage1.wav is missing"}};
    for (const auto& c : cases) {
        std::string path = Level(c.text);
        EXPECT_EQ(Run("check " + path), 1) << c.where;
        EXPECT_NE(errors_.find(path + c.where), std::string::npos) << errors_;
    }
    EXPECT_EQ(Run("check"), 0) << errors_;
}

}  // namespace
