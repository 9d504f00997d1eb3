#pragma once
// The compiled level store (levels.xml): every level's pawns in the order the
// game loads them, one section a pawn with all thirteen keys.

#include <string>
#include <vector>

#include "level_text.h"

struct CompiledLevel {
    int number = 0;
    std::string name;
    bool hasName = false;
    std::vector<PlacedPawn> pawns;
    std::string picture, music;  // empty: the numbered ones
};

// The map's pawns and then the pawn lines, each group in file order, with
// still pawns first, then the pawns that move, the hero last (the templates
// must be loaded).
std::vector<PlacedPawn> OrderedPawns(const LevelText& level);

// The store's text for the levels, in the order given.
std::string LevelsXml(const std::vector<CompiledLevel>& levels);

// Reads Level1, Level2, ... until a level without a first pawn. A key a pawn
// section lacks reads as its default value.
bool ReadLevelsXml(const std::string& path, std::vector<CompiledLevel>* levels, std::string* error);
