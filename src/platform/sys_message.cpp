// The message queue: posted messages in order, paint requests, and the input
// that the native layer or a script delivers.

#include <chrono>
#include <deque>
#include <thread>

#include "platform/sys_backend.h"
#include "platform/sys_native.h"

namespace {

std::deque<MSG> g_queue;

bool EffectivelyVisible(HWND window) {
    for (; window; window = window->parent)
        if (!window->visible)
            return false;
    return true;
}

HWND WindowNeedingPaint() {
    for (HWND window : Sys_AllWindows())
        if (window->needsPaint && EffectivelyVisible(window))
            return window;
    return nullptr;
}

}  // namespace

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(window))
        return 0;
    return window->cls.lpfnWndProc(window, message, wParam, lParam);
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !IsWindow(window))
        return false;
    g_queue.push_back(MSG{window, message, wParam, lParam});
    return true;
}

void PostQuitMessage(int exitCode) {
    g_queue.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}

void Sys_DropMessagesFor(HWND window) {
    for (auto it = g_queue.begin(); it != g_queue.end();)
        it = it->hwnd == window ? g_queue.erase(it) : it + 1;
}

bool PeekMessage(MSG* msg, HWND /*window*/, UINT /*filterMin*/, UINT /*filterMax*/,
                 UINT removeFlag) {
    if (Sys_Backend())
        Sys_Backend()->PumpEvents();
    if (!g_queue.empty()) {
        *msg = g_queue.front();
        if (removeFlag & PM_REMOVE)
            g_queue.pop_front();
        return true;
    }
    HWND dirty = WindowNeedingPaint();
    if (!dirty)
        return false;
    *msg = MSG{dirty, WM_PAINT, 0, 0};
    if (removeFlag & PM_REMOVE)
        dirty->needsPaint = false;
    return true;
}

bool TranslateMessage(const MSG* /*msg*/) {
    return false;  // the game reads key codes only; no character messages
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg->hwnd)
        return 0;
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void Sys_WaitMessage(uint32_t timeoutMs) {
    if (!g_queue.empty() || WindowNeedingPaint())
        return;
    if (Sys_Backend())
        Sys_Backend()->WaitEvents(timeoutMs);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
}

bool InvalidateRect(HWND window, const RECT* /*rect*/, bool /*erase*/) {
    if (!window) {
        Sys_InvalidateAll();
        return true;
    }
    if (!IsWindow(window))
        return false;
    window->needsPaint = true;
    for (HWND other : Sys_AllWindows())
        if (other->parent == window && (other->style & WS_CHILD))
            other->needsPaint = true;
    return true;
}

void Sys_InvalidateAll() {
    for (HWND window : Sys_AllWindows())
        window->needsPaint = true;
}

bool UpdateWindow(HWND window) {
    if (!IsWindow(window))
        return false;
    if (window->needsPaint && EffectivelyVisible(window)) {
        window->needsPaint = false;
        SendMessage(window, WM_PAINT, 0, 0);
    }
    return true;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    HDC dc = GetDC(window);
    if (paint)
        paint->hdc = dc;
    if (IsWindow(window))
        window->needsPaint = false;
    return dc;
}

bool EndPaint(HWND /*window*/, const PAINTSTRUCT* /*paint*/) {
    return true;
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_PAINT:
            if (IsWindow(window))
                window->needsPaint = false;
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4)
                SendMessage(Sys_TopLevelOf(window), WM_CLOSE, 0, 0);
            else if (wParam == VK_RETURN)
                Native_ToggleFullscreen(Sys_TopLevelOf(window));
            return 0;
        default:
            return 0;
    }
}

HWND Sys_FocusWindow() {
    HWND dialog = Sys_ActiveDialog();
    return dialog ? dialog : Sys_MainWindow();
}

void (*Sys_KeyObserver)(int virtualKey, bool down, bool repeat) = nullptr;
void (*Sys_CommandObserver)(int command, bool dialogButton) = nullptr;

void Sys_DeliverKey(int virtualKey, bool down, bool repeat, bool alt) {
    HWND target = Sys_FocusWindow();
    if (!target || virtualKey <= 0 || virtualKey > 0xFF)
        return;
    if (Sys_KeyObserver)
        Sys_KeyObserver(virtualKey, down, repeat);
    UINT message = alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    LPARAM flags = 1;  // repeat count
    if (repeat || !down)
        flags |= KF_REPEAT_BIT;
    if (!down)
        flags |= LPARAM(1) << 31;
    PostMessage(target, message, static_cast<WPARAM>(virtualKey), flags);
}

void Sys_DeliverClose(HWND topLevel) {
    if (IsWindow(topLevel))
        PostMessage(topLevel, WM_CLOSE, 0, 0);
}

void Sys_DeliverMouse(HWND topLevel, UINT message, int x, int y, WPARAM flags) {
    if (!IsWindow(topLevel) || Sys_ActiveDialog())
        return;
    if (message == WM_MOUSEWHEEL) {
        PostMessage(Sys_FocusWindow(), message, flags, MAKELPARAM(x, y));
        return;
    }
    HWND target = Sys_WindowAt(topLevel, x, y);
    if (target != topLevel) {
        x -= target->x;
        y -= target->y;
    }
    PostMessage(target, message, flags, MAKELPARAM(x, y));
}

void Sys_DeliverResize(HWND topLevel, int width, int height) {
    if (!IsWindow(topLevel) || (topLevel->width == width && topLevel->height == height))
        return;
    topLevel->width = width;
    topLevel->height = height;
    RECT client{};
    GetClientRect(topLevel, &client);
    PostMessage(topLevel, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    Sys_InvalidateAll();
}

void Sys_ResetQueue() {
    g_queue.clear();
}
