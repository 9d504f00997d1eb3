#pragma once
// The shell's process-wide state: handles, the client size and the cursors.

#include "platform/sys_window.h"
#include "render/gl_renderer.h"

extern HINSTANCE ApplicationInstance;
extern HWND MainWindow;
extern HWND GLWindow;
// Made by WinMain before the main window; the GL window owns it from its
// creation on.
extern GLRenderer* SceneRendererPtr;

extern int ClientWidth;
extern int ClientHeight;

constexpr int kCursorCount = 4;
extern HCURSOR Cursors[kCursorCount];
extern int CursorMode;

// What the program ends with once the quit message arrives.
extern int ExitStatus;
// Set once the first data error has been shown.
extern bool FatalErrorShown;
