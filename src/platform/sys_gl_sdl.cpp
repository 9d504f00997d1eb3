// The GL seam on SDL2: a surface is an SDL window created with the format's
// attributes; offscreen surfaces are hidden windows (with SDL's offscreen
// video driver they need no display at all).

#include <GL/gl.h>
#include <SDL.h>

#include <cstring>

#include "platform/sys_backend.h"
#include "platform/sys_gl.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_native.h"

namespace {

bool EnsureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

}  // namespace

void Sys_GLApplyFormat(const PixelFormat& format) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, format.colorBits / 3);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, format.colorBits / 3);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, format.colorBits / 3);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format.alphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffer ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, format.sampleBuffers);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, format.samples);
}

HDC Sys_CreateOffscreenSurface(int width, int height, const PixelFormat& format) {
    if (!EnsureVideo())
        return nullptr;
    Sys_GLApplyFormat(format);
    SDL_Window* window =
        SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    return window ? new GLSurface{window, true} : nullptr;
}

void Sys_DestroySurface(HDC surface) {
    if (!surface)
        return;
    if (surface->owned)
        SDL_DestroyWindow(surface->window);
    delete surface;
}

namespace {

// Mesa's software rasterisers name themselves in the renderer string.
bool SoftwareRasteriser() {
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!renderer)
        return true;
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(renderer, name))
            return true;
    return false;
}

}  // namespace

bool Sys_GLFormatAvailable(const PixelFormat& format) {
    HDC probe = Sys_CreateOffscreenSurface(1, 1, format);
    if (!probe)
        return false;
    HGLRC context = Sys_GLCreateContext(probe);
    bool ok = context != nullptr;
    if (ok && format.sampleBuffers > 0) {
        int samples = 0;
        SDL_GL_GetAttribute(SDL_GL_MULTISAMPLESAMPLES, &samples);
        ok = samples >= format.samples;
    }
    if (ok && format.accelerated)
        ok = Sys_GLMakeCurrent(probe, context) && !SoftwareRasteriser();
    Sys_GLMakeCurrent(nullptr, nullptr);
    Sys_GLDeleteContext(context);
    Sys_DestroySurface(probe);
    return ok;
}

// A window's surface has no native window until its format is set; without
// GL in the back end it never gets one, and its context is a stand-in.
HGLRC Sys_GLCreateContext(HDC surface) {
    if (!surface)
        return nullptr;
    if (surface->owner && Sys_Backend() && !Sys_Backend()->GLContextsAvailable())
        return nullptr;
    if (!surface->window) {
        bool standIn =
            surface->owner && surface->formatSet && Sys_Backend() && !Sys_Backend()->HasGL();
        return standIn ? new GLContextRec{nullptr} : nullptr;
    }
    SDL_GLContext context = SDL_GL_CreateContext(surface->window);
    return context ? new GLContextRec{context} : nullptr;
}

void Sys_GLDeleteContext(HGLRC context) {
    if (!context)
        return;
    if (context->context)
        SDL_GL_DeleteContext(context->context);
    delete context;
}

bool Sys_GLMakeCurrent(HDC surface, HGLRC context) {
    if (!surface || !context)
        return SDL_GL_MakeCurrent(nullptr, nullptr) == 0;
    if (!context->context || !surface->window)
        return context->context == nullptr;
    return SDL_GL_MakeCurrent(surface->window, context->context) == 0;
}

void (*Sys_GLBeforeSwap)(HDC surface) = nullptr;

// The menu bar and dialogs are drawn over every frame of the main window.
void Sys_GLSwapBuffers(HDC surface) {
    if (!surface || !surface->window)
        return;
    UI_BeforeSwap(surface);
    if (Sys_GLBeforeSwap)
        Sys_GLBeforeSwap(surface);
    SDL_GL_SwapWindow(surface->window);
}

PixelFormat Sys_GLCurrentFormat() {
    PixelFormat format;
    int r = 0, g = 0, b = 0, doubleBuffer = 0;
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &r);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &g);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &b);
    format.colorBits = r + g + b;
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &format.alphaBits);
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &format.depthBits);
    SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &format.stencilBits);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    format.doubleBuffer = doubleBuffer != 0;
    SDL_GL_GetAttribute(SDL_GL_MULTISAMPLEBUFFERS, &format.sampleBuffers);
    SDL_GL_GetAttribute(SDL_GL_MULTISAMPLESAMPLES, &format.samples);
    return format;
}
