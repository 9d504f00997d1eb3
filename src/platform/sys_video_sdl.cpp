// The game window on SDL: an SDL window made with its GL format, its one
// context, the menu bar's strip, full screen and the requests to draw.
// Without GL in the back end the window keeps its size and menu only and
// draws nothing.

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "platform/sys_events.h"
#include "platform/sys_internal.h"
#include "platform/sys_picture_fit.h"
#include "platform/sys_video.h"

void (*Sys_BeforeSwap)() = nullptr;

namespace {

struct Video {
    bool open = false, shown = false;
    int width = 0, height = 0;  // the picture: the window's size unless in full screen
    bool fullScreen = false;
    int windowX = 0, windowY = 0;  // where the window stood before full screen
    int paintsWanted = 0;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::vector<MenuPopup> menu;
};
Video g_video;

constexpr int kMenuBarHeight = 20;

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

void ApplyGLFormat(const PixelFormat& format) {
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

// A hidden window of this format, its context current; false and nothing made
// without one. Fixed size: maximising and full screen come as resizes.
bool MakeWindow(const char* title, int width, int height, const PixelFormat& format,
                SDL_Window** window, SDL_GLContext* context) {
    if (!Sys_EnsureVideo())
        return false;
    ApplyGLFormat(format);
    *window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    *context = *window ? SDL_GL_CreateContext(*window) : nullptr;
    if (*window && !*context)
        SDL_DestroyWindow(*window);
    return *context != nullptr;
}

}  // namespace

bool Sys_EnsureVideo() {
    return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool Sys_GLFormatAvailable(const PixelFormat& format) {
    SDL_Window* probe = nullptr;
    SDL_GLContext context = nullptr;
    bool ok = Sys_Backend() && Sys_Backend()->hasGL &&
              MakeWindow("", 1, 1, format, &probe, &context) && GivesAll(format);
    SDL_GL_MakeCurrent(nullptr, nullptr);
    if (context) {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(probe);
    }
    return ok;
}

bool Sys_OpenWindow(const char* title, int width, int height, const PixelFormat& format) {
    SysBackend* backend = Sys_Backend();
    if (g_video.open || !backend || !backend->glAvailable ||
        (backend->hasGL &&
         !MakeWindow(title, width, height, format, &g_video.window, &g_video.context)))
        return false;
    g_video.open = true;
    g_video.width = width;
    g_video.height = height;
    return true;
}

void Sys_CloseWindow() {
    UI_Shutdown();
    if (g_video.context) {
        Sys_ForgetPictureTexture();
        SDL_GL_DeleteContext(g_video.context);
        SDL_DestroyWindow(g_video.window);
    }
    g_video = Video();
}

void Sys_ShowWindow() {
    g_video.shown = g_video.open;
    if (g_video.window)
        SDL_ShowWindow(g_video.window);
    Sys_WantPaint(1);
}

bool Sys_WindowDraws() {
    return g_video.context != nullptr;
}

void Sys_SetMenu(const std::vector<MenuPopup>& menu) {
    g_video.menu = menu;
}

const std::vector<MenuPopup>& Sys_Menu() {
    return g_video.menu;
}

void Sys_ClientSize(int* width, int* height) {
    *width = g_video.width;
    *height = std::max(g_video.height - (g_video.menu.empty() ? 0 : kMenuBarHeight), 0);
}

// In full screen the picture keeps its size; the screen shows it scaled.
void Sys_DeliverResize(int width, int height) {
    Sys_WantPaint(1);
    if (!g_video.open || g_video.fullScreen || (width == g_video.width && height == g_video.height))
        return;
    g_video.width = width;
    g_video.height = height;
    Event resize{EventType::Resize};
    Sys_ClientSize(&resize.width, &resize.height);
    Sys_PushEvent(resize);
}

namespace {

// Full screen is a borderless window over the whole display, which a window
// manager, or none, lets any window have: the window manager's own full
// screen needs one to carry it out. A display smaller than the picture is
// left alone.
void EnterFullScreen() {
    SDL_Rect display;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(g_video.window), &display) != 0 ||
        display.w < g_video.width || display.h < g_video.height)
        return;
    SDL_GetWindowPosition(g_video.window, &g_video.windowX, &g_video.windowY);
    g_video.fullScreen = true;
    SDL_SetWindowBordered(g_video.window, SDL_FALSE);
    SDL_SetWindowPosition(g_video.window, display.x, display.y);
    SDL_SetWindowSize(g_video.window, display.w, display.h);
}

// The size in pixels of what the window shows (in full screen, the display).
SDL_Point ScreenSize() {
    SDL_Point size = {0, 0};
    SDL_GL_GetDrawableSize(g_video.window, &size.x, &size.y);
    return size;
}

void LeaveFullScreen() {
    g_video.fullScreen = false;
    SDL_SetWindowSize(g_video.window, g_video.width, g_video.height);
    SDL_SetWindowBordered(g_video.window, SDL_TRUE);
    SDL_SetWindowPosition(g_video.window, g_video.windowX, g_video.windowY);
}

}  // namespace

void Sys_ToggleFullscreen() {
    if (!g_video.window)
        return;
    if (g_video.fullScreen)
        LeaveFullScreen();
    else
        EnterFullScreen();
    Sys_WantPaint(1);
}

bool Sys_FullScreenPicture(int* width, int* height, ScreenRect* shown) {
    if (!g_video.fullScreen)
        return false;
    const SDL_Point screen = ScreenSize();
    *width = g_video.width;
    *height = g_video.height;
    *shown = FitPicture(g_video.width, g_video.height, screen.x, screen.y);
    return true;
}

void Sys_SwapWindow() {
    if (!g_video.window)
        return;
    UI_Draw();
    if (Sys_BeforeSwap)
        Sys_BeforeSwap();
    if (g_video.fullScreen) {
        const SDL_Point screen = ScreenSize();
        Sys_ShowPictureScaled(g_video.width, g_video.height, screen.x, screen.y);
    }
    SDL_GL_SwapWindow(g_video.window);
}

void Sys_WantPaint(int frames) {
    g_video.paintsWanted = std::max(g_video.paintsWanted, frames);
}

bool Sys_PaintWanted() {
    return g_video.shown && g_video.paintsWanted > 0;
}

bool Sys_TakePaint() {
    return Sys_PaintWanted() && g_video.paintsWanted-- > 0;
}
