#pragma once
// The game flow driven through time on the headless back end: levels written
// to a scratch data folder, a virtual clock moved as the main loop would see
// it, the loading pictures recorded instead of decoded (each can be made to
// take time), and a record of the sounds played and the data errors
// reported. After every pass nothing may point at a pawn the level no longer
// holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_frame.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "platform/sys_clock.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "sound/sound_observer.h"
#include "support/data_folder.h"
#include "support/level_pointers.h"
#include "support/test_xml.h"
#include "world/template_assets.h"
#include "world/template_roles.h"

namespace game_test {

// The flow tests' own template slots, beside the loading picture's.
enum FlowSlot { kHero = 0, kWall = 1, kDeadly = 2, kExit = 3, kOneShot3 = 40, kOneShot1, kLooping };
constexpr int kKeyUp = 0x26, kKeyRight = 0x27, kKeyX = 0x58;

struct PlayedSound {
    int slot;
    SoundOp op;
    std::string file;
};
inline std::vector<PlayedSound> played;
inline std::vector<std::string> fatalErrors;
inline uint32_t musicLoadMs = 0;  // virtual time the stage music takes to load

inline void RecordSound(int slot, SoundOp op, const char* file, bool) {
    played.push_back({slot, op, file ? file : ""});
    if (op == SoundOp::Load && std::string(file).find("stage") != std::string::npos)
        Headless_AdvanceClock(musicLoadMs);
}

class RecordingAssets : public TemplateAssets {
  public:
    bool LoadModel(const char*, int) override { return false; }
    void LoadJpegTexture(int* textures, const char* path, int) override {
        pictures.push_back(path);
        *textures = static_cast<int>(pictures.size());
        Headless_AdvanceClock(loadMs);
    }
    std::vector<std::string> pictures;
    uint32_t loadMs = 0;  // virtual time each picture takes to load
};

class FlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        PawnTemplates[kHero].SpecialFlag = kFlagHero;
        PawnTemplates[kHero].WeightHero = 1;
        PawnTemplate& wall = PawnTemplates[kWall];
        wall.BlocksCrate = wall.BlocksHero = wall.BlocksRock = 1;
        PawnTemplates[kDeadly].ID = kIdDeadly;
        PawnTemplates[kExit].ID = kIdExit;
        PawnTemplates[kOneShot3].SpecialFlag = PawnTemplates[kOneShot1].SpecialFlag = kFlagOneShot;
        for (int slot : {kOneShot3, kOneShot3, kOneShot3, kOneShot1, kLooping, kLooping})
            PawnTemplates[slot].Frames.PushBack(LinkedList<FramePart>());
        SetSoundObserver(RecordSound);
        SetFatalErrorHandler([](const char* text) { fatalErrors.push_back(text); });
        SetTemplateAssets(&assets);
        Sys_StartHeadless(HeadlessOptions());
        Headless_SetClock(1000);
    }
    void TearDown() override {
        Sys_Stop();
        SetTemplateAssets(nullptr);
        SetFatalErrorHandler(nullptr);
        SetSoundObserver(nullptr);
        ResetAll();
    }
    // Every module the flow touches, as at start-up.
    static void ResetAll() {
        ResetPawnTemplates();
        ResetFlowState();
        ResetGameState();
        ClearLevel();
        ResetLevelLists();
        ResetDrawList();
        played.clear();
        fatalErrors.clear();
        musicLoadMs = 0;
    }

    // A pawn of a level of the file that WriteLevels writes.
    void Add(int level, int slot, float x, float y) {
        levels_[level] += PawnSection(++counts_[level], slot, x, y);
    }
    // The usual start: a floor from -40 to 200 under row 0 and the hero at 0.
    void AddFloorAndHero(int level) {
        for (float x = -40.0f; x <= 200.0f; x += kCellSize)
            Add(level, kWall, x, -kCellSize);
        Add(level, kHero, 0.0f, 0.0f);
    }
    void WriteLevels() {
        data_.Write("levels.xml",
                    Root(Section("Level1", levels_[1]) + Section("Level2", levels_[2])));
    }

    // One main-loop pass at the current virtual time.
    void Pass() {
        FrameStartTick = GetTickCount();
        GameFrame();
        EXPECT_TRUE(LevelPointersValid()) << "after the pass at " << FrameStartTick;
    }
    // Moves the clock on by `ms` one millisecond per pass, as a spinning loop.
    void Spin(uint32_t ms) {
        for (uint32_t i = 0; i < ms; ++i) {
            Headless_AdvanceClock(1);
            Pass();
        }
    }
    // Spins until `done` holds (at most `limitMs`); false when it never did.
    template <typename Done>
    bool SpinUntil(Done done, uint32_t limitMs = 10000) {
        for (uint32_t i = 0; i < limitMs && !done(); ++i)
            Spin(1);
        return done();
    }
    // From StartLevel of `level` through the first Playing pass, which
    // restarts the timers.
    void StartLevelAndPlay(int level) {
        GameState = kGameRunning;
        LevelPhase = kPhaseStartLevel;
        CurrentLevel = level;
        for (int i = 0; i < 3 && LevelPhase != kPhasePlaying; ++i)
            Pass();
        ASSERT_EQ(LevelPhase, kPhasePlaying);
        Pass();  // the timers restart here, as the load asked
        ASSERT_FALSE(TimerResetRequested);
    }
    static uint32_t Now() { return GetTickCount(); }
    static Pawn* Find(int slot) {
        for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
            if (node->data.Template == &PawnTemplates[slot])
                return &node->data;
        return nullptr;
    }
    static int CountPlayed(int slot) {
        int count = 0;
        for (const PlayedSound& s : played)
            count += s.slot == slot && s.op == SoundOp::PlayOnce;
        return count;
    }

    RecordingAssets assets;

  private:
    DataFolder data_;
    std::string levels_[3];
    int counts_[3] = {};
};

}  // namespace game_test
