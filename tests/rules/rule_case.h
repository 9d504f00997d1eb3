#pragma once
// A rule case: a tiny level in the level file format, the keys pressed one
// at a time when the game is at rest, and what must hold afterwards: the
// map once everything has come to rest, and where it matters the sounds,
// deaths, bombs, a finished level and pawns with given values.

#include <string>
#include <vector>

#include "level_text.h"

struct RuleCase {
    LevelText level;
    std::vector<std::string> keys;  // each "Right", or "Up+Right" for keys held together
    MapBlock expected;
    bool checkSounds = false;
    std::vector<std::string> sounds;  // the effects started, in order
    int bombs = 0;
    int deaths = 0;
    bool finished = false;
    std::vector<PawnSpec> has;  // a pawn of the slot with these values must exist
    std::vector<std::vector<std::string>> hasKeys;  // the keys each "has" line gives
};

// What a run of the case left behind.
struct RuleOutcome {
    std::vector<std::string> map;
    std::vector<std::string> strays;  // pawns the map cannot show
    std::vector<std::string> sounds;
    int bombs = 0;
    int deaths = 0;
    bool finished = false;
    std::string brokenInvariant;  // the first, if any
};

// legend: the default legend the case's own legend lines extend.
bool ReadRuleCase(const std::string& path, const Legend& legend, RuleCase* rule,
                  std::string* error);

// The world pawns of the level now, drawn in the case map's frame and legend.
void DrawLevelMap(const LevelText& level, RuleOutcome* outcome);

// The name a sound slot is written with in a case ("sliding", "explode2").
std::string SoundName(int slot);

// Empty when the outcome is what the case expects; else what differs, with
// the expected and the actual map side by side.
std::string CompareOutcome(const RuleCase& rule, const RuleOutcome& outcome);
