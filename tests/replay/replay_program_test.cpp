// Runs the korvath-replay program on the game data, as a person or a check
// would, and reads what it wrote.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

const std::string kSource = KORVATH_SOURCE_DIR;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The number after "key": in a trace line, or -1.
long NumberAfter(const std::string& line, const std::string& key) {
    size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1 : std::atol(line.c_str() + at + key.size() + 3);
}

class ReplayProgram : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { dir_ = std::make_unique<TempDir>("korvath_replay"); }
    // KORVATH_KEEP_TRACES names a folder that keeps the traces the replays wrote.
    static void TearDownTestSuite() {
        if (const char* keep = std::getenv("KORVATH_KEEP_TRACES"))
            std::system(("mkdir -p '" + std::string(keep) + "/replay' && cp '" + dir_->Path() +
                         "'/*.jsonl '" + keep + "/replay/'")
                            .c_str());
        dir_.reset();
    }
    static std::string Path(const std::string& name) { return dir_->File(name); }

    // Runs the program in root with these arguments; returns its exit status.
    // A run that draws loads the GL driver, whose own allocations outlive it:
    // the sanitizer build checks leaks only in runs without drawing.
    static int Run(const std::string& args, const std::string& root = kSource) {
        bool draws = args.find("--no-render") == std::string::npos;
        std::string command =
            std::string(draws ? "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" " : "") + "'" +
            KORVATH_REPLAY_EXE + "' --root '" + root + "' " + args + " >'" + Path("stdout") +
            "' 2>'" + Path("stderr") + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::unique_ptr<TempDir> dir_;
};

std::unique_ptr<TempDir> ReplayProgram::dir_;

// Virtual time at which the given level's phase is first entered, from a trace.
long PhaseTime(const std::string& trace, int level, const std::string& phase) {
    for (const std::string& line : Lines(trace))
        if (line.find("\"event\":\"phase\",\"level\":" + std::to_string(level) + ",\"phase\":\"" +
                      phase + "\"") != std::string::npos)
            return NumberAfter(line, "t");
    return -1;
}

}  // namespace

// The proof that both levels can be finished in the real game: the keys of
// each level file's solution, one press each time the hero stands, replay to
// the end picture, twice with identical traces; a press after the end never
// comes, and the replay says so.
TEST_F(ReplayProgram, LevelSolutionsFinishTheGameAndAPressAfterTheEndGivesUp) {
    std::string solution = "'" KORVATH_LEVEL_EXE "' solution --root '" + kSource + "' -o ";
    ASSERT_EQ(std::system((solution + Path("next.txt")).c_str()), 0);
    std::string args = "--no-render --until ended --input " + Path("next.txt") + " --trace ";
    ASSERT_EQ(Run(args + Path("a.jsonl")), 0) << ReadFile(Path("stderr"));
    ASSERT_EQ(Run(args + Path("b.jsonl")), 0);
    std::string trace = ReadFile(Path("a.jsonl"));
    EXPECT_GT(PhaseTime(trace, 3, "Ended"), PhaseTime(trace, 2, "Playing"));
    EXPECT_EQ(trace.find("\"dead\":true"), std::string::npos);
    EXPECT_EQ(trace.find("\"event\":\"quit\""), std::string::npos);  // stopped, not quit
    EXPECT_TRUE(trace == ReadFile(Path("b.jsonl"))) << "two replays of one input differ";
    std::string keys = ReadFile(Path("next.txt"));
    WriteFile(Path("over.txt"), keys + "next Right\n");
    EXPECT_EQ(Run("--no-render --input " + Path("over.txt")), 3);
    std::string line = std::to_string(Lines(keys).size() + 1);
    EXPECT_NE(ReadFile(Path("stderr")).find("over.txt:" + line + ": the game did not come to rest"),
              std::string::npos)
        << ReadFile(Path("stderr"));
}

TEST_F(ReplayProgram, UntilStopsAtThatTimeWithTicksAndPawnsInOrder) {
    ASSERT_EQ(Run("--no-render --until 3000 --pawns 2500 --trace " + Path("until.jsonl")), 0);
    std::vector<std::string> lines = Lines(ReadFile(Path("until.jsonl")));
    ASSERT_FALSE(lines.empty());
    long last = 0;
    int ticks = 0, pawnLists = 0;
    for (const std::string& line : lines) {
        long t = NumberAfter(line, "t");
        EXPECT_GE(t, last) << line;
        EXPECT_LE(t, 3000) << line;
        last = t;
        ticks += line.find("\"hero\":[") != std::string::npos;
        pawnLists += line.rfind("{\"t\":2500,\"pawns\":[{\"slot\":", 0) == 0;
    }
    EXPECT_GT(ticks, 30);  // about one every 27 ms once play begins at 2002
    EXPECT_EQ(pawnLists, 1);
    EXPECT_NE(lines.back().find("\"hero\":[0,0,0],\"yangle\":0,\"bombs\":0"), std::string::npos)
        << lines.back();
}

