#pragma once

// Shows a data error in the "Unrecoverable Logic Error" box, then asks the
// main loop to end. Only the first error is shown: the program is closing
// after it, and the same load may report more before it stops.
void ShowFatalErrorBox(const char* text);

// Whether a data error has been shown since the last reset.
bool FatalErrorShown();
void ResetFatalErrorBox();
