// The course of a level through GameFrame (loading picture, death and
// restore, exit and next level, animation steps) and its pace (timers across
// the clock's wrap, no burst after a slow load, GameFrameNextDue), on a host
// whose clock, pictures and sounds the test holds. After every pass the
// level's index must be sound.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sound_names.h"
#include "game/game_frame.h"
#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "support/data_folder.h"
#include "support/index_check.h"
#include "support/test_xml.h"
#include "world/template_assets.h"
#include "world/template_roles.h"

namespace {

// The flow tests' own template slots, beside the loading picture's.
enum FlowSlot { kHero = 0, kWall = 1, kDeadly = 2, kExit = 3, kOneShot3 = 40, kOneShot1, kLooping };

struct PlayedSound {
    int slot;
    std::string op, file;
};

// The clock, sounds and pictures; a stage's music or a picture can take time.
class TestHost : public FlowHost, public SoundSink, public TemplateAssets {
  public:
    SoundSink& Sound() override { return *this; }
    void FrameDue(const Position&) override { ++frames; }
    uint32_t WaitUntil(uint32_t tick) override {
        if (static_cast<int32_t>(tick - clock) > 0)
            clock = tick;
        return clock;
    }
    void Load(int slot, const char* path) override {
        played.push_back({slot, "load", path});
        if (std::string(path).find("stage") != std::string::npos)
            clock += musicLoadMs;
    }
    void PlayOnce(int slot) override { played.push_back({slot, "once", ""}); }
    void PlayLooping(int slot) override { played.push_back({slot, "looping", ""}); }
    void Stop(int slot) override { played.push_back({slot, "stop", ""}); }
    bool LoadModel(const char*, int) override { return false; }
    void LoadJpegTexture(int* textures, const char* path, int) override {
        pictures.push_back(path);
        *textures = static_cast<int>(pictures.size());
        clock += pictureLoadMs;
    }

