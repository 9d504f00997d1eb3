#include "shell/game_main.h"

#include <new>

#include "core/fatal_error.h"
#include "game/level_changes.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_video.h"
#include "render/game_view.h"
#include "render/gl_window.h"
#include "render/renderer_assets.h"
#include "render/scene_renderer.h"
#include "shell/resources.h"
#include "sound/sound_slots.h"
#include "world/template_assets.h"

void (*MainLoopFrame)() = MainLoopGameFrame;
uint32_t (*MainLoopNextDue)() = MainLoopGameFrameNextDue;

namespace {

constexpr uint32_t kDialogWaitMs = 100;  // a dialog holds the game: wait for input
// A frame that runs this much later than the loop waited for was held up (a
// dialog, a message box, a window move, a slow load); a shorter delay is a
// slow pass, which the timers catch up.
constexpr int32_t kLoopHeldMs = 250;

MainLoopState& g_loop = MainLoop();
GameView& g_view = MainLoopView();
RendererAssets g_assets(nullptr);
bool g_dataError = false;
// The latest time at which the next frame was due, once a frame has run.
bool g_frameAwaited = false;
uint32_t g_frameDueBy = 0;

// The flow's sounds go to the sound slots, its frames to the GL window, and
// its wait for the loading picture holds the whole loop.
class ShellHost : public FlowHost {
  public:
    SoundSink& Sound() override { return SoundSlotSink(); }
    void FrameDue(const Position& position) override {
        g_loop.look.Tick(position, g_loop.KeyDown);
        g_view.LookFromHero(g_loop.look.X(), g_loop.look.Y());
        g_view.NextFrame(position);
        RenderGLWindow();
    }
    uint32_t WaitUntil(uint32_t tick) override {
        Sys_WaitUntil(tick);
        return g_loop.FrameStartTick = GetTickCount();
    }
};

ShellHost g_host;

// Only the first data error is shown; the load may report more before it
// stops. A picture that cannot be decoded ends the program at once.
void ShowFatal(FatalError kind, const char* text) {
    if (kind == FatalError::kPicture) {
        Sys_MessageBox(text, "ERROR", BoxIcon::None);
        Sys_ExitProcess(kExitBadPicture);
    }
    if (g_dataError)
        return;
    g_dataError = true;
    Sys_MessageBox(text, "Unrecoverable Logic Error", BoxIcon::Error);
    Sys_PushEvent({EventType::Close});
}

// A fresh game whose templates load on the first frame.
void GameInit() {
    g_loop = MainLoopState();
    g_loop.game.position.GameState = kGameLoadTemplates;
    g_loop.game.position.LevelPhase = kPhaseNone;
    g_view = GameView();
}

// The renderer, with its view of the game; the template loader fills its
// model table through the asset interface.
std::unique_ptr<SceneRenderer> MakeRenderer() {
    std::unique_ptr<SceneRenderer> scene(new (std::nothrow) SceneRenderer);
    if (scene) {
        scene->SetSceneView(g_view.Scene(g_loop.game.position));
        g_assets = RendererAssets(scene.get());
        SetTemplateAssets(&g_assets);
    }
    return scene;
}

int Shutdown(int status) {
    EndSession();
    Sys_SetNotice("");
    Sys_SetBanner("");
    ReleaseSoundSlots();
    CloseGLWindow();
    SetFatalErrorHandler(nullptr);
    SetTemplateAssets(nullptr);
    return status;
}

void Repaint() {
    g_view.Repaint(g_loop.game.position);
    RenderGLWindow();
}

// False when the event ends the game. A key released while the window had no
// focus stays held until its key-up comes.
bool HandleEvent(const Event& event) {
    switch (event.type) {
        case EventType::KeyDown:
            if (int command = CommandForKey(event.code, g_loop.KeyDown))
                RunMenuCommand(command);
            g_loop.look.Key(event.code, true, g_loop.KeyDown);
            g_loop.KeyDown[event.code] = 1;
            return true;
        case EventType::KeyUp:
            g_loop.look.Key(event.code, false, g_loop.KeyDown);
            g_loop.KeyDown[event.code] = 0;
            return true;
        case EventType::Command:
            return RunMenuCommand(event.code);
        case EventType::Close:
            return false;
        case EventType::Resize:
            ResizeGLWindow(event.width, event.height);
            return true;
        case EventType::Paint:
            Repaint();
            return true;
        default:
            return true;
    }
}

// The pass's frame. When the loop was held since the frame was due, the game
// stood still for that time and goes on from where it stood.
void RunFrame() {
    const int32_t late = static_cast<int32_t>(g_loop.FrameStartTick - g_frameDueBy);
    if (g_frameAwaited && late > kLoopHeldMs)
        ResumeAfterHold(&g_loop.game, static_cast<uint32_t>(late));
    MainLoopFrame();
}

// The time is read once per pass; every waiting event is handled before the
// pass's frame, and one that ends the game ends the handling at once. An open
// dialog holds the game, which stands still until it closes. The wait lasts
// until input comes or the frame's next due time, never longer, so that every
// pass decides as a loop that never sleeps would.
int RunMainLoop() {
    g_frameAwaited = false;
    for (Event event;;) {
        g_loop.FrameStartTick = GetTickCount();
        while (Sys_PollEvent(&event))
            if (!HandleEvent(event))
                return Shutdown(g_dataError ? kExitDataError : kExitNormal);
        const bool held = Sys_ShownDialog();
        const bool runs = g_loop.game.position.GameState != kGameNotStarted && !held;
        if (runs)
            RunFrame();
        const uint32_t due = held ? g_loop.FrameStartTick + kDialogWaitMs : MainLoopNextDue();
        if (runs) {
            g_frameAwaited = true;
            g_frameDueBy = due;
        }
        Sys_WaitEvent(due);
    }
}

// Without any GL context the game would run blind; say so and stop.
int NoGLContext() {
    Sys_MessageBox("OpenGL could not be started: no OpenGL context is available on this system.",
                   "Korvath", BoxIcon::Error);
    return Shutdown(kExitNoGLContext);
}

}  // namespace

// The rules see the keys held less the arrows held for looking ahead.
void MainLoopGameFrame() {
    KeyDownTable keys;
    g_loop.look.RulesKeys(g_loop.KeyDown, &keys);
    GameFrameRecorded(&g_loop.game, &g_loop.history, g_loop.FrameStartTick, keys, &g_host);
    AfterSessionFrame(g_loop.FrameStartTick);
}

uint32_t MainLoopGameFrameNextDue() {
    return GameFrameNextDue(g_loop.game, g_loop.FrameStartTick);
}

int RunGame(const SessionSettings& settings) {
    g_dataError = false;
    Sys_SetMenu(GameMenu());
    std::unique_ptr<SceneRenderer> scene = MakeRenderer();
    if (!scene)
        return kExitNoRenderer;
    SetFatalErrorHandler(ShowFatal);
    GameInit();
    StartSession(settings);
    if (!OpenGLWindow("Korvath", 800, 600, std::move(scene)))
        return NoGLContext();
    LoadSoundSlots();
    Sys_ShowWindow();
    return RunMainLoop();
}
