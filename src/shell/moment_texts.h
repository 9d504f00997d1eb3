#pragma once
// What the game says at its moments: a level finished, the game finished, a
// dead end reached.

#include <string>

#include "store/saved_progress.h"

// "Level 3 complete", the presses used and the fewest so far, counting this
// finish; `before` is the progress as it was before it.
std::string LevelCompleteText(int level, int presses, const SavedProgress& before);

// Over the end picture, low enough to leave its own words free (as a share
// of the window's height from the top).
extern const char kGameFinishedText[];
constexpr float kGameFinishedHeight = 0.85f;

// The notice while the game rests where the exit can no longer be reached.
extern const char kDeadEndText[];
