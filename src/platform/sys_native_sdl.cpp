// Native windows on SDL: one SDL window per top-level window that draws,
// made hidden with its GL format and shown by ShowWindow.

#include <SDL.h>

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_native.h"

namespace {

SDL_Window* SdlWindowOf(HWND topLevel) {
    return IsWindow(topLevel) && topLevel->surface ? topLevel->surface->window : nullptr;
}

}  // namespace

bool Native_EnsureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool Native_Realize(HWND topLevel, const PixelFormat& format) {
    if (!IsWindow(topLevel) || !Native_EnsureVideo())
        return false;
    if (SdlWindowOf(topLevel))
        return true;
    Sys_GLApplyFormat(format);
    int width = topLevel->width > 0 ? topLevel->width : 1;
    int height = topLevel->height > 0 ? topLevel->height : 1;
    // Fixed size: the border cannot be dragged. Maximising and Alt+Enter go
    // through the window manager and arrive as resize events.
    SDL_Window* window =
        SDL_CreateWindow(topLevel->title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        return false;
    SDL_SetWindowData(window, "korvath.hwnd", topLevel);
    if (!topLevel->surface)
        topLevel->surface = new GLSurface{nullptr, false, topLevel};
    topLevel->surface->window = window;
    if (topLevel->cls.hIcon)
        Native_SetIcon(topLevel, topLevel->cls.hIcon);
    return true;
}

void Native_Show(HWND topLevel, int command) {
    if (!SdlWindowOf(topLevel) && topLevel->menuId && Sys_Backend() && Sys_Backend()->HasGL())
        Native_Realize(topLevel, PixelFormat());
    SDL_Window* window = SdlWindowOf(topLevel);
    if (!window)
        return;
    if (command == SW_HIDE) {
        SDL_HideWindow(window);
        return;
    }
    SDL_ShowWindow(window);
    if (command == SW_SHOWMAXIMIZED)
        SDL_MaximizeWindow(window);
}

void Native_Resize(HWND topLevel) {
    if (SDL_Window* window = SdlWindowOf(topLevel))
        SDL_SetWindowSize(window, topLevel->width, topLevel->height);
}

void Native_SetTitle(HWND topLevel) {
    if (SDL_Window* window = SdlWindowOf(topLevel))
        SDL_SetWindowTitle(window, topLevel->title.c_str());
}

void Native_Destroy(HWND topLevel) {
    SDL_Window* window = SdlWindowOf(topLevel);
    if (!window)
        return;
    SDL_DestroyWindow(window);
    topLevel->surface->window = nullptr;
}

void Native_ToggleFullscreen(HWND topLevel) {
    SDL_Window* window = SdlWindowOf(topLevel);
    if (!window)
        return;
    bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

HWND Native_WindowFromId(uint32_t sdlWindowId) {
    SDL_Window* window = SDL_GetWindowFromID(sdlWindowId);
    if (!window)
        return nullptr;
    HWND hwnd = static_cast<HWND>(SDL_GetWindowData(window, "korvath.hwnd"));
    return IsWindow(hwnd) ? hwnd : nullptr;
}
