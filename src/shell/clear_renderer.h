#pragma once
// A renderer that only clears the view to the game's background colour; it
// stands where the scene renderer will be.

#include "render/gl_renderer.h"

class ClearRenderer : public GLRenderer {
  public:
    void Draw() override;
    void Resize(int width, int height) override;
    void Init() override {}
    void Shutdown() override {}
};
