#include "replay_options.h"

#include <algorithm>

#include "world/level_list.h"

const char* const kReplayUsage =
    "usage: korvath-replay [--root DIR] [--input FILE] [--trace FILE]\n"
    "                      [--until MS|ended] [--shot MS:FILE.png]... [--pawns MS]...\n"
    "                      [--no-render] [--memory] [--record FILE] [--level N]\n"
    "                      [--progress DIR] [--timed FILE] [--no-dead-ends]\n"
    "       korvath-replay --help | --version\n"
    "Plays the game headless on a virtual clock, driven by an input file of timed\n"
    "and 'next' key presses, or records a person's play in the real window.\n"
    "  --root DIR        the folder with gamedata/ (default: as the game finds it)\n"
    "  --input FILE      the key presses to play\n"
    "  --trace FILE      every tick, phase, sound and box as JSON Lines ('-': stdout)\n"
    "  --until MS|ended  stop at that virtual time, or once the end picture shows\n"
    "  --shot MS:FILE    a PNG screenshot of the window at that time\n"
    "  --pawns MS        every pawn's place in the trace at that time\n"
    "  --no-render       draw nothing (every file is still read)\n"
    "  --memory          the heap in use in the trace, as play begins and at the end\n"
    "  --no-dead-ends    start with Game > Warn of dead ends off (no search at each rest)\n"
    "  --record FILE     play in the window; write the keys pressed with their times\n"
    "  --level N         begin the game at level N\n"
    "  --progress DIR    read and write the progress file in DIR (default: none)\n"
    "  --timed FILE      write every key and command delivered as a timed line\n"
    "Status: 0 stopped where asked, 2 bad command line or input, 3 gave up,\n"
    "else the game's own.\n";

namespace {

bool ParseMs(const std::string& text, uint32_t* value) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    uint64_t number = std::stoull(text);
    if (number > UINT32_MAX)
        return false;
    *value = static_cast<uint32_t>(number);
    return true;
}

bool ParseUntil(const std::string& value, ReplayOptions* options) {
    options->hasUntil = true;
    options->untilEnded = value == "ended";
    return options->untilEnded || ParseMs(value, &options->untilMs);
}

bool ParseShot(const std::string& value, ReplayOptions* options) {
    size_t colon = value.find(':');
    ShotRequest shot;
    if (colon == std::string::npos || !ParseMs(value.substr(0, colon), &shot.time))
        return false;
    shot.file = value.substr(colon + 1);
    if (shot.file.empty())
        return false;
    options->shots.push_back(shot);
    return true;
}

bool ParseLevel(const std::string& value, ReplayOptions* options) {
    uint32_t level = 0;
    if (!ParseMs(value, &level) || level < 1 || level > kMaxLevels)
        return false;
    options->level = static_cast<int>(level);
    return true;
}

bool ParsePawns(const std::string& value, ReplayOptions* options) {
    uint32_t time = 0;
    if (!ParseMs(value, &time))
        return false;
    options->pawns.push_back(time);
    return true;
}

// Applies one option that takes a value; false when the value is bad.
bool ApplyValue(const std::string& name, const std::string& value, ReplayOptions* options) {
    if (name == "--root")
        options->root = value;
    else if (name == "--input")
        options->input = value;
    else if (name == "--trace")
        options->trace = value;
    else if (name == "--record")
        options->record = value;
    else if (name == "--timed")
        options->timed = value;
    else if (name == "--until")
        return ParseUntil(value, options);
    else if (name == "--shot")
        return ParseShot(value, options);
    else if (name == "--pawns")
        return ParsePawns(value, options);
    else if (name == "--level")
        return ParseLevel(value, options);
    else if (name == "--progress")
        options->progress = value;
    return !value.empty();
}

bool TakesValue(const std::string& name) {
    static const char* const kNames[] = {"--root", "--input", "--trace", "--record",   "--until",
                                         "--shot", "--pawns", "--level", "--progress", "--timed"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

bool CheckCombination(const ReplayOptions& options, std::string* error) {
    if (options.noRender && !options.shots.empty())
        *error = "--shot needs drawing and cannot be used with --no-render";
    else if (!options.record.empty() && !options.input.empty())
        *error = "--record plays live and cannot be used with --input";
    else if (!options.record.empty() && !options.timed.empty())
        *error = "--timed writes what a replay delivers and cannot be used with --record";
    else
        return true;
    return false;
}

// The option that takes no value, or null.
bool* Flag(const std::string& name, ReplayOptions* options) {
    if (name == "--no-render")
        return &options->noRender;
    if (name == "--memory")
        return &options->memory;
    return name == "--no-dead-ends" ? &options->noDeadEnds : nullptr;
}

}  // namespace

bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions* options,
                        std::string* error) {
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (bool* flag = Flag(name, options)) {
            *flag = true;
            continue;
        }
        if (!TakesValue(name)) {
            *error = "unknown option '" + name + "'";
            return false;
        }
        if (i + 1 >= argc || !ApplyValue(name, argv[i + 1], options)) {
            *error = "bad or missing value for " + name;
            return false;
        }
        ++i;
    }
    auto byTime = [](const ShotRequest& a, const ShotRequest& b) { return a.time < b.time; };
    std::stable_sort(options->shots.begin(), options->shots.end(), byTime);
    std::sort(options->pawns.begin(), options->pawns.end());
    return CheckCombination(*options, error);
}
