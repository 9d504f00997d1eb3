// Every rule case of tests/rules, played by the real game headless over a copy
// of the shipped data: a level file whose "map" rows stand beside the rows
// expected once its keys have come to rest, which may name the sounds heard,
// bombs, deaths and a finished level. The index and frames must stay sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "core/sound_names.h"
#include "level_folder.h"
#include "levels_xml.h"
#include "replay_input.h"
#include "replay_run.h"
#include "shell/game_main.h"
#include "sound/sound_observer.h"
#include "support/data_folder.h"
#include "support/index_check.h"
#include "text_lines.h"
#include "tool_templates.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(KORVATH_SOURCE_DIR) / "tests" / "rules";

// What a case expects, or what a run of it left behind, as comparable text.
struct Outcome {
    std::vector<std::string> map, sounds, problems;
    int bombs = 0, deaths = 0;
    bool finished = false, checkSounds = false;

    std::string Text() const {
        std::string text;
        for (const std::string& row : map)
            text += row + "\n";
        text += "bombs " + std::to_string(bombs) + ", deaths " + std::to_string(deaths) +
                (finished ? ", finished\n" : "\n");
        if (checkSounds)
            for (const std::string& sound : sounds)
                text += "sound " + sound + "\n";
        for (const std::string& problem : problems)
            text += problem + "\n";
        return text;
    }
};

struct RuleCase {
    LevelText level;
    std::string keys;  // the "next" lines
    Outcome expected;
};

// The case's text, its side-by-side rows split into map and expected rows.
bool ReadCase(const std::string& name, const Legend& legend, RuleCase* rule, std::string* error) {
    std::ifstream in(kCases / (name + ".txt"));
    std::string text, map;
    bool inMap = false;
    for (std::string line; std::getline(in, line);) {
        const std::vector<Word> words = SplitWords(line);
        if (inMap && words.size() != 2) {
            *error = "a map row must stand beside its expected row: '" + line + "'";
            return false;
        }
        if (inMap)
            map += words[0].text + "\n", rule->expected.map.push_back(words[1].text);
        else
            text += line + "\n";
        inMap = inMap || line == "map";
    }
    ParseOptions options;
    options.extraDirectives = {"keys", "sounds", "bombs", "deaths", "finished"};
    Diagnostic problem;
    rule->level.legend = legend;
    if (!ParseLevel(text + map + "end\n", name, &rule->level, &problem, options)) {
        *error = problem.Text();
        return false;
    }
    rule->level.number = 1;
    for (const ExtraLine& extra : rule->level.extras) {
        const std::string& verb = extra.words[0];
        const std::vector<std::string> rest(extra.words.begin() + 1, extra.words.end());
        for (const std::string& keys : rest)
            rule->keys += verb == "keys" ? "next " + keys + "\n" : "";
        if (verb == "sounds")
            rule->expected.sounds = rest, rule->expected.checkSounds = true;
        if (verb == "bombs" || verb == "deaths")
            (verb == "bombs" ? rule->expected.bombs : rule->expected.deaths) =
                std::stoi(rest.at(0));
        rule->expected.finished |= verb == "finished";
    }
    return true;
}

// Every pawn shows a frame its template has; a frame past the end draws nothing.
std::string BrokenInvariant(const Position& position) {
    ::testing::AssertionResult index = IndexValid(position);
    if (!index)
        return index.message();
    for (const Pawn& pawn : position.LevelPawns) {
        const int last = std::max(pawn.Template->Frames.LastIndex(), 0);
        if (pawn.Frame < 0 || pawn.Frame > last)
            return "template slot " + std::to_string(pawn.Template - PawnTemplates) +
                   " shows frame " + std::to_string(pawn.Frame);
    }
    return "";
}

