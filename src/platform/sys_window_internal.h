#pragma once
// Inside the platform layer only: what a window and a window class are.

#include <string>
#include <vector>

#include "platform/sys_dialog.h"
#include "platform/sys_resource.h"
#include "platform/sys_window.h"

struct Window {
    WNDCLASSEX cls;
    std::string className;
    std::string title;
    uint32_t style = 0;
    int x = 0, y = 0, width = 0, height = 0;  // relative to the parent's client area
    HWND parent = nullptr;
    intptr_t id = 0;
    HINSTANCE instance = nullptr;
    std::vector<intptr_t> extra;
    bool visible = false;
    bool needsPaint = false;
    bool destroying = false;
    int menuId = 0;
    GLSurface* surface = nullptr;  // a top-level window's drawing surface, made on demand

    // Dialog windows only.
    const DialogResource* dialog = nullptr;
    DLGPROC dialogProc = nullptr;
    bool dialogOpen = false;
    intptr_t dialogResult = 0;
};

// Every live window, in creation order.
const std::vector<HWND>& Sys_AllWindows();
HWND Sys_TopLevelOf(HWND window);
// The window with a menu: the one the menu bar, dialogs and input belong to.
HWND Sys_MainWindow();
// Where key messages go: the open dialog, or else the main window.
HWND Sys_FocusWindow();
// The innermost visible window under a point of a top-level's client area.
HWND Sys_WindowAt(HWND topLevel, int x, int y);
// Height of the menu bar strip above a window's client area (0 without a menu).
int Sys_MenuBarHeight(HWND window);
void Sys_InvalidateAll();
// Removes the queued messages of a window that is going away.
void Sys_DropMessagesFor(HWND window);
// Forgets every window, class and queued message.
void Sys_ResetWindows();
void Sys_ResetQueue();

// Input as the native layer (or a script) delivers it.
void Sys_DeliverKey(int virtualKey, bool down, bool repeat, bool alt);
void Sys_DeliverClose(HWND topLevel);
void Sys_DeliverMouse(HWND topLevel, UINT message, int x, int y, WPARAM flags);
void Sys_DeliverResize(HWND topLevel, int width, int height);

// Runs at-exit hooks (Sys_AtExit) once, newest first.
void Sys_RunExitHooks();
