// Every program answers --help (its usage) and --version (its name and the
// project's version) on standard output with status 0, without the game's
// data; an unknown option ends it with status 2 and the usage on standard error.

#include <gtest/gtest.h>

#include <string>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

const struct {
    const char* path;
    std::string name;
} kPrograms[] = {
    {KORVATH_EXE, "korvath"},
    {KORVATH_REPLAY_EXE, "korvath-replay"},
    {KORVATH_LEVEL_EXE, "korvath-level"},
    {KORVATH_SOLVE_EXE, "korvath-solve"},
    {KORVATH_RANDOM_PLAYER_EXE, "korvath-random-player"},
};

TEST(ProgramCommandLine, HelpAndVersionSucceedOnStandardOutputAndAnUnknownOptionFails) {
    TempDir dir;
    const std::string out = dir.File("out"), err = dir.File("err");
    for (const auto& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const std::string usage = "usage: " + program.name;
        const auto run = [&](const std::string& args) {
            return RunCommand(InFolder("/") + WithVariable("KORVATH_DATA", "/nowhere/gamedata") +
                              Quoted(program.path) + " " + args + " >" + Quoted(out) + " 2>" +
                              Quoted(err) + kNoInput);
        };
        EXPECT_EQ(run("--help"), 0);
        EXPECT_EQ(ReadOutput(out).rfind(usage, 0), 0u) << ReadOutput(out);
        EXPECT_EQ(ReadOutput(err), "");
        EXPECT_EQ(run("--version"), 0);
        EXPECT_EQ(ReadOutput(out), program.name + " " + KORVATH_VERSION + "\n");
        EXPECT_EQ(ReadOutput(err), "");
        EXPECT_EQ(run("--bogus"), 2);
        EXPECT_EQ(ReadOutput(out), "");
        EXPECT_NE(ReadOutput(err).find(usage), std::string::npos) << ReadOutput(err);
    }
}

}  // namespace
