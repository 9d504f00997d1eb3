#include "replay_run.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/pawn_motion.h"
#include "game/rest_state.h"
#include "game_watch.h"
#include "heap_bytes.h"
#include "input_cursor.h"
#include "key_recorder.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "platform/sys_process.h"
#include "render/texture.h"
#include "screenshot.h"
#include "shell/game_main.h"

namespace {

// Everything one replay keeps while the game runs.
struct ReplayRun {
    ReplayRun(const ReplayOptions& o, const std::vector<InputEvent>& e, const ReplayHooks* h)
        : options(&o), events(&e), hooks(h), cursor(&e) {}

    const ReplayOptions* options;
    const std::vector<InputEvent>* events;
    const ReplayHooks* hooks;
    InputCursor cursor;
    TraceWriter trace;
    ScreenGrabber grabber;
    size_t nextShot = 0;
    size_t nextPawns = 0;
    bool stopped = false;
    int stopStatus = 0;
    bool playBegan = false;
    size_t heapBytes = 0;
};

ReplayRun* g_run = nullptr;

void Stop(int status) {
    if (g_run->stopped)
        return;
    g_run->stopped = true;
    g_run->stopStatus = status;
    Sys_PushEvent({EventType::Close});
}

void OnPhase(int phase) {
    if (phase == kPhasePlaying && g_run->options->memory && !g_run->playBegan)
        g_run->trace.Memory(MainLoop().FrameStartTick, "play begins", HeapBytesInUse());
    g_run->playBegan = g_run->playBegan || phase == kPhasePlaying;
    if (phase == kPhaseEnded && g_run->options->untilEnded)
        Stop(0);
}

bool EndsWithPress() {
    return !g_run->events->empty() && g_run->events->back().kind == InputKind::Next;
}

// Without --until, a replay whose last event is a "next" ends once the game
// has settled after that press.
bool EndsBySettling() {
    return !g_run->options->hasUntil && EndsWithPress();
}

// Settled after a press: at rest, or the hero has walked into the exit, or
// the end picture shows.
bool Settled() {
    const Position& position = MainLoop().game.position;
    if (position.GameState != kGameRunning)
        return false;
    const Pawn* hero = position.PlayerPawn();
    bool inExit = position.LevelFinished && hero && MoveFinished(*hero);
    return position.LevelPhase == kPhaseEnded || inExit || GameAtRest(position);
}

// The input line whose wait for the game to come to rest is on, or null.
const InputEvent* AwaitedRest() {
    if (const InputEvent* press = g_run->cursor.PressWaiting())
        return press;
    bool settling = EndsBySettling() && g_run->cursor.Done();
    return settling ? &g_run->events->back() : nullptr;
}

uint32_t RestDeadline() {
    return g_run->cursor.FinishedAt() + kRestTimeLimitMs;
}

// The wait for rest has lasted too long: say for which line, and give up.
bool GaveUpWaiting(uint32_t now) {
    const InputEvent* line = AwaitedRest();
    if (!line || static_cast<int32_t>(now - RestDeadline()) < 0)
        return false;
    const std::string& input = g_run->options->input;
    std::fprintf(stderr, "korvath-replay: %s:%d: the game did not come to rest within %u s\n",
                 input.empty() ? "input" : input.c_str(), line->line, kRestTimeLimitMs / 1000);
    Stop(kReplayNotEnded);
    return true;
}

// After every pass of the main loop: presses and releases, the settled end.
void OnFrame(bool gameplayTick) {
    if (!g_run->stopped) {
        g_run->cursor.AfterPass(GetTickCount(), gameplayTick, GameAtRest(MainLoop().game.position));
        if (EndsBySettling() && g_run->cursor.Done() && Settled())
            Stop(0);
    }
    if (g_run->hooks && g_run->hooks->afterFrame)
        g_run->hooks->afterFrame();
    if (g_run->options->memory)  // the last pass before the game shuts down
        g_run->heapBytes = HeapBytesInUse();
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
        g_run->trace.Pawns(options.pawns[g_run->nextPawns], MainLoop().game.position);
    if (g_run->nextShot >= options.shots.size())
        g_run->grabber.SetWanted(false);
}

// The time at which the clock ends the replay: --until's; else, once every
// event is in, the last one's. A replay ending in a "next" has none.
bool EndTime(uint32_t* time) {
    const ReplayOptions& options = *g_run->options;
    if (options.untilEnded)
        *time = kReplayTimeLimitMs;
    else if (options.hasUntil)
        *time = options.untilMs;
    else if (!g_run->cursor.Done() || EndsWithPress())
        return false;
    else
        *time = g_run->events->empty() ? 0 : g_run->events->back().time;
    return true;
}

// The first moment after now at which the replay has something to do.
uint32_t NextReplayDue(uint32_t now, uint32_t wanted) {
    const ReplayOptions& options = *g_run->options;
    auto consider = [&](uint32_t t) {
        if (t > now && t < wanted)
            wanted = t;
    };
    if (const InputEvent* event = g_run->cursor.TimedTurn())
        consider(event->time);
    if (g_run->nextShot < options.shots.size())
        consider(options.shots[g_run->nextShot].time);
    if (g_run->nextPawns < options.pawns.size())
        consider(options.pawns[g_run->nextPawns]);
    uint32_t end = 0;
    if (EndTime(&end))
        consider(end);
    if (AwaitedRest())
        consider(RestDeadline());
    return wanted;
}

// Whenever the game waits: outputs due, input due, giving up, the end, or
// time passes up to the earlier of the game's own due time and the replay's
// next one. A press waiting for rest leaves the clock to the game.
void OnIdle(uint32_t timeoutMs) {
    if (g_run->stopped)
        return;
    uint32_t now = GetTickCount();
    TraceNewBoxes();
    WriteDueOutputs(now);
    if (g_run->cursor.DeliverTimed(now) || GaveUpWaiting(now))
        return;
    uint32_t end = 0;
    if (EndTime(&end) && now >= end)
        return Stop(g_run->options->untilEnded ? kReplayNotEnded : 0);
    Headless_SetClock(NextReplayDue(now, now + timeoutMs));
}

void OnExitProcess() {
    if (!g_run)
        return;
    TraceNewBoxes();
    g_run->trace.Quit(MainLoop().FrameStartTick, Sys_ExitCode());
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
    Sys_SetEnvironmentDefault("ALSOFT_DRIVERS", "null");  // sounds load and play, silently
    HeadlessOptions headless;
    headless.gl = render;
    Sys_StartHeadless(headless);
    SetTextureUploadEnabled(render);
    Headless_SetIdleHandler(OnIdle);
    StartWatching(&g_run->trace, Callbacks());
    static bool exitHookAdded = false;
    if (!exitHookAdded)
        std::atexit(OnExitProcess);
    exitHookAdded = true;
    g_run->grabber.Install(!g_run->options->shots.empty());
}

int Uninstall(int status) {
    g_run->grabber.Install(false);
    StopWatching();
    Sys_Stop();
    SetTextureUploadEnabled(true);
    g_run->trace.Close();
    return status;
}

}  // namespace

int RunReplay(const ReplayOptions& options, const std::vector<InputEvent>& events,
              const ReplayHooks* hooks) {
    ReplayRun run(options, events, hooks);
    if (!options.trace.empty() && !run.trace.Open(options.trace))
        return 2;
    if (!options.timed.empty() && !StartKeyLog(options.timed))
        return 2;
    g_run = &run;
    Install(!options.noRender);
    SessionSettings settings;
    settings.progressFolder = options.progress;
    settings.firstLevel = options.level;
    settings.warnDeadEnds = !options.noDeadEnds;
    settings.hintsAtOnce = true;  // on the virtual clock, a hint comes as it is asked
    int status = RunGame(settings);
    TraceNewBoxes();
    if (options.memory)
        run.trace.Memory(MainLoop().FrameStartTick, "end", run.heapBytes);
    if (!run.stopped)
        run.trace.Quit(MainLoop().FrameStartTick, status);
    status = Uninstall(run.stopped ? run.stopStatus : status);
    if (!options.timed.empty())
        StopKeyLog();
    g_run = nullptr;
    return status;
}
