// The game window on SDL: an SDL window made with its GL format, and its one
// context. Without GL in the back end it keeps its size and menu only and
// draws nothing.

#include <algorithm>
#include <cstring>

#include "platform/sys_internal.h"

void (*Sys_BeforeSwap)() = nullptr;

namespace {

struct Video {
    bool open = false, shown = false;
    int width = 0, height = 0;
    int paintsWanted = 0;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::vector<MenuPopup> menu;
};
Video g_video;

constexpr int kMenuBarHeight = 20;
const char kPaletteLetters[] = "X.RYBGD";
const Uint32 kPalette[] = {0xFF000000, 0xFFFFFFFF, 0xFFC03020, 0xFFF0C040,
                           0xFF3050A0, 0xFF40A040, 0xFF505060};

Uint32 PixelColour(char c) {
    const char* at = c ? std::strchr(kPaletteLetters, c) : nullptr;
    return at ? kPalette[at - kPaletteLetters] : 0;  // anything else is clear
}

// Fixed size: the border cannot be dragged; maximising and full screen come
// as resizes.
bool MakeSdlWindow(const char* title, int width, int height, const PixelFormat& format) {
    if (!Sys_EnsureVideo())
        return false;
    Sys_ApplyGLFormat(format);
    g_video.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                      height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (g_video.window && (g_video.context = SDL_GL_CreateContext(g_video.window)))
        return true;
    if (g_video.window)
        SDL_DestroyWindow(g_video.window);
    g_video.window = nullptr;
    return false;
}

}  // namespace

bool Sys_OpenWindow(const char* title, int width, int height, const PixelFormat& format) {
    SysBackend* backend = Sys_Backend();
    if (g_video.open || !backend || !backend->GLAvailable() ||
        (backend->HasGL() && !MakeSdlWindow(title, width, height, format)))
        return false;
    g_video.open = true;
    g_video.width = width;
    g_video.height = height;
    return true;
}

void Sys_CloseWindow() {
    UI_Shutdown();
    if (g_video.context)
        SDL_GL_DeleteContext(g_video.context);
    if (g_video.window)
        SDL_DestroyWindow(g_video.window);
    g_video = Video();
}

void Sys_ShowWindow() {
    g_video.shown = g_video.open;
    if (g_video.window)
        SDL_ShowWindow(g_video.window);
    Sys_WantPaint(1);
}

SDL_Window* Sys_SdlWindow() {
    return g_video.window;
}

void Sys_SetMenu(const std::vector<MenuPopup>& menu) {
    g_video.menu = menu;
}

const std::vector<MenuPopup>& Sys_Menu() {
    return g_video.menu;
}

void Sys_SetIcon(const Picture& icon) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, icon.width, icon.height, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; surface && y < icon.height; ++y) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < icon.width; ++x)
            row[x] = PixelColour(icon.rows[y][x]);
    }
    if (surface && g_video.window)
        SDL_SetWindowIcon(g_video.window, surface);
    SDL_FreeSurface(surface);
}

void Sys_ClientSize(int* width, int* height) {
    *width = g_video.width;
    *height = std::max(g_video.height - (g_video.menu.empty() ? 0 : kMenuBarHeight), 0);
}

void Sys_DeliverResize(int width, int height) {
    if (!g_video.open || (width == g_video.width && height == g_video.height))
        return;
    g_video.width = width;
    g_video.height = height;
    Event resize{EventType::Resize};
    Sys_ClientSize(&resize.width, &resize.height);
    Sys_PushEvent(resize);
    Sys_WantPaint(1);
}

void Sys_ToggleFullscreen() {
    if (!g_video.window)
        return;
    bool full = SDL_GetWindowFlags(g_video.window) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(g_video.window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void Sys_SwapWindow() {
    if (!g_video.window)
        return;
    UI_Draw();
    if (Sys_BeforeSwap)
        Sys_BeforeSwap();
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
