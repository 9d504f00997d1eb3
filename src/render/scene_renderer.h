#pragma once
// The game's renderer: holds the model table, sets up the fixed GL state and
// the light, and draws each frame the pawns of the draw list and, while a
// level is played, the bomb gauge and a hint's sign over the hero; a dead
// hero is drawn toppled and red under a red tint until the level is restored.

#include <string>

#include "core/linked_list.h"
#include "render/camera.h"
#include "render/gl_renderer.h"
#include "render/model.h"
#include "render/scene_view.h"
#include "world/transform.h"

struct Pawn;

constexpr int kModelSlots = 500;

class SceneRenderer : public GLRenderer {
  public:
    SceneRenderer() = default;
    ~SceneRenderer() override = default;

    void Draw() override;
    PixelFormat PickPixelFormat(const PixelFormat& defaultFormat) override;
    void Resize(int width, int height) override;
    void Init() override;
    void Shutdown() override {}

    // Loads a model file into a slot of the table, retrying once in the
    // working directory. False when both fail or the slot is outside 0..499.
    bool LoadModel(const char* path, int slot);

    void SetSceneView(const SceneView& view) { view_ = view; }

    // Draws one model of the table under a camera; an empty slot or one
    // outside the table draws nothing.
    void DrawModelInstance(int slot, const Transform& transform, Camera camera,
                           const LinkedList<int>& textures, ModelColour colour);

    // The model in a slot, or null for a slot outside the table.
    const Model* ModelAt(int slot) const;
    Model* ModelAt(int slot);

  private:
    void WorldPass();
    void DrawPawn(const Pawn& pawn);
    void DrawBombGauge(int bombCount);
    void DrawHintOverHero(const Position& position);
    int HeroDeadFrames() const;  // of the death's moment; 0 while the hero lives

    bool drawEnabled = false;
    bool lightingEnabled = false;
    float aspect_ = 4.0f / 3.0f;  // the view's width over its height, set by Resize
    Model models[kModelSlots];
    SceneView view_;
};

// The path LoadModel retries: "." followed by the path from its last
// backslash on (the first character is not searched), or "." followed by the
// whole path when it has none.
std::string ModelRetryPath(const std::string& path);
