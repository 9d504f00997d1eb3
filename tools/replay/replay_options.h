#pragma once
// The replay tool's command line.

#include <cstdint>
#include <string>
#include <vector>

struct ShotRequest {
    uint32_t time;
    std::string file;
};

struct ReplayOptions {
    std::string root;  // the folder holding gamedata/; found as the game finds it when empty
    std::string input;
    std::string trace;
    std::string record;
    std::string timed;  // where the delivered input is written as timed lines
    bool hasUntil = false;
    bool untilEnded = false;
    uint32_t untilMs = 0;
    std::vector<ShotRequest> shots;  // in time order
    std::vector<uint32_t> pawns;     // in time order
    bool noRender = false;
    bool memory = false;      // note the heap in use once play begins and at the end
    bool noDeadEnds = false;  // the game tells no dead end (searches none at each rest)
    int level = 1;            // the level the game begins with
    // The folder whose progress the game reads and writes; none when empty,
    // so that a replay never touches the player's own.
    std::string progress;
};

// False with a reason in error for an unknown or malformed argument.
bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions* options,
                        std::string* error);

extern const char* const kReplayUsage;
