#include <gtest/gtest.h>

#include "corpus.h"
#include "ms3d_writer.h"
#include "render/model.h"
#include "render/texture.h"
#include "temp_dir.h"

namespace {

// Loads run without GL: textures are still decoded but not uploaded.
class ModelLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { SetTextureUploadEnabled(false); }
    void TearDown() override { SetTextureUploadEnabled(true); }
    TempDir dir;
};

struct Ms3dFact {
    const char* file;
    bool loads;
    size_t vertices, triangles, groups, materials;
};

// Files shorter than their counts or indexing outside their arrays are refused.
const Ms3dFact kCorpus[] = {
    {"Wuson.ms3d", true, 2117, 3732, 1, 0},
    {"twospheres.ms3d", true, 124, 240, 2, 0},
    {"twospheres_withmats.ms3d", true, 124, 240, 2, 2},
    {"InvalidMaterialIndex.ms3d", false, 0, 0, 0, 0},
    {"Wuson_lfdamaged_2018.ms3d", false, 0, 0, 0, 0},
    {"derived_twospheres_withmats_trunc_in_tris.ms3d", false, 0, 0, 0, 0},
    {"derived_twospheres_withmats_group_tri_oob.ms3d", false, 0, 0, 0, 0},
    {"derived_twospheres_withmats_vcount_too_big.ms3d", false, 0, 0, 0, 0},
    {"derived_twospheres_withmats_tri_vertex_oob.ms3d", false, 0, 0, 0, 0},
};

TEST_F(ModelLoadTest, CorpusLoadsOrIsRefused) {
    SKIP_WITHOUT_CORPUS();
    for (const Ms3dFact& fact : kCorpus) {
        Model model;
        EXPECT_EQ(model.Load(CorpusPath(std::string("ms3d/") + fact.file).c_str()), fact.loads)
            << fact.file;
        EXPECT_EQ(model.vertices.size(), fact.vertices) << fact.file;
        EXPECT_EQ(model.triangles.size(), fact.triangles) << fact.file;
        EXPECT_EQ(model.groups.size(), fact.groups) << fact.file;
        EXPECT_EQ(model.materials.size(), fact.materials) << fact.file;
    }
}

TEST_F(ModelLoadTest, JeepGroupsAndTextureBesideTheModel) {
    SKIP_WITHOUT_CORPUS();
    std::string path = dir.Copy(CorpusPath("ms3d/jeep1.ms3d"), "jeep1.ms3d");
    dir.Copy(CorpusPath("jpeg/jeep1.jpg"), "jeep1.jpg");
    Model model;
    ASSERT_TRUE(model.Load(path.c_str()));
    EXPECT_EQ(model.vertices.size(), 1190u);
    EXPECT_EQ(model.triangles.size(), 2032u);
    const int groupSizes[7] = {192, 192, 192, 192, 36, 36, 1192};
    ASSERT_EQ(model.groups.size(), 7u);
    for (int g = 0; g < 7; ++g) {
        EXPECT_EQ(model.groups[g].triangleCount, groupSizes[g]);
        EXPECT_EQ(model.groups[g].materialIndex, 0);
    }
    ASSERT_EQ(model.materials.size(), 1u);
    EXPECT_EQ(model.materials[0].textureFile, dir.Path() + "\\jeep1.jpg");
    EXPECT_NE(model.materials[0].texture, 0);
    EXPECT_FLOAT_EQ(model.materials[0].shininess, 25.0f);
}

