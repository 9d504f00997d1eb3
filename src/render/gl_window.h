#pragma once
// The GL window: the game window's GL context and the one renderer, owned from
// opening to closing and never called on a window that draws nothing.

#include <memory>

#include "render/gl_renderer.h"

// Opens the window with the renderer's choice of pixel format, else with the
// plain format, and sets the renderer up for the client area. False, the
// renderer destroyed, when not even the plain format gives a context.
bool OpenGLWindow(const char* title, int width, int height, std::unique_ptr<GLRenderer> renderer);
void ResizeGLWindow(int width, int height);  // the client area's; a height of 0 is drawn as 1
void RenderGLWindow();                       // nothing while the window is closed
void CloseGLWindow();                        // shuts the renderer down and destroys it
