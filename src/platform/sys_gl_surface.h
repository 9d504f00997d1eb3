#pragma once
// Inside the platform layer only: what a GL surface and context are on SDL.

#include <SDL.h>

#include "platform/sys_gl.h"
#include "platform/sys_window.h"

struct GLSurface {
    GLSurface(SDL_Window* native, bool ownsNative, HWND topLevel = nullptr)
        : window(native), owned(ownsNative), owner(topLevel) {}

    SDL_Window* window;
    bool owned;            // offscreen surfaces own their window; a game window's surface does not
    HWND owner = nullptr;  // the top-level window it belongs to (null when offscreen)
    bool formatSet = false;  // a window's native surface is made with its format
    PixelFormat format;
};

// A context without an SDL context stands in where the back end has no GL.
struct GLContextRec {
    SDL_GLContext context;
};

// Sets SDL's GL attributes for the next window to be created.
void Sys_GLApplyFormat(const PixelFormat& format);
