#include "game_watch.h"

#include <utility>
#include <vector>

#include "platform/sys_headless.h"
#include "shell/game_main.h"
#include "sound/sound_observer.h"

namespace {

struct Watch {
    TraceWriter* trace = nullptr;
    WatchCallbacks callbacks;
    size_t boxesTraced = 0;
    int32_t lastPhase = 0;
};

Watch g_watch;

void OnSound(int slot, SoundOp op, const char* file, bool ok) {
    static const char* const kNames[] = {"load", "play_once", "play_looping", "stop"};
    g_watch.trace->Sound(MainLoop().FrameStartTick, slot, kNames[static_cast<int>(op)], file,
                         op == SoundOp::Load, ok);
    if (g_watch.callbacks.onSound)
        g_watch.callbacks.onSound(slot, op);
}

void TracePhaseChange() {
    const Position& position = MainLoop().game.position;
    if (position.GameState != kGameRunning || position.LevelPhase == g_watch.lastPhase)
        return;
    g_watch.lastPhase = position.LevelPhase;
    g_watch.trace->Phase(MainLoop().FrameStartTick, position.CurrentLevel, position.LevelPhase);
    if (g_watch.callbacks.onPhase)
        g_watch.callbacks.onPhase(position.LevelPhase);
}

// The flow's pass, then what the trace and the callbacks learn of it. The
// tick timer counts its firings and is reset to 0 by a pass that does not fire.
void WatchedFrame() {
    const Game& game = MainLoop().game;
    bool playing =
        game.position.GameState == kGameRunning && game.position.LevelPhase == kPhasePlaying;
    MainLoopGameFrame();
    TraceNewBoxes();
    bool ticked = playing && game.timers.GameTickTimer.count > 0;
    if (ticked)
        g_watch.trace->Tick(MainLoop().FrameStartTick, game.position);
    TracePhaseChange();
    if (g_watch.callbacks.afterFrame)
        g_watch.callbacks.afterFrame(ticked);
}

void OnHint(uint32_t now, const Hint& hint) {
    g_watch.trace->HintShown(now, hint);
}

void OnDeadEnd(uint32_t now) {
    g_watch.trace->DeadEnd(now);
}

}  // namespace

void StartWatching(TraceWriter* trace, WatchCallbacks callbacks) {
    g_watch = Watch();
    g_watch.trace = trace;
    g_watch.callbacks = std::move(callbacks);
    MainLoopFrame = WatchedFrame;
    SetSoundObserver(OnSound);
    HintObserver = OnHint;
    DeadEndObserver = OnDeadEnd;
}

void StopWatching() {
    SetSoundObserver(nullptr);
    HintObserver = nullptr;
    DeadEndObserver = nullptr;
    MainLoopFrame = MainLoopGameFrame;
    g_watch = Watch();
}

void TraceNewBoxes() {
    if (!g_watch.trace)
        return;
    const std::vector<ShownBox>& shown = Headless_Shown();
    for (; g_watch.boxesTraced < shown.size(); ++g_watch.boxesTraced) {
        const ShownBox& box = shown[g_watch.boxesTraced];
        if (!box.dialog)
            g_watch.trace->Message(MainLoop().FrameStartTick, box.caption, box.text);
    }
}
