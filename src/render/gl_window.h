#pragma once
// The child window the game draws into. It owns one GL context for its whole
// life and is bound to one renderer, to which it forwards creation, sizing,
// painting and destruction. A second, hidden window class exists only to get
// a throw-away context in which the renderer may pick a better pixel format
// before the real window (and so its surface) is made.

#include "platform/sys_window.h"
#include "render/gl_renderer.h"

// Handed to the GL window's creation through the creation parameter; lives
// on the creator's stack while the window is made.
struct GLCreateParams {
    GLRenderer* renderer;       // bound to the window, which then owns it
    PixelFormat* pfd;           // the caller's requested format
    const PixelFormat* format;  // the format to set; null refuses creation
};

// Kept in the GL window's extra window memory, slot 0.
struct GLWindowData {
    HDC hdc;
    HGLRC hglrc;
    GLRenderer* renderer;  // owned; may be null
};

extern const char* const kGLWindowClass;       // "OpenGL1.0"
extern const char* const kGLDummyWindowClass;  // "StupidOpenGL1.0"

// Sets the cursor on every mouse message over a GL window (the shell installs
// its UpdateCursor here).
extern void (*GLWindowUpdateCursor)();

// Registers both classes; a second call finds them and succeeds at once.
bool RegisterGLWindowClasses(HINSTANCE instance);

// Makes a GL window at rect and binds renderer to it. The renderer chooses
// the pixel format in a throw-away context first; if no window can be made
// with its choice, the platform's own choice is tried. Null on failure
// (no renderer or format given, or no GL context to be had).
HWND CreateGLWindow(HINSTANCE instance, HWND parent, uint32_t style, intptr_t id, const RECT& rect,
                    GLRenderer* renderer, PixelFormat* pfd);

LRESULT GLWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The renderer bound to a GL window; null for a missing window or none bound.
GLRenderer* GLWindowRenderer(HWND window);
