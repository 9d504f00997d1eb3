#pragma once
// The game flow driven through time on the headless back end: levels written
// to a scratch data folder, a virtual clock moved as the main loop would see
// it, the loading pictures recorded instead of decoded, and a record of the
// sounds the game played and the data errors it reported. After every pass
// nothing may point at a pawn the level no longer holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/flow_state.h"
#include "game/game_sounds.h"
#include "game/game_state.h"
#include "sound/sound_observer.h"
#include "support/data_folder.h"
#include "world/level.h"
#include "world/template_assets.h"
#include "world/template_roles.h"

namespace game_test {

// The flow tests' own template slots, beside the loading picture's.
enum FlowSlot {
    kHero = 0,
    kWall = 1,
    kDeadly = 2,
    kExit = 3,
    kOneShotThree = 40,  // plays three frames once, then leaves the level
    kOneShotSingle = 41,
    kLooping = 42,
};

constexpr int kKeyUp = 0x26, kKeyRight = 0x27, kKeyX = 0x58;

struct PlayedSound {
    int slot;
    SoundOp op;
    std::string file;
};

// The sound observer the fixture installs: appends to FlowTest::played.
void RecordSound(int slot, SoundOp op, const char* file, bool ok);

// Records the pictures the flow shows; loading one can be made to take time.
class RecordingAssets : public TemplateAssets {
  public:
    bool LoadModel(const char*, int) override { return false; }
    void LoadJpegTexture(int* textures, const char* path, int index) override;

    std::vector<std::string> pictures;
    uint32_t loadMs = 0;  // virtual time each picture takes to load
};

class FlowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A pawn of level `level` in the level file that WriteLevels writes.
    void Add(int level, int slot, float x, float y);
    // The usual start: a floor from -40 to 200 under row 0 and the hero at 0.
    void AddFloorAndHero(int level);
    void WriteLevels();

    // One main-loop pass at the current virtual time.
    void Pass();
    // Moves the clock on by `ms` one millisecond per pass, as a spinning loop.
    void Spin(uint32_t ms);
    // Spins until `done` holds (at most `limitMs`); false when it never did.
    template <typename Done>
    bool SpinUntil(Done done, uint32_t limitMs = 10000) {
        for (uint32_t i = 0; i < limitMs && !done(); ++i)
            Spin(1);
        return done();
    }
    // From StartLevel of `level` through the first Playing pass, which
    // restarts the timers.
    void StartLevelAndPlay(int level);
    uint32_t Now() const;
    Pawn* Find(int slot) const;
    int CountPlayed(int slot) const;

    RecordingAssets assets;

  public:
    static std::vector<PlayedSound> played;
    static std::vector<std::string> fatalErrors;

  private:
    DataFolder data_;
    std::vector<std::vector<std::string>> levels_ = std::vector<std::vector<std::string>>(3);
};

}  // namespace game_test
