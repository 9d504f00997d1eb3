#pragma once
// Message boxes, modal dialogs and the immediate end of the program.

#include <cstdint>

#include "platform/sys_window.h"

// Message box styles and answers, with the values of the platform the game
// was written for.
enum : unsigned { MB_OK = 0x0, MB_ICONHAND = 0x10 };
enum : int { IDOK = 1, IDCANCEL = 2 };

// Shows a modal message box and returns the button pressed.
int Sys_MessageBox(const char* text, const char* caption, unsigned type);

using DLGPROC = intptr_t (*)(HWND, UINT, WPARAM, LPARAM);

// Shows dialog resource templateId modally and returns EndDialog's result
// (-1 when there is no such resource). Until the dialog ends, messages are
// dispatched here: key messages go to the dialog, where Enter presses the
// default OK button (WM_COMMAND IDOK) and Escape asks to cancel (WM_COMMAND
// IDCANCEL), both answered by the dialog procedure.
intptr_t DialogBoxParam(HINSTANCE instance, int templateId, HWND parent, DLGPROC proc,
                        LPARAM param);
bool EndDialog(HWND dialog, intptr_t result);
// The dialog being shown, or null.
HWND Sys_ActiveDialog();

// Runs hook when the program ends through Sys_ExitProcess (newest first).
void Sys_AtExit(void (*hook)());

// The status Sys_ExitProcess is ending with, for its hooks; 0 before.
int Sys_ExitCode();

// Ends the program at once with this status (after a box that announced it).
[[noreturn]] void Sys_ExitProcess(int code);
