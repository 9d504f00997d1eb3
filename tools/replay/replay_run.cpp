#include "replay_run.h"

#include <cstdlib>

#include "game/flow_state.h"
#include "game/game_state.h"
#include "game_watch.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_gl.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "render/gl_renderer.h"
#include "render/texture.h"
#include "screenshot.h"
#include "shell/resources.h"
#include "shell/shell_state.h"
#include "shell/win_main.h"

namespace {

// Everything one replay keeps while the game runs.
struct ReplayRun {
    const ReplayOptions* options = nullptr;
    const std::vector<InputEvent>* events = nullptr;
    const ReplayHooks* hooks = nullptr;
    TraceWriter trace;
    ScreenGrabber grabber;
    size_t nextEvent = 0;
    size_t nextShot = 0;
    size_t nextPawns = 0;
    bool stopped = false;
    int stopStatus = 0;
};

ReplayRun* g_run = nullptr;

void Stop(int status) {
    if (g_run->stopped)
        return;
    g_run->stopped = true;
    g_run->stopStatus = status;
    PostQuitMessage(status);
}

void OnPhase(int phase) {
    if (phase == kPhaseEnded && g_run->options->untilEnded)
        Stop(0);
}

void OnFrame(bool /*gameplayTick*/) {
    if (g_run->hooks && g_run->hooks->afterFrame)
        g_run->hooks->afterFrame();
}

void DeliverEvent(const InputEvent& event) {
    switch (event.kind) {
        case InputKind::KeyDown:
        case InputKind::KeyUp:
            return Headless_Key(event.code, event.kind == InputKind::KeyDown);
        case InputKind::Menu:
            PostMessage(MainWindow, WM_COMMAND, static_cast<WPARAM>(event.code), 0);
            return;
        case InputKind::Ok:
            return Headless_PressDialogButton(IDOK);
    }
}

// Delivers every event due by now; true when there was one.
bool DeliverDueEvents(uint32_t now) {
    const std::vector<InputEvent>& events = *g_run->events;
    size_t first = g_run->nextEvent;
    while (g_run->nextEvent < events.size() && events[g_run->nextEvent].time <= now)
        DeliverEvent(events[g_run->nextEvent++]);
    return g_run->nextEvent != first;
}

// Screenshots and pawn lists whose time has come, of the state at that time.
void WriteDueOutputs(uint32_t now) {
    const ReplayOptions& options = *g_run->options;
    for (; g_run->nextShot < options.shots.size(); ++g_run->nextShot) {
        const ShotRequest& shot = options.shots[g_run->nextShot];
        if (shot.time > now)
            break;
        g_run->grabber.WritePng(shot.file);
    }
    for (; g_run->nextPawns < options.pawns.size() && options.pawns[g_run->nextPawns] <= now;
         ++g_run->nextPawns)
        g_run->trace.Pawns(options.pawns[g_run->nextPawns]);
    if (g_run->nextShot >= options.shots.size())
        g_run->grabber.SetWanted(false);
}

uint32_t EndTime() {
    const ReplayOptions& options = *g_run->options;
    if (options.untilEnded)
        return kReplayTimeLimitMs;
    if (options.hasUntil)
        return options.untilMs;
    return g_run->events->empty() ? 0 : g_run->events->back().time;
}

// The first moment after now at which the replay has something to do.
uint32_t NextReplayDue(uint32_t now, uint32_t wanted) {
    const ReplayOptions& options = *g_run->options;
    auto consider = [&](uint32_t t) {
        if (t > now && t < wanted)
            wanted = t;
    };
    if (g_run->nextEvent < g_run->events->size())
        consider((*g_run->events)[g_run->nextEvent].time);
    if (g_run->nextShot < options.shots.size())
        consider(options.shots[g_run->nextShot].time);
    if (g_run->nextPawns < options.pawns.size())
        consider(options.pawns[g_run->nextPawns]);
    consider(EndTime());
    return wanted;
}

// Whenever the game waits: outputs due, input due, the end, or time passes
// up to the earlier of the game's own due time and the replay's next one.
void OnIdle(uint32_t timeoutMs) {
    if (g_run->stopped)
        return;
    uint32_t now = GetTickCount();
    TraceNewBoxes();
    WriteDueOutputs(now);
    if (DeliverDueEvents(now))
        return;
    if (now >= EndTime()) {
        bool timedOut = g_run->options->untilEnded;
        return Stop(timedOut ? kReplayNotEnded : 0);
    }
    Headless_SetClock(NextReplayDue(now, now + timeoutMs));
}

void OnExitProcess() {
    if (!g_run)
        return;
    TraceNewBoxes();
    g_run->trace.Quit(FrameStartTick, Sys_ExitCode());
    g_run->trace.Close();
}

WatchCallbacks Callbacks() {
    WatchCallbacks callbacks;
    callbacks.onPhase = OnPhase;
    callbacks.afterFrame = OnFrame;
    if (g_run->hooks)
        callbacks.onSound = g_run->hooks->onSound;
    return callbacks;
}

void Install(bool render) {
    setenv("ALSOFT_DRIVERS", "null", 0);  // sounds load and play, silently
    HeadlessOptions headless;
    headless.gl = render;
    headless.closeWhenScriptEnds = false;
    Sys_StartHeadless(headless);
    SetTextureUploadEnabled(render);
    SetGLDrawingEnabled(render);
    Headless_SetIdleHandler(OnIdle);
    StartWatching(&g_run->trace, Callbacks());
    static bool exitHookAdded = false;
    if (!exitHookAdded)
        Sys_AtExit(OnExitProcess);
    exitHookAdded = true;
    g_run->grabber.Install(!g_run->options->shots.empty());
}

int Uninstall(int status) {
    g_run->grabber.Install(false);
    StopWatching();
    Sys_Stop();
    SetTextureUploadEnabled(true);
    SetGLDrawingEnabled(true);
    g_run->trace.Close();
    return status;
}

}  // namespace

int RunReplay(const ReplayOptions& options, const std::vector<InputEvent>& events,
              const ReplayHooks* hooks) {
    ReplayRun run;
    run.options = &options;
    run.events = &events;
    run.hooks = hooks;
    if (!options.trace.empty() && !run.trace.Open(options.trace))
        return 2;
    g_run = &run;
    Install(!options.noRender);
    int status = WinMain(Sys_ProcessInstance(), SW_SHOW);
    TraceNewBoxes();
    if (!run.stopped)
        run.trace.Quit(FrameStartTick, status);
    status = Uninstall(run.stopped ? run.stopStatus : status);
    g_run = nullptr;
    return status;
}
