// A level pack from a stranger may be large: a level of 20,000 pawns, or an
// animation of 100,000 frames used by a hundred pawns. Each plays one second
// of game time through the game's own passes (tick, animation step, draw
// list; nothing is drawn). The game's tick period is 27 ms: the s_per_tick
// counter, the time per tick with everything a pass does, must stay far
// below 0.027.

#include <benchmark/benchmark.h>

#include "game/game_frame.h"
#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

Game g_game;
uint32_t g_now = 0;

// Plays without a window or sound.
class NoHost : public FlowHost {
  public:
    SoundSink& Sound() override { return silent_; }
    void FrameDue(const Position&) override {}
    uint32_t WaitUntil(uint32_t tick) override { return tick; }

  private:
    SilentSoundSink silent_;
};

enum Slot { kHero = 0, kWall = 1, kRock = 2, kAnimated = 3 };

constexpr int kTicksPerSecond = 1000 / kGameTickPeriodMs;

void SetUpTemplates(int animationFrames) {
    ResetPawnTemplates();
    PawnTemplates[kHero].SpecialFlag = kFlagHero;
    PawnTemplates[kHero].WeightHero = 1;
    for (int slot : {int(kWall), int(kRock)})
        PawnTemplates[slot].BlocksCrate = PawnTemplates[slot].BlocksHero =
            PawnTemplates[slot].BlocksRock = 1;
    PawnTemplates[kRock].WeightRock = 1;
    for (int frame = 0; frame < animationFrames; ++frame)
        PawnTemplates[kAnimated].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[kAnimated].IndexFrames();
}

void Place(int slot, float x, float y) {
    g_game.position.LevelPawns.push_back(Pawn(&PawnTemplates[slot], x, y));
}

// A floor under the hero, rocks stacked in columns beside him, and `fill`
// pawns of `fillSlot` in a block of rows in view.
void BuildLevel(int fill, int fillSlot) {
    g_game = Game();
    for (float x = -200.0f; x <= 200.0f; x += 20.0f)
        Place(kWall, x, -20.0f);
    for (int n = 0; n < 40; ++n)
        Place(kRock, 40.0f + 20.0f * (n % 8), 20.0f * (n / 8));
    Place(kHero, 0.0f, 0.0f);
    for (int n = 0; n < fill; ++n)
        Place(fillSlot, -4000.0f + 20.0f * (n % 200), -40.0f - 20.0f * (n / 200));
    g_game.position.IndexOutOfDate = true;
    BuildLevelIndex(&g_game.position);
    g_game.position.GameState = kGameRunning;
    g_game.position.LevelPhase = kPhasePlaying;
}

void PlayOneSecond() {
    static const KeyDownTable noKeys = {};
    static NoHost host;
    const uint32_t end = g_now + 1000;
    while (g_now < end) {
        g_now = GameFrameNextDue(g_game, g_now);
        GameFrame(&g_game, g_now, noKeys, &host);
    }
}

void Run(benchmark::State& state) {
    for (auto _ : state)
        PlayOneSecond();
    state.counters["pawns"] = static_cast<double>(g_game.position.LevelPawns.size());
    state.counters["s_per_tick"] =
        benchmark::Counter(kTicksPerSecond, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

void BM_LevelOf20000Pawns(benchmark::State& state) {
    SetUpTemplates(1);
    BuildLevel(20000, kWall);
    Run(state);
}
BENCHMARK(BM_LevelOf20000Pawns)->Unit(benchmark::kMillisecond);

void BM_AnimationOf100000FramesOn100Pawns(benchmark::State& state) {
    SetUpTemplates(100000);
    BuildLevel(100, kAnimated);
    Run(state);
}
BENCHMARK(BM_AnimationOf100000FramesOn100Pawns)->Unit(benchmark::kMillisecond);

}  // namespace
