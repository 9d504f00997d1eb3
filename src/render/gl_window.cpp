#include "render/gl_window.h"

#include <GL/gl.h>

#include <algorithm>

#include "platform/sys_video.h"
#include "render/texture.h"

namespace {
std::unique_ptr<GLRenderer> g_renderer;
}

void GLRenderer::Render() {
    if (!Sys_WindowDraws())
        return;
    Draw();
    glFlush();
    Sys_SwapWindow();
}

bool OpenGLWindow(const char* title, int width, int height, std::unique_ptr<GLRenderer> renderer) {
    PixelFormat plain;
    PixelFormat chosen = renderer ? renderer->PickPixelFormat(plain) : plain;
    if (!renderer || !(Sys_OpenWindow(title, width, height, chosen) ||
                       (!(chosen == plain) && Sys_OpenWindow(title, width, height, plain))))
        return false;
    g_renderer = std::move(renderer);
    if (Sys_WindowDraws())
        g_renderer->Init();
    Sys_ClientSize(&width, &height);
    ResizeGLWindow(width, height);
    return true;
}

void ResizeGLWindow(int width, int height) {
    if (g_renderer && Sys_WindowDraws())
        g_renderer->Resize(width, std::max(height, 1));
}

void RenderGLWindow() {
    if (g_renderer)
        g_renderer->Render();
}

void CloseGLWindow() {
    if (g_renderer && Sys_WindowDraws())
        g_renderer->Shutdown();
    ForgetTextures();  // they went with the context
    g_renderer.reset();
    Sys_CloseWindow();
}
