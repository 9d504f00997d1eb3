#include "render/gl_renderer.h"

#include <GL/gl.h>

PixelFormat GLRenderer::PickPixelFormat(HDC /*dc*/, const PixelFormat& defaultFormat) {
    return defaultFormat;
}

void GLRenderer::SetContext(HDC dc, HGLRC rc) {
    hdc = dc;
    hglrc = rc;
}

void GLRenderer::Render() {
    Sys_GLMakeCurrent(hdc, hglrc);
    Draw();
    glFlush();
    Sys_GLSwapBuffers(hdc);
}
