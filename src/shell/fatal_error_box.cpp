#include "shell/fatal_error_box.h"

#include "platform/sys_dialog.h"
#include "shell/exit_status.h"
#include "shell/shell_state.h"

void ShowFatalErrorBox(const char* text) {
    if (FatalErrorShown)
        return;
    FatalErrorShown = true;
    ExitStatus = kExitDataError;
    Sys_MessageBox(text, "Unrecoverable Logic Error", MB_OK | MB_ICONHAND);
    SendMessage(MainWindow, WM_DESTROY, 0, 0);
}
