// The game's own models as the game places them: the bomb gauge whole on the
// screen, the hero clear of a block over him and in front of rubble.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "render/bomb_gauge.h"
#include "render/camera.h"
#include "render/model.h"
#include "world/pawn_template.h"

namespace {

constexpr float kDegree = 3.14159265f / 180.0f;

// Run where the game runs: its data's paths lie inside the source tree.
class GameModelsTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::current_path(KORVATH_SOURCE_DIR); }
    void TearDown() override { std::filesystem::current_path(here_); }
    static Model Load(const std::string& name) {
        Model model;
        EXPECT_TRUE(model.Load(("gamedata/models/" + name + ".ms3d").c_str(), nullptr, false));
        return model;
    }
    const std::filesystem::path here_ = std::filesystem::current_path();
};

float Highest(const Model& model, int axis, float sign = 1.0f) {
    float most = -1e9f;
    for (const ModelVertex& v : model.vertices)
        most = std::max(
            most, sign * (axis < 0 ? std::hypot(v.position[0], v.position[2]) : v.position[axis]));
    return sign * most;
}

// -1 at the left edge of the screen, 1 at the right, for the gauge's camera.
float ScreenX(float x, float z, float aspect) {
    return x / (std::tan(kFieldOfViewDegrees * kDegree / 2) * aspect * (kGaugeCameraDistance - z));
}

}  // namespace

// From none to five bombs and back, frame by frame, in windows of four shapes:
// every bomb, turned any way, is whole; the bar reaches past the last bomb once
// slid out, and at rest it is out of sight.
TEST_F(GameModelsTest, BombGaugeWholeThroughoutItsSlide) {
    const Model bar = Load("gauge_bar");
    const float reach = Highest(Load("bomb"), -1) * GaugeBombPlacement(0, 1.0f).xstretch;
    for (float aspect : {800.0f / 580.0f, 800.0f / 600.0f, 1280.0f / 1004.0f, 1920.0f / 1060.0f}) {
        ResetBombGauge();
        for (int count : {1, 2, 3, 5, 0}) {
            do {
                StepBombGauge(count);
                for (int i = 0; i < count; ++i) {
                    const float x = GaugeBombPlacement(i, aspect).xoffset;
                    ASSERT_GT(ScreenX(x - reach, reach, aspect), -1.0f) << aspect << " " << i;
                    ASSERT_LT(ScreenX(x + reach, reach, aspect), 1.0f) << aspect << " " << i;
                }
            } while (BombGaugePosition != BombGaugeTarget);
            const Transform t = GaugeBarPlacement(aspect);
            const float barEnd = ScreenX(t.xoffset + Highest(bar, 0), t.zoffset, aspect);
            const float lastBomb =
                count ? GaugeBombPlacement(count - 1, aspect).xoffset + reach : 0;
            EXPECT_TRUE(count ? barEnd > ScreenX(lastBomb, reach, aspect) : barEnd < -1.0f)
                << aspect;
        }
    }
}

// Every vertex of every frame of the hero, facing each way, against a block
// over his cell (the camera looks down, so the block's front hides the top
// of what comes near it: he keeps 2 units below it) and the rubble's front.
TEST_F(GameModelsTest, HeroClearsABlockOverHimAndStandsInFrontOfRubble) {
    PawnTemplate hero;
    ASSERT_TRUE(hero.LoadAnimation("gamedata/anim/hero.txt"));
    std::vector<Model> models;
    std::ifstream file("gamedata/anim/hero.txt");  // its model block names them
    std::string line;
    for (std::getline(file, line); std::getline(file, line) && line != "!";)
        models.push_back(Load(line));
    const Model rubble = Load("rubble");
    const float rubbleTop = Highest(rubble, 1);
    float top = -1e9f, back = 1e9f;
    for (int f = 0; f < hero.FrameCount(); ++f)
        for (const LLNode<FramePart>* part = hero.FrameAt(f)->head; part; part = part->next)
            for (float facing : {0.0f, 90.0f, 180.0f, 270.0f}) {
                const Transform& t = part->data.Transform;
                const float turn = (t.yangle + facing) * kDegree;
                for (const ModelVertex& v : models.at(part->data.ModelRef).vertices) {
                    const float x = v.position[0] * t.xstretch, z = v.position[2] * t.zstretch;
                    const float y = v.position[1] * t.ystretch + t.yoffset;
                    top = std::max(top, y);
                    if (y < rubbleTop)
                        back = std::min(back, z * std::cos(turn) - x * std::sin(turn) + t.zoffset);
                }
            }
    EXPECT_LT(top, 8.0f);  // the cell's top is at 10
    EXPECT_LT(Highest(rubble, 2), back);
}
