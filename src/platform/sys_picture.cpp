// Cursors and icons made from the pictures built into the program.

#include <SDL.h>

#include <vector>

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_native.h"

struct CursorRec {
    PictureResource picture;
    SDL_Cursor* cursor;
};

struct IconRec {
    PictureResource picture;
};

namespace {

std::vector<PictureResource> g_cursorPictures;
std::vector<PictureResource> g_iconPictures;
std::vector<CursorRec*> g_cursors;
std::vector<IconRec*> g_icons;
HCURSOR g_current = nullptr;

const PictureResource* Find(const std::vector<PictureResource>& pictures, int id) {
    for (const PictureResource& picture : pictures)
        if (picture.id == id)
            return &picture;
    return nullptr;
}

Uint32 PixelColour(char c) {
    switch (c) {
        case 'X':
            return 0xFF000000;
        case '.':
            return 0xFFFFFFFF;
        case 'R':
            return 0xFFC03020;
        case 'Y':
            return 0xFFF0C040;
        case 'B':
            return 0xFF3050A0;
        case 'G':
            return 0xFF40A040;
        case 'D':
            return 0xFF505060;
        default:
            return 0;
    }
}

// A 32-bit ARGB surface of the picture; rows shorter than the width are
// padded with transparent pixels.
SDL_Surface* PictureSurface(const PictureResource& picture) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return nullptr;
    for (int y = 0; y < picture.height; ++y) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        const char* text = picture.rows[y];
        bool ended = false;
        for (int x = 0; x < picture.width; ++x) {
            ended = ended || text[x] == '\0';
            row[x] = ended ? 0 : PixelColour(text[x]);
        }
    }
    return surface;
}

void Register(std::vector<PictureResource>& pictures, const PictureResource& picture) {
    for (PictureResource& known : pictures)
        if (known.id == picture.id) {
            known = picture;
            return;
        }
    pictures.push_back(picture);
}

}  // namespace

void Sys_RegisterCursorResource(const PictureResource& picture) {
    Register(g_cursorPictures, picture);
}

void Sys_RegisterIconResource(const PictureResource& picture) {
    Register(g_iconPictures, picture);
}

HCURSOR LoadCursor(HINSTANCE /*instance*/, int resourceId) {
    const PictureResource* picture = Find(g_cursorPictures, resourceId);
    if (!picture)
        return nullptr;
    SDL_Cursor* native = nullptr;
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Surface* surface = PictureSurface(*picture);
        if (surface) {
            native = SDL_CreateColorCursor(surface, picture->hotX, picture->hotY);
            SDL_FreeSurface(surface);
        }
    }
    g_cursors.push_back(new CursorRec{*picture, native});
    return g_cursors.back();
}

HICON LoadIcon(HINSTANCE /*instance*/, int resourceId) {
    const PictureResource* picture = Find(g_iconPictures, resourceId);
    if (!picture)
        return nullptr;
    g_icons.push_back(new IconRec{*picture});
    return g_icons.back();
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = g_current;
    g_current = cursor;
    if (cursor && cursor->cursor)
        SDL_SetCursor(cursor->cursor);
    return previous;
}

HCURSOR GetCursor() {
    return g_current;
}

void Native_SetIcon(HWND topLevel, HICON icon) {
    if (!icon || !IsWindow(topLevel) || !topLevel->surface || !topLevel->surface->window)
        return;
    SDL_Surface* surface = PictureSurface(icon->picture);
    if (!surface)
        return;
    SDL_SetWindowIcon(topLevel->surface->window, surface);
    SDL_FreeSurface(surface);
}

void Native_ReleasePictures() {
    for (CursorRec* cursor : g_cursors) {
        if (cursor->cursor)
            SDL_FreeCursor(cursor->cursor);
        delete cursor;
    }
    for (IconRec* icon : g_icons)
        delete icon;
    g_cursors.clear();
    g_icons.clear();
    g_current = nullptr;
}
