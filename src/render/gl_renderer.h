#pragma once
// The abstract renderer a GL window is bound to. The window forwards its
// creation, sizing, painting and destruction to these operations; the game
// calls Render once per drawn frame.

#include "platform/sys_gl.h"

// With drawing off (a run that shows nothing), GL windows never call into
// their renderer and Render draws nothing, so no GL call is made at all.
void SetGLDrawingEnabled(bool enabled);
bool GLDrawingEnabled();

class GLRenderer {
  public:
    // Draws one frame into the current context.
    virtual void Draw() = 0;
    virtual ~GLRenderer() = default;
    // Called once with a throw-away context current, before the real surface
    // exists; may replace the platform's default format. The base keeps it.
    virtual PixelFormat PickPixelFormat(HDC dc, const PixelFormat& defaultFormat);
    // Viewport and projection for a client area of this size.
    virtual void Resize(int width, int height) = 0;
    // One-time GL state, with the context current.
    virtual void Init() = 0;
    // Releases GL objects, with the context current, before destruction.
    virtual void Shutdown() = 0;

    void SetContext(HDC dc, HGLRC rc);
    // Makes the stored context current, Draw, glFlush, swap.
    void Render();

  protected:
    HDC hdc = nullptr;
    HGLRC hglrc = nullptr;
};
