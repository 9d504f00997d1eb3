#pragma once
// The abstract renderer the GL window owns: the window sets it up, sizes it
// and shuts it down; the game calls Render once per drawn frame.

#include "platform/sys_gl.h"

class GLRenderer {
  public:
    virtual ~GLRenderer() = default;
    virtual void Draw() = 0;  // one frame into the current context
    // Called before the window exists; may replace the plain format.
    virtual PixelFormat PickPixelFormat(const PixelFormat& plain) { return plain; }
    virtual void Resize(int width, int height) = 0;  // viewport and projection
    virtual void Init() = 0;                         // one-time GL state, the context current
    virtual void Shutdown() = 0;                     // releases GL objects, the context current
    void Render();  // Draw, glFlush, swap; nothing on a window that draws nothing
};
