// Time of one frame of the scene renderer with 500 visible textured models of
// 500 triangles each at 800x600: Draw plus glFinish, so rasterising counts.

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/sys_main.h"
#include "platform/sys_video.h"
#include "render/scene_renderer.h"
#include "world/pawn.h"

namespace {

constexpr int kCount = 500;

int MakeTexture() {
    std::vector<unsigned char> pixels(64 * 64 * 3);
    for (int i = 0; i < 64 * 64; ++i)
        for (int c = 0; c < 3; ++c)
            pixels[i * 3 + c] =
                static_cast<unsigned char>(((i / 64 + i) % 16 < 8) ? 220 : 60 + c * 40);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return static_cast<int>(name);
}

// A bumpy 25 x 10 grid of quads, 500 triangles, about 8 units across.
Model MakeMesh(int texture) {
    Model model;
    ModelMaterial material;
    for (int i = 0; i < 4; ++i)
        material.ambient[i] = material.diffuse[i] = material.specular[i] = material.emissive[i] =
            0.2f;
    material.texture = texture;
    model.materials.push_back(material);
    model.groups.resize(1);
    model.groups[0].materialIndex = 0;
    for (int y = 0; y <= 10; ++y)
        for (int x = 0; x <= 25; ++x)
            model.vertices.push_back(
                {{x * 0.32f - 4.0f, y * 0.8f - 4.0f, std::sin(x * 0.7f) * 0.5f}});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 25; ++x) {
            int a = y * 26 + x, b = a + 1, c = a + 27, d = a + 26;
            for (const auto& corners : {std::vector<int>{a, b, c}, std::vector<int>{a, c, d}}) {
                ModelTriangle triangle = {};
                for (int k = 0; k < 3; ++k) {
                    triangle.vertexIndices[k] = corners[k];
                    triangle.normals[k][2] = 1.0f;
                    triangle.s[k] = (corners[k] % 26) / 25.0f;
                    triangle.t[k] = (corners[k] / 26) / 10.0f;
                }
                model.groups[0].triangleIndices.push_back(static_cast<int>(model.triangles.size()));
                model.triangles.push_back(triangle);
            }
        }
    model.groups[0].triangleCount = static_cast<int>(model.triangles.size());
    return model;
}

struct Scene {
    std::unique_ptr<SceneRenderer> renderer = std::make_unique<SceneRenderer>();
    std::vector<std::unique_ptr<PawnTemplate>> kinds;
    std::vector<Pawn> pawns;
    DrawList drawList;
    Camera camera = Camera(20.0f, 0, 0, 0, 0, 0, 250.0f);
};

// 500 pawns in a 25 x 20 grid filling the view, each with its own slot.
void Populate(Scene* scene) {
    int texture = MakeTexture();
    Model mesh = MakeMesh(texture);
    for (int i = 0; i < kCount; ++i) {
        *scene->renderer->ModelAt(i) = mesh;
        auto kind = std::make_unique<PawnTemplate>();
        LinkedList<FramePart> frame;
        frame.PushBack(FramePart());
        kind->Frames.PushBack(frame);
        kind->ModelRefList.PushBack(i);
        scene->pawns.emplace_back(kind.get(), (i % 25) * 10.0f - 120.0f, (i / 25) * 8.0f - 76.0f);
        scene->kinds.push_back(std::move(kind));
    }
    for (Pawn& pawn : scene->pawns)
        scene->drawList.push_back(&pawn);
    SceneView view;
    view.drawList = &scene->drawList;
    view.worldCamera = &scene->camera;
    scene->renderer->SetSceneView(view);
}

void BM_SceneFrame500Models(benchmark::State& state) {
    HeadlessOptions options;
    options.gl = true;
    Sys_StartHeadless(options);
    if (!Sys_OpenWindow("", 800, 600, PixelFormat())) {
        Sys_Stop();
        state.SkipWithError("no offscreen GL context");
        return;
    }
    {
        Scene scene;
        scene.renderer->Init();
        scene.renderer->Resize(800, 600);
        Populate(&scene);
        for (auto _ : state) {
            scene.renderer->Draw();
            glFinish();
        }
        state.counters["triangles"] = kCount * 500;
    }
    Sys_Stop();
}
BENCHMARK(BM_SceneFrame500Models)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
