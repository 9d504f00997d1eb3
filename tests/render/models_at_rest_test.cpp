// The game's own hero and rubble as its frames place them in a cell: the
// hero clears a block hanging over him, and rubble stays behind him.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/model.h"
#include "world/pawn_template.h"

namespace {

constexpr float kCellTop = 10.0f;
// The camera looks down on the level, so the front of a block hanging over
// the hero hides the top of what reaches near the block: his helmet keeps
// this far below it.
constexpr float kHeroHighest = kCellTop - 2.0f;

struct Reach {
    float top = -1e9f, back = 1e9f;  // highest y; z furthest back, below a height
};

// Read where the game reads them: the data's paths are inside the source tree.
class ModelsAtRestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        here_ = std::filesystem::current_path();
        std::filesystem::current_path(KORVATH_SOURCE_DIR);
    }
    void TearDown() override { std::filesystem::current_path(here_); }

    static Model Load(const std::string& name) {
        Model model;
        EXPECT_TRUE(model.Load(("gamedata/models/" + name + ".ms3d").c_str(), nullptr, false));
        return model;
    }
    std::filesystem::path here_;
};

// The hero's animation names its models in its model block, one a line.
std::vector<Model> HeroModels() {
    std::ifstream file("gamedata/anim/hero.txt");
    std::string line;
    std::vector<Model> models;
    std::getline(file, line);
    while (std::getline(file, line) && line != "!") {
        models.emplace_back();
        EXPECT_TRUE(
            models.back().Load(("gamedata/models/" + line + ".ms3d").c_str(), nullptr, false));
    }
    return models;
}

// Every vertex of every frame, facing the camera, right, away and left.
Reach HeroReach(const PawnTemplate& hero, const std::vector<Model>& models, float belowY) {
    Reach reach;
    for (int f = 0; f < hero.FrameCount(); ++f)
        for (const LLNode<FramePart>* node = hero.FrameAt(f)->head; node; node = node->next)
            for (float facing : {0.0f, 90.0f, 180.0f, 270.0f}) {
                const Transform& t = node->data.Transform;
                const float turn = (t.yangle + facing) * 3.14159265f / 180.0f;
                for (const ModelVertex& v : models.at(node->data.ModelRef).vertices) {
                    const float x = v.position[0] * t.xstretch, z = v.position[2] * t.zstretch;
                    const float y = v.position[1] * t.ystretch + t.yoffset;
                    reach.top = std::max(reach.top, y);
                    if (y < belowY)
                        reach.back = std::min(reach.back,
                                              z * std::cos(turn) - x * std::sin(turn) + t.zoffset);
                }
            }
    return reach;
}

}  // namespace

TEST_F(ModelsAtRestTest, HeroClearsABlockOverHimAndStandsInFrontOfRubble) {
    PawnTemplate hero;
    ASSERT_TRUE(hero.LoadAnimation("gamedata/anim/hero.txt"));
    const Model rubble = Load("rubble");
    float rubbleTop = -1e9f, rubbleFront = -1e9f;
    for (const ModelVertex& v : rubble.vertices)
        rubbleTop = std::max(rubbleTop, v.position[1]),
        rubbleFront = std::max(rubbleFront, v.position[2]);
    const Reach reach = HeroReach(hero, HeroModels(), rubbleTop);
    EXPECT_LT(reach.top, kHeroHighest);
    EXPECT_LT(rubbleFront, reach.back);
}
