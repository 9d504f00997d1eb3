#include "render/scene_renderer.h"

#include <GL/gl.h>

#include <cmath>

#include "gl_fixture.h"
#include "render/bomb_gauge.h"
#include "test_models.h"

namespace {

bool gaugeShown = false;
bool GaugeShown() {
    return gaugeShown;
}

// Where a point relative to the camera's centre lands in the window, by the
// camera's maths: tilt about x, eye `distance` back on +z, 45 degree field.
void Project(float x, float y, float z, float xangle, float distance, double* wx, double* wy) {
    const double pi = 3.14159265358979;
    double a = xangle * pi / 180.0;
    double ry = y * std::cos(a) - z * std::sin(a);
    double rz = y * std::sin(a) + z * std::cos(a);
    double depth = distance - rz;
    double f = 1.0 / std::tan(22.5 * pi / 180.0);
    double aspect = 800.0 / 600.0;
    *wx = (f / aspect * x / depth + 1.0) * 400.0;
    *wy = (f * ry / depth + 1.0) * 300.0;
}

class SceneRendererTest : public SceneGLTest {
  protected:
    void Show(Pawn* pawn) {
        drawList.Clear();
        drawList.PushBack(pawn);
        SceneView view;
        view.drawList = &drawList;
        view.worldCamera = &worldCamera;
        view.bombCount = &bombCount;
        view.gaugeVisible = GaugeShown;
        renderer->SetSceneView(view);
    }

    std::vector<unsigned char> DrawFrame() {
        renderer->Draw();
        return ReadFrame();
    }

    LinkedList<Pawn*> drawList;
    Camera worldCamera;
    int bombCount = 0;
};

TEST_F(SceneRendererTest, EmptyFrameIsExactlyTheClearColour) {
    SKIP_WITHOUT_GL();
    std::vector<unsigned char> frame = DrawFrame();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            Rgba c = At(frame, x, y);
            ASSERT_TRUE(c.r == 31 && c.g == 31 && c.b == 46) << x << "," << y;
        }
}

TEST_F(SceneRendererTest, NothingIsDrawnBeforeInit) {
    SKIP_WITHOUT_GL();
    SceneRenderer fresh;
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    fresh.Draw();
    EXPECT_EQ(At(ReadFrame(), 400, 300).r, 255);
}

TEST_F(SceneRendererTest, TexturedBoxLandsWhereTheWorldCameraSays) {
    SKIP_WITHOUT_GL();
    *renderer->ModelAt(0) = MakeBox(8.0f, static_cast<int>(MakeCheckerTexture()));
    auto kind = MakeTemplate();
    Pawn pawn(kind.get(), 140.0f, 70.0f);
    worldCamera = Camera(20.0f, 0, 0, -100.0f, -60.0f, 0, 250.0f);  // centred on (100, 60)
    Show(&pawn);
    std::vector<unsigned char> frame = DrawFrame();
    PixelBox box = DrawnBox(frame);
    ASSERT_FALSE(box.Empty());
    // The checker's red texels show through the lighting.
    Rgba centre = At(frame, static_cast<int>(box.CentreX()), static_cast<int>(box.CentreY()));
    int reddish = 0;
    for (int y = box.bottom; y <= box.top; ++y)
        for (int x = box.left; x <= box.right; ++x)
            reddish += At(frame, x, y).r > At(frame, x, y).g + 80;
    EXPECT_GT(reddish, 100) << centre.r << "," << centre.g << "," << centre.b;
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    for (int corner = 0; corner < 8; ++corner) {
        double wx, wy;
        Project(40.0f + (corner & 1 ? 8 : -8), 10.0f + (corner & 2 ? 8 : -8), corner & 4 ? 8 : -8,
                20.0f, 250.0f, &wx, &wy);
        left = std::min(left, wx), right = std::max(right, wx);
        bottom = std::min(bottom, wy), top = std::max(top, wy);
    }
    EXPECT_NEAR(box.left, left, 1.5);
    EXPECT_NEAR(box.right + 1, right, 1.5);
    EXPECT_NEAR(box.bottom, bottom, 1.5);
    EXPECT_NEAR(box.top + 1, top, 1.5);
}

