#include "key_recorder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "core/keys.h"
#include "game_watch.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_main.h"
#include "platform/sys_path.h"
#include "replay_input.h"
#include "shell/game_main.h"

namespace {

FILE* g_recording = nullptr;
TraceWriter g_trace;
bool g_held[kKeyCodeCount];

// Auto-repeat and a second "down" of a held key are not presses.
void OnKey(int virtualKey, bool down, bool repeat) {
    if (!g_recording || repeat || g_held[virtualKey] == down)
        return;
    g_held[virtualKey] = down;
    std::fprintf(g_recording, "%u %s %s\n", GetTickCount(), down ? "down" : "up",
                 KeyWord(virtualKey).c_str());
    std::fflush(g_recording);
}

void OnCommand(int command, bool dialogOk) {
    if (!g_recording)
        return;
    std::string name = dialogOk ? (command == kDialogCancelled ? "cancel" : "ok")
                                : "menu " + MenuCommandName(command);
    std::fprintf(g_recording, "%u %s\n", GetTickCount(), name.c_str());
    std::fflush(g_recording);
}

void CloseRecording() {
    if (g_recording)
        std::fclose(g_recording);
    g_recording = nullptr;
    g_trace.Close();
}

void EndedWith(int status) {
    g_trace.Quit(GetTickCount(), status);
    std::fprintf(g_recording, "# the game ended at %u with status %d\n", GetTickCount(), status);
    CloseRecording();
}

void OnExitProcess() {
    if (g_recording)
        EndedWith(Sys_ExitCode());
}

}  // namespace

bool StartKeyLog(const std::string& path) {
    g_recording = Sys_OpenFile(path, "wb");
    std::fill(std::begin(g_held), std::end(g_held), false);
    Sys_KeyObserver = OnKey;
    Sys_CommandObserver = OnCommand;
    return g_recording != nullptr;
}

void StopKeyLog() {
    Sys_KeyObserver = nullptr;
    Sys_CommandObserver = nullptr;
    CloseRecording();
}

int RecordGame(const std::string& path, const std::string& tracePath) {
    g_recording = Sys_OpenFile(path, "wb");
    if (!g_recording || (!tracePath.empty() && !g_trace.Open(tracePath))) {
        std::fprintf(stderr, "korvath-replay: cannot write %s\n",
                     g_recording ? tracePath.c_str() : path.c_str());
        CloseRecording();
        return 2;
    }
    std::fprintf(g_recording, "# recorded by korvath-replay --record\n");
    if (!Sys_StartDesktop()) {
        std::fprintf(stderr, "korvath-replay: no display to open a window on.\n");
        CloseRecording();
        return kExitNoGLContext;
    }
    std::atexit(OnExitProcess);
    Sys_KeyObserver = OnKey;
    Sys_CommandObserver = OnCommand;
    StartWatching(&g_trace);
    int status = RunGame();
    StopWatching();
    Sys_KeyObserver = nullptr;
    Sys_CommandObserver = nullptr;
    EndedWith(status);
    Sys_Stop();
    return status;
}
