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
#include "shell/exit_status.h"
#include "shell/fatal_error_box.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "sound/sound_slots.h"
#include "world/template_assets.h"

int ClientWidth = 0;
int ClientHeight = 0;
void (*MainLoopFrame)() = GameFrame;
uint32_t (*MainLoopNextDue)() = GameFrameNextDue;

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
// While a dialog holds the game the loop only waits for input, looking up
// this often.
constexpr uint32_t kDialogWaitMs = 100;

RendererAssets g_assets(nullptr);

// The shell's one-time set-up of the game: an empty level, templates to load
// on the first frame.
void GameInit() {
    ClearLevel();
    GameState = 1;
    LevelPhase = 0;
}

// The renderer, with its view of the game and the asset interface through
// which the template loader fills its model table.
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

void Resize(int width, int height) {
    ClientWidth = width;
    ClientHeight = height;
    ResizeGLWindow(width, height);
}

// False when the event ends the game.
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
            Resize(event.width, event.height);
            return true;
        case EventType::Paint:
            RenderGLWindow();
            return true;
        case EventType::Focus:
            return true;  // a key released elsewhere stays held until its key-up comes
    }
    return true;
}

// Every waiting event, in order; an event that ends the game ends the
// handling at once. False when the game ends.
bool HandleWaitingEvents() {
    for (Event event; Sys_PollEvent(&event);)
        if (!HandleEvent(event))
            return false;
    return true;
}

// Sleeps until input arrives or the frame function's next due time, never
// longer; the decisions of each pass stay those of a loop that never sleeps.
void WaitForNextPass() {
    Sys_WaitEvent(Sys_DialogOpen() ? FrameStartTick + kDialogWaitMs : MainLoopNextDue());
}

// The time is read once per pass; input that arrived before the pass is
// handled before its frame; an open dialog holds the game, whose timers
// then catch up one tick per pass.
int RunMainLoop() {
    for (;;) {
        FrameStartTick = GetTickCount();
        if (!HandleWaitingEvents())
            return Shutdown(FatalErrorShown() ? kExitDataError : kExitNormal);
        if (GameState != 0 && !Sys_DialogOpen())
            MainLoopFrame();
        WaitForNextPass();
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
    ResetFatalErrorBox();
    GameState = 0;
    Sys_SetMenu(GameMenu());
    std::unique_ptr<SceneRenderer> scene = MakeRenderer();
    if (!scene)
        return kExitNoRenderer;
    SetFatalErrorHandler(ShowFatalErrorBox);
    GameInit();
    if (!OpenGLWindow("Korvath", kWindowWidth, kWindowHeight, std::move(scene)))
        return NoGLContext();
    Sys_SetIcon(kGameIcon);
    Sys_ClientSize(&ClientWidth, &ClientHeight);
    LoadSoundSlots();
    Sys_ShowWindow();
    return RunMainLoop();
}
