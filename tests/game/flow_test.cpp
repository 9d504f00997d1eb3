// The course of a level through GameFrame (the loading picture, death and
// restore, the exit and the next level, the end picture, the animation step)
// and its pace: the fixed-period timers across the clock's wrap, no burst of
// ticks after a slow load, and the wake-up time GameFrameNextDue gives. The
// flow runs on the headless back end: levels written to a scratch data
// folder, a virtual clock moved as the main loop would see it, the loading
// pictures recorded instead of decoded (each can be made to take time), and
// the sounds played and data errors reported recorded. After every pass
// nothing may point at a pawn the level no longer holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "core/keys.h"
#include "game/draw_list.h"
#include "game/flow_state.h"
#include "game/game_frame.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "platform/sys_clock.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "sound/sound_observer.h"
#include "support/data_folder.h"
#include "support/level_pointers.h"
#include "support/test_xml.h"
#include "world/template_assets.h"
#include "world/template_roles.h"

namespace {

// The flow tests' own template slots, beside the loading picture's.
enum FlowSlot { kHero = 0, kWall = 1, kDeadly = 2, kExit = 3, kOneShot3 = 40, kOneShot1, kLooping };

struct PlayedSound {
    int slot;
    SoundOp op;
    std::string file;
};
std::vector<PlayedSound> played;
std::vector<std::string> fatalErrors;
uint32_t musicLoadMs = 0;  // virtual time the stage music takes to load

void RecordSound(int slot, SoundOp op, const char* file, bool) {
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

TEST_F(FlowTest, LoadingPictureStaysUpBeyondThePhasePeriodWhenTheLevelLoadsAtOnce) {
    AddFloorAndHero(1);
    WriteLevels();
    const uint32_t shown = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(assets.pictures, std::vector<std::string>{"./gamedata\\loading1.jpg"});
    EXPECT_EQ(Now() - shown, 2002u);
    const Pawn& picture = LevelPawns.head->data;
    EXPECT_EQ(picture.Template, &PawnTemplates[kSlotLoadingPicture]);
    EXPECT_EQ(picture.Type, kFixedPawn);
    EXPECT_EQ(picture.Motion.opacity, 0.0f);
    EXPECT_EQ(SavedPawns.LastIndex(), LevelPawns.LastIndex());
    ASSERT_GE(played.size(), 2u);
    const PlayedSound& load = played[played.size() - 2];
    EXPECT_EQ(load.op, SoundOp::Load);
    EXPECT_EQ(load.slot, kSoundMusic);
    EXPECT_EQ(load.file, "./gamedata\\sound\\stage1.wav");
    EXPECT_EQ(played.back().op, SoundOp::PlayLooping);
}

TEST_F(FlowTest, DeadHeroStandingOnTheDeadlyCellIsRestoredOnlyAfterThePhasePeriod) {
    AddFloorAndHero(1);
    Add(1, kDeadly, 20, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    KeyDown[kKeyRight] = 1;
    ASSERT_TRUE(SpinUntil([] { return HeroDead; }));
    KeyDown[kKeyRight] = 0;
    const uint32_t died = Now();
    // He stays on the deadly cell: the death is not repeated, so the phase
    // timer is not pushed back and the restore comes on time.
    Spin(2001);
    EXPECT_TRUE(HeroDead);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 20.0f);
    Spin(1);
    EXPECT_EQ(Now() - died, 2002u);
    EXPECT_FALSE(HeroDead);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

TEST_F(FlowTest, DeathThenExitRestoresFirstAndStartsTheNextLevelOnTheFollowingFiring) {
    AddFloorAndHero(1);
    Add(1, kDeadly, 20, 0);
    Add(1, kExit, 40, 0);
    AddFloorAndHero(2);
    WriteLevels();
    StartLevelAndPlay(1);
    KeyDown[kKeyRight] = 1;
    ASSERT_TRUE(SpinUntil([] { return HeroDead; }));
    // Keys count again once the death's cooldown has run out.
    ASSERT_TRUE(SpinUntil(
        [] { return PlayerPawn->Placement.xoffset == 40.0f && MoveFinished(*PlayerPawn); }));
    KeyDown[kKeyRight] = 0;
    KeyDown[kKeyUp] = 1;
    ASSERT_TRUE(SpinUntil([] { return LevelFinished; }));
    KeyDown[kKeyUp] = 0;
    const uint32_t entered = Now();
    ASSERT_LT(entered - PhaseTimer.last, 1u);
    ASSERT_TRUE(SpinUntil([] { return !HeroDead; }));
    EXPECT_EQ(Now() - entered, 2002u);
    EXPECT_TRUE(LevelFinished);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
    EXPECT_EQ(CurrentLevel, 1);
    ASSERT_TRUE(SpinUntil([] { return LevelPhase != kPhasePlaying; }));
    EXPECT_EQ(Now() - entered, 4003u);
    EXPECT_EQ(CurrentLevel, 2);
    EXPECT_FALSE(LevelFinished);
    Pass();  // StartLevel: the old level is gone, and nothing points into it
    EXPECT_EQ(LevelPawns.head, nullptr);
    EXPECT_EQ(DrawList.head, nullptr);
    Pass();
    ASSERT_EQ(assets.pictures.size(), 2u);
    EXPECT_EQ(assets.pictures[1], "./gamedata\\loading2.jpg");
    Pass();
    EXPECT_EQ(LevelPhase, kPhasePlaying);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 0.0f);
}

TEST_F(FlowTest, ExitOfTheLastLevelShowsTheEndPictureAndNothingMoreHappens) {
    AddFloorAndHero(2);
    Add(2, kExit, 0, 0);
    WriteLevels();
    StartLevelAndPlay(2);
    KeyDown[kKeyUp] = 1;
    ASSERT_TRUE(SpinUntil([] { return LevelPhase == kPhaseLoadingScreen; }));
    Pass();
    EXPECT_EQ(LevelPhase, kPhaseEnded);
    ASSERT_EQ(assets.pictures.size(), 2u);
    EXPECT_EQ(assets.pictures[1], "./gamedata\\demo_end.jpg");
    EXPECT_EQ(PlayerPawn, nullptr);
    const size_t sounds = played.size();
    KeyDown[kKeyX] = KeyDown[kKeyRight] = 1;
    Spin(3000);
    EXPECT_EQ(LevelPhase, kPhaseEnded);
    EXPECT_EQ(played.size(), sounds);
    EXPECT_EQ(LevelPawns.LastIndex(), 0);  // the end picture alone
    // Nothing is scheduled any more: the loop may wait for input.
    EXPECT_GT(GameFrameNextDue() - FrameStartTick, 60000u);
}

// Animation steps are told apart by the animation timer's period moving on;
// a pawn's frame is -1 once it has left the level.
TEST_F(FlowTest, OneShotOfThreeFramesLeavesOnTheThirdStepAndOneFrameStays) {
    AddFloorAndHero(1);
    Add(1, kOneShot3, 100, 0);
    Add(1, kLooping, 120, 0);
    Add(1, kOneShot1, 140, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    const auto frame = [](int slot) { return Find(slot) ? Find(slot)->Frame : -1; };
    const int expected[4][2] = {{1, 1}, {2, 0}, {-1, 0}, {-1, 1}};  // behind the removed one: late
    for (const auto& step : expected) {
        const uint32_t last = AnimationTimer.last;
        ASSERT_TRUE(SpinUntil([last] { return AnimationTimer.last != last; }, 100));
        EXPECT_EQ(frame(kOneShot3), step[0]);
        EXPECT_EQ(frame(kLooping), step[1]);
    }
    Spin(500);
    EXPECT_EQ(frame(kOneShot1), 0);
}

TEST_F(FlowTest, LevelWithoutHeroIsReportedAndNothingUsesTheHero) {
    Add(1, kWall, 0, -20);
    WriteLevels();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    Spin(100);
    ASSERT_FALSE(fatalErrors.empty());
    EXPECT_EQ(fatalErrors[0], "No player start position defined for this level.");
    EXPECT_EQ(PlayerPawn, nullptr);
}

// Each firing comes strictly after a full period, across the signed and the
// unsigned wrap of the clock; after a stall the timer catches up one period
// per call.
TEST(FrameTimerTest, FiresOncePerPeriodAcrossTheWrapAndCatchesUpAfterAStall) {
    for (uint32_t start : {0u, 0x7FFFFFFFu - 40u, 0x80000000u - 27u, 0xFFFFFFFFu - 40u}) {
        FrameTimer timer(start, 27);
        std::vector<uint32_t> fired;
        for (uint32_t elapsed = 1; elapsed <= 300; ++elapsed)
            if (timer.Tick(start + elapsed))
                fired.push_back(elapsed);
        ASSERT_EQ(fired.size(), 11u) << "start " << start;
        for (size_t k = 0; k < fired.size(); ++k)
            EXPECT_EQ(fired[k], 27 * (k + 1) + 1) << "start " << start;
        EXPECT_EQ(timer.NextDue(), start + 27 * 12 + 1);
        const uint32_t late = timer.last + 27 * 5 + 3;
        for (uint32_t k = 1; k <= 5; ++k)
            EXPECT_EQ(timer.Tick(late), k);
        EXPECT_EQ(timer.Tick(late), 0u);
    }
}

// A level start that takes 3 s in either place where it can take time
// (decoding the loading picture, reading the stage music, as the parameter
// says) keeps the picture up no longer than it must, and the gameplay ticks
// do not catch up the time afterwards. Ticks are counted through the input
// cooldown, which every tick decrements and nothing else touches here.
class SlowLoadTest : public FlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SlowLoadTest, NoWaitOnTopAndNoBurstAfterwards) {
    const bool slowMusic = GetParam();
    AddFloorAndHero(1);
    WriteLevels();
    musicLoadMs = slowMusic ? 3000 : 0;
    assets.loadMs = slowMusic ? 0 : 3000;
    const uint32_t start = Now();
    StartLevelAndPlay(1);
    EXPECT_EQ(Now() - start, slowMusic ? 2002u + 3000u : 3000u);
    InputCooldown = 1000;
    Spin(271);
    EXPECT_EQ(InputCooldown, 1000 - 10);
}

INSTANTIATE_TEST_SUITE_P(PictureOrMusic, SlowLoadTest, ::testing::Bool());

// A timer that fires changes its period's start; the level phase can change
// only on a pass too. The wake-up time given before must not lie after it,
// also while the clock crosses the signed and the unsigned wrap.
class NextDueTest : public FlowTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(NextDueTest, NeverLaterThanTheNextFiring) {
    Headless_SetClock(GetParam());
    AddFloorAndHero(1);
    Add(1, kDeadly, 40, 0);
    Add(1, kLooping, 100, 0);
    WriteLevels();
    GameState = kGameRunning;
    LevelPhase = kPhaseStartLevel;
    uint32_t latestDue = Now();
    bool dueNow = false;
    KeyDown[kKeyRight] = 1;  // walks into the deadly cell: a death and a restore
    for (int pass = 0; pass < 6000; ++pass) {
        const uint32_t timers[] = {PhaseTimer.last, GameTickTimer.last, AnimationTimer.last};
        const int32_t levelPhase = LevelPhase;
        Pass();
        const bool fired = PhaseTimer.last != timers[0] || GameTickTimer.last != timers[1] ||
                           AnimationTimer.last != timers[2] || LevelPhase != levelPhase;
        if (fired && !dueNow) {
            ASSERT_LE(static_cast<int32_t>(latestDue - Now()), 0) << "pass " << pass;
        }
        if (HeroDead)
            KeyDown[kKeyRight] = 0;
        const uint32_t due = GameFrameNextDue();
        dueNow = static_cast<int32_t>(due - Now()) <= 0;
        latestDue = dueNow ? latestDue : due;
        Headless_AdvanceClock(dueNow ? 0 : 1);
    }
    EXPECT_EQ(LevelPhase, kPhasePlaying);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

INSTANTIATE_TEST_SUITE_P(StartTicks, NextDueTest,
                         ::testing::Values(1000u, 0x80000000u - 3000u, 0u - 3000u));

}  // namespace
