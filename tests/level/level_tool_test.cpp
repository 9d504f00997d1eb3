// Runs the korvath-level program as a level designer would: compiling the
// shipped levels, printing them back, and feeding it broken level files.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = KORVATH_SOURCE_DIR;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class LevelTool : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/korvath_level_XXXXXX";
        dir_ = mkdtemp(pattern);
        fs::create_directories(dir_ / "levels");
        fs::copy(kSource / "gamedata" / "levels" / "legend.txt", dir_ / "levels");
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the tool from the source root; returns its status, keeps its stderr.
    int Run(const std::string& args) {
        std::string command = "cd '" + kSource.string() + "' && '" KORVATH_LEVEL_EXE "' " + args +
                              " >'" + (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() +
                              "'";
        int status = std::system(command.c_str());
        errors_ = ReadFile(dir_ / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Writes a level file into the scratch level folder and returns its path.
    std::string Level(const std::string& text) {
        std::ofstream(dir_ / "levels" / "level1.txt", std::ios::binary) << text;
        return (dir_ / "levels" / "level1.txt").string();
    }

    fs::path dir_;
    std::string errors_;
};

TEST_F(LevelTool, CompiledStoreIsTheCommittedOneAndSurvivesPrintingBack) {
    const std::string first = (dir_ / "first.xml").string();
    const std::string second = (dir_ / "second.xml").string();
    ASSERT_EQ(Run("compile gamedata/levels -o " + first), 0) << errors_;
    EXPECT_EQ(ReadFile(first), ReadFile(kSource / "gamedata" / "levels.xml"));
    ASSERT_EQ(Run("print " + first + " -o " + (dir_ / "printed").string()), 0) << errors_;
    ASSERT_EQ(Run("compile " + (dir_ / "printed").string() + " -o " + second), 0) << errors_;
    EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(LevelTool, PrintsPawnsOffTheGridAsPawnLinesAndUnknownCellsWithALegend) {
    Level(
        "level 1\nname Odd\nmap\n@C\n#k\nend\nlegend k 0 9\n"
        "pawn 30 xoffset=-10 yoffset=35 zoffset=-200 xstretch=8 opacity=50\n");
    const std::string xml = (dir_ / "odd.xml").string();
    ASSERT_EQ(Run("compile " + (dir_ / "levels").string() + " -o " + xml), 0) << errors_;
    ASSERT_EQ(Run("print " + xml + " --legend " + (dir_ / "levels" / "legend.txt").string()), 0);
    std::string printed = ReadFile(dir_ / "out");
    EXPECT_NE(printed.find("pawn 30 xoffset=-10 yoffset=35 zoffset=-200 xstretch=8 opacity=50"),
              std::string::npos)
        << printed;
    EXPECT_NE(printed.find("legend ! 0 9\nmap\n@C\n#!\nend\n"), std::string::npos) << printed;
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
    const std::string store = (dir_ / "levels.xml").string();
    for (const auto& c : cases) {
        std::string path = Level(c.text);
        EXPECT_EQ(Run("compile " + (dir_ / "levels").string() + " -o " + store), 2) << c.where;
        EXPECT_NE(errors_.find(path + c.where), std::string::npos) << errors_;
        EXPECT_FALSE(fs::exists(store)) << c.where;
    }
}

TEST_F(LevelTool, CheckReportsEveryBrokenLevelRuleWhereItIs) {
    const struct {
        std::string text;
        std::string where;
    } cases[] = {
        {"level 1\nmap\n#.#\n###\nend\norigin 0 0\n", ":1:1: the level has no hero"},
        {"level 1\norigin 0 0\nmap\n@.@\n###\nend\n", ":4:3: a second hero"},
        {"level 1\nmap\n@.\n#Z\nend\nlegend Z 25\n", ":4:2: template slot 25: its animation"},
        {"level 1\nmap\n@.\n##\nend\npawn 2 xoffset=5 yoffset=0\n",
         ":6:1: this pawn takes part in the rules but is not on the 20-unit grid"},
        {"level 1\nmap\n@C\n#.\nend\n", ":3:2: nothing carries this pawn"},
        {"level 1\nmap\n@\n=\nend\n", ":1:1: no fixed blocker in column x = 0"}};
    for (const auto& c : cases) {
        std::string path = Level(c.text);
        EXPECT_EQ(Run("check " + path), 1) << c.where;
        EXPECT_NE(errors_.find(path + c.where), std::string::npos) << errors_;
    }
    EXPECT_EQ(Run("check"), 0) << errors_;
}

}  // namespace
