#include "game/frame_output.h"

#include "render/gl_window.h"

void DrawFrame(HWND glWindow) {
    if (GLRenderer* renderer = GLWindowRenderer(glWindow))
        renderer->Render();
    UpdateWindow(glWindow);
}
