#include "shell/game_main.h"

#include <new>

#include "core/fatal_error.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "game/level_changes.h"
#include "game/scene_source.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "render/gl_window.h"
#include "render/renderer_assets.h"
#include "render/scene_renderer.h"
#include "shell/resources.h"
#include "sound/sound_slots.h"
#include "world/template_assets.h"

void (*MainLoopFrame)() = GameFrame;
uint32_t (*MainLoopNextDue)() = GameFrameNextDue;

namespace {

constexpr uint32_t kDialogWaitMs = 100;  // a dialog holds the game: wait for input

RendererAssets g_assets(nullptr);
bool g_dataError = false;

// Only the first data error is shown; the load may report more before it stops.
void ShowDataError(const char* text) {
    if (g_dataError)
        return;
    g_dataError = true;
    Sys_MessageBox(text, "Unrecoverable Logic Error", BoxIcon::Error);
    Sys_PushEvent({EventType::Close});
}

// An empty level, and the templates to load on the first frame.
void GameInit() {
    ClearLevel();
    GameState = 1;
    LevelPhase = 0;
}

// The renderer, with its view of the game; the template loader fills its
// model table through the asset interface.
std::unique_ptr<SceneRenderer> MakeRenderer() {
    std::unique_ptr<SceneRenderer> scene(new (std::nothrow) SceneRenderer);
    if (scene) {
        scene->SetSceneView(GameSceneView());
        g_assets = RendererAssets(scene.get());
        SetTemplateAssets(&g_assets);
    }
    return scene;
}

int Shutdown(int status) {
    ReleaseSoundSlots();
    CloseGLWindow();
    SetFatalErrorHandler(nullptr);
    SetTemplateAssets(nullptr);
    return status;
}

// False when the event ends the game. A key released while the window had no
// focus stays held until its key-up comes.
bool HandleEvent(const Event& event) {
    switch (event.type) {
        case EventType::KeyDown:
        case EventType::KeyUp:
            KeyDown[event.code] = event.type == EventType::KeyDown;
            return true;
        case EventType::Command:
            return RunMenuCommand(event.code);
        case EventType::Close:
            return false;
        case EventType::Resize:
            ResizeGLWindow(event.width, event.height);
            return true;
        case EventType::Paint:
            RenderGLWindow();
            return true;
        default:
            return true;
    }
}

// The time is read once per pass; every waiting event is handled before the
// pass's frame, and one that ends the game ends the handling at once. An open
// dialog holds the game; its timers then catch up one tick per pass. The wait
// lasts until input comes or the frame's next due time, never longer, so that
// every pass decides as a loop that never sleeps would.
int RunMainLoop() {
    for (Event event;;) {
        FrameStartTick = GetTickCount();
        while (Sys_PollEvent(&event))
            if (!HandleEvent(event))
                return Shutdown(g_dataError ? kExitDataError : kExitNormal);
        if (GameState != 0 && !Sys_ShownDialog())
            MainLoopFrame();
        Sys_WaitEvent(Sys_ShownDialog() ? FrameStartTick + kDialogWaitMs : MainLoopNextDue());
    }
}

// Without any GL context the game would run blind; say so and stop.
int NoGLContext() {
    Sys_MessageBox("OpenGL could not be started: no OpenGL context is available on this system.",
                   "Korvath", BoxIcon::Error);
    return Shutdown(kExitNoGLContext);
}

}  // namespace

int RunGame() {
    g_dataError = false;
    GameState = 0;
    Sys_SetMenu(GameMenu());
    std::unique_ptr<SceneRenderer> scene = MakeRenderer();
    if (!scene)
        return kExitNoRenderer;
    SetFatalErrorHandler(ShowDataError);
    GameInit();
    if (!OpenGLWindow("Korvath", 800, 600, std::move(scene)))
        return NoGLContext();
    LoadSoundSlots();
    Sys_ShowWindow();
    return RunMainLoop();
}
