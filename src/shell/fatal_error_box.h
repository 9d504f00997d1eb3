#pragma once

// Shows a data error in the "Unrecoverable Logic Error" box, then tells the
// main window to close. Only the first error is shown: the program is
// closing after it, and the same load may report more before it stops.
void ShowFatalErrorBox(const char* text);
