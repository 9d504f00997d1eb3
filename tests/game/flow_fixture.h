#pragma once
// The game flow driven through time on the headless back end: levels written
// to a scratch "gamedata" folder, a virtual clock moved as the main loop
// would see it, and the loading pictures recorded instead of decoded.

#include <string>
#include <vector>

#include "game_fixture.h"
#include "world/template_assets.h"

namespace game_test {

enum FlowSlot {
    kLoadingPicture = 31,
    kOneShotThree = 40,  // plays three frames once, then leaves the level
    kOneShotSingle = 41,
    kLooping = 42,
};

// Records the pictures the flow shows; loading one can be made to take time.
class RecordingAssets : public TemplateAssets {
  public:
    bool LoadModel(const char*, int) override { return false; }
    void LoadJpegTexture(int* textures, const char* path, int index) override;

    std::vector<std::string> pictures;
    uint32_t loadMs = 0;  // virtual time each picture takes to load
};

class FlowTest : public GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Pawns of level `level` of the level file, written by WriteLevels.
    void Add(int level, int slot, float x, float y);
    void WriteLevels();
    // Any other file of the data folder, by its path below "gamedata".
    void WriteDataFile(const std::string& name, const std::string& text);
    // The usual start: a floor from -40 to 200 under row 0 and the hero at 0.
    void AddFloorAndHero(int level);

    // One main-loop pass at the current virtual time.
    void Pass();
    // Moves the clock on by `ms` one millisecond per pass, as a spinning loop.
    void Spin(uint32_t ms);
    // Spins until `done` holds (at most `limitMs`); false when it never did.
    template <typename Done>
    bool SpinUntil(Done done, uint32_t limitMs = 10000) {
        for (uint32_t i = 0; i < limitMs; ++i) {
            if (done())
                return true;
            Spin(1);
        }
        return done();
    }
    // From StartLevel of `level` through the first Playing pass, which
    // restarts the timers.
    void StartLevelAndPlay(int level);
    uint32_t Now() const;
    Pawn* Find(int slot) const;

    RecordingAssets assets;

  private:
    std::string dir_;
    std::string previousDir_;
    std::vector<std::string> levels_;
};

}  // namespace game_test