TEST_F(SceneRendererTest, HalfOpaquePartInHalfOpaquePawnBlendsAtAQuarter) {
    SKIP_WITHOUT_GL();
    *renderer->ModelAt(0) = MakeSquare(20.0f);
    auto solidKind = MakeTemplate();
    Pawn solid(solidKind.get());
    solid.Type = 1;
    Show(&solid);
    Rgba opaque = At(DrawFrame(), 400, 300);
    Transform halfPart;
    halfPart.opacity = 50.0f;
    auto halfKind = MakeTemplate(halfPart);
    Pawn half(halfKind.get());
    half.Type = 1;
    half.Placement.opacity = 50.0f;
    Show(&half);
    Rgba blended = At(DrawFrame(), 400, 300);
    EXPECT_NEAR(blended.r, 0.25 * opaque.r + 0.75 * 31, 2.0);
    EXPECT_NEAR(blended.g, 0.25 * opaque.g + 0.75 * 31, 2.0);
    EXPECT_NEAR(blended.b, 0.25 * opaque.b + 0.75 * 46, 2.0);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    half.Placement.opacity = 0.0f;
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
}

TEST_F(SceneRendererTest, SpecialFlagTenDrawsTenUnitsHigher) {
    SKIP_WITHOUT_GL();
    *renderer->ModelAt(0) = MakeSquare(10.0f);
    auto kind = MakeTemplate();
    Pawn pawn(kind.get());
    pawn.Type = 1;
    Show(&pawn);
    PixelBox plain = DrawnBox(DrawFrame());
    kind->SpecialFlag = 10;
    PixelBox raised = DrawnBox(DrawFrame());
    // Ten units at the fixed camera's 300 units from the eye.
    double expected = 10.0 / (300.0 * std::tan(22.5 * 3.14159265358979 / 180.0)) * 300.0;
    EXPECT_NEAR(raised.CentreY() - plain.CentreY(), expected, 1.0);
    EXPECT_EQ(raised.CentreX(), plain.CentreX());
    EXPECT_EQ(pawn.Placement.yoffset, 0.0f);
}

TEST_F(SceneRendererTest, PawnsThatDrawNothing) {
    SKIP_WITHOUT_GL();
    *renderer->ModelAt(0) = MakeSquare(10.0f);
    auto kind = MakeTemplate();
    Pawn pawn(kind.get());
    pawn.Type = 1;
    Show(&pawn);
    pawn.Visible = false;
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
    pawn.Visible = true;
    pawn.Type = 2;
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
    pawn.Type = 1;
    pawn.Frame = 1;  // no such frame
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
    pawn.Frame = 0;
    kind->ModelRefList[0] = 500;  // outside the table
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
    kind->ModelRefList[0] = -1;
    EXPECT_TRUE(DrawnBox(DrawFrame()).Empty());
    kind->ModelRefList[0] = 0;
    EXPECT_FALSE(DrawnBox(DrawFrame()).Empty());
}

TEST_F(SceneRendererTest, GaugeSettlesAtRestAndSlidesOneUnitPerFrame) {
    SKIP_WITHOUT_GL();
    ResetBombGauge();
    gaugeShown = true;
    bombCount = 0;
    Show(nullptr);
    for (int frame = 0; frame < 3; ++frame)
        renderer->Draw();
    EXPECT_EQ(BombGaugePosition, -9.0f);
    EXPECT_EQ(BombGaugeSpin, 3.0f);
    bombCount = 2;
    for (int frame = 1; frame <= 19; ++frame) {
        renderer->Draw();
        ASSERT_EQ(BombGaugePosition, -9.0f + frame);
    }
    renderer->Draw();
    EXPECT_EQ(BombGaugePosition, 10.0f);
    EXPECT_EQ(BombGaugeTarget, 10.0f);
    gaugeShown = false;
    renderer->Draw();
    EXPECT_EQ(BombGaugeSpin, 23.0f);
}

TEST_F(SceneRendererTest, ResizeToZeroHeightKeepsAFiniteProjection) {
    SKIP_WITHOUT_GL();
    renderer->Resize(800, 0);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (float value : projection)
        EXPECT_TRUE(std::isfinite(value));
}

TEST_F(SceneRendererTest, MultisamplingWhenTheDriverOffersIt) {
    SKIP_WITHOUT_GL();
    PixelFormat standard;
    PixelFormat chosen = renderer->PickPixelFormat(surface, standard);
    PixelFormat four = standard, two = standard;
    four.sampleBuffers = two.sampleBuffers = 1;
    four.samples = 4;
    two.samples = 2;
    if (Sys_GLFormatAvailable(four))
        EXPECT_EQ(chosen, four);
    else if (Sys_GLFormatAvailable(two))
        EXPECT_EQ(chosen, two);
    else
        GTEST_SKIP() << "the driver offers no multisampling";
    CloseContext();
    ASSERT_TRUE(OpenContext(chosen));
    GLint buffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &buffers);
    EXPECT_EQ(buffers, 1);
}

}  // namespace
