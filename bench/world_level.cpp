// Loads a level of 10,000 pawns from "levels.xml" and times the per-frame
// work on it: the level index and the draw list, both rebuilt many times a
// second while the level is played.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "game/draw_list.h"
#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

Position g_level;

constexpr int kGridSide = 100;  // 100 x 100 cells: 10,000 pawns

std::string PawnSection(int n, int slot, int x, int y) {
    std::string s = "<Section label=\"Pawn" + std::to_string(n) + "\">";
    auto key = [&s](const char* k, const std::string& v) {
        s += std::string("<KeyVal Key=\"") + k + "\">" + v + "</KeyVal>";
    };
    key("PawnTemplate", std::to_string(slot));
    key("Type", "0");
    key("Visible", "1");
    for (const char* k : {"xangle", "yangle", "zangle"})
        key(k, "0.000000");
    key("xoffset", std::to_string(x * 20) + ".000000");
    key("yoffset", std::to_string(y * 20) + ".000000");
    key("zoffset", "0.000000");
    for (const char* k : {"xstretch", "ystretch", "zstretch"})
        key(k, "1.000000");
    key("opacity", "100.000000");
    return s + "</Section>";
}

// A mix of kinds: walls, crates, ladders, animated pawns, hazards, one hero.
void SetUpTemplates() {
    PawnTemplates[1].SpecialFlag = kFlagHero;
    PawnTemplates[1].WeightHero = 1;
    PawnTemplates[2].WeightCrate = 1;
    PawnTemplates[2].Sliding = 1;
    PawnTemplates[3].BlocksCrate = PawnTemplates[3].BlocksHero = PawnTemplates[3].BlocksRock = 1;
    PawnTemplates[4].Ladder = 1;
    PawnTemplates[5].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[5].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[6].ID = kIdDeadly;
}

void WriteLevelFile() {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "korvath_bench_world";
    fs::create_directories(dir / "gamedata");
    fs::current_path(dir);
    std::string xml = "<?xml version=\"1.0\"?>\n<Section label=\"Root\"><Section label=\"Level1\">";
    int n = 1;
    for (int y = 0; y < kGridSide; ++y)
        for (int x = 0; x < kGridSide; ++x, ++n) {
            int slot = (n == kGridSide * kGridSide / 2 + kGridSide / 2) ? 1 : 2 + n % 5;
            xml += PawnSection(n, slot, x, y);
        }
    std::ofstream("gamedata/levels.xml") << xml << "</Section></Section>\n";
}

void LoadLevel() {
    g_level.LevelPawns.clear();
    LoadLevelPawns(1, &g_level.LevelPawns);
    g_level.IndexOutOfDate = true;
}

void BM_LoadLevel10k(benchmark::State& state) {
    SetUpTemplates();
    WriteLevelFile();
    for (auto _ : state)
        LoadLevel();
    state.counters["pawns"] = static_cast<double>(g_level.LevelPawns.size());
}
BENCHMARK(BM_LoadLevel10k)->Unit(benchmark::kMillisecond)->Iterations(3);

// Both as the animation step and a drawn frame make them, the index in full.
void BM_IndexAndDrawList10k(benchmark::State& state) {
    if (g_level.LevelPawns.empty())
        LoadLevel();
    BuildLevelIndex(&g_level);
    float cameraX = -g_level.PlayerPawn()->Placement.xoffset;
    float cameraY = -g_level.PlayerPawn()->Placement.yoffset;
    DrawList drawList;
    for (auto _ : state) {
        g_level.IndexOutOfDate = true;
        BuildLevelIndex(&g_level);
        BuildDrawList(g_level, cameraX, cameraY, &drawList);
    }
    state.counters["drawn"] = static_cast<double>(drawList.size());
}
BENCHMARK(BM_IndexAndDrawList10k)->Unit(benchmark::kMicrosecond);

void BM_BuildLevelIndex10k(benchmark::State& state) {
    for (auto _ : state) {
        g_level.IndexOutOfDate = true;
        BuildLevelIndex(&g_level);
    }
}
BENCHMARK(BM_BuildLevelIndex10k)->Unit(benchmark::kMicrosecond);

void BM_BuildDrawList10k(benchmark::State& state) {
    DrawList drawList;
    for (auto _ : state)
        BuildDrawList(g_level, -1000.0f, -1000.0f, &drawList);
}
BENCHMARK(BM_BuildDrawList10k)->Unit(benchmark::kMicrosecond);

}  // namespace
