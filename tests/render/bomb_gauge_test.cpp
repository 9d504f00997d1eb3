// The bomb gauge against the game's own bar and bomb models, projected as the
// gauge's camera sees them: whole bombs and a readable bar in windows of
// several shapes, at every frame of the slide.

#include "render/bomb_gauge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "render/camera.h"
#include "render/model.h"

namespace {

struct Extent {
    float low = 1e9f, high = -1e9f;
};

// Read where the game reads it: files are opened inside the working folder.
Model GameModel(const std::string& name) {
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(KORVATH_SOURCE_DIR);
    Model model;
    EXPECT_TRUE(model.Load(("gamedata/models/" + name).c_str(), nullptr, false)) << name;
    std::filesystem::current_path(here);
    return model;
}

// Where a point at (x, y, z) of the gauge's world falls on the screen, from
// -1 (left or bottom edge) to 1, as the projection maps it.
float ScreenAt(float along, float z, float aspect) {
    const float focal = 1.0f / std::tan(kFieldOfViewDegrees * 3.14159265f / 360.0f);
    return focal / aspect * along / (kGaugeCameraDistance - z);
}

// The screen's left and right of bomb i, turned any way about its own
// upright axis: its reach from that axis, taken at its nearest depth.
Extent BombOnScreen(const Model& bomb, int i, float aspect) {
    const Transform t = GaugeBombPlacement(i, aspect);
    float reach = 0.0f;
    for (const ModelVertex& v : bomb.vertices)
        reach = std::max(reach, std::hypot(v.position[0], v.position[2]) * t.xstretch);
    return {ScreenAt(t.xoffset - reach, reach, aspect), ScreenAt(t.xoffset + reach, reach, aspect)};
}

float BarEndOnScreen(const Model& bar, float aspect) {
    const Transform t = GaugeBarPlacement(aspect);
    float end = -1e9f;
    for (const ModelVertex& v : bar.vertices)
        end = std::max(end, v.position[0]);
    return ScreenAt(t.xoffset + end, t.zoffset, aspect);
}

}  // namespace

// From none to five bombs and back, frame by frame: every bomb is whole on
// the screen, the bar reaches past the last one once it has slid out, and
// at rest it is out of sight. Window shapes: the game's window below its
// menu bar, without it, a squarer and a wide screen.
TEST(BombGauge, BombsWholeAndBarReadableThroughoutTheSlide) {
    const Model bomb = GameModel("bomb.ms3d"), bar = GameModel("gauge_bar.ms3d");
    for (float aspect : {800.0f / 580.0f, 800.0f / 600.0f, 1280.0f / 1004.0f, 1920.0f / 1060.0f}) {
        ResetBombGauge();
        for (int count : {1, 2, 3, 5, 0}) {
            do {
                StepBombGauge(count);
                for (int i = 0; i < count; ++i) {
                    const Extent seen = BombOnScreen(bomb, i, aspect);
                    ASSERT_GT(seen.low, -1.0f) << aspect << " bomb " << i << " of " << count;
                    ASSERT_LT(seen.high, 1.0f) << aspect << " bomb " << i << " of " << count;
                }
            } while (BombGaugePosition != BombGaugeTarget);
            if (count > 0)
                EXPECT_GT(BarEndOnScreen(bar, aspect), BombOnScreen(bomb, count - 1, aspect).high);
            else
                EXPECT_LT(BarEndOnScreen(bar, aspect), -1.0f) << aspect;
        }
    }
}
