#include <GL/gl.h>

#include <cstdlib>

#include "corpus.h"
#include "gl_fixture.h"
#include "render/jpeg_image.h"
#include "render/texture.h"
#include "support/data_folder.h"
#include "test_models.h"

namespace {

using ModelDrawTest = SceneGLTest;

GLint BoundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
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

// A picture whose rows are not a multiple of four bytes long (227 pixels)
// is uploaded row for row, not sheared: the texture matches the decoded
// picture sampled at the same places.
TEST_F(ModelDrawTest, OddWidthPictureIsUploadedUnsheared) {
    SKIP_WITHOUT_GL();
    SKIP_WITHOUT_CORPUS();
    std::string path = CorpusPath("jpeg/testorig.jpg");
    JpegImage image;
    std::string why;
    ASSERT_TRUE(DecodeJpeg(path.c_str(), &image, &why));
    int texture = 0;
    LoadJpegTexture(&texture, path.c_str(), 0);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<unsigned char> texels(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    double difference = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int source =
                (y * image.height / height) * image.rowSpan + (x * image.width / width) * 3;
            difference += std::abs(texels[(y * width + x) * 3] - image.pixels[source]);
        }
    EXPECT_LT(difference / (width * height), 12.0);
}
