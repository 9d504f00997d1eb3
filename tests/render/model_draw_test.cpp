#include <GL/gl.h>
#include <unistd.h>

#include "corpus.h"
#include "gl_fixture.h"
#include "ms3d_writer.h"
#include "render/texture.h"
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
    Model square = MakeSquare(5.0f);
    LinkedList<int> none;
    square.Draw(1, 1, 1, 150.0f, none, ModelColour());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FLOAT_EQ(DiffuseAlpha(), 1.0f);
    square.Draw(1, 1, 1, 99.0f, none, ModelColour());
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FLOAT_EQ(DiffuseAlpha(), 0.99f);
    GLint source = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    square.Draw(1, 1, 1, -20.0f, none, ModelColour());
    EXPECT_FLOAT_EQ(DiffuseAlpha(), 0.0f);
}

TEST_F(ModelDrawTest, TextureOverridesAndRestoredState) {
    SKIP_WITHOUT_GL();
    int own = static_cast<int>(MakeCheckerTexture());
    int other = static_cast<int>(MakeCheckerTexture());
    Model box = MakeBox(5.0f, own);
    LinkedList<int> overrides;
    overrides.PushBack(-1);
    glDisable(GL_TEXTURE_2D);
    box.Draw(1, 1, 1, 100, overrides, ModelColour());
    EXPECT_EQ(BoundTexture(), own);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    overrides[0] = other;
    glEnable(GL_TEXTURE_2D);
    box.Draw(1, 1, 1, 100, overrides, ModelColour());
    EXPECT_EQ(BoundTexture(), other);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0] + colour[1] + colour[2] + colour[3], 4.0f);
    // The diffuse colour is replaced by the colour passed in.
    ModelColour green{0, 510, -5};
    box.Draw(1, 1, 1, 100, overrides, green);
    float diffuse[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    EXPECT_EQ(diffuse[0], 0.0f);
    EXPECT_EQ(diffuse[1], 1.0f);
    EXPECT_EQ(diffuse[2], 0.0f);
}

TEST_F(ModelDrawTest, JpegTextureRowsComeOutBottomUp) {
    SKIP_WITHOUT_GL();
    SKIP_WITHOUT_CORPUS();
    int textures[2] = {0, 0};
    LoadJpegTexture(textures, CorpusPath("jpeg/derived_3x2_colours.jpg").c_str(), 1);
    ASSERT_NE(textures[1], 0);
    EXPECT_EQ(BoundTexture(), textures[1]);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    ASSERT_EQ(height, 2);  // the mipmap builder may widen rows, but keeps them in order
    std::vector<unsigned char> texels(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    // Texture row 0 is the bottom of the picture: yellow on the left, white
    // on the right (stored top-down it would run red to blue). Row 1 is not
    // checked: Mesa's GLU loses it when widening a two-row picture.
    const unsigned char* last = &texels[(width - 1) * 3];
    EXPECT_GT(texels[0], 200);
    EXPECT_GT(texels[1], 200);
    EXPECT_LT(texels[2], 60);
    EXPECT_GT(last[0], 200);
    EXPECT_GT(last[1], 200);
    EXPECT_GT(last[2], 200);
}

class ModelTableTest : public SceneGLTest {
  protected:
    void SetUp() override { renderer = std::make_unique<SceneRenderer>(); }
};

TEST(ModelRetryPath, FromTheLastBackslash) {
    EXPECT_EQ(ModelRetryPath("models\\crate.ms3d"), ".\\crate.ms3d");
    EXPECT_EQ(ModelRetryPath("./gamedata\\models\\crate.ms3d"), ".\\crate.ms3d");
    EXPECT_EQ(ModelRetryPath("crate.ms3d"), ".crate.ms3d");
    EXPECT_EQ(ModelRetryPath("\\crate.ms3d"), ".\\crate.ms3d");
    EXPECT_EQ(ModelRetryPath(""), ".");
}

// The retry finds the file in the working directory.
TEST_F(ModelTableTest, LoadModelRetriesInTheWorkingDirectory) {
    TempDir dir;
    dir.Write("tri.ms3d", MakeMs3d(Ms3dSpec()));
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    bool retried = renderer->LoadModel("nowhere\\models\\tri.ms3d", 4);
    bool missing = renderer->LoadModel("nowhere\\models\\gone.ms3d", 5);
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_TRUE(retried);
    EXPECT_FALSE(renderer->ModelAt(4)->Empty());
    EXPECT_FALSE(missing);
    EXPECT_TRUE(renderer->ModelAt(5)->Empty());
    std::string direct = dir.Path() + "/tri.ms3d";
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), 500));
    EXPECT_FALSE(renderer->LoadModel(direct.c_str(), -1));
    EXPECT_EQ(renderer->ModelAt(500), nullptr);
    EXPECT_EQ(renderer->ModelAt(-1), nullptr);
}

}  // namespace
