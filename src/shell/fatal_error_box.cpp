#include "shell/fatal_error_box.h"

#include "platform/sys_dialog.h"
#include "platform/sys_events.h"

namespace {
bool g_shown = false;
}

void ShowFatalErrorBox(const char* text) {
    if (g_shown)
        return;
    g_shown = true;
    Sys_MessageBox(text, "Unrecoverable Logic Error", BoxIcon::Error);
    Sys_PostClose();
}

bool FatalErrorShown() {
    return g_shown;
}

void ResetFatalErrorBox() {
    g_shown = false;
}
