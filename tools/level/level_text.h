#pragma once
// A level as its designer writes it: a header, a map of one character a cell,
// a legend saying which template slots a character places, pawn lines for
// pawns that are not plain grid cells, and the keys that finish the level.
// The format is described in gamedata/README.md.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "world/pawn.h"

// Where something stands in a text file; lines and columns count from 1.
struct SourcePos {
    int line = 0;
    int column = 0;
};

// A problem found in a file, printed as "FILE:LINE:COL: message".
struct Diagnostic {
    std::string file;
    SourcePos pos;
    std::string message;
    std::string Text() const;
};

struct LegendEntry {
    std::vector<int> slots;  // in the order the cell's pawns are written
    std::string file;
    SourcePos pos;
};

// Characters to the template slots they place. '.' is always an empty cell.
using Legend = std::map<char, LegendEntry>;

constexpr char kEmptyCell = '.';
constexpr char kOriginCell = '@';  // the hero's start, at x = 0, y = 0

// The ten number keys of a pawn, in the order the store lists them.
struct PlacementKey {
    const char* name;
    float Transform::*field;
};
extern const PlacementKey kPlacementKeys[10];

// One pawn of the level, with the thirteen values of its level-file entry.
struct PlacedPawn {
    int slot = 0;
    int32_t type = 0;
    int32_t visible = 1;
    Transform placement;
    SourcePos pos;  // the map cell or pawn line it comes from
};

// The level's map: its rows and where they begin.
struct MapBlock {
    std::vector<std::string> rows;  // the top row first
    SourcePos pos;                  // the first row
};

// A directive line the level format does not know, kept for a caller that
// extends the format (the rule cases).
struct ExtraLine {
    std::vector<std::string> words;
    SourcePos pos;
};

struct LevelText {
    std::string file;
    int number = 0;
    SourcePos numberPos;
    std::string name;
    bool hasName = false;
    // The loading picture and the stage music, named inside the data folder;
    // empty: the numbered ones.
    std::string picture, music;
    SourcePos picturePos, musicPos;
    Legend legend;  // the default legend with this file's entries over it
    MapBlock map;
    bool hasOrigin = false;                // an "origin" line places the map
    float originX = 0.0f, originY = 0.0f;  // the map's top-left cell, when given
    int heroRow = -1, heroColumn = -1;     // else the '@' cell is x = 0, y = 0
    std::vector<PlacedPawn> pawnLines;
    std::vector<std::string> solution;  // key names, in order
    std::vector<ExtraLine> extras;
};

struct ParseOptions {
    // Directives a caller accepts besides the level format's own.
    std::vector<std::string> extraDirectives;
};

// Reads a legend file ("legend C SLOT..." lines and comments) into legend.
bool ParseLegend(const std::string& text, const std::string& file, Legend* legend,
                 Diagnostic* error);

// Reads a level file; legend holds the default legend on entry.
bool ParseLevel(const std::string& text, const std::string& file, LevelText* level,
                Diagnostic* error, const ParseOptions& options = ParseOptions());

// The pawns the map places, row by row from the top, each row from the left,
// each cell's slots in legend order. ParseLevel has checked the map.
std::vector<PlacedPawn> MapPawns(const LevelText& level);

// The world position of a map cell, counted from the top-left cell.
void CellPosition(const LevelText& level, int row, int column, float* x, float* y);

// The keys a solution or a test may name.
bool IsKeyName(const std::string& word);

// Reads a whole file for the parser: false with a diagnostic when it cannot
// be read or a line is longer than the format allows.
bool ReadTextFile(const std::string& path, std::string* text, Diagnostic* error);
