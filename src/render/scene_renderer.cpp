#include "render/scene_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

#include "platform/sys_path.h"
#include "render/bomb_gauge.h"
#include "render/death_moment.h"
#include "render/hint_sign.h"
#include "render/list_lookup.h"
#include "world/pawn.h"
#include "world/template_roles.h"

namespace {

// Paths are handed on at most this long, terminator included.
constexpr size_t kMaxModelPath = 1024;

void SetUpLight() {
    const float brightness = 1.0f;
    const float position[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float ambient[4] = {0.8f * brightness, 0.8f * brightness, 0.8f * brightness, 1.0f};
    const float diffuse[4] = {brightness, brightness, brightness, 1.0f};
    const float specular[4] = {brightness, brightness, brightness, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

PixelFormat WithSamples(PixelFormat format, int samples) {
    format.sampleBuffers = 1;
    format.samples = samples;
    format.accelerated = true;  // a fully accelerated format, as the game asks for
    return format;
}

}  // namespace

std::string ModelRetryPath(const std::string& path) {
    size_t slash = path.size() > 1 ? path.find_last_of('\\') : std::string::npos;
    if (slash == 0 || slash == std::string::npos)
        return "." + path;
    return "." + path.substr(slash);
}

bool SceneRenderer::LoadModel(const char* path, int slot) {
    if (slot < 0 || slot >= kModelSlots || !path)
        return false;
    std::string first(path, strnlen(path, kMaxModelPath - 1));
    std::string why, retryWhy;
    if (models[slot].Load(first.c_str(), &why))
        return true;
    const std::string retry = ModelRetryPath(first);
    if (models[slot].Load(retry.c_str(), &retryWhy))
        return true;
    Sys_ReportFileProblem(first.empty() ? "(an empty model path)" : first,
                          why + " (nor could " + retry + " be read: " + retryWhy + ")");
    return false;
}

const Model* SceneRenderer::ModelAt(int slot) const {
    return slot >= 0 && slot < kModelSlots ? &models[slot] : nullptr;
}

Model* SceneRenderer::ModelAt(int slot) {
    return slot >= 0 && slot < kModelSlots ? &models[slot] : nullptr;
}

void SceneRenderer::Init() {
    drawEnabled = true;
    lightingEnabled = true;
    glShadeModel(GL_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    if (lightingEnabled)
        SetUpLight();
}

// A zero height (a minimised window) is taken as 1, which keeps the
// projection finite until the next resize.
void SceneRenderer::Resize(int width, int height) {
    if (height <= 0)
        height = 1;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    aspect_ = static_cast<float>(width) / static_cast<float>(height);
    gluPerspective(kFieldOfViewDegrees, static_cast<double>(width) / static_cast<double>(height),
                   0.9, 5000.0);
    glViewport(0, 0, width, height);
}

// Four samples if the driver offers them, then two, else the platform's choice.
PixelFormat SceneRenderer::PickPixelFormat(const PixelFormat& defaultFormat) {
    for (int samples : {4, 2}) {
        PixelFormat format = WithSamples(defaultFormat, samples);
        if (Sys_GLFormatAvailable(format))
            return format;
    }
    return defaultFormat;
}

void SceneRenderer::Draw() {
    if (!drawEnabled)
        return;
    glClearColor(0.12f, 0.12f, 0.18f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    WorldPass();
    if (HeroDeadFrames() > 0)
        DrawDeathTint(HeroDeadFrames());
    const Position* position = view_.position;
    if (position && position->GameState == kGameRunning && position->LevelPhase == kPhasePlaying) {
        DrawBombGauge(position->BombCount);
        DrawHintOverHero(*position);
    }
}

void SceneRenderer::DrawHintOverHero(const Position& position) {
    const Pawn* hero = position.PlayerPawn();
    if (view_.hint && view_.worldCamera && hero)
        DrawHintSign(*view_.hint, *view_.worldCamera, hero->Placement.xoffset,
                     hero->Placement.yoffset, hero->Placement.zoffset);
}

int SceneRenderer::HeroDeadFrames() const {
    return view_.heroDeadFrames && view_.position ? *view_.heroDeadFrames : 0;
}

void SceneRenderer::WorldPass() {
    if (!view_.drawList)
        return;
    for (const Pawn* pawn : *view_.drawList)
        if (pawn && pawn->Visible)
            DrawPawn(*pawn);
}

void SceneRenderer::DrawPawn(const Pawn& pawn) {
    const PawnTemplate* kind = pawn.Template;
    const LinkedList<FramePart>* frame = kind ? kind->FrameAt(pawn.Frame) : nullptr;
    if (!frame || pawn.Placement.opacity <= 0.0f)
        return;
    Camera camera = Camera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 300.0f);
    if (pawn.Type == kWorldPawn && view_.worldCamera)
        camera = *view_.worldCamera;
    else if (pawn.Type != kFixedPawn)
        return;
    Transform base = pawn.Placement;
    if (IsRaised(*kind))
        base.yoffset += 10.0f;
    ModelColour colour;
    if (HeroDeadFrames() > 0 && &pawn == view_.position->PlayerPawn()) {
        base = DeathPose(base, HeroDeadFrames());
        colour = DeathColour(HeroDeadFrames());
    }
    for (const LLNode<FramePart>* part = frame->head; part; part = part->next) {
        const int* slot = ElementAt(kind->ModelRefList, part->data.ModelRef);
        if (slot)
            DrawModelInstance(*slot, CombineTransforms(part->data.Transform, base), camera,
                              kind->TextureList, colour);
    }
}

void SceneRenderer::DrawModelInstance(int slot, const Transform& transform, Camera camera,
                                      const LinkedList<int>& textures, ModelColour colour) {
    const Model* model = ModelAt(slot);
    if (!model || model->Empty())
        return;
    glPushMatrix();
    ApplyCameraView(camera, transform.xoffset, transform.yoffset, transform.zoffset);
    glRotatef(transform.xangle, 1.0f, 0.0f, 0.0f);
    glRotatef(transform.yangle, 0.0f, 1.0f, 0.0f);
    glRotatef(transform.zangle, 0.0f, 0.0f, 1.0f);
    model->Draw(transform.xstretch, transform.ystretch, transform.zstretch, transform.opacity,
                textures, colour);
    glPopMatrix();
}

void SceneRenderer::DrawBombGauge(int bombCount) {
    StepBombGauge(bombCount);
    const Camera hud(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, kGaugeCameraDistance);
    const LinkedList<int> noTextures;
    DrawModelInstance(kModelGaugeBar, GaugeBarPlacement(aspect_), hud, noTextures, ModelColour());
    for (int i = 0; i < bombCount; ++i)
        DrawModelInstance(kModelGaugeBomb, GaugeBombPlacement(i, aspect_), hud, noTextures,
                          ModelColour());
}
