#include "shell/win_main.h"

#include <new>

#include "core/fatal_error.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "game/scene_source.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "render/gl_window.h"
#include "render/renderer_assets.h"
#include "render/scene_renderer.h"
#include "shell/exit_status.h"
#include "shell/fatal_error_box.h"
#include "shell/main_window.h"
#include "shell/resources.h"
#include "shell/shell_state.h"
#include "sound/sound_slots.h"
#include "world/template_assets.h"

void (*MainLoopFrame)(HWND glWindow) = GameFrame;
uint32_t (*MainLoopNextDue)() = GameFrameNextDue;

namespace {

// Overlapped window without a sizing border: it can be maximised, not dragged larger.
constexpr uint32_t kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEX cls{};
    cls.cbSize = 48;
    cls.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    cls.lpfnWndProc = MainWindowProc;
    cls.hInstance = instance;
    cls.hIcon = LoadIcon(instance, IDI_KORVATH);
    cls.hIconSm = cls.hIcon;
    cls.hCursor = nullptr;  // the system arrow
    cls.hbrBackground = DKGRAY_BRUSH;
    cls.menuId = IDR_MAINMENU;
    cls.lpszClassName = "Korvath";
    RegisterClassEx(&cls);
}

// Runs after the quit message: the windows go, and with the GL window the
// renderer.
int Shutdown() {
    ReleaseSoundSlots();
    DestroyWindow(MainWindow);
    MainWindow = nullptr;
    GLWindow = nullptr;
    SetFatalErrorHandler(nullptr);
    SetTemplateAssets(nullptr);
    return ExitStatus;
}

// With nothing waiting and nothing due, sleep until input arrives or the
// frame function's next due time, never longer; the decisions of each pass
// stay those of a loop that never sleeps.
void WaitForNextPass() {
    uint32_t due = GameState != 0 ? MainLoopNextDue() : FrameStartTick + 1;
    int32_t wait = static_cast<int32_t>(due - GetTickCount());
    if (wait > 0)
        Sys_WaitMessage(static_cast<uint32_t>(wait));
}

int RunMainLoop() {
    for (;;) {
        FrameStartTick = GetTickCount();
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return Shutdown();
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (GameState != 0)
            MainLoopFrame(GLWindow);
        WaitForNextPass();
    }
}

// Without any GL context the game would run blind; say so and stop.
int NoGLContext() {
    Sys_MessageBox("OpenGL could not be started: no OpenGL context is available on this system.",
                   "Korvath", MB_OK | MB_ICONHAND);
    DestroyWindow(MainWindow);
    MainWindow = nullptr;
    delete SceneRendererPtr;  // never bound to a window
    SceneRendererPtr = nullptr;
    return kExitNoGLContext;
}

}  // namespace

int WinMain(HINSTANCE instance, int showCommand) {
    ApplicationInstance = instance;
    ExitStatus = kExitNormal;
    FatalErrorShown = false;
    GameState = 0;
    GLWindow = nullptr;
    RegisterResources();
    RegisterMainWindowClass(instance);
    if (!RegisterGLWindowClasses(instance))
        return kExitNoGLClasses;
    SceneRenderer* scene = new (std::nothrow) SceneRenderer;
    if (!scene)
        return kExitNoRenderer;
    scene->SetSceneView(GameSceneView());
    static RendererAssets assets(nullptr);
    assets = RendererAssets(scene);
    SetTemplateAssets(&assets);
    SceneRendererPtr = scene;
    SetFatalErrorHandler(ShowFatalErrorBox);
    MainWindow = CreateWindowEx(0, "Korvath", "Korvath", kMainWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, 800, 600, nullptr, 0, instance, nullptr);
    if (!GLWindow)
        return NoGLContext();
    LoadSoundSlots(MainWindow);
    ShowWindow(MainWindow, showCommand);
    UpdateWindow(MainWindow);
    return RunMainLoop();
}
