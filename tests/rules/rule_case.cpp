#include "rule_case.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "level_folder.h"
#include "level_print.h"
#include "text_lines.h"
#include "world/level.h"

namespace {

const char* const kSoundNames[] = {"bomb_collect", "checkpoint", "dead",        "explode1",
                                   "explode2",     "explode3",   "pop_holder",  "switch",
                                   "finish",       "barrel_hit", "barrel_roll", "sliding"};

bool ReadCount(const std::vector<std::string>& words, int* value, std::string* error) {
    long number = 0;
    if (words.size() == 2 && ParseInteger(words[1], 0, 1000, &number)) {
        *value = static_cast<int>(number);
        return true;
    }
    *error = "'" + words[0] + "' takes one count";
    return false;
}

bool ReadKeys(const std::vector<std::string>& words, RuleCase* rule, std::string* error) {
    for (size_t i = 1; i < words.size(); ++i) {
        size_t start = 0;
        for (size_t plus; start <= words[i].size(); start = plus + 1) {
            plus = std::min(words[i].find('+', start), words[i].size());
            if (!IsKeyName(words[i].substr(start, plus - start))) {
                *error = "unknown key in '" + words[i] + "'";
                return false;
            }
        }
        rule->keys.push_back(words[i]);
    }
    return true;
}

// "has SLOT KEY=VALUE..." reads like a pawn line of the level format.
bool ReadHas(const std::vector<std::string>& words, RuleCase* rule, std::string* error) {
    std::string line = "pawn";
    std::vector<std::string> keys;
    for (size_t i = 1; i < words.size(); ++i) {
        line += " " + words[i];
        if (i > 1)
            keys.push_back(words[i].substr(0, words[i].find('=')));
    }
    LevelText pawn;
    Diagnostic problem;
    if (!ParseLevel(line, "has", &pawn, &problem) || pawn.pawnLines.size() != 1) {
        *error = "bad 'has' line: " + problem.message;
        return false;
    }
    rule->has.push_back(pawn.pawnLines[0]);
    rule->hasKeys.push_back(keys);
    return true;
}

bool ReadExtra(const ExtraLine& extra, RuleCase* rule, std::string* error) {
    const std::vector<std::string>& words = extra.words;
    const std::string& verb = words[0];
    if (verb == "keys")
        return ReadKeys(words, rule, error);
    if (verb == "expect") {
        rule->expected = extra.block;
        return true;
    }
    if (verb == "sounds") {
        rule->checkSounds = true;
        rule->sounds.assign(words.begin() + 1, words.end());
        return true;
    }
    if (verb == "finished") {
        rule->finished = true;
        return true;
    }
    if (verb == "has")
        return ReadHas(words, rule, error);
    return ReadCount(words, verb == "bombs" ? &rule->bombs : &rule->deaths, error);
}

// The slot of each world pawn standing on a cell of the map, and the others.
std::map<std::pair<int, int>, std::vector<int>> CellsOf(const LevelText& level,
                                                        RuleOutcome* outcome) {
    std::map<std::pair<int, int>, std::vector<int>> cells;
    float left = 0.0f, top = 0.0f;
    CellPosition(level, 0, 0, &left, &top);
    const int rows = static_cast<int>(level.map.rows.size());
    const int columns = rows ? static_cast<int>(level.map.rows[0].size()) : 0;
    for (auto* node = LevelPawns.head; node; node = node->next) {
        const Pawn& pawn = node->data;
        if (pawn.Type != kWorldPawn)
            continue;  // the loading picture is fixed to the screen
        const int slot = static_cast<int>(pawn.Template - PawnTemplates);
        const float column = (pawn.Placement.xoffset - left) / kCellSize;
        const float row = (top - pawn.Placement.yoffset) / kCellSize;
        const bool inside = column == std::floor(column) && row == std::floor(row) && column >= 0 &&
                            row >= 0 && column < columns && row < rows;
        if (inside)
            cells[{static_cast<int>(row), static_cast<int>(column)}].push_back(slot);
        else
            outcome->strays.push_back("slot " + std::to_string(slot) + " at (" +
                                      FormatFloat(pawn.Placement.xoffset) + ", " +
                                      FormatFloat(pawn.Placement.yoffset) + ")");
    }
    return cells;
}

char CharacterFor(const Legend& legend, std::vector<int> slots) {
    std::sort(slots.begin(), slots.end());
    for (const auto& [c, entry] : legend) {
        std::vector<int> wanted = entry.slots;
        std::sort(wanted.begin(), wanted.end());
        if (wanted == slots)
            return c;
    }
    return '?';
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::string SideBySide(const std::vector<std::string>& expected,
                       const std::vector<std::string>& actual) {
    size_t width = 8;
    for (const std::string& row : expected)
        width = std::max(width, row.size());
    std::string text = "expected" + std::string(width - 8 + 4, ' ') + "actual\n";
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        std::string left = i < expected.size() ? expected[i] : "";
        text += left + std::string(width - left.size() + 4, ' ') +
                (i < actual.size() ? actual[i] : "") + "\n";
    }
    return text;
}

bool Matches(const Pawn& pawn, const PawnSpec& wanted, const std::string& key) {
    if (key == "Type")
        return pawn.Type == wanted.type;
    if (key == "Visible")
        return pawn.Visible == (wanted.visible != 0);
    for (const PlacementKey& k : kPlacementKeys)
        if (key == k.name)
            return pawn.Placement.*k.field == wanted.placement.*k.field;
    return false;
}

bool HasPawn(const PawnSpec& wanted, const std::vector<std::string>& keys) {
    for (auto* node = LevelPawns.head; node; node = node->next) {
        bool same = node->data.Template == &PawnTemplates[wanted.slot];
        for (const std::string& key : keys)
            same = same && Matches(node->data, wanted, key);
        if (same)
            return true;
    }
    return false;
}

}  // namespace

