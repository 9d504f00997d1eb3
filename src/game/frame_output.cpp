#include "game/frame_output.h"

#include "render/gl_window.h"

void DrawFrame() {
    RenderGLWindow();
}