TEST_F(ModelLoadTest, HeaderVersionAndStoredT) {
    Ms3dSpec spec;
    Model model;
    spec.version = 2;
    EXPECT_FALSE(model.Load(dir.Write("v2.ms3d", MakeMs3d(spec)).c_str()));
    spec.version = 3;
    ASSERT_TRUE(model.Load(dir.Write("v3.ms3d", MakeMs3d(spec)).c_str()));
    EXPECT_FLOAT_EQ(model.triangles[0].t[0], 0.75f);
    EXPECT_FLOAT_EQ(model.triangles[0].t[1], 0.5f);
    EXPECT_FLOAT_EQ(model.triangles[0].t[2], 0.0f);
    EXPECT_FLOAT_EQ(model.triangles[0].s[1], 0.5f);
    EXPECT_EQ(model.groups[0].materialIndex, -1);
    std::vector<unsigned char> bytes = MakeMs3d(spec);
    bytes[3] = 'X';
    EXPECT_FALSE(model.Load(dir.Write("badid.ms3d", bytes).c_str()));
    EXPECT_FALSE(model.Load(dir.Write("empty.ms3d", {}).c_str()));
    EXPECT_FALSE(model.Load((dir.Path() + "/missing.ms3d").c_str()));
}

// Every cut of a good file is refused without reading past the buffer.
TEST_F(ModelLoadTest, EveryTruncationIsRefused) {
    Ms3dSpec spec;
    spec.materialIndex = 0;
    spec.materialCount = 1;
    std::vector<unsigned char> whole = MakeMs3d(spec);
    Model model;
    ASSERT_TRUE(model.Load(dir.Write("whole.ms3d", whole).c_str()));
    for (size_t size = 0; size < whole.size(); ++size) {
        std::vector<unsigned char> cut(whole.begin(), whole.begin() + size);
        EXPECT_FALSE(model.Load(dir.Write("cut.ms3d", cut).c_str())) << size;
        EXPECT_TRUE(model.Empty());
    }
}

// A name filling all 128 bytes is read within them, not into the next field.
TEST_F(ModelLoadTest, UnterminatedTextureNameStaysWithinItsField) {
    SKIP_WITHOUT_CORPUS();
    std::string target = CorpusPath("jpeg/derived_3x2_colours.jpg");
    ASSERT_LT(target.size(), 128u);
    Ms3dSpec spec;
    spec.materialIndex = 0;
    spec.materialCount = 1;
    spec.textureName = std::string(128 - target.size(), '/') + target;
    Model model;
    ASSERT_TRUE(model.Load(dir.Write("longname.ms3d", MakeMs3d(spec)).c_str()));
    EXPECT_EQ(model.materials[0].textureFile, spec.textureName);
    EXPECT_NE(model.materials[0].texture, 0);
}

TEST_F(ModelLoadTest, SecondLoadReplacesTheFirst) {
    SKIP_WITHOUT_CORPUS();
    Model model;
    ASSERT_TRUE(model.Load(CorpusPath("ms3d/Wuson.ms3d").c_str()));
    ASSERT_TRUE(model.Load(CorpusPath("ms3d/twospheres.ms3d").c_str()));
    EXPECT_EQ(model.vertices.size(), 124u);
    EXPECT_EQ(model.groups.size(), 2u);
    EXPECT_FALSE(model.Load(CorpusPath("ms3d/InvalidMaterialIndex.ms3d").c_str()));
    EXPECT_TRUE(model.Empty());
    EXPECT_TRUE(model.vertices.empty());
}

TEST(ModelPaths, TextureNamesResolveBesideTheModel) {
    EXPECT_EQ(ModelDirectory("./gamedata\\models\\crate.ms3d"), "./gamedata\\models");
    EXPECT_EQ(ModelDirectory("a/b\\c/d.ms3d"), "a/b\\c");
    EXPECT_EQ(ModelDirectory("crate.ms3d"), "");
    EXPECT_EQ(ResolveTexturePath("./gamedata\\models", ".\\crate.jpg"),
              "./gamedata\\models\\crate.jpg");
    EXPECT_EQ(ResolveTexturePath("./gamedata", "textures\\crate.jpg"), "textures\\crate.jpg");
    EXPECT_EQ(ResolveTexturePath("./gamedata", "./crate.jpg"), "./crate.jpg");
    EXPECT_EQ(ResolveTexturePath("./gamedata", ""), "");
}

}  // namespace
