#include "platform/sys_internal.h"
#include "platform/sys_main.h"

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
    Sys_ClearEvents();
    Sys_SetBackend(nullptr);
}
