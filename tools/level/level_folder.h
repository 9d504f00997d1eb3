#pragma once
// A folder of level files: "legend.txt", the default legend every level
// starts from, and one file a level. The levels must be numbered 1, 2, ...
// without gaps, since the game reads them in that order and stops at a gap.

#include <string>
#include <vector>

#include "level_text.h"

constexpr const char* kLegendFileName = "legend.txt";

// The legend in the folder's legend.txt; an empty legend when there is none.
bool ReadDefaultLegend(const std::string& folder, Legend* legend, Diagnostic* error);

// Reads and parses one level file with the legend of its folder.
bool ReadLevelFile(const std::string& path, LevelText* level, Diagnostic* error,
                   const ParseOptions& options = ParseOptions());

// Every level file of the folder (each .txt but legend.txt), by level number.
bool ReadLevelFolder(const std::string& folder, std::vector<LevelText>* levels, Diagnostic* error);

// Level files or folders named on a command line, by level number. With
// wholeGame the numbers must run from 1 without a gap or a repeat.
bool ReadLevelArguments(const std::vector<std::string>& paths, bool wholeGame,
                        std::vector<LevelText>* levels, Diagnostic* error);
