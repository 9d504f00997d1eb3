#pragma once
// Small levels built in the tests: a standard set of templates in the slots
// the rules use, pawns placed on the grid, and a record of what was played.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "game/hero_actions.h"
#include "game/level_changes.h"
#include "sound/sound_observer.h"
#include "sound/sound_slots.h"
#include "world/level.h"

namespace game_test {

enum Slot {
    kHero = 0,
    kWall = 1,
    kCrate = 2,
    kRock = 3,
    kBlasted = 4,
    kGateClosed = 5,
    kHolder = 6,
    kTall = 7,
    kBarrel = 8,
    kLadder = 9,
    kBomb = 10,
    kDeadly = 11,
    kCheckpoint = 12,
    kExit = 13,
    kDestructible = 14,
    kSwitchUp = 15,
    kSwitchDown = 16,
    kColumnPawn = 17,
    kFence = 18,
    kExplosion = 21,
    kRollLeft = 32,
    kRollRight = 33,
    kCheckpointTaken = 36,
    kGateOpen = 39,
};

constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kSpace = 0x20, kX = 0x58;

struct PlayedSound {
    int slot;
    SoundOp op;
    std::string file;
};

// The sound observer the fixture installs: appends to GameTest::played.
void RecordSound(int slot, SoundOp op, const char* file, bool ok);

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A pawn of the slot at (x, y), appended to the level.
    Pawn* Place(int slot, float x, float y);
    // A row of walls from x0 to x1 (inclusive) at height y.
    void Floor(float x0, float x1, float y);
    void Index() { BuildLevelIndex(); }
    Pawn* Hero() { return PlayerPawn; }

    void Tick(int count = 1);
    // Holds the key for one tick, then lets it go.
    void Tap(int key);
    // Holds the key until the hero's move has finished.
    void Walk(int key);
    int CountPlayed(int slot) const;

  public:
    static std::vector<PlayedSound> played;
    static std::vector<std::string> fatalErrors;
};

}  // namespace game_test
