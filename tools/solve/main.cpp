// korvath-solve: proves with the game's own rules that a level can be
// finished, from its start and from every checkpoint, with the fewest key
// presses, and finds the positions a player can get stuck in.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sys_command_line.h"
#include "platform/sys_data_folder.h"
#include "platform/sys_process.h"
#include "search/dead_ends.h"
#include "search/level_search.h"
#include "search/played_level.h"
#include "solve_level_source.h"
#include "solve_options.h"
#include "tool_templates.h"
#include "world/template_roles.h"

namespace {

enum Status { kSolved = 0, kUnsolvable = 1, kBadInput = 2, kLimitReached = 3 };

std::string KeyLine(const std::vector<int>& keys) {
    std::string line;
    for (int key : keys)
        line += (line.empty() ? "" : " ") + std::string(SearchKeyName(key));
    return line.empty() ? "(no key)" : line;
}

bool WriteNextLines(const std::string& path, const std::vector<int>& keys) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    for (int key : keys)
        std::fprintf(file, "next %s\n", SearchKeyName(key));
    return std::fclose(file) == 0;
}

// Where the hero stands in the restart copy: the checkpoint he took.
std::string HeroInRestartCopy(const Position& position) {
    for (const Pawn& pawn : *position.SavedPawns)
        if (IsHero(*pawn.Template))
            return "(" + std::to_string(static_cast<int>(pawn.Placement.xoffset)) + ", " +
                   std::to_string(static_cast<int>(pawn.Placement.yoffset)) + ")";
    return "(no hero)";
}

const char* StopReason(SearchStop stop) {
    switch (stop) {
        case SearchStop::kPositions:
            return "--max-states was reached";
        case SearchStop::kSeconds:
            return "--max-seconds was reached";
        case SearchStop::kMemory:
            return "the memory would have run out";
        default:
            return "a limit was reached";
    }
}

Status Verdict(const SearchResult& result) {
    if (result.solved)
        return kSolved;
    return result.complete ? kUnsolvable : kLimitReached;
}

Status Worse(Status a, Status b) {
    if (a == kUnsolvable || b == kUnsolvable)
        return kUnsolvable;
    return a == kLimitReached || b == kLimitReached ? kLimitReached : kSolved;
}

void PrintResult(const char* what, const SearchResult& result) {
    if (result.solved)
        std::printf("%s: solved in %zu presses\nkeys: %s\n", what, result.solution.size(),
                    KeyLine(result.solution).c_str());
    else if (result.complete)
        std::printf("%s: cannot be finished: every reachable position was explored\n", what);
    else
        std::printf("%s: stopped before a solution was found: %s\n", what,
                    StopReason(result.stoppedBy));
    const double perSecond = result.seconds > 0 ? result.Positions() / result.seconds : 0.0;
    std::printf("positions: %zu explored in %.2f s, %.0f per second, %zu MB%s\n",
                result.Positions(), result.seconds, perSecond, result.bytes >> 20,
                result.neverRests ? (", " + std::to_string(result.neverRests) +
                                     " presses after which nothing came to rest")
                                        .c_str()
                                  : "");
}

Status SolveFromCheckpoints(const Position& start, const SearchResult& main,
                            const SolveOptions& options) {
    Status status = kSolved;
    if (main.checkpoints.empty())
        std::printf("checkpoints: none can be reached\n");
    for (size_t i = 0; i < main.checkpoints.size(); ++i) {
        std::vector<int> reach = PathTo(main, main.checkpoints[i]);
        PlayedLevel level;
        level.SetPosition(ReplayPath(start, reach));
        level.DieAndSettle();
        std::string what = "checkpoint " + std::to_string(i + 1) + ", hero at " +
                           HeroInRestartCopy(level.position()) + ", reached by " + KeyLine(reach);
        SearchResult result = SearchFrom(level.position(), options.limits, false);
        PrintResult(what.c_str(), result);
        status = Worse(status, Verdict(result));
    }
    return status;
}

void ReportDeadEnds(const SearchResult& main) {
    DeadEnds found = FindDeadEnds(main);
    if (found.count == 0) {
        std::printf("dead ends: none\n");
        return;
    }
    std::printf("dead ends: %zu positions from which the exit cannot be reached; the nearest: %s\n",
                found.count, KeyLine(PathTo(main, found.nearest)).c_str());
}

Status Solve(const SolveOptions& options, int number) {
    std::string error;
    PlayedLevel level;
    if (!level.Start(number, &error)) {
        std::fprintf(stderr, "korvath-solve: %s\n", error.c_str());
        return kBadInput;
    }
    const Position start = level.position();
    const bool exploreAll = options.fromCheckpoints || options.deadEnds;
    SearchResult main = SearchFrom(start, options.limits, exploreAll);
    PrintResult("level", main);
    Status status = Verdict(main);
    if (main.solved && !options.write.empty() && !WriteNextLines(options.write, main.solution)) {
        std::fprintf(stderr, "korvath-solve: cannot write %s\n", options.write.c_str());
        return kBadInput;
    }
    if (exploreAll && !main.complete) {
        std::printf("stopped before every position was explored: %s\n", StopReason(main.stoppedBy));
        return Worse(status, kLimitReached);
    }
    if (options.deadEnds)
        ReportDeadEnds(main);
    if (options.fromCheckpoints)
        status = Worse(status, SolveFromCheckpoints(start, main, options));
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status =
            Sys_AnswerHelpOrVersion(argc, argv, "korvath-solve", KORVATH_VERSION, kSolveUsage);
        status >= 0)
        return status;
    SolveOptions options;
    std::string error;
    if (!ParseSolveOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "korvath-solve: %s\n%s", error.c_str(), kSolveUsage);
        return kBadInput;
    }
    if (options.root.empty())
        options.root = FindGameRoot(argv[0], &error);
    if (options.root.empty() || !Sys_EnterFolder(options.root)) {
        std::fprintf(stderr, "korvath-solve: %s\n",
                     error.empty() ? ("cannot enter " + options.root).c_str() : error.c_str());
        return kBadInput;
    }
    LevelSource source;
    int level = 0;
    if (!LoadToolTemplates(&error) || !source.Prepare(options.level, &level, &error)) {
        std::fprintf(stderr, "korvath-solve: %s\n", error.c_str());
        return kBadInput;
    }
    return Solve(options, level);
}
