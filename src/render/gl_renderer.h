#pragma once
// The abstract renderer the GL window is bound to. The window sets it up,
// sizes it and shuts it down; the game calls Render once per drawn frame.

#include "platform/sys_gl.h"

// With drawing off (a run that shows nothing), the GL window never calls
// into its renderer and Render draws nothing, so no GL call is made at all.
void SetGLDrawingEnabled(bool enabled);
bool GLDrawingEnabled();

class GLRenderer {
  public:
    virtual ~GLRenderer() = default;
    // Draws one frame into the current context.
    virtual void Draw() = 0;
    // Called once before the window exists; may replace the plain format
    // (with multisampling, say).
    virtual PixelFormat PickPixelFormat(const PixelFormat& plain) { return plain; }
    // Viewport and projection for a client area of this size.
    virtual void Resize(int width, int height) = 0;
    // One-time GL state, with the context current.
    virtual void Init() = 0;
    // Releases GL objects, with the context current, before destruction.
    virtual void Shutdown() = 0;

    // Draw, glFlush, and the window's swap.
    void Render();
};
