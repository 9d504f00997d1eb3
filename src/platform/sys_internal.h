#pragma once
// Inside the platform layer only: what a back end provides, how its input
// reaches the events, window and dialog, and what the SDL parts share.

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class BoxIcon;
struct Dialog;
struct MenuPopup;
struct ScreenRect;

class SysBackend {
  public:
    SysBackend(bool gl, bool glAvailable, bool scriptedPointer)
        : hasGL(gl), glAvailable(glAvailable), scriptedPointer(scriptedPointer) {}
    virtual ~SysBackend() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Pump() {}                      // native input waiting becomes events
    virtual void Wait(uint32_t timeoutMs) = 0;  // until native input comes or the timeout
    virtual void Sleep(uint32_t ms) = 0;        // time passes; input is not looked at
    virtual void MessageBox(const char* text, const char* caption, BoxIcon icon) = 0;
    virtual void DialogShown(const Dialog& /*dialog*/) {}
    const bool hasGL;            // else the window draws nothing
    const bool glAvailable;      // else the window cannot be opened
    const bool scriptedPointer;  // the menu's pointer comes from a script
};

SysBackend* Sys_Backend();  // null until a back end is started
void Sys_SetBackend(SysBackend* backend);

// Between the window and full screen, where the window's picture keeps its
// size and shows scaled to fit the display.
void Sys_ToggleFullscreen();
// In full screen: the picture's size and where it shows; false in a window.
bool Sys_FullScreenPicture(int* width, int* height, ScreenRect* shown);
// Draws the picture in the back buffer's bottom left corner again scaled over
// the screen, black around it (GL context current).
void Sys_ShowPictureScaled(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);
void Sys_ForgetPictureTexture();  // before the GL context goes

// Fresh frames wanted (menus settle over a few): one Paint event each.
void Sys_WantPaint(int frames);
bool Sys_PaintWanted();
bool Sys_TakePaint();
const std::vector<MenuPopup>& Sys_Menu();

bool Sys_EnsureVideo();
int Sys_KeyFromSDL(SDL_Keycode key);   // 0 for a key without a code
int Sys_KeyFromPadButton(int button);  // 0 for a button without a key

// The menu bar and the dialog, drawn with Dear ImGui over each frame.
void UI_Draw();
void UI_ProcessEvent(const SDL_Event& event);
void UI_Shutdown();
