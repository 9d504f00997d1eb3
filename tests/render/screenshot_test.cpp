// Draws corpus models through the renderer as the game would, and saves the
// frame as a PNG when KORVATH_SCREENSHOT names a file.

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
    return size / (high - low);
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
    LinkedList<Pawn*> drawList;
    for (int slot = 0; slot < 3; ++slot) {
        kinds[slot] = MakeTemplate();
        kinds[slot]->ModelRefList[0] = slot;
        float stretch = FitStretch(*renderer->ModelAt(slot), slot == 0 ? 90.0f : 55.0f);
        float x = slot == 0 ? 0.0f : slot == 1 ? -75.0f : 75.0f;
        pawns.emplace_back(kinds[slot].get());
        pawns.back().Placement = Transform(0, 35, 0, x, 0, 0, stretch, stretch, stretch);
    }
    for (Pawn& pawn : pawns)
        drawList.PushBack(&pawn);
    Camera camera(20.0f, 0, 0, 0, 0, 0, 250.0f);
    renderer->SetSceneView(SceneView{&drawList, &camera, nullptr, nullptr});
    renderer->Draw();
    std::vector<unsigned char> frame = ReadFrame();
    PixelBox box = DrawnBox(frame);
    EXPECT_TRUE(box.left < 250 && box.right > 550);
    if (const char* path = std::getenv("KORVATH_SCREENSHOT")) {
        for (size_t i = 3; i < frame.size(); i += 4)
            frame[i] = 255;                // the clear alpha of 0 would show as empty
        stbi_flip_vertically_on_write(1);  // GL rows run bottom-up
        stbi_write_png(path, kWidth, kHeight, 4, frame.data(), kWidth * 4);
    }
}

}  // namespace

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
