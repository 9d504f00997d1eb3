// The back end in use: its start and end, and its clock.

#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_internal.h"
#include "platform/sys_main.h"
#include "platform/sys_video.h"

namespace {
SysBackend* g_backend = nullptr;
}

SysBackend* Sys_Backend() {
    return g_backend;
}

void Sys_SetBackend(SysBackend* backend) {
    delete g_backend;
    g_backend = backend;
}

void Sys_Stop() {
    Sys_CloseWindow();
    Sys_CloseDialog();
    Event event;
    while (Sys_PollEvent(&event)) {
    }
    Sys_SetBackend(nullptr);
}

// Without a back end (tools that only read data), SDL's clock.
uint32_t GetTickCount() {
    return g_backend ? g_backend->Ticks() : SDL_GetTicks();
}

void Sys_WaitUntil(uint32_t tick) {
    for (int32_t left; (left = static_cast<int32_t>(tick - GetTickCount())) > 0;) {
        if (g_backend)
            g_backend->Sleep(static_cast<uint32_t>(left));
        else
            SDL_Delay(static_cast<uint32_t>(left));
    }
}
