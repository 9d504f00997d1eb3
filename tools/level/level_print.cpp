#include "level_print.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "text_lines.h"
#include "world/template_roles.h"

namespace {

constexpr float kMaxCells = 1000.0f;  // farther pawns are written as pawn lines

using Cell = std::pair<int, int>;  // row counted downwards from y = 0, column from x = 0

bool OnGrid(float v) {
    return std::fabs(v) <= kMaxCells * kCellSize && v == std::round(v / kCellSize) * kCellSize;
}

bool IsPlainCell(const PlacedPawn& pawn) {
    const Transform& t = pawn.placement;
    const Transform plain;
    return pawn.type == 0 && pawn.visible == 1 && t.xangle == 0 && t.yangle == 0 && t.zangle == 0 &&
           t.zoffset == 0 && t.xstretch == 1 && t.ystretch == 1 && t.zstretch == 1 &&
           t.opacity == plain.opacity && OnGrid(t.xoffset) && OnGrid(t.yoffset);
}

Cell CellOf(const PlacedPawn& pawn) {
    return {static_cast<int>(-pawn.placement.yoffset / kCellSize),
            static_cast<int>(pawn.placement.xoffset / kCellSize)};
}

// What one cell of the map holds: its pawns' indices in level order.
using CellPawns = std::map<Cell, std::vector<size_t>>;

// Per class, the longest run of plain cells from the class's start that
// goes through the map in reading order; compiling puts exactly these first.
std::vector<bool> MapMembers(const std::vector<PlacedPawn>& pawns) {
    std::vector<bool> onMap(pawns.size(), false);
    std::map<PawnClass, Cell> last;
    std::map<PawnClass, bool> open;
    for (size_t i = 0; i < pawns.size(); ++i) {
        PawnClass c = ClassOf(PawnTemplates[pawns[i].slot]);
        if (!open.count(c))
            open[c] = true;
        bool inOrder = !last.count(c) || !(CellOf(pawns[i]) < last[c]);
        open[c] = open[c] && IsPlainCell(pawns[i]) && inOrder;
        onMap[i] = open[c];
        if (onMap[i])
            last[c] = CellOf(pawns[i]);
    }
    return onMap;
}

// The slots of the pawns, grouped by class in the compiler's order.
std::vector<int> ByClass(const std::vector<int>& slots) {
    std::vector<int> ordered;
    for (PawnClass c : {PawnClass::kStill, PawnClass::kMoving, PawnClass::kHero})
        for (int slot : slots)
            if (ClassOf(PawnTemplates[slot]) == c)
                ordered.push_back(slot);
    return ordered;
}

class Printer {
  public:
    Printer(const CompiledLevel& level, const Legend& defaults)
        : level_(level), legend_(defaults) {}
    std::string Text();

  private:
    bool PlaceCells(const CellPawns& cells);
    bool CharacterFor(const std::vector<int>& slots, char* found);
    std::string MapText(const CellPawns& cells);

    const CompiledLevel& level_;
    Legend legend_;
    std::vector<std::pair<char, std::vector<int>>> added_;
    std::map<Cell, char> chars_;
};

bool Printer::CharacterFor(const std::vector<int>& slots, char* found) {
    for (const auto& [c, entry] : legend_)
        if (ByClass(entry.slots) == ByClass(slots)) {
            *found = c;
            return true;
        }
    for (char c = '!'; c <= '~'; ++c)
        if (c != kEmptyCell && !legend_.count(c)) {
            legend_[c] = LegendEntry{slots, "", {}};
            added_.push_back({c, slots});
            *found = c;
            return true;
        }
    return false;
}

bool Printer::PlaceCells(const CellPawns& cells) {
    for (const auto& [cell, indices] : cells) {
        std::vector<int> slots;
        for (size_t i : indices)
            slots.push_back(level_.pawns[i].slot);
        if (!CharacterFor(slots, &chars_[cell]))
            return false;
    }
    return true;
}

std::string Printer::MapText(const CellPawns& cells) {
    int top = cells.begin()->first.first, bottom = cells.rbegin()->first.first;
    int left = cells.begin()->first.second, right = left;
    for (const auto& entry : cells) {
        left = std::min(left, entry.first.second);
        right = std::max(right, entry.first.second);
    }
    int heroes = 0;
    for (const auto& entry : chars_)
        heroes += entry.second == kOriginCell;
    auto origin = chars_.find({0, 0});
    std::string text;
    if (heroes != 1 || origin == chars_.end() || origin->second != kOriginCell)
        text += "origin " + std::to_string(left * 20) + " " + std::to_string(-top * 20) + "\n";
    text += "map\n";
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            auto at = chars_.find({row, column});
            text += at == chars_.end() ? kEmptyCell : at->second;
        }
        text += "\n";
    }
    return text + "end\n";
}

std::string Printer::Text() {
    std::vector<bool> onMap = MapMembers(level_.pawns);
    CellPawns cells;
    for (size_t i = 0; i < level_.pawns.size(); ++i)
        if (onMap[i])
            cells[CellOf(level_.pawns[i])].push_back(i);
    if (!PlaceCells(cells)) {  // more kinds of cell than characters: no map
        cells.clear();
        onMap.assign(onMap.size(), false);
        added_.clear();
    }
    std::string map = cells.empty() ? "" : MapText(cells);
    std::string text = "level " + std::to_string(level_.number) + "\n";
    if (level_.hasName)
        text += "name " + level_.name + "\n";
    if (!level_.picture.empty())
        text += "picture " + level_.picture + "\n";
    if (!level_.music.empty())
        text += "music " + level_.music + "\n";
    for (const auto& [c, slots] : added_) {
        text += std::string("legend ") + c;
        for (int slot : slots)
            text += " " + std::to_string(slot);
        text += "\n";
    }
    text += map;
    for (size_t i = 0; i < level_.pawns.size(); ++i)
        if (!onMap[i])
            text += PawnLine(level_.pawns[i]) + "\n";
    return text;
}

}  // namespace

std::string PrintLevel(const CompiledLevel& level, const Legend& defaults) {
    return Printer(level, defaults).Text();
}

std::string PawnLine(const PlacedPawn& pawn) {
    const Transform plain;
    std::string line = "pawn " + std::to_string(pawn.slot);
    if (pawn.type != 0)
        line += " Type=" + std::to_string(pawn.type);
    if (pawn.visible != 1)
        line += " Visible=" + std::to_string(pawn.visible);
    for (const PlacementKey& key : kPlacementKeys)
        if (pawn.placement.*key.field != plain.*key.field)
            line += std::string(" ") + key.name + "=" + FormatFloat(pawn.placement.*key.field);
    return line;
}
