#pragma once
// Message boxes and the immediate end of the program.

// Message box styles and answers, with the values of the platform the game
// was written for.
enum : unsigned { MB_OK = 0x0, MB_ICONHAND = 0x10 };
enum : int { IDOK = 1 };

// Shows a modal message box and returns the button pressed.
int Sys_MessageBox(const char* text, const char* caption, unsigned type);

// Ends the program at once with this status (after a box that announced it).
[[noreturn]] void Sys_ExitProcess(int code);
