#pragma once
// The GL window: the game window's GL context bound to the one renderer,
// which it owns from opening to closing and sets up, sizes and shuts down.

#include <memory>

#include "render/gl_renderer.h"

// Opens the window with the renderer's choice of pixel format, or, when no
// context can be had with that choice, with the plain format; then sets the
// renderer up for the client area. False, the renderer destroyed, when not
// even the plain format gives a context.
bool OpenGLWindow(const char* title, int width, int height, std::unique_ptr<GLRenderer> renderer);

// The client area has a new size (a height of 0 is drawn as 1).
void ResizeGLWindow(int width, int height);

// One frame of the renderer; nothing while the window is closed.
void RenderGLWindow();

// Shuts the renderer down, destroys it and closes the window.
void CloseGLWindow();
