#include <gtest/gtest.h>

#include "render/model.h"
#include "render/scene_renderer.h"
#include "render/texture.h"
#include "support/corpus.h"
#include "support/data_folder.h"
#include "test_models.h"

namespace {

// Loads run without GL: textures are decoded but not uploaded.
class ModelLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { SetTextureUploadEnabled(false); }
    void TearDown() override { SetTextureUploadEnabled(true); }
    std::string Write(const Ms3dRecipe& recipe) { return dir.Write("m.ms3d", MakeMs3d(recipe)); }
    DataFolder dir;
    Model model;
};

// Files shorter than their counts or indexing outside their arrays are
// refused and leave the model empty.
TEST_F(ModelLoadTest, CorpusLoadsOrIsRefused) {
    SKIP_WITHOUT_CORPUS();
    const struct {
        const char* file;
        size_t vertices, triangles, groups, materials;  // all 0: refused
    } corpus[] = {{"Wuson.ms3d", 2117, 3732, 1, 0},
                  {"twospheres.ms3d", 124, 240, 2, 0},
                  {"twospheres_withmats.ms3d", 124, 240, 2, 2},
                  {"InvalidMaterialIndex.ms3d", 0, 0, 0, 0},
                  {"Wuson_lfdamaged_2018.ms3d", 0, 0, 0, 0},
                  {"derived_twospheres_withmats_trunc_in_tris.ms3d", 0, 0, 0, 0},
                  {"derived_twospheres_withmats_group_tri_oob.ms3d", 0, 0, 0, 0},
                  {"derived_twospheres_withmats_vcount_too_big.ms3d", 0, 0, 0, 0},
                  {"derived_twospheres_withmats_tri_vertex_oob.ms3d", 0, 0, 0, 0}};
    for (const auto& fact : corpus) {
        std::string path = CorpusPath(std::string("ms3d/") + fact.file);
        EXPECT_EQ(model.Load(path.c_str()), fact.vertices > 0) << fact.file;
        EXPECT_EQ(model.vertices.size(), fact.vertices) << fact.file;
        EXPECT_EQ(model.triangles.size(), fact.triangles) << fact.file;
        EXPECT_EQ(model.groups.size(), fact.groups) << fact.file;
        EXPECT_EQ(model.materials.size(), fact.materials) << fact.file;
    }
}

TEST_F(ModelLoadTest, JeepTextureIsFoundBesideTheModel) {
    SKIP_WITHOUT_CORPUS();
    std::filesystem::copy(CorpusPath("ms3d/jeep1.ms3d"), "gamedata/jeep1.ms3d");
    std::filesystem::copy(CorpusPath("jpeg/jeep1.jpg"), "gamedata/jeep1.jpg");
    ASSERT_TRUE(model.Load("gamedata/jeep1.ms3d"));
    ASSERT_EQ(model.groups.size(), 7u);
    EXPECT_EQ(model.groups[6].triangleCount, 1192);
    EXPECT_EQ(model.groups[6].materialIndex, 0);
    EXPECT_EQ(model.materials[0].textureFile, "gamedata\\jeep1.jpg");
    EXPECT_NE(model.materials[0].texture, 0);
}

TEST_F(ModelLoadTest, VersionAndStoredT) {
    Ms3dRecipe recipe;
    recipe.version = 2;
    EXPECT_FALSE(model.Load(Write(recipe).c_str()));
    recipe.version = 3;
    ASSERT_TRUE(model.Load(Write(recipe).c_str()));
    EXPECT_EQ(model.triangles[0].t[0], 0.75f);
    EXPECT_EQ(model.triangles[0].t[2], 0.0f);
    EXPECT_EQ(model.groups[0].materialIndex, -1);
}

// Every cut of a good file is refused without reading past the buffer, and
// a failed load empties a model that held one before.
TEST_F(ModelLoadTest, EveryTruncationIsRefused) {
    Ms3dRecipe recipe;
    recipe.materialIndex = 0;
    recipe.materialCount = 1;
    std::string whole = MakeMs3d(recipe);
    for (size_t size = 0; size < whole.size(); ++size) {
        ASSERT_TRUE(model.Load(dir.Write("whole.ms3d", whole).c_str()));
        EXPECT_FALSE(model.Load(dir.Write("cut.ms3d", whole.substr(0, size)).c_str())) << size;
        EXPECT_TRUE(model.vertices.empty() && model.Empty());
    }
}

// A name filling all 128 bytes is read within them, not into the next field.
TEST_F(ModelLoadTest, UnterminatedTextureNameStaysWithinItsField) {
    SKIP_WITHOUT_CORPUS();
    std::string target = CorpusPath("jpeg/derived_3x2_colours.jpg");
    if (target.size() % 2)
        target.insert(target.find('/'), "/");  // the name fills the field with "./" pairs
    Ms3dRecipe recipe;
    recipe.materialIndex = 0;
    recipe.materialCount = 1;
    for (recipe.textureName = target; recipe.textureName.size() < 128;)
        recipe.textureName.insert(0, "./");
    ASSERT_TRUE(model.Load(Write(recipe).c_str()));
    EXPECT_EQ(model.materials[0].textureFile, recipe.textureName);
}

// The retry finds the file in the working directory; slots outside the
// table load nothing.
TEST(ModelTable, LoadModelRetriesInTheWorkingDirectory) {
    auto renderer = std::make_unique<SceneRenderer>();
    DataFolder data;
    std::string direct = data.Dir().Write("tri.ms3d", MakeMs3d(Ms3dRecipe()));
    EXPECT_TRUE(renderer->LoadModel("nowhere\\models\\tri.ms3d", 4));
    EXPECT_FALSE(renderer->ModelAt(4)->Empty());
    EXPECT_FALSE(renderer->LoadModel("nowhere\\models\\gone.ms3d", 5));
    EXPECT_TRUE(renderer->ModelAt(5)->Empty());
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), 500));
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), -1));
}

}  // namespace
