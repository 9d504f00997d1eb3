#pragma once
// Windows and messages, in the shape of the desktop platform the game was
// written for: window classes by name with window procedures, a message
// queue drained by peek-and-dispatch, sent and posted messages.
//
// A top-level window is one native window. Child windows are rectangles of
// their top-level window's client area and draw into its GL surface. The
// client area of a window with a menu starts below the menu bar strip.

#include <cstdint>

#include "platform/sys_gl.h"

struct Window;
using HWND = Window*;
struct InstanceRec;
using HINSTANCE = InstanceRec*;
struct CursorRec;
using HCURSOR = CursorRec*;
struct IconRec;
using HICON = IconRec*;

using UINT = unsigned;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

enum : UINT {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_SIZE = 0x0005,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MOUSEWHEEL = 0x020A,
};

// Mouse-button flags in the low word of a mouse message's wParam.
enum : WPARAM { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002 };

// Window styles.
enum : uint32_t {
    WS_OVERLAPPED = 0x00000000,
    WS_POPUP = 0x80000000,
    WS_CHILD = 0x40000000,
    WS_VISIBLE = 0x10000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_CAPTION = 0x00C00000,
    WS_BORDER = 0x00800000,
    WS_SYSMENU = 0x00080000,
    WS_THICKFRAME = 0x00040000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_MAXIMIZEBOX = 0x00010000,
};

// Class styles.
enum : UINT { CS_VREDRAW = 0x1, CS_HREDRAW = 0x2, CS_DBLCLKS = 0x8, CS_OWNDC = 0x20 };

enum : int { CW_USEDEFAULT = static_cast<int>(0x80000000u) };
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMAXIMIZED = 3, SW_SHOW = 5 };
enum : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };
enum : int { DKGRAY_BRUSH = 3 };

// Virtual-key codes.
enum : int {
    VK_LBUTTON = 0x01,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F4 = 0x73,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
};

// Bit 30 of a key message's lParam: the key was already down (auto-repeat).
constexpr LPARAM KF_REPEAT_BIT = LPARAM(1) << 30;

inline UINT LOWORD(uintptr_t v) {
    return static_cast<UINT>(v & 0xFFFF);
}
inline UINT HIWORD(uintptr_t v) {
    return static_cast<UINT>((v >> 16) & 0xFFFF);
}
inline LPARAM MAKELPARAM(UINT low, UINT high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

struct RECT {
    int left, top, right, bottom;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct WNDCLASSEX {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;  // bytes of extra window memory, in pointer-sized slots
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    int hbrBackground;  // stock brush, 0 for none
    int menuId;         // menu resource of the class, 0 for none
    const char* lpszClassName;
    HICON hIconSm;
};

struct CREATESTRUCT {
    void* lpCreateParams;
    HINSTANCE hInstance;
    intptr_t hMenu;  // child id for child windows
    HWND hwndParent;
    int cy, cx, y, x;
    uint32_t style;
    const char* lpszName;
    const char* lpszClass;
};

// The handle of this program's instance (resources are looked up through it).
HINSTANCE Sys_ProcessInstance();

bool RegisterClassEx(const WNDCLASSEX* windowClass);
bool GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* out);

// Sends WM_CREATE (a -1 result refuses the window: null is returned) and then
// WM_SIZE with the client size.
HWND CreateWindowEx(uint32_t exStyle, const char* className, const char* windowName, uint32_t style,
                    int x, int y, int width, int height, HWND parent, intptr_t menuOrId,
                    HINSTANCE instance, void* param);
// Destroys the window's children first, then sends it WM_DESTROY and frees it.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Messages come out in the order they were posted; WM_QUIT keeps its place.
// When nothing is posted, a window that needs painting yields WM_PAINT.
bool PeekMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlag);
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
// Blocks until input arrives or timeoutMs passes, whichever is first.
void Sys_WaitMessage(uint32_t timeoutMs);
// Sees every key the back end delivers (before it is queued), so a key
// recorder can note what a person pressed. Null when nobody listens.
extern void (*Sys_KeyObserver)(int virtualKey, bool down, bool repeat);
// Sees every menu command and dialog OK a person clicks (command is the menu
// item's id, or IDOK for a dialog's button). Null when nobody listens.
extern void (*Sys_CommandObserver)(int command, bool dialogButton);

bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool GetClientRect(HWND window, RECT* rect);
bool GetWindowRect(HWND window, RECT* rect);  // relative to the parent's client area
bool ShowWindow(HWND window, int command);
bool UpdateWindow(HWND window);  // sends WM_PAINT now when the window needs it
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
HWND GetParent(HWND window);
uint32_t GetWindowStyle(HWND window);

intptr_t GetWindowLongPtr(HWND window, int index);
intptr_t SetWindowLongPtr(HWND window, int index, intptr_t value);

struct PAINTSTRUCT {
    HDC hdc;
};
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
bool EndPaint(HWND window, const PAINTSTRUCT* paint);

// The window's drawing surface. Child windows share their top-level's.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// Fixes the surface's format. A native window is created with its format,
// so a top-level window whose format is set this way is made at this moment.
bool SetPixelFormat(HDC dc, const PixelFormat& format);
// The format a surface was given by SetPixelFormat (the default format before).
PixelFormat GetPixelFormat(HDC dc);
// The format the platform offers for a request (here: the request itself).
PixelFormat ChoosePixelFormat(HDC dc, const PixelFormat& request);

// Cursors and icons are pictures built into the program: rows of characters,
// 'X' black, '.' white, anything else transparent (icons: any other letter
// picks a colour of the built-in palette).
struct PictureResource {
    int id;
    int width, height;
    int hotX, hotY;
    const char* const* rows;
};
void Sys_RegisterCursorResource(const PictureResource& picture);
void Sys_RegisterIconResource(const PictureResource& picture);
HCURSOR LoadCursor(HINSTANCE instance, int resourceId);
HICON LoadIcon(HINSTANCE instance, int resourceId);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
