#pragma once
// Writes a compiled level back as a level file: the pawns that are plain grid
// cells on a map, every other pawn as a pawn line. Compiling the text gives
// the same pawns in the same order whenever the level was in the compiler's
// order (still pawns, moving pawns, the hero).

#include <string>

#include "level_text.h"
#include "levels_xml.h"

// defaults is the legend the printed file will be compiled with; cells whose
// pawns it has no character for get legend lines of their own.
std::string PrintLevel(const CompiledLevel& level, const Legend& defaults);

// A pawn line for the pawn ("pawn 30 xoffset=-40 zstretch=2"), without the
// keys that have their default values.
std::string PawnLine(const PlacedPawn& pawn);
