#include "key_recorder.h"

#include <cstdio>

#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_main.h"
#include "platform/sys_path.h"
#include "replay_input.h"
#include "shell/exit_status.h"
#include "shell/win_main.h"

namespace {

FILE* g_recording = nullptr;
bool g_held[256];

// Auto-repeat and a second "down" of a held key are not presses.
void OnKey(int virtualKey, bool down, bool repeat) {
    if (!g_recording || repeat || g_held[virtualKey] == down)
        return;
    g_held[virtualKey] = down;
    std::fprintf(g_recording, "%u %s %s\n", GetTickCount(), down ? "down" : "up",
                 KeyName(virtualKey).c_str());
    std::fflush(g_recording);
}

void CloseRecording() {
    if (g_recording)
        std::fclose(g_recording);
    g_recording = nullptr;
}

}  // namespace

int RecordGame(const std::string& path) {
    g_recording = Sys_OpenFile(path, "wb");
    if (!g_recording) {
        std::fprintf(stderr, "korvath-replay: cannot write %s\n", path.c_str());
        return 2;
    }
    std::fprintf(g_recording, "# recorded by korvath-replay --record\n");
    if (!Sys_StartDesktop()) {
        std::fprintf(stderr, "korvath-replay: no display to open a window on.\n");
        CloseRecording();
        return kExitNoGLContext;
    }
    Sys_AtExit(CloseRecording);
    Sys_KeyObserver = OnKey;
    int status = WinMain(Sys_ProcessInstance(), SW_SHOW);
    Sys_KeyObserver = nullptr;
    std::fprintf(g_recording, "# the game ended at %u with status %d\n", GetTickCount(), status);
    CloseRecording();
    Sys_Stop();
    return status;
}
