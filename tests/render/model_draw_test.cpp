#include <GL/gl.h>
#include <unistd.h>

#include "gl_fixture.h"
#include "ms3d_writer.h"
#include "temp_dir.h"
#include "test_models.h"

namespace {

using ModelDrawTest = SceneGLTest;

float DiffuseAlpha() {
    float diffuse[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    return diffuse[3];
}

GLint BoundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

TEST_F(ModelDrawTest, OpacityAboveFullIsOpaqueAndBelowBlends) {
    SKIP_WITHOUT_GL();
    Model box = MakeBox(5.0f, false);
    box.Draw(1, 1, 1, 150.0f, LinkedList<int>(), ModelColour());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(DiffuseAlpha(), 1.0f);
    box.Draw(1, 1, 1, 99.0f, LinkedList<int>(), ModelColour());
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FLOAT_EQ(DiffuseAlpha(), 0.99f);
}

// An override of -1 keeps the material's texture; texturing is restored and
// the colour replaces the diffuse colour, clamped to 0..255.
TEST_F(ModelDrawTest, TextureOverridesAndRestoredState) {
    SKIP_WITHOUT_GL();
    Model box = MakeBox(5.0f, true);
    Model other = MakeBox(5.0f, true);
    LinkedList<int> overrides;
    overrides.PushBack(-1);
    glDisable(GL_TEXTURE_2D);
    box.Draw(1, 1, 1, 100, overrides, ModelColour());
    EXPECT_EQ(BoundTexture(), box.materials[0].texture);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    overrides[0] = other.materials[0].texture;
    glEnable(GL_TEXTURE_2D);
    box.Draw(1, 1, 1, 100, overrides, ModelColour{0, 510, -5});
    EXPECT_EQ(BoundTexture(), other.materials[0].texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    float diffuse[4], colour[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_TRUE(diffuse[0] == 0.0f && diffuse[1] == 1.0f && diffuse[2] == 0.0f);
    EXPECT_EQ(colour[0] + colour[1] + colour[2] + colour[3], 4.0f);
}

TEST(ModelRetryPath, FromTheLastBackslash) {
    EXPECT_EQ(ModelRetryPath("./gamedata\\models\\crate.ms3d"), ".\\crate.ms3d");
    EXPECT_EQ(ModelRetryPath("crate.ms3d"), ".crate.ms3d");
    EXPECT_EQ(ModelRetryPath("\\crate.ms3d"), ".\\crate.ms3d");
}

// The retry finds the file in the working directory; slots outside the
// table load nothing.
TEST(ModelTable, LoadModelRetriesInTheWorkingDirectory) {
    auto renderer = std::make_unique<SceneRenderer>();
    TempDir dir;
    std::string direct = dir.Write("tri.ms3d", MakeMs3d(Ms3dRecipe()));
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    bool retried = renderer->LoadModel("nowhere\\models\\tri.ms3d", 4);
    bool missing = renderer->LoadModel("nowhere\\models\\gone.ms3d", 5);
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_TRUE(retried && !renderer->ModelAt(4)->Empty());
    EXPECT_TRUE(!missing && renderer->ModelAt(5)->Empty());
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), 500));
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), -1));
}

}  // namespace
