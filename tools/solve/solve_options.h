#pragma once
// korvath-solve's command line.

#include <string>

#include "search/level_search.h"

struct SolveOptions {
    std::string root;   // found as the game finds its data when not given
    std::string level;  // a level number of gamedata/levels.xml, or a level file
    std::string write;
    bool fromCheckpoints = false;
    bool deadEnds = false;
    SearchLimits limits;
};

// False with a reason for an unknown or malformed argument. Paths are made
// absolute against the current folder, since the solver then enters the root.
bool ParseSolveOptions(int argc, const char* const* argv, SolveOptions* options,
                       std::string* error);

extern const char* const kSolveUsage;
