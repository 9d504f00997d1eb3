// Reads level files and legend files. Every problem stops the reading with a
// diagnostic naming the line and column where it was found.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/keys.h"
#include "level_text.h"
#include "text_lines.h"

namespace {

// "Left Right Up Down Space X"
std::string KeyNameList() {
    std::string list;
    for (const NamedKey& key : kNamedKeys)
        list += (list.empty() ? "" : " ") + std::string(key.name);
    return list;
}

constexpr int kMaxLevelNumber = 999;
constexpr size_t kMaxMapRows = 1000;

bool Contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool IsComment(const std::string& line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

bool IsAllDigits(const std::string& word) {
    return word.find_first_not_of("0123456789") == std::string::npos;
}

class Parser {
  public:
    Parser(const std::string& file, LevelText* level, const ParseOptions& options,
           Diagnostic* error)
        : file_(file), level_(level), options_(options), error_(error) {}

    bool Run(const std::string& text, bool legendOnly);

  private:
    bool Fail(int line, int column, const std::string& message);
    bool Line(const std::vector<std::string>& lines, size_t* at);
    bool Directive(const std::vector<Word>& words, int line);
    bool Block(const std::vector<std::string>& lines, size_t* at, MapBlock* block);
    bool LevelLine(const std::vector<Word>& words, int line);
    bool NameLine(const std::string& text, const std::vector<Word>& words, int line);
    bool FileLine(const std::vector<Word>& words, int line, std::string* name, SourcePos* pos);
    bool LegendLine(const std::vector<Word>& words, int line);
    bool OriginLine(const std::vector<Word>& words, int line);
    bool PawnLine(const std::vector<Word>& words, int line);
    bool PawnValue(const Word& word, int line, PlacedPawn* pawn);
    bool SolutionLine(const std::vector<Word>& words, int line);
    bool Expect(bool ok, const Word& word, int line, const std::string& message);
    bool CheckMap();
    bool CheckMapCell(char c, int line, int column);

    std::string file_;
    LevelText* level_;
    const ParseOptions& options_;
    Diagnostic* error_;
    bool legendOnly_ = false;
    bool seenMap_ = false;
    std::vector<char> ownLegend_;
};

bool Parser::Fail(int line, int column, const std::string& message) {
    *error_ = Diagnostic{file_, {line, column}, message};
    return false;
}

bool Parser::Expect(bool ok, const Word& word, int line, const std::string& message) {
    return ok || Fail(line, word.column, message);
}

bool Parser::Run(const std::string& text, bool legendOnly) {
    legendOnly_ = legendOnly;
    std::vector<std::string> lines = SplitLines(text);
    for (size_t at = 0; at < lines.size(); ++at)
        if (!Line(lines, &at))
            return false;
    return legendOnly || CheckMap();
}

bool Parser::Line(const std::vector<std::string>& lines, size_t* at) {
    const std::string& text = lines[*at];
    const int number = static_cast<int>(*at) + 1;
    std::string reason;
    int column = 0;
    if (!CheckBytes(text, IsComment(text), &reason, &column))
        return Fail(number, column, reason);
    if (IsComment(text))
        return true;
    std::vector<Word> words = SplitWords(text);
    const std::string& verb = words[0].text;
    if (legendOnly_ && verb != "legend")
        return Fail(number, words[0].column, "a legend file holds only 'legend' lines");
    if (verb == "name")
        return NameLine(text, words, number);
    if (verb != "map")
        return Directive(words, number);
    if (words.size() > 1)
        return Fail(number, words[1].column, "'map' takes nothing after it");
    if (seenMap_)
        return Fail(number, words[0].column, "a second 'map'");
    seenMap_ = true;
    return Block(lines, at, &level_->map);
}

// Rows up to a line "end"; each row is taken as it stands.
bool Parser::Block(const std::vector<std::string>& lines, size_t* at, MapBlock* block) {
    const int opened = static_cast<int>(*at) + 1;
    block->pos = {opened + 1, 1};
    for (++*at; *at < lines.size(); ++*at) {
        if (lines[*at] == "end")
            return true;
        const int line = static_cast<int>(*at) + 1;
        std::string reason;
        int column = 0;
        if (!CheckBytes(lines[*at], false, &reason, &column))
            return Fail(line, column, reason);
        if (block->rows.size() >= kMaxMapRows)
            return Fail(line, 1, "a map has at most 1000 rows");
        block->rows.push_back(lines[*at]);
    }
    return Fail(opened, 1, "this block has no line 'end'");
}

bool Parser::Directive(const std::vector<Word>& words, int line) {
    const std::string& verb = words[0].text;
    if (verb == "level")
        return LevelLine(words, line);
    if (verb == "legend")
        return LegendLine(words, line);
    if (verb == "origin")
        return OriginLine(words, line);
    if (verb == "pawn")
        return PawnLine(words, line);
    if (verb == "solution")
        return SolutionLine(words, line);
    if (verb == "picture")
        return FileLine(words, line, &level_->picture, &level_->picturePos);
    if (verb == "music")
        return FileLine(words, line, &level_->music, &level_->musicPos);
    if (!Contains(options_.extraDirectives, verb))
        return Fail(line, words[0].column, "unknown line '" + verb + "'");
    level_->extras.push_back({{}, {line, words[0].column}});
    for (const Word& word : words)
        level_->extras.back().words.push_back(word.text);
    return true;
}

bool Parser::LevelLine(const std::vector<Word>& words, int line) {
    long number = 0;
    if (level_->number != 0)
        return Fail(line, words[0].column, "a second 'level' line");
    if (words.size() != 2 || !ParseInteger(words[1].text, 1, kMaxLevelNumber, &number))
        return Fail(line, words[0].column, "expected 'level N' with N from 1 to 999");
    level_->number = static_cast<int>(number);
    level_->numberPos = {line, words[0].column};
    return true;
}

bool Parser::NameLine(const std::string& text, const std::vector<Word>& words, int line) {
    if (level_->hasName)
        return Fail(line, words[0].column, "a second 'name' line");
    if (words.size() < 2)
        return Fail(line, words[0].column, "'name' needs the level's name after it");
    size_t end = text.find_last_not_of(" \t");
    level_->name = text.substr(words[1].column - 1, end + 2 - words[1].column);
    level_->hasName = true;
    return true;
}

// "picture FILE" or "music FILE": one file of the data folder, without blanks.
bool Parser::FileLine(const std::vector<Word>& words, int line, std::string* name, SourcePos* pos) {
    const std::string& verb = words[0].text;
    if (!name->empty())
        return Fail(line, words[0].column, "a second '" + verb + "' line");
    if (words.size() != 2)
        return Fail(line, words[0].column, "expected '" + verb + " FILE', a file of gamedata");
    *name = words[1].text;
    *pos = {line, words[1].column};
    return true;
}

bool Parser::LegendLine(const std::vector<Word>& words, int line) {
    if (words.size() < 2 || words[1].text.size() != 1 || words[1].text[0] == kEmptyCell)
        return Fail(line, words[0].column, "expected 'legend C SLOT...' with one character C");
    const char c = words[1].text[0];
    if (std::find(ownLegend_.begin(), ownLegend_.end(), c) != ownLegend_.end())
        return Fail(line, words[1].column, std::string("a second legend entry for '") + c + "'");
    LegendEntry entry{{}, file_, {line, words[1].column}};
    for (size_t i = 2; i < words.size() && IsAllDigits(words[i].text); ++i) {
        long slot = 0;
        if (!ParseInteger(words[i].text, 0, kLastListNumber, &slot))
            return Fail(line, words[i].column,
                        "template slot " + words[i].text + " is out of range (0 to 90)");
        entry.slots.push_back(static_cast<int>(slot));
    }
    if (entry.slots.empty())
        return Fail(line, words[1].column,
                    std::string("legend entry '") + c + "' names no template slot");
    ownLegend_.push_back(c);
    level_->legend[c] = entry;
    return true;
}

bool Parser::OriginLine(const std::vector<Word>& words, int line) {
    float x = 0.0f, y = 0.0f;
    bool ok = words.size() == 3 && ParseFloat(words[1].text, &x) && ParseFloat(words[2].text, &y);
    if (!ok || x != std::round(x / kCellSize) * kCellSize ||
        y != std::round(y / kCellSize) * kCellSize)
        return Fail(line, words[0].column, "expected 'origin X Y' with multiples of 20");
    level_->hasOrigin = true;
    level_->originX = x;
    level_->originY = y;
    return true;
}

bool Parser::PawnLine(const std::vector<Word>& words, int line) {
    long slot = 0;
    if (words.size() < 2)
        return Fail(line, words[0].column, "expected 'pawn SLOT KEY=VALUE...'");
    if (!ParseInteger(words[1].text, 0, kLastListNumber, &slot))
        return Fail(line, words[1].column,
                    "template slot " + words[1].text + " is out of range (0 to 90)");
    PlacedPawn pawn;
    pawn.slot = static_cast<int>(slot);
    pawn.pos = {line, words[0].column};
    for (size_t i = 2; i < words.size(); ++i)
        if (!PawnValue(words[i], line, &pawn))
            return false;
    level_->pawnLines.push_back(pawn);
    return true;
}

bool Parser::PawnValue(const Word& word, int line, PlacedPawn* pawn) {
    size_t equals = word.text.find('=');
    std::string key = word.text.substr(0, equals);
    std::string value = equals == std::string::npos ? "" : word.text.substr(equals + 1);
    long number = 0;
    if (key == "Type" || key == "Visible") {
        bool ok = ParseInteger(value, INT32_MIN, INT32_MAX, &number);
        (key == "Type" ? pawn->type : pawn->visible) = static_cast<int32_t>(number);
        return Expect(ok, word, line, key + " needs a whole number");
    }
    for (const PlacementKey& k : kPlacementKeys)
        if (key == k.name)
            return Expect(ParseFloat(value, &(pawn->placement.*k.field)), word, line,
                          key + " needs a finite decimal number");
    return Fail(
        line, word.column,
        "unknown pawn key '" + key + "' (Type, Visible, the angles, offsets, stretches, opacity)");
}

bool Parser::SolutionLine(const std::vector<Word>& words, int line) {
    for (size_t i = 1; i < words.size(); ++i) {
        if (!IsKeyName(words[i].text))
            return Fail(line, words[i].column,
                        "unknown key '" + words[i].text + "' (" + KeyNameList() + ")");
        level_->solution.push_back(words[i].text);
    }
    return true;
}

bool Parser::CheckMapCell(char c, int line, int column) {
    if (c == kEmptyCell)
        return true;
    if (level_->legend.count(c) == 0)
        return Fail(line, column, std::string("unknown map character '") + c + "'");
    if (c != kOriginCell || level_->hasOrigin)
        return true;
    if (level_->heroRow >= 0)
        return Fail(line, column, "a second '@': a level has one hero start");
    level_->heroRow = line - level_->map.pos.line;
    level_->heroColumn = column - 1;
    return true;
}

bool Parser::CheckMap() {
    const MapBlock& map = level_->map;
    for (size_t row = 0; row < map.rows.size(); ++row) {
        const std::string& text = map.rows[row];
        const int line = map.pos.line + static_cast<int>(row);
        if (text.size() != map.rows[0].size())
            return Fail(line, static_cast<int>(std::min(text.size(), map.rows[0].size())) + 1,
                        "this row is " + std::to_string(text.size()) +
                            " cells long, the first row " + std::to_string(map.rows[0].size()));
        for (size_t column = 0; column < text.size(); ++column)
            if (!CheckMapCell(text[column], line, static_cast<int>(column) + 1))
                return false;
    }
    if (!seenMap_ || level_->hasOrigin || level_->heroRow >= 0 || legendOnly_)
        return true;
    return Fail(map.pos.line - 1, 1, "the map has no '@' (the hero's start) and no 'origin' line");
}

}  // namespace

const PlacementKey kPlacementKeys[10] = {
    {"xangle", &Transform::xangle},     {"yangle", &Transform::yangle},
    {"zangle", &Transform::zangle},     {"xoffset", &Transform::xoffset},
    {"yoffset", &Transform::yoffset},   {"zoffset", &Transform::zoffset},
    {"xstretch", &Transform::xstretch}, {"ystretch", &Transform::ystretch},
    {"zstretch", &Transform::zstretch}, {"opacity", &Transform::opacity},
};

bool ParseLegend(const std::string& text, const std::string& file, Legend* legend,
                 Diagnostic* error) {
    LevelText level;
    level.legend = *legend;
    ParseOptions none;
    if (!Parser(file, &level, none, error).Run(text, true))
        return false;
    *legend = level.legend;
    return true;
}

bool ParseLevel(const std::string& text, const std::string& file, LevelText* level,
                Diagnostic* error, const ParseOptions& options) {
    level->file = file;
    return Parser(file, level, options, error).Run(text, false);
}

std::vector<PlacedPawn> MapPawns(const LevelText& level) {
    std::vector<PlacedPawn> pawns;
    const MapBlock& map = level.map;
    for (size_t row = 0; row < map.rows.size(); ++row)
        for (size_t column = 0; column < map.rows[row].size(); ++column) {
            char c = map.rows[row][column];
            if (c == kEmptyCell)
                continue;
            PlacedPawn pawn;
            pawn.pos = {map.pos.line + static_cast<int>(row), static_cast<int>(column) + 1};
            CellPosition(level, static_cast<int>(row), static_cast<int>(column),
                         &pawn.placement.xoffset, &pawn.placement.yoffset);
            for (int slot : level.legend.at(c).slots) {
                pawn.slot = slot;
                pawns.push_back(pawn);
            }
        }
    return pawns;
}

void CellPosition(const LevelText& level, int row, int column, float* x, float* y) {
    if (level.hasOrigin) {
        *x = level.originX + static_cast<float>(column) * kCellSize;
        *y = level.originY - static_cast<float>(row) * kCellSize;
        return;
    }
    *x = static_cast<float>(column - level.heroColumn) * kCellSize;
    *y = static_cast<float>(level.heroRow - row) * kCellSize;
}

bool IsKeyName(const std::string& word) {
    return IsPlayKey(KeyCodeNamed(word));
}
