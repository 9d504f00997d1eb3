// Runs the korvath-replay program on the game data, as a person or a check
// would, and reads what it wrote.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/temp_dir.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The number after "key": in a trace line, or -1.
double NumberAfter(const std::string& line, const std::string& key) {
    size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1 : std::atof(line.c_str() + at + key.size() + 3);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Below the 20-row menu bar of an 800 x 600 screenshot: the pixels of the
// renderer's clear colour (0.12, 0.12, 0.18; -1 for any other picture) and
// the red share of all light.
struct Shot {
    int clear = -1;
    double red = 0;
};
Shot Look(const std::string& png) {
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load(png.c_str(), &width, &height, &channels, 3);
    Shot shot;
    shot.clear = rgb && width == 800 && height == 600 ? 0 : -1;
    double all = 1;
    for (int i = 20 * width; shot.clear >= 0 && i < width * height; ++i) {
        const unsigned char* p = rgb + 3 * i;
        shot.clear +=
            std::abs(p[0] - 31) <= 1 && std::abs(p[1] - 31) <= 1 && std::abs(p[2] - 46) <= 1;
        shot.red += p[0], all += p[0] + p[1] + p[2];
    }
    stbi_image_free(rgb);
    shot.red /= all;
    return shot;
}

class ReplayProgram : public ::testing::Test {
  protected:
    // The suite's folder, with the level files' solutions in solution.txt.
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>("korvath_replay");
        ASSERT_EQ(
            RunCommand("'" KORVATH_LEVEL_EXE "' solution --root '" KORVATH_SOURCE_DIR "' -o " +
                       Path("solution.txt")),
            0);
    }
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
    static int Run(const std::string& args, const std::string& root = KORVATH_SOURCE_DIR) {
        bool draws = !Has(args, "--no-render");
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        return RunCommand(
            std::string(draws ? "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" " : "") + "'" +
            KORVATH_REPLAY_EXE + "' --root '" + root + "' " + args + " >'" + Path("stdout") +
            "' 2>'" + Path("stderr") + "'");
    }

    static std::unique_ptr<TempDir> dir_;
};

std::unique_ptr<TempDir> ReplayProgram::dir_;

// Each level file's solution, one press each time the hero stands, replays
// to the end picture, twice with identical traces, and --progress keeps each
// level's fewest presses; a press after the end never comes, and the replay
// says so. A screenshot in each level shows the scenery filling the view.
TEST_F(ReplayProgram, LevelSolutionsFinishTheGameInFullView) {
    std::string args = "--until ended --no-dead-ends --input " + Path("solution.txt");
    ASSERT_EQ(Run("--no-render " + args + " --trace " + Path("a.jsonl") + " --progress " +
                  Path("progress")),
              0)
        << ReadFile(Path("stderr"));
    const std::string progress = ReadFile(Path("progress/progress.txt"));
    EXPECT_EQ(progress.rfind("korvath progress 1\nreached ", 0), 0u) << progress;
    EXPECT_TRUE(Has(progress, "\nbest 1 29\nbest 2 27\n")) << progress;
    ASSERT_EQ(Run("--no-render " + args + " --trace " + Path("b.jsonl") + " --timed " +
                  Path("timed.txt")),
              0);
    // The same presses as timed lines finish the game too, with no dead end
    // told (a way is left all along); a progress folder that cannot be made
    // costs the progress, said once, and play goes on.
    EXPECT_EQ(Run("--no-render --until ended --input " + Path("timed.txt") + " --progress " +
                  Path("timed.txt") + "/progress --trace " + Path("c.jsonl")),
              0);
    EXPECT_EQ(Lines(ReadFile(Path("stderr"))).size(), 1u) << ReadFile(Path("stderr"));
    EXPECT_TRUE(Has(ReadFile(Path("c.jsonl")), "\"phase\":\"Ended\""));
    EXPECT_FALSE(Has(ReadFile(Path("c.jsonl")), "\"dead end\""));
    std::string trace = ReadFile(Path("a.jsonl"));
    EXPECT_TRUE(Has(trace, "\"phase\":\"Ended\""));
    EXPECT_FALSE(Has(trace, "\"dead\":true"));
    EXPECT_FALSE(Has(trace, "\"event\":\"quit\""));  // stopped, not quit
    EXPECT_TRUE(trace == ReadFile(Path("b.jsonl"))) << "two replays of one input differ";
    std::string keys = ReadFile(Path("solution.txt"));
    std::ofstream(Path("over.txt")) << keys << "next Right\n";
    EXPECT_EQ(Run("--no-render --no-dead-ends --input " + Path("over.txt")), 3);
    std::string line = std::to_string(Lines(keys).size() + 1);
    EXPECT_TRUE(
        Has(ReadFile(Path("stderr")), "over.txt:" + line + ": the game did not come to rest"))
        << ReadFile(Path("stderr"));

    const size_t level2 = trace.find("\"level\":2,\"phase\":\"Playing\"");
    ASSERT_NE(level2, std::string::npos);
    const std::string second = std::to_string(
        static_cast<long>(NumberAfter(trace.substr(trace.rfind('{', level2)), "t") + 500));
    ASSERT_EQ(Run(args + " --shot 5000:" + Path("one.png") + " --shot " + second + ":" +
                  Path("two.png") + " --until " + second),
              0)
        << ReadFile(Path("stderr"));
    EXPECT_EQ(Look(Path("one.png")).clear, 0);
    EXPECT_EQ(Look(Path("two.png")).clear, 0);
}

// A copy of the data with level 1 added again as level 3, under its own
// picture and music: the game plays all three, each solved, then the end.
TEST_F(ReplayProgram, AThirdLevelInTheDataIsPlayedBeforeTheEndPicture) {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(KORVATH_SOURCE_DIR) / "gamedata", root = Path("three");
    fs::create_directories(root / "gamedata" / "levels");
    for (const fs::directory_entry& entry : fs::directory_iterator(source))
        if (entry.path().filename() != "levels.xml" && entry.path().filename() != "levels")
            fs::create_symlink(entry.path(), root / "gamedata" / entry.path().filename());
    for (const char* name : {"legend.txt", "level1.txt", "level2.txt"})
        fs::copy(source / "levels" / name, root / "gamedata" / "levels" / name);
    std::string third = ReadFile((source / "levels" / "level1.txt").string());
    third.replace(third.find("\nlevel 1\n"), 9,
                  "\nlevel 3\npicture loading2.jpg\nmusic sound/stage2.wav\n");
    std::ofstream((root / "gamedata" / "levels" / "level3.txt").string()) << third;
    const std::string level = "'" KORVATH_LEVEL_EXE "' ";
    ASSERT_EQ(RunCommand(level + "compile --root " + root.string() + " " + root.string() +
                         "/gamedata/levels -o " + root.string() + "/gamedata/levels.xml"),
              0);
    ASSERT_EQ(RunCommand(level + "check --root " + root.string()), 0);
    ASSERT_EQ(RunCommand(level + "solution --root " + root.string() + " -o " + Path("3.txt")), 0);
    ASSERT_EQ(
        Run("--no-render --until ended --input " + Path("3.txt") + " --trace " + Path("3.jsonl"),
            root.string()),
        0)
        << ReadFile(Path("stderr"));
    const std::string trace = ReadFile(Path("3.jsonl"));
    EXPECT_TRUE(Has(trace, "\"level\":3,\"phase\":\"Playing\""));
    EXPECT_TRUE(Has(trace, "\"level\":4,\"phase\":\"Ended\""));
}

TEST_F(ReplayProgram, UntilStopsAtThatTimeWithTicksAndPawnsInOrder) {
    ASSERT_EQ(Run("--no-render --until 3000 --pawns 2500 --trace " + Path("until.jsonl")), 0);
    std::vector<std::string> lines = Lines(ReadFile(Path("until.jsonl")));
    ASSERT_FALSE(lines.empty());
    double last = 0;
    int ticks = 0, pawnLists = 0;
    for (const std::string& line : lines) {
        double t = NumberAfter(line, "t");
        EXPECT_GE(t, last) << line;
        EXPECT_LE(t, 3000) << line;
        last = t;
        ticks += Has(line, "\"hero\":[");
        pawnLists += line.rfind("{\"t\":2500,\"pawns\":[{\"slot\":", 0) == 0;
    }
    EXPECT_GT(ticks, 30);  // about one every 27 ms once play begins at 2002
    EXPECT_EQ(pawnLists, 1);
    EXPECT_TRUE(Has(lines.back(), "\"hero\":[0,0,0],\"yangle\":0,\"bombs\":0")) << lines.back();
    EXPECT_EQ(Run("--no-render --until ended"), 3);  // no end within the hour
}

// Commands by key name: a hint names the next press and the presses left; an
// undo while the hero walks takes that press back; undo and redo step over
// presses. The player's own progress is untouched; a long press counts per cell.
TEST_F(ReplayProgram, CommandsByKeyNameAndTheProgressOfAReplay) {
    std::ofstream(Path("commands.txt"))
        << "next Hint\nnext Right\nnext Hint\n2700 down Right\n2720 up Right\n"
           "2740 down Undo\n2750 up Undo\nnext Hint\nnext Undo\nnext Hint\nnext Redo\nnext Hint\n";
    const std::string home = Path("home");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    ASSERT_EQ(Run("--no-render --input " + Path("commands.txt") + " --trace " + Path("c.jsonl")), 0)
        << ReadFile(Path("stderr"));
    std::vector<int> presses;
    for (const std::string& line : Lines(ReadFile(Path("c.jsonl"))))
        if (Has(line, "\"event\":\"hint\",\"result\":\"press\",\"key\":\"Right\""))
            presses.push_back(static_cast<int>(NumberAfter(line, "presses")));
    EXPECT_EQ(presses, (std::vector<int>{29, 28, 28, 29, 28}));
    EXPECT_FALSE(std::filesystem::exists(home));
    // Walking three cells with one long press counts as three presses.
    std::vector<std::string> lines = Lines(ReadFile(Path("solution.txt")));
    std::string held = "2030 down Right\n2560 up Right\n";
    for (size_t i = 4; i < lines.size(); ++i)  // after the comment and three Rights
        held += lines[i] + "\n";
    std::ofstream(Path("held.txt")) << held;
    ASSERT_EQ(Run("--no-render --no-dead-ends --until ended --input " + Path("held.txt") +
                  " --progress " + Path("held")),
              0);
    EXPECT_TRUE(Has(ReadFile(Path("held/progress.txt")), "\nbest 1 29\n"));
}

// Level 1's only bomb wasted is told as a dead end once the blast has settled,
// once while the player stays in it; with the warning turned off, never.
TEST_F(ReplayProgram, ADeadEndIsToldUnlessTurnedOff) {
    const std::string wasted = "next Right\nnext Right\nnext Space\nnext Left\n";
    std::ofstream(Path("wasted.txt")) << wasted;
    std::ofstream(Path("quiet.txt")) << "0 menu deadends\n" << wasted;
    ASSERT_EQ(Run("--no-render --input " + Path("wasted.txt") + " --trace " + Path("d.jsonl")), 0);
    ASSERT_EQ(Run("--no-render --input " + Path("quiet.txt") + " --trace " + Path("q.jsonl")), 0);
    double blast = -1, told = -1;
    int tellings = 0;
    for (const std::string& line : Lines(ReadFile(Path("d.jsonl")))) {
        if (blast < 0 && Has(line, "\"slot\":3,\"op\":\"play_once\""))
            blast = NumberAfter(line, "t");
        if (Has(line, "\"event\":\"dead end\""))
            told = NumberAfter(line, "t"), ++tellings;
    }
    EXPECT_GT(blast, 0);
    EXPECT_GT(told, blast);
    EXPECT_EQ(tellings, 1);
    EXPECT_FALSE(Has(ReadFile(Path("q.jsonl")), "dead end"));
}

// A hero who walks onto the open bridge of level 2 falls into the spikes:
// while he is dead the view is tinted red.
TEST_F(ReplayProgram, ADeathIsSeen) {
    std::string keys;
    for (int i = 0; i < 14; ++i)
        keys += "next Right\n";
    std::ofstream(Path("die.txt")) << keys;
    ASSERT_EQ(Run("--level 2 --input " + Path("die.txt") + " --until 6600 --shot 5000:" +
                  Path("alive.png") + " --shot 6500:" + Path("dead.png")),
              0);
    EXPECT_GT(Look(Path("dead.png")).red, Look(Path("alive.png")).red + 0.1);
}

// A picture that cannot be read, or no data at all, ends the game with a box
// and a status that the trace records to the end.
TEST_F(ReplayProgram, TheTraceIsCompleteWhenTheDataCannotBeRead) {
    TempDir bad, empty;
    bad.Copy(KORVATH_SOURCE_DIR "/gamedata", "gamedata");
    bad.Write("gamedata/loading1.jpg", "not a picture");
    EXPECT_EQ(Run("--no-render --until 10000 --trace " + Path("jpeg.jsonl"), bad.Path()), 3);
    std::vector<std::string> lines = Lines(ReadFile(Path("jpeg.jsonl")));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(Has(lines[lines.size() - 2],
                    "\"event\":\"message\",\"caption\":\"ERROR\",\"text\":\"Error loading jpg "
                    "file.\""));
    EXPECT_TRUE(Has(lines.back(), "\"event\":\"quit\",\"code\":3}"));
    int status = Run("--no-render --until 10000 --trace " + Path("empty.jsonl"), empty.Path());
    EXPECT_NE(status, 0);
    std::string trace = ReadFile(Path("empty.jsonl"));
    EXPECT_TRUE(Has(trace, "\"event\":\"message\""));
    EXPECT_TRUE(Has(trace, "\"event\":\"quit\",\"code\":" + std::to_string(status) + "}")) << trace;
}

}  // namespace
