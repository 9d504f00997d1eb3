#pragma once
// The rules a level must keep to play as designed: one hero, only loaded
// templates with their animations, rule pawns on the grid, nothing that moves
// without support at the start, and a fixed blocker in column x = 0 for the
// loading picture. The templates must be loaded.

#include <vector>

#include "level_text.h"

std::vector<Diagnostic> CheckLevel(const LevelText& level);
