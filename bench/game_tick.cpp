// Times one gameplay tick on a busy level: 2,000 pawns, of which 500 are
// moving and awake (rocks and crates falling in columns, barrels rolling
// along their floors), the rest walls. Every moving pawn is a blocker too,
// but the walls are fixed, so each support and push test looks only at the
// walls of its column and at the moving blockers. The tick budget
// is 27 ms; the goal for the tick is under 2 ms.

#include <benchmark/benchmark.h>

#include "game/draw_list.h"
#include "game/hero_actions.h"
#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

Position g_level;

enum Slot { kHero = 0, kWall = 1, kRock = 2, kCrate = 3 };

constexpr int kTotalPawns = 2000;
constexpr int kRockColumns = 30, kRocksPerColumn = 10;
constexpr int kCrateColumns = 10, kCratesPerColumn = 10;
constexpr int kBarrels = 100, kBarrelFloorCells = 12;
// Barrels roll 11 cells in 88 ticks before they leave their floor; the level
// is laid anew (untimed) after that many ticks, so every pawn keeps moving.
constexpr int kTicksPerLevel = 80;

void Blocks(PawnTemplate& t) {
    t.BlocksCrate = t.BlocksHero = t.BlocksRock = 1;
}

void SetUpTemplates() {
    PawnTemplates[kHero].SpecialFlag = kFlagHero;
    PawnTemplates[kHero].WeightHero = 1;
    Blocks(PawnTemplates[kWall]);
    PawnTemplates[kRock].WeightRock = 1;
    Blocks(PawnTemplates[kRock]);
    PawnTemplates[kCrate].WeightCrate = PawnTemplates[kCrate].Sliding = 1;
    Blocks(PawnTemplates[kCrate]);
    PawnTemplates[kSlotRollingRight].ID = kIdRollingRight;
    PawnTemplates[kSlotRollingRight].Rolling = PawnTemplates[kSlotRollingRight].WeightRock = 1;
    Blocks(PawnTemplates[kSlotRollingRight]);
}

Pawn& Place(int slot, float x, float y) {
    g_level.LevelPawns.push_back(Pawn(&PawnTemplates[slot], x, y));
    return g_level.LevelPawns.back();
}

// A pawn partway through a one-cell fall, so that not all of them reach the
// end of their move on the same tick.
void PlaceFalling(int slot, float x, float y, int phase) {
    const float left = 5.0f * static_cast<float>(1 + phase % 4);
    Pawn& pawn = Place(slot, x, y + left);
    pawn.Falling = true;
    pawn.Settled = 0;
    pawn.Motion.yoffset = -left;
}

void PlaceFallingColumns(int slot, int columns, int perColumn, float x0) {
    for (int c = 0; c < columns; ++c)
        for (int k = 0; k < perColumn; ++k)
            PlaceFalling(slot, x0 + 20.0f * c, 40.0f * k, c + k);
}

// Each barrel rolls right along a floor of its own, a row apart.
void PlaceRollingBarrels() {
    for (int b = 0; b < kBarrels; ++b) {
        const float y = 2000.0f + 40.0f * b;
        for (int cell = 0; cell < kBarrelFloorCells; ++cell)
            Place(kWall, 20.0f * cell, y - 20.0f);
        const float left = 2.5f * static_cast<float>(1 + b % 8);
        Pawn& barrel = Place(kSlotRollingRight, 0.0f - 20.0f + left, y);
        barrel.Settled = 0;
        barrel.Motion.xoffset = left;
    }
}

void BuildBusyLevel() {
    ClearLevel(&g_level);
    for (float x = -40.0f; x <= 40.0f; x += 20.0f)
        Place(kWall, x, -20.0f);
    Place(kHero, 0.0f, 0.0f);
    PlaceFallingColumns(kRock, kRockColumns, kRocksPerColumn, 1000.0f);
    PlaceFallingColumns(kCrate, kCrateColumns, kCratesPerColumn, 2000.0f);
    PlaceRollingBarrels();
    // The rest: a wall far off, in the way of nothing.
    for (int n = static_cast<int>(g_level.LevelPawns.size()); n < kTotalPawns; ++n)
        Place(kWall, -3000.0f - 20.0f * (n % 20), 20.0f * (n / 20));
    g_level.IndexOutOfDate = true;
    BuildLevelIndex(&g_level);
}

// Lays the level anew, untimed, when its pawns have run out of track.
void NextTick(benchmark::State& state, int* ticks) {
    if (++*ticks < kTicksPerLevel)
        return;
    state.PauseTiming();
    BuildBusyLevel();
    *ticks = 0;
    state.ResumeTiming();
}

// Moving pawns still under way or about to look at their support again.
int AwakePawns() {
    int awake = 0;
    for (int32_t at : g_level.Index->MovingPawns) {
        const Pawn& pawn = g_level.LevelPawns[at];
        awake += pawn.Settled == 0 || pawn.Motion.xoffset != 0.0f || pawn.Motion.yoffset != 0.0f;
    }
    return awake;
}

void ReportLevel(benchmark::State& state) {
    state.counters["pawns"] = static_cast<double>(g_level.LevelPawns.size());
    state.counters["blockers"] = static_cast<double>(g_level.Index->BlockingPawns.size());
    state.counters["awake"] = AwakePawns();
}

void Tick() {
    static const KeyDownTable noKeys = {};
    SilentSoundSink silent;
    RuleStep step(g_level, silent);
    GameplayTick(&step, noKeys);
}

void BM_GameplayTick(benchmark::State& state) {
    SetUpTemplates();
    BuildBusyLevel();
    int ticks = 0;
    for (auto _ : state) {
        Tick();
        NextTick(state, &ticks);
    }
    ReportLevel(state);
}
BENCHMARK(BM_GameplayTick)->Unit(benchmark::kMillisecond);

// The work of one drawn pass besides GL: the tick, the draw list, and the
// index rebuild of the animation step.
void BM_TickDrawListAndIndex(benchmark::State& state) {
    SetUpTemplates();
    BuildBusyLevel();
    int ticks = 0;
    DrawList drawList;
    for (auto _ : state) {
        Tick();
        BuildDrawList(g_level, 0.0f, 0.0f, &drawList);
        g_level.IndexOutOfDate = true;
        BuildLevelIndex(&g_level);
        NextTick(state, &ticks);
    }
    ReportLevel(state);
}
BENCHMARK(BM_TickDrawListAndIndex)->Unit(benchmark::kMillisecond);

}  // namespace
