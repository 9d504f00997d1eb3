#include "flow_fixture.h"

#include "core/fatal_error.h"
#include "game/draw_list.h"
#include "game/game_frame.h"
#include "game/level_changes.h"
#include "platform/sys_clock.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "support/level_pointers.h"
#include "support/test_xml.h"

namespace game_test {

std::vector<PlayedSound> FlowTest::played;
std::vector<std::string> FlowTest::fatalErrors;

void RecordSound(int slot, SoundOp op, const char* file, bool) {
    FlowTest::played.push_back({slot, op, file ? file : ""});
}

namespace {

void Blocks(PawnTemplate& t) {
    t.BlocksCrate = t.BlocksHero = t.BlocksRock = 1;
}

void MakeTemplates() {
    ResetPawnTemplates();
    PawnTemplates[kHero].SpecialFlag = kFlagHero;
    PawnTemplates[kHero].WeightHero = 1;
    Blocks(PawnTemplates[kWall]);
    PawnTemplates[kDeadly].ID = kIdDeadly;
    PawnTemplates[kExit].ID = kIdExit;
    PawnTemplates[kOneShotThree].SpecialFlag = kFlagOneShot;
    PawnTemplates[kOneShotSingle].SpecialFlag = kFlagOneShot;
    for (int frames = 0; frames < 3; ++frames)
        PawnTemplates[kOneShotThree].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[kOneShotSingle].Frames.PushBack(LinkedList<FramePart>());
    for (int frames = 0; frames < 2; ++frames)
        PawnTemplates[kLooping].Frames.PushBack(LinkedList<FramePart>());
}

// Every module the flow touches, as at start-up.
void ResetGame() {
    ResetFlowState();
    ResetGameState();
    ClearLevel();
    ResetLevelLists();
    ResetDrawList();
}

}  // namespace

void RecordingAssets::LoadJpegTexture(int* textures, const char* path, int) {
    pictures.push_back(path);
    *textures = static_cast<int>(pictures.size());
    Headless_AdvanceClock(loadMs);
}

void FlowTest::SetUp() {
    MakeTemplates();
    ResetGame();
    played.clear();
    fatalErrors.clear();
    SetSoundObserver(RecordSound);
    SetFatalErrorHandler([](const char* text) { fatalErrors.push_back(text); });
    SetTemplateAssets(&assets);
    Sys_StartHeadless(HeadlessOptions());
    Headless_SetClock(1000);
}

void FlowTest::TearDown() {
    Sys_Stop();
    SetTemplateAssets(nullptr);
    SetFatalErrorHandler(nullptr);
    SetSoundObserver(nullptr);
    ResetGame();
    ResetPawnTemplates();
}

void FlowTest::Add(int level, int slot, float x, float y) {
    levels_[level].push_back(PawnSection(static_cast<int>(levels_[level].size()) + 1, slot, x, y));
}

void FlowTest::AddFloorAndHero(int level) {
    for (float x = -40.0f; x <= 200.0f; x += kCellSize)
        Add(level, kWall, x, -kCellSize);
    Add(level, kHero, 0.0f, 0.0f);
}

void FlowTest::WriteLevels() {
    std::string levels;
    for (size_t level = 1; level < levels_.size(); ++level) {
        std::string pawns;
        for (const std::string& pawn : levels_[level])
            pawns += pawn;
        levels += Section("Level" + std::to_string(level), pawns);
    }
    data_.Write("levels.xml", Root(levels));
}

void FlowTest::Pass() {
    FrameStartTick = GetTickCount();
    GameFrame();
    EXPECT_TRUE(LevelPointersValid()) << "after the pass at " << FrameStartTick;
}

void FlowTest::Spin(uint32_t ms) {
    for (uint32_t i = 0; i < ms; ++i) {
        Headless_AdvanceClock(1);
        Pass();
    }
}

void FlowTest::StartLevelAndPlay(int level) {
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    CurrentLevel = level;
    for (int i = 0; i < 3 && LevelPhase != kPhasePlaying; ++i)
        Pass();
    ASSERT_EQ(LevelPhase, kPhasePlaying);
    Pass();  // the timers restart here, as the load asked
    ASSERT_FALSE(TimerResetRequested);
}

uint32_t FlowTest::Now() const {
    return GetTickCount();
}

Pawn* FlowTest::Find(int slot) const {
    for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        if (node->data.Template == &PawnTemplates[slot])
            return &node->data;
    return nullptr;
}

int FlowTest::CountPlayed(int slot) const {
    int count = 0;
    for (const PlayedSound& s : played)
        count += s.slot == slot && s.op == SoundOp::PlayOnce;
    return count;
}

}  // namespace game_test