bool ReadRuleCase(const std::string& path, const Legend& legend, RuleCase* rule,
                  std::string* error) {
    ParseOptions options;
    options.extraDirectives = {"keys", "sounds", "bombs", "deaths", "finished", "has"};
    options.extraBlocks = {"expect"};
    Diagnostic problem;
    std::string text;
    rule->level.legend = legend;
    if (!ReadTextFile(path, &text, &problem) ||
        !ParseLevel(text, path, &rule->level, &problem, options)) {
        *error = problem.Text();
        return false;
    }
    for (const ExtraLine& extra : rule->level.extras)
        if (!ReadExtra(extra, rule, error)) {
            *error = path + ":" + std::to_string(extra.pos.line) + ": " + *error;
            return false;
        }
    if (rule->level.number == 0)
        rule->level.number = 1;
    if (!rule->expected.rows.empty())
        return true;
    *error = path + ": no 'expect' block";
    return false;
}

void DrawLevelMap(const LevelText& level, RuleOutcome* outcome) {
    auto cells = CellsOf(level, outcome);
    outcome->map.clear();
    for (size_t row = 0; row < level.map.rows.size(); ++row) {
        std::string text(level.map.rows[row].size(), kEmptyCell);
        for (size_t column = 0; column < text.size(); ++column) {
            auto at = cells.find({static_cast<int>(row), static_cast<int>(column)});
            if (at == cells.end())
                continue;
            text[column] = CharacterFor(level.legend, at->second);
            if (text[column] == '?')
                outcome->strays.push_back("no legend character for the cell at row " +
                                          std::to_string(row + 1) + ", column " +
                                          std::to_string(column + 1));
        }
        outcome->map.push_back(text);
    }
}

std::string SoundName(int slot) {
    if (slot < 0 || slot >= static_cast<int>(std::size(kSoundNames)))
        return "slot" + std::to_string(slot);
    return kSoundNames[slot];
}

std::string CompareOutcome(const RuleCase& rule, const RuleOutcome& outcome) {
    std::string text;
    if (!outcome.brokenInvariant.empty())
        text += "broken during the run: " + outcome.brokenInvariant + "\n";
    if (outcome.map != rule.expected.rows || !outcome.strays.empty())
        text += SideBySide(rule.expected.rows, outcome.map);
    for (const std::string& stray : outcome.strays)
        text += "  also: " + stray + "\n";
    if (rule.checkSounds && outcome.sounds != rule.sounds)
        text += "sounds: expected [" + Joined(rule.sounds) + "], heard [" + Joined(outcome.sounds) +
                "]\n";
    if (outcome.bombs != rule.bombs)
        text += "bombs: expected " + std::to_string(rule.bombs) + ", carried " +
                std::to_string(outcome.bombs) + "\n";
    if (outcome.deaths != rule.deaths)
        text += "deaths: expected " + std::to_string(rule.deaths) + ", died " +
                std::to_string(outcome.deaths) + "\n";
    if (outcome.finished != rule.finished)
        text += rule.finished ? "the level was not finished\n" : "the level was finished\n";
    for (size_t i = 0; i < rule.has.size(); ++i)
        if (!HasPawn(rule.has[i], rule.hasKeys[i]))
            text += "no pawn like '" + PawnLine(rule.has[i]) + "'\n";
    return text;
}
