#pragma once
// The renderer's side of the template loader's asset interface: models go
// into the scene renderer's model table, textures come from JPEG files.

#include "render/scene_renderer.h"
#include "world/template_assets.h"

class RendererAssets : public TemplateAssets {
  public:
    explicit RendererAssets(SceneRenderer* renderer) : renderer_(renderer) {}
    bool LoadModel(const char* path, int slot) override;
    void LoadJpegTexture(int* textures, const char* path, int index) override;

  private:
    SceneRenderer* renderer_;
};
