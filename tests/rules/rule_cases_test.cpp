// Runs every rule case of tests/rules through the real loaders and the real
// game on the headless back end: the case's map becomes the level store, its
// keys are pressed as "next" presses, and the level is compared with what
// the case expects once everything has come to rest.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "game/flow_state.h"
#include "level_folder.h"
#include "levels_xml.h"
#include "replay_input.h"
#include "replay_run.h"
#include "rule_case.h"
#include "rules_invariants.h"
#include "sound/sound_observer.h"
#include "tool_templates.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSource = KORVATH_SOURCE_DIR;

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSource / "tests" / "rules"))
        if (entry.path().extension() == ".txt" && entry.path().filename() != "CMakeLists.txt")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The shipped data, but for the level store each case writes.
class RuleCases : public ::testing::TestWithParam<std::string> {
  protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/korvath_rules_XXXXXX";
        root_ = mkdtemp(pattern);
        fs::copy(kSource / "gamedata", root_ / "gamedata", fs::copy_options::recursive);
        fs::remove_all(root_ / "gamedata" / "levels");
        home_ = fs::current_path();
        fs::current_path(root_);
        std::string error;
        ASSERT_TRUE(LoadToolTemplates(&error)) << error;
    }
    static void TearDownTestSuite() {
        fs::current_path(home_);
        fs::remove_all(root_);
    }

    static fs::path root_;
    static fs::path home_;
};

fs::path RuleCases::root_;
fs::path RuleCases::home_;

void WriteLevel(const RuleCase& rule) {
    CompiledLevel level{1, rule.level.name, rule.level.hasName, OrderedPawns(rule.level)};
    std::ofstream("gamedata/levels.xml") << LevelsXml({level});
}

std::vector<InputEvent> Presses(const RuleCase& rule) {
    std::string text;
    for (const std::string& keys : rule.keys)
        text += "next " + keys + "\n";
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_TRUE(ParseInput(text, "keys", &events, &error)) << error;
    return events;
}

// Runs the case and notes what the game did on the way.
RuleOutcome Play(const std::string& name, const RuleCase& rule, int* status) {
    RuleOutcome outcome;
    bool wasDead = false;
    ReplayHooks hooks;
    hooks.afterFrame = [&] {
        if (HeroDead && !wasDead)
            ++outcome.deaths;
        wasDead = HeroDead;
        if (outcome.brokenInvariant.empty())
            outcome.brokenInvariant = BrokenInvariant();
    };
    hooks.onSound = [&](int slot, SoundOp op) {
        if (op == SoundOp::PlayOnce)
            outcome.sounds.push_back(SoundName(slot));
    };
    ReplayOptions options;
    options.noRender = true;
    if (const char* keep = std::getenv("KORVATH_KEEP_TRACES")) {  // a folder for the traces
        fs::create_directories(fs::path(keep) / "rules");
        options.trace = (fs::path(keep) / "rules" / (name + ".jsonl")).string();
    }
    ResetFlowState();
    *status = RunReplay(options, Presses(rule), &hooks);
    outcome.bombs = BombCount;
    outcome.finished = LevelFinished;
    DrawLevelMap(rule.level, &outcome);
    return outcome;
}

TEST_P(RuleCases, Holds) {
    const std::string path = (kSource / "tests" / "rules" / (GetParam() + ".txt")).string();
    Legend legend;
    Diagnostic problem;
    ASSERT_TRUE(ReadDefaultLegend((kSource / "gamedata" / "levels").string(), &legend, &problem))
        << problem.Text();
    RuleCase rule;
    std::string error;
    ASSERT_TRUE(ReadRuleCase(path, legend, &rule, &error)) << error;
    WriteLevel(rule);
    int status = -1;
    RuleOutcome outcome = Play(GetParam(), rule, &status);
    EXPECT_EQ(status, 0) << "the replay of " << path << " did not end normally";
    std::string differences = CompareOutcome(rule, outcome);
    EXPECT_TRUE(differences.empty()) << path << "\n" << differences;
}

INSTANTIATE_TEST_SUITE_P(Case, RuleCases, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

}  // namespace
