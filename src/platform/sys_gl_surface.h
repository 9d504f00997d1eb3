#pragma once
// Inside the platform layer only: what a GL surface and context are on SDL.

#include <SDL.h>

#include "platform/sys_gl.h"

struct GLSurface {
    SDL_Window* window;
    bool owned;  // offscreen surfaces own their window; a game window's surface does not
};

struct GLContextRec {
    SDL_GLContext context;
};

// Sets SDL's GL attributes for the next window to be created.
void Sys_GLApplyFormat(const PixelFormat& format);
