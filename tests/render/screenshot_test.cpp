// Draws a few corpus models through the renderer, as the game would, and
// saves the frame as a PNG when KORVATH_SCREENSHOT names a file.

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdlib>

#include "corpus.h"
#include "gl_fixture.h"
#include "temp_dir.h"
#include "test_models.h"

namespace {

// The stretch that makes a model about `size` units across.
float FitStretch(const Model& model, float size) {
    float low = 1e30f, high = -1e30f;
    for (const ModelVertex& vertex : model.vertices)
        for (float c : vertex.position)
            low = std::min(low, c), high = std::max(high, c);
    return high > low ? size / (high - low) : 1.0f;
}

// Saved opaque: the clear colour's alpha is 0, which viewers show as empty.
void SavePng(const char* path, std::vector<unsigned char> frame, int width, int height) {
    for (size_t i = 3; i < frame.size(); i += 4)
        frame[i] = 255;
    // GL rows run bottom-up; PNG rows top-down.
    stbi_flip_vertically_on_write(1);
    stbi_write_png(path, width, height, 4, frame.data(), width * 4);
}

using Screenshot = SceneGLTest;

TEST_F(Screenshot, CorpusModelsWithTheJeepTextured) {
    SKIP_WITHOUT_GL();
    SKIP_WITHOUT_CORPUS();
    TempDir dir;
    std::string jeep = dir.Copy(CorpusPath("ms3d/jeep1.ms3d"), "jeep1.ms3d");
    dir.Copy(CorpusPath("jpeg/jeep1.jpg"), "jeep1.jpg");
    ASSERT_TRUE(renderer->LoadModel(jeep.c_str(), 0));
    ASSERT_TRUE(renderer->LoadModel(CorpusPath("ms3d/Wuson.ms3d").c_str(), 1));
    ASSERT_TRUE(renderer->LoadModel(CorpusPath("ms3d/twospheres_withmats.ms3d").c_str(), 2));
    std::unique_ptr<PawnTemplate> kinds[3];
    std::vector<Pawn> pawns;
    const float x[3] = {0.0f, -75.0f, 75.0f};
    for (int slot = 0; slot < 3; ++slot) {
        kinds[slot] = MakeTemplate();
        kinds[slot]->ModelRefList[0] = slot;
        Pawn pawn(kinds[slot].get(), x[slot], 0.0f);
        float stretch = FitStretch(*renderer->ModelAt(slot), slot == 0 ? 90.0f : 55.0f);
        pawn.Placement = Transform(0, 35, 0, x[slot], 0, 0, stretch, stretch, stretch);
        pawns.push_back(pawn);
    }
    LinkedList<Pawn*> drawList;
    for (Pawn& pawn : pawns)
        drawList.PushBack(&pawn);
    Camera camera(20.0f, 0, 0, 0, 0, 0, 250.0f);
    SceneView view;
    view.drawList = &drawList;
    view.worldCamera = &camera;
    renderer->SetSceneView(view);
    renderer->Draw();
    std::vector<unsigned char> frame = ReadFrame();
    PixelBox box = DrawnBox(frame);
    ASSERT_FALSE(box.Empty());
    EXPECT_LT(box.left, 250);
    EXPECT_GT(box.right, 550);
    if (const char* path = std::getenv("KORVATH_SCREENSHOT"))
        SavePng(path, frame, kWidth, kHeight);
}

}  // namespace

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