TEST_F(ReplayProgram, BadInputIsRefusedBeforeTheGameStarts) {
    WriteFile(Path("bad.txt"), "# keys\n0 down Right\n\n40 down Enter\n");
    EXPECT_EQ(Run("--input " + Path("bad.txt") + " --trace " + Path("never.jsonl")), 2);
    EXPECT_NE(ReadFile(Path("stderr")).find(Path("bad.txt") + ":4: unknown key 'Enter'"),
              std::string::npos)
        << ReadFile(Path("stderr"));
    EXPECT_FALSE(std::ifstream(Path("never.jsonl")).good());
    EXPECT_EQ(Run("--no-render --shot 5:" + Path("x.png")), 2);
}

// A dialog opened from the menu holds the game until "ok"; File > Exit ends it
// with the game's own status and a quit record.
TEST_F(ReplayProgram, MenuCommandsAndDialogAnswersReachTheGame) {
    WriteFile(Path("menu.txt"), "2500 menu about\n4000 ok\n5000 menu exit\n");
    ASSERT_EQ(Run("--no-render --input " + Path("menu.txt") + " --until 9000 --trace -"), 0);
    std::vector<std::string> lines = Lines(ReadFile(Path("stdout")));
    ASSERT_FALSE(lines.empty());
    int ticksWhileOpen = 0;
    for (const std::string& line : lines) {
        long t = NumberAfter(line, "t");
        ticksWhileOpen += t > 2500 && t < 4000 && line.find("\"hero\"") != std::string::npos;
    }
    EXPECT_EQ(ticksWhileOpen, 0);
    EXPECT_EQ(lines.back(), "{\"t\":5000,\"event\":\"quit\",\"code\":0}");
}

TEST_F(ReplayProgram, TheTraceIsCompleteWhenAPictureCannotBeRead) {
    std::string root = Path("badjpeg");
    ASSERT_EQ(
        std::system(("mkdir -p '" + root + "' && cp -r '" + kSource + "/gamedata' '" + root + "/'")
                        .c_str()),
        0);
    WriteFile(root + "/gamedata/loading1.jpg", "not a picture");
    EXPECT_EQ(Run("--no-render --until 10000 --trace " + Path("jpeg.jsonl"), root), 3);
    std::vector<std::string> lines = Lines(ReadFile(Path("jpeg.jsonl")));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(
        lines[lines.size() - 2].find(
            "\"event\":\"message\",\"caption\":\"ERROR\",\"text\":\"Error loading jpg file.\""),
        std::string::npos);
    EXPECT_NE(lines.back().find("\"event\":\"quit\",\"code\":3}"), std::string::npos);
}

TEST_F(ReplayProgram, MissingDataEndsWithItsBoxAndStatus) {
    std::string root = Path("empty");
    ASSERT_EQ(std::system(("mkdir -p '" + root + "'").c_str()), 0);
    int status = Run("--no-render --until 10000 --trace " + Path("empty.jsonl"), root);
    EXPECT_NE(status, 0);
    std::string trace = ReadFile(Path("empty.jsonl"));
    EXPECT_NE(trace.find("\"event\":\"message\""), std::string::npos);
    EXPECT_NE(trace.find("\"event\":\"quit\",\"code\":" + std::to_string(status) + "}"),
              std::string::npos)
        << trace;
}

TEST_F(ReplayProgram, UntilEndedGivesUpAfterAnHourWithoutTheEnd) {
    EXPECT_EQ(Run("--no-render --until ended"), 3);
}

TEST_F(ReplayProgram, ShotsArePicturesOfTheScreen) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_EQ(Run("--until 2600 --shot 1000:" + Path("loading.png") +
                  " --shot 2600:" + Path("level.png")),
              0)
        << ReadFile(Path("stderr"));
    for (const char* name : {"loading.png", "level.png"}) {
        std::string png = ReadFile(Path(name));
        ASSERT_GT(png.size(), 5000u) << name;  // a picture, not a blank screen
        EXPECT_EQ(png.substr(1, 3), "PNG");
        // IHDR: width and height, big-endian, at bytes 16 and 20.
        EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x20\0\0\x02\x58", 8));
    }
}
