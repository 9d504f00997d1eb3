#include "solve_options.h"

#include <filesystem>

#include "text_lines.h"

const char* const kSolveUsage =
    "usage: korvath-solve [--root DIR] LEVEL [--from-checkpoints] [--max-states N]\n"
    "                     [--max-seconds S] [--max-memory MB] [--dead-ends]\n"
    "                     [--write FILE]\n"
    "       korvath-solve --help | --version\n"
    "Proves with the game's own rules that a level can be finished, with the fewest\n"
    "presses. LEVEL is a level number of ROOT/gamedata/levels.xml or a level file.\n"
    "  --root DIR          the folder with gamedata/ (default: as the game finds it)\n"
    "  --from-checkpoints  solve again from every checkpoint the player can reach\n"
    "  --dead-ends         count the positions the exit cannot be reached from\n"
    "  --max-states N      stop after N positions (default 5000000)\n"
    "  --max-seconds S     stop after S seconds (default 600)\n"
    "  --max-memory MB     stop before using MB megabytes (default: what is free)\n"
    "  --write FILE        write the shortest solution as next lines\n"
    "Status: 0 solved, 1 proven unsolvable, 2 bad arguments or data, 3 a limit\n"
    "was reached first.\n";

namespace {

std::string Absolute(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

bool TakesValue(const std::string& option) {
    return option == "--root" || option == "--write" || option == "--max-states" ||
           option == "--max-seconds" || option == "--max-memory";
}

// An option and its value; false with a reason when the value is bad.
bool TakeValue(const std::string& option, const std::string& value, SolveOptions* options,
               std::string* error) {
    long number = 0;
    float seconds = 0.0f;
    if (option == "--root")
        options->root = value;
    else if (option == "--write")
        options->write = Absolute(value);
    else if (option == "--max-states" && ParseInteger(value, 1, 1000000000, &number))
        options->limits.maxPositions = static_cast<size_t>(number);
    else if (option == "--max-seconds" && ParseFloat(value, &seconds) && seconds > 0)
        options->limits.maxSeconds = seconds;
    else if (option == "--max-memory" && ParseInteger(value, 1, 1 << 30, &number))
        options->limits.maxBytes = static_cast<size_t>(number) << 20;
    else {
        *error = "bad value '" + value + "' for " + option;
        return false;
    }
    return true;
}

bool IsLevelNumber(const std::string& word) {
    long number = 0;
    return ParseInteger(word, 1, 999, &number);
}

}  // namespace

bool ParseSolveOptions(int argc, const char* const* argv, SolveOptions* options,
                       std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--from-checkpoints" || word == "--dead-ends") {
            (word == "--dead-ends" ? options->deadEnds : options->fromCheckpoints) = true;
        } else if (word.rfind("-", 0) == 0) {
            if (!TakesValue(word) || i + 1 >= argc) {
                *error = TakesValue(word) ? word + " needs a value" : "unknown option " + word;
                return false;
            }
            if (!TakeValue(word, argv[++i], options, error))
                return false;
        } else if (options->level.empty()) {
            options->level = IsLevelNumber(word) ? word : Absolute(word);
        } else {
            *error = "one level at a time ('" + word + "')";
            return false;
        }
    }
    if (options->level.empty())
        *error = "no level named";
    return !options->level.empty();
}
