#pragma once
// Inside the platform layer only: what a back end provides, how its input
// reaches the events, the window and the dialog, and what the SDL parts share.

#include <SDL.h>

#include <cstdint>

#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_video.h"

class SysBackend {
  public:
    virtual ~SysBackend() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Pump() {}                      // turns waiting native input into events
    virtual void Wait(uint32_t timeoutMs) = 0;  // until native input arrives or the timeout
    virtual void Sleep(uint32_t ms) = 0;        // lets time pass without looking at input
    virtual void MessageBox(const char* text, const char* caption, BoxIcon icon) = 0;
    virtual void DialogShown(const Dialog& /*dialog*/) {}
    virtual bool HasGL() const { return true; }             // else the window draws nothing
    virtual bool GLAvailable() const { return true; }       // else the window cannot open
    virtual bool ScriptedPointer() const { return false; }  // the menu's pointer is scripted
};

// Null until a back end is started.
SysBackend* Sys_Backend();
void Sys_SetBackend(SysBackend* backend);

// Keys outside 1..255 are dropped; with Alt held a key belongs to the window,
// not the game; an open dialog takes them all.
void Sys_DeliverKey(int key, bool down, bool repeat, bool alt);
void Sys_PushEvent(const Event& event);
void Sys_ClearEvents();
void Sys_DeliverResize(int width, int height);  // the whole window, menu bar included
void Sys_ToggleFullscreen();

// The picture needs this many fresh frames (menus settle over a few); a
// shown window takes them one Paint event at a time.
void Sys_WantPaint(int frames);
bool Sys_PaintWanted();
bool Sys_TakePaint();
const std::vector<MenuPopup>& Sys_Menu();

const Dialog* Sys_ActiveDialog();  // null when none is open
void Sys_CloseDialog();            // its OK button

bool Sys_EnsureVideo();
void Sys_ApplyGLFormat(const PixelFormat& format);  // for the next SDL window made
SDL_Window* Sys_SdlWindow();                        // null while the window has none
int Sys_KeyFromSDL(SDL_Keycode key);                // 0 for a key without a code
int Sys_KeyFromPadButton(int button);

// The menu bar and the dialog, drawn with Dear ImGui over each frame.
void UI_Draw();
void UI_ProcessEvent(const SDL_Event& event);
void UI_ScriptPointer(int x, int y, bool down);
void UI_Shutdown();
