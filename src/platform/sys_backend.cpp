#include "platform/sys_backend.h"

#include "platform/sys_main.h"
#include "platform/sys_native.h"

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
    Sys_ResetWindows();
    Sys_ResetQueue();
    UI_Shutdown();
    Native_ReleasePictures();
    Sys_SetBackend(nullptr);
}
