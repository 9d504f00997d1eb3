// GL formats on SDL2: SDL's attributes for the next window made, and a probe
// on a hidden window (on SDL's offscreen video driver it needs no display).

#include <GL/gl.h>

#include <cstring>

#include "platform/sys_internal.h"

namespace {

// Mesa's software rasterisers name themselves in the renderer string.
bool SoftwareRasteriser() {
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (!renderer || std::strstr(renderer, name))
            return true;
    return false;
}

// Whether the context just made current gives all the format asks for.
bool GivesAll(const PixelFormat& format) {
    int samples = 0;
    SDL_GL_GetAttribute(SDL_GL_MULTISAMPLESAMPLES, &samples);
    bool enoughSamples = format.sampleBuffers == 0 || samples >= format.samples;
    return enoughSamples && !(format.accelerated && SoftwareRasteriser());
}

}  // namespace

bool Sys_EnsureVideo() {
    return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

void Sys_ApplyGLFormat(const PixelFormat& format) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    for (SDL_GLattr colour : {SDL_GL_RED_SIZE, SDL_GL_GREEN_SIZE, SDL_GL_BLUE_SIZE})
        SDL_GL_SetAttribute(colour, format.colorBits / 3);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format.alphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffer ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, format.sampleBuffers);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, format.samples);
}

// The probe's context is made current by its creation and none is left so.
bool Sys_GLFormatAvailable(const PixelFormat& format) {
    if (!Sys_EnsureVideo())
        return false;
    Sys_ApplyGLFormat(format);
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext context = probe ? SDL_GL_CreateContext(probe) : nullptr;
    bool ok = context && GivesAll(format);
    SDL_GL_MakeCurrent(nullptr, nullptr);
    if (context)
        SDL_GL_DeleteContext(context);
    if (probe)
        SDL_DestroyWindow(probe);
    return ok;
}
