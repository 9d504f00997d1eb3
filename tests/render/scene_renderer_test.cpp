// The scene drawn into an 800 x 600 offscreen GL context with a
// SceneRenderer initialised for it, read back pixel by pixel: what draws
// nothing, the bomb gauge, textures.

#include "render/scene_renderer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/sys_main.h"
#include "platform/sys_video.h"
#include "render/bomb_gauge.h"
#include "render/jpeg_image.h"
#include "render/texture.h"
#include "support/corpus.h"
#include "test_models.h"
#include "world/template_roles.h"

namespace {

// A hidden window of the headless back end, without a menu bar; the
// renderer is made only where it opens.
class SceneRendererTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 800, kHeight = 600;

    void SetUp() override {
        HeadlessOptions options;
        options.gl = true;
        Sys_StartHeadless(options);
        if (!Sys_OpenWindow("", kWidth, kHeight, PixelFormat()))
            return;
        renderer = std::make_unique<SceneRenderer>();
        renderer->Init();
        renderer->Resize(kWidth, kHeight);
    }
    void TearDown() override {
        renderer.reset();
        ForgetTextures();  // they went with the context
        Sys_Stop();
    }

    void Show(const Pawn* pawn) {
        drawList.clear();
        if (pawn)
            drawList.push_back(pawn);
        renderer->SetSceneView(SceneView{&drawList, &worldCamera, &position});
    }
    // Draws a frame; true when every pixel is the clear colour (0.12, 0.12,
    // 0.18 of 255, rounded).
    bool DrawsNothing() {
        renderer->Draw();
        std::vector<unsigned char> frame(kWidth * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
        for (size_t i = 0; i < frame.size(); i += 4)
            if (frame[i] != 31 || frame[i + 1] != 31 || frame[i + 2] != 46)
                return false;
        return true;
    }

    std::unique_ptr<SceneRenderer> renderer;
    DrawList drawList;
    Camera worldCamera;
    Position position;  // the bomb gauge shows while a level is played
};

#define SKIP_WITHOUT_GL()                                              \
    do {                                                               \
        if (!renderer)                                                 \
            GTEST_SKIP() << "no offscreen GL context on this machine"; \
    } while (0)

TEST_F(SceneRendererTest, EmptyFrameIsExactlyTheClearColour) {
    SKIP_WITHOUT_GL();
    Show(nullptr);
    EXPECT_TRUE(DrawsNothing());
    renderer->Resize(800, 0);  // a minimised window keeps a finite projection
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_TRUE(std::isfinite(projection[0]));
}

// Invisible pawns, other types, missing frames and slots outside the table
// draw nothing, and nothing throws.
TEST_F(SceneRendererTest, PawnsThatDrawNothing) {
    SKIP_WITHOUT_GL();
    *renderer->ModelAt(0) = MakeBox(10.0f, false);
    auto kind = MakeTemplate();
    Pawn pawn(kind.get());
    Show(&pawn);
    const struct {
        int type;
        bool visible;
        int frame, model;
        bool drawn;
    } cases[] = {{2, true, 0, 0, false},           {kFixedPawn, false, 0, 0, false},
                 {kFixedPawn, true, 1, 0, false},  {kFixedPawn, true, 0, 500, false},
                 {kFixedPawn, true, 0, -1, false}, {kFixedPawn, true, 0, 0, true}};
    for (const auto& c : cases) {
        pawn.Type = c.type, pawn.Visible = c.visible, pawn.Frame = c.frame;
        kind->ModelRefList[0] = c.model;
        EXPECT_EQ(DrawsNothing(), !c.drawn) << c.type << c.visible << c.frame << c.model;
    }
}

// The gauge settles at rest and slides one unit a frame while shown; it draws
// its own model slots: the bar always, a bomb per bomb carried.
TEST_F(SceneRendererTest, GaugeSlidesOneUnitPerFrameAndDrawsTheBarAndOneBombPerBomb) {
    SKIP_WITHOUT_GL();
    ResetBombGauge();
    position.GameState = kGameRunning;
    position.LevelPhase = kPhasePlaying;
    Show(nullptr);
    for (int frame = 0; frame < 3; ++frame)
        renderer->Draw();
    EXPECT_EQ(BombGaugePosition, -9.0f);
    position.BombCount = 2;
    for (int frame = 1; frame <= 20; ++frame) {
        renderer->Draw();
        ASSERT_EQ(BombGaugePosition, std::min(-9.0f + frame, 10.0f));
    }
    position.BombCount = 0;
    *renderer->ModelAt(kModelGaugeBar) = MakeBox(60.0f, false);
    EXPECT_FALSE(DrawsNothing());
    *renderer->ModelAt(kModelGaugeBar) = Model();
    *renderer->ModelAt(kModelGaugeBomb) = MakeBox(20.0f, false);
    EXPECT_TRUE(DrawsNothing());
    position.BombCount = 1;
    EXPECT_FALSE(DrawsNothing());
    position.LevelPhase = kPhaseEnded;
    renderer->Draw();
    EXPECT_EQ(BombGaugeSpin, 26.0f);  // turned only while shown
}

GLint BoundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

// An override of -1 keeps the material's texture; texturing is restored and
// the colour replaces the diffuse colour, clamped to 0..255.
TEST_F(SceneRendererTest, TextureOverridesAndRestoredState) {
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

// A picture whose rows are not a multiple of four bytes long (227 pixels) is
// uploaded unsheared: the texture matches the decoded picture.
TEST_F(SceneRendererTest, OddWidthPictureIsUploadedUnsheared) {
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

}  // namespace
