// The scenery behind the levels fills the view: replaying both solutions,
// screenshots taken where the hero comes furthest left, right and up in each
// level show no pixel of the renderer's clear colour below the menu bar.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

const std::string kSource = KORVATH_SOURCE_DIR;

int Shell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A gameplay tick of a trace: when, in which level, where the hero is.
struct Tick {
    long t;
    int level;
    double x, y;
};

// Reads a tick line of a level being played by a hero alive and outside the
// exit; false for other lines.
bool ParseTick(const std::string& line, Tick* tick) {
    size_t hero = line.find("\"hero\":[");
    if (hero == std::string::npos || line.find("\"phase\":\"Playing\"") == std::string::npos ||
        line.find("\"dead\":false,\"finished\":false") == std::string::npos)
        return false;
    tick->t = std::atol(line.c_str() + 5);
    tick->level = std::atoi(line.c_str() + line.find("\"level\":") + 8);
    std::istringstream xy(line.substr(hero + 8));
    char comma;
    return static_cast<bool>(xy >> tick->x >> comma >> tick->y);
}

// Pixels of the clear colour (0.12, 0.12, 0.18) below the 20-row menu bar.
int ClearPixels(const std::string& png) {
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load(png.c_str(), &width, &height, &channels, 3);
    if (!rgb)
        return -1;
    int count = 0;
    for (int i = 20 * width; i < width * height; ++i) {
        const unsigned char* p = rgb + 3 * i;
        count += std::abs(p[0] - 31) <= 1 && std::abs(p[1] - 31) <= 1 && std::abs(p[2] - 46) <= 1;
    }
    stbi_image_free(rgb);
    return count;
}

}  // namespace

TEST(Scenery, FillsTheViewWhereverTheSolutionsTakeTheHero) {
    char pattern[] = "/tmp/korvath_scenery_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string replay =
        "'" KORVATH_REPLAY_EXE "' --root '" + kSource + "' --input '" + dir + "/keys.txt' ";
    ASSERT_EQ(Shell("'" KORVATH_LEVEL_EXE "' solution --root '" + kSource + "' -o '" + dir +
                    "/keys.txt'"),
              0);
    ASSERT_EQ(Shell(replay + "--no-render --until ended --trace '" + dir + "/t.jsonl' >/dev/null"),
              0);

    // Per level, the first ticks with the hero furthest left, right and up.
    std::map<int, std::array<Tick, 3>> extremes;
    std::ifstream trace(dir + "/t.jsonl");
    Tick tick;
    for (std::string line; std::getline(trace, line);) {
        if (!ParseTick(line, &tick))
            continue;
        auto inserted = extremes.emplace(tick.level, std::array<Tick, 3>{tick, tick, tick});
        std::array<Tick, 3>& e = inserted.first->second;
        if (tick.x < e[0].x)
            e[0] = tick;
        if (tick.x > e[1].x)
            e[1] = tick;
        if (tick.y > e[2].y)
            e[2] = tick;
    }
    ASSERT_EQ(extremes.size(), 2u);

    std::string shots;
    std::vector<std::string> pictures;
    long last = 0;
    for (const auto& level : extremes)
        for (const Tick& e : level.second) {
            pictures.push_back(dir + "/l" + std::to_string(level.first) + "_" +
                               std::to_string(e.t) + ".png");
            shots += "--shot " + std::to_string(e.t + 1) + ":'" + pictures.back() + "' ";
            last = std::max(last, e.t + 1);
        }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_EQ(Shell("ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" " + replay + shots + "--until " +
                    std::to_string(last) + " >/dev/null"),
              0);
    for (const std::string& picture : pictures)
        EXPECT_EQ(ClearPixels(picture), 0) << picture;
    Shell("rm -rf '" + dir + "'");
}