// The world pawns drawn in the case map's frame and legend; pawns off the
// grid, and cells no legend character stands for, become problems.
void DrawMap(const LevelText& level, const Position& position, Outcome* outcome) {
    float left = 0.0f, top = 0.0f;
    CellPosition(level, 0, 0, &left, &top);
    const float rows = static_cast<float>(level.map.rows.size());
    const float columns = rows > 0 ? static_cast<float>(level.map.rows[0].size()) : 0.0f;
    std::map<std::pair<int, int>, std::vector<int>> cells;
    for (const Pawn& pawn : position.LevelPawns) {
        const int slot = static_cast<int>(pawn.Template - PawnTemplates);
        const float column = (pawn.Placement.xoffset - left) / kCellSize;
        const float row = (top - pawn.Placement.yoffset) / kCellSize;
        if (pawn.Type != kWorldPawn)
            continue;  // the loading picture is fixed to the screen
        if (column == std::floor(column) && row == std::floor(row) && column >= 0 && row >= 0 &&
            row < rows && column < columns)
            cells[{static_cast<int>(row), static_cast<int>(column)}].push_back(slot);
        else
            outcome->problems.push_back("stray: slot " + std::to_string(slot) + " at " +
                                        FormatFloat(pawn.Placement.xoffset) + ", " +
                                        FormatFloat(pawn.Placement.yoffset));
    }
    for (const std::string& row : level.map.rows)
        outcome->map.push_back(std::string(row.size(), kEmptyCell));
    for (auto& [cell, slots] : cells) {
        std::sort(slots.begin(), slots.end());
        char& c = outcome->map[cell.first][cell.second] = '?';
        for (const auto& [character, entry] : level.legend) {
            std::vector<int> wanted = entry.slots;
            std::sort(wanted.begin(), wanted.end());
            c = wanted == slots ? character : c;
        }
    }
}

Outcome Play(const std::string& name, const RuleCase& rule) {
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_TRUE(ParseInput(rule.keys, name, &events, &error)) << error;
    CompiledLevel level{1, rule.level.name, rule.level.hasName, OrderedPawns(rule.level), "", ""};
    std::ofstream("gamedata/levels.xml") << LevelsXml({level});
    Outcome outcome;
    outcome.checkSounds = rule.expected.checkSounds;
    bool wasDead = false;
    std::string broken;
    ReplayHooks hooks;
    const Position& position = MainLoop().game.position;
    hooks.afterFrame = [&] {
        outcome.deaths += position.HeroDead && !wasDead;
        wasDead = position.HeroDead;
        broken = broken.empty() ? BrokenInvariant(position) : broken;
    };
    hooks.onSound = [&](int slot, SoundOp op) {
        if (op == SoundOp::PlayOnce)
            outcome.sounds.push_back(slot >= 0 && slot < kSoundSlotCount
                                         ? kSoundSlots[slot].name
                                         : "slot" + std::to_string(slot));
    };
    ReplayOptions options;
    options.noRender = true;
    if (const char* keep = std::getenv("KORVATH_KEEP_TRACES")) {  // a folder for the traces
        fs::create_directories(fs::path(keep) / "rules");
        options.trace = (fs::path(keep) / "rules" / (name + ".jsonl")).string();
    }
    EXPECT_EQ(RunReplay(options, events, &hooks), 0) << "the replay did not end normally";
    outcome.bombs = position.BombCount;
    outcome.finished = position.LevelFinished;
    DrawMap(rule.level, position, &outcome);
    if (!broken.empty())
        outcome.problems.push_back("broken during the run: " + broken);
    return outcome;
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCases))
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The shipped data, but for the level store each case writes.
class RuleCases : public ::testing::TestWithParam<std::string> {
  protected:
    static void SetUpTestSuite() {
        const fs::path data = fs::path(KORVATH_SOURCE_DIR) / "gamedata";
        Diagnostic problem;
        ASSERT_TRUE(ReadDefaultLegend((data / "levels").string(), &legend_, &problem))
            << problem.Text();
        folder_ = std::make_unique<DataFolder>();
        for (const fs::directory_entry& entry : fs::directory_iterator(data))
            if (entry.path().filename() != "levels")
                fs::copy(entry.path(), "gamedata" / entry.path().filename(),
                         fs::copy_options::recursive);
        std::string error;
        ASSERT_TRUE(LoadToolTemplates(&error)) << error;
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static Legend legend_;
    static std::unique_ptr<DataFolder> folder_;
};

Legend RuleCases::legend_;
std::unique_ptr<DataFolder> RuleCases::folder_;

TEST_P(RuleCases, Holds) {
    RuleCase rule;
    std::string error;
    ASSERT_TRUE(ReadCase(GetParam(), legend_, &rule, &error)) << error;
    EXPECT_EQ(Play(GetParam(), rule).Text(), rule.expected.Text());
}

INSTANTIATE_TEST_SUITE_P(Case, RuleCases, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

}  // namespace
