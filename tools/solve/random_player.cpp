// korvath-random-player: a seeded random player for long soaks. It plays the
// real game headless and writes what it pressed as "next" lines: mostly
// random keys (walking, climbing, bombs, now and then the reset key), and
// when its time in a level is up, the shortest way on to the exit, found by
// the solver, so that every level, the changes between them and the end
// picture are played. Replaying its output plays the very same game.

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "core/keys.h"
#include "platform/sys_command_line.h"
#include "platform/sys_data_folder.h"
#include "platform/sys_process.h"
#include "search/level_search.h"
#include "search/played_level.h"
#include "text_lines.h"
#include "tool_templates.h"
#include "world/level_list.h"

namespace {

constexpr int kResetKey = kKeyX;
constexpr double kResetChance = 0.02;

struct PlayerOptions {
    std::string root;  // found as the game finds its data when not given
    unsigned seed = 1;
    long minutes = 10;
};

const char* const kUsage =
    "usage: korvath-random-player [--root DIR] [--seed N] [--minutes M]\n"
    "       korvath-random-player --help | --version\n"
    "Plays the campaign at random, the same way for the same seed, and writes the\n"
    "presses of M minutes of game time as next lines to standard output; when a\n"
    "level's share of the time is up, it takes the shortest way to the exit.\n"
    "  --root DIR     the folder with gamedata/ (default: as the game finds it)\n"
    "  --seed N       the seed of the random choices (default 1)\n"
    "  --minutes M    the game time to play (default 10)\n"
    "Status: 0 played to the end picture, 2 bad arguments or data, or the game did\n"
    "not come to rest after a press.\n";

bool ParsePlayerOptions(int argc, char** argv, PlayerOptions* options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        long number = 0;
        if (option == "--root")
            options->root = value;
        else if (option == "--seed" && ParseInteger(value, 0, 2147483647, &number))
            options->seed = static_cast<unsigned>(number);
        else if (option == "--minutes" && ParseInteger(value, 1, 100000, &number))
            options->minutes = number;
        else
            return false;
    }
    return argc % 2 == 1;
}

class RandomPlayer {
  public:
    RandomPlayer(unsigned seed, long minutes) : random_(seed), minutes_(minutes) {}
    bool Play(std::string* error);

  private:
    bool Press(int code);
    bool FollowShortestWay();
    bool PressAtRandom();
    uint32_t TimeUpForLevel() const;

    std::mt19937 random_;
    long minutes_;
    PlayedLevel game_;
    int level_ = 1;
    size_t levels_ = 1;
    bool ended_ = false;
};

// The level's share of the whole time is up: each level gets an equal share
// of all but the last twentieth, in which the last one is finished.
uint32_t RandomPlayer::TimeUpForLevel() const {
    const double total = minutes_ * 60000.0;
    return static_cast<uint32_t>(total * 0.95 * level_ / static_cast<double>(levels_));
}

bool RandomPlayer::Press(int code) {
    std::printf("next %s\n", KeyName(code));
    PressOutcome outcome = game_.Press(code);
    if (outcome == PressOutcome::kNeverRests)
        return false;
    if (outcome != PressOutcome::kFinished)
        return true;
    ended_ = !game_.PlayIntoNextLevel();
    ++level_;
    return true;
}

bool RandomPlayer::PressAtRandom() {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (chance(random_) < kResetChance)
        return Press(kResetKey);
    const int key = std::uniform_int_distribution<int>(0, kSearchKeyCount - 1)(random_);
    return Press(SearchKeyCode(key));
}

// The solver's shortest way from here; from a dead end, the reset key first.
bool RandomPlayer::FollowShortestWay() {
    SearchResult way = SearchFrom(game_.position(), SearchLimits(), false);
    if (!way.solved)
        return Press(kResetKey);
    const int level = level_;
    for (size_t i = 0; i < way.solution.size() && level_ == level; ++i)
        if (!Press(SearchKeyCode(way.solution[i])))
            return false;
    return true;
}

bool RandomPlayer::Play(std::string* error) {
    levels_ = std::max<size_t>(1, ReadLevelList().size());
    if (!game_.Start(1, error))
        return false;
    while (!ended_) {
        const bool timeUp = game_.Time() >= TimeUpForLevel();
        if (!(timeUp ? FollowShortestWay() : PressAtRandom())) {
            *error = "the game did not come to rest after a press";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status =
            Sys_AnswerHelpOrVersion(argc, argv, "korvath-random-player", KORVATH_VERSION, kUsage);
        status >= 0)
        return status;
    PlayerOptions options;
    std::string error;
    if (!ParsePlayerOptions(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options.root.empty())
        options.root = FindGameRoot(argv[0], &error);
    if (options.root.empty() || !Sys_EnterFolder(options.root) || !LoadToolTemplates(&error) ||
        !RandomPlayer(options.seed, options.minutes).Play(&error)) {
        std::fprintf(stderr, "korvath-random-player: %s\n",
                     error.empty() ? "cannot start" : error.c_str());
        return 2;
    }
    return 0;
}