    uint32_t clock = 1000;
    uint32_t musicLoadMs = 0, pictureLoadMs = 0;
    int frames = 0;
    std::vector<PlayedSound> played;
    std::vector<std::string> pictures;
};

class FlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPawnTemplates();
        PawnTemplates[kHero].SpecialFlag = kFlagHero;
        PawnTemplates[kHero].WeightHero = 1;
        PawnTemplate& wall = PawnTemplates[kWall];
        wall.BlocksCrate = wall.BlocksHero = wall.BlocksRock = 1;
        PawnTemplates[kDeadly].ID = kIdDeadly;
        PawnTemplates[kExit].ID = kIdExit;
        PawnTemplates[kSlotLoadingPicture].SpecialFlag = kFlagCarriedInColumn;
        PawnTemplates[kOneShot3].SpecialFlag = PawnTemplates[kOneShot1].SpecialFlag = kFlagOneShot;
        for (int slot : {kOneShot3, kOneShot3, kOneShot3, kOneShot1, kLooping, kLooping})
            PawnTemplates[slot].Frames.PushBack(LinkedList<FramePart>());
        SetTemplateAssets(&host);
    }
    void TearDown() override {
        SetTemplateAssets(nullptr);
        ResetPawnTemplates();
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

    // One main-loop pass at the current time.
    void Pass() {
        GameFrame(&game, host.clock, keys, &host);
        EXPECT_TRUE(IndexValid(game.position)) << "after the pass at " << host.clock;
    }
    // Moves the clock on by `ms` one millisecond per pass, as a spinning loop.
    void Spin(uint32_t ms) {
        for (uint32_t i = 0; i < ms; ++i) {
            ++host.clock;
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
    // From StartLevel through the first Playing pass, which restarts the timers.
    void StartLevelAndPlay(int level) {
        game.position.GameState = kGameRunning;
        game.position.LevelPhase = kPhaseStartLevel;
        game.position.CurrentLevel = level;
        for (int i = 0; i < 3 && game.position.LevelPhase != kPhasePlaying; ++i)
            Pass();
        ASSERT_EQ(game.position.LevelPhase, kPhasePlaying);
        Pass();  // the timers restart here, as the load asked
        ASSERT_FALSE(game.timers.TimerResetRequested);
    }
    const Pawn* Find(int slot) const {
        for (const Pawn& pawn : game.position.LevelPawns)
            if (pawn.Template == &PawnTemplates[slot])
                return &pawn;
        return nullptr;
    }
    int CountPlayed(int slot) const {
        int count = 0;
        for (const PlayedSound& s : host.played)
            count += s.slot == slot && s.op == "once";
        return count;
    }
    const Pawn& Hero() const { return *game.position.PlayerPawn(); }

    TestHost host;
    Game game;
    KeyDownTable keys = {};

  private:
    DataFolder data_;
    std::string levels_[3];
    int counts_[3] = {};
};

TEST_F(FlowTest, LoadingPictureStaysUpBeyondThePhasePeriodWhenTheLevelLoadsAtOnce) {
    AddFloorAndHero(1);
    WriteLevels();
    const uint32_t shown = host.clock;
    StartLevelAndPlay(1);
    EXPECT_EQ(host.pictures, std::vector<std::string>{"./gamedata\\loading1.jpg"});
    EXPECT_EQ(host.clock - shown, 2002u);
    EXPECT_EQ(host.frames, 1);  // the picture, drawn as soon as it is up
    const Pawn& picture = game.position.LevelPawns.front();
    EXPECT_EQ(picture.Template, &PawnTemplates[kSlotLoadingPicture]);
    EXPECT_EQ(picture.Type, kFixedPawn);
    EXPECT_EQ(picture.Motion.opacity, 0.0f);
    Spin(200);  // fades once play begins
    EXPECT_EQ(game.position.LevelPawns.front().Placement.opacity, 0.0f);
    EXPECT_EQ(game.position.SavedPawns->size(), game.position.LevelPawns.size());
    ASSERT_GE(host.played.size(), 2u);
    const PlayedSound& load = host.played[host.played.size() - 2];
    EXPECT_EQ(load.op, "load");
    EXPECT_EQ(load.slot, kSoundMusic);
    EXPECT_EQ(load.file, "./gamedata\\sound\\stage1.wav");
    EXPECT_EQ(host.played.back().op, "looping");
}

// The hero dies on the deadly cell, stands there through the cooldown and
// walks on into the exit.
TEST_F(FlowTest, DeathThenExitRestoresFirstAndStartsTheNextLevelOnTheFollowingFiring) {
    AddFloorAndHero(1);
    Add(1, kDeadly, 20, 0);
    Add(1, kExit, 40, 0);
    AddFloorAndHero(2);
    WriteLevels();
    StartLevelAndPlay(1);
    const Position& position = game.position;
    keys[kKeyRight] = 1;
    ASSERT_TRUE(SpinUntil([&] { return position.HeroDead; }));
    // Keys count again once the death's cooldown has run out.
    ASSERT_TRUE(
        SpinUntil([&] { return Hero().Placement.xoffset == 40.0f && MoveFinished(Hero()); }));
    keys[kKeyRight] = 0;
    keys[kKeyUp] = 1;
    ASSERT_TRUE(SpinUntil([&] { return position.LevelFinished; }));
    keys[kKeyUp] = 0;
    EXPECT_EQ(Hero().Placement.zoffset + Hero().Motion.zoffset, -kCellSize);  // into the door
    const uint32_t entered = host.clock;
    ASSERT_EQ(game.timers.PhaseTimer.last, entered);
    ASSERT_TRUE(SpinUntil([&] { return !position.HeroDead; }));
    EXPECT_FALSE(position.HeroLookedAround);  // put back, he has not stood a tick there yet
    EXPECT_EQ(host.clock - entered, 2002u);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);  // standing on the deadly cell did not kill again
    EXPECT_TRUE(position.LevelFinished);
    EXPECT_EQ(Hero().Placement.xoffset, 0.0f);
    EXPECT_EQ(position.CurrentLevel, 1);
    ASSERT_TRUE(SpinUntil([&] { return position.LevelPhase != kPhasePlaying; }));
    EXPECT_EQ(host.clock - entered, 4003u);
    EXPECT_EQ(position.CurrentLevel, 2);
    EXPECT_FALSE(position.LevelFinished);
    Pass();  // StartLevel: the old level is gone
    EXPECT_TRUE(position.LevelPawns.empty());
    Pass();
    ASSERT_EQ(host.pictures.size(), 2u);
    EXPECT_EQ(host.pictures[1], "./gamedata\\loading2.jpg");
    Pass();
    EXPECT_EQ(position.LevelPhase, kPhasePlaying);
    EXPECT_EQ(Hero().Placement.xoffset, 0.0f);
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
    const auto frame = [this](int slot) { return Find(slot) ? Find(slot)->Frame : -1; };
    const int expected[4][2] = {{1, 1}, {2, 0}, {-1, 0}, {-1, 1}};  // behind the removed one: late
    for (const auto& step : expected) {
        const uint32_t last = game.timers.AnimationTimer.last;
        ASSERT_TRUE(SpinUntil([&] { return game.timers.AnimationTimer.last != last; }, 100));
        EXPECT_EQ(frame(kOneShot3), step[0]);
        EXPECT_EQ(frame(kLooping), step[1]);
    }
    Spin(500);
    EXPECT_EQ(frame(kOneShot1), 0);
}

// Held keys act again only once their last act's cooldown has run out: the
// bomb's, the reset's, and the restore's a phase period after a death.
TEST_F(FlowTest, HeldKeysWaitOutTheCooldown) {
    AddFloorAndHero(1);
    Add(1, kDeadly, -20, 0);
    WriteLevels();
    StartLevelAndPlay(1);
    game.position.BombCount = 2;
    for (int key : {kKeySpace, kKeyX}) {
        const auto acts = [&](int n) {
            return key == kKeyX ? CountPlayed(kSoundDead) == n : game.position.BombCount == 2 - n;
        };
        keys[key] = 1;
        ASSERT_TRUE(SpinUntil([&] { return acts(1); }));
        const uint32_t first = host.clock;
        ASSERT_TRUE(SpinUntil([&] { return acts(2); }));
        EXPECT_EQ(host.clock - first, kCooldownTicks * kGameTickPeriodMs) << key;
        keys[key] = 0;
    }
    keys[kKeyLeft] = 1;  // into the deadly cell, where he stays a cooldown, and on while dead
    ASSERT_TRUE(SpinUntil([this] { return game.position.HeroDead; }) && MoveFinished(Hero()));
    ASSERT_FALSE(SpinUntil([this] { return !game.position.HeroDead; }, kPhasePeriodMs));
    Spin(kCooldownTicks * kGameTickPeriodMs / 2);
    EXPECT_EQ(Hero().Placement.xoffset, 0.0f);
}

// A level start that takes 3 s (decoding the picture or reading the music)
// keeps the picture up no longer than it must, and the ticks do not catch up
// afterwards; they are counted through the input cooldown, which only they
// decrement here.
class SlowLoadTest : public FlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SlowLoadTest, NoWaitOnTopAndNoBurstAfterwards) {
    const bool slowMusic = GetParam();
    AddFloorAndHero(1);
    WriteLevels();
    host.musicLoadMs = slowMusic ? 3000 : 0;
    host.pictureLoadMs = slowMusic ? 0 : 3000;
    const uint32_t start = host.clock;
    StartLevelAndPlay(1);
    EXPECT_EQ(host.clock - start, slowMusic ? 2002u + 3000u : 3000u);
    game.position.InputCooldown = 1000;
    Spin(271);
    EXPECT_EQ(game.position.InputCooldown, 1000 - 10);
}

