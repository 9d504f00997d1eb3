#include "shell/main_window.h"

#include "game/game_state.h"
#include "platform/sys_dialog.h"
#include "render/gl_window.h"
#include "shell/game_init.h"
#include "shell/resources.h"
#include "shell/shell_state.h"

namespace {

// The GL window starts at (0, 40) to (600, 640); the first WM_SIZE gives it
// the whole client area.
void CreateMainGLWindow(HWND mainWindow) {
    PixelFormat pfd;
    pfd.colorBits = 24;
    pfd.alphaBits = 8;
    pfd.depthBits = 16;
    pfd.doubleBuffer = true;
    RECT rect{0, 40, 600, 640};
    GLWindowUpdateCursor = UpdateCursor;
    GLWindow = CreateGLWindow(nullptr, mainWindow, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, rect,
                              SceneRendererPtr, &pfd);
}

LRESULT OnCreate(HWND window, const CREATESTRUCT* cs) {
    ApplicationInstance = cs->hInstance;
    GameInit();
    CreateMainGLWindow(window);
    return 0;
}

// Virtual-key codes come from the platform, but a message can be sent with
// any wParam: only the table's 256 entries are ever written.
LRESULT OnKey(WPARAM key, uint8_t held) {
    if (key < sizeof(KeyDown))
        KeyDown[key] = held;
    return 1;
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case ID_FILE_EXIT:
            SendMessage(MainWindow, WM_DESTROY, 0, 0);
            return 0;
        case ID_INFO_ABOUT:
            DialogBoxParam(ApplicationInstance, IDD_ABOUT, MainWindow, InfoDialogProc, 0);
            return 0;
        case ID_INFO_CONTROLS:
            DialogBoxParam(ApplicationInstance, IDD_CONTROLS, MainWindow, InfoDialogProc, 0);
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window, reinterpret_cast<const CREATESTRUCT*>(lParam));
        case WM_DESTROY:
        case WM_CLOSE:
            // Closing only asks the main loop to end; the window stays.
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            ClientWidth = static_cast<int>(LOWORD(lParam));
            ClientHeight = static_cast<int>(HIWORD(lParam));
            SetWindowPos(GLWindow, nullptr, 0, 0, ClientWidth, ClientHeight, 0);
            return 0;
        case WM_KEYDOWN:
            return OnKey(wParam, 1);
        case WM_KEYUP:
            return OnKey(wParam, 0);
        case WM_COMMAND:
            return OnCommand(window, message, wParam, lParam);
        case WM_MOUSEWHEEL:
            if (!(wParam & (MK_LBUTTON | MK_RBUTTON)))
                UpdateCursor();
            return DefWindowProc(window, message, wParam, lParam);
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

intptr_t InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 0);
        return 1;
    }
    return 0;
}

void UpdateCursor() {
    if (CursorMode >= 0 && CursorMode < kCursorCount)
        SetCursor(Cursors[CursorMode]);
}
