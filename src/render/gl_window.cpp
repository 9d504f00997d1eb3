// The GL window: its two classes, its creation with a format the renderer
// chose, and its procedure, which makes the context and binds the renderer
// on creation and shuts the renderer down and frees everything on
// destruction.

#include "render/gl_window.h"

#include <algorithm>

const char* const kGLWindowClass = "OpenGL1.0";
const char* const kGLDummyWindowClass = "StupidOpenGL1.0";

void (*GLWindowUpdateCursor)() = nullptr;

namespace {

LRESULT DummyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}

bool RegisterClass(HINSTANCE instance, const char* name, UINT style, WNDPROC proc, int extra) {
    WNDCLASSEX cls{};
    cls.cbSize = sizeof(WNDCLASSEX);
    cls.style = style;
    cls.lpfnWndProc = proc;
    cls.cbWndExtra = extra;
    cls.hInstance = instance;
    cls.lpszClassName = name;
    return RegisterClassEx(&cls);
}

// Lets the renderer choose a format in a throw-away context on a hidden
// window; returns false when not even the platform's own format gives one.
bool PickFormat(HINSTANCE instance, HWND parent, GLRenderer* renderer, PixelFormat* pfd,
                PixelFormat* platformFormat, PixelFormat* chosen) {
    HWND dummy =
        CreateWindowEx(0, kGLDummyWindowClass, "", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                       0, 1, 1, parent, 0, instance, nullptr);
    if (!dummy)
        return false;
    HDC dc = GetDC(dummy);
    pfd->doubleBuffer = true;
    *platformFormat = ChoosePixelFormat(dc, *pfd);
    HGLRC context = nullptr;
    if (dc && SetPixelFormat(dc, *platformFormat))
        context = Sys_GLCreateContext(dc);
    if (context) {
        Sys_GLMakeCurrent(dc, context);
        *chosen =
            GLDrawingEnabled() ? renderer->PickPixelFormat(dc, *platformFormat) : *platformFormat;
        Sys_GLMakeCurrent(nullptr, nullptr);
        Sys_GLDeleteContext(context);
    }
    ReleaseDC(dummy, dc);
    DestroyWindow(dummy);
    return context != nullptr;
}

HWND CreateRealWindow(HINSTANCE instance, HWND parent, uint32_t style, intptr_t id,
                      const RECT& rect, GLCreateParams* params) {
    return CreateWindowEx(0, kGLWindowClass, "", style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          parent, id, instance, params);
}

}  // namespace

bool RegisterGLWindowClasses(HINSTANCE instance) {
    if (GetClassInfoEx(instance, kGLWindowClass, nullptr))
        return true;
    if (!RegisterClass(instance, kGLWindowClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC,
                       GLWindowProc, 1))
        return false;
    return RegisterClass(instance, kGLDummyWindowClass, CS_OWNDC, DummyWindowProc, 0);
}

HWND CreateGLWindow(HINSTANCE instance, HWND parent, uint32_t style, intptr_t id, const RECT& rect,
                    GLRenderer* renderer, PixelFormat* pfd) {
    if (!renderer || !pfd)
        return nullptr;
    PixelFormat platformFormat, chosen;
    if (!PickFormat(instance, parent, renderer, pfd, &platformFormat, &chosen))
        return nullptr;
    GLCreateParams params{renderer, pfd, &chosen};
    HWND window = CreateRealWindow(instance, parent, style, id, rect, &params);
    if (!window && !(chosen == platformFormat)) {
        // The renderer's choice (multisampling) cannot be had after all.
        params.format = &platformFormat;
        window = CreateRealWindow(instance, parent, style, id, rect, &params);
    }
    return window;
}

// The window's procedure.
namespace {

GLWindowData* DataOf(HWND window) {
    return reinterpret_cast<GLWindowData*>(GetWindowLongPtr(window, 0));
}

LRESULT OnCreate(HWND window, const CREATESTRUCT* cs) {
    const GLCreateParams* params = static_cast<const GLCreateParams*>(cs->lpCreateParams);
    uint32_t clip = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (!params || (cs->style & clip) != clip)
        return -1;
    HDC dc = GetDC(window);
    if (!dc)
        return -1;
    HGLRC context = nullptr;
    if (params->format && SetPixelFormat(dc, *params->format))
        context = Sys_GLCreateContext(dc);
    if (!context) {
        ReleaseDC(window, dc);
        return -1;
    }
    GLWindowData* data = new GLWindowData{dc, context, params->renderer};
    SetWindowLongPtr(window, 0, reinterpret_cast<intptr_t>(data));
    Sys_GLMakeCurrent(dc, context);
    if (data->renderer) {
        RECT client{};
        GetClientRect(window, &client);
        data->renderer->SetContext(dc, context);
        if (!GLDrawingEnabled())
            return 0;
        data->renderer->Init();
        data->renderer->Resize(client.right, std::max(client.bottom, 1));
    }
    return 0;
}

void OnDestroy(HWND window) {
    GLWindowData* data = DataOf(window);
    if (!data)
        return;
    Sys_GLMakeCurrent(data->hdc, data->hglrc);
    if (data->renderer) {
        if (GLDrawingEnabled())
            data->renderer->Shutdown();
        delete data->renderer;
    }
    Sys_GLMakeCurrent(nullptr, nullptr);
    Sys_GLDeleteContext(data->hglrc);
    ReleaseDC(window, data->hdc);
    SetWindowLongPtr(window, 0, 0);
    delete data;
}

// A minimised window has a client height of 0; the projection needs at least 1.
void OnSize(HWND window, LPARAM lParam) {
    GLWindowData* data = DataOf(window);
    if (!data)
        return;
    Sys_GLMakeCurrent(data->hdc, data->hglrc);
    if (data->renderer && GLDrawingEnabled())
        data->renderer->Resize(static_cast<int>(LOWORD(lParam)),
                               std::max(static_cast<int>(HIWORD(lParam)), 1));
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    GLWindowData* data = DataOf(window);
    if (data && data->renderer)
        data->renderer->Render();
    EndPaint(window, &paint);
}

}  // namespace

LRESULT GLWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window, reinterpret_cast<const CREATESTRUCT*>(lParam));
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        case WM_SIZE:
            OnSize(window, lParam);
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            if (GLWindowUpdateCursor)
                GLWindowUpdateCursor();
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

GLRenderer* GLWindowRenderer(HWND window) {
    GLWindowData* data = window ? DataOf(window) : nullptr;
    return data ? data->renderer : nullptr;
}
