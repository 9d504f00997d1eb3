#include "render/gl_window.h"

#include <GL/gl.h>

#include <algorithm>

#include "platform/sys_video.h"

namespace {

std::unique_ptr<GLRenderer> g_renderer;
bool g_drawingEnabled = true;

bool OpenWithChoice(const char* title, int width, int height, GLRenderer* renderer) {
    PixelFormat plain;
    PixelFormat chosen = g_drawingEnabled ? renderer->PickPixelFormat(plain) : plain;
    if (Sys_OpenWindow(title, width, height, chosen))
        return true;
    return !(chosen == plain) && Sys_OpenWindow(title, width, height, plain);
}

}  // namespace

void SetGLDrawingEnabled(bool enabled) {
    g_drawingEnabled = enabled;
}

bool GLDrawingEnabled() {
    return g_drawingEnabled;
}

void GLRenderer::Render() {
    if (!g_drawingEnabled)
        return;
    Draw();
    glFlush();
    Sys_SwapWindow();
}

bool OpenGLWindow(const char* title, int width, int height, std::unique_ptr<GLRenderer> renderer) {
    if (!renderer || !OpenWithChoice(title, width, height, renderer.get()))
        return false;
    g_renderer = std::move(renderer);
    if (g_drawingEnabled)
        g_renderer->Init();
    Sys_ClientSize(&width, &height);
    ResizeGLWindow(width, height);
    return true;
}

void ResizeGLWindow(int width, int height) {
    if (g_renderer && g_drawingEnabled)
        g_renderer->Resize(width, std::max(height, 1));
}

void RenderGLWindow() {
    if (g_renderer)
        g_renderer->Render();
}

void CloseGLWindow() {
    if (g_renderer && g_drawingEnabled)
        g_renderer->Shutdown();
    g_renderer.reset();
    Sys_CloseWindow();
}
