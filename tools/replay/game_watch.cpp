#include "game_watch.h"

#include <vector>

#include "game/flow_state.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "platform/sys_headless.h"
#include "shell/win_main.h"
#include "sound/sound_observer.h"

namespace {

struct Watch {
    TraceWriter* trace = nullptr;
    void (*onPhase)(int phase) = nullptr;
    size_t boxesTraced = 0;
    int32_t lastPhase = 0;
};

Watch g_watch;

void OnSound(int slot, SoundOp op, const char* file, bool ok) {
    static const char* const kNames[] = {"load", "play_once", "play_looping", "stop"};
    g_watch.trace->Sound(FrameStartTick, slot, kNames[static_cast<int>(op)], file,
                         op == SoundOp::Load, ok);
}

void TracePhaseChange() {
    if (GameState != 2 || LevelPhase == g_watch.lastPhase)
        return;
    g_watch.lastPhase = LevelPhase;
    g_watch.trace->Phase(FrameStartTick, CurrentLevel, LevelPhase);
    if (g_watch.onPhase)
        g_watch.onPhase(LevelPhase);
}

// GameFrame, then what the trace wants to know about the pass. The tick
// timer counts its firings and is reset to 0 by a pass that does not fire.
void WatchedFrame(HWND glWindow) {
    bool playing = GameState == 2 && LevelPhase == kPhasePlaying;
    GameFrame(glWindow);
    TraceNewBoxes();
    if (playing && GameTickTimer.count > 0)
        g_watch.trace->Tick(FrameStartTick);
    TracePhaseChange();
}

}  // namespace

void StartWatching(TraceWriter* trace, void (*onPhase)(int phase)) {
    g_watch = Watch();
    g_watch.trace = trace;
    g_watch.onPhase = onPhase;
    MainLoopFrame = WatchedFrame;
    SetSoundObserver(OnSound);
}

void StopWatching() {
    SetSoundObserver(nullptr);
    MainLoopFrame = GameFrame;
    g_watch = Watch();
}

void TraceNewBoxes() {
    if (!g_watch.trace)
        return;
    const std::vector<ShownBox>& shown = Headless_Shown();
    for (; g_watch.boxesTraced < shown.size(); ++g_watch.boxesTraced) {
        const ShownBox& box = shown[g_watch.boxesTraced];
        if (!box.dialog)
            g_watch.trace->Message(FrameStartTick, box.caption, box.text);
    }
}
