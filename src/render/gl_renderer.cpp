#include "render/gl_renderer.h"

#include <GL/gl.h>

namespace {
bool g_drawingEnabled = true;
}

void SetGLDrawingEnabled(bool enabled) {
    g_drawingEnabled = enabled;
}

bool GLDrawingEnabled() {
    return g_drawingEnabled;
}

PixelFormat GLRenderer::PickPixelFormat(HDC /*dc*/, const PixelFormat& defaultFormat) {
    return defaultFormat;
}

void GLRenderer::SetContext(HDC dc, HGLRC rc) {
    hdc = dc;
    hglrc = rc;
}

void GLRenderer::Render() {
    if (!g_drawingEnabled)
        return;
    Sys_GLMakeCurrent(hdc, hglrc);
    Draw();
    glFlush();
    Sys_GLSwapBuffers(hdc);
}
