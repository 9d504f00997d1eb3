// A level load's worth of store reads: a file of 10,000 pawn sections with 13
// keys each, opened and read key by key the way the level loader reads it.
// Goal: the load and all 130,000 reads in under a second.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/xmlcontext.h"

namespace {

constexpr int kPawnCount = 10000;
const char* const kIntKeys[] = {"PawnTemplate", "Type", "Visible"};
const char* const kDoubleKeys[] = {"xangle",  "yangle",   "zangle",   "xoffset",  "yoffset",
                                   "zoffset", "xstretch", "ystretch", "zstretch", "opacity"};

std::string PawnSection(int n) {
    std::string text = "<Section label=\"Pawn" + std::to_string(n) + "\">";
    for (const char* key : kIntKeys)
        text += std::string("<KeyVal Key=\"") + key + "\">" + std::to_string(n % 40) + "</KeyVal>";
    for (const char* key : kDoubleKeys)
        text +=
            std::string("<KeyVal Key=\"") + key + "\">" + std::to_string(n * 20.0) + "</KeyVal>";
    return text + "</Section>\n";
}

std::string scratchFolder;

void RemoveScratchFolder() {
    std::filesystem::remove_all(scratchFolder);
}

// Writes gamedata/bench_levels.xml in a scratch folder, removed at exit, and
// makes it the working directory.
void WriteLevelFile() {
    std::string folder = (std::filesystem::temp_directory_path() / "korvath_store_bench_XXXXXX");
    if (mkdtemp(folder.data()) == nullptr)
        std::abort();
    scratchFolder = folder;
    std::atexit(RemoveScratchFolder);
    std::filesystem::create_directory(std::filesystem::path(folder) / "gamedata");
    std::filesystem::current_path(folder);
    std::ofstream file("gamedata/bench_levels.xml", std::ios::binary);
    file << "<Section label=\"Root\">\n<Section label=\"Level1\">\n";
    for (int n = 1; n <= kPawnCount; ++n)
        file << PawnSection(n);
    file << "</Section>\n</Section>\n";
}

void EnsureLevelFile() {
    static const bool written = (WriteLevelFile(), true);
    benchmark::DoNotOptimize(written);
}

// Opening and parsing alone, to tell the load from the reads.
void BM_OpenOnly(benchmark::State& state) {
    EnsureLevelFile();
    for (auto _ : state) {
        XmlContext store("bench_levels.xml");
        int32_t count = 0;
        benchmark::DoNotOptimize(store.GetInt("Level1\\Pawn1", "Type", &count));
    }
}
BENCHMARK(BM_OpenOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LevelLoad(benchmark::State& state) {
    EnsureLevelFile();
    char section[512];
    for (auto _ : state) {
        XmlContext store("bench_levels.xml");
        int64_t found = 0;
        for (int n = 1; n <= kPawnCount; ++n) {
            std::snprintf(section, sizeof(section), "%s\\Pawn%d", "Level1", n);
            int32_t number = 0;
            double real = 0;
            for (const char* key : kIntKeys)
                found += store.GetInt(section, key, &number);
            for (const char* key : kDoubleKeys)
                found += store.GetDouble(section, key, &real);
        }
        if (found != kPawnCount * 13)
            state.SkipWithError("a value was not found");
    }
    state.SetItemsProcessed(state.iterations() * kPawnCount * 13);
}
BENCHMARK(BM_LevelLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
