// Window classes, window creation and destruction, and window geometry.

#include <algorithm>
#include <cstring>

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_native.h"

struct InstanceRec {
    int unused;
};

namespace {

InstanceRec g_instance{0};
std::vector<WNDCLASSEX> g_classes;
std::vector<std::string> g_classNames;
std::vector<HWND> g_windows;

int FindClass(const char* name) {
    for (size_t i = 0; i < g_classNames.size(); ++i)
        if (g_classNames[i] == name)
            return static_cast<int>(i);
    return -1;
}

bool IsTopLevel(HWND window) {
    return !(window->style & WS_CHILD) || !window->parent;
}

HWND NewWindow(const WNDCLASSEX& cls, const char* className, const CREATESTRUCT& cs) {
    HWND window = new Window;
    window->cls = cls;
    window->className = className;
    window->title = cs.lpszName ? cs.lpszName : "";
    window->style = cs.style;
    window->x = cs.x == CW_USEDEFAULT ? 0 : cs.x;
    window->y = cs.y == CW_USEDEFAULT ? 0 : cs.y;
    window->width = std::max(cs.cx, 0);
    window->height = std::max(cs.cy, 0);
    window->parent = cs.hwndParent;
    window->id = cs.hMenu;
    window->instance = cs.hInstance;
    window->extra.assign(std::max(cls.cbWndExtra, 0), 0);
    window->visible = (cs.style & WS_VISIBLE) != 0;
    window->menuId = IsTopLevel(window) ? cls.menuId : 0;
    g_windows.push_back(window);
    return window;
}

void FreeWindow(HWND window) {
    g_windows.erase(std::remove(g_windows.begin(), g_windows.end(), window), g_windows.end());
    if (window->surface) {
        Native_Destroy(window);
        delete window->surface;
    }
    delete window;
}

}  // namespace

HINSTANCE Sys_ProcessInstance() {
    return &g_instance;
}

bool RegisterClassEx(const WNDCLASSEX* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc)
        return false;
    if (FindClass(windowClass->lpszClassName) >= 0)
        return false;  // already registered
    g_classes.push_back(*windowClass);
    g_classNames.push_back(windowClass->lpszClassName);
    return true;
}

bool GetClassInfoEx(HINSTANCE /*instance*/, const char* className, WNDCLASSEX* out) {
    int index = className ? FindClass(className) : -1;
    if (index < 0)
        return false;
    if (out)
        *out = g_classes[index];
    return true;
}

HWND CreateWindowEx(uint32_t /*exStyle*/, const char* className, const char* windowName,
                    uint32_t style, int x, int y, int width, int height, HWND parent,
                    intptr_t menuOrId, HINSTANCE instance, void* param) {
    int index = className ? FindClass(className) : -1;
    if (index < 0 || (parent && !IsWindow(parent)))
        return nullptr;
    CREATESTRUCT cs{param, instance, menuOrId, parent,     height,   width,
                    y,     x,        style,    windowName, className};
    HWND window = NewWindow(g_classes[index], className, cs);
    if (SendMessage(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    RECT client{};
    GetClientRect(window, &client);
    SendMessage(window, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    return window;
}

bool IsWindow(HWND window) {
    return window && std::find(g_windows.begin(), g_windows.end(), window) != g_windows.end();
}

bool DestroyWindow(HWND window) {
    if (!IsWindow(window) || window->destroying)
        return false;
    window->destroying = true;
    SendMessage(window, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    for (HWND other : g_windows)
        if (other->parent == window)
            children.push_back(other);
    for (HWND child : children)
        DestroyWindow(child);
    Sys_DropMessagesFor(window);
    FreeWindow(window);
    return true;
}

const std::vector<HWND>& Sys_AllWindows() {
    return g_windows;
}

HWND Sys_TopLevelOf(HWND window) {
    while (window && !IsTopLevel(window))
        window = window->parent;
    return window;
}

HWND Sys_MainWindow() {
    for (HWND window : g_windows)
        if (window->menuId != 0)
            return window;
    for (HWND window : g_windows)
        if (IsTopLevel(window) && !window->dialog && window->width > 1)
            return window;
    return nullptr;
}

int Sys_MenuBarHeight(HWND window) {
    return window && window->menuId != 0 ? 20 : 0;
}

HWND Sys_WindowAt(HWND topLevel, int x, int y) {
    for (HWND window : g_windows) {
        if (window->parent != topLevel || !(window->style & WS_CHILD) || !window->visible)
            continue;
        if (x >= window->x && x < window->x + window->width && y >= window->y &&
            y < window->y + window->height)
            return window;
    }
    return topLevel;
}

void Sys_ResetWindows() {
    while (!g_windows.empty()) {
        HWND top = g_windows.front();
        while (top->parent && IsWindow(top->parent))
            top = top->parent;
        if (!DestroyWindow(top))
            FreeWindow(top);
    }
    g_classes.clear();
    g_classNames.clear();
}

bool SetWindowPos(HWND window, HWND /*insertAfter*/, int x, int y, int cx, int cy, UINT /*flags*/) {
    if (!IsWindow(window))
        return false;
    bool resized = window->width != cx || window->height != cy;
    window->x = x;
    window->y = y;
    window->width = std::max(cx, 0);
    window->height = std::max(cy, 0);
    if (IsTopLevel(window))
        Native_Resize(window);
    if (resized) {
        RECT client{};
        GetClientRect(window, &client);
        SendMessage(window, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
    InvalidateRect(window, nullptr, false);
    return true;
}

bool GetClientRect(HWND window, RECT* rect) {
    if (!IsWindow(window) || !rect)
        return false;
    *rect = {0, 0, window->width, std::max(window->height - Sys_MenuBarHeight(window), 0)};
    return true;
}

bool GetWindowRect(HWND window, RECT* rect) {
    if (!IsWindow(window) || !rect)
        return false;
    *rect = {window->x, window->y, window->x + window->width, window->y + window->height};
    return true;
}

bool ShowWindow(HWND window, int command) {
    if (!IsWindow(window))
        return false;
    bool wasVisible = window->visible;
    window->visible = command != SW_HIDE;
    if (IsTopLevel(window))
        Native_Show(window, command);
    if (window->visible)
        InvalidateRect(window, nullptr, true);
    return wasVisible;
}

HWND GetParent(HWND window) {
    return IsWindow(window) ? window->parent : nullptr;
}

uint32_t GetWindowStyle(HWND window) {
    return IsWindow(window) ? window->style : 0;
}

intptr_t GetWindowLongPtr(HWND window, int index) {
    if (!IsWindow(window) || index < 0 || index >= static_cast<int>(window->extra.size()))
        return 0;
    return window->extra[index];
}

intptr_t SetWindowLongPtr(HWND window, int index, intptr_t value) {
    if (!IsWindow(window) || index < 0 || index >= static_cast<int>(window->extra.size()))
        return 0;
    intptr_t previous = window->extra[index];
    window->extra[index] = value;
    return previous;
}