INSTANTIATE_TEST_SUITE_P(PictureOrMusic, SlowLoadTest, ::testing::Bool());

// The wake-up time given before a pass on which a timer fires or the phase
// changes must not lie after it, also across the signed and unsigned wrap.
class NextDueTest : public FlowTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(NextDueTest, NeverLaterThanTheNextFiring) {
    host.clock = GetParam();
    AddFloorAndHero(1);
    Add(1, kDeadly, 40, 0);
    Add(1, kLooping, 100, 0);
    WriteLevels();
    game.position.GameState = kGameRunning;
    game.position.LevelPhase = kPhaseStartLevel;
    uint32_t latestDue = host.clock;
    bool dueNow = false;
    keys[kKeyRight] = 1;  // walks into the deadly cell: a death and a restore
    const FlowTimers& timers = game.timers;
    for (int pass = 0; pass < 6000; ++pass) {
        const uint32_t before[] = {timers.PhaseTimer.last, timers.GameTickTimer.last,
                                   timers.AnimationTimer.last};
        const int32_t levelPhase = game.position.LevelPhase;
        Pass();
        const bool fired =
            timers.PhaseTimer.last != before[0] || timers.GameTickTimer.last != before[1] ||
            timers.AnimationTimer.last != before[2] || game.position.LevelPhase != levelPhase;
        if (fired && !dueNow) {
            ASSERT_LE(static_cast<int32_t>(latestDue - host.clock), 0) << "pass " << pass;
        }
        if (game.position.HeroDead)
            keys[kKeyRight] = 0;
        const uint32_t due = GameFrameNextDue(game, host.clock);
        dueNow = static_cast<int32_t>(due - host.clock) <= 0;
        latestDue = dueNow ? latestDue : due;
        host.clock += dueNow ? 0 : 1;
    }
    EXPECT_EQ(game.position.LevelPhase, kPhasePlaying);
    EXPECT_EQ(CountPlayed(kSoundDead), 1);
}

INSTANTIATE_TEST_SUITE_P(StartTicks, NextDueTest,
                         ::testing::Values(1000u, 0x80000000u - 3000u, 0u - 3000u));

}  // namespace
