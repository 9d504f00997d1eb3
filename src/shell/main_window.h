#pragma once
// The main window's procedure and what it shares with the rest of the shell.

#include "platform/sys_window.h"

LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of the About and Controls dialogs: only OK closes them.
intptr_t InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the cursor of the current CursorMode.
void UpdateCursor();
