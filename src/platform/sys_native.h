#pragma once
// Inside the platform layer only: native (SDL) windows behind top-level
// windows, used by both back ends when they have GL.

#include <SDL.h>

#include "platform/sys_window_internal.h"

bool Native_EnsureVideo();
// Makes the SDL window of a top-level window, hidden, with this GL format.
bool Native_Realize(HWND topLevel, const PixelFormat& format);
void Native_Show(HWND topLevel, int command);
void Native_Resize(HWND topLevel);
void Native_SetTitle(HWND topLevel);
void Native_Destroy(HWND topLevel);
void Native_ToggleFullscreen(HWND topLevel);
void Native_SetIcon(HWND topLevel, HICON icon);
HWND Native_WindowFromId(uint32_t sdlWindowId);
// The virtual-key code of an SDL key (0 for keys the game has no code for).
int Sys_VirtualKeyFromSDL(SDL_Keycode key);
// The virtual-key code a gamepad button stands for (0 for none).
int Sys_VirtualKeyFromPadButton(int button);
// Frees cursors and icons made from pictures.
void Native_ReleasePictures();

// The menu bar and dialogs, drawn with Dear ImGui over the main window's frame.
void UI_BeforeSwap(GLSurface* surface);
bool UI_ProcessEvent(const SDL_Event* event);  // true when the menu takes the event
void UI_WantFrames();                          // input arrived: draw a few frames
void UI_ScriptPointer(int x, int y, bool down);
void UI_Shutdown();
