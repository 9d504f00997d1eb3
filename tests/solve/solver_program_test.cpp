// Runs korvath-solve as a level designer would: on the shipped levels, and on
// small ones that are unsolvable or strand the player after a checkpoint or in a corner.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

const std::string kSource = KORVATH_SOURCE_DIR;

// The small levels are read with the shipped legend, copied beside them.
class SolverProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.Write("legend.txt", ReadFile(kSource + "/gamedata/levels/legend.txt"));
    }
    // Runs a program with the source root as the data root; keeps its output.
    int Run(const std::string& program, const std::string& args) {
        int status = RunCommand(Quoted(program) + " --root " + Quoted(kSource) + " " + args + " >" +
                                Quoted(dir_.File("out")) + " 2>&1");
        output_ = ReadOutput(dir_.File("out"));
        return status;
    }
    std::string Level(const std::string& name, const std::string& map) {
        return dir_.Write(name, "level 1\nmap\n" + map + "end\n");
    }

    TempDir dir_;
    std::string output_;
};

// Every level is solved from its start and every checkpoint, the shortest
// solutions replay to the end picture, and the level files' own solutions are
// no longer than the shortest plus one press.
TEST_F(SolverProgram, ShippedLevelsAreProvenAndTheirSolutionsFinishTheGame) {
    std::string both;
    const auto file = [](int level) {
        return kSource + "/gamedata/levels/level" + std::to_string(level) + ".txt";
    };
    for (int level = 1; std::ifstream(file(level)).good(); ++level) {
        std::string keys = dir_.File("level" + std::to_string(level));
        ASSERT_EQ(
            Run(KORVATH_SOLVE_EXE, std::to_string(level) + " --from-checkpoints --write " + keys),
            0)
            << output_;
        const std::string shortest = ReadFile(keys);
        both += shortest;
        ASSERT_EQ(Run(KORVATH_LEVEL_EXE, "solution " + file(level)), 0) << output_;
        EXPECT_LE(std::count(output_.begin(), output_.end(), '\n') - 1,  // its header line
                  std::count(shortest.begin(), shortest.end(), '\n') + 1);
    }
    dir_.Write("both.txt", both);
    EXPECT_EQ(Run(KORVATH_REPLAY_EXE, "--no-render --until ended --input " + dir_.File("both.txt")),
              0)
        << output_;
}

// A limit reached first, of positions or of memory, is not a proof either way.
TEST_F(SolverProgram, AWalledOffExitIsProvenUnsolvableUnlessALimitComesFirst) {
    std::string level = Level("walled.txt", "...B.\n@..BE\n#####\n");
    EXPECT_EQ(Run(KORVATH_SOLVE_EXE, level), 1) << output_;
    EXPECT_NE(output_.find("cannot be finished: every reachable position was explored"),
              std::string::npos);
    EXPECT_EQ(Run(KORVATH_SOLVE_EXE, level + " --max-states 2"), 3) << output_;
    EXPECT_EQ(
        Run(KORVATH_SOLVE_EXE, kSource + "/bench/stress_level.txt --dead-ends --max-memory 8"), 3)
        << output_;
    EXPECT_NE(output_.find("the memory would have run out"), std::string::npos) << output_;
}

// The only bomb lies before the checkpoint; the cracked wall can only be
// blown up from the checkpoint's cell, after it has saved the level.
TEST_F(SolverProgram, ACheckpointThatCannotBeFinishedIsReportedWithTheKeysThatReachIt) {
    std::string level = Level("bomb.txt", "@o.P%E\n######\n");
    EXPECT_EQ(Run(KORVATH_SOLVE_EXE, level + " --from-checkpoints --dead-ends"), 1) << output_;
    EXPECT_NE(output_.find("level: solved in 7 presses"), std::string::npos) << output_;
    // A bomb set off where it blows up nothing strands the player too.
    EXPECT_NE(output_.find("the nearest: Right Space\n"), std::string::npos) << output_;
    EXPECT_NE(output_.find("checkpoint 1, hero at (60, 0), reached by Right Right Right: cannot be "
                           "finished"),
              std::string::npos)
        << output_;
}

// The crate must go round to the holder on the right; pushed left into the
// corner at the ladder's foot, it can never come back.
TEST_F(SolverProgram, ACrateInTheCornerIsTheNearestDeadEnd) {
    std::string level =
        Level("corner.txt", "B........B\nBH####H..B\nBH.C.@H.EB\n#######u##\n##########\n");
    EXPECT_EQ(Run(KORVATH_SOLVE_EXE, level + " --dead-ends"), 0) << output_;
    EXPECT_NE(output_.find("the nearest: Left Left Left\n"), std::string::npos) << output_;
    EXPECT_EQ(Run(KORVATH_SOLVE_EXE, level + " --dead-end"), 2);
}

}  // namespace
